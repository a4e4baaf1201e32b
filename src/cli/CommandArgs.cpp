#include "cli/CommandArgs.h"

#include <algorithm>

namespace quorvan {

std::optional<std::string> CommandArgs::Option(std::string_view name) const {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

bool ParseCommandArgs(const std::vector<std::string>& args,
                      std::initializer_list<std::string_view> valueOptions, CommandArgs& parsed,
                      std::string& problem) {
  parsed = CommandArgs{};
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (std::find(valueOptions.begin(), valueOptions.end(), arg) == valueOptions.end()) {
      problem = "unknown option " + arg;
      return false;
    }
    if (i + 1 >= args.size()) {
      problem = "option " + arg + " needs a value";
      return false;
    }
    if (!parsed.options.emplace(arg, args[i + 1]).second) {
      problem = "option " + arg + " given twice";
      return false;
    }
    ++i;
  }
  return true;
}

}  // namespace quorvan
