#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <utility>

#include "core/rules/Printout.h"
#include "core/rules/PrintoutLines.h"
#include "core/rules/PrintoutText.h"

namespace quorvan {
namespace {

constexpr const char* kCaption = "Quorvan [/tmp/a.qvx]";

using PageLine = std::pair<int, int>;

// Every printed line by (page, line), checking that no page is overfilled or written twice.
std::map<PageLine, std::string> Lines(const std::vector<PrintPage>& pages) {
  std::map<PageLine, std::string> lines;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    EXPECT_FALSE(pages[p].empty());
    EXPECT_EQ(pages[p].front().line, 0);
    EXPECT_EQ(pages[p].front().text, kCaption);
    int previous = -1;
    for (const PrintLine& l : pages[p]) {
      EXPECT_GT(l.line, previous) << "page " << p;
      EXPECT_LT(l.line, kPrintLinesPerPage) << "page " << p;
      previous = l.line;
      lines[{static_cast<int>(p), l.line}] = l.text;
    }
  }
  return lines;
}

PageLine Find(const std::map<PageLine, std::string>& lines, const std::string& text) {
  for (const auto& [at, t] : lines) {
    if (t == text) return at;
  }
  return {-1, -1};
}

std::string MemoryRecord(int slot) {
  char id[8];
  std::snprintf(id, sizeof id, "%03d", slot);
  return std::string(id) + ",00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,";
}

RadioImage WithMemories(int count) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("MM,07", "BELTO"));
  for (int slot = 0; slot < count; ++slot) image.Store(SlotKind::Memory, slot, MemoryRecord(slot));
  return image;
}

TEST(PrintoutTest, HeadingOnLineTwoWithoutComment) {
  const auto lines = Lines(BuildPrintout(WithMemories(1), kCaption));
  EXPECT_EQ(lines.at({0, 2}), "Memory Channel");
  EXPECT_EQ(lines.at({0, 3}).substr(0, 4), "000 ");
  EXPECT_EQ(lines.count({0, 1}), 0u);
}

TEST(PrintoutTest, CommentMovesTheHeadingToLineFive) {
  RadioImage image = WithMemories(1);
  image.SetComment("field day");
  const auto lines = Lines(BuildPrintout(image, kCaption));
  EXPECT_EQ(lines.at({0, 2}), "Comment");
  EXPECT_EQ(lines.at({0, 3}), "field day");
  EXPECT_EQ(lines.at({0, 5}), "Memory Channel");
  EXPECT_EQ(lines.at({0, 6}).substr(0, 4), "000 ");
}

TEST(PrintoutTest, OneCharacterSlotIsNotPrinted) {
  RadioImage image = WithMemories(0);
  image.Store(SlotKind::Memory, 0, "x");
  const auto lines = Lines(BuildPrintout(image, kCaption));
  EXPECT_EQ(lines.count({0, 3}), 0u);
  EXPECT_EQ(lines.at({0, 4}), "VFO");
}

TEST(PrintoutTest, SectionBreakNearThePageEnd) {
  // Heading on line 2, channels on lines 3..58: the next section starts a page.
  const auto lines = Lines(BuildPrintout(WithMemories(56), kCaption));
  EXPECT_EQ(lines.at({0, 58}).substr(0, 4), "055 ");
  EXPECT_EQ(lines.count({0, 59}), 0u);
  EXPECT_EQ(lines.at({1, 2}), "VFO");
  EXPECT_EQ(lines.count({1, 1}), 0u);

  // Ending on line 57 leaves no room for a heading and its first entry either.
  EXPECT_EQ(Lines(BuildPrintout(WithMemories(55), kCaption)).at({1, 2}), "VFO");

  // Ending on line 56 leaves room: the heading goes on line 58 of the same page.
  const auto shorter = Lines(BuildPrintout(WithMemories(54), kCaption));
  EXPECT_EQ(shorter.at({0, 58}), "VFO");
  EXPECT_EQ(shorter.at({0, 59}).substr(0, 9), "A_144MHz ");
}

