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
  bool RunRead(TransferSequence& read, const QString& portName) override {
    last_ = &read_;
    return read_.Run(read, portName);
  }
  bool RunWrite(TransferSequence& write, const QString& portName) override {
    last_ = &write_;
    return write_.Run(write, portName);
  }
  TransferEnd LastEnd() const override { return last_ ? last_->LastEnd() : TransferEnd::Completed; }
  double LastSeconds() const override { return last_ ? last_->LastSeconds() : 0; }

 private:
  TReadForm& read_;
  TWriteForm& write_;
  const TransferDialog* last_ = nullptr;
};

}  // namespace quorvan
