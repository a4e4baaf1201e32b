#include "gui/editors/TCallForm.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/editors/ChannelGroups.h"

namespace quorvan {

namespace {

constexpr int kFrequencyLength = 10;

}  // namespace

TCallForm::TCallForm(MessageService& messages, QWidget* parent)
    : BandChannelForm(messages, parent, true, kFrequencyLength) {
  setObjectName(QStringLiteral("CallForm"));
  setWindowTitle(tr("CALL Channel"));
  auto* buttons = new QHBoxLayout;
  AddButtons(buttons);
  MainLayout()->addLayout(buttons);
  connect(frequency_, &FrequencyGroup::EnterPressed, this, &TCallForm::ApplyFields);
  InstallDialogKeys();
}

void TCallForm::EditBand(Document& document, int band) {
  Open(document, band);
  RunSession();
}

void TCallForm::Open(Document& document, int band) { OpenBand(document, band); }

std::vector<BandListEntry> TCallForm::BandList() const { return CallBandList(Image().Plan()); }

void TCallForm::LoadChannel() {
  ShowChannel(LoadCallChannel(Image(), band_));
  ClearPending();
}

bool TCallForm::StoreChannel() {
  const StoreOutcome out = ComposeCallRecord(Image(), band_, CollectEntry());
  if (!ReportError(out.error)) return false;
  Store([&](RadioImage& image) { image.Store(SlotKind::Call, band_, out.record); });
  LoadChannel();
  if (out.rounded) Inform(kRoundedMessage);
  return true;
}

void TCallForm::ApplyFields() {
  // The extra shift and the tone group stay as they are here.
  const AppliedFields out = ApplyCallFields(Image(), band_, CollectEntry());
  if (!ReportError(out.error)) return;
  frequency_->ShowApplied(out, false);
  if (out.rounded) Inform(kRoundedMessage);
}

}  // namespace quorvan
