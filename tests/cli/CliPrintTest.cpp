#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/TempConfigHome.h"

namespace quorvan {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// Runs quorvan-cli with its settings in the test's own folder, after `shell` (commands of the
// shell that starts it, such as a file-size limit).
Result RunCli(const testing::TempDir& home, const std::string& arguments,
              const std::string& shell = {}) {
  const std::string errors = home.File("stderr");
  const std::string command = shell + " HOME='" + home.Path().string() + "' XDG_CONFIG_HOME='" +
                              home.Path().string() + "' '" QUORVAN_CLI_PATH "' " + arguments +
                              " 2>'" + errors + "'";
  Result result{-1, {}, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errors, std::ios::binary);
  result.err.assign(std::istreambuf_iterator<char>(err), {});
  std::remove(errors.c_str());
  return result;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

const std::vector<std::string> kCommonMenuLines{
    "Operation Band : A-Band",
    "Balance : A-Band Max / B-Band Max",
    "Band Select : Dual Band",
    "Attenuator : OFF",
    "Lock : OFF",
    "Lamp : OFF",
    "Memory Name : ON",
    "Battery Saver : 1.0sec",
    "APO : 30min",
    "Power-on Message : HELLO !!",
    "Contrast : 8",
    "Language : English",
    "DTMF Lock : OFF",
    "DTMF Hold : OFF",
    "DTMF Pause : 100ms",
    "DTMF Speed : Fast",
    "VOX Gain : 4",
    "VOX on Busy : OFF",
    "VOX Deley : 500ms",
    "Tx Inhibit : OFF",
    "Bar Antenna : Enabled",
    "Beet Shift : OFF",
    "HF Band FM Narrow : OFF",
    "144MHz FM Narrow : OFF",
    "A-Band RF Power : High",
    "B-Band RF Power : High",
    "Automatic Repeater Offset : ON",
    "1750Hz Tone hold : OFF",
    "Tune Enable : OFF",
    "Key Beep : ON",
    "Scan Resume Method : Time-Operated Mode",
    "Packet Speed : 1200bps",
    "Memory Group Link :         ",
    "Memory Recall Method : All Bands",
    "Battery : Lithium",
};

TEST(CliPrintTest, NewDocumentPrintsEveryMenuLineOfItsDestination) {
  const struct {
    const char* options;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  } cases[] = {
      {"--type KK,0F",
       {"220MHz FM Narrow : OFF", "440MHz FM Narrow : OFF", "1750Hz Tone Key : OFF"},
       {"1200MHz FM Narrow : ", "1.2GHz A-Band RF Power : ", "1.2GHz B-Band RF Power : ",
        "430MHz FM Narrow : "}},
      {"--type ME,0B",
       {"430MHz FM Narrow : OFF", "1750Hz Tone Key : ON"},
       {"220MHz FM Narrow : ", "1200MHz FM Narrow : ", "1.2GHz A-Band RF Power : "}},
      {"--type JJ,01 --model CIRRA",
       {"430MHz FM Narrow : OFF", "1200MHz FM Narrow : OFF", "1.2GHz A-Band RF Power : High",
        "1.2GHz B-Band RF Power : High", "1750Hz Tone Key : OFF"},
       {"220MHz FM Narrow : "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    testing::TempDir dir;
    const std::string file = dir.File("doc.qvx");
    ASSERT_EQ(RunCli(dir, std::string("new ") + c.options + " -o '" + file + "'").status, 0);
    const Result printed = RunCli(dir, "print '" + file + "' " + c.options);
    ASSERT_EQ(printed.status, 0);
    const std::vector<std::string> lines = SplitLines(printed.out);
    const std::multiset<std::string> all(lines.begin(), lines.end());
    std::vector<std::string> expected = kCommonMenuLines;
    expected.insert(expected.end(), c.present.begin(), c.present.end());
    for (const std::string& line : expected) EXPECT_EQ(all.count(line), 1u) << line;
    for (const std::string& prefix : c.absent) {
      for (const std::string& line : lines) EXPECT_NE(line.rfind(prefix, 0), 0u) << line;
    }
  }
}

TEST(CliPrintTest, PagesAreSixtyLinesUnderTheCaption) {
  testing::TempDir dir;
  const std::string file = dir.File("doc.qvx");
  ASSERT_EQ(RunCli(dir, "new --type KK,0F -o '" + file + "'").status, 0);
  const Result printed = RunCli(dir, "print '" + file + "' --type KK,0F");
  ASSERT_EQ(printed.status, 0);
  const std::vector<std::string> lines = SplitLines(printed.out);
  ASSERT_EQ(lines.size(), 121u);  // two pages and one separator
  const std::string caption = "Quorvan [" + file + "]";
  EXPECT_EQ(lines[0], caption);
  EXPECT_EQ(lines[2], "Memory Channel");
  EXPECT_EQ(lines[60], "\f");
  EXPECT_EQ(lines[61], caption);
}

TEST(CliPrintTest, WritesAPdfAndRejectsBadInput) {
  testing::TempDir dir;
  const std::string file = dir.File("doc.qvx");
  const std::string pdf = dir.File("out.pdf");
  ASSERT_EQ(RunCli(dir, "new --type MM,07 -o '" + file + "'").status, 0);
  ASSERT_EQ(RunCli(dir, "print '" + file + "' --type MM,07 --pdf '" + pdf + "'").status, 0);
  std::ifstream in(pdf, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");

  EXPECT_EQ(RunCli(dir, "print '" + dir.File("missing.qvx") + "' --type MM,07").status, 1);
  EXPECT_EQ(RunCli(dir, "print").status, 2);
  EXPECT_EQ(RunCli(dir, "print '" + file + "' --pdf").status, 2);
}

// A PDF is replaced only by a complete one: on a disk that fills up, the old file stays.
TEST(CliPrintTest, APdfThatCannotBeWrittenWholeLeavesTheOldOne) {
  testing::TempDir dir;
  const std::string file = dir.File("doc.qvx");
  const std::string pdf = dir.File("out.pdf");
  ASSERT_EQ(RunCli(dir, "new --type MM,07 -o '" + file + "'").status, 0);
  std::ofstream(pdf, std::ios::binary) << "the old printout";
  // Files may grow to 4 KiB only; going past fails the write instead of ending the program.
  const Result full = RunCli(dir, "print '" + file + "' --type MM,07 --pdf '" + pdf + "'",
                             "trap '' XFSZ; ulimit -f 8;");
  EXPECT_EQ(full.status, 1);
  // (Qt may say something of its own before.)
  EXPECT_NE(full.err.find("quorvan-cli: The file could not be written: cannot write " + pdf +
                          ": File too large\n"),
            std::string::npos)
      << full.err;
  std::ifstream in(pdf, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old printout");
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{"doc.qvx", "out.pdf"}));
}

// The heading shows the document's path in the destination's coding: what it can hold appears
// as it is, what it cannot as "?", and a control character escaped.
TEST(CliPrintTest, TheHeadingShowsThePathInTheDestinationsCoding) {
  const struct {
    const char* type;
    std::string folder;
    std::string shown;
  } cases[] = {
      {"ME,0B",
       "B\xC3\xBC"
       "cher",
       "B\xC3\xBC"
       "cher"},                                   // "Bücher": Windows-1252 holds it
      {"KK,0F", "\xE2\x82\xAC", "\xE2\x82\xAC"},  // the euro sign too
      {"JJ,01",
       "B\xC3\xBC"
       "cher",
       "B?cher"},                                 // half-width katakana does not
      {"JJ,01", "\xEF\xBD\xB1", "\xEF\xBD\xB1"},  // but holds its own letters
      {"MM,07", "a\x1b]0;x", "a\\x1b]0;x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    testing::TempDir dir;
    std::filesystem::create_directory(dir.Path() / c.folder);
    const std::string file = (dir.Path() / c.folder / "doc.qvx").string();
    ASSERT_EQ(RunCli(dir, std::string("new --type ") + c.type + " -o '" + file + "'").status, 0);
    const Result printed = RunCli(dir, "print '" + file + "' --type " + c.type);
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(SplitLines(printed.out).at(0),
              "Quorvan [" + dir.Path().string() + "/" + c.shown + "/doc.qvx]");
  }
}

}  // namespace
}  // namespace quorvan
