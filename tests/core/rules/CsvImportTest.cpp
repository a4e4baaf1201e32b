#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/RecordFields.h"
#include "core/rules/CsvExport.h"
#include "core/rules/CsvImport.h"
#include "core/rules/FrequencyRules.h"
#include "support/CsvTestSupport.h"

namespace quorvan {
namespace {

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\n";

class CsvImportTest : public ::testing::Test {
 protected:
  void Use(const char* type, const char* model) {
    image = MakeNewDocument(MakeDefaultBandPlan(type, model));
  }
  // Imports and expects the file to read as a channel list.
  CsvImportReport Import(const std::string& text) {
    CsvImportReport report;
    std::string error;
    EXPECT_TRUE(ImportMemoryCsv(text, image, report, error)) << error;
    return report;
  }
  std::string Record(int slot) const { return image.Record(SlotKind::Memory, slot); }
  std::string Field(int slot, int n) const {
    return std::string(image.Field(SlotKind::Memory, slot, n));
  }

  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
};

TEST_F(CsvImportTest, RowsBecomeTheRecordsTheMemoryEditorStores) {
  struct Case {
    const char* what;
    std::string row;  // after the header
    std::string record;
  };
  const std::vector<Case> cases{
      {"repeater with tone", "0,W1AW,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,,,FM,5.00,,,",
       "000,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,,W1AW"},
      {"TSQL, plus shift, locked out, power",
       "12,,444.100000,+,5.000000,TSQL,88.5,127.3,023,NN,,,FM,25.00,S,Low,",
       "012,00444100000,8,1,0,0,1,0,08,19,000,005000000,0,1,,,1,"},
      {"DTCS", "3,X,443.550000,+,5,DTCS,88.5,88.5,411,NN,,,FM,12.50,,,",
       "003,00443550000,5,1,0,0,0,1,08,08,064,005000000,0,0,,,,X"},
      {"split", "4,SAT,145.800000,split,146.900000,,,,,,,,FM,5.00,,,",
       "004,00145800000,0,0,0,0,0,0,08,08,000,000600000,0,0,00146900000,0,,SAT"},
      {"AM on 8.33 kHz in the air band", "5,APPR,128.008330,,0,,,,,,,,AM,8.33,,,",
       "005,00128008330,2,0,0,0,0,0,08,08,000,000000000,2,0,,,,APPR"},
      {"wide FM broadcast", "6,,101.100000,,0,,,,,,,,WFM,100.00,,,",
       "006,00101100000,B,0,0,0,0,0,08,08,000,000000000,1,0,,,,"},
      {"single sideband", "7,,14.200000,,0,,,,,,,,USB,5.00,,,",
       "007,00014200000,0,0,0,0,0,0,08,08,000,000000000,4,0,,,,"},
      {"lower sideband and CW", "8,,7.030000,,0,,,,,,,,CW,10.00,,,",
       "008,00007030000,4,0,0,0,0,0,08,08,000,000000000,5,0,,,,"},
      {"LSB", "9,,3.700000,,0,,,,,,,,LSB,5.00,,,",
       "009,00003700000,0,0,0,0,0,0,08,08,000,000000000,3,0,,,,"},
      {"label slot with reverse", "420,PRIO,146.520000,,0.6,,,,,,,,FM,20.00,,High,PR1 qv-reverse",
       "PR1,00146520000,7,0,1,0,0,0,08,08,000,000600000,0,0,,,0,PRIO"},
      {"name with a comma", "10,\"A,B\",146.52,,,,,,,,,,,,,,",
       "010,00146520000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,A,B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CsvImportReport report = Import(kHeader + c.row + "\n");
    EXPECT_EQ(report.imported, 1);
    EXPECT_TRUE(report.rows.empty()) << report.Text();
    const int slot = std::stoi(c.row.substr(0, c.row.find(',')));
    EXPECT_EQ(Record(slot), c.record);
  }
}

TEST_F(CsvImportTest, EveryStepIsReadInKilohertz) {
  const std::vector<std::string> steps{"5.00",  "6.25",  "8.33",  "9.00",  "10.00", "12.50",
                                       "15.00", "20.00", "25.00", "30.00", "50.00", "100.00"};
  for (std::size_t i = 0; i < steps.size(); ++i) {
    // 8.33 kHz lives in the air band, 9 kHz in the AM broadcast band; 600 kHz is on every grid.
    const std::string frequency = i == 2 ? "118.000000" : i == 3 ? "0.603000" : "146.400000";
    const std::string mode = i == 2 || i == 3 ? "AM" : "FM";
    Import("Location,Frequency,Mode,TStep\n1," + frequency + "," + mode + "," + steps[i] + "\n");
    EXPECT_EQ(StepIndexOfField(Field(1, 2)), static_cast<int>(i)) << steps[i];
  }
}

TEST_F(CsvImportTest, HeadersInAnyOrderAndMissingOptionalColumns) {
  Import("Frequency;Location\n146.52;1\n");
  // As the memory editor stores an empty slot left as shown: 5 kHz step (K), 0.60 MHz offset.
  EXPECT_EQ(Record(1), "001,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  Import("Mode,Name,Tone,rToneFreq,Frequency,Location\nAM,TWR,,,118.3,2\n");
  EXPECT_EQ(Record(2), "002,00118300000,0,0,0,0,0,0,08,08,000,000600000,2,0,,,,TWR");
  Use("JJ,01", "BELTO");
  Import("Location,Frequency\n3,145.02\n");
  EXPECT_EQ(Field(3, 2), "7");  // the Japanese default step, 20 kHz
}

TEST_F(CsvImportTest, AdjustedRowsAreImportedAndReported) {
  struct Case {
    const char* row;
    const char* note;
    int field;
    const char* value;
  };
  const std::vector<Case> cases{
      {"1,,146.522500,,0,,,,,,,,FM,5.00,,,", "row 2: 146.5225 MHz rounded to 146.520 MHz", 1,
       "00146520000"},
      {"1,,145.000000,,0,,,,,,,,FM,8.33,,,", "row 2: step 8.33 kHz changed to 10.00 kHz", 2, "4"},
      {"1,,0.530000,,0,,,,,,,,WFM,10.00,,,", "row 2: mode WFM changed to FM", 12, "0"},
      {"1,,0.050000,,0,,,,,,,,AM,10.00,,,", "row 2: 0.050 MHz rounded to 0.100 MHz", 1,
       "00000100000"},
      {"1,,146.94,-,0.625000,,,,,,,,FM,5.00,,,", "row 2: offset 0.625 MHz rounded to 0.600 MHz", 11,
       "000600000"},
      {"1,,146.94,+,75,,,,,,,,FM,5.00,,,", "row 2: offset 75.000 MHz rounded to 59.950 MHz", 11,
       "059950000"},
      {"1,REPEATER1,146.94,,,,,,,,,,,,,,", "row 2: name \"REPEATER1\" stored as \"REPEATER\"", 17,
       "REPEATER"},
      {"1,\"Z\xE2\x82\xAC\xF0\x9F\x93\xA1Z\",146.94,,,,,,,,,,,,,,",
       "row 2: name \"Z\xE2\x82\xAC\xF0\x9F\x93\xA1Z\" stored as \"ZZ\"", 17, "ZZ"},
      {"1,\xFFX,146.94,,,,,,,,,,,,,,", "row 2: name \"\xEF\xBF\xBDX\" stored as \"X\"", 17, "X"},
      {"1,,146.94,,,,,,,,,,,2.50,,,", "row 2: step \"2.50\" kHz not supported, 5.00 kHz used", 2,
       "0"},
      {"1,,146.94,,,,,,,,,,,,P,,", "row 2: skip \"P\" not supported, channel is scanned", 13, "0"},
      {"1,,146.94,,,,,,,,,,,,,5.0W,", "row 2: power \"5.0W\" not supported, left empty", 16, ""},
      {"1,,145.8,split,435.8,,,,,,,,FM,5.00,,,",
       "row 2: transmit 435.800 MHz rounded to 173.995 MHz", 14, "00173995000"},
      {"1,,146.94,-,7.6,,,,,,,,FM,5.00,,,qv-fixed-shift",
       "row 2: no fixed split on this band, minus shift used", 3, "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    image.Store(SlotKind::Memory, 1, "");
    const CsvImportReport report = Import(kHeader + c.row + "\n");
    EXPECT_EQ(report.imported, 1);
    EXPECT_EQ(report.rows, std::vector<std::string>{c.note});
    EXPECT_EQ(Field(1, c.field), c.value);
  }
}

TEST_F(CsvImportTest, RowsThatCannotBeRepresentedAreSkippedAndReported) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"1,,146.94,-,0.6,Tone,69.4,88.5,023,NN,,,FM,5.00,,,",
       "row 2: tone 69.4 Hz not supported, skipped"},
      {"1,,146.94,-,0.6,TSQL,88.5,159.8,023,NN,,,FM,5.00,,,",
       "row 2: tone 159.8 Hz not supported, skipped"},
      {"1,,146.94,-,0.6,DTCS,88.5,88.5,023,RN,,,FM,5.00,,,",
       "row 2: DCS polarity \"RN\" not supported, skipped"},
      {"1,,146.94,-,0.6,DTCS,88.5,88.5,999,NN,,,FM,5.00,,,",
       "row 2: DCS code \"999\" not supported, skipped"},
      {"1,,146.94,-,0.6,Cross,88.5,88.5,023,NN,023,Tone->DTCS,FM,5.00,,,",
       "row 2: tone mode \"Cross\" not supported, skipped"},
      {"1,,146.94,off,0.6,,,,,,,,FM,5.00,,,", "row 2: duplex \"off\" not supported, skipped"},
      {"432,,146.94,,,,,,,,,,,,,,", "row 2: location 432 outside 0-431, skipped"},
      {"-1,,146.94,,,,,,,,,,,,,,", "row 2: location \"-1\" is not a number, skipped"},
      {",,146.94,,,,,,,,,,,,,,", "row 2: location \"\" is not a number, skipped"},
      {"1,,146.94,,,,,,,,,,DV,,,,", "row 2: mode \"DV\" not supported, skipped"},
      {"1,,abc,,,,,,,,,,,,,,", "row 2: frequency \"abc\" is not a frequency, skipped"},
      {"1,,,,,,,,,,,,,,,,", "row 2: frequency \"\" is not a frequency, skipped"},
      {"1,,12000.5,,,,,,,,,,,,,,", "row 2: frequency 12000.5 MHz out of range, skipped"},
      {"1,,146.94,+,-0.6,,,,,,,,,,,,", "row 2: offset \"-0.6\" is not an offset, skipped"},
      {"1,,146.94,split,,,,,,,,,,,,,",
       "row 2: transmit frequency \"\" is not a frequency, skipped"},
  };
  for (const auto& [row, note] : cases) {
    SCOPED_TRACE(row);
    image.Store(SlotKind::Memory, 1, "001,kept");
    const CsvImportReport report = Import(kHeader + row + "\n");
    EXPECT_EQ(report.imported, 0);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(report.rows, std::vector<std::string>{note});
    EXPECT_EQ(Record(1), "001,kept");
  }
}

TEST_F(CsvImportTest, UnusedToneValuesOutsideTheTableTakeTheDefaults) {
  Import(kHeader + "1,,146.94,,,,159.8,165.5,999,RN,,,FM,5.00,,,\n");
  EXPECT_EQ(Field(1, 8), "08");
  EXPECT_EQ(Field(1, 9), "08");
  EXPECT_EQ(Field(1, 10), "000");
}

TEST_F(CsvImportTest, ReportCountsRowsAndNamesRepeatedLocations) {
  const CsvImportReport report =
      Import("# list\n" + kHeader + "1,A,146.52,,,,,,,,,,,,,,\n1,B,146.55,,,,,,,,,,,,,,\n");
  EXPECT_EQ(Field(1, kChannelNameField), "B");
  EXPECT_EQ(report.Text(), "2 rows imported.\nrow 4: replaces row 3 at location 1\n");
}

TEST_F(CsvImportTest, TextThatIsNotAChannelListChangesNothing) {
  const RadioImage before = image;
  for (const std::string& text :
       {std::string("\x7f"
                    "ELF\x02\x01\x01\0\0\0",
                    10),
        std::string("just some words\nand more\n"), kHeader + "1,\"open,146.52\n"}) {
    CsvImportReport report;
    std::string error;
    EXPECT_FALSE(ImportMemoryCsv(text, image, report, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(image == before);
  }
  EXPECT_EQ(CsvNotAChannelListMessage("no header"),
            "The file is not a channel list (CSV): no header.\nPlease check and try again.");
}

// A document full of channels the memory editor made, of every kind, survives the trip out and
// back in byte for byte.
RadioImage FullDocument(const char* type, const char* model) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, model));
  const std::vector<std::string> frequencies{"146.52", "433.4",   "145.5",  "118.00833",
                                             "0.603",  "7.0501",  "101.1",  "51.5",
                                             "1295.0", "440.025", "162.55", "225.5"};
  const std::vector<std::string> names{"",         "A,B",    "\"Q\" 1", " lead ",
                                       "12345678", "x,y,z,", "a\"\"b",  "HOME"};
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    ChannelInput input = InputAt(image, frequencies[slot % frequencies.size()]);
    input.step = slot % 12;
    input.mode = (slot / 12) % 6;
    input.tone = slot % 4 == 1;
    input.ctcss = slot % 4 == 2;
    input.dcs = slot % 4 == 3;
    input.toneIndex = slot % 42;
    input.ctcssIndex = (slot * 7) % 42;
    input.dcsIndex = (slot * 5) % 104;
    input.lockout = slot % 5 == 0;
    input.name = names[slot % names.size()];
    input.offsetText = slot % 3 == 0 ? "1.6" : slot % 3 == 1 ? "12.35" : ".05";
    const std::vector<ShiftChoice> shifts{ShiftChoice::Simplex, ShiftChoice::Plus,
                                          ShiftChoice::Minus, ShiftChoice::Split,
                                          ShiftChoice::Special};
    input.shift = shifts[slot % shifts.size()];
    if (input.shift == ShiftChoice::Special &&
        SpecialShiftCaption(image.Plan(), ClassifyBand(image.Plan(), "00433400000"),
                            ShiftCaptionContext::MemoryLoad)
            .empty()) {
      input.shift = ShiftChoice::Minus;
    }
    if (input.shift == ShiftChoice::Special) input.frequencyText = "433.4";
    if (input.shift == ShiftChoice::Split) input.txFrequencyText = "145.1";
    input.reverse = input.shift != ShiftChoice::Split && slot % 7 == 0;
    std::string record = EditorRecord(image, slot, input);
    if (slot % 11 == 0) {
      // The radio reports an RF power the editor never writes; it must survive too.
      const std::size_t nameStart = record.size() - FieldOf(record, 17, 17).size();
      record.insert(nameStart - 1, std::to_string(slot % 3));
    }
    image.Store(SlotKind::Memory, slot, record);
  }
  return image;
}

