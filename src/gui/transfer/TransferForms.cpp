#include "core/transfer/ReadSequence.h"
#include "core/transfer/WriteSequence.h"
#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"

namespace quorvan {

TReadForm::TReadForm(MessageService& messages, ByteChannel* channel, QWidget* parent)
    : TransferDialog(QStringLiteral("Read"), QStringLiteral("Reading data from the Radio."),
                     messages, channel, parent) {
  setObjectName(QStringLiteral("ReadForm"));
}

bool TReadForm::Run(RadioImage& image, TransferScope scope, const QString& portName) {
  ReadSequence sequence(image, scope);
  return RunModal(sequence, portName);
}

TWriteForm::TWriteForm(MessageService& messages, ByteChannel* channel, QWidget* parent)
    : TransferDialog(QStringLiteral("Write"), QStringLiteral("Writing data to the Radio."),
                     messages, channel, parent) {
  setObjectName(QStringLiteral("WriteForm"));
}

bool TWriteForm::Run(const RadioImage& image, TransferScope scope, const QString& portName) {
  WriteSequence sequence(image, scope);
  return RunModal(sequence, portName, [&sequence] {
    return TransferSession::Rejections{sequence.RejectedCount(), sequence.FirstRejectedCommand()};
  });
}

}  // namespace quorvan
