#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommand.h"
#include "core/model/EscapedText.h"
#include "core/model/Version.h"
#include "io/settings/QSettingsStore.h"

namespace quorvan {
namespace {

void PrintUsage(std::ostream& out, const CliCommand& command) {
  out << command.usage;
  if (!command.usage.empty() && command.usage.back() != '\n') out << "\n";
}

bool IsHelpFlag(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// Runs the command line; `command` is the command that ran, if one did.
int Run(const std::vector<std::string>& args, const CliCommand*& command) {
  if (args.empty()) {
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (IsHelpFlag(first)) {
    PrintHelp(std::cout);
    return kExitOk;
  }
  if (first == "--version") {
    std::cout << "quorvan-cli " << kQuorvanVersion << "\n";
    return kExitOk;
  }
  const bool asksForHelp = first == "help";
  if (asksForHelp && args.size() == 1) {
    PrintHelp(std::cout);
    return kExitOk;
  }
  // "help NAME" and "NAME" find the command alike, and say alike that there is none.
  const std::string& name = asksForHelp ? args[1] : first;
  command = FindCommand(name);
  if (!command) {
    std::cerr << kMessagePrefix << "unknown command \"" << EscapeControls(name) << "\"\n\n";
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  if (asksForHelp) {
    if (args.size() > 2) {
      std::cerr << kMessagePrefix << "help takes one command\n";
      return kExitUsage;
    }
    PrintUsage(std::cout, *command);
    return kExitOk;
  }
  if (args.size() == 2 && IsHelpFlag(args[1])) {
    PrintUsage(std::cout, *command);
    return kExitOk;
  }
  QSettingsStore settings;
  CliContext context{std::cout, std::cerr, settings};
  return command->run(std::vector<std::string>(args.begin() + 1, args.end()), context);
}

// Output that did not all reach standard output (a full disk, a closed device) fails the
// command like any other failure (with the command's own status for it), and says so: a listing
// or report cut short is not a success.
int CheckStandardOutput(int code, int failure) {
  errno = 0;
  std::cout.flush();
  int reason = errno;
  const bool flushed = std::fflush(stdout) == 0;
  if (std::cout && flushed && !std::ferror(stdout)) return code;
  if (reason == 0) reason = errno;
  std::cerr << kMessagePrefix << "standard output could not be written"
            << (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()) << "\n";
  return code == kExitUsage ? kExitUsage : failure;
}

}  // namespace
}  // namespace quorvan

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const quorvan::CliCommand* command = nullptr;
  const int code = quorvan::Run(args, command);
  return quorvan::CheckStandardOutput(
      code, command ? command->outputFailure : static_cast<int>(quorvan::kExitFailure));
}
