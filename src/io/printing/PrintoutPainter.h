#pragma once

#include <vector>

#include "core/rules/Printout.h"

class QByteArray;
class QPrinter;

namespace quorvan {

// Draws printout pages on a printer that is set up but not yet begun: line n of a page at the
// top offset n x (page height / 60) and the left offset 200 device units, in the printer's
// default face with a cell height of that line height minus 5. The job is titled "Quorvan".
// False when the printer cannot be started.
bool PaintPrintout(QPrinter& printer, const std::vector<PrintPage>& pages, char destinationLetter);

// The same pages drawn into a PDF held in memory, laid out as a high-resolution PDF printer
// lays them out. A caller writes the bytes out whole, so a file is replaced only by a complete
// PDF. False when they cannot be drawn.
bool RenderPrintoutPdf(const std::vector<PrintPage>& pages, char destinationLetter,
                       QByteArray& pdf);

}  // namespace quorvan
