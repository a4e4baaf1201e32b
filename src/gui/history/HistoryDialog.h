#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/files/RadioHistory.h"
#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace quorvan {

class MessageService;

// What the history window reaches outside itself.
struct HistoryServices {
  QString folder;  // the backups folder
  BandPlan plan;   // of the document's radio, whose history is shown
  MessageService* messages = nullptr;
  // Open: the state becomes the document (after the unsaved-changes prompt); false when the
  // document stays.
  std::function<bool(RadioImage state)> open;
  // Restore to Radio: the write of what differs between the radio now and the state.
  std::function<void(const RadioImage& state, const HistoryEntry& entry)> restore;
};

// Radio > History: every state the document's radio was read or written in, newest first. One
// entry selected can be opened, restored to the radio or pinned; two show what differs between
// them, field by field.
class HistoryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit HistoryDialog(HistoryServices services, QWidget* parent = nullptr);

  // Lists the folder's backups again (after a restore added some).
  void Reload();

  QTreeWidget* List() const { return list_; }
  const std::vector<HistoryEntry>& Entries() const { return entries_; }
  // Selects the entries of these numbers (1 the newest) and nothing else.
  void SelectNumbers(const std::vector<int>& numbers);
  QString DetailText() const;
  QPushButton* OpenButton() const { return open_; }
  QPushButton* RestoreButton() const { return restore_; }
  QPushButton* PinButton() const { return pin_; }

 private:
  std::vector<const HistoryEntry*> Selected() const;
  void FollowSelection();
  void ShowDifferences(const HistoryEntry& first, const HistoryEntry& second);
  // The selected entry opened; none (and told why) when it cannot be.
  std::optional<RadioImage> OpenSelected();
  void OpenState();
  void RestoreState();
  void TogglePin();

  HistoryServices services_;
  std::vector<HistoryEntry> entries_;
  QLabel* radio_;
  QTreeWidget* list_;
  QPlainTextEdit* detail_;
  QPushButton* open_;
  QPushButton* restore_;
  QPushButton* pin_;
};

}  // namespace quorvan
