#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// An option of a command, written as its usage writes it: the name ("--scope", "-o") and the
// placeholder of its value ("DEV", "FILE.qvx", "all|memory|menu"), empty for a flag. The parser
// accepts exactly the options a command lists, and the shell completion offers the same.
struct CliOption {
  std::string_view name;
  std::string_view value;

  constexpr bool TakesValue() const { return !value.empty(); }
};

// A command's arguments split into options and positional arguments. "--" ends the options, so
// a file name may start with "-".
struct CommandArgs {
  std::map<std::string, std::string, std::less<>> options;  // a flag given holds ""
  std::vector<std::string> positionals;

  std::optional<std::string> Option(std::string_view name) const;
  std::optional<std::string> Option(const CliOption& option) const { return Option(option.name); }
};

// False with a message for an unknown option, an option without its value or a repeated one.
bool ParseCommandArgs(const std::vector<std::string>& args, const std::vector<CliOption>& known,
                      CommandArgs& parsed, std::string& problem);

}  // namespace quorvan
