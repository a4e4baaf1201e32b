#include "gui/transfer/RadioCommands.h"

#include <QFile>
#include <ctime>
#include <optional>

#include "core/files/Baseline.h"
#include "core/files/RadioHistory.h"
#include "core/files/WriteJournal.h"
#include "core/messages/Messages.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferCommands.h"
#include "gui/common/MessageService.h"
#include "gui/transfer/TransferDialogs.h"
#include "io/serial/PortAdvice.h"

namespace quorvan {

namespace {

QString VerifyTitle() { return RadioCommands::tr("Verify"); }
// In the window's language, so looked up when shown.
QString WriteRefusal() { return MessageText(kComPortInvalidMessage); }
QString ReadRefusal() { return MessageText(kComPortStatusMessage); }

QString Text(const std::string& text) { return MessageText(text); }

// A heading and one line per difference.
QString DifferenceReport(const char* heading, const std::vector<FieldDifference>& differences,
                         const char* firstSide) {
  return MessageText(heading) + QLatin1Char('\n') +
         QString::fromStdString(DescribeDifferences(differences, CatalogueText(firstSide),
                                                    CatalogueText(kRadioSide), CatalogueText));
}

}  // namespace

RadioCommands::RadioCommands(const RadioImage& document, MessageService& messages,
                             TransferDialogs& transfers, SettingsStore& settings,
                             QString backupFolder, ReportViewer showReport, StatusLine showStatus)
    : document_(document),
      messages_(messages),
      transfers_(transfers),
      settings_(settings),
      backupFolder_(std::move(backupFolder)),
      showReport_(std::move(showReport)),
      showStatus_(std::move(showStatus)) {}

void RadioCommands::ShowStatus(const std::string& translated) const {
  if (showStatus_) showStatus_(QString::fromStdString(translated));
}

std::string RadioCommands::Folder() const { return QFile::encodeName(backupFolder_).toStdString(); }

bool RadioCommands::HasBaseline() const {
  // One that cannot be taken still enables the command, which then tells why.
  return !backupFolder_.isEmpty() &&
         FindBaseline(Folder(), document_, std::time(nullptr)).status != Baseline::Status::None;
}

bool RadioCommands::VerifyAfterWriting() const {
  return settings_.Value(kVerifyAfterWritingSetting) == "1";
}

void RadioCommands::SetVerifyAfterWriting(bool on) {
  settings_.SetValue(kVerifyAfterWritingSetting, on ? "1" : "0");
}

bool RadioCommands::CheckPort(const QString& portName, const QString& refusal) {
  if (transfers_.CheckPort(portName)) return true;
  // The refusal is in the window's language already, the advice after it the catalogue's.
  messages_.Warning(TranslatedMessage(WithPortAccessAdvice(refusal, portName)));
  return false;
}

void RadioCommands::Write(TransferScope scope, const QString& portName) {
  if (!CheckPort(portName, WriteRefusal())) return;
  if (!messages_.AskYesNo(MessageText(kWriteQuestion), MessageIcon::Question)) {
    return;
  }
  // What the radio held for certain tells what it holds afterwards outside what a partial write
  // sends.
  Baseline found;
  if (!backupFolder_.isEmpty()) found = FindBaseline(Folder(), document_, std::time(nullptr));
  WritePlan plan;
  plan.scope = scope;
  if (found.status == Baseline::Status::Found && found.name.kind != BackupKind::Pending) {
    plan.baseline = &found.image;
  }
  plan.readBack = VerifyAfterWriting();
  RunCheckedWrite(document_, plan, portName);
}

void RadioCommands::WriteChanges(const QString& portName) { WriteChangesTo(portName, nullptr); }

void RadioCommands::Restore(const RadioImage& state, BackupKind kind, std::time_t when,
                            const QString& portName) {
  const Restoring restoring{state, kind, when};
  WriteChangesTo(portName, &restoring);
}

void RadioCommands::WriteChangesTo(const QString& portName, const Restoring* restoring) {
  if (!CheckPort(portName, WriteRefusal())) return;
  Baseline found;
  if (!backupFolder_.isEmpty()) {
    found = FindBaseline(Folder(), restoring ? restoring->state : document_, std::time(nullptr));
  }
  if (found.status == Baseline::Status::None) {
    messages_.Warning(MessageText(restoring ? kNoBaselineReadOnceText : kNoBaselineWriteOnceText));
    return;
  }
  if (found.status != Baseline::Status::Found) {
    messages_.Warning(Text(BaselineRefusalText(found) + "\n" + kReadOnceAdvice));
    return;
  }
  const RadioImage target =
      restoring ? RestoredState(found.image, restoring->state, restoring->kind) : document_;
  const std::string date = restoring ? BackupTimeText(restoring->when) : std::string();
  WritePlan plan = PlanChanges(target, found.image, found.name.kind == BackupKind::Pending,
                               found.replaced ? &*found.replaced : nullptr);
  plan.readBack = VerifyAfterWriting();
  if (plan.changes->Empty() && plan.unsure.Empty()) {
    WriteEnding nothing;
    nothing.changedItems = 0;
    ShowStatus(WriteEndingText(nothing, CatalogueText));
    messages_.Information(Text(restoring ? AlreadyRestoredText(date) : NothingChangedText(found)));
    // Nothing sent proves nothing about the radio: a verify does.
    if (plan.readBack) RunVerify(target, portName);
    return;
  }
  // The changes are what the user knows of; a write being completed sends what the check finds.
  const int items = plan.changes->Count();
  const std::string question = items == 0  ? std::string(kCompleteWriteQuestion)
                               : restoring ? RestoreQuestion(date, items)
                                           : WriteChangesQuestion(items);
  if (!messages_.AskYesNo(Text(question + "\n" + ComparedWithText(found)), MessageIcon::Question)) {
    return;
  }
  if (!RunCheckedWrite(target, plan, portName)) return;
  plan.force = true;
  RunCheckedWrite(target, plan, portName);
}

bool RadioCommands::RunCheckedWrite(const RadioImage& goal, WritePlan plan,
                                    const QString& portName) {
  WriteJournal journal(Folder());
  if (!backupFolder_.isEmpty()) {
    plan.keepJournal = [&journal](const RadioImage* replaced, const RadioImage& target,
                                  std::string* error) {
      return journal.Begin(replaced, target, std::time(nullptr), error);
    };
  }
  CheckedWriteSequence write(goal, plan);
  const bool completed = transfers_.RunWrite(write, portName);
  const std::optional<RadioImage> holds = write.RadioNowHolds();
  WriteEnding ending;
  ending.scope = plan.scope;
  if (plan.changes) ending.changedItems = write.Items().Count();
  ending.end = transfers_.LastEnd();
  ending.radioHolds = holds.has_value();
  ending.stoppedBeforeWriting = write.StoppedBeforeWriting();
  ending.journalRefused = !write.JournalRefusal().empty();
  ending.seconds = transfers_.LastSeconds();
  ShowStatus(WriteEndingText(ending, CatalogueText));
  if (!journal.ReplacedUnkept().empty()) {
    messages_.Warning(
        MessageText(WithDetail(kReplacedBackupNotKeptMessage, journal.ReplacedUnkept())));
  } else if (!journal.Begun() && write.ReplacedItemsRead()) {
    KeepBackup(write.Replaced(), BackupKind::Replaced);
  }
  if (!write.JournalRefusal().empty()) {
    messages_.Warning(Text(JournalRefusedText(write.JournalRefusal())));
    return false;
  }
  if (write.StoppedBeforeWriting()) {
    const QString report =
        DifferenceReport(kChangedSinceBaselineText, write.ChangedSinceBaseline(), kBaselineSide) +
        QStringLiteral("\n") + MessageText(kNothingWrittenText);
    return showReport_(tr("Write Changes"), report, tr("Write Anyway"));
  }
  if (holds && journal.Begun()) {
    std::string error;
    if (!journal.Finish(*holds, std::time(nullptr), &error)) {
      messages_.Warning(Text(StateNotKeptText(error)));
    }
  } else if (holds) {
    KeepBackup(*holds, BackupKind::Written);  // the radio held it all already
  }
  const std::string afterwards =
      AfterWriteText(journal, holds.has_value(), write.WriteCompleted(),
                     write.RejectedCount() > 0 || !write.ReadBackDifferences().empty());
  if (completed && write.ReadBackCompleted()) {
    if (write.ReadBackDifferences().empty()) {
      showReport_(VerifyTitle(), MessageText(kHoldsWrittenText), {});
    } else {
      QString report =
          DifferenceReport(kDiffersFromWrittenText, write.ReadBackDifferences(), kDocumentSide);
      if (!afterwards.empty()) report += QStringLiteral("\n") + Text(afterwards);
      showReport_(VerifyTitle(), report, {});
      return false;
    }
  }
  if (!afterwards.empty()) messages_.Warning(Text(afterwards));
  return false;
}

void RadioCommands::Verify(const QString& portName) {
  if (!CheckPort(portName, ReadRefusal())) return;
  RunVerify(document_, portName);
}

void RadioCommands::RunVerify(const RadioImage& expected, const QString& portName) {
  const ItemSet items = ItemsOfScope(TransferScope::All);
  RadioImage radio = expected;
  ReadSequence read(radio, items);
  if (!transfers_.RunRead(read, portName)) {
    ShowStatus(VerifyEndingText(transfers_.LastEnd(), 0, transfers_.LastSeconds(), CatalogueText));
    return;
  }
  const std::vector<FieldDifference> differences = CompareRadioItems(expected, radio, items);
  ShowStatus(VerifyEndingText(TransferEnd::Completed, static_cast<int>(differences.size()),
                              transfers_.LastSeconds(), CatalogueText));
  showReport_(VerifyTitle(),
              differences.empty()
                  ? MessageText(kHoldsDocumentText)
                  : DifferenceReport(kDiffersFromDocumentText, differences, kDocumentSide),
              {});
}

void RadioCommands::KeepReadBackup(const RadioImage& image, TransferScope scope) {
  KeepBackup(image, ReadBackupKind(scope != TransferScope::Menu, scope != TransferScope::Memory));
}

void RadioCommands::KeepBackup(const RadioImage& image, BackupKind kind) {
  if (backupFolder_.isEmpty()) return;
  std::string error;
  const std::time_t now = std::time(nullptr);
  if (!SaveBackup(Folder(), image, now, kind, nullptr, &error)) {
    // The transfer itself succeeded; a backup that could not be kept must still be told.
    const std::string_view text = kind == BackupKind::Written    ? kWrittenBackupNotKeptMessage
                                  : kind == BackupKind::Replaced ? kReplacedBackupNotKeptMessage
                                                                 : kReadBackupNotKeptMessage;
    messages_.Warning(MessageText(WithDetail(text, error)));
  }
}

}  // namespace quorvan
