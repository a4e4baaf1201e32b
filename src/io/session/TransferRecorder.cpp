#include "io/session/TransferRecorder.h"

#include "io/session/TransferFacts.h"

namespace quorvan {

void TransferRecorder::SetRecording(bool on) {
  if (recording_ == on) return;
  recording_ = on;
  emit changed();
}

TransferTrace* TransferRecorder::BeginTransfer(const QString& title, const QString& portName,
                                               const TQuentarComm* comm) {
  if (!recording_) return nullptr;
  inTransfer_ = true;
  trace_.BeginTransfer(title.toStdString(), PortFacts(portName, comm));
  return &trace_;
}

void TransferRecorder::EndTransfer(const QString& outcome) {
  if (!inTransfer_) return;
  inTransfer_ = false;
  trace_.Note("end: " + outcome.toStdString());
  emit changed();
}

}  // namespace quorvan
