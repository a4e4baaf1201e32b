#pragma once

#include "gui/editors/EditorDialog.h"

class QCheckBox;
class QLineEdit;

namespace quorvan {

class FrequencyGroup;
class ToneGroup;
class UpDownControl;

// "Memory": edits one memory channel at a time and steps through all 432 of them.
class TMemoryForm : public TEditorDialog {
  Q_OBJECT

 public:
  explicit TMemoryForm(MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally on memory slot `slot`; each store is a change of the document.
  void EditChannel(Document& document, int slot);
  // Prepares the dialog on `slot` without showing it (EditChannel, and tests that show it).
  void Open(Document& document, int slot);
  int CurrentSlot() const { return slot_; }
  void ReloadChannel() override { LoadChannel(slot_); }

 protected:
  bool ShowsItem(ItemRef item) const override {
    return item.kind == ItemKind::Memory && item.index == slot_;
  }
  bool StoreChannel() override;
  void PageChannel(PagingMove move) override;

 private:
  void LoadChannel(int slot);
  void ApplyFields();
  EditorEntry CollectEntry() const;
  void NumberEdited(const QString& text);
  void UpDownStepped(int delta);
  void SetNumberText(const QString& text);

  QLineEdit* number_;
  UpDownControl* upDown_;
  FrequencyGroup* frequency_;
  ToneGroup* tone_;
  QLineEdit* name_;
  QCheckBox* lockout_;
  int slot_ = 0;
  QString lastAccepted_;
};

}  // namespace quorvan
