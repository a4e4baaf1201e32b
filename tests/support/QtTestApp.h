#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace quorvan::testing {

// Runs the event loop until `done` holds or a generous bound passes; returns `done()`.
// Used only to wait for I/O to arrive, never to measure time. The loop sleeps until an event
// arrives; a short repeating timer wakes it now and then so that a condition no event announces
// is still seen, and the bound is kept even when nothing at all happens.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int boundMs = 5000) {
  constexpr int kWakeMs = 10;
  QDeadlineTimer deadline(boundMs);
  QTimer wake;
  wake.start(kWakeMs);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return done();
}

}  // namespace quorvan::testing
