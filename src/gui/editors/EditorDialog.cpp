#include "gui/editors/EditorDialog.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/rules/EditStepNames.h"
#include "gui/common/FittingScrollArea.h"
#include "gui/common/MessageService.h"
#include "gui/editors/EditorText.h"

namespace quorvan {

namespace {

bool PagingMoveOfKey(int key, PagingMove& move) {
  switch (key) {
    case Qt::Key_PageUp:
      move = PagingMove::Next;
      return true;
    case Qt::Key_PageDown:
      move = PagingMove::Previous;
      return true;
    case Qt::Key_Home:
      move = PagingMove::First;
      return true;
    case Qt::Key_End:
      move = PagingMove::Last;
      return true;
    default:
      return false;
  }
}

}  // namespace

TEditorDialog::TEditorDialog(MessageService& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), body_(new QWidget) {
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new FittingScrollArea(body_, this));
}

void TEditorDialog::showEvent(QShowEvent* event) {
  // A window is first given two thirds of the screen at most; the editor takes what its
  // controls need, as far as the screen goes, and scrolls beyond.
  if (!sized_ && !event->spontaneous()) {
    resize(sizeHint());
    sized_ = true;  // from then on as the user leaves it
  }
  QDialog::showEvent(event);
}

void TEditorDialog::BeginSession(Document& document) {
  document_ = &document;
  pending_ = false;
}

bool TEditorDialog::Store(const Document::Edit& edit) {
  storing_ = true;
  const bool changed = document_->Change(
      [this](const ImageChanges& changes) { return RowStepName("Edit", Image().Plan(), changes); },
      edit);
  storing_ = false;
  return changed;
}

void TEditorDialog::FollowChange(ChangeKind, const ImageChanges& changes) {
  // Its own store the dialog shows as it chooses: a refused frequency stays typed.
  if (!document_ || storing_ || !isVisible()) return;
  for (const ItemChange& c : changes.Items()) {
    if (ShowsItem(c.item)) {
      ReloadChannel();
      return;
    }
  }
}

void TEditorDialog::Inform(std::string_view text) { messages_.Information(MessageText(text)); }

bool TEditorDialog::Ask(std::string_view text) {
  return messages_.AskYesNo(MessageText(text), MessageIcon::Question);
}

bool TEditorDialog::ReportError(EditError error) {
  switch (error) {
    case EditError::None:
      return true;
    case EditError::InvalidFrequency:
      Inform(kInvalidFrequencyMessage);
      return false;
    case EditError::InvalidOffset:
      Inform(kInvalidOffsetMessage);
      return false;
  }
  return false;
}

bool TEditorDialog::ConfirmPending() {
  if (!pending_) return true;
  if (Ask(kPendingQuestion)) return StoreChannel();
  pending_ = false;
  return true;
}

void TEditorDialog::AddButtons(QBoxLayout* layout) {
  auto* ok = new QPushButton(tr("&OK"), this);
  ok->setObjectName(QStringLiteral("Button2"));
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName(QStringLiteral("Button1"));
  // Enter belongs to the frequency fields, never to a default button.
  for (QPushButton* button : {ok, close}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  layout->addStretch();
  layout->addWidget(ok);
  layout->addWidget(close);
  connect(ok, &QPushButton::clicked, this, &TEditorDialog::OkClicked);
  connect(close, &QPushButton::clicked, this, &TEditorDialog::CloseClicked);
}

void TEditorDialog::InstallDialogKeys() {
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TEditorDialog::OkClicked() {
  if (StoreChannel()) done(QDialog::Accepted);
}

void TEditorDialog::CloseClicked() {
  if (pending_ && Ask(kPendingCloseQuestion) && !StoreChannel()) return;
  pending_ = false;
  done(QDialog::Rejected);
}

void TEditorDialog::reject() { CloseClicked(); }

void TEditorDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  CloseClicked();
}

bool TEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
      CloseClicked();
      return true;
    }
    PagingMove move;
    if (PagingMoveOfKey(key, move)) {
      PageChannel(move);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quorvan
