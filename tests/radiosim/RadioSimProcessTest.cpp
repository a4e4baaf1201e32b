// quorvan-radiosim as a process: its first line names the pseudo-terminal a client opens.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Generous guard so a broken radio fails the test instead of hanging it; not a timing check.
constexpr int kGuardMs = 10000;

class RadioSimProcess {
 public:
  explicit RadioSimProcess(std::vector<std::string> args) {
    int out[2];
    if (::pipe(out) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], STDOUT_FILENO);
      ::close(out[0]);
      ::close(out[1]);
      std::vector<char*> argv;
      static std::string program = QUORVAN_RADIOSIM_PATH;
      argv.push_back(program.data());
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      ::execv(program.c_str(), argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    stdout_ = out[0];
  }
  ~RadioSimProcess() {
    if (pid_ > 0 && !waited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (stdout_ >= 0) ::close(stdout_);
  }

  // The first line the radio prints.
  std::string FirstLine() {
    std::string line;
    char c = 0;
    while (WaitReadable(stdout_) && ::read(stdout_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  int Terminate() {
    ::kill(pid_, SIGTERM);
    return Wait();
  }
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    waited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static bool WaitReadable(int fd) {
    pollfd watch{fd, POLLIN, 0};
    return ::poll(&watch, 1, kGuardMs) == 1;
  }

 private:
  pid_t pid_ = -1;
  int stdout_ = -1;
  bool waited_ = false;
};

// Sends one command with its CR and collects the reply up to and including its CR.
std::string Exchange(int port, const std::string& command) {
  const std::string line = command + "\r";
  if (::write(port, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return {};
  std::string reply;
  char c = 0;
  while (RadioSimProcess::WaitReadable(port) && ::read(port, &c, 1) == 1) {
    reply += c;
    if (c == '\r') break;
  }
  return reply;
}

std::string TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/radiosim-XXXXXX";
  return ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(RadioSimProcess, AnswersOnItsPseudoTerminalAcrossReopens) {
  const std::string dir = TempDir();
  ASSERT_FALSE(dir.empty());
  RadioSimProcess radio({"--log", dir + "/log.txt", "--save-on-exit", dir + "/held.qvx"});
  const std::string path = radio.FirstLine();
  ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;

  int port = ::open(path.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(port, 0);
  EXPECT_EQ(Exchange(port, "ID"), "ID ARVEN\r");
  EXPECT_EQ(Exchange(port, "BC 1"), "BC 1\r");
  ::close(port);

  port = ::open(path.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(port, 0);
  EXPECT_EQ(Exchange(port, "BC"), "BC 1\r") << "the radio keeps its state between clients";
  EXPECT_EQ(Exchange(port, "NOPE"), "?\r");
  ::close(port);

  EXPECT_EQ(radio.Terminate(), 0);
  EXPECT_EQ(FileText(dir + "/log.txt"), "ID\nBC 1\nBC\nNOPE\n");
  const std::string saved = FileText(dir + "/held.qvx");
  EXPECT_EQ(saved.rfind("QUENTAR Chanvault for DOVRA\r\n", 0), 0u);
  EXPECT_NE(saved.find("\r\n1\r\n2\r\n1\r\n"), std::string::npos) << "BC 1 is in the menu";
}

TEST(RadioSimProcess, ClosesTheLineAfterTheCommandsItWasGiven) {
  RadioSimProcess radio({"--close-after", "1", "--type", "ME,0B", "--model", "BELTO"});
  const std::string path = radio.FirstLine();
  const int port = ::open(path.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(port, 0);
  EXPECT_EQ(Exchange(port, "TYD"), "TYD ME,0B\r");
  EXPECT_EQ(radio.Wait(), 0);
  ::close(port);
}

TEST(RadioSimProcess, RefusesBadOptionsWithoutOpeningALine) {
  RadioSimProcess radio({"--baud", "fast"});
  EXPECT_EQ(radio.FirstLine(), "");
  EXPECT_EQ(radio.Wait(), 2);
}

}  // namespace
