#include "core/rules/PrintoutLines.h"

#include <array>

#include "core/model/ChannelRecord.h"
#include "core/model/ChannelTables.h"
#include "core/model/DtmfRecord.h"
#include "core/model/ProgramVfoRecord.h"
#include "core/rules/DisplayTexts.h"

namespace quorvan {
namespace {

// A one-character band code ("0"-"9", "A"-"E") as a number, or -1.
int BandCode(std::string_view field) {
  if (field.size() != 1) return -1;
  const char c = field[0];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'E') return c - 'A' + 10;
  return -1;
}

std::string_view LineStart(const BandPlan& plan, SlotKind kind, std::string_view id) {
  switch (kind) {
    case SlotKind::Vfo:
      return VfoBandName(plan, BandCode(id));
    case SlotKind::Call:
      return CallBandName(plan, BandCode(id));
    default:
      return id;
  }
}

std::string_view StepText(std::string_view code) {
  const int i = code.size() == 1 ? StepIndexOfCode(code[0]) : -1;
  return i < 0 ? std::string_view() : kSteps[static_cast<std::size_t>(i)].caption;
}

std::string_view FixedSplitText(const BandPlan& plan, std::string_view frequency) {
  const char d = plan.DestinationLetter();
  const int band = BandOfFrequency(plan, frequency);
  if ((band == 2 || band == 12) && d == 'E') return " -7.6MHz";
  if (band == 3 || band == 14) {
    if (d == 'E') return " -6.0MHz";
    if (d == 'K') return " -20.0MHz";
  }
  return {};
}

// How a menu line turns its slot's value into text.
enum class MenuValue {
  Pair,    // "0" gives the first text, anything else the second
  Triple,  // "0" the first, "1" the second, anything else the third
  List,    // the text at the value's index; nothing when out of the list
  Text,    // the value itself
  Number   // the value without leading zeros
};

struct MenuLine {
  std::string_view label;
  int slot;
  MenuValue kind;
  std::array<std::string_view, 10> values;
  bool skipWhenEmpty;
};

constexpr std::array<std::string_view, 10> kOffOn{"OFF", "ON"};

const std::array<MenuLine, kMenuPrintLineCount> kMenuLines{{
    {"Operation Band : ", kMenuBC, MenuValue::Pair, {"A-Band", "B-Band"}, false},
    {"Balance : ",
     kMenuBAL,
     MenuValue::List,
     {"A-Band Max / B-Band Mute", "A-Band Max / B-Band Att", "A-Band Max / B-Band Max",
      "A-Band Att / B-Band Max", "A-Band Mute / B-Band Max"},
     false},
    {"Band Select : ", kMenuDL, MenuValue::Pair, {"Single Band", "Dual Band"}, false},
    {"Attenuator : ", kMenuATT, MenuValue::Pair, kOffOn, false},
    {"Lock : ", kMenuLK, MenuValue::Pair, kOffOn, false},
    {"Lamp : ", kMenuLMP, MenuValue::Pair, kOffOn, false},
    {"Memory Name : ", kMenuMNF, MenuValue::Pair, {"ON", "OFF"}, false},
    {"Battery Saver : ",
     kMenuSV,
     MenuValue::List,
     {"OFF", "0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec", "3.0sec", "4.0sec",
      "5.0sec"},
     false},
    {"APO : ", kMenuAPO, MenuValue::List, {"OFF", "30min", "60min"}, false},
    {"Power-on Message : ", kMenuMES, MenuValue::Text, {}, false},
    {"Contrast : ", kMenuCNT, MenuValue::Number, {}, false},
    {"Language : ", kMenuLAN, MenuValue::Pair, {"English", "Japanese"}, false},
    {"DTMF Lock : ", kMenuDLK, MenuValue::Pair, kOffOn, false},
    {"DTMF Hold : ", kMenuTXH, MenuValue::Pair, kOffOn, false},
    {"DTMF Pause : ",
     kMenuPT,
     MenuValue::List,
     {"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"},
     false},
    {"DTMF Speed : ", kMenuTSP, MenuValue::Pair, {"Fast", "Slow"}, false},
    {"VOX Gain : ", kMenuVXG, MenuValue::Text, {}, false},
    {"VOX on Busy : ", kMenuVXB, MenuValue::Pair, kOffOn, false},
    {"VOX Deley : ",
     kMenuVXD,
     MenuValue::List,
     {"250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms", "3000ms"},
     false},
    {"Tx Inhibit : ", kMenuTXS, MenuValue::Pair, kOffOn, false},
    {"Bar Antenna : ", kMenuANT, MenuValue::Pair, {"Disabled", "Enabled"}, false},
    {"Beet Shift : ", kMenuNSFT, MenuValue::Pair, kOffOn, false},
    {"HF Band FM Narrow : ", kMenuNAR5, MenuValue::Pair, kOffOn, false},
    {"144MHz FM Narrow : ", kMenuNAR0, MenuValue::Pair, kOffOn, false},
    {"220MHz FM Narrow : ", kMenuNAR1, MenuValue::Pair, kOffOn, true},
    {"430MHz FM Narrow : ", kMenuNAR2, MenuValue::Pair, kOffOn, false},  // 440 for K
    {"1200MHz FM Narrow : ", kMenuNAR3, MenuValue::Pair, kOffOn, true},
    {"A-Band RF Power : ", kMenuPC0, MenuValue::Triple, {"High", "Low", "EL"}, false},
    {"B-Band RF Power : ", kMenuPC1, MenuValue::Triple, {"High", "Low", "EL"}, false},
    {"1.2GHz A-Band RF Power : ", kMenuPC2, MenuValue::Pair, {"High", "Low"}, true},
    {"1.2GHz B-Band RF Power : ", kMenuPC3, MenuValue::Pair, {"High", "Low"}, true},
    {"Automatic Repeater Offset : ", kMenuARO, MenuValue::Pair, kOffOn, false},
    {"1750Hz Tone Key : ", kMenuCKEY, MenuValue::Pair, kOffOn, false},
    {"1750Hz Tone hold : ", kMenuTH, MenuValue::Pair, kOffOn, false},
    {"Tune Enable : ", kMenuELK, MenuValue::Pair, kOffOn, false},
    {"Key Beep : ", kMenuBEP, MenuValue::Pair, kOffOn, false},
    {"Scan Resume Method : ",
     kMenuSCR,
     MenuValue::Triple,
     {"Time-Operated Mode", "Carrier-Operated Mode", "Seek Mode"},
     false},
    {"Packet Speed : ", kMenuDATP, MenuValue::Pair, {"1200bps", "9600bps"}, false},
    {"Memory Group Link : ", kMenuMGL, MenuValue::Text, {}, false},
    {"Memory Recall Method : ", kMenuMRM, MenuValue::Pair, {"All Bands", "Current Band"}, false},
    {"Battery : ", kMenuBAT, MenuValue::Pair, {"Lithium", "Alkaline"}, false},
}};
constexpr int kNarrow440Line = 25;

std::string MenuValueText(const MenuLine& entry, std::string_view value) {
  switch (entry.kind) {
    case MenuValue::Pair:
      return std::string(value == "0" ? entry.values[0] : entry.values[1]);
    case MenuValue::Triple:
      return std::string(value == "0"   ? entry.values[0]
                         : value == "1" ? entry.values[1]
                                        : entry.values[2]);
    case MenuValue::List: {
      std::size_t count = 0;
      while (count < entry.values.size() && !entry.values[count].empty()) ++count;
      const int i = DecimalIndex(value, static_cast<int>(count));
      return i < 0 ? std::string() : std::string(entry.values[static_cast<std::size_t>(i)]);
    }
    case MenuValue::Text:
      return std::string(value);
    case MenuValue::Number:
      return WholeNumberText(value);
  }
  return {};
}

}  // namespace

