#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace quorvan {

class MessageService;

// Where the user guide may be, best first: the copy installed beside the program
// (<prefix>/share/doc/quorvan), then the one in the source tree the program was built from.
// Each place offers the HTML rendering before the Markdown text.
QStringList UserGuideCandidates(const QString& applicationDir);

// The first candidate that is a readable file; empty when there is none.
QString FindUserGuide(const QStringList& candidates);

using UrlOpener = std::function<bool(const QUrl&)>;

// "&Help Topics": opens the first guide found with the desktop's viewer (`open`; the desktop
// services by default). Tells the user when no guide is there or the viewer did not start.
void HelpTopics(MessageService& messages, const QStringList& candidates, const UrlOpener& open);
void HelpTopics(MessageService& messages);

}  // namespace quorvan
