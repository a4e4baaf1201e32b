#pragma once

#include <string>
#include <string_view>

#include "core/model/RadioImage.h"
#include "core/rules/CsvImportReport.h"

namespace quorvan {

// Where the imported rows go.
struct CsvPlacement {
  // False: each row goes to the memory slot its Location names. True: the stored rows fill
  // consecutive ordinary channels from `firstSlot` (0-399) on, in file order, whatever their
  // Location; rows that would pass channel 399 are left out.
  bool inFileOrder = false;
  int firstSlot = 0;
};

// Reads a channel list and stores each row into a memory slot, exactly as the memory editor
// would store the row's values there (the frequency, step and mode fitted, the offset on
// 50 kHz, the name cut to the destination's name characters). The step is the row's own when
// it holds the frequency, else the smallest one the band allows that does, so only a frequency
// no step holds is moved. Slots the file does not fill keep their records. A row that cannot
// be stored faithfully is left out. False with a message, and the image untouched, when the
// text is not a channel list at all.
bool ImportMemoryCsv(std::string_view text, const CsvPlacement& placement, RadioImage& image,
                     CsvImportReport& report, std::string* error);
// The same with each row going to the slot its Location names.
inline bool ImportMemoryCsv(std::string_view text, RadioImage& image, CsvImportReport& report,
                            std::string* error) {
  return ImportMemoryCsv(text, CsvPlacement{}, image, report, error);
}

// The message for a file that is not a channel list; `reason` from ImportMemoryCsv.
std::string CsvNotAChannelListMessage(std::string_view reason);

}  // namespace quorvan
