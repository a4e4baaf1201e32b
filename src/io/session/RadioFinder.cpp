#include "io/session/RadioFinder.h"

#include <QFile>
#include <QSerialPort>

#include "core/diagnostics/TransferTrace.h"
#include "core/messages/MessagePatterns.h"
#include "core/model/RadioImage.h"
#include "core/transfer/IdentificationOnly.h"
#include "core/transfer/ReadSequence.h"
#include "io/serial/PortAccess.h"
#include "io/serial/SerialPortNames.h"
#include "io/session/TransferFacts.h"

namespace quorvan {

namespace {

using Kind = PortFinding::Kind;
using Outcome = TransferSession::Outcome;

// What follows the fixed text of a message: the session's detail.
std::string DetailAfter(const QString& message, const QString& fixedText) {
  if (!fixedText.isEmpty() && message.startsWith(fixedText + QLatin1Char('\n'))) {
    return message.mid(fixedText.size() + 1).toStdString();
  }
  return message.toStdString();
}

// Why a port that failed the port test cannot be used. The session has closed it; this opens
// it once more, alone, to ask the system.
Kind RefusedPortKind(const QString& device, std::string& detail) {
  const QString location = SystemPortLocation(device);
  const PortAccessFacts facts = ProbePortAccess(QFile::encodeName(location).toStdString());
  if (facts.exists && !facts.accessible) {
    detail = PortAccessMessage(facts);
    return Kind::NoPermission;
  }
  QSerialPort probe;
  probe.setPortName(location);
  if (probe.open(QIODevice::ReadWrite)) {
    probe.close();  // free again a moment later: it was held then
    return Kind::Busy;
  }
  switch (probe.error()) {
    case QSerialPort::DeviceNotFoundError:
      return Kind::Missing;
    case QSerialPort::PermissionError:
      // This user may use the device (or the system does not say otherwise): another program
      // holds it.
      return Kind::Busy;
    default:
      return Kind::NotSerial;
  }
}

}  // namespace

RadioFinder::RadioFinder(QObject* parent) : QObject(parent) {
  session_.SetReplyTimeout(kReplyTimeoutMs);
  budget_.setSingleShot(true);
  connect(&budget_, &QTimer::timeout, this, [this] {
    overBudget_ = true;
    session_.Cancel();
  });
  connect(&session_, &TransferSession::finished, this, &RadioFinder::OnSessionFinished);
}

RadioFinder::~RadioFinder() = default;

bool RadioFinder::Start(const QStringList& devices, TransferTrace* trace) {
  if (running_) return false;
  running_ = true;
  cancelled_ = false;
  trace_ = trace;
  devices_ = devices;
  next_ = 0;
  findings_.clear();
  QTimer::singleShot(0, this, &RadioFinder::TryNext);
  return true;
}

void RadioFinder::Cancel() {
  if (!running_ || cancelled_) return;
  cancelled_ = true;
  // Between two ports the next one is not begun; during one its session ends first.
  if (session_.IsRunning()) session_.Cancel();
}

void RadioFinder::TryNext() {
  if (cancelled_ || next_ >= devices_.size()) {
    End();
    return;
  }
  const QString device = devices_.at(next_);
  emit trying(next_, static_cast<int>(devices_.size()), device);
  scratch_ = std::make_unique<RadioImage>();
  read_ = std::make_unique<ReadSequence>(*scratch_, TransferScope::Menu);
  identification_ = std::make_unique<IdentificationOnly>(*read_);
  overBudget_ = false;
  tracing_.SetTrace(trace_);
  if (trace_) trace_->BeginTransfer("find", PortFacts(device, &comm_));
  budget_.start(kPortBudgetMs);
  session_.Start(*identification_, device);
}

void RadioFinder::OnSessionFinished(Outcome outcome, const QString& message) {
  budget_.stop();
  const QString device = devices_.at(next_);
  ++next_;
  if (outcome == Outcome::Cancelled && cancelled_ && !overBudget_) {
    if (trace_) trace_->Note("end: the search was cancelled");
    tracing_.SetTrace(nullptr);
    End();
    return;
  }
  findings_.push_back(Classify(device, outcome, message));
  if (trace_) trace_->Note("end: " + FindingLine(findings_.back()));
  tracing_.SetTrace(nullptr);
  emit portTried();
  // The next port begins from the event loop, after this port's session has fully ended.
  QTimer::singleShot(0, this, &RadioFinder::TryNext);
}

PortFinding RadioFinder::Classify(const QString& device, Outcome outcome,
                                  const QString& message) const {
  PortFinding finding;
  finding.device = device.toStdString();
  switch (outcome) {
    case Outcome::Completed:
      finding.kind = Kind::Radio;
      finding.model = scratch_->Plan().model;
      finding.type = scratch_->Plan().type;
      break;
    case Outcome::TimedOut:
      finding.kind = Kind::NoAnswer;
      break;
    case Outcome::Cancelled:
      finding.kind = Kind::NoAnswer;
      finding.detail = FillIn(pattern::kNoCompleteAnswer, {std::to_string(kPortBudgetMs / 1000)});
      break;
    case Outcome::InvalidRadio:
      finding.kind = Kind::OtherDevice;
      finding.detail = DetailAfter(message, TransferSession::MessageFor(outcome));
      break;
    case Outcome::MalformedRecord:
      finding.kind = Kind::OtherDevice;
      finding.detail = message.toStdString();
      break;
    case Outcome::InvalidPort:
      finding.kind = RefusedPortKind(device, finding.detail);
      break;
    case Outcome::CommError:
      finding.kind = Kind::LineFailed;
      finding.detail = message.toStdString();
      break;
  }
  return finding;
}

void RadioFinder::End() {
  running_ = false;
  scratch_.reset();
  identification_.reset();
  read_.reset();
  emit finished();
}

}  // namespace quorvan
