#include "cli/CliCommand.h"

namespace quorvan {

// Each command is defined in its own file; add one declaration and one table entry here.
extern const CliCommand kNewCommand;
extern const CliCommand kCatCommand;
extern const CliCommand kReadCommand;
extern const CliCommand kWriteCommand;
extern const CliCommand kVerifyCommand;
extern const CliCommand kPortsCommand;
extern const CliCommand kFindCommand;
extern const CliCommand kPrintCommand;
extern const CliCommand kSortCommand;
extern const CliCommand kSetCommand;
extern const CliCommand kExportCsvCommand;
extern const CliCommand kImportCsvCommand;
extern const CliCommand kIdentifyCommand;
extern const CliCommand kListCommand;
extern const CliCommand kDiffCommand;
extern const CliCommand kHistoryCommand;

const std::vector<const CliCommand*>& CommandTable() {
  static const std::vector<const CliCommand*> kTable{
      &kPortsCommand, &kFindCommand,   &kIdentifyCommand,  &kReadCommand,
      &kWriteCommand, &kVerifyCommand, &kHistoryCommand,   &kNewCommand,
      &kCatCommand,   &kListCommand,   &kDiffCommand,      &kSortCommand,
      &kSetCommand,   &kPrintCommand,  &kExportCsvCommand, &kImportCsvCommand,
  };
  return kTable;
}

const CliCommand* FindCommand(std::string_view name) {
  for (const CliCommand* command : CommandTable()) {
    if (command->name == name) return command;
  }
  return nullptr;
}

int ReportUsageError(CliContext& context, const CliCommand& command, std::string_view problem) {
  ReportError(context, problem);
  context.err << command.usage;
  if (!command.usage.empty() && command.usage.back() != '\n') context.err << "\n";
  return kExitUsage;
}

int ReportError(CliContext& context, std::string_view message, int code) {
  context.err << kMessagePrefix << message << "\n";
  return code;
}

}  // namespace quorvan
