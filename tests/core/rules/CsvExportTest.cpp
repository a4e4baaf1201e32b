#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/ChannelTables.h"
#include "core/rules/CsvChannelColumns.h"
#include "core/rules/CsvExport.h"
#include "support/CsvTestSupport.h"

namespace quorvan {
namespace {

class CsvExportTest : public ::testing::Test {
 protected:
  void Use(const char* type, const char* model) {
    image = MakeNewDocument(MakeDefaultBandPlan(type, model));
    for (int slot = kFirstInfoSlot; slot < kMemorySlots; ++slot) {
      image.Store(SlotKind::Memory, slot, "");
    }
  }
  std::string Exported(int slot, std::string_view column) {
    return CellOf(ReadBack(ExportMemoryCsv(image).text), slot, column);
  }
  void Put(int slot, const EditorEntry& input) {
    image.Store(SlotKind::Memory, slot, EditorRecord(image, slot, input));
  }

  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
};

TEST_F(CsvExportTest, WritesTheHeaderAndOneRowPerUsedSlotInSlotOrder) {
  Use("KK,0F", "ARVEN");
  Put(7, InputAt(image, "146.52"));
  Put(2, InputAt(image, "145.5"));
  Put(431, InputAt(image, "162.55"));
  const CsvExportResult result = ExportMemoryCsv(image);
  EXPECT_EQ(result.rows, 3);
  EXPECT_EQ(result.text.substr(0, result.text.find('\r')),
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
            "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
            "RPT2CALL,DVCODE");
  const CsvTable table = ReadBack(result.text);
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].fields[0], "2");
  EXPECT_EQ(table.rows[1].fields[0], "7");
  EXPECT_EQ(table.rows[2].fields[0], "431");
  EXPECT_EQ(table.rows[0].fields.size(), kCsvColumns.size());
}

TEST_F(CsvExportTest, EveryModeAndStepIsNamedAsOtherProgramsDo) {
  const std::vector<std::string> stepTexts{"5.00",  "6.25",  "8.33",  "9.00",  "10.00", "12.50",
                                           "15.00", "20.00", "25.00", "30.00", "50.00", "100.00"};
  for (int mode = 0; mode < 6; ++mode) {
    for (int step = 0; step < 12; ++step) {
      // Raw records: the export names what is stored, fitted or not.
      std::string record = "000,00145000000," + std::string(1, kSteps[step].code) +
                           ",0,0,0,0,0,08,08,000,000600000," + std::to_string(mode) + ",0,,,,";
      image.Store(SlotKind::Memory, 0, record);
      SCOPED_TRACE(record);
      EXPECT_EQ(Exported(0, "Mode"), kModes[mode]);
      EXPECT_EQ(Exported(0, "TStep"), stepTexts[step]);
    }
  }
}

