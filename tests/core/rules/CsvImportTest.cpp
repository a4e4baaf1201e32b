#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/ChannelRecord.h"
#include "core/rules/CsvExport.h"
#include "core/rules/CsvImport.h"
#include "core/rules/FrequencyRules.h"
#include "support/CsvTestSupport.h"
#include "support/SlotFields.h"

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
    EXPECT_TRUE(ImportMemoryCsv(text, image, report, &error)) << error;
    return report;
  }
  std::string Record(int slot) const { return image.Record(SlotKind::Memory, slot); }
  // Every report line below the summary: group lines first, then row lines.
  static std::vector<std::string> Lines(const CsvImportReport& report) {
    std::vector<std::string> lines = report.GroupLines();
    for (const std::string& line : report.RowLines()) lines.push_back(line);
    return lines;
  }
  std::string Field(int slot, ChannelField field) const {
    return testing::SlotField(image, SlotKind::Memory, slot, field);
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
      {"minus shift with a signed offset", "11,,146.94,-,-0.600000,,,,,,,,FM,5.00,,,",
       "011,00146940000,0,2,0,0,0,0,08,08,000,000600000,0,0,,,,"},
      {"plus shift with a signed offset", "12,,444.1,+,-5.0,,,,,,,,FM,25.00,,,",
       "012,00444100000,8,1,0,0,0,0,08,08,000,005000000,0,0,,,,"},
      {"split inside the band", "13,,443.0,split,448.0,,,,,,,,FM,25.00,,,",
       "013,00443000000,8,0,0,0,0,0,08,08,000,000600000,0,0,00448000000,8,,"},
      {"row shorter than the header: missing cells are empty", "14,SHORT,146.55",
       "014,00146550000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,SHORT"},
      {"upper end of the range", "15,,1300.0,,0,,,,,,,,FM,10.00,,,",
       "015,01300000000,4,0,0,0,0,0,08,08,000,000000000,0,0,,,,"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CsvImportReport report = Import(kHeader + c.row + "\n");
    EXPECT_EQ(report.imported, 1);
    EXPECT_TRUE(Lines(report).empty()) << report.Text();
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
    EXPECT_EQ(StepIndexOfField(Field(1, ChannelField::Step)), static_cast<int>(i)) << steps[i];
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
  EXPECT_EQ(Field(3, ChannelField::Step), "7");  // the Japanese default step, 20 kHz
}

TEST_F(CsvImportTest, AdjustedRowsAreImportedAndReported) {
  struct Case {
    const char* row;
    const char* note;
    int field;
    const char* value;
  };
  const std::vector<Case> cases{
      {"1,,146.522500,,0,,,,,,,,FM,5.00,,,",
       "line 2, Location 1: 146.5225 MHz rounded to 146.520 MHz", 1, "00146520000"},
      {"1,,0.530000,,0,,,,,,,,WFM,10.00,,,", "line 2, Location 1: mode WFM changed to FM", 12, "0"},
      {"1,,146.52,,,,,,,,,,NFM,5.00,,,", "narrow FM stored as FM: 1 row (line 2)", 12, "0"},
      {"1,,146.94,-,0.625000,,,,,,,,FM,5.00,,,",
       "line 2, Location 1: offset 0.625 MHz rounded to 0.600 MHz", 11, "000600000"},
      {"1,,146.94,+,75,,,,,,,,FM,5.00,,,",
       "line 2, Location 1: offset 75.000 MHz rounded to 59.950 MHz", 11, "059950000"},
      {"1,REPEATER1,146.94,,,,,,,,,,,,,,",
       "line 2, Location 1: name \"REPEATER1\" stored as \"REPEATER\"", 17, "REPEATER"},
      {"1,\"Z\xE2\x82\xAC\xF0\x9F\x93\xA1Z\",146.94,,,,,,,,,,,,,,",
       "line 2, Location 1: name \"Z\xE2\x82\xAC\xF0\x9F\x93\xA1Z\" stored as \"ZZ\"", 17, "ZZ"},
      {"1,\xFFX,146.94,,,,,,,,,,,,,,", "line 2, Location 1: name \"\xEF\xBF\xBDX\" stored as \"X\"",
       17, "X"},
      // Control characters reach the terminal or the dialog only as escapes.
      {"1,\"A\x1B]0;x\x07\xC2\x9B"
       "B\",146.94,,,,,,,,,,,,,,",
       "line 2, Location 1: name \"A\\x1b]0;x\\x07\\xc2\\x9bB\" stored as \"A]0;xB\"", 17,
       "A]0;xB"},
      {"1,,146.94,,,,,,,,,,,2.50,,,",
       "line 2, Location 1: step \"2.50\" kHz not supported, 5.00 kHz used", 2, "0"},
      {"1,,146.94,,,,,,,,,,,,P,,",
       "line 2, Location 1: skip \"P\" not supported, channel is scanned", 13, "0"},
      {"1,,146.94,,,,,,,,,,,,,5.0W,", "power \"5.0W\" not supported, left empty: 1 row (line 2)",
       16, ""},
      {"1,,146.94,off,0.6,,,,,,,,FM,5.00,,,",
       "duplex \"off\" stored as simplex (no transmit inhibit per channel): 1 row (line 2)", 3,
       "0"},
      {"1,,146.94,-,7.6,,,,,,,,FM,5.00,,,qv-fixed-shift",
       "line 2, Location 1: no fixed split on this band, minus shift used", 3, "2"},
      {"1,,146.94,,,,159.8,,,,,,FM,5.00,,,",
       "line 2, Location 1: unused tone 159.8 Hz not supported, 88.5 Hz stored", 8, "08"},
      {"1,,146.94,,,,,,999,,,,FM,5.00,,,",
       "line 2, Location 1: unused DCS code \"999\" not supported, 023 stored", 10, "000"},
      // An unquoted comma in the comment: the header's columns are read, the rest is named.
      {"1,,146.94,,,,,,,,,,FM,5.00,,,Newington, CT",
       "line 2, Location 1: 18 fields for 17 columns, read by the header's columns", 1,
       "00146940000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    image.Store(SlotKind::Memory, 1, "");
    const CsvImportReport report = Import(kHeader + c.row + "\n");
    EXPECT_EQ(report.imported, 1);
    EXPECT_EQ(Lines(report), std::vector<std::string>{c.note});
    EXPECT_EQ(Field(1, static_cast<ChannelField>(c.field)), c.value);
  }
}

// The row's step stays when the frequency lies on it and the band allows it; otherwise the
// smallest step that holds the frequency (12.5 kHz before 6.25 kHz) takes its place, and only
// a frequency no step holds is moved.
TEST_F(CsvImportTest, TheStepIsChosenSoTheFrequencyStays) {
  struct Case {
    const char* what;
    const char* columns;  // Frequency,Duplex,Offset,Mode,TStep
    const char* frequency;
    const char* step;
    const char* note;  // empty: nothing to report
  };
  const std::vector<Case> cases{
      {"on the row's step", "146.52,,,FM,5.00", "00146520000", "0", ""},
      {"12.5 kHz channel", "442.4625,+,5,FM,5.00", "00442462500", "5",
       "step 5.00 kHz changed to 12.50 kHz"},
      {"12.5 kHz channel, minus", "439.1875,-,5,FM,5.00", "00439187500", "5",
       "step 5.00 kHz changed to 12.50 kHz"},
      {"only 6.25 kHz holds it", "446.00625,,,FM,5.00", "00446006250", "1",
       "step 5.00 kHz changed to 6.25 kHz"},
      {"band without 5 kHz, 12.5 kHz channel", "851.325,,,FM,5.00", "00851325000", "5",
       "step 5.00 kHz changed to 12.50 kHz"},
      {"band without 5 kHz, 10 kHz channel", "851.33,,,FM,5.00", "00851330000", "4",
       "step 5.00 kHz changed to 10.00 kHz"},
      {"step the band forbids", "146.52,,,FM,8.33", "00146520000", "0",
       "step 8.33 kHz changed to 5.00 kHz"},
      {"no step given: the default when it holds", "146.52,,,FM,", "00146520000", "0", ""},
      {"no step given: one that holds, silently", "442.4625,,,FM,", "00442462500", "5", ""},
      {"no step holds it", "146.5225,,,FM,5.00", "00146520000", "0",
       "146.5225 MHz rounded to 146.520 MHz"},
      {"split: a step that holds both", "145.8,split,146.4125,FM,5.00", "00145800000", "5",
       "step 5.00 kHz changed to 12.50 kHz"},
      {"split: transmit on no step", "442.4625,split,443.0001,FM,5.00", "00442462500", "5",
       "step 5.00 kHz changed to 12.50 kHz; transmit 443.0001 MHz rounded to 443.000 MHz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    image.Store(SlotKind::Memory, 1, "");
    const CsvImportReport report =
        Import(std::string("Location,Frequency,Duplex,Offset,Mode,TStep\n1,") + c.columns + "\n");
    EXPECT_EQ(report.imported, 1);
    EXPECT_EQ(Field(1, ChannelField::Frequency), c.frequency);
    EXPECT_EQ(Field(1, ChannelField::Step), c.step);
    const std::string note = c.note;
    EXPECT_EQ(report.RowLines(), note.empty()
                                     ? std::vector<std::string>{}
                                     : std::vector<std::string>{"line 2, Location 1: " + note});
  }
}

TEST_F(CsvImportTest, RowsThatCannotBeRepresentedAreSkippedAndReported) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"1,,146.94,-,0.6,Tone,69.4,88.5,023,NN,,,FM,5.00,,,",
       "line 2, Location 1: tone 69.4 Hz not supported, skipped"},
      {"1,,146.94,-,0.6,TSQL,88.5,159.8,023,NN,,,FM,5.00,,,",
       "line 2, Location 1: tone 159.8 Hz not supported, skipped"},
      {"1,,146.94,-,0.6,DTCS,88.5,88.5,023,RN,,,FM,5.00,,,",
       "line 2, Location 1: DCS polarity \"RN\" not supported, skipped"},
      {"1,,146.94,-,0.6,DTCS,88.5,88.5,999,NN,,,FM,5.00,,,",
       "line 2, Location 1: DCS code \"999\" not supported, skipped"},
      {"1,,146.94,-,0.6,Cross,88.5,88.5,023,NN,023,Tone->DTCS,FM,5.00,,,",
       "line 2, Location 1: tone mode \"Cross\" not supported, skipped"},
      {"1,,146.94,on,0.6,,,,,,,,FM,5.00,,,",
       "line 2, Location 1: duplex \"on\" not supported, skipped"},
      {"432,,146.94,,,,,,,,,,,,,,", "line 2, Location 432: location 432 outside 0-431, skipped"},
      {"-1,,146.94,,,,,,,,,,,,,,", "line 2: location \"-1\" is not a number, skipped"},
      {",,146.94,,,,,,,,,,,,,,", "line 2: location \"\" is not a number, skipped"},
      {"1,,146.94,,,,,,,,,,DV,,,,", "line 2, Location 1: mode \"DV\" not supported, skipped"},
      // What would have been adjusted in a row left out is not listed.
      {"1,,146.94,off,0.6,Tone,69.4,88.5,023,NN,,,NFM,5.00,,50W,",
       "line 2, Location 1: tone 69.4 Hz not supported, skipped"},
      {"1,,146.94,,,,,,,,,,DV,,,,,extra",
       "line 2, Location 1: 18 fields for 17 columns, read by the header's columns; mode \"DV\" "
       "not "
       "supported, skipped"},
      {"1,,144.39,,,,,,,,,,DIG,,,,", "line 2, Location 1: mode \"DIG\" not supported, skipped"},
      {"1,,abc,,,,,,,,,,,,,,", "line 2, Location 1: frequency \"abc\" is not a frequency, skipped"},
      {"1,,,,,,,,,,,,,,,,", "line 2, Location 1: frequency \"\" is not a frequency, skipped"},
      {"1,,12000.5,,,,,,,,,,,,,,",
       "line 2, Location 1: frequency 12000.5 MHz is outside 0.1-1300 MHz, skipped"},
      {"1,,9999.99999,,,,,,,,,,,,,,",
       "line 2, Location 1: frequency 9999.99999 MHz is outside 0.1-1300 MHz, skipped"},
      {"1,,0.05,,,,,,,,,,AM,,,,",
       "line 2, Location 1: frequency 0.05 MHz is outside 0.1-1300 MHz, skipped"},
      {"1,,1300.000001,,,,,,,,,,,,,,",
       "line 2, Location 1: frequency 1300.000001 MHz is outside 0.1-1300 MHz, skipped"},
      {"1,,880.0,,,,,,,,,,,,,,",
       "line 2, Location 1: frequency 880.000 MHz is in a range the radio cannot tune, skipped"},
      {"1,,146.94,+,--0.6,,,,,,,,,,,,",
       "line 2, Location 1: offset \"--0.6\" is not an offset, skipped"},
      {"1,,145.8,split,430.1,,,,,,,,FM,5.00,,,",
       "line 2, Location 1: transmit 430.100 MHz is outside the receive band, skipped"},
      {"1,,145.8,split,99999.1,,,,,,,,FM,5.00,,,",
       "line 2, Location 1: transmit 99999.100 MHz is outside the receive band, skipped"},
      {"1,,851.0,split,826.0,,,,,,,,FM,10.00,,,",
       "line 2, Location 1: transmit 826.000 MHz is in a range the radio cannot tune, skipped"},
      // Moved down onto the step grid, the frequency would leave what the radio holds.
      {"1,,0.100001,,,,,,,,,,FM,9.00,,,",
       "line 2, Location 1: 0.100001 MHz would be rounded to 0.099 MHz, which the radio cannot "
       "hold, skipped"},
      {"1,,440.01,split,410.001,,,,,,,,FM,30.00,,,",
       "line 2, Location 1: transmit 410.001 MHz would be rounded to 409.980 MHz, which the radio "
       "cannot "
       "hold, skipped"},
      {"1,,146.94,split,-146.34,,,,,,,,,,,,",
       "line 2, Location 1: transmit frequency \"-146.34\" is not a frequency, skipped"},
      {"1,,146.94,split,,,,,,,,,,,,,",
       "line 2, Location 1: transmit frequency \"\" is not a frequency, skipped"},
  };
  for (const auto& [row, note] : cases) {
    SCOPED_TRACE(row);
    image.Store(SlotKind::Memory, 1, "001,kept");
    const CsvImportReport report = Import(kHeader + row + "\n");
    EXPECT_EQ(report.imported, 0);
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(Lines(report), std::vector<std::string>{note});
    EXPECT_EQ(Record(1), "001,kept");
  }
}

