#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/SettingsStore.h"

namespace quorvan {

// What a command may use: its output streams and the user's settings store.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
  SettingsStore& settings;
};

enum CliExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// One command of quorvan-cli. Each command lives in its own file, defines one of these with
// constant data, and is listed once in CommandTable.cpp.
struct CliCommand {
  std::string_view name;
  std::string_view summary;  // one line for the command list
  std::string_view usage;    // "usage: quorvan-cli NAME ..." and any further lines
  // Arguments after the command name; returns a CliExitCode.
  int (*run)(const std::vector<std::string>& args, CliContext& context);
};

// Every command, in the order the help lists them.
const std::vector<const CliCommand*>& CommandTable();
const CliCommand* FindCommand(std::string_view name);

// Prints the problem and the command's usage on the error stream; returns kExitUsage.
int ReportUsageError(CliContext& context, const CliCommand& command, std::string_view problem);

}  // namespace quorvan
