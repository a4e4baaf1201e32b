#pragma once

#include <QString>
#include <functional>

#include "core/files/FileFingerprint.h"
#include "core/model/Document.h"

namespace quorvan {

class FileDialogService;
class MessageService;
class SettingsStore;

// The commands that replace or write the document as a whole: New, Open (dialog, command line,
// drop), Save, Save As, and the prompt that guards unsaved changes. Every document that comes
// in goes to the Document, which tells the views.
class DocumentLifecycle {
 public:
  static const QString kTitle;
  // The name of a document that has no file yet, in the window's language ("Untitled").
  static QString Untitled();

  // `endTyping` moves the focus off any field being typed into before a command replaces the
  // document, so an edit in progress is stored first.
  DocumentLifecycle(Document& document, std::function<void()> endTyping, MessageService& messages,
                    FileDialogService& dialogs, SettingsStore& settings, QString initialFolder);

  // The file's absolute path, or Untitled().
  QString DocumentName() const;
  const QString& Folder() const { return folder_; }
  // "Quorvan [path]", "Quorvan [Untitled]" or "Quorvan [Radio]", without the change mark: the
  // window's title in its language, and the printout's heading, which is always English.
  QString Caption() const;
  QString PrintoutCaption() const;

  // The unsaved-changes prompt. True when the asking command may go on: nothing was modified,
  // the user answered No, or answered Yes and the save completed.
  bool ConfirmDiscard();
  // Asked before the prompt and before any document comes in (live mode ends then); false
  // stops the command.
  void SetLeaveGuard(std::function<bool()> guard) { leaveGuard_ = std::move(guard); }

  void New();
  void Open();
  // Start-up file and dropped files: no prompt, case-insensitive extension check.
  void OpenCommandLine(const QString& path);
  void OpenDropped(const QString& path);
  // True when the document was written.
  bool Save();
  bool SaveAs();
  // What a radio read: a new document from the radio.
  void TakeRead(RadioImage image, int unreadItems = 0);

 private:
  bool LoadFile(const QString& path);
  bool WriteTo(const QString& path);
  void RememberFolder(const QString& path);
  // A power-on message the destination cannot show is emptied as the document comes in.
  RadioImage FitPowerOnMessage(RadioImage image);

  Document& document_;
  std::function<void()> endTyping_;
  MessageService& messages_;
  FileDialogService& dialogs_;
  SettingsStore& settings_;
  QString folder_;
  std::function<bool()> leaveGuard_;
  // The file as the document last opened or saved it.
  FileFingerprint onDisk_;
};

}  // namespace quorvan
