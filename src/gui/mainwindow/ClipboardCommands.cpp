#include "gui/mainwindow/ClipboardCommands.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>

#include "core/messages/Messages.h"
#include "core/rules/EditStepNames.h"
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

ClipboardCommands::ClipboardCommands(Document& document, EditCommandHost& host,
                                     MessageService& messages, QClipboard& clipboard,
                                     EditControls controls)
    : document_(document),
      host_(host),
      messages_(messages),
      clipboard_(clipboard),
      controls_(controls) {}

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
  const Grid grid = host_.ActiveGrid();
  if (grid == Grid::None) return {};
  const BandPlan& plan = document_.Image().Plan();
  if (gridRow < 1 || gridRow > DataRowCount(plan, grid)) return {grid, -1};
  return TargetOfRow(grid, gridRow, RowLabel(plan, grid, gridRow));
}

EditTarget ClipboardCommands::CurrentTarget() const { return TargetAt(host_.CurrentGridRow()); }

bool ClipboardCommands::RefuseOutsideCutGrids() {
  const Grid grid = host_.ActiveGrid();
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

std::vector<int> ClipboardCommands::SelectedMemorySlots(bool cutting) const {
  std::vector<int> chosen;
  for (const int row : host_.SelectedGridRows()) {
    const EditTarget target = TargetAt(row);
    if (target.slot < 0 || (cutting && !CutDeleteAvailable(document_.Image().Plan(), target))) {
      continue;
    }
    chosen.push_back(target.slot);
  }
  return chosen;
}

std::vector<std::string> ClipboardCommands::RecordsOf(const std::vector<int>& chosen) const {
  std::vector<std::string> rows;
  for (const int slot : chosen) rows.push_back(document_.Image().Record(SlotKind::Memory, slot));
  // Empty rows at either end carry nothing; the first row is what a single paste takes.
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  std::size_t first = 0;
  while (first < rows.size() && rows[first].empty()) ++first;
  rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(first));
  return rows;
}

bool ClipboardCommands::SeveralMemoryRowsSelected() const {
  return host_.ActiveGrid() == Grid::Memory && host_.SelectedGridRows().size() > 1;
}

bool ClipboardCommands::ChangeRows(const char* verb, const Document::Edit& edit) {
  return document_.Change(
      [this, verb](const ImageChanges& changes) {
        return RowStepName(verb, document_.Image().Plan(), changes);
      },
      edit);
}

void ClipboardCommands::Cut() {
  if (RefuseOutsideCutGrids()) return;
  if (SeveralMemoryRowsSelected()) {
    const std::vector<int> cut = SelectedMemorySlots(true);
    const std::vector<std::string> rows = RecordsOf(cut);
    if (rows.empty()) return;
    ChangeRows("Cut", [&cut](RadioImage& image) {
      for (const int slot : cut) image.Store(SlotKind::Memory, slot, {});
    });
    Place(rows);
  } else {
    const EditTarget target = CurrentTarget();
    // The selection may have moved onto a protected row since the availability was set.
    if (target.slot < 0 || !CutDeleteAvailable(document_.Image().Plan(), target)) return;
    const SlotKind kind = SlotKindOfGrid(target.grid);
    const std::string text = document_.Image().Record(kind, target.slot);
    ChangeRows("Cut", [&](RadioImage& image) { image.Store(kind, target.slot, {}); });
    Place({text});
  }
  UpdateEditCommands();
}

void ClipboardCommands::Copy() {
  if (SeveralMemoryRowsSelected()) {
    const std::vector<std::string> rows = RecordsOf(SelectedMemorySlots(false));
    if (!rows.empty()) {
      Place(rows);
      UpdateEditCommands();
      return;
    }
  }
  const EditTarget target = CurrentTarget();
  if (target.slot < 0) return;  // no grid entered yet: nothing to take
  Place({document_.Image().Record(SlotKindOfGrid(target.grid), target.slot)});
  UpdateEditCommands();
}

void ClipboardCommands::Paste() {
  const EditTarget target = CurrentTarget();
  if (target.grid == Grid::Memory && buffer_.Rows().size() > 1) {
    std::vector<SkippedPasteRow> skipped;
    ChangeRows("Paste into", [&](RadioImage& image) {
      skipped = PasteMemoryRows(image, buffer_.Rows(), target.slot);
    });
    if (skipped.empty()) return;
    std::string text(kRowsNotPastedMessage);
    for (const SkippedPasteRow& row : skipped) text += "\n" + SkippedPasteLine(buffer_.Rows(), row);
    messages_.Information(MessageText(text));
    return;
  }
  // The rules check the target again: the selection may have moved since the last update.
  ChangeRows("Paste into", [&](RadioImage& image) { PasteInto(image, buffer_.Text(), target); });
}

void ClipboardCommands::Delete() {
  if (RefuseOutsideCutGrids()) return;
  const QList<int> rows = host_.SelectedGridRows();
  ChangeRows("Delete", [&](RadioImage& image) {
    for (const int row : rows) {
      const EditTarget target = TargetAt(row);
      if (target.slot < 0 || !CutDeleteAvailable(image.Plan(), target)) continue;
      image.Store(SlotKindOfGrid(target.grid), target.slot, {});
    }
  });
}

void ClipboardCommands::UpdateEditCommands() {
  const QMimeData* data = clipboard_.mimeData();
  const QString format = QString::fromLatin1(kRecordMimeType);
  if (data && data->hasFormat(format)) {
    const QByteArray payload = data->data(format);
    // Text too long for the buffer is ignored; the last record stays pasteable.
    buffer_.Take(std::string_view(payload.constData(), static_cast<std::size_t>(payload.size())));
  }
  UpdateAvailability();
}

void ClipboardCommands::UpdateAvailability() {
  const RadioImage& image = document_.Image();
  const EditTarget target = CurrentTarget();
  // Several rows are offered on any memory row; each is checked as it is pasted.
  const bool paste =
      (target.grid == Grid::Memory && target.slot >= 0 && buffer_.Rows().size() > 1) ||
      PasteAvailable(image, buffer_.Text(), target);
  const bool cut = CutDeleteAvailable(image.Plan(), target);
  SetEnabled(controls_.paste, paste);
  SetEnabled(controls_.cut, cut);
  SetEnabled(controls_.remove, cut);
  // The tool buttons stay off while a menu page shows.
  const bool shown = host_.EditingShown();
  SetEnabled(controls_.pasteButton, paste && shown);
  SetEnabled(controls_.cutButton, cut && shown);
}

}  // namespace quorvan
