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

  // Shows the dialog modally on DTMF memory `channel` (0-9, grid row minus 1). True when the
  // document was modified.
  bool EditChannel(RadioImage& image, int channel);
  void Open(RadioImage& image, int channel);
  int CurrentChannel() const { return channel_; }
  void ReloadChannel() override { LoadChannel(channel_); }

 protected:
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