TEST_F(CsvImportTest, ReportCountsRowsAndNamesRepeatedLocations) {
  const CsvImportReport report =
      Import("# list\n" + kHeader + "1,A,146.52,,,,,,,,,,,,,,\n1,B,146.55,,,,,,,,,,,,,,\n");
  EXPECT_EQ(Field(1, ChannelField::Name), "B");
  EXPECT_EQ(report.Text(), "2 rows imported.\nline 4, Location 1: replaces line 3 at location 1\n");
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
    EXPECT_FALSE(ImportMemoryCsv(text, image, report, &error));
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
    EditorEntry input = InputAt(image, frequencies[slot % frequencies.size()]);
    input.choices.SetStepIndex(slot % 12);
    input.choices.SetModeIndex((slot / 12) % 6);
    input.choices.SetFlag(ChannelField::Tone, slot % 4 == 1);
    input.choices.SetFlag(ChannelField::Ctcss, slot % 4 == 2);
    input.choices.SetFlag(ChannelField::Dcs, slot % 4 == 3);
    input.choices.SetToneIndex(slot % 42);
    input.choices.SetCtcssIndex((slot * 7) % 42);
    input.choices.SetDcsIndex((slot * 5) % 104);
    input.choices.SetFlag(ChannelField::Lockout, slot % 5 == 0);
    input.choices.Set(ChannelField::Name, names[slot % names.size()]);
    input.typed.offset = slot % 3 == 0 ? "1.6" : slot % 3 == 1 ? "12.35" : ".05";
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
    if (input.shift == ShiftChoice::Special) input.typed.rx = "433.4";
    // The transmit frequency stays in the receive band: the import leaves out any other.
    if (input.shift == ShiftChoice::Split) input.typed.tx = input.typed.rx + "5";
    input.choices.SetFlag(ChannelField::Reverse,
                          input.shift != ShiftChoice::Split && slot % 7 == 0);
    std::string record = EditorRecord(image, slot, input);
    if (slot % 11 == 0) {
      // The radio reports an RF power the editor never writes; it must survive too.
      const std::size_t nameStart =
          record.size() - ChannelRecord::Parse(record)[ChannelField::Name].size();
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
    ASSERT_TRUE(ImportMemoryCsv(exported.text, copy, report, &error)) << error;
    EXPECT_EQ(report.imported, kMemorySlots);
    EXPECT_TRUE(report.GroupLines().empty() && report.RowLines().empty()) << report.Text();
    for (int slot = 0; slot < kMemorySlots; ++slot) {
      EXPECT_EQ(copy.Record(SlotKind::Memory, slot), original.Record(SlotKind::Memory, slot))
          << "slot " << slot;
    }
  }
}

