// The generated bash completion, run by bash as a shell would run it on Tab.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "BashCompletion.h"

namespace quorvan {
namespace {

namespace fs = std::filesystem;

class BashCompletionTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("quorvan-completion-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_ / "sub");
    for (const char* name : {"radio.qvx", "list.csv", "page.pdf", "notes.txt"}) {
      std::ofstream(folder_ / name) << "x";
    }
    script_ = folder_ / "quorvan-cli.bash";
    std::ofstream(script_) << CliBashCompletion(CommandTable());
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The words offered after typing `line`; the word being completed is the last one (empty
  // after a trailing blank). The program named first does not exist, so no ports are listed.
  std::set<std::string> Complete(const std::string& line) {
    std::istringstream split(line);
    std::vector<std::string> words{"/nonexistent/quorvan-cli"};
    for (std::string word; split >> word;) words.push_back(word);
    if (line.empty() || line.back() == ' ') words.emplace_back();
    std::string array;
    for (const std::string& word : words) array += " '" + word + "'";
    const std::string command = "cd '" + folder_.string() + "' && source '" + script_.string() +
                                "' && COMP_WORDS=(" + array +
                                ") && COMP_CWORD=" + std::to_string(words.size() - 1) +
                                " && _quorvan_cli && printf '%s\\n' \"${COMPREPLY[@]}\"";
    const std::string bash = "bash --norc --noprofile -c \"$QUORVAN_COMPLETION_COMMAND\"";
    ::setenv("QUORVAN_COMPLETION_COMMAND", command.c_str(), 1);
    FILE* pipe = ::popen(bash.c_str(), "r");
    std::set<std::string> offered;
    if (!pipe) return offered;
    char buffer[512];
    std::string out;
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << line << "\n" << out;
    std::istringstream lines(out);
    for (std::string word; std::getline(lines, word);) {
      if (!word.empty()) offered.insert(word);
    }
    return offered;
  }

  fs::path folder_;
  fs::path script_;
};

using Words = std::set<std::string>;

TEST_F(BashCompletionTest, CommandsOptionsValuesAndFilesByPlace) {
  Words commands{"help", "--help", "--version"};
  for (const CliCommand* command : CommandTable()) commands.emplace(command->name);
  const std::vector<std::pair<std::string, Words>> cases = {
      {"", commands},
      {"re", {"read"}},
      {"help ",
       [&] {
         Words names = commands;
         for (const char* global : {"help", "--help", "--version"}) names.erase(global);
         return names;
       }()},
      {"read --", {"--port", "--scope", "--type", "--model", "--quiet", "--progress", "--trace"}},
      {"read -",
       {"--port", "--scope", "--type", "--model", "--quiet", "--progress", "--trace", "-o"}},
      {"list radio.qvx --format ", {"text", "csv", "json"}},
      {"diff radio.qvx ", {"sub", "radio.qvx"}},
      {"read --scope ", {"all", "memory", "menu"}},
      {"write --scope me", {"memory", "menu"}},
      {"sort --by ", {"frequency", "name"}},
      {"new --type ", {"KK,0F", "ME,0B", "JJ,01", "MM,07"}},
      {"new --type KK,0F --model ", {"ARVEN", "BELTO", "CIRRA"}},
      {"read --port ", {"COM1", "COM2", "COM3", "COM4"}},
      {"new -o ", {"sub", "radio.qvx"}},
      {"print radio.qvx --pdf ", {"sub", "page.pdf"}},
      {"export-csv radio.qvx -o ", {"sub", "list.csv"}},
      // Operands by position: a CSV list first, then a channel file; option values skipped.
      {"import-csv ", {"sub", "list.csv"}},
      {"import-csv --type KK,0F list.csv ", {"sub", "radio.qvx"}},
      {"cat ", {"sub", "radio.qvx"}},
      {"write --port COM1 ", {"sub", "radio.qvx"}},
      // A repeated device operand: serial ports however many were given, files after --trace.
      {"find ", {"COM1", "COM2", "COM3", "COM4"}},
      {"find --trace find.log COM2 ", {"COM1", "COM2", "COM3", "COM4"}},
      {"find --trace ",
       {"sub", "radio.qvx", "list.csv", "page.pdf", "notes.txt", "quorvan-cli.bash"}},
      // An operand of words, then free values: nothing is offered for an entry's number.
      {"history ", {"show", "diff", "restore", "pin", "unpin"}},
      {"history re", {"restore"}},
      {"history diff 3 ", {}},
      {"history restore 3 --port ", {"COM1", "COM2", "COM3", "COM4"}},
      // Nothing for a command without operands or an unknown command.
      {"ports ", {}},
      {"bogus ", {}},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(Complete(line), expected) << "quorvan-cli " << line;
  }
}

TEST_F(BashCompletionTest, EveryCommandHasItsOwnCase) {
  const std::string script = CliBashCompletion(CommandTable());
  for (const CliCommand* command : CommandTable()) {
    EXPECT_NE(script.find("\n    " + std::string(command->name) + ")\n"), std::string::npos)
        << command->name;
  }
  EXPECT_NE(script.find("complete -F _quorvan_cli quorvan-cli\n"), std::string::npos);
}

}  // namespace
}  // namespace quorvan
