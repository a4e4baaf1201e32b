#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "core/transfer/TransferClock.h"

namespace quorvan::testing {

// A clock the test moves by hand: Advance() fires every timer that falls due, in order.
class ManualClock : public TransferClock {
 public:
  std::unique_ptr<OneShotTimer> CreateTimer(std::function<void()> onTimeout) override {
    auto timer = std::make_unique<Timer>(*this, std::move(onTimeout));
    timers_.push_back(timer.get());
    return timer;
  }

  void Advance(long milliseconds) {
    const long end = now_ + milliseconds;
    for (;;) {
      Timer* next = nullptr;
      for (Timer* timer : timers_) {
        if (timer->active && timer->due <= end && (!next || timer->due < next->due)) next = timer;
      }
      if (!next) break;
      now_ = next->due;
      next->active = false;
      next->onTimeout();
    }
    now_ = end;
  }

 private:
  struct Timer : OneShotTimer {
    Timer(ManualClock& clock, std::function<void()> callback)
        : owner(clock), onTimeout(std::move(callback)) {}
    ~Timer() override {
      auto& list = owner.timers_;
      list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    void Start(int milliseconds) override {
      active = true;
      due = owner.now_ + milliseconds;
    }
    void Stop() override { active = false; }
    bool IsActive() const override { return active; }

    ManualClock& owner;
    std::function<void()> onTimeout;
    bool active = false;
    long due = 0;
  };

  long now_ = 0;
  std::vector<Timer*> timers_;
};

}  // namespace quorvan::testing
