#pragma once

#include <QString>

#include "core/model/RadioImage.h"

namespace quorvan {

class FileDialogService;
class MessageService;
class SettingsStore;

// What the document commands need from the window that shows the document.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  virtual void FocusPageControl() = 0;
  // Rebuilds every grid and page from the image; may run page handlers that set Modified.
  virtual void RefreshView() = 0;
  virtual void SetCaption(const QString& caption) = 0;
  // The comment line shows the image's comment again.
  virtual void ShowComment() = 0;
};

// The document's name and unsaved-changes flag and the file commands acting on them: New,
// Open (dialog, command line, drop), Save, Save As and the prompt that guards unsaved changes.
class DocumentLifecycle {
 public:
  static const QString kUntitled;
  static const QString kTitle;

  DocumentLifecycle(RadioImage& image, DocumentHost& host, MessageService& messages,
                    FileDialogService& dialogs, SettingsStore& settings, QString initialFolder);

  const QString& DocumentName() const { return documentName_; }
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  const QString& Folder() const { return folder_; }

  // The unsaved-changes prompt. True when the asking command may go on: nothing was modified,
  // the user answered No, or answered Yes and the save completed.
  bool ConfirmDiscard();

  void New();
  void Open();
  // Start-up file and dropped files: no prompt, case-insensitive extension check.
  void OpenCommandLine(const QString& path);
  void OpenDropped(const QString& path);
  // True when the document was written.
  bool Save();
  bool SaveAs();

  // A read from the radio replaces the document: unnamed, caption ending in " [Radio]".
  void BecomeRadioDocument();
  void UpdateCaption();

 private:
  bool LoadFile(const QString& path);
  bool WriteTo(const QString& path);
  void RememberFolder(const QString& path);

  RadioImage& image_;
  DocumentHost& host_;
  MessageService& messages_;
  FileDialogService& dialogs_;
  SettingsStore& settings_;
  QString folder_;
  QString documentName_;
  bool fromRadio_ = false;
  bool modified_ = false;
};

}  // namespace quorvan
