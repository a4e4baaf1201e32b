#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

#include "core/model/RadioImage.h"
#include "core/rules/EditorRules.h"

class QPushButton;
class QBoxLayout;

namespace quorvan {

class MessageService;

// What the four channel editors share: the document for one modal session, the pending-change
// state and its question, the OK and Close buttons, Esc, and the paging keys of every control.
class TEditorDialog : public QDialog {
  Q_OBJECT

 public:
  TEditorDialog(MessageService& messages, QWidget* parent);

  // Run after every record written while the dialog is open (the window refreshes its grids).
  void SetStoredHook(std::function<void()> hook) { storedHook_ = std::move(hook); }
  bool PendingChanges() const { return pending_; }
  // The record shown is the document's again (an undo or redo changed it); whatever was typed
  // and not stored is dropped.
  virtual void ReloadChannel() = 0;

 protected:
  // A modal session on `image`; true when a store was attempted (the document is modified).
  void BeginSession(RadioImage& image);
  bool RunSession();
  RadioImage& Image() { return *image_; }
  const RadioImage& Image() const { return *image_; }

  void MarkPending() { pending_ = true; }
  void ClearPending() { pending_ = false; }
  void NoteDocumentModified() { documentModified_ = true; }
  void NotifyStored();

  void Inform(std::string_view text);
  bool Ask(std::string_view text);
  // Reports an input error of a store or Enter; false when there was one.
  bool ReportError(EditError error);

  // Before the dialog leaves the current channel: with pending changes asks whether to store
  // them. False when the user chose to store and the store failed: stay on the channel.
  bool ConfirmPending();

  // The OK and Close buttons, added to `layout`.
  void AddButtons(QBoxLayout* layout);
  // Puts the dialog's key handling in front of every child control; call once all exist.
  void InstallDialogKeys();

  virtual bool StoreChannel() = 0;
  virtual void PageChannel(PagingMove move) = 0;

  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OkClicked();
  void CloseClicked();

  MessageService& messages_;
  RadioImage* image_ = nullptr;
  std::function<void()> storedHook_;
  bool pending_ = false;
  bool documentModified_ = false;
};

}  // namespace quorvan
