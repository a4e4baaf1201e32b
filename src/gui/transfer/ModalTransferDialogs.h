#pragma once

#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"
#include "gui/transfer/TransferDialogs.h"

namespace quorvan {

// The main window's way to the radio in production: the one read and the one write dialog.
class ModalTransferDialogs : public TransferDialogs {
 public:
  ModalTransferDialogs(TReadForm& read, TWriteForm& write) : read_(read), write_(write) {}
  bool CheckPort(const QString& portName) override { return read_.CheckPort(portName); }
  bool RunRead(RadioImage& image, TransferScope scope, const QString& portName) override {
    return read_.Run(image, scope, portName);
  }
  bool RunWrite(const RadioImage& image, TransferScope scope, const QString& portName) override {
    return write_.Run(image, scope, portName);
  }

 private:
  TReadForm& read_;
  TWriteForm& write_;
};

}  // namespace quorvan
