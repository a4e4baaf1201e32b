#pragma once

#include <string>
#include <string_view>

#include "core/model/ChannelRecord.h"

namespace quorvan {


// A channel's values once parsed and fitted, ready to be written as record text.
struct ChannelRecordParts {
  std::string id;         // field 0: memory label, or the band code
  std::string frequency;  // 11 digits, Hz
  int step = 0;           // step list index
  ShiftChoice shift = ShiftChoice::Simplex;
  bool reverse = false;
  bool tone = false;
  bool ctcss = false;
  bool dcs = false;
  int toneIndex = 8;
  int ctcssIndex = 8;
  int dcsIndex = 0;
  std::string offset;       // 8 digits, Hz; the record puts a "0" in front
  int mode = 0;             // mode list index
  bool lockout = false;     // memory channels only
  std::string txFrequency;  // 11 digits for a split channel, empty otherwise
  std::string name;         // memory channels only, raw name bytes
};

// "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,NAME"; a split channel carries the
// transmit frequency and the step again in fields 14 and 15.
std::string BuildMemoryRecord(const ChannelRecordParts& parts);
// Fields 0-12 and five empty fields: lockout, split and name do not exist for a VFO.
std::string BuildVfoRecord(const ChannelRecordParts& parts);
// Fields 0-12, an empty lockout and, when split, the transmit frequency and step; no name.
std::string BuildCallRecord(const ChannelRecordParts& parts);

// "3,0123*#ABCD,HOME"; the name runs to the end, so commas in it survive.
std::string BuildDtmfRecord(int channel, std::string_view code, std::string_view name);

// "0,00144,00147": band code and whole megahertz, five digits each.
std::string BuildProgramVfoRecord(int band, int lowerMhz, int upperMhz);

}  // namespace quorvan
