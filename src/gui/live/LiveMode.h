#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/model/Document.h"
#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/LiveQueue.h"
#include "core/transfer/LiveStep.h"
#include "io/session/TransferSession.h"

namespace quorvan {

class ByteChannel;
class CommByteChannel;
class DocumentSignals;
class HeldOpenChannel;
class MessageService;
class TQuentarComm;
class WriteJournal;

// Radio > Live Mode: every step that changes the document is written to the radio a moment
// later, in the background, as a write of changes of that step's items with its journal, and
// read back. The queue (core) decides what goes when; this class runs the writes over a port it
// keeps open, and tells the window what to show. A failure pauses it until Resume().
class LiveMode : public QObject {
  Q_OBJECT

 public:
  // With `line` null live mode uses a serial component of its own (production); tests hand in
  // a line of their own. `backupFolder` is where the baselines and journals are.
  LiveMode(const quorvan::Document& document, DocumentSignals& documentSignals,
           MessageService& messages, ByteChannel* line, QString backupFolder,
           QObject* parent = nullptr);
  ~LiveMode() override;

  bool Active() const { return active_; }
  // Turns live mode on over `portName` once the radio is known to hold the document: at once
  // when its newest baseline equals the document, else after asking whether to write the
  // differences first or to read the radio first (`readRadio`, true when the read completed).
  bool Start(const QString& portName, const std::function<bool()>& readRadio);
  // Turns it off: waits for what is on its way; with items the radio may not hold, asks first.
  // False when the user chose to stay live.
  bool Leave();
  // After a pause: reads what the radio holds of every item not confirmed, sends what it lacks.
  void Resume();

  std::optional<LiveItemState> StateOf(ItemRef item) const;
  // What the status bar shows while live (empty when not).
  QString StatusText() const;
  // Why live mode is paused and what to do (empty unless paused).
  QString PausedText() const { return pausedText_; }
  bool Paused() const { return active_ && queue_.Paused(); }
  bool Settled() const { return queue_.Settled(); }

 signals:
  void ActiveChanged(bool on);
  // The states of these items changed: their rows show it.
  void ItemsChanged(const std::vector<quorvan::ItemRef>& items);
  // The status text, the pause, or both changed.
  void StatusChanged();

 private:
  void Begin(const QString& portName);
  void Stop();
  void OnDocumentChanged(ChangeKind kind, const ImageChanges& changes);
  void SendNext();
  void SendLater();
  void OnFinished(TransferSession::Outcome outcome, const QString& message);
  // The step's write ended with `judged`; `holds` is what the radio holds when that is known
  // and its state was kept on disk.
  void CloseStep(LiveStepOutcome judged, const std::optional<RadioImage>& holds);
  void EndStep(const ItemSet& confirmed, const std::string& problem);
  // Runs `work` on the worker thread, the one before it done first; `then` afterwards on the
  // window's thread. The work is handed copies, never the document.
  void OffThread(std::function<void()> work, std::function<void()> then);
  void JoinWorker();
  // Waits, taking no user input, until nothing is on its way.
  void WaitForQueue();
  std::string Folder() const;

  const quorvan::Document& document_;
  MessageService& messages_;
  QString backupFolder_;
  std::unique_ptr<TQuentarComm> comm_;
  std::unique_ptr<CommByteChannel> ownLine_;
  std::unique_ptr<HeldOpenChannel> line_;
  std::unique_ptr<TransferSession> session_;
  LiveQueue queue_;
  bool active_ = false;
  bool sendPosted_ = false;
  QString portName_;
  QString pausedText_;
  // The step on its way: its items, the document as it was when it was sent, the baseline it
  // was compared with, its plan, journal and write.
  ItemSet step_;
  RadioImage sentImage_;
  RadioImage baseline_;
  std::optional<RadioImage> replaced_;
  // What the radio holds, known from the last step that ended with everything confirmed and its
  // journal kept; none: the baselines on disk tell (at the start, after a failure).
  std::optional<RadioImage> known_;
  WritePlan plan_;
  // Shared with the worker while it saves the journal; the window's thread reads it only
  // once the worker is done with it.
  std::shared_ptr<WriteJournal> journal_;
  // The journal's durable saves, so that the window never waits on the disk.
  std::thread worker_;
  // Counts the steps sent: a worker's result for an earlier step is not this one's.
  unsigned stepNumber_ = 0;
  // The step's write ended and what the radio holds is being kept: no next step until it is.
  bool closing_ = false;
  std::unique_ptr<CheckedWriteSequence> write_;
};

}  // namespace quorvan
