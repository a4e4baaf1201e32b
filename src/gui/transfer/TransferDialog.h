#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

#include "core/messages/TransferNotes.h"
#include "io/session/TransferSession.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvan {

class ByteChannel;
class MessageService;
class TQuentarComm;
class TracingByteChannel;
class TransferRecorder;

// The modal progress dialog both transfers run in: a caption, its fixed line of text, a second
// line that tells what is being transferred, how far it is and how long is left, a progress bar
// and Cancel, over one serial component and one transfer session.
class TransferDialog : public QDialog {
  Q_OBJECT

 public:
  // With `channel` null the dialog uses its own serial component (production); tests hand in
  // a channel of their own.
  TransferDialog(const QString& caption, const QString& text, MessageService& messages,
                 ByteChannel* channel, QWidget* parent);
  ~TransferDialog() override;

  // Whether the port can be used, asked of this dialog's serial component.
  bool CheckPort(const QString& portName);
  // Every transfer from now on is offered to `recorder` (null: none), which traces it while
  // the user has it recording.
  void SetRecorder(TransferRecorder* recorder) { recorder_ = recorder; }
  TransferSession& Session() { return *session_; }
  QProgressBar* ProgressBar() const { return progress_; }
  QPushButton* CancelButton() const { return cancel_; }
  // The second line: "Memory channels: 123 of 432, about 20 s left".
  QLabel* DetailLabel() const { return detail_; }
  // How the last transfer ended and how long it ran.
  TransferEnd LastEnd() const { return lastEnd_; }
  double LastSeconds() const { return lastSeconds_; }

 public slots:
  void reject() override;  // Cancel, Escape and the close box

 protected:
  // Shows the dialog modally while `sequence` runs; true when it ran to its end.
  bool RunModal(TransferSequence& sequence, const QString& portName);

 private:
  void OnFinished(TransferSession::Outcome outcome, const QString& message);
  void ShowProgress(int position, int maximum);

  MessageService& messages_;
  std::unique_ptr<TQuentarComm> comm_;
  std::unique_ptr<ByteChannel> ownChannel_;
  ByteChannel* channel_;
  std::unique_ptr<TracingByteChannel> tracing_;
  TransferRecorder* recorder_ = nullptr;
  std::unique_ptr<TransferSession> session_;
  QLabel* text_;
  QLabel* detail_;
  QProgressBar* progress_;
  QPushButton* cancel_;
  bool completed_ = false;
  TransferSequence* sequence_ = nullptr;
  QElapsedTimer clock_;
  TransferEnd lastEnd_ = TransferEnd::Completed;
  double lastSeconds_ = 0;
};

}  // namespace quorvan
