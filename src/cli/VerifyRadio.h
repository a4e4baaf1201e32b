#pragma once

#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// Reads every item of the scope back with the read's commands, checked as a write checks the
// radio it talks to, and prints "The radio holds this document." (kExitOk) or one line for each
// field that differs (kExitFailure) on standard output; a transfer that fails is reported.
// With a trace, the transfer is written into it.
int VerifyRadio(const RadioImage& document, TransferScope scope, const std::string& port,
                ProgressShown shown, CliContext& context, TransferTrace* trace = nullptr);

}  // namespace quorvan