TEST_F(CsvImportTest, TheReportGroupsWhatConcernsSeveralRows) {
  const CsvImportReport report = Import(
      "Location,Frequency,Mode,Power,Duplex\n"
      "1,146.52,NFM,50W,\n"
      "2,146.54,NFM,50W,off\n"
      "3,146.5225,FM,High,\n"
      "4,146.56,NFM,5.0W,off\n"
      "5,146.58,DV,50W,\n"
      "6,146.5225,FM,,\n"
      "7,146.61,FM,,\n"
      "8,146.6225,FM,,\n");
  EXPECT_EQ(
      report.Text(),
      "7 rows imported, 1 skipped.\n"
      "narrow FM stored as FM: 3 rows (lines 2-3, 5)\n"
      "power \"50W\" not supported, left empty: 2 rows (lines 2-3)\n"
      "duplex \"off\" stored as simplex (no transmit inhibit per channel): 2 rows (lines 3, 5)\n"
      "146.5225 MHz rounded to 146.520 MHz: 2 rows (lines 4, 7)\n"
      "power \"5.0W\" not supported, left empty: 1 row (line 5)\n"
      "line 6, Location 5: mode \"DV\" not supported, skipped\n"
      "line 9, Location 8: 146.6225 MHz rounded to 146.620 MHz\n");

  const std::vector<std::pair<std::vector<int>, std::string>> lists{
      {{7}, "line 7"},
      {{2, 3, 4, 5}, "lines 2-5"},
      {{2, 3, 5, 9, 10}, "lines 2-3, 5, 9-10"},
      {{9, 2, 2, 3}, "lines 2-3, 9"},
  };
  for (const auto& [lines, text] : lists) EXPECT_EQ(RowListText(lines), text);
}

