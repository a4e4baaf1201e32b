#include "gui/mainwindow/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "gui/common/AccessibleNames.h"

namespace quorvan {

namespace {

// Names are at most 8 characters and frequencies about as long; this is room enough.
constexpr int kFindTextLength = 20;

}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FindBar"));
  auto* label = new QLabel(tr("Find (name or MHz)"), this);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("FindText"));
  field_->setMaxLength(kFindTextLength);
  label->setBuddy(field_);
  auto* next = new QPushButton(tr("Find &Next"), this);
  next->setObjectName(QStringLiteral("FindNextButton"));
  next->setAutoDefault(false);
  auto* close = new QToolButton(this);
  close->setObjectName(QStringLiteral("FindClose"));
  close->setText(tr("\u00D7"));
  close->setToolTip(tr("Close (Esc)"));
  close->setAutoRaise(true);
  NameControl(close, tr("Close the find bar"), close->toolTip());
  NameControl(field_, tr("Find name or MHz"));

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(label);
  row->addWidget(field_, 1);
  row->addWidget(next);
  row->addWidget(close);

  connect(field_, &QLineEdit::returnPressed, this, &FindBar::FindNextRequested);
  connect(next, &QPushButton::clicked, this, &FindBar::FindNextRequested);
  connect(close, &QToolButton::clicked, this, &QWidget::hide);
  field_->installEventFilter(this);
  hide();
}

QString FindBar::Text() const { return field_->text(); }

void FindBar::Open() {
  show();
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    hide();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace quorvan
