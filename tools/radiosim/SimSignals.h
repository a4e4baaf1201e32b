#pragma once

#include <csignal>

namespace quorvan {

// Makes Ctrl+C and the system's request to end (SIGINT and SIGTERM) set the flag it returns,
// which the virtual radio's waits look at; a wait the signal breaks returns at once. A client
// gone from the line never ends the program (SIGPIPE is ignored). One file per system (posix/).
const volatile std::sig_atomic_t& StopOnSignals();

}  // namespace quorvan
