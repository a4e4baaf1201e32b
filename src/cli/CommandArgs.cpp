#include "cli/CommandArgs.h"

#include <algorithm>

#include "core/model/EscapedText.h"

namespace quorvan {

std::optional<std::string> CommandArgs::Option(std::string_view name) const {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

bool ParseCommandArgs(const std::vector<std::string>& args, const std::vector<CliOption>& known,
                      CommandArgs& parsed, std::string& problem) {
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
    const auto option = std::find_if(known.begin(), known.end(),
                                     [&arg](const CliOption& o) { return o.name == arg; });
    if (option == known.end()) {
      problem = "unknown option " + EscapeControls(arg);
      return false;
    }
    if (option->TakesValue() && i + 1 >= args.size()) {
      problem = "option " + EscapeControls(arg) + " needs a value";
      return false;
    }
    const std::string value = option->TakesValue() ? args[++i] : std::string();
    if (!parsed.options.emplace(arg, value).second) {
      problem = "option " + EscapeControls(arg) + " given twice";
      return false;
    }
  }
  return true;
}

}  // namespace quorvan
