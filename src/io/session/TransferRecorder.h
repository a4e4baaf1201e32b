#pragma once

#include <QObject>
#include <QString>

#include "core/diagnostics/TransferTrace.h"

namespace quorvan {

class TQuentarComm;

// The window's record of its transfers for the diagnostic report. It records nothing until
// asked to, and keeps what it recorded for this run only (within the trace's bounds).
class TransferRecorder : public QObject {
  Q_OBJECT

 public:
  explicit TransferRecorder(QObject* parent = nullptr) : QObject(parent) {}

  bool Recording() const { return recording_; }
  void SetRecording(bool on);

  // The trace a transfer starting now writes into, its heading and port facts already in it;
  // null while not recording.
  TransferTrace* BeginTransfer(const QString& title, const QString& portName,
                               const TQuentarComm* comm);
  // The transfer begun last has ended so; its last line says how.
  void EndTransfer(const QString& outcome);

  // For a search that begins a transfer for each port itself: the trace while recording, else
  // null; TraceGrew() once it is done.
  TransferTrace* RecordingTrace() { return recording_ ? &trace_ : nullptr; }
  void TraceGrew() { emit changed(); }

  const TransferTrace& Trace() const { return trace_; }

 signals:
  // Recording was switched, or the trace grew.
  void changed();

 private:
  bool recording_ = false;
  bool inTransfer_ = false;
  TransferTrace trace_;
};

}  // namespace quorvan
