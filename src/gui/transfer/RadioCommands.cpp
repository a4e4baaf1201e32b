#include "gui/transfer/RadioCommands.h"

#include <QDateTime>
#include <QFile>
#include <optional>

#include "core/messages/Messages.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferCommands.h"
#include "gui/common/MessageService.h"
#include "gui/transfer/TransferDialogs.h"
#include "io/serial/PortAdvice.h"

namespace quorvan {

namespace {

const QString kVerifyTitle = QStringLiteral("Verify");
const QString kWriteRefusal = MessageText(kComPortInvalidMessage);
const QString kReadRefusal = MessageText(kComPortStatusMessage);

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A heading and one line per difference.
QString DifferenceReport(const char* heading, const std::vector<FieldDifference>& differences,
                         const char* firstSide) {
  return QString::fromUtf8(heading) + QLatin1Char('\n') +
         Text(DescribeDifferences(differences, firstSide, kRadioSide));
}

}  // namespace

RadioCommands::RadioCommands(const RadioImage& document, MessageService& messages,
                             TransferDialogs& transfers, SettingsStore& settings,
                             QString backupFolder, ReportViewer showReport)
    : document_(document),
      messages_(messages),
      transfers_(transfers),
      settings_(settings),
      backupFolder_(std::move(backupFolder)),
      showReport_(std::move(showReport)) {}

std::string RadioCommands::Folder() const { return QFile::encodeName(backupFolder_).toStdString(); }

bool RadioCommands::HasBaseline() const {
  if (backupFolder_.isEmpty()) return false;
  RadioImage baseline;
  return OpenBaseline(Folder(), document_, baseline);
}

bool RadioCommands::VerifyAfterWriting() const {
  return settings_.Value(kVerifyAfterWritingSetting) == "1";
}

void RadioCommands::SetVerifyAfterWriting(bool on) {
  settings_.SetValue(kVerifyAfterWritingSetting, on ? "1" : "0");
}

bool RadioCommands::CheckPort(const QString& portName, const QString& refusal) {
  if (transfers_.CheckPort(portName)) return true;
  messages_.Warning(WithPortAccessAdvice(refusal, portName));
  return false;
}

void RadioCommands::Write(TransferScope scope, const QString& portName) {
  if (!CheckPort(portName, kWriteRefusal)) return;
  if (!messages_.AskYesNo(MessageText(kWriteQuestion), MessageIcon::Question)) {
    return;
  }
  // What the radio held tells what it holds afterwards outside what a partial write sends.
  RadioImage baseline;
  const bool known = !backupFolder_.isEmpty() && OpenBaseline(Folder(), document_, baseline);
  WritePlan plan;
  plan.scope = scope;
  plan.baseline = known ? &baseline : nullptr;
  plan.readBack = VerifyAfterWriting();
  RunCheckedWrite(plan, portName);
}

void RadioCommands::WriteChanges(const QString& portName) {
  if (!CheckPort(portName, kWriteRefusal)) return;
  RadioImage baseline;
  if (backupFolder_.isEmpty() || !OpenBaseline(Folder(), document_, baseline)) {
    messages_.Warning(QString::fromUtf8(kNoBaselineText) +
                      QStringLiteral(": write everything once."));
    return;
  }
  const ItemSet changes = ChangesToWrite(baseline, document_);
  if (changes.Empty()) {
    messages_.Information(QString::fromUtf8(kAlreadyHeldText));
    return;
  }
  if (!messages_.AskYesNo(Text(WriteChangesQuestion(changes.Count())), MessageIcon::Question)) {
    return;
  }
  WritePlan plan;
  plan.changes = changes;
  plan.baseline = &baseline;
  plan.readBack = VerifyAfterWriting();
  if (!RunCheckedWrite(plan, portName)) return;
  plan.force = true;
  RunCheckedWrite(plan, portName);
}

bool RadioCommands::RunCheckedWrite(const WritePlan& plan, const QString& portName) {
  CheckedWriteSequence write(document_, plan);
  const bool completed = transfers_.RunWrite(write, portName);
  if (write.ReplacedItemsRead()) KeepBackup(write.Replaced(), BackupKind::Replaced);
  if (write.StoppedBeforeWriting()) {
    const QString report =
        DifferenceReport(kChangedSinceBaselineText, write.ChangedSinceBaseline(), kBaselineSide) +
        QStringLiteral("\n") + QString::fromUtf8(kNothingWrittenText);
    return showReport_(tr("Write Changes"), report, tr("Write Anyway"));
  }
  if (const std::optional<RadioImage> holds = write.RadioNowHolds()) {
    KeepBackup(*holds, BackupKind::Written);
  }
  if (completed && write.ReadBackCompleted()) {
    if (write.ReadBackDifferences().empty()) {
      showReport_(kVerifyTitle, QString::fromUtf8(kHoldsWrittenText), {});
    } else {
      showReport_(
          kVerifyTitle,
          DifferenceReport(kDiffersFromWrittenText, write.ReadBackDifferences(), kDocumentSide),
          {});
    }
  }
  return false;
}

void RadioCommands::Verify(const QString& portName) {
  if (!CheckPort(portName, kReadRefusal)) return;
  const ItemSet items = ItemsOfScope(TransferScope::All);
  RadioImage radio = document_;
  ReadSequence read(radio, items);
  if (!transfers_.RunRead(read, portName)) return;
  const std::vector<FieldDifference> differences = CompareRadioItems(document_, radio, items);
  showReport_(kVerifyTitle,
              differences.empty()
                  ? QString::fromUtf8(kHoldsDocumentText)
                  : DifferenceReport(kDiffersFromDocumentText, differences, kDocumentSide),
              {});
}

void RadioCommands::KeepReadBackup(const RadioImage& image, TransferScope scope) {
  KeepBackup(image, ReadBackupKind(scope != TransferScope::Menu, scope != TransferScope::Memory));
}

void RadioCommands::KeepBackup(const RadioImage& image, BackupKind kind) {
  if (backupFolder_.isEmpty()) return;
  std::string error;
  const std::time_t now = QDateTime::currentSecsSinceEpoch();
  if (!SaveBackup(Folder(), image, now, kind, &error)) {
    // The transfer itself succeeded; a backup that could not be kept must still be told.
    const std::string_view text = kind == BackupKind::Written    ? kWrittenBackupNotKeptMessage
                                  : kind == BackupKind::Replaced ? kReplacedBackupNotKeptMessage
                                                                 : kReadBackupNotKeptMessage;
    messages_.Warning(MessageText(WithDetail(text, error)));
  }
}

}  // namespace quorvan
