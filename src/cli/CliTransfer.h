#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CommandArgs.h"
#include "core/transfer/TransferSequence.h"
#include "io/session/TransferSession.h"

namespace quorvan {

constexpr CliOption kPortOption{"--port", "DEV"};
constexpr CliOption kScopeOption{"--scope", "all|memory|menu"};

// Help lines shared by the commands that talk to the radio.
constexpr std::string_view kTransferOptionsHelp =
    "  --port DEV    the serial port: COM1..COM4 (the first four serial devices) or a device\n"
    "                path such as /dev/ttyUSB0 (quorvan-cli ports lists them)\n"
    "  --scope all|memory|menu\n"
    "                what to transfer: everything (the default), the memories or the menu\n";

// "all", "memory" or "menu".
bool ParseTransferScope(std::string_view text, TransferScope& scope);

// --port and --scope from parsed arguments; false with a problem for a usage error.
bool TransferTarget(const CommandArgs& args, std::string& port, TransferScope& scope,
                    std::string& problem);

struct TransferResult {
  TransferSession::Outcome outcome = TransferSession::Outcome::Completed;
  std::string message;  // the system's text; empty for a clean completion
};

// Runs `sequence` over `port` the way the transfer dialogs do, with progress on `err` (a bar
// when it is a terminal). Ctrl+C cancels as the dialog's Cancel button does.
TransferResult RunTransfer(TransferSequence& sequence, const std::string& port, std::ostream& err,
                           TransferSession::RejectionProbe probe = {});

// Prints a failed transfer's message and returns the exit code for the result.
int ReportTransfer(const TransferResult& result, std::string_view commandName, std::ostream& err);

}  // namespace quorvan
