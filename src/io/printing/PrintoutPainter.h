#pragma once

#include <vector>

#include "core/rules/Printout.h"

class QPrinter;

namespace quorvan {

// Draws printout pages on a printer that is set up but not yet begun: line n of a page at the
// top offset n x (page height / 60) and the left offset 200 device units, in the printer's
// default face with a cell height of that line height minus 5. The job is titled "Quorvan".
// False when the printer cannot be started.
bool PaintPrintout(QPrinter& printer, const std::vector<PrintPage>& pages, char destinationLetter);

}  // namespace quorvan
