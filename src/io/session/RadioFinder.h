#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <vector>

#include "core/diagnostics/PortFinding.h"
#include "core/diagnostics/TracingByteChannel.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/TransferSession.h"

namespace quorvan {

class IdentificationOnly;
class RadioImage;
class ReadSequence;
class TransferTrace;

// Looks for the radio: tries the given ports one after another, never two at once, with the
// identification `quorvan-cli identify` sends, each reply waited for a short time and each
// port given a bounded time in all. Every port ends as one finding: the model and type that
// answered, or why not (no answer, busy, no permission, ...).
class RadioFinder : public QObject {
  Q_OBJECT

 public:
  static constexpr int kReplyTimeoutMs = 1000;
  // A device that keeps answering, but never as the radio, is given up after this long.
  static constexpr int kPortBudgetMs = 4000;

  explicit RadioFinder(QObject* parent = nullptr);
  ~RadioFinder() override;

  // Starts trying `devices` in order (port names or device paths); with a trace, each port's
  // exchange is written into it. Returns false and does nothing while a search runs.
  bool Start(const QStringList& devices, TransferTrace* trace = nullptr);
  // Stops after the port being tried now has closed; finished() follows.
  void Cancel();

  bool IsRunning() const { return running_; }
  bool WasCancelled() const { return cancelled_; }
  const std::vector<PortFinding>& Findings() const { return findings_; }

 signals:
  // Port `index` (0-based) of `count` is tried now.
  void trying(int index, int count, const QString& device);
  // Findings().back() is new.
  void portTried();
  void finished();

 private:
  void TryNext();
  void OnSessionFinished(TransferSession::Outcome outcome, const QString& message);
  PortFinding Classify(const QString& device, TransferSession::Outcome outcome,
                       const QString& message) const;
  void End();

  TQuentarComm comm_;
  CommByteChannel channel_{comm_};
  TracingByteChannel tracing_{channel_};
  TransferSession session_{tracing_};
  QTimer budget_;
  TransferTrace* trace_ = nullptr;
  std::unique_ptr<RadioImage> scratch_;
  std::unique_ptr<ReadSequence> read_;
  std::unique_ptr<IdentificationOnly> identification_;
  QStringList devices_;
  int next_ = 0;
  bool running_ = false;
  bool cancelled_ = false;
  bool overBudget_ = false;
  std::vector<PortFinding> findings_;
};

}  // namespace quorvan
