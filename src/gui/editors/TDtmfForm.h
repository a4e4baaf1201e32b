#pragma once

#include "gui/editors/EditorDialog.h"

class QLineEdit;

namespace quorvan {

class PromptingComboBox;

// "DTMF Memory": edits the ten DTMF memories, one at a time.
class TDtmfForm : public TEditorDialog {
  Q_OBJECT

 public:
  explicit TDtmfForm(MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally on DTMF memory `channel` (0-9).
  void EditChannel(Document& document, int channel);
  void Open(Document& document, int channel);
  int CurrentChannel() const { return channel_; }
  void ReloadChannel() override { LoadChannel(channel_); }

 protected:
  bool ShowsItem(ItemRef item) const override {
    return item.kind == ItemKind::Dtmf && item.index == channel_;
  }
  bool StoreChannel() override;
  void PageChannel(PagingMove move) override;

 private:
  void LoadChannel(int channel);
  // Offers to store pending changes; a DTMF store cannot fail, so the move always goes on.
  bool AskBeforeChannelChange();
  void ChannelActivated(int channel);

  PromptingComboBox* channelList_;
  QLineEdit* code_;
  QLineEdit* name_;
  int channel_ = 0;
};

}  // namespace quorvan