TEST_F(CsvImportTest, RowsInFileOrderFillConsecutiveChannels) {
  image.Store(SlotKind::Memory, 397, "397,kept");
  image.Store(SlotKind::Memory, 398, "398,replaced");
  const std::string before400 = Record(400);
  CsvImportReport report;
  std::string error;
  // No Location column is needed; a Location given is not looked at.
  ASSERT_TRUE(
      ImportMemoryCsv("Frequency,Name,Mode,Location\n"
                      "146.52,FIRST,FM,7\n"
                      "146.94,DSTAR,DV,8\n"
                      "146.55,SECOND,FM,x\n"
                      "146.58,THIRD,FM,1\n"
                      "146.61,FOURTH,FM,\n",
                      CsvPlacement{true, 398}, image, report, &error))
      << error;
  EXPECT_EQ(Record(397), "397,kept");
  EXPECT_EQ(Field(398, ChannelField::Name), "FIRST");
  EXPECT_EQ(Field(399, ChannelField::Name), "SECOND");
  EXPECT_EQ(Record(400), before400);
  EXPECT_TRUE(Record(7).empty());
  EXPECT_EQ(report.Text(),
            "2 rows imported, 3 skipped.\n"
            "no channel left after 399, skipped: 2 rows (lines 5-6)\n"
            "line 3, Location 8: mode \"DV\" not supported, skipped\n");

  // By Location, the same list needs its Location column.
  EXPECT_FALSE(ImportMemoryCsv("Frequency,Name\n146.52,A\n", image, report, &error));
  EXPECT_TRUE(
      ImportMemoryCsv("Frequency,Name\n146.52,A\n", CsvPlacement{true, 0}, image, report, &error));
  EXPECT_EQ(Field(0, ChannelField::Name), "A");
}

