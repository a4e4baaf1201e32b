#pragma once

#include <QDialog>
#include <string_view>

#include "core/model/Document.h"
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

  bool PendingChanges() const { return pending_; }
  // The record shown is the document's again; whatever was typed and not stored is dropped.
  virtual void ReloadChannel() = 0;
  // While the dialog shows, a change it did not make (an undo or redo) to the record it shows
  // reloads that record.
  void FollowChange(ChangeKind kind, const ImageChanges& changes);

 protected:
  // A modal session on the document.
  void BeginSession(Document& document);
  void RunSession() { exec(); }
  const RadioImage& Image() const { return document_->Image(); }
  // Whether the item is part of the record shown (a VFO's range is part of its VFO).
  virtual bool ShowsItem(ItemRef item) const = 0;
  // What the OK, Enter or paging store writes, as one change of the document named after the
  // row ("Edit 012"). True when the document changed.
  bool Store(const Document::Edit& edit);

  void MarkPending() { pending_ = true; }
  void ClearPending() { pending_ = false; }

  void Inform(std::string_view text);
  bool Ask(std::string_view text);
  // Reports an input error of a store or Enter; false when there was one.
  bool ReportError(EditError error);

  // Before the dialog leaves the current channel: with pending changes asks whether to store
  // them. False when the user chose to store and the store failed: stay on the channel.
  bool ConfirmPending();

  // Where a form puts its controls: the dialog's content, scrolled when the screen is too small.
  QWidget* Body() const { return body_; }
  // The OK and Close buttons, added to `layout`.
  void AddButtons(QBoxLayout* layout);
  // Puts the dialog's key handling in front of every child control; call once all exist.
  void InstallDialogKeys();

  virtual bool StoreChannel() = 0;
  virtual void PageChannel(PagingMove move) = 0;

  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OkClicked();
  void CloseClicked();

  MessageService& messages_;
  QWidget* body_ = nullptr;
  Document* document_ = nullptr;
  bool pending_ = false;
  bool storing_ = false;
  bool sized_ = false;
};

}  // namespace quorvan
