#pragma once

#include "gui/editors/BandChannelForm.h"

class QGroupBox;
class QLineEdit;

namespace quorvan {

// "VfoForm": edits the VFO of one band and, for the A bands 0-3, the band's program VFO range.
class TVfoForm : public BandChannelForm {
  Q_OBJECT

 public:
  explicit TVfoForm(MessageService& messages, QWidget* parent = nullptr);

  // Shows the dialog modally on VFO band `band` (0-14, the slot of the selected grid row).
  void EditBand(Document& document, int band);
  void Open(Document& document, int band);

 protected:
  // The band's programmable range shows here too.
  bool ShowsItem(ItemRef item) const override {
    return (item.kind == ItemKind::Vfo || item.kind == ItemKind::ProgramVfo) && item.index == band_;
  }
  std::vector<BandListEntry> BandList() const override;
  void LoadChannel() override;
  bool StoreChannel() override;

 private:
  void ApplyFields();
  // Bands 0-3 have a programmable range, which every store completes and writes.
  bool HasProgramVfo() const;
  // The fields as the document now holds them.
  void ShowStoredProgramVfo();
  void ProgramFieldEdited(ProgramVfoSide side);
  ProgramVfoFields ProgramFields() const;
  void ShowProgramFields(const ProgramVfoFields& fields);

  QGroupBox* programGroup_;
  QLineEdit* lower_;
  QLineEdit* upper_;
};

}  // namespace quorvan