TEST_F(CsvExportTest, ShiftsBecomeDuplexAndOffset) {
  struct Case {
    const char* what;
    const char* type;
    ShiftChoice shift;
    const char* frequency;
    const char* offset;
    const char* tx;
    const char* duplex;
    const char* offsetCell;
    const char* comment;
  };
  const std::vector<Case> cases{
      {"simplex keeps the stored offset", "KK,0F", ShiftChoice::Simplex, "146.52", "0.6", "", "",
       "0.600000", ""},
      {"plus", "KK,0F", ShiftChoice::Plus, "444.1", "5", "", "+", "5.000000", ""},
      {"minus", "KK,0F", ShiftChoice::Minus, "224.94", "1.6", "", "-", "1.600000", ""},
      {"split: transmit frequency in Offset", "KK,0F", ShiftChoice::Split, "145.8", "0.6", "146.9",
       "split", "146.900000", ""},
      {"split with another stored offset", "KK,0F", ShiftChoice::Split, "145.8", "1.2", "146.9",
       "split", "146.900000", "qv-offset=1.200000"},
      {"fixed split of 430 MHz in Europe", "ME,0B", ShiftChoice::Special, "433.4", "7.6", "", "-",
       "7.600000", "qv-fixed-shift"},
      {"fixed split keeps a different stored offset", "ME,0B", ShiftChoice::Special, "433.4", "1.6",
       "", "-", "7.600000", "qv-fixed-shift qv-offset=1.600000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Use(c.type, "BELTO");
    EditorEntry input = InputAt(image, c.frequency);
    input.shift = c.shift;
    input.typed.offset = c.offset;
    if (*c.tx != '\0') input.typed.tx = c.tx;
    Put(3, input);
    EXPECT_EQ(Exported(3, "Duplex"), c.duplex);
    EXPECT_EQ(Exported(3, "Offset"), c.offsetCell);
    EXPECT_EQ(Exported(3, "Comment"), c.comment);
  }
}

TEST_F(CsvExportTest, ToneKindsWithAllValuesAlwaysFilled) {
  struct Case {
    bool tone, ctcss, dcs;
    const char* kind;
  };
  for (const Case& c : std::vector<Case>{{false, false, false, ""},
                                         {true, false, false, "Tone"},
                                         {false, true, false, "TSQL"},
                                         {false, false, true, "DTCS"}}) {
    SCOPED_TRACE(c.kind);
    EditorEntry input = InputAt(image, "146.94");
    input.choices.SetFlag(ChannelField::Tone, c.tone);
    input.choices.SetFlag(ChannelField::Ctcss, c.ctcss);
    input.choices.SetFlag(ChannelField::Dcs, c.dcs);
    input.choices.SetToneIndex(0);    // 67.0
    input.choices.SetCtcssIndex(41);  // 254.1
    input.choices.SetDcsIndex(103);   // 754
    Put(0, input);
    EXPECT_EQ(Exported(0, "Tone"), c.kind);
    EXPECT_EQ(Exported(0, "rToneFreq"), "67.0");
    EXPECT_EQ(Exported(0, "cToneFreq"), "254.1");
    EXPECT_EQ(Exported(0, "DtcsCode"), "754");
    EXPECT_EQ(Exported(0, "DtcsPolarity"), "NN");
  }
}

TEST_F(CsvExportTest, LabelsLockoutPowerReverseAndNames) {
  Use("ME,0B", "BELTO");
  EditorEntry input = InputAt(image, "145.5");
  input.choices.SetFlag(ChannelField::Lockout, true);
  input.choices.SetFlag(ChannelField::Reverse, true);
  input.choices.Set(ChannelField::Name, "Caf\xE9,1");  // Windows-1252 e-acute
  Put(420, input);
  EXPECT_EQ(Exported(420, "Comment"), "PR1 qv-reverse");
  EXPECT_EQ(Exported(420, "Skip"), "S");
  EXPECT_EQ(Exported(420, "Name"), "Caf\xC3\xA9,1");
  EXPECT_EQ(Exported(420, "Power"), "");
  EXPECT_EQ(Exported(420, "Frequency"), "145.500000");
  const std::vector<std::pair<const char*, const char*>> powers{
      {"0", "High"}, {"1", "Low"}, {"2", "EL"}, {"7", ""}};
  for (const auto& [digit, text] : powers) {
    image.Store(
        SlotKind::Memory, 0,
        std::string("000,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,") + digit + ",X");
    EXPECT_EQ(Exported(0, "Power"), text) << digit;
  }
  Use("JJ,01", "BELTO");
  input = InputAt(image, "145.0");
  input.choices.Set(ChannelField::Name, "\xB6\xDD");  // half-width katakana
  Put(0, input);
  EXPECT_EQ(Exported(0, "Name"), "\xEF\xBD\xB6\xEF\xBE\x9D");
}

TEST_F(CsvExportTest, RecordsWithoutAReadableFrequencyAreNamedNotWritten) {
  image.Store(SlotKind::Memory, 5, "005,garbage");
  image.Store(SlotKind::Memory, 6, EditorRecord(image, 6, InputAt(image, "146.52")));
  const CsvExportResult result = ExportMemoryCsv(image);
  EXPECT_EQ(result.unreadable, std::vector<std::string>{"005"});
  EXPECT_EQ(CellOf(ReadBack(result.text), 5, "Frequency"), "");
  EXPECT_EQ(CellOf(ReadBack(result.text), 6, "Frequency"), "146.520000");
}

}  // namespace
}  // namespace quorvan
