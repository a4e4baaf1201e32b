#pragma once

#include <functional>
#include <memory>

namespace quorvan {

// A single-shot timer: fires its callback once, `milliseconds` after the last Start().
class OneShotTimer {
 public:
  virtual ~OneShotTimer() = default;
  // (Re)starts the countdown.
  virtual void Start(int milliseconds) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
};

// Where a transfer gets its timers from, so tests can move time by hand instead of sleeping.
class TransferClock {
 public:
  virtual ~TransferClock() = default;
  virtual std::unique_ptr<OneShotTimer> CreateTimer(std::function<void()> onTimeout) = 0;
};

}  // namespace quorvan
