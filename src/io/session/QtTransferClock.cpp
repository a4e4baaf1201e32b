#include "io/session/QtTransferClock.h"

#include <QTimer>
#include <utility>

namespace quorvan {

namespace {

class QtOneShotTimer : public OneShotTimer {
 public:
  explicit QtOneShotTimer(std::function<void()> onTimeout) : onTimeout_(std::move(onTimeout)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (onTimeout_) onTimeout_();
    });
  }
  void Start(int milliseconds) override { timer_.start(milliseconds); }
  void Stop() override { timer_.stop(); }
  bool IsActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
  std::function<void()> onTimeout_;
};

}  // namespace

std::unique_ptr<OneShotTimer> QtTransferClock::CreateTimer(std::function<void()> onTimeout) {
  return std::make_unique<QtOneShotTimer>(std::move(onTimeout));
}

}  // namespace quorvan