TEST(PrintoutTest, LongListsContinueBelowTheCaption) {
  const auto lines = Lines(BuildPrintout(WithMemories(432), kCaption));
  EXPECT_EQ(lines.at({0, 59}).substr(0, 4), "056 ");
  EXPECT_EQ(lines.at({1, 2}).substr(0, 4), "057 ");
  EXPECT_EQ(lines.count({1, 1}), 0u);
  // Everything after the memories is still there, in order.
  const PageLine vfo = Find(lines, "VFO");
  const PageLine call = Find(lines, "CALL Channel");
  const PageLine dtmf = Find(lines, "DTMF Memory");
  const PageLine menu1 = Find(lines, "Menu 1");
  const PageLine menu2 = Find(lines, "Menu 2");
  EXPECT_GE(vfo.first, 0);
  EXPECT_LT(vfo, call);
  EXPECT_LT(call, dtmf);
  EXPECT_LT(dtmf, menu1);
  EXPECT_LT(menu1, menu2);
  EXPECT_LT(menu2, Find(lines, "Battery : Lithium"));
}

TEST(PrintoutTest, SectionsOfADefaultDocument) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.Store(SlotKind::Dtmf, 0, "00,123*,HOME");
  const auto lines = Lines(BuildPrintout(image, kCaption));
  // The K information channels are memories 422-431.
  EXPECT_EQ(lines.at({0, 3}), "I-1 162.550MHz 5kHz FM Name:WEATHER");
  EXPECT_EQ(lines.at({0, 14}), "VFO");
  EXPECT_EQ(lines.at({0, 15}), "A_144MHz 144.000MHz 5kHz FM");
  EXPECT_EQ(lines.at({0, 28}), "B_1200MHz 1240.000MHz 25kHz FM");
  EXPECT_EQ(lines.at({0, 29}), "144MHz Program VFO : 137 - 173");
  EXPECT_EQ(lines.at({0, 30}), "220MHz Program VFO : 216 - 259");
  EXPECT_EQ(lines.at({0, 31}), "440MHz Program VFO : 410 - 469");
  EXPECT_EQ(lines.at({0, 33}), "CALL Channel");
  EXPECT_EQ(lines.at({0, 36}), "440MHz 440.000MHz 25kHz FM");
  EXPECT_EQ(lines.at({0, 38}), "DTMF Memory");
  EXPECT_EQ(lines.at({0, 39}), "00 123* Name:HOME");
  EXPECT_EQ(lines.at({0, 41}), "Menu 1");
  EXPECT_EQ(lines.at({0, 42}), "Operation Band : A-Band");
  EXPECT_EQ(lines.at({0, 58}), "VOX Gain : 4");
  EXPECT_EQ(lines.at({0, 59}), "VOX on Busy : OFF");
  EXPECT_EQ(lines.at({1, 2}), "VOX Deley : 500ms");
  EXPECT_EQ(lines.at({1, 4}), "Menu 2");
  EXPECT_EQ(lines.at({1, 5}), "Tx Inhibit : OFF");
}

