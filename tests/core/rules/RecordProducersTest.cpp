// Every way the program itself makes records gives ones the file reader, a radio read and the
// write accept, so whatever state a user reaches saves, opens again and writes as it stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/RadioImage.h"
#include "core/model/RecordForm.h"
#include "core/rules/CsvImport.h"
#include "core/rules/EditorRules.h"
#include "core/rules/SortMemoryChannels.h"

namespace quorvan {
namespace {

std::vector<BandPlan> Plans() {
  std::vector<BandPlan> plans;
  for (const SetupChoice& choice : kSetupChoices) {
    plans.push_back(MakeDefaultBandPlan(choice.type, choice.model));
    plans.push_back(MakeDefaultBandPlan(choice.type, kModelCirra));
  }
  return plans;
}

std::string Described(const BandPlan& plan, SlotKind kind, int slot, const std::string& record) {
  return plan.type + " " + plan.model + " " + RecordItemName(kind, slot) + ": " + record + ": " +
         RecordProblem(kind, slot, record);
}

TEST(RecordProducers, TheChannelEditorsStoreOnlyWellFormedRecords) {
  const char* const frequencies[] = {"0.540", "3.5",      "51.0",   "88.0",     "118.0",
                                     "145.0", "146.5225", "223.5",  "433.0",    "440.05",
                                     "476.0", "999.0",    "1240.0", "1299.9875"};
  const ShiftChoice shifts[] = {ShiftChoice::Simplex, ShiftChoice::Plus, ShiftChoice::Minus,
                                ShiftChoice::Special, ShiftChoice::Split};
  const int memorySlots[] = {0, 5, 399, 400, 419, 420, 422, 431};
  int stored = 0;
  for (const BandPlan& plan : Plans()) {
    const RadioImage image = MakeNewDocument(plan);
    for (const char* frequency : frequencies) {
      for (const ShiftChoice shift : shifts) {
        for (const int mode : {0, 2, 4}) {
          EditorEntry input;
          input.typed = {frequency, "146.0", "0.6"};
          input.shift = shift;
          input.choices.SetModeIndex(mode);
          input.choices.SetStepIndex(mode == 0 ? 5 : 0);
          input.choices.SetFlag(ChannelField::Tone, true);
          input.choices.SetFlag(ChannelField::Dcs, true);
          input.choices.SetToneIndex(41);
          input.choices.SetDcsIndex(103);
          input.choices.Set(ChannelField::Name, "A,\xC4");
          input.choices.SetFlag(ChannelField::Lockout, true);
          const auto expectWellFormed = [&](SlotKind kind, int slot, const StoreOutcome& out) {
            if (out.error != EditError::None) return;
            ++stored;
            EXPECT_TRUE(RecordProblem(kind, slot, out.record).empty())
                << Described(plan, kind, slot, out.record);
          };
          for (const int slot : memorySlots) {
            expectWellFormed(SlotKind::Memory, slot, ComposeMemoryRecord(image, slot, input));
          }
          for (int band = 0; band < kVfoSlots; ++band) {
            expectWellFormed(SlotKind::Vfo, band, ComposeVfoRecord(image, band, input));
          }
          for (int band = 0; band < kCallSlots; ++band) {
            expectWellFormed(SlotKind::Call, band, ComposeCallRecord(image, band, input));
          }
        }
      }
    }
    for (int band = 0; band < kProgramVfoSlots; ++band) {
      for (const auto& [lower, upper] : {std::pair{"", ""}, std::pair{"1", "9999"},
                                         std::pair{"144", "146"}, std::pair{"1300", "1240"}}) {
        const std::string record = CompleteProgramVfoRecord(plan, band, {lower, upper});
        EXPECT_TRUE(ProgramVfoRecordProblem(band, record).empty())
            << Described(plan, SlotKind::ProgramVfo, band, record);
      }
    }
  }
  EXPECT_GT(stored, 10000);  // the inputs reach every kind of record in every plan
  for (int channel = 0; channel < kDtmfSlots; ++channel) {
    EXPECT_TRUE(
        DtmfRecordProblem(channel, DtmfRecord::Make(channel, "0123456789ABCD*#", "A,B").Text())
            .empty());
  }
}

TEST(RecordProducers, SortAndCsvImportKeepTheDocumentWellFormed) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"));
  image.Store(SlotKind::Memory, 7, "007,00433000000,8,0,0,0,0,0,08,08,000,001600000,0,0,,,1,B,C");
  image.Store(SlotKind::Memory, 300, "300,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,A");
  image.Store(SlotKind::Memory, 399, "399,00144000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  for (const SortKey key : {SortKey::Name, SortKey::Frequency}) {
    SortMemoryChannels(image, key);
    const auto bad = FirstMalformedItem(image, true, true);
    EXPECT_FALSE(bad.has_value()) << bad->item << ": " << bad->problem;
  }

  // Cells are outside bytes: controls, commas, quotes, huge numbers, foreign names.
  const std::string list =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Mode,TStep,"
      "Skip,Power,Comment\n"
      "1,\"a,b\x1b[2J\",146.520,,0,,88.5,88.5,023,FM,5,,High,\n"
      "2,Müller,433.5,+,7.6,Tone,254.1,88.5,754,NFM,12.5,S,Low,qv-reverse\n"
      "3,\"\"\"x\"\"\",1299.99,-,99999,TSQL,67.0,67.0,023,AM,100,,EL,\n"
      "4,\x01\x02,0.54,split,146.5,DTCS,88.5,88.5,754,USB,9,,,\n"
      "5,NAMELONGERTHANEIGHT,9999.99999,,,,,,,WFM,,,\n"
      "420,P,145.0,,,,,,,FM,,,,\n";
  CsvImportReport report;
  std::string error;
  ASSERT_TRUE(ImportMemoryCsv(list, image, report, &error)) << error;
  EXPECT_GT(report.imported, 0);
  const auto bad = FirstMalformedItem(image, true, true);
  EXPECT_FALSE(bad.has_value()) << bad->item << ": " << bad->problem;
}

}  // namespace
}  // namespace quorvan
