#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"
#include "io/settings/QSettingsStore.h"
#include "support/TempConfigHome.h"

namespace quorvan {
namespace {

using testing::TempDir;

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs quorvan-cli with its settings under configHome; stdout and stderr are captured in files,
// or stdout goes to `stdoutPath` when one is given. Standard input is `stdinPath`, or empty.
CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& configHome,
              const std::string& stdoutPath = {}, const std::string& stdinPath = "/dev/null") {
  const TempDir capture;
  const std::string outPath = stdoutPath.empty() ? capture.File("out") : stdoutPath;
  const std::string errPath = capture.File("err");
  std::vector<char*> argv;
  std::string program = QUORVAN_CLI_PATH;
  argv.push_back(program.data());
  std::vector<std::string> owned(args);
  for (std::string& arg : owned) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    ::setenv("HOME", configHome.c_str(), 1);
    const int out = stdoutPath.empty() ? ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                                       : ::open(outPath.c_str(), O_WRONLY);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = ::open(stdinPath.c_str(), O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
        ::dup2(in, 0) < 0) {
      ::_exit(126);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  CliRun run;
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    ADD_FAILURE() << "quorvan-cli did not run to its end";
    return run;
  }
  run.exitCode = WEXITSTATUS(status);
  if (stdoutPath.empty()) run.out = ReadBytes(outPath);
  run.err = ReadBytes(errPath);
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

class CliTest : public ::testing::Test {
 protected:
  TempDir configHome_;  // an empty settings store unless a test fills it
  TempDir work_;
};

struct NewCase {
  const char* type;
  const char* model;
  const char* firstMemoryLine;  // "" when the destination has no I-channel defaults
  const char* programVfo3;
};

TEST_F(CliTest, NewWritesTheNewDocumentAndCatReproducesIt) {
  const NewCase cases[] = {
      {"KK,0F", "ARVEN",
       "I-1\t00162550000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000000000\t0\t0\t\t\t\tWEATHER", ""},
      {"ME,0B", "BELTO", "", ""},
      {"JJ,01", "BELTO",
       "I-"
       "1\t00000567000\t3\t0\t0\t0\t0\t0\t08\t08\t000\t000000000\t2\t0\t\t\t\tNHK\xBB\xAF\xCE\xDF"
       "\xDB",
       ""},
      {"MM,07", "BELTO", "", ""},
      {"KK,0F", "CIRRA",
       "I-1\t00162550000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000000000\t0\t0\t\t\t\tWEATHER",
       "3,01240,01299"},
  };
  for (const NewCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.model);
    const std::string file = work_.File("new.qvx");
    const CliRun created =
        RunCli({"new", "--type", c.type, "--model", c.model, "-o", file}, configHome_.Path());
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, "");

    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes, WriteChannelFileText(MakeNewDocument(MakeDefaultBandPlan(c.type, c.model))));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const std::vector<std::string> lines = Lines(bytes);
    std::size_t lineEnds = 0;
    for (const char ch : bytes) lineEnds += ch == '\n';
    EXPECT_EQ(lines.size(), lineEnds);  // every LF is part of a CR LF
    ASSERT_GE(lines.size(), 50u);
    EXPECT_EQ(lines[0], "QUENTAR Chanvault for DOVRA");
    EXPECT_EQ(lines[3], "__MEMORY DATA__");
    EXPECT_EQ(lines[4], *c.firstMemoryLine ? c.firstMemoryLine : "__CALL DATA__");
    EXPECT_EQ(lines[lines.size() - 45 + 3], c.programVfo3);

    const CliRun shown =
        RunCli({"cat", file, "--type", c.type, "--model", c.model}, configHome_.Path());
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, bytes);
    EXPECT_EQ(shown.err, "");
  }
  // --type alone never reads or creates the user's settings.
  EXPECT_TRUE(std::filesystem::is_empty(configHome_.Path()));
}

