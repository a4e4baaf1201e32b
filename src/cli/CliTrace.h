#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CommandArgs.h"
#include "core/diagnostics/TransferTrace.h"

namespace quorvan {

constexpr CliOption kTraceOption{"--trace", "FILE"};

// --trace FILE of a command that talks to the radio: the trace its transfers write into, and
// the file it ends up in, with the program, the system and the command first.
class CliTrace {
 public:
  CliTrace(const CommandArgs& args, std::string_view command);

  // What RunTransfer writes into; null without --trace.
  TransferTrace* Sink() { return trace_.get(); }

  // Writes the trace to its file (atomically) or, for "-", to standard error. A trace that
  // cannot be written is told, but does not change how the command ends: the transfer stands.
  void Save(CliContext& context) const;

 private:
  std::string path_;
  std::string command_;
  std::unique_ptr<TransferTrace> trace_;
};

}  // namespace quorvan
