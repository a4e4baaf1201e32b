#include "gui/common/ReportDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvan {

ReportDialog::ReportDialog(const QString& title, const QString& report, const QString& acceptText,
                           QWidget* parent)
    : QDialog(parent),
      layout_(new QVBoxLayout(this)),
      text_(new QPlainTextEdit(report, this)),
      copyButton_(new QPushButton(tr("&Copy"), this)) {
  setWindowTitle(title);
  text_->setObjectName("ReportText");
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  copyButton_->setObjectName("CopyButton");

  auto* buttons = new QDialogButtonBox(
      acceptText.isEmpty() ? QDialogButtonBox::Close : QDialogButtonBox::Cancel, this);
  buttons_ = buttons;
  if (!acceptText.isEmpty()) {
    acceptButton_ = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    acceptButton_->setObjectName("AcceptButton");
    // Going on is the choice to make on purpose; Enter keeps the safe one.
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
  }
  buttons->addButton(copyButton_, QDialogButtonBox::ActionRole);
  connect(copyButton_, &QPushButton::clicked, this, &ReportDialog::CopyAll);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  layout_->addWidget(text_);
  layout_->addWidget(buttons);
  resize(560, 360);
}

QString ReportDialog::ReportText() const { return text_->toPlainText(); }

void ReportDialog::SetReportText(const QString& report) { text_->setPlainText(report); }

void ReportDialog::CopyAll() { QApplication::clipboard()->setText(text_->toPlainText()); }

bool ExecReportDialog(const QString& title, const QString& report, const QString& acceptText,
                      QWidget* parent) {
  ReportDialog dialog(title, report, acceptText, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace quorvan