// A damaged file is refused by every command that opens one, with the line and what is wrong
// on the next line; nothing is written, and the radio is never reached.
TEST_F(CliTest, RejectedFilesPrintTheOpenErrorAndWhyAndExitOne) {
  const std::string full =
      WriteChannelFileText(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")));
  std::ofstream(work_.File("bad.qvx"), std::ios::binary) << "QUENTAR Chanvault for DOVRA \r\n";
  std::ofstream(work_.File("long.qvx"), std::ios::binary) << "QUENTAR Chanvault for DOVRA\r\n"
                                                          << std::string(100, 'x') << "\r\n";
  std::ofstream(work_.File("cut.qvx"), std::ios::binary) << full.substr(0, 72);
  std::ofstream(work_.File("foreign.qvx"), std::ios::binary)
      << "QUENTAR Chanvault for DOVRA\r\n__COMMENT__\r\n\r\n__MEMORY DATA__\r\n000\tXYZZY;rm "
         "-rf\r\n";
  ASSERT_EQ(::mkfifo(work_.File("fifo.qvx").c_str(), 0600), 0);
  const std::string escape = work_.File("a\x1b[2Jb.qvx");

  // Every reason names the file: the reasons of a file's lines after its name.
  const struct {
    std::string file;
    std::string why;
  } cases[] = {
      {work_.File("bad.qvx"), work_.File("bad.qvx") +
                                  ": Line 1: the first line is not \"QUENTAR Chanvault for "
                                  "DOVRA\"."},
      {work_.File("long.qvx"),
       work_.File("long.qvx") + ": Line 2: the line is longer than 99 characters."},
      {work_.File("cut.qvx"), work_.File("cut.qvx") +
                                  ": Line 5: memory channel I-1: the record has 2 fields "
                                  "instead of 18."},
      {work_.File("foreign.qvx"),
       work_.File("foreign.qvx") +
           ": Line 5: memory channel 000: the record has 2 fields instead of 18."},
      {work_.File("fifo.qvx"), "cannot read " + work_.File("fifo.qvx") + ": not a regular file"},
      {work_.File("missing.qvx"),
       "cannot read " + work_.File("missing.qvx") + ": No such file or directory"},
      {escape, "cannot read " + work_.File("a\\x1b[2Jb.qvx") + ": No such file or directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"cat", c.file, "--type", "KK,0F"},
          std::vector<std::string>{"write", "--port", "COM1", "--type", "KK,0F", c.file},
          std::vector<std::string>{"sort", "--by", "name", c.file, "--type", "KK,0F", "-o",
                                   work_.File("sorted.qvx")}}) {
      const CliRun run = RunCli(command, configHome_.Path());
      EXPECT_EQ(run.exitCode, 1) << command[0];
      EXPECT_EQ(run.err, "quorvan-cli: File Open error.\n" + c.why + "\n") << command[0];
      EXPECT_EQ(run.out, "");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(work_.File("sorted.qvx")));
  const CliRun unwritable =
      RunCli({"new", "--type", "KK,0F", "-o", work_.File("no/folder/x.qvx")}, configHome_.Path());
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(unwritable.err, "quorvan-cli: File Open error.\ncannot create a file next to " +
                                work_.File("no/folder/x.qvx") + ": No such file or directory\n");
}

// -o writes through a symbolic link and replaces only regular files; a name as long as the
// folder allows still gets its temporary file.
TEST_F(CliTest, OutputsReplaceOnlyRegularFilesAndFollowLinks) {
  ASSERT_EQ(::mkfifo(work_.File("fifo.qvx").c_str(), 0600), 0);
  std::filesystem::create_directory(work_.File("folder.qvx"));
  std::ofstream(work_.File("real.qvx"), std::ios::binary) << "old";
  std::filesystem::create_symlink("real.qvx", work_.File("link.qvx"));
  const std::string longName = work_.File(std::string(251, 'n') + ".qvx");
  const std::string expected =
      WriteChannelFileText(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")));

  for (const char* name : {"fifo.qvx", "folder.qvx"}) {
    const CliRun run =
        RunCli({"new", "--type", "KK,0F", "-o", work_.File(name)}, configHome_.Path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "quorvan-cli: File Open error.\ncannot write " + work_.File(name) +
                           ": not a regular file\n");
  }
  EXPECT_TRUE(std::filesystem::is_fifo(work_.File("fifo.qvx")));
  EXPECT_TRUE(std::filesystem::is_directory(work_.File("folder.qvx")));

  for (const std::string& target : {work_.File("link.qvx"), longName}) {
    const CliRun run = RunCli({"new", "--type", "KK,0F", "-o", target}, configHome_.Path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(work_.File("link.qvx")));
  EXPECT_EQ(ReadBytes(work_.File("real.qvx")), expected);
  EXPECT_EQ(ReadBytes(longName), expected);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work_.Path()), {}), 5);
}

