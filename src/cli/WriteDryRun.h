#pragma once

#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "core/model/RadioImage.h"

namespace quorvan {

constexpr CliOption kDryRunOption{"--dry-run", ""};

// write --dry-run: the radio is identified as the write identifies it ("VOX 0", "ID", "TYD"
// and the type check), nothing is written, and what the write would send is told. The exchange
// goes into `trace` when it was asked for.
int RunWriteDryRun(const RadioImage& image, TransferScope scope, const std::string& port,
                   ProgressShown shown, CliTrace& trace, CliContext& context);

}  // namespace quorvan
