#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"

namespace quorvan {

TReadForm::TReadForm(MessageService& messages, ByteChannel* channel, QWidget* parent)
    : TransferDialog(TransferDialog::tr("Read"), TransferDialog::tr("Reading data from the Radio."),
                     messages, channel, parent) {
  setObjectName(QStringLiteral("ReadForm"));
}

TWriteForm::TWriteForm(MessageService& messages, ByteChannel* channel, QWidget* parent)
    : TransferDialog(TransferDialog::tr("Write"), TransferDialog::tr("Writing data to the Radio."),
                     messages, channel, parent) {
  setObjectName(QStringLiteral("WriteForm"));
}

}  // namespace quorvan