// What does not reach standard output is a failure that is told, not a silent exit.
TEST_F(CliTest, StandardOutputThatCannotBeWrittenFailsWithAMessage) {
  const std::string file = work_.File("doc.qvx");
  ASSERT_EQ(RunCli({"new", "--type", "KK,0F", "-o", file}, configHome_.Path()).exitCode, 0);
  std::ofstream(work_.File("list.csv"), std::ios::binary) << "Location,Frequency\n1,146.520\n";
  const std::string other = work_.File("other.qvx");
  ASSERT_EQ(RunCli({"new", "--type", "ME,0B", "-o", other}, configHome_.Path()).exitCode, 0);
  const struct {
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {
      {{"cat", file, "--type", "KK,0F"}, 1},
      {{"export-csv", file, "--type", "KK,0F", "-o", work_.File("out.csv")}, 1},
      {{"import-csv", work_.File("list.csv"), file, "--type", "KK,0F", "-o", work_.File("in.qvx")},
       1},
      {{"new", "--type", "KK,0F", "-o", "-"}, 1},
      {{"--help"}, 1},
      // diff answers 0 or 1; a list cut short is neither.
      {{"diff", file, other, "--type", "KK,0F"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0]);
    const CliRun run = RunCli(c.args, configHome_.Path(), "/dev/full");
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err,
              "quorvan-cli: standard output could not be written: No space left on "
              "device\n");
  }
}

TEST_F(CliTest, UsageErrorsExitTwoWithAUsageText) {
  const std::string file = work_.File("u.qvx");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"help", "frobnicate"},
      {"new", "--type", "KK,0F"},
      {"new", "--type", "KK,0F", "-o"},
      {"new", "--type", "KK,0F", "-o", file, "extra"},
      {"new", "--model", "ARVEN", "-o", file},
      {"new", "--type", "KK0F", "-o", file},
      {"new", "--type", "kk,0f", "-o", file},
      {"new", "--type", "KK,0F", "--model", "arven", "-o", file},
      {"new", "--type", "KK,0F", "--type", "ME,0B", "-o", file},
      {"new", "--colour", "red", "-o", file},
      {"cat"},
      {"cat", file, file},
      {"cat", file, "--model", "BELTO"},
  };
  for (const std::vector<std::string>& args : cases) {
    std::string joined;
    for (const std::string& arg : args) joined += arg + " ";
    SCOPED_TRACE(joined);
    const CliRun run = RunCli(args, configHome_.Path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("usage"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
  }
}

// Whatever an argument holds, the message about it cannot steer the terminal.
TEST_F(CliTest, UsageErrorsShowControlCharactersEscaped) {
  const std::string file = work_.File("u.qvx");
  const std::vector<std::vector<std::string>> cases = {
      {"new", "--colo\x1b[2Jr", "-o", file},
      {"new", "--type", "KK,0F", "-o", file, "ex\x1b]0;tra\x07"},
      {"read", "--port", "COM1", "--scope", "al\rl", "-o", file},
      {"ports", "\x1b[1m"},
      {"verify", "--port", "COM1", "--port\n", "x", file},
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(args[1]);
    const CliRun run = RunCli(args, configHome_.Path());
    EXPECT_EQ(run.exitCode, 2);
    const std::string told = run.err.substr(0, run.err.find("usage:"));
    EXPECT_EQ(std::count_if(told.begin(), told.end(),
                            [](char c) { return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7F; }),
              0)
        << told;
    EXPECT_NE(told.find("\\x"), std::string::npos) << told;
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  }
}

TEST_F(CliTest, HelpAndVersion) {
  const CliRun help = RunCli({"--help"}, configHome_.Path());
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("  new "), std::string::npos);
  EXPECT_NE(help.out.find("  cat "), std::string::npos);
  EXPECT_NE(help.out.find("--model"), std::string::npos);

  const CliRun usage = RunCli({"help", "cat"}, configHome_.Path());
  EXPECT_EQ(usage.exitCode, 0);
  EXPECT_EQ(usage.out.rfind("usage: quorvan-cli cat FILE.qvx", 0), 0u) << usage.out;

  const CliRun version = RunCli({"--version"}, configHome_.Path());
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("quorvan-cli ", 0), 0u);
}

TEST_F(CliTest, WithoutTypeTheStoredBandPlanIsUsed) {
  const std::string file = work_.File("stored.qvx");
  const CliRun empty = RunCli({"new", "-o", file}, configHome_.Path());
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_NE(empty.err.find("no radio type is stored"), std::string::npos) << empty.err;
  EXPECT_FALSE(std::filesystem::exists(file));

  // This process's own settings folder, filled through the production store.
  {
    QSettingsStore store;
    store.SetValue("Type", "JJ,01");
    store.SetValue("Model", "CIRRA");
    store.SetValue("Limit0", "00140,00150");
    store.SetValue("Limit3", "");
  }
  const CliRun created = RunCli({"new", "-o", file}, testing::ProcessConfigHome());
  ASSERT_EQ(created.exitCode, 0) << created.err;
  BandPlan plan = MakeDefaultBandPlan("JJ,01", "CIRRA");
  plan.limits[0] = "00140,00150";
  EXPECT_EQ(ReadBytes(file), WriteChannelFileText(MakeNewDocument(plan)));
  const std::vector<std::string> lines = Lines(ReadBytes(file));
  ASSERT_GE(lines.size(), 45u);
  EXPECT_EQ(lines[lines.size() - 45], "0,00140,00149");
  EXPECT_EQ(lines[lines.size() - 42], "3,01260,01299");  // empty Limit3 takes the J default

  const CliRun shown = RunCli({"cat", file}, testing::ProcessConfigHome());
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(shown.out, ReadBytes(file));
}

