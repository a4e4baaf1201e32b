#include "cli/CliTransfer.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <memory>

#include "core/diagnostics/TracingByteChannel.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/TransferFacts.h"

namespace quorvan {

namespace {

constexpr int kBarWidth = 40;

// Ctrl+C reaches the event loop through a pipe: the handler only writes one byte.
int gInterruptPipe[2] = {-1, -1};

extern "C" void OnInterrupt(int) {
  const char byte = 1;
  [[maybe_unused]] const auto ignored = write(gInterruptPipe[1], &byte, 1);
}

class InterruptGuard {
 public:
  InterruptGuard() {
    if (pipe(gInterruptPipe) != 0) return;
    for (const int fd : gInterruptPipe) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    installed_ = sigaction(SIGINT, &action, &previous_) == 0;
  }
  ~InterruptGuard() {
    if (installed_) sigaction(SIGINT, &previous_, nullptr);
    for (int& fd : gInterruptPipe) {
      if (fd >= 0) close(fd);
      fd = -1;
    }
  }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  int ReadFd() const { return gInterruptPipe[0]; }

 private:
  struct sigaction previous_ {};
  bool installed_ = false;
};

class ProgressPrinter {
 public:
  ProgressPrinter(std::ostream& err, ProgressShown shown)
      : err_(err),
        terminal_(isatty(STDERR_FILENO)),
        shown_(shown == ProgressShown::Always ||
               (shown == ProgressShown::OnTerminal && terminal_)) {}
  ~ProgressPrinter() {
    if (terminal_ && drawn_) err_ << "\n" << std::flush;
  }
  ProgressPrinter(const ProgressPrinter&) = delete;
  ProgressPrinter& operator=(const ProgressPrinter&) = delete;

  void Show(int position, int maximum) {
    if (!shown_ || maximum <= 0) return;
    const int percent = static_cast<int>(100L * position / maximum);
    if (terminal_) {
      if (percent == lastPercent_) return;
      const int filled = kBarWidth * percent / 100;
      err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
           << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << percent
           << "%" << std::flush;
      drawn_ = true;
    } else if (lastPercent_ < 0 || percent / 10 != lastPercent_ / 10) {
      err_ << percent / 10 * 10 << "%\n" << std::flush;
    }
    lastPercent_ = percent;
  }

 private:
  std::ostream& err_;
  bool terminal_;
  bool shown_;
  bool drawn_ = false;
  int lastPercent_ = -1;
};

}  // namespace

ProgressShown ProgressOption(const CommandArgs& args) {
  // Asked to be quiet, a command is quiet whatever else it was asked.
  if (args.Option(kQuietOption)) return ProgressShown::Never;
  if (args.Option(kProgressOption)) return ProgressShown::Always;
  return ProgressShown::OnTerminal;
}

bool ParseTransferScope(std::string_view text, TransferScope& scope) {
  if (text == "all") {
    scope = TransferScope::All;
  } else if (text == "memory") {
    scope = TransferScope::Memory;
  } else if (text == "menu") {
    scope = TransferScope::Menu;
  } else {
    return false;
  }
  return true;
}

bool TransferTarget(const CommandArgs& args, std::string& port, TransferScope& scope,
                    std::string& problem) {
  const auto portOption = args.Option(kPortOption);
  if (!portOption || portOption->empty()) {
    problem = "missing --port DEV";
    return false;
  }
  port = *portOption;
  scope = TransferScope::All;
  const auto scopeOption = args.Option(kScopeOption);
  if (scopeOption && !ParseTransferScope(*scopeOption, scope)) {
    problem = "invalid scope \"" + *scopeOption + "\" (all, memory or menu)";
    return false;
  }
  return true;
}

TransferResult RunTransfer(TransferSequence& sequence, const std::string& port, std::ostream& err,
                           ProgressShown shown, TransferSession::RejectionProbe probe,
                           TransferTrace* trace) {
  std::unique_ptr<QCoreApplication> app;
  static int argc = 1;
  static char name[] = "quorvan-cli";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

  TQuentarComm comm;
  CommByteChannel channel(comm);
  TracingByteChannel tracing(channel);
  tracing.SetTrace(trace);
  if (trace) trace->BeginTransfer({}, PortFacts(QString::fromStdString(port), &comm));
  TransferSession session(tracing);
  QEventLoop loop;
  TransferResult result;
  ProgressPrinter printer(err, shown);
  QObject::connect(&session, &TransferSession::progress, &loop,
                   [&printer](int position, int maximum) { printer.Show(position, maximum); });
  QObject::connect(&session, &TransferSession::finished, &loop,
                   [&](TransferSession::Outcome outcome, const QString& message) {
                     result.outcome = outcome;
                     result.message = message.toStdString();
                     loop.quit();
                   });

  InterruptGuard interrupt;
  std::unique_ptr<QSocketNotifier> notifier;
  if (interrupt.ReadFd() >= 0) {
    notifier = std::make_unique<QSocketNotifier>(interrupt.ReadFd(), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &loop, [&] {
      char bytes[16];
      while (read(interrupt.ReadFd(), bytes, sizeof bytes) > 0) {
      }
      result.interrupted = true;
      session.Cancel();
    });
  }

  session.Start(sequence, QString::fromStdString(port), std::move(probe));
  if (session.IsRunning()) loop.exec();
  if (trace)
    trace->Note("end: " + OutcomeNote(result.outcome, QString::fromStdString(result.message)));
  return result;
}

int ReportTransfer(const TransferResult& result, CliContext& context) {
  using Outcome = TransferSession::Outcome;
  if (result.outcome == Outcome::Completed && result.message.empty()) return kExitOk;
  if (result.outcome == Outcome::Cancelled) {
    return ReportError(context, "cancelled; the port is closed",
                       result.interrupted ? kExitInterrupted : kExitFailure);
  }
  return ReportError(context, result.message);
}

std::string BackupFolder() {
  QCoreApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  QCoreApplication::setApplicationName(QStringLiteral("Quorvan"));
  return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/backups"))
      .toStdString();
}

}  // namespace quorvan
