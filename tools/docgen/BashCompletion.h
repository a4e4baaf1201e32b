#pragma once

#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace quorvan {

// The bash completion script of quorvan-cli for a command table: the commands, each command's
// options, the words of option values (ValueWords), files by the extension of their
// placeholder, serial devices for DEV, and each operand by its position.
std::string CliBashCompletion(const std::vector<const CliCommand*>& commands);

}  // namespace quorvan
