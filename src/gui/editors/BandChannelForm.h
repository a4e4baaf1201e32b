#pragma once

#include <vector>

#include "gui/editors/EditorDialog.h"

class QVBoxLayout;

namespace quorvan {

class FrequencyGroup;
class PromptingComboBox;
class ToneGroup;

// What the VFO and CALL editors share: the "Band" list with its pending-change question and
// paging, and the frequency and tone groups of the current band's record.
class BandChannelForm : public TEditorDialog {
  Q_OBJECT

 public:
  int CurrentBand() const { return band_; }
  void ReloadChannel() override { LoadChannel(); }

 protected:
  BandChannelForm(MessageService& messages, QWidget* parent, bool withSplit, int frequencyLength);

  // Lists the plan's bands, selects `band` and loads it.
  void OpenBand(Document& document, int band);
  virtual std::vector<BandListEntry> BandList() const = 0;
  virtual void LoadChannel() = 0;
  void PageChannel(PagingMove move) override;

  QVBoxLayout* MainLayout() const { return layout_; }
  EditorEntry CollectEntry() const;
  // Fills the frequency and tone groups; the form adds what it has beyond them.
  void ShowChannel(const LoadedChannel& channel);

  FrequencyGroup* frequency_;
  ToneGroup* tone_;
  int band_ = 0;

 private:
  // Offers to store pending changes before another band is shown; false when that store failed.
  bool AskBeforeBandChange();
  void BandActivated(int position);
  void MoveToPosition(int position);
  int PositionOfBand(int band) const;

  QVBoxLayout* layout_;
  PromptingComboBox* bandList_;
  std::vector<BandListEntry> entries_;
};

}  // namespace quorvan