std::string ChannelPrintLine(const BandPlan& plan, SlotKind kind, std::string_view record) {
  const ChannelRecord r = ChannelRecord::Parse(record);
  auto f = [&r](ChannelField field) { return r[field]; };
  std::string line(LineStart(plan, kind, f(ChannelField::Id)));
  line += " " + FrequencyText(f(ChannelField::Frequency)) + "MHz " +
          std::string(StepText(f(ChannelField::Step)));
  const std::string_view mode =
      f(ChannelField::Mode).size() == 1 ? TableEntry(kModes, f(ChannelField::Mode)) : "";
  if (!mode.empty()) line += " " + std::string(mode);
  if (f(ChannelField::Tone) == "1")
    line += " T:" + std::string(TableEntry(kTones, f(ChannelField::ToneIndex)));
  if (f(ChannelField::Ctcss) == "1")
    line += " CT:" + std::string(TableEntry(kTones, f(ChannelField::CtcssIndex)));
  if (f(ChannelField::Dcs) == "1")
    line += " DCS:" + std::string(TableEntry(kDcsCodes, f(ChannelField::DcsIndex)));
  const std::string_view shift = f(ChannelField::Shift);
  if (shift == "1") line += " +";
  if (shift == "2") line += " -";
  if (shift == "3") line += FixedSplitText(plan, f(ChannelField::Frequency));
  if (f(ChannelField::Reverse) == "1") line += " R";
  const std::string_view tx = f(ChannelField::TxFrequency);
  if ((shift == "1" || shift == "2") && tx.empty() && f(ChannelField::Offset).size() > 1) {
    line += " Offset:" + OffsetText(f(ChannelField::Offset)) + "MHz";
  }
  if (tx.size() > 1) line += " TX:" + FrequencyText(tx) + "MHz ";
  const std::string_view name = f(ChannelField::Name);
  if (!name.empty()) line += " Name:" + std::string(name);
  const std::string_view power = PowerCaption(f(ChannelField::Power));
  if (!power.empty()) line += " RF:" + std::string(power);
  if (f(ChannelField::Lockout) == "1") line += " *";
  return line;
}

