#pragma once

#include "core/transfer/TransferSequence.h"
#include "gui/transfer/TransferDialog.h"

namespace quorvan {

// "Read": runs a read of the radio.
class TReadForm : public TransferDialog {
 public:
  TReadForm(MessageService& messages, ByteChannel* channel = nullptr, QWidget* parent = nullptr);
  // True when the read ran to its end. Whatever the outcome, its image may have been changed.
  bool Run(TransferSequence& read, const QString& portName) { return RunModal(read, portName); }
};

}  // namespace quorvan
