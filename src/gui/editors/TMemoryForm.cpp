#include "gui/editors/TMemoryForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/DisplayFonts.h"
#include "gui/editors/ChannelGroups.h"
#include "gui/editors/ChoiceWidgets.h"
#include "gui/editors/EditorText.h"
#include "gui/editors/FieldFilters.h"

namespace quorvan {

namespace {

constexpr int kNumberLength = 3;
constexpr int kFrequencyLength = 11;

QString NameText(std::string_view bytes, char destination) {
  return QString::fromStdString(NameToUtf8(bytes, destination));
}

}  // namespace

TMemoryForm::TMemoryForm(MessageService& messages, QWidget* parent)
    : TEditorDialog(messages, parent) {
  setObjectName(QStringLiteral("MemoryForm"));
  setWindowTitle(tr("Memory"));
  auto* layout = new QVBoxLayout(Body());

  auto* numberRow = new QHBoxLayout;
  number_ = new QLineEdit(this);
  number_->setObjectName(QStringLiteral("Edit5"));
  number_->setMaxLength(kNumberLength);
  upDown_ = new UpDownControl(this);
  upDown_->setObjectName(QStringLiteral("UpDown1"));
  auto* numberLabel = new QLabel(tr("Memory Channel Number"), this);
  LabelControl(numberLabel, number_);
  numberRow->addWidget(numberLabel);
  numberRow->addWidget(number_);
  numberRow->addWidget(upDown_);
  numberRow->addStretch();
  layout->addLayout(numberRow);

  frequency_ = new FrequencyGroup(true, kFrequencyLength, this);
  tone_ = new ToneGroup(this);
  layout->addWidget(frequency_);
  layout->addWidget(tone_);

  auto* option = new QGroupBox(tr("Option"), this);
  auto* optionRow = new QHBoxLayout(option);
  name_ = new QLineEdit(option);
  name_->setObjectName(QStringLiteral("Edit4"));
  name_->setMaxLength(static_cast<int>(kNameCapacity));
  lockout_ = new QCheckBox(tr("Lock Out"), option);
  lockout_->setObjectName(QStringLiteral("CheckBox5"));
  auto* nameLabel = new QLabel(tr("Memory Name"), option);
  LabelControl(nameLabel, name_);
  optionRow->addWidget(nameLabel);
  optionRow->addWidget(name_);
  optionRow->addWidget(lockout_);
  layout->addWidget(option);

  auto* buttons = new QHBoxLayout;
  AddButtons(buttons);
  layout->addLayout(buttons);

  connect(frequency_, &FrequencyGroup::Edited, this, &TMemoryForm::MarkPending);
  connect(frequency_, &FrequencyGroup::EnterPressed, this, &TMemoryForm::ApplyFields);
  connect(frequency_, &FrequencyGroup::ModeChanged, tone_, &ToneGroup::SetMode);
  connect(tone_, &ToneGroup::Edited, this, &TMemoryForm::MarkPending);
  connect(lockout_, &QCheckBox::clicked, this, &TMemoryForm::MarkPending);
  connect(number_, &QLineEdit::textEdited, this, &TMemoryForm::NumberEdited);
  connect(upDown_, &UpDownControl::Stepped, this, &TMemoryForm::UpDownStepped);
  InstallNameChecks(
      name_, messages, [this] { return Image().Plan().DestinationLetter(); },
      [this] { MarkPending(); });
  InstallDialogKeys();
}

void TMemoryForm::EditChannel(Document& document, int slot) {
  Open(document, slot);
  RunSession();
}

void TMemoryForm::Open(Document& document, int slot) {
  BeginSession(document);
  name_->setFont(DestinationFont(Image().Plan(), name_->font()));
  frequency_->RxField()->setFocus();
  LoadChannel(slot >= 0 && slot < kMemorySlots ? slot : 0);
}

void TMemoryForm::SetNumberText(const QString& text) {
  // Rewriting the same text would move the cursor while the user types 1, 12, 123.
  if (number_->text() != text) number_->setText(text);
}

void TMemoryForm::LoadChannel(int slot) {
  slot_ = slot;
  const LoadedChannel channel = LoadMemoryChannel(Image(), slot);
  const ChannelRecord& record = channel.record;
  lastAccepted_ = ToQString(MemoryChannelText(slot));
  SetNumberText(lastAccepted_);
  frequency_->Show(channel);
  tone_->Show(record);
  name_->setText(NameText(record[ChannelField::Name], Image().Plan().DestinationLetter()));
  lockout_->setChecked(record.IsOn(ChannelField::Lockout));
  tone_->SetMode(record.ModeIndex());
  ClearPending();
}

EditorEntry TMemoryForm::CollectEntry() const {
  EditorEntry entry;
  frequency_->ReadInto(entry);
  tone_->ReadInto(entry);
  const QByteArray utf8 = name_->text().toUtf8();
  const std::optional<std::string> bytes =
      NameFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                   Image().Plan().DestinationLetter());
  // The name checks keep the field valid; a name that still fails is not stored.
  if (bytes && IsValidName(*bytes, Image().Plan().DestinationLetter())) {
    entry.choices.Set(ChannelField::Name, *bytes);
  }
  entry.choices.SetFlag(ChannelField::Lockout, lockout_->isChecked());
  return entry;
}

bool TMemoryForm::StoreChannel() {
  const StoreOutcome out = ComposeMemoryRecord(Image(), slot_, CollectEntry());
  if (!ReportError(out.error)) return false;
  Store([&](RadioImage& image) { image.Store(SlotKind::Memory, slot_, out.record); });
  LoadChannel(slot_);
  if (out.rounded) Inform(kRoundedMessage);
  return true;
}

void TMemoryForm::ApplyFields() {
  const AppliedFields out = ApplyMemoryFields(Image(), CollectEntry());
  if (!ReportError(out.error)) return;
  frequency_->ShowApplied(out, true);
  tone_->SetMode(out.fitted.ModeIndex());
  if (out.rounded) Inform(kRoundedMessage);
}

void TMemoryForm::NumberEdited(const QString& text) {
  const ChannelNumberReading reading = ReadChannelNumber(ToAscii(text));
  switch (reading.kind) {
    case ChannelNumberKind::Empty:
    case ChannelNumberKind::Unfinished:
      return;
    case ChannelNumberKind::Invalid:
      Inform(kInvalidChannelNumberMessage);
      SetNumberText(lastAccepted_);
      return;
    case ChannelNumberKind::Valid:
      if (!ConfirmPending()) {
        SetNumberText(ToQString(MemoryChannelText(slot_)));
        return;
      }
      LoadChannel(reading.slot);
      return;
  }
}

void TMemoryForm::UpDownStepped(int delta) {
  if (!ConfirmPending()) return;
  LoadChannel(
      PagedPosition(slot_, kMemorySlots, delta > 0 ? PagingMove::Next : PagingMove::Previous));
}

void TMemoryForm::PageChannel(PagingMove move) {
  // Unlike a plain move, a failed store keeps the channel so the user's edits are not lost.
  if (!ConfirmPending()) return;
  LoadChannel(PagedPosition(slot_, kMemorySlots, move));
}

}  // namespace quorvan