// --type and --model take only what the program knows, and say what that is, with the markets.
TEST_F(CliTest, UnknownTypesAndModelsAreUsageErrorsThatListTheKnownOnes) {
  const std::string known =
      "  KK,0F  ARVEN  U.S.A./Canada\n  ME,0B  BELTO  Europe\n  JJ,01  BELTO  Japan\n"
      "  MM,07  BELTO  General market\nusage: quorvan-cli new ";
  const struct {
    std::vector<std::string> args;
    std::string problem;
  } cases[] = {
      {{"--type", "XX,00"}, "quorvan-cli: unknown type code \"XX,00\"; the known codes are:\n"},
      {{"--type", "KE,0F"}, "quorvan-cli: unknown type code \"KE,0F\"; the known codes are:\n"},
      {{"--type", "KK,0F", "--model", "FOO"},
       "quorvan-cli: unknown model \"FOO\"; the known models are ARVEN, BELTO and CIRRA, and "
       "the codes they come with:\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"new", "-o", work_.File("x.qvx")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunCli(args, configHome_.Path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.rfind(c.problem + known, 0), 0u) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(work_.File("x.qvx")));
  const CliRun cirra =
      RunCli({"new", "--type", "JJ,01", "--model", "CIRRA", "-o", "-"}, configHome_.Path());
  EXPECT_EQ(cirra.exitCode, 0) << cirra.err;
  EXPECT_EQ(cirra.out,
            WriteChannelFileText(MakeNewDocument(MakeDefaultBandPlan("JJ,01", "CIRRA"))));
}

TEST_F(CliTest, HelpOfAnUnknownCommandSaysWhatAnUnknownCommandSays) {
  const CliRun asked = RunCli({"help", "bogus"}, configHome_.Path());
  const CliRun given = RunCli({"bogus", "--type", "KK,0F"}, configHome_.Path());
  EXPECT_EQ(asked.exitCode, 2);
  EXPECT_EQ(given.exitCode, 2);
  EXPECT_EQ(asked.err.rfind("quorvan-cli: unknown command \"bogus\"\n\nusage: quorvan-cli ", 0), 0u)
      << asked.err;
  EXPECT_EQ(asked.err, given.err);
  EXPECT_EQ(asked.out + given.out, "");
}

// "-" reads standard input for every command that reads a file and writes standard output for
// every -o, which then carries that file alone: reports go to standard error.
TEST_F(CliTest, DashIsStandardInputAndStandardOutput) {
  RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  document.Store(SlotKind::Memory, 9, "009,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ZED");
  document.Store(SlotKind::Memory, 3, "003,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ALF");
  const std::string qvx = work_.File("doc.qvx");
  const std::string csv = work_.File("list.csv");
  std::ofstream(qvx, std::ios::binary) << WriteChannelFileText(document);
  std::ofstream(csv, std::ios::binary) << "Location,Frequency\n7,146.52\n";
  // What each command writes to files, as the reference for what it writes to standard output.
  const auto fileOutput = [&](std::vector<std::string> args, const std::string& out) {
    args.insert(args.end(), {"--type", "KK,0F", "-o", out});
    EXPECT_EQ(RunCli(args, configHome_.Path()).exitCode, 0);
    return ReadBytes(out);
  };
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string in;   // the file standard input reads
    std::string out;  // standard output expected
    std::string err;  // standard error expected
  } cases[] = {
      {"new",
       {"new", "-o", "-"},
       "/dev/null",
       WriteChannelFileText(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"))),
       ""},
      {"cat", {"cat", "-"}, qvx, ReadBytes(qvx), ""},
      {"sort",
       {"sort", "--by", "name", "-", "-o", "-"},
       qvx,
       fileOutput({"sort", "--by", "name", qvx}, work_.File("sorted.qvx")),
       ""},
      {"export-csv",
       {"export-csv", "-", "-o", "-"},
       qvx,
       fileOutput({"export-csv", qvx}, work_.File("out.csv")),
       "12 channels exported.\n"},
      {"import-csv list",
       {"import-csv", "-", qvx, "-o", "-"},
       csv,
       fileOutput({"import-csv", csv, qvx}, work_.File("in.qvx")),
       "1 row imported.\n"},
      {"import-csv document",
       {"import-csv", csv, "-", "-o", "-"},
       qvx,
       ReadBytes(work_.File("in.qvx")),
       "1 row imported.\n"},
      {"list",
       {"list", "-"},
       qvx,
       RunCli({"list", qvx, "--type", "KK,0F"}, configHome_.Path()).out,
       ""},
      {"diff", {"diff", qvx, "-"}, qvx, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--type", "KK,0F"});
    const CliRun run = RunCli(args, configHome_.Path(), {}, c.in);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(c.out.empty() && std::string(c.name) != "diff");
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
  }
  const CliRun twice = RunCli({"diff", "-", "-", "--type", "KK,0F"}, configHome_.Path(), {}, qvx);
  EXPECT_EQ(twice.exitCode, 2);
  const CliRun printed = RunCli({"print", "-", "--type", "KK,0F"}, configHome_.Path(), {}, qvx);
  EXPECT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_NE(printed.out.find("Quorvan [standard input]"), std::string::npos);
  EXPECT_NE(printed.out.find("ZED"), std::string::npos);
}

// The same comparison the write's verify uses: one line a field, and diff's exit status.
TEST_F(CliTest, DiffTellsFieldByFieldAndExitsByTheOutcome) {
  RadioImage first = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  first.Store(SlotKind::Memory, 12, "012,00145550000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,RPT");
  RadioImage second = first;
  second.Store(SlotKind::Memory, 12, "012,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,RPT");
  second.Menu().Set(kMenuBAT, "1");
  const std::string a = work_.File("a.qvx");
  const std::string b = work_.File("b.qvx");
  std::ofstream(a, std::ios::binary) << WriteChannelFileText(first);
  std::ofstream(b, std::ios::binary) << WriteChannelFileText(second);

  const CliRun same = RunCli({"diff", a, a, "--type", "KK,0F"}, configHome_.Path());
  EXPECT_EQ(same.exitCode, 0) << same.err;
  EXPECT_EQ(same.out, "");
  const CliRun differ = RunCli({"diff", a, b, "--type", "KK,0F"}, configHome_.Path());
  EXPECT_EQ(differ.exitCode, 1) << differ.err;
  EXPECT_EQ(differ.out, "memory 012: frequency 145.550 in " + a + ", 145.500 in " + b +
                            "\nmenu BAT: value 0 in " + a + ", 1 in " + b + "\n");
  const CliRun missing =
      RunCli({"diff", a, work_.File("none.qvx"), "--type", "KK,0F"}, configHome_.Path());
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "quorvan-cli: File Open error.\ncannot read " + work_.File("none.qvx") +
                             ": No such file or directory\n");
}

TEST_F(CliTest, ListWritesATableCsvOrJson) {
  RadioImage document = MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"));
  document.Store(SlotKind::Memory, 5,
                 "005,00145500000,5,2,0,0,0,0,08,08,000,000600000,0,0,,,0,\"Q\"");
  const std::string file = work_.File("doc.qvx");
  std::ofstream(file, std::ios::binary) << WriteChannelFileText(document);
  const auto list = [&](const char* format, bool all) {
    std::vector<std::string> args{"list", file, "--type", "ME,0B", "--format", format};
    if (all) args.emplace_back("--all");
    const CliRun run = RunCli(args, configHome_.Path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
  };
  EXPECT_EQ(list("text", false),
            "Memory  Receive  Transmit  Shift  Offset  Reverse  Tone  Mode  Step     Lockout  Power"
            "  Name\n005     145.500            -      0.60    no             FM    12.5kHz  no    "
            "   High   \"Q\"\n");
  EXPECT_EQ(list("csv", false).substr(0, 20), "kind,slot,receive,tr");
  QJsonParseError error{};
  const QJsonDocument json =
      QJsonDocument::fromJson(QByteArray::fromStdString(list("json", true)), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_EQ(json.object()["memory"].toArray().at(0).toObject()["name"].toString(), "\"Q\"");
  EXPECT_EQ(json.object()["menu"].toArray().size(), 37);  // E: no 220 MHz, no 1200 MHz items
  const CliRun bad = RunCli({"list", file, "--format", "xml"}, configHome_.Path());
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.err.rfind("quorvan-cli: unknown format \"xml\"\nusage: quorvan-cli list", 0), 0u);
}

}  // namespace
}  // namespace quorvan
