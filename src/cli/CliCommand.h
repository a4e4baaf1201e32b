#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandArgs.h"
#include "core/model/SettingsStore.h"

namespace quorvan {

// What a command may use: its output streams and the user's settings store.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
  SettingsStore& settings;
};

// A transfer a signal cancelled ends with what a shell reports for a program the signal ended
// (ExitStatusOfSignal: 130 for Ctrl+C).
enum CliExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// One command of quorvan-cli. Each command lives in its own file, defines one of these with
// constant data, and is listed once in CommandTable.cpp.
struct CliCommand {
  std::string_view name;
  std::string_view summary;  // one line for the command list
  // "usage: quorvan-cli NAME ...", the arguments with their text starting in column 16 (a longer
  // one has it on the next line), and "  Example: quorvan-cli NAME ..." last.
  std::string_view usage;
  std::vector<CliOption> options;  // what ParseCommandArgs accepts, in the order of the usage
  // Placeholders of the arguments that are not options, in order ("IN.csv", "FILE.qvx"); the
  // last may end in "..." ("DEV..."): it is given any number of times, none included.
  std::vector<std::string_view> operands;
  // Arguments after the command name; returns a CliExitCode.
  int (*run)(const std::vector<std::string>& args, CliContext& context);
  // The exit status when what it wrote did not all reach standard output.
  int outputFailure = kExitFailure;
};

// The words a value placeholder stands for: the choices of "a|b|c", the known type codes for
// "CODE", the models for "ID"; empty for a free value (a file, a device, a number).
std::vector<std::string> ValueWords(std::string_view placeholder);
// The file name extension a placeholder such as "FILE.qvx" or "OUT.csv" asks for, without the
// dot; empty when the value is not a file of one kind.
std::string_view ValueExtension(std::string_view placeholder);
// A serial device ("DEV").
bool IsDeviceValue(std::string_view placeholder);
// Whether an operand may be repeated or left out ("DEV..."), and its placeholder without "...".
bool IsRepeatedOperand(std::string_view operand);
std::string_view OperandPlaceholder(std::string_view operand);

// Every command, in the order the help lists them.
const std::vector<const CliCommand*>& CommandTable();
const CliCommand* FindCommand(std::string_view name);

// The text of `quorvan-cli --help`: the synopsis, every command with its summary, the options
// shared by the document commands and the exit status.
void PrintHelp(std::ostream& out);

// Prints the problem and the command's usage on the error stream; returns kExitUsage.
int ReportUsageError(CliContext& context, const CliCommand& command, std::string_view problem);

// Every message quorvan-cli prints on the error stream starts so.
constexpr std::string_view kMessagePrefix = "quorvan-cli: ";
// Prints "quorvan-cli: " and the message, and ends the line; returns `code`.
int ReportError(CliContext& context, std::string_view message, int code = kExitFailure);

}  // namespace quorvan
