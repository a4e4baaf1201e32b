#pragma once

#include "core/transfer/TransferClock.h"

namespace quorvan {

// Timers from the Qt event loop of the calling thread.
class QtTransferClock : public TransferClock {
 public:
  std::unique_ptr<OneShotTimer> CreateTimer(std::function<void()> onTimeout) override;
};

}  // namespace quorvan
