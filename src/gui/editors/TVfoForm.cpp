#include "gui/editors/TVfoForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

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

bool TVfoForm::EditBand(RadioImage& image, int band) {
  Open(image, band);
  return RunSession();
}

void TVfoForm::Open(RadioImage& image, int band) { OpenBand(image, band); }

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
  const bool hasProgramVfo = band_ <= kLastProgramBand;
  programGroup_->setVisible(hasProgramVfo);
  ShowProgramFields(hasProgramVfo ? ProgramVfoFieldsOf(Image(), band_) : ProgramVfoFields{});
  ClearPending();
}

void TVfoForm::ProgramFieldEdited(ProgramVfoSide side) {
  const ProgramVfoFields before = ProgramFields();
  const std::string& edited = side == ProgramVfoSide::Lower ? before.lower : before.upper;
  if (edited != "0") MarkPending();
  ShowProgramFields(ReactToProgramVfoEdit(Image().Plan(), band_, before, side));
}

void TVfoForm::WriteProgramVfo() {
  if (band_ > kLastProgramBand) return;
  const std::string record = CompleteProgramVfoRecord(Image().Plan(), band_, ProgramFields());
  NoteDocumentModified();
  Image().Store(SlotKind::ProgramVfo, band_, record);
  NotifyStored();
  ShowProgramFields(ProgramVfoFieldsOf(Image(), band_));
}

bool TVfoForm::StoreChannel() {
  NoteDocumentModified();
  // The range is written first and stays written even when the frequency turns out bad: the
  // fit below already depends on it.
  WriteProgramVfo();
  const StoreOutcome out = ComposeVfoRecord(Image(), band_, CollectEntry());
  if (!ReportError(out.error)) return false;
  Image().Store(SlotKind::Vfo, band_, out.record);
  NotifyStored();
  LoadChannel();
  if (out.rounded) Inform(kRoundedMessage);
  return true;
}

void TVfoForm::ApplyFields() {
  WriteProgramVfo();
  const AppliedFields out = ApplyVfoFields(Image(), band_, CollectEntry());
  if (!ReportError(out.error)) return;
  frequency_->ShowApplied(out, false);
  tone_->SetMode(out.fitted.ModeIndex());
  if (out.rounded) Inform(kRoundedMessage);
}

}  // namespace quorvan
