#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/files/DocumentFile.h"
#include "core/model/RadioImage.h"
#include "support/CaseNames.h"
#include "support/TempConfigHome.h"

namespace quorvan {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const std::string kOld = "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,OLD";

struct SetCase {
  const char* what;
  std::string settings;  // the arguments after the file, before --type and -o
  int status;
  std::string out;                        // standard output, whole
  std::string errPart;                    // a part of the error output
  std::map<int, std::string> after = {};  // slots that change
};

class CliSetTest : public ::testing::TestWithParam<SetCase> {
 protected:
  // Arguments are temporary paths and plain words, so single quotes are enough.
  CliRun Run(const std::string& args) {
    const std::string outFile = dir.File("stdout.txt");
    const std::string errFile = dir.File("stderr.txt");
    const std::string command = std::string("'") + QUORVAN_CLI_PATH + "' " + args + " >'" +
                                outFile + "' 2>'" + errFile + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadAll(outFile);
    run.err = ReadAll(errFile);
    return run;
  }

  testing::TempDir dir;
  RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", kModelArven));
  std::string input = dir.File("in.qvx");
  std::string output = dir.File("out.qvx");
};

TEST_P(CliSetTest, StoresAsTheEditorAndReports) {
  const SetCase& c = GetParam();
  document.Store(SlotKind::Memory, 7, kOld);
  std::string error;
  ASSERT_TRUE(SaveDocumentFile(input, document, &error)) << error;

  const CliRun run = Run("set '" + input + "' " + c.settings + " --type KK,0F -o '" + output + "'");
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_EQ(run.out, c.out);
  EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
  if (c.status != 0) {
    EXPECT_FALSE(std::filesystem::exists(output));
    return;
  }
  RadioImage stored;
  stored.Plan() = document.Plan();
  ASSERT_TRUE(OpenDocumentFile(output, stored));
  RadioImage expected = document;
  for (const auto& [slot, text] : c.after) expected.Store(SlotKind::Memory, slot, text);
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    EXPECT_EQ(stored.Record(SlotKind::Memory, slot), expected.Record(SlotKind::Memory, slot))
        << "slot " << slot;
  }
}

const SetCase kSetCases[] = {
    {"the repeater example on three new slots",
     "--slots 0-2 --freq 146.52 --shift plus --tone tone --tone-freq 100.0 --name RPT",
     0,
     "",
     "",
     {{0, "000,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT"},
      {1, "001,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT"},
      {2, "002,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,0,,,,RPT"}}},
    {"every other setting on a stored channel",
     "--slots 7 --shift minus --offset 1.0 --step 12.5 --mode FM --tone ctcss --ctcss-freq "
     "100.0 --dcs 025 --lockout on --reverse on",
     0,
     "",
     "",
     {{7, "007,00145500000,5,2,1,0,1,0,08,12,001,001000000,0,1,,,,OLD"}}},
    {"a split channel",
     "--slots 7 --shift split --tx 146.0",
     0,
     "",
     "",
     {{7, "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,00146000000,0,,OLD"}}},
    {"labels and empty slots are named as skipped",
     "--slots 5,7,L0 --mode AM --reverse off --lockout off",
     0,
     "slot 005: empty, skipped\nslot L0: empty, skipped\n",
     "",
     {{7, "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,2,0,,,,OLD"}}},
    {"a rounded frequency is reported",
     "--slots 0 --freq 144.0125",
     0,
     "slot 000: 144.0125 MHz rounded to 144.010 MHz\n",
     "",
     {{0, "000,00144010000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,"}}},
    {"unknown mode", "--slots 7 --mode XM", 2, "", "--mode: \"XM\""},
    {"tone frequency off the list", "--slots 7 --tone-freq 99.9", 2, "", "--tone-freq: \"99.9\""},
    {"slots past the list", "--slots 400-999 --mode FM", 2, "", "--slots: \"400-999\""},
    {"two points in a frequency", "--slots 7 --freq 146..52", 2, "", "--freq: \"146..52\""},
    {"offset with a comma", "--slots 7 --offset 0,6", 2, "", "--offset: \"0,6\""},
    {"unknown step", "--slots 7 --step 7", 2, "", "--step: \"7\""},
    {"unknown shift", "--slots 7 --shift up", 2, "", "--shift: \"up\""},
    {"unknown DCS code", "--slots 7 --dcs 024", 2, "", "--dcs: \"024\""},
    {"lockout neither on nor off", "--slots 7 --lockout yes", 2, "", "--lockout: \"yes\""},
    {"name of nine characters", "--slots 7 --name NINECHARS", 2, "", "--name: \"NINECHARS\""},
    {"transmit frequency without split", "--slots 7 --tx 146.0", 2, "", "--tx:"},
    // What the radio cannot hold at all is refused, as a CSV import leaves such a row out.
    {"frequency past the radio's range", "--slots 7 --freq 2000", 2, "",
     "--freq: 2000 MHz is outside the radio's range, 0.1 to 1300 MHz"},
    {"frequency far past the radio's range", "--slots 7 --freq 100000000000000000000", 2, "",
     "--freq: 100000000000000000000 MHz is outside the radio's range, 0.1 to 1300 MHz"},
    {"frequency below the radio's range", "--slots 7 --freq 0.05", 2, "",
     "--freq: 0.05 MHz is outside the radio's range"},
    {"transmit frequency past the radio's range", "--slots 7 --shift split --tx 1400", 2, "",
     "--tx: 1400 MHz is outside the radio's range"},
    {"no slot list", "--mode FM", 2, "", "missing --slots"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CliSetTest, ::testing::ValuesIn(kSetCases), testing::ByCaseName());

TEST_F(CliSetTest, UnreadableFileIsAFileOpenError) {
  const CliRun run = Run("set '" + dir.File("missing.qvx") +
                         "' --slots 0 --mode FM --type KK,0F -o '" + output + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("File Open error.\n"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace quorvan
