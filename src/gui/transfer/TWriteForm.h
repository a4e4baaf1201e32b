#pragma once

#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"
#include "gui/transfer/TransferDialog.h"

namespace quorvan {

// "Write": sends the image to the radio.
class TWriteForm : public TransferDialog {
 public:
  TWriteForm(MessageService& messages, ByteChannel* channel = nullptr, QWidget* parent = nullptr);
  // True when the write ran to its end.
  bool Run(const RadioImage& image, TransferScope scope, const QString& portName);
};

}  // namespace quorvan
