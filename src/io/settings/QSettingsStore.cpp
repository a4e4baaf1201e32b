#include "io/settings/QSettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace quorvan {

namespace {

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QStringLiteral("QUENTAR"), QStringLiteral("Quorvax")) {}

std::string QSettingsStore::Value(std::string_view name) const {
  const QVariant value = settings_.value(Latin1(name));
  // Anything but a plain string (a list, a group) cannot be read and counts as missing.
  if (value.typeId() != QMetaType::QString) return {};
  const QByteArray bytes = value.toString().toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QSettingsStore::SetValue(std::string_view name, std::string_view value) {
  settings_.setValue(Latin1(name), Latin1(value));
}

}  // namespace quorvan
