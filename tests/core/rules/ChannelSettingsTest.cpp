#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/model/BandPlan.h"
#include "core/rules/ChannelSettings.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

// Slot -> record text; slots not named are empty.
using Records = std::map<int, std::string>;

struct SettingsCase {
  const char* what;
  Records before;
  std::vector<int> slots;
  ChannelSettings settings;
  Records after;  // the slots that change, with their new text
  std::vector<std::string> lines;
};

ChannelSettings Repeater() {
  ChannelSettings s;
  s.rx = "146.52";
  s.shift = ShiftChoice::Plus;
  s.tone = ToneKind::Tone;
  s.toneIndex = 12;
  s.name = "RPT";
  return s;
}

ChannelSettings Only(void (*set)(ChannelSettings&)) {
  ChannelSettings s;
  set(s);
  return s;
}

const std::string kSimplex = "007,00145500000,0,0,1,0,0,0,08,08,000,000600000,0,0,,,1,OLDNAME";

const SettingsCase kSettingsCases[] = {
    {"a repeater on three new slots as the editor stores it",
     {},
     {0, 1, 2},
     Repeater(),
     {{0, "000,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT"},
      {1, "001,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT"},
      {2, "002,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT"}},
     {}},
    {"empty slots without a frequency are skipped and named",
     {{7, kSimplex}},
     {6, 7},
     Only([](ChannelSettings& s) { s.mode = 2; }),
     {{7, "007,00145500000,0,0,1,0,0,0,08,08,000,000600000,2,0,,,1,OLDNAME"}},
     {"slot 006: empty, skipped"}},
    {"a rounded frequency is reported with both values",
     {},
     {0},
     Only([](ChannelSettings& s) { s.rx = "144.0125"; }),
     {{0, "000,00144010000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,"}},
     {"slot 000: 144.0125 MHz rounded to 144.010 MHz"}},
    {"name prefix is cut to eight bytes, power given",
     {{7, kSimplex}},
     {7},
     Only([](ChannelSettings& s) {
       s.namePrefix = "RX";
       s.power = '2';
     }),
     {{7, "007,00145500000,0,0,1,0,0,0,08,08,000,000600000,0,0,,,2,RXOLDNAM"}},
     {}},
    {"split clears reverse and repeats the step",
     {{7, kSimplex}},
     {7},
     Only([](ChannelSettings& s) {
       s.shift = ShiftChoice::Split;
       s.tx = "146.0";
     }),
     {{7, "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,00146000000,0,1,OLDNAME"}},
     {}},
    {"lockout, tone kind and indexes",
     {{7, kSimplex}},
     {7},
     Only([](ChannelSettings& s) {
       s.lockout = true;
       s.tone = ToneKind::Dcs;
       s.dcsIndex = 5;
       s.ctcssIndex = 41;
     }),
     {{7, "007,00145500000,0,0,1,0,0,1,08,41,005,000600000,0,1,,,1,OLDNAME"}},
     {}},
    {"a step the frequency is not on leaves frequency and step and names the slot",
     {{1, "001,00146940000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,0,OFF"},
      {2, "002,00146525000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,0,ON"}},
     {1, 2},
     Only([](ChannelSettings& s) { s.step = 5; }),
     {{2, "002,00146525000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,0,ON"}},
     {"slot 001: 146.940 MHz is not on the 12.5 kHz step; left at 5 kHz"}},
    {"a split channel keeps a transmit frequency off the chosen step",
     {{3, "003,00146525000,0,0,0,0,0,0,08,08,000,000600000,0,0,00146940000,0,0,SPL"}},
     {3},
     Only([](ChannelSettings& s) { s.step = 5; }),
     {},
     {"slot 003: Tx 146.940 MHz is not on the 12.5 kHz step; left at 5 kHz"}},
    {"a name on a channel off its own step leaves the frequency where it is",
     {{5, "005,00146520000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,0,OLD"}},
     {5},
     Only([](ChannelSettings& s) { s.name = "NEW"; }),
     {{5, "005,00146520000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,0,NEW"}},
     {}},
    {"a mode alone never moves the frequency",
     {{4, "004,00146940000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,0,FM"}},
     {4},
     Only([](ChannelSettings& s) { s.mode = 2; }),
     {{4, "004,00146940000,0,0,0,0,0,0,08,08,000,000600000,2,0,,,0,FM"}},
     {}},
    {"the extra shift where the band has none is skipped",
     {{7, kSimplex}},
     {7},
     Only([](ChannelSettings& s) { s.shift = ShiftChoice::Special; }),
     {},
     {"slot 007: no special shift in this band, skipped"}},
};

class ChannelSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(ChannelSettingsTest, StoresThroughTheEditorAndReports) {
  const SettingsCase& c = GetParam();
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  for (const auto& [slot, text] : c.before) image.Store(SlotKind::Memory, slot, text);
  RadioImage expected = image;
  for (const auto& [slot, text] : c.after) expected.Store(SlotKind::Memory, slot, text);

  const SettingsOutcome out = ApplyChannelSettings(image, c.slots, c.settings);
  EXPECT_EQ(out.error, EditError::None);
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    EXPECT_EQ(image.Record(SlotKind::Memory, slot), expected.Record(SlotKind::Memory, slot))
        << "slot " << slot;
  }
  std::vector<std::string> lines;
  for (const SlotNote& note : out.notes) lines.push_back(SlotNoteLine(note));
  EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChannelSettingsTest, ::testing::ValuesIn(kSettingsCases),
                         testing::ByCaseName());

TEST(ChannelSettings, TextThatDoesNotParseChangesNothing) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.Store(SlotKind::Memory, 7, kSimplex);
  const RadioImage before = image;
  ChannelSettings frequency = Repeater();
  frequency.rx = "146..52";
  EXPECT_EQ(ApplyChannelSettings(image, {6, 7}, frequency).error, EditError::InvalidFrequency);
  ChannelSettings offset;
  offset.offset = "0,6";
  EXPECT_EQ(ApplyChannelSettings(image, {7}, offset).error, EditError::InvalidOffset);
  EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace quorvan
