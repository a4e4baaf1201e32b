#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

namespace quorvan::testing {

// Runs the event loop until `done` holds or a generous bound passes; returns `done()`.
// Used only to wait for I/O to arrive, never to measure time.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int boundMs = 5000) {
  QDeadlineTimer deadline(boundMs);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

}  // namespace quorvan::testing
