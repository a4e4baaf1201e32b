#pragma once

#include "gui/editors/BandChannelForm.h"

namespace quorvan {

// "CALL Channel": edits the CALL channel of one transmit band (0-3).
class TCallForm : public BandChannelForm {
  Q_OBJECT

 public:
  explicit TCallForm(MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally on CALL band `band` (0-3, the slot of the selected grid row).
  void EditBand(Document& document, int band);
  void Open(Document& document, int band);

 protected:
  bool ShowsItem(ItemRef item) const override {
    return item.kind == ItemKind::Call && item.index == band_;
  }
  std::vector<BandListEntry> BandList() const override;
  void LoadChannel() override;
  bool StoreChannel() override;

 private:
  void ApplyFields();
};

}  // namespace quorvan
