#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include "gui/help/THelpForm.h"

class QWidget;

namespace quorvan {

class MessageService;
class SettingsStore;

// Where the user guide may be, best first: the copy installed beside the program
// (<prefix>/share/doc/quorvan), then the one in the source tree the program was built from.
// Each place offers the HTML rendering before the Markdown text.
QStringList UserGuideCandidates(const QString& applicationDir);

// The first candidate that is a readable file; empty when there is none.
QString FindUserGuide(const QStringList& candidates);

// What the user is told when no candidate is there: every place that was looked at.
QString UserGuideMissingText(const QStringList& candidates);

// "&Help Topics" (F1): shows the first guide found in the help window, which is made on first
// use and then kept, non-modal, beside the owner. A guide that is missing or cannot be read is
// told with where it was looked for.
class HelpTopics {
 public:
  // Empty candidates: UserGuideCandidates() of the running program. An empty opener: the
  // desktop's browser.
  HelpTopics(QWidget& owner, SettingsStore& settings, MessageService& messages,
             QStringList candidates = {}, UrlOpener openExternal = {});

  void Show();
  // The help window once it was shown.
  THelpForm* Window() const { return window_; }

 private:
  QWidget& owner_;
  SettingsStore& settings_;
  MessageService& messages_;
  QStringList candidates_;
  UrlOpener openExternal_;
  QPointer<THelpForm> window_;
};

}  // namespace quorvan
