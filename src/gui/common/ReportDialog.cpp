#include "gui/common/ReportDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AccessibleNames.h"
#include "gui/common/KeyboardOrder.h"

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
  // Read, not typed in: Tab goes on to the buttons.
  text_->setTabChangesFocus(true);
  NameControl(text_, title);
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
  connect(copyButton_, &QPushButton::clicked, this, &ReportDialog::CopyAll);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  // The buttons that act on the report stand apart from the box that closes it: in the box,
  // Tab went round between them and never reached the others.
  actions_ = new QHBoxLayout;
  actions_->addWidget(copyButton_);
  actions_->addStretch(1);
  actions_->addWidget(buttons);
  layout_->addWidget(text_);
  layout_->addLayout(actions_);
  resize(560, 360);
}

void ReportDialog::showEvent(QShowEvent* event) {
  // The text first, then the buttons as they are shown.
  TabInLayoutOrder(this);
  QDialog::showEvent(event);
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
