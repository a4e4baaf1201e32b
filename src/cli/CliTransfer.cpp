#include "cli/CliTransfer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <memory>

#include "cli/StopSignals.h"
#include "cli/Terminal.h"
#include "core/diagnostics/TracingByteChannel.h"
#include "core/model/EscapedText.h"
#include "io/serial/PortAdvice.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/TransferFacts.h"
#include "io/settings/BackupLocation.h"

namespace quorvan {

namespace {

constexpr int kBarWidth = 40;

class ProgressPrinter {
 public:
  ProgressPrinter(std::ostream& err, ProgressShown shown)
      : err_(err),
        terminal_(StandardErrorIsTerminal()),
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

// The serial port needs an application object; a command that has none gets one for the
// transfer.
std::unique_ptr<QCoreApplication> EnsureApplication() {
  static int argc = 1;
  static char name[] = "quorvan-cli";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return nullptr;
  return std::make_unique<QCoreApplication>(argc, argv);
}

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
    problem = "invalid scope \"" + EscapeControls(*scopeOption) + "\" (all, memory or menu)";
    return false;
  }
  return true;
}

TransferResult RunTransfer(TransferSequence& sequence, const std::string& port, std::ostream& err,
                           ProgressShown shown, TransferSession::RejectionProbe probe,
                           TransferTrace* trace) {
  const std::unique_ptr<QCoreApplication> app = EnsureApplication();

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

  StopSignals stops;
  std::unique_ptr<QSocketNotifier> notifier;
  if (stops.ReadFd() >= 0) {
    notifier = std::make_unique<QSocketNotifier>(stops.ReadFd(), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &loop, [&] {
      const int signal = stops.TakeSignal();
      if (signal == 0 || result.stopSignal != 0) return;
      result.stopSignal = signal;
      session.Cancel();
    });
  }

  session.Start(sequence, QString::fromStdString(port), std::move(probe));
  if (session.IsRunning()) loop.exec();
  if (trace)
    trace->Note("end: " + OutcomeNote(result.outcome, QString::fromStdString(result.message)));
  return result;
}

int ReportTransfer(const TransferResult& result, CliContext& context, std::string_view afterwards) {
  using Outcome = TransferSession::Outcome;
  if (result.outcome == Outcome::Completed && result.message.empty()) return kExitOk;
  const std::string then = afterwards.empty() ? std::string() : "\n" + std::string(afterwards);
  if (result.outcome == Outcome::Cancelled) {
    if (result.stopSignal == 0) return ReportError(context, "cancelled; the port is closed" + then);
    const std::string how = IsInterrupt(result.stopSignal)
                                ? "cancelled"
                                : std::string("stopped by ") + SignalName(result.stopSignal);
    return ReportError(context, how + "; the port is closed" + then,
                       ExitStatusOfSignal(result.stopSignal));
  }
  return ReportError(context, result.message + then);
}

int CheckTransferPort(const std::string& port, CliContext& context) {
  const std::unique_ptr<QCoreApplication> app = EnsureApplication();
  TQuentarComm comm;
  CommByteChannel channel(comm);
  if (channel.CheckPortValid(port)) return kExitOk;
  const QString message = TransferSession::MessageFor(TransferSession::Outcome::InvalidPort);
  return ReportError(context,
                     WithPortAccessAdvice(message, QString::fromStdString(port)).toStdString());
}

std::string BackupFolder() {
  QCoreApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  QCoreApplication::setApplicationName(QStringLiteral("Quorvan"));
  return QFile::encodeName(BackupFolderLocation()).toStdString();
}

}  // namespace quorvan
