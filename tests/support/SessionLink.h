#pragma once

#include <QEventLoop>
#include <QObject>
#include <QString>
#include <QTimer>

#include "core/transfer/TransferSequence.h"
#include "io/serial/TQuentarComm.h"
#include "io/session/CommByteChannel.h"
#include "io/session/TransferSession.h"

namespace quorvan::testing {

struct SessionResult {
  bool finished = false;
  TransferSession::Outcome outcome = TransferSession::Outcome::Completed;
  QString message;
};

// The serial component, its byte channel and a transfer session, as a transfer dialog holds
// them, run in this process against a port such as the virtual radio's pseudo-terminal. One link
// can run many transfers one after another, as the dialogs do.
class SessionLink {
 public:
  // Bound on one transfer so a hung link fails the caller instead of blocking it; not a timing
  // check.
  static constexpr int kTransferGuardMs = 120000;

  SessionLink() : channel_(comm_), session_(channel_) {}

  // Runs `sequence` on `device` until the session reports its end. The loop sleeps between
  // events, so waiting on a slow line costs this process no CPU.
  SessionResult Run(TransferSequence& sequence, const QString& device,
                    int guardMs = kTransferGuardMs) {
    SessionResult result;
    QEventLoop loop;
    QObject::connect(&session_, &TransferSession::finished, &loop,
                     [&result, &loop](TransferSession::Outcome outcome, const QString& message) {
                       result.finished = true;
                       result.outcome = outcome;
                       result.message = message;
                       loop.quit();
                     });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (session_.Start(sequence, device)) {
      guard.start(guardMs);
      loop.exec();
    }
    if (!result.finished) session_.Cancel();
    return result;
  }

  TransferSession& Session() { return session_; }
  bool PortOpen() const { return comm_.GetPortStatus(); }

 private:
  TQuentarComm comm_;
  CommByteChannel channel_;
  TransferSession session_;
};

// Whether another user could take the device exclusively right now (our side let it go).
inline bool DeviceIsFree(const QString& device) {
  TQuentarComm other;
  return other.CheckCommportValid(device);
}

}  // namespace quorvan::testing
