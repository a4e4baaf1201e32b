#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CommandArgs.h"
#include "core/diagnostics/TransferTrace.h"
#include "core/transfer/TransferSequence.h"
#include "io/session/TransferSession.h"

namespace quorvan {

constexpr CliOption kPortOption{"--port", "DEV"};
constexpr CliOption kScopeOption{"--scope", "all|memory|menu"};
constexpr CliOption kQuietOption{"--quiet", ""};
constexpr CliOption kProgressOption{"--progress", ""};

// Help lines shared by the commands that talk to the radio.
constexpr std::string_view kTransferOptionsHelp =
    "  --port DEV    the serial port: COM1..COM4 (the first four serial devices) or a device\n"
    "                path such as /dev/ttyUSB0 (quorvan-cli ports lists them)\n"
    "  --scope all|memory|menu\n"
    "                what to transfer: everything (the default), the memories or the menu\n"
    "  --quiet       no progress\n"
    "  --progress    progress on standard error even when it is not a terminal (a line each\n"
    "                10 %); without either, progress shows on a terminal only\n"
    "  --trace FILE  write every command and reply with its time, the port, its adapter and\n"
    "                the program's version into FILE, for a bug report; - for standard error\n"
    "  Ctrl+C cancels as the window's Cancel button does and exits with 130; SIGTERM and SIGHUP\n"
    "  stop alike and exit with 143 and 129.\n";

// Whether a transfer shows its progress on standard error.
enum class ProgressShown { OnTerminal, Always, Never };
ProgressShown ProgressOption(const CommandArgs& args);

// "all", "memory" or "menu".
bool ParseTransferScope(std::string_view text, TransferScope& scope);

// --port and --scope from parsed arguments; false with a problem for a usage error.
bool TransferTarget(const CommandArgs& args, std::string& port, TransferScope& scope,
                    std::string& problem);

struct TransferResult {
  TransferSession::Outcome outcome = TransferSession::Outcome::Completed;
  std::string message;  // the system's text and its detail; empty for a clean completion
  int stopSignal = 0;   // SIGINT, SIGTERM or SIGHUP cancelled it; 0 otherwise
};

// Runs `sequence` over `port` the way the transfer dialogs do, with progress on `err` as
// `shown` says (a bar on a terminal). Ctrl+C, SIGTERM and SIGHUP cancel as the dialog's Cancel
// button does (StopSignals.h); the result comes back once the port is closed. With a trace, the
// transfer is written into it.
TransferResult RunTransfer(TransferSequence& sequence, const std::string& port, std::ostream& err,
                           ProgressShown shown, TransferSession::RejectionProbe probe = {},
                           TransferTrace* trace = nullptr);

// Prints a failed transfer's message, with `afterwards` on a line of its own after it, and
// returns the exit code for the result: kExitOk, the signal's exit status (130 after Ctrl+C),
// otherwise kExitFailure.
int ReportTransfer(const TransferResult& result, CliContext& context,
                   std::string_view afterwards = {});

// The port test a transfer begins with, for a command that ends before it sends anything:
// kExitOk when the port opens, otherwise the transfer's own port message and kExitFailure.
int CheckTransferPort(const std::string& port, CliContext& context);

// The folder the window keeps its backups in, so both programs share one history.
std::string BackupFolder();

}  // namespace quorvan
