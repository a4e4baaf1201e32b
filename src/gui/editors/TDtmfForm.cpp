#include "gui/editors/TDtmfForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "core/model/RecordForm.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/DisplayFonts.h"
#include "gui/editors/ChoiceWidgets.h"
#include "gui/editors/EditorText.h"
#include "gui/editors/FieldFilters.h"

namespace quorvan {

namespace {

constexpr int kCodeLength = 16;

}  // namespace

TDtmfForm::TDtmfForm(MessageService& messages, QWidget* parent) : TEditorDialog(messages, parent) {
  setObjectName(QStringLiteral("DtmfForm"));
  setWindowTitle(tr("DTMF Memory"));
  auto* layout = new QVBoxLayout(Body());

  auto* channelRow = new QHBoxLayout;
  channelList_ = new PromptingComboBox(this);
  channelList_->setObjectName(QStringLiteral("ComboBox1"));
  for (int i = 0; i < kDtmfSlots; ++i) channelList_->addItem(QString::number(i));
  auto* channelLabel = new QLabel(tr("Channel Number"), this);
  LabelControl(channelLabel, channelList_);
  channelRow->addWidget(channelLabel);
  channelRow->addWidget(channelList_);
  channelRow->addStretch();
  layout->addLayout(channelRow);

  auto* codeGroup = new QGroupBox(tr("DTMF Code"), this);
  auto* codeRow = new QHBoxLayout(codeGroup);
  code_ = new QLineEdit(codeGroup);
  code_->setObjectName(QStringLiteral("Edit1"));
  code_->setMaxLength(kCodeLength);
  NameControl(code_, codeGroup->title());
  codeRow->addWidget(code_);
  layout->addWidget(codeGroup);

  auto* nameRow = new QHBoxLayout;
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Edit2"));
  name_->setMaxLength(static_cast<int>(kNameCapacity));
  auto* nameLabel = new QLabel(tr("Name"), this);
  LabelControl(nameLabel, name_);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(name_);
  layout->addLayout(nameRow);

  auto* buttons = new QHBoxLayout;
  AddButtons(buttons);
  layout->addLayout(buttons);

  channelList_->SetBeforePopup([this] { return AskBeforeChannelChange(); });
  connect(channelList_, &QComboBox::activated, this, &TDtmfForm::ChannelActivated);
  InstallDtmfCodeChecks(code_, messages, [this] { MarkPending(); });
  InstallNameChecks(
      name_, messages, [this] { return Image().Plan().DestinationLetter(); },
      [this] { MarkPending(); });
  InstallDialogKeys();
}

void TDtmfForm::EditChannel(Document& document, int channel) {
  Open(document, channel);
  RunSession();
}

void TDtmfForm::Open(Document& document, int channel) {
  BeginSession(document);
  name_->setFont(DestinationFont(Image().Plan(), name_->font()));
  code_->setFocus();
  LoadChannel(channel >= 0 && channel < kDtmfSlots ? channel : 0);
}

void TDtmfForm::LoadChannel(int channel) {
  channel_ = channel;
  channelList_->setCurrentIndex(channel);
  const DtmfRecord record = Image().Dtmf(channel);
  code_->setText(ToQString(record.Code()));
  name_->setText(
      QString::fromStdString(NameToUtf8(record.Name(), Image().Plan().DestinationLetter())));
  ClearPending();
}

bool TDtmfForm::StoreChannel() {
  const char destination = Image().Plan().DestinationLetter();
  const QByteArray utf8 = name_->text().toUtf8();
  std::optional<std::string> name = NameFromUtf8(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), destination);
  // The field checks keep both texts valid; anything that still is not goes in empty.
  if (!name || !IsValidName(*name, destination)) name = std::string();
  std::string code = ToAscii(code_->text());
  if (!IsDtmfCode(code)) code.clear();
  const std::string record = DtmfRecord::Make(channel_, code, *name).Text();
  Store([&](RadioImage& image) { image.Store(SlotKind::Dtmf, channel_, record); });
  ClearPending();
  return true;
}

bool TDtmfForm::AskBeforeChannelChange() {
  if (PendingChanges() && Ask(kPendingQuestion)) StoreChannel();
  ClearPending();
  return true;
}

void TDtmfForm::ChannelActivated(int channel) {
  AskBeforeChannelChange();
  LoadChannel(channel);
}

void TDtmfForm::PageChannel(PagingMove move) {
  AskBeforeChannelChange();
  LoadChannel(PagedPosition(channel_, kDtmfSlots, move));
}

}  // namespace quorvan
