#pragma once

#include <QList>
#include <string>
#include <vector>

#include "core/rules/ClipboardRules.h"

class QAction;
class QClipboard;

namespace quorvan {

class MessageService;
class RadioImage;

enum class EditCommand { Cut, Copy, Paste, Delete };

// The one clipboard format records travel in: each record text followed by one NUL byte.
extern const char kRecordMimeType[];

// What the edit commands ask of the window that shows the grids.
class EditCommandHost {
 public:
  virtual ~EditCommandHost() = default;
  virtual int ActiveGridNumber() const = 0;  // 0 before any grid was entered
  // Grid rows (from 1) of the active grid: its current row, and every selected row ascending.
  virtual int CurrentGridRow() const = 0;
  virtual QList<int> SelectedGridRows() const = 0;
  // Whether the Memory page, where the commands act, is showing.
  virtual bool EditingShown() const = 0;
  virtual void RefreshView() = 0;
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
// What a command changed becomes an undo step in the window that runs it.
class ClipboardCommands {
 public:
  ClipboardCommands(RadioImage& image, EditCommandHost& host, MessageService& messages,
                    QClipboard& clipboard, EditControls controls);

  void Run(EditCommand command);
  void Cut();
  void Copy();
  void Paste();
  void Delete();
  // Re-reads the clipboard and sets which commands are available for the active grid's row.
  void UpdateEditCommands();

  const ClipboardBuffer& Buffer() const { return buffer_; }

 private:
  EditTarget TargetAt(int gridRow) const;
  EditTarget CurrentTarget() const;
  // Cut and Delete act only on the memory and DTMF grids.
  bool RefuseOutsideCutGrids();
  // Several selected rows of the memory grid travel together.
  bool SeveralMemoryRowsSelected() const;
  // The records of the selected memory rows, cleared when `clear` (protected rows are left).
  std::vector<std::string> TakeSelectedMemoryRows(bool clear);
  void Place(const std::vector<std::string>& rows);

  RadioImage& image_;
  EditCommandHost& host_;
  MessageService& messages_;
  QClipboard& clipboard_;
  EditControls controls_;
  ClipboardBuffer buffer_;
};

}  // namespace quorvan
