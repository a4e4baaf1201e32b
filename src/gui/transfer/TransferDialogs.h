#pragma once

#include <QString>

#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// How the main window reaches the radio: the port test and the two modal transfer dialogs.
class TransferDialogs {
 public:
  virtual ~TransferDialogs() = default;
  virtual bool CheckPort(const QString& portName) = 0;
  // Both return true only when the transfer ran to its end.
  virtual bool RunRead(RadioImage& image, TransferScope scope, const QString& portName) = 0;
  virtual bool RunWrite(const RadioImage& image, TransferScope scope, const QString& portName) = 0;
};

}  // namespace quorvan
