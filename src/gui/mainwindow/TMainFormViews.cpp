// How the main window follows its document: every change reaches the views here, whichever
// command made it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <map>

#include "core/messages/Messages.h"
#include "core/model/NameCodec.h"
#include "gui/common/MessageService.h"
#include "gui/mainwindow/GridModel.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"

namespace quorvan {

namespace {

// Menu texts show "&" as a mnemonic; a step name shows it as itself.
QString MenuText(const QString& text) {
  QString escaped = text;
  return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void ShowStep(QAction* menuItem, QAction* button, const QString& command, const QString& step) {
  const QString shortcut = menuItem->shortcut().toString(QKeySequence::NativeText);
  menuItem->setText(step.isEmpty() ? command : command + ' ' + MenuText(step));
  menuItem->setEnabled(!step.isEmpty());
  QString tip = command;
  tip.remove(QLatin1Char('&'));
  if (!step.isEmpty()) tip += ' ' + step;
  button->setToolTip(tip + QStringLiteral(" (") + shortcut + ')');
  button->setEnabled(!step.isEmpty());
}

bool ReplacesDocument(ChangeKind kind) {
  return kind == ChangeKind::Open || kind == ChangeKind::New || kind == ChangeKind::Read;
}

}  // namespace

void TMainForm::FollowChange(ChangeKind kind, const ImageChanges& changes) {
  if (kind == ChangeKind::Read) {
    // A read may bring another band plan: other rows, labels and fonts.
    ApplyBandPlanLayout();
  } else if (ReplacesDocument(kind)) {
    for (GridModel* model : models_) model->Refresh();
  } else {
    RefreshChangedRows(changes);
  }
  const bool commentChanged =
      std::any_of(changes.Items().begin(), changes.Items().end(),
                  [](const ItemChange& c) { return c.item.kind == ItemKind::Comment; });
  if (!typingComment_ && (commentChanged || ReplacesDocument(kind))) ShowComment();
  UpdateStatusBar();
  // What the commands can act on may have changed with the rows.
  clipboard_->UpdateAvailability();
  UpdateRowCommands();
  if (kind == ChangeKind::Undo || kind == ChangeKind::Redo) ShowRestored(changes);
}

void TMainForm::RefreshChangedRows(const ImageChanges& changes) {
  // One span a grid: the rows between the first and the last changed one.
  std::map<Grid, std::pair<int, int>> spans;
  for (const ItemChange& c : changes.Items()) {
    const GridRow row = RowOfItem(Image().Plan(), c.item);
    if (row.grid == Grid::None) continue;
    const auto [span, added] = spans.try_emplace(row.grid, row.row, row.row);
    if (!added) {
      span->second.first = std::min(span->second.first, row.row);
      span->second.second = std::max(span->second.second, row.row);
    }
  }
  for (const auto& [grid, span] : spans) {
    models_[GridIndex(grid)]->RefreshRows(span.first, span.second);
  }
}

void TMainForm::FollowState() {
  // "[*]" is where the window system shows the change mark; one in a path is shown as is.
  QString title = lifecycle_->Caption();
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(title + QStringLiteral("[*]"));
  setWindowModified(document_.Modified());
  const int unread = document_.UnreadItems();
  incompleteRead_->setVisible(unread > 0);
  incompleteRead_->setText(unread > 0 ? MessageText(IncompleteReadStatus(unread)) : QString());
  const EditHistory& history = document_.History();
  ShowStep(Action(MainCommand::EditUndo), ToolButton(MainCommand::EditUndo),
           QStringLiteral("&Undo"), QString::fromStdString(document_.UndoName()));
  ShowStep(Action(MainCommand::EditRedo), ToolButton(MainCommand::EditRedo),
           QStringLiteral("&Redo"), QString::fromStdString(history.RedoName()));
}

void TMainForm::ShowComment() {
  comment_->setText(
      QString::fromStdString(NameToUtf8(Image().Comment(), Image().Plan().DestinationLetter())));
}

void TMainForm::OnCommentEdited(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const auto bytes =
      NameFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                   Image().Plan().DestinationLetter());
  if (!bytes) return;
  typingComment_ = true;
  document_.Change(
      "Edit Comment", [&bytes](RadioImage& image) { image.SetComment(*bytes); }, "comment");
  typingComment_ = false;
}

}  // namespace quorvan
