#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/DocumentComparison.h"

namespace quorvan {
namespace {

constexpr const char* kChannel = "012,00145550000,5,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT";

std::vector<std::string> Lines(const RadioImage& a, const RadioImage& b) {
  std::vector<std::string> lines;
  for (const FieldDifference& d : CompareDocuments(a, b)) {
    lines.push_back(DescribeDifference(d, "in the file", "in the radio"));
  }
  return lines;
}

// Each kind of difference, one line per field, in item order.
TEST(CompareDocuments, OneLinePerItemAndField) {
  RadioImage file = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  file.Store(SlotKind::Memory, 12, kChannel);
  file.Store(SlotKind::Memory, 30, kChannel);
  file.Store(SlotKind::Dtmf, 3, "3,123*,HOME");
  RadioImage radio = file;
  radio.Store(SlotKind::Memory, 12,
              "012,00145500000,5,1,0,1,0,0,13,08,000,000600000,0,0,,,,R\xC9P");  // name in 1252
  radio.Store(SlotKind::Memory, 30, "");
  radio.Store(SlotKind::Vfo, 4, "4,00000540000,3,0,0,0,0,0,08,08,000,000000000,2,,,,,");
  radio.Store(SlotKind::Dtmf, 3, "3,123#,HOME");
  radio.Store(SlotKind::ProgramVfo, 0, "0,00137,00170");
  radio.Menu().Set(kMenuBAT, "1");
  radio.SetComment("x");
  EXPECT_EQ(Lines(file, radio),
            (std::vector<std::string>{
                "memory 012: frequency 145.550 in the file, 145.500 in the radio",
                "memory 012: tone frequency 100.0Hz in the file, 103.5Hz in the radio",
                "memory 012: name RPT in the file, R\xC3\x89P in the radio",
                "memory 030: channel 145.550 RPT in the file, empty in the radio",
                "VFO B_AM: step 10kHz in the file, 9kHz in the radio",
                "DTMF 3: code 123* in the file, 123# in the radio",
                "program VFO 144MHz: upper 173 in the file, 170 in the radio",
                "menu BAT: value 0 in the file, 1 in the radio",
                "comment: value none in the file, x in the radio",
            }));
}

// In another language the line, the item, the field and the report's own words are looked up;
// the radio's values stay.
TEST(CompareDocuments, ALineInTheReadersLanguage) {
  RadioImage file = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  file.Store(SlotKind::Memory, 30, kChannel);
  RadioImage radio = file;
  radio.Store(SlotKind::Memory, 30, "");
  radio.Store(SlotKind::Vfo, 4, "4,00000540000,3,0,0,0,0,0,08,08,000,000000000,2,,,,,");
  const CatalogueLookup language = [](const char* text) -> std::string {
    const std::string english = text;
    if (english == "%1: %2 %3 %4, %5 %6") return "%1 | %2 | %4=%3 | %6=%5";
    if (english == "memory %1") return "M%1";
    if (english == "channel") return "CH";
    if (english == "empty") return "EMPTY";
    return "<" + english + ">";
  };
  std::vector<std::string> lines;
  for (const FieldDifference& d : CompareDocuments(file, radio)) {
    lines.push_back(DescribeDifference(d, "A", "B", language));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"M030 | CH | A=145.550 RPT | B=EMPTY",
                                             "<VFO B_AM> | <step> | A=10kHz | B=9kHz"}));
}

TEST(CompareDocuments, EqualDocumentsAndDamagedFieldsThatReadAlike) {
  RadioImage a = MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"));
  EXPECT_TRUE(CompareDocuments(a, a).empty());
  RadioImage b = a;
  a.Store(SlotKind::Memory, 0, "000,00145000000,Z,0,0,0,0,0,08,08,000,000600000,0,0,,,,\x1b");
  b.Store(SlotKind::Memory, 0, "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,\x1b");
  // "Z" and "0" both read as 5 kHz: the raw texts tell them apart. Control bytes are escaped.
  EXPECT_EQ(Lines(a, b),
            (std::vector<std::string>{"memory 000: step Z in the file, 0 in the radio"}));
  b.Store(SlotKind::Memory, 0, "000,00145000000,Z,0,0,0,0,0,08,08,000,000600000,0,0,,,");
  EXPECT_EQ(Lines(a, b),
            (std::vector<std::string>{"memory 000: name \\x1b in the file, none in the radio"}));
}

// What a radio holds against a document: only the items asked about, only what a write carries,
// names as the radio's coding gives them back.
TEST(CompareRadioItems, ARadioHoldingTheDocumentComparesEqual) {
  RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  document.Store(SlotKind::Memory, 12,
                 "012,00145550000,5,1,0,1,0,0,12,08,000,000600000,0,0,,5,2,R\xD7P");
  document.Store(SlotKind::Dtmf, 3, "3,123*,HOME");
  document.Menu().Set(kMenuMES, "HI\xD7");
  document.SetComment("kept on the computer");
  // As a read gives it back: no power, no transmit step alone, names through the coding.
  RadioImage radio = document;
  radio.Store(SlotKind::Memory, 12,
              "012,00145550000,5,1,0,1,0,0,12,08,000,000600000,0,0,,,,R\x9AP");
  radio.Store(SlotKind::Dtmf, 3, "03,123*,HOME");
  radio.Menu().Set(kMenuMES, "HI\x9A");
  radio.SetComment("");
  ItemSet all = ItemSet::Records();
  all.Add(ItemSet::MenuValues());
  all.Add({ItemKind::Comment, 0});
  EXPECT_TRUE(CompareRadioItems(document, radio, all).empty());

  radio.Store(SlotKind::Dtmf, 3, "03,124*,HOME");
  radio.Menu().Set(kMenuBAT, "1");
  const std::vector<FieldDifference> differences = CompareRadioItems(document, radio, all);
  EXPECT_EQ(DescribeDifferences(differences, "in the file", "in the radio"),
            "DTMF 3: code 123* in the file, 124* in the radio\n"
            "menu BAT: value 0 in the file, 1 in the radio\n");
  EXPECT_TRUE(CompareRadioItems(document, radio, ItemSet::Records()).size() == 1u);
  EXPECT_TRUE(CompareRadioItems(document, radio, ItemSet()).empty());
}

}  // namespace
}  // namespace quorvan