// Lists written by hand in the layout other programs share, with what users meet in them.
TEST(CsvSampleTest, PublishedStyleListsImportWithTheirReports) {
  struct Case {
    const char* file;
    const char* type;
    std::string report;
  };
  const std::vector<Case> cases{
      {"dualband-repeaters.csv", "KK,0F",
       "14 rows imported, 6 skipped.\n"
       "duplex \"off\" stored as simplex (no transmit inhibit per channel): 1 row (line 12)\n"
       "power \"5.0W\" not supported, left empty: 1 row (line 21)\n"
       "line 8, Location 6: 146.5225 MHz rounded to 146.520 MHz\n"
       "line 9, Location 7: tone 177.3 Hz not supported, skipped\n"
       "line 10, Location 8: DCS polarity \"RN\" not supported, skipped\n"
       "line 11, Location 9: tone mode \"Cross\" not supported, skipped\n"
       "line 17, Location 15: name \"W2ONONDAGA\" stored as \"W2ONONDA\"\n"
       "line 18, Location 16: transmit 437.800 MHz is outside the receive band, skipped\n"
       "line 19, Location 17: mode \"DV\" not supported, skipped\n"
       "line 20, Location 450: location 450 outside 0-431, skipped\n"
       "line 21, Location 19: offset 0.620 MHz rounded to 0.600 MHz\n"},
      {"narrowband-repeaters.csv", "KK,0F",
       "12 rows imported, 6 skipped.\n"
       "narrow FM stored as FM: 4 rows (lines 2-3, 9, 19)\n"
       "step 5.00 kHz changed to 12.50 kHz: 3 rows (lines 2-4)\n"
       "power \"50W\" not supported, left empty: 11 rows (lines 2-4, 6-9, 11, 13-14, 19)\n"
       "duplex \"off\" stored as simplex (no transmit inhibit per channel): 2 rows (lines 8-9)\n"
       "line 5, Location 3: transmit 435.800 MHz is outside the receive band, skipped\n"
       "line 10, Location 8: mode \"DV\" not supported, skipped\n"
       "line 11, Location 9: 22 fields for 21 columns, read by the header's columns\n"
       "line 13, Location 11: name \"NAME\\x1b]0;x\\x07\" stored as \"NAME]0;x\"\n"
       "line 15, Location 13: mode \"DIG\" not supported, skipped\n"
       "line 16, Location 14: frequency 880.000 MHz is in a range the radio cannot tune, skipped\n"
       "line 17, Location 15: frequency 9999.999990 MHz is outside 0.1-1300 MHz, skipped\n"
       "line 18, Location 16: tone 159.8 Hz not supported, skipped\n"
       "line 19, Location 17: 146.5225 MHz rounded to 146.520 MHz\n"},
      {"simplex-nfm.csv", "ME,0B",
       "50 rows imported.\n"
       "narrow FM stored as FM: 50 rows (lines 2-51)\n"
       "step 12.50 kHz changed to 6.25 kHz: 8 rows (lines 44-51)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::ifstream file(std::string(QUORVAN_CSV_DATA_DIR "/") + c.file, std::ios::binary);
    ASSERT_TRUE(file.good());
    std::stringstream text;
    text << file.rdbuf();
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan(c.type, "ARVEN"));
    CsvImportReport report;
    std::string error;
    ASSERT_TRUE(ImportMemoryCsv(text.str(), image, report, &error)) << error;
    EXPECT_EQ(report.Text(), c.report);
  }
}