std::string DtmfPrintLine(std::string_view record) {
  const DtmfRecord dtmf = DtmfRecord::Parse(record);
  std::string line(dtmf.Number());
  line += " ";
  line += dtmf.Code();
  const std::string_view name = dtmf.Name();
  if (!name.empty()) line += " Name:" + std::string(name);
  return line;
}

std::string ProgramVfoPrintLine(const BandPlan& plan, int range, std::string_view record) {
  static constexpr std::array<std::string_view, kProgramVfoSlots> kLabels{
      "144MHz Program VFO : ", "220MHz Program VFO : ", "430MHz Program VFO : ",
      "1200MHz Program VFO : "};
  if (range < 0 || range >= kProgramVfoSlots || record.empty()) return {};
  const ProgramVfoRecord vfoRange = ProgramVfoRecord::Parse(record);
  const std::string_view lower = vfoRange.Lower();
  // The optional bands print only when their range has a lower limit.
  if ((range == 1 || range == 3) && lower.empty()) return {};
  std::string line(range == 2 && plan.DestinationLetter() == 'K'
                       ? "440MHz Program VFO : "
                       : kLabels[static_cast<std::size_t>(range)]);
  line += WholeNumberText(lower) + " - " + WholeNumberText(vfoRange.Upper());
  return line;
}

std::string MenuPrintLine(const BandPlan& plan, const MenuSettings& menu, int line) {
  if (line < 0 || line >= kMenuPrintLineCount) return {};
  const MenuLine& entry = kMenuLines[static_cast<std::size_t>(line)];
  const std::string& value = menu.Get(entry.slot);
  if (entry.skipWhenEmpty && value.empty()) return {};
  std::string text(line == kNarrow440Line && plan.DestinationLetter() == 'K' ? "440MHz FM Narrow : "
                                                                             : entry.label);
  return text + MenuValueText(entry, value);
}

}  // namespace quorvan
