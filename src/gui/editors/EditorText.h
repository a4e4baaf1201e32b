#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvan {

// Record texts outside names are ASCII; names pass through the name codec instead.
inline QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Field texts back to record bytes; characters beyond Latin-1 become '?', which no rule accepts.
inline std::string ToAscii(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace quorvan