TEST(CsvSampleTest, StoredRowsOfTheSamples) {
  auto imported = [](const char* name, const char* type) {
    std::ifstream file(std::string(QUORVAN_CSV_DATA_DIR "/") + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, "ARVEN"));
    CsvImportReport report;
    std::string error;
    EXPECT_TRUE(ImportMemoryCsv(text.str(), image, report, &error)) << error;
    return image;
  };
  const RadioImage repeaters = imported("dualband-repeaters.csv", "KK,0F");
  const RadioImage narrow = imported("narrowband-repeaters.csv", "KK,0F");
  const RadioImage simplex = imported("simplex-nfm.csv", "ME,0B");
  const std::vector<std::pair<std::string, std::string>> records{
      {repeaters.Record(SlotKind::Memory, 0),
       "000,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,0,W1AW"},
      {repeaters.Record(SlotKind::Memory, 4),
       "004,00224940000,7,2,0,1,0,0,15,08,000,001600000,0,1,,,0,KB5TX"},
      {repeaters.Record(SlotKind::Memory, 13),
       "013,00128008330,2,0,0,0,0,0,08,08,000,000000000,2,0,,,,APPR"},
      {repeaters.Record(SlotKind::Memory, 10),
       "010,00146670000,6,0,0,0,0,0,08,08,000,000600000,0,0,,,0,K0NR"},
      {repeaters.Record(SlotKind::Memory, 7), ""},
      {repeaters.Record(SlotKind::Memory, 16), ""},
      {narrow.Record(SlotKind::Memory, 0),
       "000,00442462500,5,1,0,1,0,0,12,08,000,005000000,0,0,,,,W7ABC"},
      {narrow.Record(SlotKind::Memory, 2),
       "002,00851325000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,,COUNTY"},
      {narrow.Record(SlotKind::Memory, 5),
       "005,00146960000,0,2,0,1,0,0,13,08,000,000600000,0,0,,,,W7RPT"},
      {narrow.Record(SlotKind::Memory, 12),
       "012,00443000000,8,0,0,1,0,0,12,08,000,000600000,0,0,00448000000,8,,UHF SPLT"},
      {simplex.Record(SlotKind::Memory, 49),
       "049,00446093750,1,0,0,0,0,0,08,08,000,000000000,0,1,,,1,PMR8"},
  };
  for (const auto& [stored, expected] : records) EXPECT_EQ(stored, expected);
}

}  // namespace
}  // namespace quorvan
