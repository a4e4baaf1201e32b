#include "gui/transfer/TransferDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "core/diagnostics/TracingByteChannel.h"
#include "core/messages/MessagePatterns.h"
#include "core/messages/TransferNotes.h"
#include "core/transfer/TransferCommands.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/MessageService.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/TransferFacts.h"
#include "io/session/TransferRecorder.h"

namespace quorvan {

namespace {

// The widest second line a transfer may show in the window's language: every activity with
// four-digit counts and the longest time left.
int WidestProgressLine(const QFontMetrics& metrics) {
  std::vector<std::string> activities{FillIn(pattern::kCheckingMany, {"000"}),
                                      FillIn(pattern::kReadingBackMany, {"000"}), kWritingActivity};
  for (int step : {kStepBandList, kStepEmptySlot, kStepCallMain, kStepVfo, kStepProgramVfo,
                   kStepDtmfCode, kStepFirstMenu}) {
    activities.push_back(StepActivity(step));
    activities.push_back(WriteStepActivity(step));
  }
  int widest = 0;
  for (const std::string& activity : activities) {
    const std::string line =
        ProgressLine(MessageText(activity).toStdString(), 4444, 8888, 3599, CatalogueText);
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
  }
  return widest;
}

}  // namespace

TransferDialog::TransferDialog(const QString& caption, const QString& text,
                               MessageService& messages, ByteChannel* channel, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      text_(new QLabel(text, this)),
      detail_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
  if (channel) {
    channel_ = channel;
  } else {
    comm_ = std::make_unique<TQuentarComm>();
    ownChannel_ = std::make_unique<CommByteChannel>(*comm_);
    channel_ = ownChannel_.get();
  }
  tracing_ = std::make_unique<TracingByteChannel>(*channel_);
  session_ = std::make_unique<TransferSession>(*tracing_);
  setWindowTitle(caption);
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  progress_->setTextVisible(false);
  progress_->setMinimumWidth(260);
  cancel_->setObjectName(QStringLiteral("CancelButton"));
  // The bar shows no text of its own: a screen reader says what it measures, then how far.
  NameControl(progress_, text);
  auto* layout = new QVBoxLayout(this);
  detail_->setObjectName(QStringLiteral("TransferDetail"));
  // As wide as its longest text, so the dialog does not change its size while it runs.
  detail_->setMinimumWidth(WidestProgressLine(detail_->fontMetrics()));
  layout->addWidget(text_);
  layout->addWidget(detail_);
  layout->addWidget(progress_);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  connect(cancel_, &QPushButton::clicked, this, &TransferDialog::reject);
  connect(session_.get(), &TransferSession::progress, this, &TransferDialog::ShowProgress);
  connect(session_.get(), &TransferSession::finished, this, &TransferDialog::OnFinished);
}

TransferDialog::~TransferDialog() = default;

bool TransferDialog::CheckPort(const QString& portName) {
  try {
    return channel_->CheckPortValid(portName.toStdString());
  } catch (const std::exception&) {
    return false;
  }
}

bool TransferDialog::RunModal(TransferSequence& sequence, const QString& portName) {
  completed_ = false;
  progress_->setMaximum(1);
  progress_->setValue(0);
  sequence_ = &sequence;
  detail_->clear();
  clock_.start();
  if (recorder_) tracing_->SetTrace(recorder_->BeginTransfer(windowTitle(), portName, comm_.get()));
  if (session_->Start(sequence, portName)) exec();
  if (tracing_->Trace()) {
    tracing_->SetTrace(nullptr);
    recorder_->EndTransfer(
        QString::fromStdString(OutcomeNote(session_->LastOutcome(), session_->LastMessage())));
  }
  sequence_ = nullptr;
  return completed_;
}

void TransferDialog::ShowProgress(int position, int maximum) {
  progress_->setMaximum(std::max(maximum, 1));
  progress_->setValue(std::clamp(position, 0, std::max(maximum, 1)));
  const std::string activity =
      sequence_ ? MessageText(sequence_->Activity()).toStdString() : std::string();
  detail_->setText(QString::fromStdString(ProgressLine(
      activity, position, maximum, static_cast<double>(clock_.elapsed()) / 1000.0, CatalogueText)));
}

void TransferDialog::OnFinished(TransferSession::Outcome outcome, const QString& message) {
  using Outcome = TransferSession::Outcome;
  completed_ = outcome == Outcome::Completed;
  lastSeconds_ = static_cast<double>(clock_.elapsed()) / 1000.0;
  lastEnd_ = completed_                      ? TransferEnd::Completed
             : outcome == Outcome::Cancelled ? TransferEnd::Cancelled
                                             : TransferEnd::Failed;
  if (outcome == Outcome::Completed && !message.isEmpty()) {
    messages_.Warning(TranslatedMessage(message));  // the radio refused some commands
  } else if (!message.isEmpty()) {
    messages_.Error(TranslatedMessage(message));
  }
  // A port that could not be used or a line that failed leaves the dialog open until Cancel,
  // so the message is read against the dialog it belongs to.
  if (outcome == Outcome::InvalidPort || outcome == Outcome::CommError) return;
  QDialog::accept();
}

void TransferDialog::reject() {
  if (session_->IsRunning()) {
    session_->Cancel();  // the dialog closes when the session reports the end
    return;
  }
  QDialog::reject();
}

}  // namespace quorvan
