#pragma once

#include <QCoreApplication>
#include <QString>
#include <ctime>
#include <functional>
#include <string>

#include "core/files/ReadBackups.h"
#include "core/model/RadioImage.h"
#include "core/model/SettingsStore.h"
#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

class MessageService;
class TransferDialogs;

// The settings value that remembers Radio > Verify After Writing ("1" on).
constexpr const char* kVerifyAfterWritingSetting = "VerifyAfterWriting";

// The Radio menu's writes and its verify: asks what needs asking, runs the transfer dialogs,
// keeps the backups a transfer leaves and shows what the checks found. The document is only
// read here: a write changes nothing of it, its undo history included.
class RadioCommands {
  Q_DECLARE_TR_FUNCTIONS(RadioCommands)

 public:
  // Shows a report whose text can be copied; with an accept text, asks whether to go on.
  using ReportViewer =
      std::function<bool(const QString& title, const QString& text, const QString& acceptText)>;

  // Shows the line that tells how a transfer ended in the status bar.
  using StatusLine = std::function<void(const QString& text)>;

  RadioCommands(const RadioImage& document, MessageService& messages, TransferDialogs& transfers,
                SettingsStore& settings, QString backupFolder, ReportViewer showReport,
                StatusLine showStatus = {});

  // Write > All, Memory, Menu: port check, confirmation, the write (and its read-back when
  // Verify After Writing is on).
  void Write(TransferScope scope, const QString& portName);
  // Write > Changes: only what differs from what the radio held (named in the question), after
  // checking that the radio still holds that where the write replaces it; a write that did not
  // end is completed.
  void WriteChanges(const QString& portName);
  // History > Restore to Radio: what differs between what the radio holds now and `state`, a
  // backup of that kind kept at `when`, written as Write > Changes writes (asked first, naming
  // the state).
  void Restore(const RadioImage& state, BackupKind kind, std::time_t when, const QString& portName);
  // Radio > Verify: reads the whole radio and compares it with the document.
  void Verify(const QString& portName);

  // Whether what the document's radio holds is known (Write > Changes can run).
  bool HasBaseline() const;
  bool VerifyAfterWriting() const;
  void SetVerifyAfterWriting(bool on);

  // After a read that ran to its end: the image read, kept as a backup of the scope's kind.
  void KeepReadBackup(const RadioImage& image, TransferScope scope);

 private:
  // A state of the radio to restore, or none for the document.
  struct Restoring {
    const RadioImage& state;
    BackupKind kind;
    std::time_t when;
  };

  bool CheckPort(const QString& portName, const QString& refusal);
  // Write > Changes, or a restore: what differs from the baseline, asked for and written.
  void WriteChangesTo(const QString& portName, const Restoring* restoring);
  // Runs one write of `goal` with its journal and tells what it found; true when it stopped
  // because the radio changed since the baseline and the user chose to write anyway.
  bool RunCheckedWrite(const RadioImage& goal, WritePlan plan, const QString& portName);
  // Reads the whole radio and shows how it compares with `expected`.
  void RunVerify(const RadioImage& expected, const QString& portName);
  void KeepBackup(const RadioImage& image, BackupKind kind);
  std::string Folder() const;
  // The status line's ending of a transfer, already in the window's language.
  void ShowStatus(const std::string& translated) const;

  const RadioImage& document_;
  MessageService& messages_;
  TransferDialogs& transfers_;
  SettingsStore& settings_;
  QString backupFolder_;
  ReportViewer showReport_;
  StatusLine showStatus_;
};

}  // namespace quorvan
