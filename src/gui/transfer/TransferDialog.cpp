#include "gui/transfer/TransferDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/diagnostics/TracingByteChannel.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/MessageService.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/TransferFacts.h"
#include "io/session/TransferRecorder.h"

namespace quorvan {

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
  detail_->setMinimumWidth(detail_->fontMetrics().horizontalAdvance(
      QStringLiteral("Reading back 000 items: 0000 of 0000, about 00 min 00 s left")));
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
  const std::string activity = sequence_ ? sequence_->Activity() : std::string();
  detail_->setText(QString::fromStdString(
      ProgressLine(activity, position, maximum, static_cast<double>(clock_.elapsed()) / 1000.0)));
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
