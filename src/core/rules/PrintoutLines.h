#pragma once

#include <string>
#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan {

// One printed line of a memory, VFO or CALL record (kind picks how field 0 is named).
std::string ChannelPrintLine(const BandPlan& plan, SlotKind kind, std::string_view record);

// One printed line of a DTMF memory: number, code and the name if any.
std::string DtmfPrintLine(std::string_view record);

// The printed line of programmable VFO range 0-3, or "" when that range is not printed.
std::string ProgramVfoPrintLine(const BandPlan& plan, int range, std::string_view record);

constexpr int kMenuPrintLineCount = 41;
constexpr int kMenu1PrintLines = 19;  // lines 0-18 go under "Menu 1", 19-40 under "Menu 2"

// Menu line 0-40, or "" when the line is not printed (an absent band's item).
std::string MenuPrintLine(const BandPlan& plan, const MenuSettings& menu, int line);

}  // namespace quorvan
