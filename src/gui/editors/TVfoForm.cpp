#include "gui/editors/TVfoForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/common/AccessibleNames.h"
#include "gui/editors/ChannelGroups.h"
#include "gui/editors/EditorText.h"
#include "gui/editors/FieldFilters.h"

namespace quorvan {

namespace {

constexpr int kFrequencyLength = 10;
constexpr int kProgramFieldLength = 4;
constexpr int kLastProgramBand = 3;

}  // namespace

TVfoForm::TVfoForm(MessageService& messages, QWidget* parent)
    : BandChannelForm(messages, parent, false, kFrequencyLength) {
  setObjectName(QStringLiteral("VfoForm"));
  setWindowTitle(tr("VfoForm"));

  programGroup_ = new QGroupBox(tr("Program VFO"), this);
  auto* row = new QHBoxLayout(programGroup_);
  lower_ = new QLineEdit(programGroup_);
  lower_->setObjectName(QStringLiteral("Edit3"));
  upper_ = new QLineEdit(programGroup_);
  upper_->setObjectName(QStringLiteral("Edit4"));
  NameControl(lower_, tr("Program VFO lower limit"), tr("Lowest whole MHz of the range"));
  NameControl(upper_, tr("Program VFO upper limit"), tr("Highest whole MHz of the range"));
  row->addWidget(lower_);
  row->addWidget(new QLabel(tr("-"), programGroup_));
  row->addWidget(upper_);
  row->addWidget(new QLabel(tr("MHz"), programGroup_));
  MainLayout()->addWidget(programGroup_);
  for (QLineEdit* field : {lower_, upper_}) {
    field->setMaxLength(kProgramFieldLength);
    InstallFrequencyKeys(field, nullptr);
  }
  connect(lower_, &QLineEdit::textEdited, this,
          [this] { ProgramFieldEdited(ProgramVfoSide::Lower); });
  connect(upper_, &QLineEdit::textEdited, this,
          [this] { ProgramFieldEdited(ProgramVfoSide::Upper); });

  auto* buttons = new QHBoxLayout;
  AddButtons(buttons);
  MainLayout()->addLayout(buttons);
  connect(frequency_, &FrequencyGroup::EnterPressed, this, &TVfoForm::ApplyFields);
  InstallDialogKeys();
}

void TVfoForm::EditBand(Document& document, int band) {
  Open(document, band);
  RunSession();
}

void TVfoForm::Open(Document& document, int band) { OpenBand(document, band); }

std::vector<BandListEntry> TVfoForm::BandList() const { return VfoBandList(Image().Plan()); }

ProgramVfoFields TVfoForm::ProgramFields() const {
  return {ToAscii(lower_->text()), ToAscii(upper_->text())};
}

void TVfoForm::ShowProgramFields(const ProgramVfoFields& fields) {
  if (lower_->text() != ToQString(fields.lower)) lower_->setText(ToQString(fields.lower));
  if (upper_->text() != ToQString(fields.upper)) upper_->setText(ToQString(fields.upper));
}

void TVfoForm::LoadChannel() {
  ShowChannel(LoadVfoChannel(Image(), band_));
  programGroup_->setVisible(HasProgramVfo());
  ShowProgramFields(HasProgramVfo() ? ProgramVfoFieldsOf(Image(), band_) : ProgramVfoFields{});
  ClearPending();
}

void TVfoForm::ProgramFieldEdited(ProgramVfoSide side) {
  const ProgramVfoFields before = ProgramFields();
  const std::string& edited = side == ProgramVfoSide::Lower ? before.lower : before.upper;
  if (edited != "0") MarkPending();
  ShowProgramFields(ReactToProgramVfoEdit(Image().Plan(), band_, before, side));
}

bool TVfoForm::HasProgramVfo() const { return band_ <= kLastProgramBand; }

void TVfoForm::ShowStoredProgramVfo() {
  if (HasProgramVfo()) ShowProgramFields(ProgramVfoFieldsOf(Image(), band_));
}

bool TVfoForm::StoreChannel() {
  const std::string range =
      HasProgramVfo() ? CompleteProgramVfoRecord(Image().Plan(), band_, ProgramFields()) : "";
  const EditorEntry entry = CollectEntry();
  StoreOutcome out;
  // One step: the range is written first and stays written even when the frequency turns out
  // bad, as the fit of the frequency already depends on it.
  Store([&](RadioImage& image) {
    if (HasProgramVfo()) image.Store(SlotKind::ProgramVfo, band_, range);
    out = ComposeVfoRecord(image, band_, entry);
    if (out.error == EditError::None) image.Store(SlotKind::Vfo, band_, out.record);
  });
  ShowStoredProgramVfo();
  if (!ReportError(out.error)) return false;
  LoadChannel();
  if (out.rounded) Inform(kRoundedMessage);
  return true;
}

void TVfoForm::ApplyFields() {
  if (HasProgramVfo()) {
    const std::string range = CompleteProgramVfoRecord(Image().Plan(), band_, ProgramFields());
    Store([&](RadioImage& image) { image.Store(SlotKind::ProgramVfo, band_, range); });
    ShowStoredProgramVfo();
  }
  const AppliedFields out = ApplyVfoFields(Image(), band_, CollectEntry());
  if (!ReportError(out.error)) return;
  frequency_->ShowApplied(out, false);
  tone_->SetMode(out.fitted.ModeIndex());
  if (out.rounded) Inform(kRoundedMessage);
}

}  // namespace quorvan
