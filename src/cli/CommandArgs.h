#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// A command's arguments split into options (each taking one value) and positional arguments.
// "--" ends the options, so a file name may start with "-".
struct CommandArgs {
  std::map<std::string, std::string, std::less<>> options;
  std::vector<std::string> positionals;

  std::optional<std::string> Option(std::string_view name) const;
};

// False with a message for an unknown option, an option without its value or a repeated one.
bool ParseCommandArgs(const std::vector<std::string>& args,
                      std::initializer_list<std::string_view> valueOptions, CommandArgs& parsed,
                      std::string& problem);

}  // namespace quorvan
