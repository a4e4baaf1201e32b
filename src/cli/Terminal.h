#pragma once

namespace quorvan {

// Whether standard error goes to a terminal, where progress is drawn as a bar. One file per
// system (posix/).
bool StandardErrorIsTerminal();

}  // namespace quorvan
