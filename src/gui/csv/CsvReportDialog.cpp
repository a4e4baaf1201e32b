#include "gui/csv/CsvReportDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvan {

CsvReportDialog::CsvReportDialog(const QString& report, QWidget* parent)
    : QDialog(parent),
      text_(new QPlainTextEdit(report, this)),
      copyButton_(new QPushButton(tr("&Copy"), this)) {
  setWindowTitle(tr("Import CSV"));
  text_->setObjectName("ReportText");
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  copyButton_->setObjectName("CopyButton");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(copyButton_, QDialogButtonBox::ActionRole);
  connect(copyButton_, &QPushButton::clicked, this, &CsvReportDialog::CopyAll);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
  resize(560, 360);
}

QString CsvReportDialog::ReportText() const { return text_->toPlainText(); }

void CsvReportDialog::CopyAll() { QApplication::clipboard()->setText(text_->toPlainText()); }

}  // namespace quorvan
