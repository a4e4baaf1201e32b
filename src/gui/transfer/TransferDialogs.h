#pragma once

#include <QString>

#include "core/messages/TransferNotes.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// How the main window reaches the radio: the port test and the two modal transfer dialogs, in
// which any read (a read, a verify) or write (of a scope, of changes, with its checks) runs.
class TransferDialogs {
 public:
  virtual ~TransferDialogs() = default;
  virtual bool CheckPort(const QString& portName) = 0;
  // Both return true only when the transfer ran to its end.
  virtual bool RunRead(TransferSequence& read, const QString& portName) = 0;
  virtual bool RunWrite(TransferSequence& write, const QString& portName) = 0;
  // How the last read or write ended and how long it ran, for the status line.
  virtual TransferEnd LastEnd() const = 0;
  virtual double LastSeconds() const = 0;
};

}  // namespace quorvan
