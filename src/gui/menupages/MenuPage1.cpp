#include "gui/menupages/MenuPage1.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "core/messages/Messages.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/DisplayFonts.h"
#include "gui/common/KeyboardOrder.h"
#include "gui/common/MessageService.h"
#include "gui/menupages/MenuPagePom.h"

namespace quorvan {

namespace {

std::vector<QString> Texts(std::initializer_list<const char*> items) {
  std::vector<QString> texts;
  for (const char* item : items) texts.push_back(QString::fromLatin1(item));
  return texts;
}

std::vector<QString> Numbers(int first, int last) {
  std::vector<QString> texts;
  for (int n = first; n <= last; ++n) texts.push_back(QString::number(n));
  return texts;
}

QGroupBox* NewGroup(QWidget* parent, const char* caption) {
  return new QGroupBox(QCoreApplication::translate(parent->metaObject()->className(), caption),
                       parent);
}

}  // namespace

MenuPage1::MenuPage1(Document& document, MessageService& messages, QWidget* parent)
    : MenuPageControls(document, parent), messages_(messages) {
  setObjectName(QStringLiteral("MenuPage1"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(AddRadioGroup("RadioGroup_Band", QT_TR_NOOP("&Operation Band"), kMenuBC,
                                {QT_TR_NOOP("\"A\" Band"), QT_TR_NOOP("\"B\" Band")}),
                  0, 0);
  grid->addWidget(BuildBalance(), 0, 1);
  grid->addWidget(BuildFunction(), 0, 2, 2, 1);
  grid->addWidget(BuildPower(), 1, 0, 1, 2);
  grid->addWidget(BuildDisplay(), 2, 0, 1, 3);
  grid->addWidget(BuildDtmf(), 3, 0, 1, 2);
  grid->addWidget(BuildVox(), 3, 2);
  grid->setRowStretch(4, 1);
  EnterRadioGroupsAtChecked(this);
}

QWidget* MenuPage1::BuildBalance() {
  QGroupBox* box = NewGroup(this, QT_TR_NOOP("&Balance"));
  auto* layout = new QGridLayout(box);
  QSlider* balance = AddTrackBar(layout, "TrackBer_Bal", kMenuBAL, 4);
  NameItem(kMenuBAL, [] { return tr("Balance"); });
  NameControl(balance, box->title(), tr("From the A band at the left to the B band at the right"));
  layout->addWidget(new QLabel(tr("\"A\" Band"), box), 1, 0, Qt::AlignLeft);
  layout->addWidget(new QLabel(tr("Center"), box), 1, 1, Qt::AlignHCenter);
  layout->addWidget(new QLabel(tr("\"B\" Band"), box), 1, 2, Qt::AlignRight);
  return box;
}

QWidget* MenuPage1::BuildFunction() {
  QGroupBox* box = NewGroup(this, QT_TR_NOOP("F&unction"));
  auto* layout = new QVBoxLayout(box);
  AddCheckBox(layout, "CheckBox_Dual", QT_TR_NOOP("Dual"), kMenuDL);
  AddCheckBox(layout, "CheckBox_Att", QT_TR_NOOP("ATT"), kMenuATT);
  AddCheckBox(layout, "CheckBox_Lock", QT_TR_NOOP("Lock"), kMenuLK);
  AddCheckBox(layout, "CheckBox_Lamp", QT_TR_NOOP("Lamp"), kMenuLMP);
  AddCheckBox(layout, "CheckBox_MName", QT_TR_NOOP("Memory Name"), kMenuMNF,
              CheckSense::TickedIsZero);
  return box;
}

QWidget* MenuPage1::BuildPower() {
  QGroupBox* box = NewGroup(this, QT_TR_NOOP("&Power"));
  auto* layout = new QFormLayout(box);
  AddComboBox(layout, "ComboBox_Save", QT_TR_NOOP("Battery Saver"), kMenuSV,
              Texts({"OFF", "0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec", "3.0sec",
                     "4.0sec", "5.0sec"}));
  AddComboBox(layout, "ComboBox_Apo", QT_TR_NOOP("Auto Power Off"), kMenuAPO,
              Texts({"OFF", "30min", "60min"}));
  return box;
}

QWidget* MenuPage1::BuildDisplay() {
  QGroupBox* box = NewGroup(this, QT_TR_NOOP("&Display"));
  auto* row = new QHBoxLayout(box);
  auto* fields = new QFormLayout;
  pom_ = new QLineEdit(box);
  pom_->setObjectName(QStringLiteral("Edit_Pom"));
  pom_->setMaxLength(static_cast<int>(kNameCapacity));
  pom_->installEventFilter(
      new MenuPagePomKeyFilter([this] { return destination_; }, messages_, pom_));
  connect(pom_, &QLineEdit::textEdited, this, &MenuPage1::OnPomEdited);
  fields->addRow(tr("Power on Message"), pom_);
  NameControl(pom_, tr("Power on Message"));
  NameItem(kMenuMES, [] { return tr("Power on Message"); });
  AddComboBox(fields, "ComboBox_Contrast", QT_TR_NOOP("Contrast"), kMenuCNT, Numbers(1, 16),
              ComboForm::TwoDigitsFromOne);
  row->addLayout(fields, 1);
  row->addWidget(AddRadioGroup("RadioGroup_Language", QT_TR_NOOP("Language"), kMenuLAN,
                               {QT_TR_NOOP("English"), QT_TR_NOOP("Japanese")}));
  return box;
}

QWidget* MenuPage1::BuildDtmf() {
  QGroupBox* box = NewGroup(this, QT_TR_NOOP("D&TMF"));
  auto* row = new QHBoxLayout(box);
  auto* checks = new QVBoxLayout;
  AddCheckBox(checks, "CheckBox_DtmfLock", QT_TR_NOOP("DTMF Lock"), kMenuDLK);
  AddCheckBox(checks, "CheckBox_DtmfHold", QT_TR_NOOP("DTMF Hold"), kMenuTXH);
  row->addLayout(checks);
  auto* fields = new QFormLayout;
  AddComboBox(fields, "ComboBox_DtmfPause", QT_TR_NOOP("DTMF Pause"), kMenuPT,
              Texts({"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"}));
  row->addLayout(fields);
  row->addWidget(AddRadioGroup("RadioGroup_DtmfSpeed", QT_TR_NOOP("DTMF Speed"), kMenuTSP,
                               {QT_TR_NOOP("Fast"), QT_TR_NOOP("Slow")}));
  return box;
}

QWidget* MenuPage1::BuildVox() {
  QGroupBox* box = NewGroup(this, QT_TR_NOOP("&VOX"));
  auto* layout = new QVBoxLayout(box);
  auto* fields = new QFormLayout;
  AddComboBox(fields, "ComboBox_VoxGain", QT_TR_NOOP("VOX Gain"), kMenuVXG, Numbers(0, 9));
  AddComboBox(fields, "ComboBox_VoxDeley", QT_TR_NOOP("VOX Delay"), kMenuVXD,
              Texts({"250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms", "3000ms"}));
  layout->addLayout(fields);
  AddCheckBox(layout, "CheckBox_VoxOnBusy", QT_TR_NOOP("VOX on Busy"), kMenuVXB);
  return box;
}

void MenuPage1::ShowPageSpecific(const MenuSettings& menu, const BandPlan& plan) {
  destination_ = plan.DestinationLetter();
  pom_->setFont(DestinationFont(plan, font()));
  // A document comes in with such a message emptied (EmptyUnshowablePowerOnMessage); the field
  // cannot show one the radio's characters do not hold.
  const std::string& stored = menu.Get(kMenuMES);
  pom_->setText(IsValidName(stored, destination_)
                    ? QString::fromStdString(NameToUtf8(stored, destination_))
                    : QString());
}

void MenuPage1::OnPomEdited(const QString& text) {
  std::optional<std::string> bytes = PowerOnMessageBytes(text, destination_);
  if (!bytes) {
    messages_.Information(MessageText(kInvalidCharacterMessage));
    pom_->clear();
    bytes.emplace();
  }
  StoreUserValue(kMenuMES, *bytes);
}

}  // namespace quorvan
