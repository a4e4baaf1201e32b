#include "CliManPage.h"

namespace quorvan {

ManPage CliManPage(const std::vector<const CliCommand*>& commands, const std::string& help,
                   const std::string& source) {
  std::string text;
  for (const CliCommand* command : commands) {
    const HelpParts usage = SplitHelp(command->usage, "quorvan-cli");
    text += ".SS " + RoffEscape(command->name) + "\n" + RoffEscape(command->summary) + ".\n";
    text += ".PP\n.nf\n";
    for (const std::string& line : usage.synopsis) text += RoffEscape(line) + "\n";
    text += ".fi\n" + HelpBodyToRoff(usage.body);
  }
  return {
      "quorvan-cli",
      "read and write the radio and its channel files from a terminal",
      source,
      help,
      {{"COMMANDS", text},
       {"LANGUAGE",
        RoffEscape(
            "quorvan-cli speaks English whatever the system's language: its output is read by "
            "scripts, so its messages, tables and reports stay as they are. The window, quorvan, "
            "is shown in the system's language or the one chosen under View > Language.") +
            "\n"}},
      {"quorvan(1)", "quorvan-radiosim(1)"}};
}

}  // namespace quorvan
