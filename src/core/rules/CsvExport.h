#pragma once

#include <string>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

struct CsvExportResult {
  std::string text;                     // header and one row per exported slot, UTF-8
  int rows = 0;                         // rows written below the header
  std::vector<std::string> unreadable;  // labels of used slots whose frequency cannot be read
};

// The used memory slots, in slot order, as a channel list: one row per slot with a record.
// A record whose frequency field is not a frequency is left out and named in `unreadable`.
CsvExportResult ExportMemoryCsv(const RadioImage& image);

}  // namespace quorvan
