#pragma once

#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "core/model/RadioImage.h"

namespace quorvan {

constexpr CliOption kDryRunOption{"--dry-run", ""};

// write --dry-run: the radio is identified as the write identifies it ("VOX 0", "ID", "TYD"
// and the type check), nothing is written, and what the write would send is told.
int RunWriteDryRun(const RadioImage& image, TransferScope scope, const std::string& port,
                   ProgressShown shown, CliContext& context);

}  // namespace quorvan
