#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

// What an import did: how many rows were stored or left out, and one line for every row that
// was adjusted or left out ("row 12: 146.5225 MHz rounded to 146.520 MHz").
struct CsvImportReport {
  int imported = 0;
  int skipped = 0;
  std::vector<std::string> rows;

  // The summary line, then the row lines, each ending in a line break.
  std::string Text() const;
};

// Reads a channel list and stores each row into the memory slot its Location names, exactly as
// the memory editor would store the row's values there (the frequency, step and mode fitted,
// the offset on 50 kHz, the name cut to the destination's name characters). Slots the file does
// not name keep their records. A row that cannot be stored faithfully is left out. False with
// a message, and the image untouched, when the text is not a channel list at all.
bool ImportMemoryCsv(std::string_view text, RadioImage& image, CsvImportReport& report,
                     std::string& error);

// The message for a file that is not a channel list; `reason` from ImportMemoryCsv.
std::string CsvNotAChannelListMessage(std::string_view reason);

}  // namespace quorvan
