#pragma once

#include "gui/editors/BandChannelForm.h"

namespace quorvan {

// "CALL Channel": edits the CALL channel of one transmit band (0-3).
class TCallForm : public BandChannelForm {
  Q_OBJECT

 public:
  explicit TCallForm(MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally on CALL band `band` (0-3, the slot of the selected grid row).
  // True when the document was modified.
  bool EditBand(RadioImage& image, int band);
  void Open(RadioImage& image, int band);

 protected:
  std::vector<BandListEntry> BandList() const override;
  void LoadChannel() override;
  bool StoreChannel() override;

 private:
  void ApplyFields();
};

}  // namespace quorvan