TEST(CsvRoundTripTest, AFullDocumentComesBackByteForByte) {
  for (const auto& [type, model] : std::vector<std::pair<const char*, const char*>>{
           {"KK,0F", "ARVEN"}, {"ME,0B", "BELTO"}, {"JJ,01", "BELTO"}, {"KK,0F", "CIRRA"}}) {
    SCOPED_TRACE(type);
    const RadioImage original = FullDocument(type, model);
    const CsvExportResult exported = ExportMemoryCsv(original);
    ASSERT_EQ(exported.rows, kMemorySlots);
    RadioImage copy = MakeNewDocument(original.Plan());
    CsvImportReport report;
    std::string error;
    ASSERT_TRUE(ImportMemoryCsv(exported.text, copy, report, error)) << error;
    EXPECT_EQ(report.imported, kMemorySlots);
    EXPECT_TRUE(report.rows.empty()) << report.Text();
    for (int slot = 0; slot < kMemorySlots; ++slot) {
      EXPECT_EQ(copy.Record(SlotKind::Memory, slot), original.Record(SlotKind::Memory, slot))
          << "slot " << slot;
    }
  }
}

TEST(CsvSampleTest, AListWrittenByAnotherProgramImportsWithItsReport) {
  std::ifstream file(QUORVAN_CSV_DATA_DIR "/dualband-repeaters.csv", std::ios::binary);
  ASSERT_TRUE(file.good());
  std::stringstream text;
  text << file.rdbuf();
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  CsvImportReport report;
  std::string error;
  ASSERT_TRUE(ImportMemoryCsv(text.str(), image, report, error)) << error;
  EXPECT_EQ(report.Text(),
            "14 rows imported, 6 skipped.\n"
            "row 8: 146.5225 MHz rounded to 146.520 MHz\n"
            "row 9: tone 177.3 Hz not supported, skipped\n"
            "row 10: DCS polarity \"RN\" not supported, skipped\n"
            "row 11: tone mode \"Cross\" not supported, skipped\n"
            "row 12: duplex \"off\" not supported, skipped\n"
            "row 17: name \"W2ONONDAGA\" stored as \"W2ONONDA\"\n"
            "row 18: transmit 437.800 MHz rounded to 173.995 MHz\n"
            "row 19: mode \"DV\" not supported, skipped\n"
            "row 20: location 450 outside 0-431, skipped\n"
            "row 21: offset 0.620 MHz rounded to 0.600 MHz; power \"5.0W\" not supported, left "
            "empty\n");
  EXPECT_EQ(image.Record(SlotKind::Memory, 0),
            "000,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,0,W1AW");
  EXPECT_EQ(image.Record(SlotKind::Memory, 4),
            "004,00224940000,7,2,0,1,0,0,15,08,000,001600000,0,1,,,0,KB5TX");
  EXPECT_EQ(image.Record(SlotKind::Memory, 13),
            "013,00128008330,2,0,0,0,0,0,08,08,000,000000000,2,0,,,,APPR");
  EXPECT_TRUE(image.Record(SlotKind::Memory, 7).empty());
}

}  // namespace
}  // namespace quorvan
