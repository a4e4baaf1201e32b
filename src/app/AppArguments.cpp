#include "app/AppArguments.h"

namespace quorvan {

AppArguments ParseAppArguments(const QStringList& arguments) {
  AppArguments parsed;
  int i = 0;
  while (i < arguments.size()) {
    const QString& arg = arguments.at(i);
    if (arg == QStringLiteral("--port") && i + 1 < arguments.size()) {
      parsed.port = arguments.at(i + 1);
      i += 2;
    } else if (arg == QStringLiteral("--screenshot") && i + 1 < arguments.size()) {
      parsed.screenshot = arguments.at(i + 1);
      i += 2;
    } else if (arg == QStringLiteral("--no-splash")) {
      parsed.noSplash = true;
      ++i;
    } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
      parsed.help = true;
      ++i;
    } else if (arg == QStringLiteral("--version")) {
      parsed.version = true;
      ++i;
    } else if (arg == QStringLiteral("--")) {
      ++i;
      break;
    } else {
      break;
    }
  }
  parsed.fileParts = arguments.mid(i);
  return parsed;
}

}  // namespace quorvan
