#include "gui/editors/BandChannelForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/common/AccessibleNames.h"
#include "gui/editors/ChannelGroups.h"
#include "gui/editors/ChoiceWidgets.h"
#include "gui/editors/EditorText.h"

namespace quorvan {

BandChannelForm::BandChannelForm(MessageService& messages, QWidget* parent, bool withSplit,
                                 int frequencyLength)
    : TEditorDialog(messages, parent) {
  layout_ = new QVBoxLayout(Body());
  auto* bandRow = new QHBoxLayout;
  bandList_ = new PromptingComboBox(this);
  bandList_->setObjectName(QStringLiteral("ComboBox6"));
  auto* bandLabel = new QLabel(tr("Band"), this);
  LabelControl(bandLabel, bandList_);
  bandRow->addWidget(bandLabel);
  bandRow->addWidget(bandList_);
  bandRow->addStretch();
  layout_->addLayout(bandRow);
  frequency_ = new FrequencyGroup(withSplit, frequencyLength, this);
  tone_ = new ToneGroup(this);
  layout_->addWidget(frequency_);
  layout_->addWidget(tone_);

  bandList_->SetBeforePopup([this] { return AskBeforeBandChange(); });
  connect(bandList_, &QComboBox::activated, this, &BandChannelForm::BandActivated);
  connect(frequency_, &FrequencyGroup::Edited, this, &BandChannelForm::MarkPending);
  connect(frequency_, &FrequencyGroup::ModeChanged, tone_, &ToneGroup::SetMode);
  connect(tone_, &ToneGroup::Edited, this, &BandChannelForm::MarkPending);
}

void BandChannelForm::OpenBand(Document& document, int band) {
  BeginSession(document);
  entries_ = BandList();
  {
    const QSignalBlocker blocker(bandList_);
    bandList_->clear();
    for (const BandListEntry& entry : entries_) bandList_->addItem(ToQString(entry.name));
  }
  const int position = PositionOfBand(band);
  band_ = entries_.empty() ? band : entries_[static_cast<std::size_t>(position)].band;
  bandList_->setCurrentIndex(position);
  frequency_->RxField()->setFocus();
  LoadChannel();
}

int BandChannelForm::PositionOfBand(int band) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].band == band) return static_cast<int>(i);
  }
  return 0;
}

bool BandChannelForm::AskBeforeBandChange() {
  if (!PendingChanges()) return true;
  const bool stored = !Ask(kPendingQuestion) || StoreChannel();
  ClearPending();
  return stored;
}

void BandChannelForm::BandActivated(int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= entries_.size()) return;
  if (!AskBeforeBandChange()) {
    bandList_->setCurrentIndex(PositionOfBand(band_));
    return;
  }
  MoveToPosition(position);
}

void BandChannelForm::MoveToPosition(int position) {
  bandList_->setCurrentIndex(position);
  band_ = entries_[static_cast<std::size_t>(position)].band;
  LoadChannel();
}

void BandChannelForm::PageChannel(PagingMove move) {
  if (entries_.empty() || !AskBeforeBandChange()) return;
  MoveToPosition(PagedPosition(PositionOfBand(band_), static_cast<int>(entries_.size()), move));
}

EditorEntry BandChannelForm::CollectEntry() const {
  EditorEntry entry;
  frequency_->ReadInto(entry);
  tone_->ReadInto(entry);
  return entry;
}

void BandChannelForm::ShowChannel(const LoadedChannel& channel) {
  frequency_->Show(channel);
  tone_->Show(channel.record);
  tone_->SetMode(channel.record.ModeIndex());
}

}  // namespace quorvan
