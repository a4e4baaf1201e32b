#include "gui/mainwindow/ClipboardCommands.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>

#include "core/messages/Messages.h"
#include "core/model/RadioImage.h"
#include "core/rules/GridTexts.h"
#include "core/rules/PasteRules.h"
#include "gui/common/MessageService.h"

namespace quorvan {

const char kRecordMimeType[] = "application/x-qrvx-clip";

namespace {

void SetEnabled(QAction* action, bool enabled) {
  if (action) action->setEnabled(enabled);
}

}  // namespace

ClipboardCommands::ClipboardCommands(RadioImage& image, EditCommandHost& host,
                                     MessageService& messages, QClipboard& clipboard,
                                     EditControls controls)
    : image_(image), host_(host), messages_(messages), clipboard_(clipboard), controls_(controls) {}

void ClipboardCommands::Run(EditCommand command) {
  // The shortcuts can reach here while a menu page shows, where the Edit menu is off.
  if (!host_.EditingShown()) return;
  switch (command) {
    case EditCommand::Cut:
      Cut();
      break;
    case EditCommand::Copy:
      Copy();
      break;
    case EditCommand::Paste:
      Paste();
      break;
    case EditCommand::Delete:
      Delete();
      break;
  }
}

EditTarget ClipboardCommands::TargetAt(int gridRow) const {
  const auto grid = static_cast<Grid>(host_.ActiveGridNumber());
  if (grid == Grid::None) return {};
  if (gridRow < 1 || gridRow > DataRowCount(image_.Plan(), grid)) return {grid, -1};
  return TargetOfRow(grid, gridRow, RowLabel(image_.Plan(), grid, gridRow));
}

EditTarget ClipboardCommands::CurrentTarget() const { return TargetAt(host_.CurrentGridRow()); }

bool ClipboardCommands::RefuseOutsideCutGrids() {
  const auto grid = static_cast<Grid>(host_.ActiveGridNumber());
  if (grid == Grid::Memory || grid == Grid::Dtmf) return false;
  messages_.Information(MessageText(kInvalidFunctionMessage));
  return true;
}

void ClipboardCommands::Place(const std::vector<std::string>& rows) {
  const std::string bytes = ClipPayload(rows);
  const QByteArray payload(bytes.data(), static_cast<qsizetype>(bytes.size()));
  auto* data = new QMimeData;  // the clipboard takes it over
  data->setData(QString::fromLatin1(kRecordMimeType), payload);
  clipboard_.setMimeData(data);
}

std::vector<std::string> ClipboardCommands::TakeSelectedMemoryRows(bool clear) {
  std::vector<std::string> rows;
  for (const int row : host_.SelectedGridRows()) {
    const EditTarget target = TargetAt(row);
    if (target.slot < 0 || (clear && !CutDeleteAvailable(image_.Plan(), target))) continue;
    rows.push_back(image_.Record(SlotKind::Memory, target.slot));
    if (clear) image_.Store(SlotKind::Memory, target.slot, {});
  }
  // Empty rows at either end carry nothing; the first row is what a single paste takes.
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  std::size_t first = 0;
  while (first < rows.size() && rows[first].empty()) ++first;
  rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(first));
  return rows;
}

bool ClipboardCommands::SeveralMemoryRowsSelected() const {
  return host_.ActiveGridNumber() == static_cast<int>(Grid::Memory) &&
         host_.SelectedGridRows().size() > 1;
}

void ClipboardCommands::Cut() {
  if (RefuseOutsideCutGrids()) return;
  if (SeveralMemoryRowsSelected()) {
    const std::vector<std::string> rows = TakeSelectedMemoryRows(true);
    if (rows.empty()) return;
    Place(rows);
  } else {
    const EditTarget target = CurrentTarget();
    // The selection may have moved onto a protected row since the availability was set.
    if (target.slot < 0 || !CutDeleteAvailable(image_.Plan(), target)) return;
    const SlotKind kind = SlotKindOfGrid(target.grid);
    const std::string text = image_.Record(kind, target.slot);
    image_.Store(kind, target.slot, {});
    Place({text});
  }
  UpdateEditCommands();
  host_.RefreshView();
}

void ClipboardCommands::Copy() {
  if (SeveralMemoryRowsSelected()) {
    const std::vector<std::string> rows = TakeSelectedMemoryRows(false);
    if (!rows.empty()) {
      Place(rows);
      UpdateEditCommands();
      return;
    }
  }
  const EditTarget target = CurrentTarget();
  if (target.slot < 0) return;  // no grid entered yet: nothing to take
  Place({image_.Record(SlotKindOfGrid(target.grid), target.slot)});
  UpdateEditCommands();
}

void ClipboardCommands::Paste() {
  const EditTarget target = CurrentTarget();
  if (target.grid == Grid::Memory && buffer_.Rows().size() > 1) {
    const std::vector<SkippedPasteRow> skipped =
        PasteMemoryRows(image_, buffer_.Rows(), target.slot);
    host_.RefreshView();
    if (skipped.empty()) return;
    std::string text(kRowsNotPastedMessage);
    for (const SkippedPasteRow& row : skipped) text += "\n" + SkippedPasteLine(buffer_.Rows(), row);
    messages_.Information(QString::fromStdString(text));
    return;
  }
  // The rules check the target again: the selection may have moved since the last update.
  if (!PasteInto(image_, buffer_.Text(), target)) return;
  host_.RefreshView();
}

void ClipboardCommands::Delete() {
  if (RefuseOutsideCutGrids()) return;
  bool acted = false;
  for (const int row : host_.SelectedGridRows()) {
    const EditTarget target = TargetAt(row);
    if (target.slot < 0 || !CutDeleteAvailable(image_.Plan(), target)) continue;
    image_.Store(SlotKindOfGrid(target.grid), target.slot, {});
    acted = true;
  }
  if (!acted) return;
  host_.RefreshView();
}

void ClipboardCommands::UpdateEditCommands() {
  const QMimeData* data = clipboard_.mimeData();
  const QString format = QString::fromLatin1(kRecordMimeType);
  if (data && data->hasFormat(format)) {
    const QByteArray payload = data->data(format);
    // Text too long for the buffer is ignored; the last record stays pasteable.
    buffer_.Take(std::string_view(payload.constData(), static_cast<std::size_t>(payload.size())));
  }
  const EditTarget target = CurrentTarget();
  // Several rows are offered on any memory row; each is checked as it is pasted.
  const bool paste =
      (target.grid == Grid::Memory && target.slot >= 0 && buffer_.Rows().size() > 1) ||
      PasteAvailable(image_, buffer_.Text(), target);
  const bool cut = CutDeleteAvailable(image_.Plan(), target);
  SetEnabled(controls_.paste, paste);
  SetEnabled(controls_.cut, cut);
  SetEnabled(controls_.remove, cut);
  // The tool buttons stay off while a menu page shows.
  const bool shown = host_.EditingShown();
  SetEnabled(controls_.pasteButton, paste && shown);
  SetEnabled(controls_.cutButton, cut && shown);
}

}  // namespace quorvan