TEST(PrintLinesTest, ChannelLines) {
  const BandPlan e = MakeDefaultBandPlan("ME,0B", "BELTO");
  const BandPlan k = MakeDefaultBandPlan("KK,0F", "ARVEN");
  const BandPlan kc = MakeDefaultBandPlan("KK,0F", "CIRRA");
  const struct {
    const char* what;
    const BandPlan* plan;
    SlotKind kind;
    const char* record;
    const char* line;
  } cases[] = {
      {"full memory", &k, SlotKind::Memory,
       "005,00145000000,5,1,1,1,1,1,08,12,103,000600000,0,1,,,0,AB,C",
       "005 145.000MHz 12.5kHz FM T:88.5Hz CT:100.0Hz DCS:754 + R Offset:0.60MHz Name:AB,C "
       "RF:High *"},
      {"split", &k, SlotKind::Memory,
       "006,00145000000,0,2,0,0,0,0,08,08,000,000600000,0,0,00146500000,0,1,",
       "006 145.000MHz 5kHz FM - TX:146.500MHz  RF:Low"},
      {"fixed split E 430", &e, SlotKind::Memory,
       "007,00431000000,8,3,0,0,0,0,08,08,000,000000000,0,0,,,2,",
       "007 431.000MHz 25kHz FM -7.6MHz RF:EL"},
      {"fixed split K 430", &k, SlotKind::Memory,
       "007,00431000000,8,3,0,0,0,0,08,08,000,000000000,0,0,,,,", "007 431.000MHz 25kHz FM"},
      {"fixed split E 144", &e, SlotKind::Memory,
       "007,00145000000,5,3,0,0,0,0,08,08,000,000000000,0,0,,,,", "007 145.000MHz 12.5kHz FM"},
      {"fixed split E 1200", &e, SlotKind::Memory,
       "007,01270000000,8,3,0,0,0,0,08,08,000,000000000,0,0,,,,",
       "007 1270.000MHz 25kHz FM -6.0MHz"},
      {"fixed split K 1200", &kc, SlotKind::Memory,
       "007,01270000000,8,3,0,0,0,0,08,08,000,000000000,0,0,,,,",
       "007 1270.000MHz 25kHz FM -20.0MHz"},
      {"vfo step B", &k, SlotKind::Vfo, "7,00087900000,B,0,0,0,0,0,08,08,000,000000000,1,,,,,",
       "B_FM 87.900MHz 100kHz WFM"},
      {"vfo name by destination", &e, SlotKind::Vfo,
       "C,00430000000,8,0,0,0,0,0,08,08,000,000000000,0,,,,,", "B_430MHz 430.000MHz 25kHz FM"},
      {"call", &e, SlotKind::Call, "2,00430000000,8,0,0,0,0,0,08,08,000,001600000,5,,,,,",
       "430MHz 430.000MHz 25kHz CW"},
      {"unknown codes add nothing", &k, SlotKind::Vfo, "Z,00145000000,Z,9,0,0,0,0,08,08,000,,9",
       " 145.000MHz "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChannelPrintLine(*c.plan, c.kind, c.record), c.line) << c.what;
  }
}

TEST(PrintLinesTest, DtmfAndProgramVfoLines) {
  EXPECT_EQ(DtmfPrintLine("3,0123"), "3 0123");
  EXPECT_EQ(DtmfPrintLine("03,0123,A,B"), "03 0123 Name:A,B");
  const BandPlan k = MakeDefaultBandPlan("KK,0F", "ARVEN");
  const BandPlan j = MakeDefaultBandPlan("JJ,01", "BELTO");
  EXPECT_EQ(ProgramVfoPrintLine(k, 2, "2,00410,00469"), "440MHz Program VFO : 410 - 469");
  EXPECT_EQ(ProgramVfoPrintLine(j, 2, "2,00430,00439"), "430MHz Program VFO : 430 - 439");
  EXPECT_EQ(ProgramVfoPrintLine(j, 3, "3,01260,01299"), "1200MHz Program VFO : 1260 - 1299");
  EXPECT_EQ(ProgramVfoPrintLine(k, 1, "1,,00259"), "");
  EXPECT_EQ(ProgramVfoPrintLine(k, 0, ""), "");
  EXPECT_EQ(ProgramVfoPrintLine(k, 4, "4,00001,00002"), "");
}

