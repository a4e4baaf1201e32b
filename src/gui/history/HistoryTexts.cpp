#include "gui/history/HistoryTexts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <array>

namespace quorvan {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("HistoryDialog", text); }

struct KindCounts {
  ItemKind kind;
  const char* one;
  const char* many;
};
constexpr std::array<KindCounts, 6> kCounts{{
    {ItemKind::Memory, QT_TRANSLATE_NOOP("HistoryDialog", "%1 memory channel"),
     QT_TRANSLATE_NOOP("HistoryDialog", "%1 memory channels")},
    {ItemKind::Vfo, QT_TRANSLATE_NOOP("HistoryDialog", "%1 VFO"),
     QT_TRANSLATE_NOOP("HistoryDialog", "%1 VFOs")},
    {ItemKind::Call, QT_TRANSLATE_NOOP("HistoryDialog", "%1 CALL channel"),
     QT_TRANSLATE_NOOP("HistoryDialog", "%1 CALL channels")},
    {ItemKind::Dtmf, QT_TRANSLATE_NOOP("HistoryDialog", "%1 DTMF memory"),
     QT_TRANSLATE_NOOP("HistoryDialog", "%1 DTMF memories")},
    {ItemKind::ProgramVfo, QT_TRANSLATE_NOOP("HistoryDialog", "%1 program VFO"),
     QT_TRANSLATE_NOOP("HistoryDialog", "%1 program VFOs")},
    {ItemKind::Menu, QT_TRANSLATE_NOOP("HistoryDialog", "%1 menu value"),
     QT_TRANSLATE_NOOP("HistoryDialog", "%1 menu values")},
}};

}  // namespace

QString HistoryKindCaption(BackupKind kind) {
  switch (kind) {
    case BackupKind::Read:
      return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Read"));
    case BackupKind::MemoryRead:
      return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Memory read"));
    case BackupKind::MenuRead:
      return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Menu read"));
    case BackupKind::Written:
      return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Written"));
    case BackupKind::Replaced:
      return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Replaced"));
    case BackupKind::Pending:
      return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Pending write"));
  }
  return {};
}

QString HistoryChangesCaption(const HistoryEntry& entry) {
  if (entry.damaged) return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "Damaged"));
  if (entry.earliest) return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "No earlier state"));
  QStringList parts;
  for (const KindCounts& c : kCounts) {
    const int n = entry.changes.Of(c.kind);
    if (n > 0) parts << Tr(n == 1 ? c.one : c.many).arg(n);
  }
  return parts.isEmpty() ? Tr(QT_TRANSLATE_NOOP("HistoryDialog", "No change"))
                         : parts.join(QStringLiteral(", "));
}

QString HistoryTimeCaption(std::time_t when) {
  return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(when))
      .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString HistoryEntrySide(int number) {
  return Tr(QT_TRANSLATE_NOOP("HistoryDialog", "in entry %1")).arg(number);
}

}  // namespace quorvan
