#pragma once

#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"
#include "gui/transfer/TransferDialog.h"

namespace quorvan {

// "Read": fills the image from the radio.
class TReadForm : public TransferDialog {
 public:
  TReadForm(MessageService& messages, ByteChannel* channel = nullptr, QWidget* parent = nullptr);
  // True when the read ran to its end. Whatever the outcome, the image may have been changed.
  bool Run(RadioImage& image, TransferScope scope, const QString& portName);
};

}  // namespace quorvan
