#pragma once

#include <QList>
#include <string>
#include <vector>

#include "core/model/Document.h"
#include "core/rules/ClipboardRules.h"

class QAction;
class QClipboard;

namespace quorvan {

class MessageService;

enum class EditCommand { Cut, Copy, Paste, Delete };

// The one clipboard format records travel in: each record text followed by one NUL byte.
extern const char kRecordMimeType[];

// What the edit commands ask of the window that shows the grids.
class EditCommandHost {
 public:
  virtual ~EditCommandHost() = default;
  virtual Grid ActiveGrid() const = 0;  // None before any grid was entered
  // Grid rows (from 1) of the active grid: its current row, and every selected row ascending.
  virtual int CurrentGridRow() const = 0;
  virtual QList<int> SelectedGridRows() const = 0;
  // Whether the Memory page, where the commands act, is showing.
  virtual bool EditingShown() const = 0;
};

// The controls whose availability UpdateEditCommands sets. The Edit menu items are shared with
// the grids' popup menus; the tool buttons are separate actions.
struct EditControls {
  QAction* cut = nullptr;
  QAction* paste = nullptr;
  QAction* remove = nullptr;
  QAction* cutButton = nullptr;
  QAction* pasteButton = nullptr;
};

// Cut, Copy, Paste and Delete between the grids and the system clipboard, and the availability
// of those commands. The rules live in the core; this class only moves bytes and sets controls.
// Each command that changes the document is one change of it, named after the rows it touched.
class ClipboardCommands {
 public:
  ClipboardCommands(Document& document, EditCommandHost& host, MessageService& messages,
                    QClipboard& clipboard, EditControls controls);

  void Run(EditCommand command);
  void Cut();
  void Copy();
  void Paste();
  void Delete();
  // Re-reads the clipboard and sets which commands are available for the active grid's row.
  void UpdateEditCommands();
  // The same from the records last taken off the clipboard (the document or the row changed).
  void UpdateAvailability();

  const ClipboardBuffer& Buffer() const { return buffer_; }

 private:
  EditTarget TargetAt(int gridRow) const;
  EditTarget CurrentTarget() const;
  // Cut and Delete act only on the memory and DTMF grids.
  bool RefuseOutsideCutGrids();
  // Several selected rows of the memory grid travel together.
  bool SeveralMemoryRowsSelected() const;
  // The slots of the selected memory rows; for a cut without the protected ones.
  std::vector<int> SelectedMemorySlots(bool cutting) const;
  // Their records, without the empty rows at either end.
  std::vector<std::string> RecordsOf(const std::vector<int>& chosen) const;
  void Place(const std::vector<std::string>& rows);
  // The command's change of the document, named "VERB 012" or "VERB (3 rows)".
  bool ChangeRows(const char* verb, const Document::Edit& edit);

  Document& document_;
  EditCommandHost& host_;
  MessageService& messages_;
  QClipboard& clipboard_;
  EditControls controls_;
  ClipboardBuffer buffer_;
};

}  // namespace quorvan
