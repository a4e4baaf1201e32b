#include <unistd.h>

#include "cli/Terminal.h"

namespace quorvan {

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

}  // namespace quorvan
