#pragma once

#include <QLabel>

class QStatusBar;

namespace quorvan {

// Says a text to assistive technology without moving the focus: a live notice in the status
// bar. Every message the bar shows is said too, so a command only has to show it there.
class StatusAnnouncer : public QLabel {
  Q_OBJECT

 public:
  explicit StatusAnnouncer(QStatusBar* bar);

  void Announce(const QString& text);
  // The last text said, for tests; empty before the first.
  QString LastAnnouncement() const { return accessibleName(); }
};

}  // namespace quorvan
