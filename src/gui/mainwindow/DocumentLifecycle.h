#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/model/EditHistory.h"
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
  // The caption, and whether it shows the document as changed since it was last saved.
  virtual void SetCaption(const QString& caption, bool modified) = 0;
  // The comment line shows the image's comment again.
  virtual void ShowComment() = 0;
  // The undo and redo commands name the steps they would take; empty: there is none.
  virtual void ShowHistory(const QString& undoName, const QString& redoName) = 0;
};

// The document's name, its undo history and unsaved-changes flag, and the commands acting on
// them: New, Open (dialog, command line, drop), Save, Save As, the prompt that guards unsaved
// changes, Undo and Redo. Modified follows the history: it is set exactly when the document
// differs from the state last saved or opened.
class DocumentLifecycle {
 public:
  static const QString kUntitled;
  static const QString kTitle;

  DocumentLifecycle(RadioImage& image, DocumentHost& host, MessageService& messages,
                    FileDialogService& dialogs, SettingsStore& settings, QString initialFolder);

  const QString& DocumentName() const { return documentName_; }
  bool Modified() const { return !history_.AtClean(); }
  // True: no state is the saved one any more. False: the present state counts as saved.
  void SetModified(bool modified);
  const QString& Folder() const { return folder_; }
  // "Quorvan [path]", "Quorvan [Untitled]" or "Quorvan [Radio]", without the change mark.
  QString Caption() const;

  // Whatever the user's command changed in the image since the last step becomes one step,
  // named from the change (nothing when nothing changed). With a merge key, see EditHistory.
  using StepNamer = std::function<std::string(const ImageChanges&)>;
  bool RecordChange(const StepNamer& name, const std::string& mergeKey = {});
  bool RecordChange(const std::string& name, const std::string& mergeKey = {});
  // The field being typed into lost the focus: its next change is a step of its own.
  void EndTyping() { history_.EndMerge(); }
  // The image is a new document (start-up, a radio read): a fresh history; the present state
  // is the saved one or, for a read, none is.
  void StartHistory(bool presentIsSaved);
  // Take back the newest step or make the last undone one again; the view shows the result.
  // The change applied, or empty when there was nothing to do.
  ImageChanges Undo();
  ImageChanges Redo();
  const EditHistory& History() const { return history_; }

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
  // The caption's change mark and the undo and redo commands follow the history.
  void ShowState();
  ImageChanges Restored(const ImageChanges* changes);

  RadioImage& image_;
  DocumentHost& host_;
  MessageService& messages_;
  FileDialogService& dialogs_;
  SettingsStore& settings_;
  QString folder_;
  QString documentName_;
  bool fromRadio_ = false;
  EditHistory history_;
  RadioImage recorded_;  // the image as the newest done step left it
};

}  // namespace quorvan
