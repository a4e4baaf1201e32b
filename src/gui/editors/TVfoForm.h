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
  // True when the document was modified.
  bool EditBand(RadioImage& image, int band);
  void Open(RadioImage& image, int band);

 protected:
  std::vector<BandListEntry> BandList() const override;
  void LoadChannel() override;
  bool StoreChannel() override;

 private:
  void ApplyFields();
  // Completes the program VFO fields of bands 0-3 and writes the range into the image.
  void WriteProgramVfo();
  void ProgramFieldEdited(ProgramVfoSide side);
  ProgramVfoFields ProgramFields() const;
  void ShowProgramFields(const ProgramVfoFields& fields);

  QGroupBox* programGroup_;
  QLineEdit* lower_;
  QLineEdit* upper_;
};

}  // namespace quorvan
