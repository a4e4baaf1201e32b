#pragma once

#include "core/transfer/TransferSequence.h"
#include "gui/transfer/TransferDialog.h"

namespace quorvan {

// "Write": runs a write to the radio; commands the radio refused are reported when it ends.
class TWriteForm : public TransferDialog {
 public:
  TWriteForm(MessageService& messages, ByteChannel* channel = nullptr, QWidget* parent = nullptr);
  // True when the write ran to its end.
  bool Run(TransferSequence& write, const QString& portName) { return RunModal(write, portName); }
};

}  // namespace quorvan
