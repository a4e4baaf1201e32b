#pragma once

#include <string>
#include <vector>

#include "ManPage.h"
#include "cli/CliCommand.h"

namespace quorvan {

// The manual page of quorvan-cli: its --help text, then a COMMANDS section with every command
// of the table under its name, its summary, synopsis and usage notes.
ManPage CliManPage(const std::vector<const CliCommand*>& commands, const std::string& help,
                   const std::string& source);

}  // namespace quorvan
