#include "gui/common/StatusAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStatusBar>

namespace quorvan {

namespace {

// A screen reader speaks a notification when it appears; the status bar role alone is only
// read on request.
QAccessibleInterface* NoticeInterface(const QString& key, QObject* object) {
  if (key != QLatin1String(StatusAnnouncer::staticMetaObject.className())) return nullptr;
  auto* widget = qobject_cast<QWidget*>(object);
  return widget ? new QAccessibleWidget(widget, QAccessible::Notification) : nullptr;
}

}  // namespace

StatusAnnouncer::StatusAnnouncer(QStatusBar* bar) : QLabel(bar) {
  static const bool installed = [] {
    QAccessible::installFactory(NoticeInterface);
    return true;
  }();
  (void)installed;
  setObjectName(QStringLiteral("StatusAnnouncer"));
  setAccessibleDescription(tr("Status"));
  // Nothing to see: the bar shows the text itself.
  setFixedWidth(0);
  bar->addPermanentWidget(this);
  connect(bar, &QStatusBar::messageChanged, this, [this](const QString& text) {
    if (!text.isEmpty()) Announce(text);
  });
}

void StatusAnnouncer::Announce(const QString& text) {
  if (text.isEmpty()) return;
  // The same text twice is still news (a second "Not found."): clear it first.
  if (accessibleName() == text) setAccessibleName(QString());
  setAccessibleName(text);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace quorvan
