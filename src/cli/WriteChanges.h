#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "core/diagnostics/TransferTrace.h"
#include "core/model/RadioImage.h"
#include "core/transfer/CheckedWriteSequence.h"

namespace quorvan {

// Every write of quorvan-cli runs with its journal in the backups folder: `write`, `write
// --changes` and `history restore`.

// What a write of changes compares with, and how it names it.
struct ChangesBase {
  RadioImage state;
  bool journal = false;  // `state` is what a write that may not have ended was to leave
  std::optional<RadioImage> replaced;
  std::string comparedWith;    // "Compared with what the radio held after the read of DATE."
  std::string nothingChanged;  // what is told when nothing is to be sent
};

// The radio's baseline in the backups folder for a write of `document`, which is never passed
// over for an older one. A refusal ends with the advice given: `noneAdvice` after the text that
// none is known, `refusedAdvice` on the line after why the newest cannot be taken. Returns
// kExitOk to go on, or the exit code after telling why not.
int FindRadioBaseline(const RadioImage& document, std::string_view noneAdvice,
                      std::string_view refusedAdvice, CliContext& context, ChangesBase& base);

struct ChangesOptions {
  bool force = false;   // write even when the radio was changed since the baseline
  bool verify = false;  // read back what was written; with nothing to write, the whole radio
  ProgressShown progress = ProgressShown::OnTerminal;
  // Told after "Nothing was written to the radio." when the radio was changed since.
  std::string forceAdvice = "Give --force to write anyway.";
};

// Writes what differs between `base` and `document`, after checking that the radio still holds
// the base where it is written over, and completes a write that did not end; with nothing to
// send, tells `base.nothingChanged` and sends nothing (or verifies). Returns the exit code.
int WriteChangesOver(const RadioImage& document, const ChangesBase& base,
                     const ChangesOptions& options, const std::string& port, TransferTrace* trace,
                     CliContext& context);

// Runs a write with its journal and tells what it found; returns the exit code.
int RunJournaledWrite(const RadioImage& image, WritePlan plan, const std::string& port,
                      ProgressShown shown, TransferTrace* trace, CliContext& context,
                      std::string_view forceAdvice = "Give --force to write anyway.");

}  // namespace quorvan