TEST(PrintLinesTest, MenuLinesByDestination) {
  const struct {
    const char* type;
    const char* model;
    std::map<int, std::string> lines;  // "" = not printed
  } cases[] = {
      {"KK,0F",
       "ARVEN",
       {{24, "220MHz FM Narrow : OFF"},
        {25, "440MHz FM Narrow : OFF"},
        {26, ""},
        {29, ""},
        {30, ""},
        {22, "HF Band FM Narrow : OFF"},
        {32, "1750Hz Tone Key : OFF"}}},
      {"ME,0B",
       "CIRRA",
       {{24, ""},
        {25, "430MHz FM Narrow : OFF"},
        {26, "1200MHz FM Narrow : OFF"},
        {29, "1.2GHz A-Band RF Power : High"},
        {30, "1.2GHz B-Band RF Power : High"},
        {32, "1750Hz Tone Key : ON"}}},
      {"JJ,01", "BELTO", {{24, ""}, {25, "430MHz FM Narrow : OFF"}, {26, ""}, {29, ""}}},
  };
  for (const auto& c : cases) {
    const BandPlan plan = MakeDefaultBandPlan(c.type, c.model);
    MenuSettings menu;
    ApplyMenuDefaults(menu, plan);
    for (const auto& [line, text] : c.lines) {
      EXPECT_EQ(MenuPrintLine(plan, menu, line), text) << c.type << " line " << line;
    }
  }
}

TEST(PrintLinesTest, MenuValueTexts) {
  const BandPlan plan = MakeDefaultBandPlan("MM,07", "BELTO");
  const struct {
    int item;
    const char* value;
    int line;
    const char* text;
  } cases[] = {
      {kMenuMNF, "0", 6, "Memory Name : ON"},
      {kMenuMNF, "1", 6, "Memory Name : OFF"},
      {kMenuCNT, "08", 10, "Contrast : 8"},
      {kMenuCNT, "16", 10, "Contrast : 16"},
      {kMenuAPO, "2", 8, "APO : 60min"},
      {kMenuAPO, "3", 8, "APO : "},
      {kMenuBAL, "4", 1, "Balance : A-Band Mute / B-Band Max"},
      {kMenuSV, "9", 7, "Battery Saver : 5.0sec"},
      {kMenuPC0, "7", 27, "A-Band RF Power : EL"},
      {kMenuPC1, "1", 28, "B-Band RF Power : Low"},
      {kMenuSCR, "2", 36, "Scan Resume Method : Seek Mode"},
      {kMenuMGL, "0 2     ", 38, "Memory Group Link : 0 2     "},
      {kMenuMES, "HELLO !!", 9, "Power-on Message : HELLO !!"},
      {kMenuVXD, "6", 18, "VOX Deley : 3000ms"},
      {kMenuLK, "1", 4, "Lock : ON"},
      {kMenuANT, "0", 20, "Bar Antenna : Disabled"},
      {kMenuBAT, "1", 40, "Battery : Alkaline"},
  };
  for (const auto& c : cases) {
    MenuSettings menu;
    ApplyMenuDefaults(menu, plan);
    menu.Set(c.item, c.value);
    EXPECT_EQ(MenuPrintLine(plan, menu, c.line), c.text);
  }
  MenuSettings menu;
  EXPECT_EQ(MenuPrintLine(plan, menu, 41), "");
  EXPECT_EQ(MenuPrintLine(plan, menu, -1), "");
}

}  // namespace
}  // namespace quorvan

namespace quorvan {
namespace {

TEST(PrintoutTextTest, SixtyLinesPerPageSeparatedByFormFeeds) {
  std::vector<PrintPage> pages{{{0, "cap"}, {2, "x"}, {59, "last"}}, {{0, "cap"}, {1, "y\fz"}}};
  const std::string text = PrintoutAsText(pages, 'K');
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size());  // ends with a line break
  ASSERT_EQ(lines.size(), 121u);
  EXPECT_EQ(lines[0], "cap");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "x");
  EXPECT_EQ(lines[59], "last");
  EXPECT_EQ(lines[60], "\f");
  EXPECT_EQ(lines[61], "cap");
  EXPECT_EQ(lines[62], "y\\x0cz");  // a form feed inside a name cannot fake a page break
}

TEST(PrintoutTextTest, NamesAreShownInTheDestinationsCoding) {
  EXPECT_EQ(PrintLineUtf8("NHK\xBB\xAF", 'J'), "NHK\xEF\xBD\xBB\xEF\xBD\xAF");
  EXPECT_EQ(PrintLineUtf8("\xC4", 'E'), "\xC3\x84");
}

}  // namespace
}  // namespace quorvan
