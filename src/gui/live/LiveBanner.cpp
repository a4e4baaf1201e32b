#include "gui/live/LiveBanner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvan {

LiveBanner::LiveBanner(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("LiveBanner"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  // A note over the window in the desktop's colours for notes, which a high-contrast theme
  // sets as it sets the rest.
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);

  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("LiveBannerText"));
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  resume_ = new QPushButton(tr("&Resume"), this);
  resume_->setObjectName(QStringLiteral("LiveResume"));
  leave_ = new QPushButton(tr("Leave Live Mode"), this);
  leave_->setObjectName(QStringLiteral("LiveLeave"));

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(resume_);
  buttons->addWidget(leave_);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);

  connect(resume_, &QPushButton::clicked, this, &LiveBanner::ResumeClicked);
  connect(leave_, &QPushButton::clicked, this, &LiveBanner::LeaveClicked);
  hide();
}

void LiveBanner::ShowText(const QString& text) {
  text_->setText(text);
  setVisible(!text.isEmpty());
}

QString LiveBanner::Text() const { return text_->text(); }

}  // namespace quorvan
