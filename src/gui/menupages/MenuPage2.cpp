#include "gui/menupages/MenuPage2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "core/rules/DisplayTexts.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/KeyboardOrder.h"
#include "gui/common/MessageService.h"

namespace quorvan {

namespace {

constexpr std::size_t kGroupLinkLength = 8;

}  // namespace

MenuPage2::MenuPage2(Document& document, QWidget* parent) : MenuPageControls(document, parent) {
  setObjectName(QStringLiteral("MenuPage2"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(BuildRxTx(), 0, 0, 2, 1);
  grid->addWidget(BuildRepeater(), 0, 1);
  grid->addWidget(BuildOther(), 1, 1);
  grid->setRowStretch(2, 1);
  EnterRadioGroupsAtChecked(this);
}

QWidget* MenuPage2::BuildRxTx() {
  auto* box = new QGroupBox(tr("R&X/TX"), this);
  auto* layout = new QVBoxLayout(box);
  AddCheckBox(layout, "CheckBox_TxInhibit", QT_TR_NOOP("Tx Inhibit"), kMenuTXS);
  AddCheckBox(layout, "CheckBox_BarAntenna", QT_TR_NOOP("Bar Antenna"), kMenuANT);
  AddCheckBox(layout, "CheckBox_BeatShift", QT_TR_NOOP("Beat Shift"), kMenuNSFT);
  layout->addWidget(BuildNarrow());
  auto* powers = new QGridLayout;
  powers->addWidget(AddRadioGroup("RadioGroup_APower", QT_TR_NOOP("A Band RF Power"), kMenuPC0,
                                  {QT_TR_NOOP("High"), QT_TR_NOOP("Low"), QT_TR_NOOP("EL")}),
                    0, 0);
  powers->addWidget(AddRadioGroup("RadioGroup_BPower", QT_TR_NOOP("B Band RF Power"), kMenuPC1,
                                  {QT_TR_NOOP("High"), QT_TR_NOOP("Low"), QT_TR_NOOP("EL")}),
                    0, 1);
  aGigaPower_ = AddRadioGroup("RadioGroup_AGPower", QT_TR_NOOP("1.2G A Band Power"), kMenuPC2,
                              {QT_TR_NOOP("High"), QT_TR_NOOP("Low")});
  bGigaPower_ = AddRadioGroup("RadioGroup_BGPower", QT_TR_NOOP("1.2G B Band Power"), kMenuPC3,
                              {QT_TR_NOOP("High"), QT_TR_NOOP("Low")});
  powers->addWidget(aGigaPower_, 1, 0);
  powers->addWidget(bGigaPower_, 1, 1);
  layout->addLayout(powers);
  return box;
}

QWidget* MenuPage2::BuildNarrow() {
  auto* box = new QGroupBox(tr("FM Narrow"), this);
  auto* layout = new QGridLayout(box);
  nar220_ = NewCheckBox("CheckBox_Nar220", QT_TR_NOOP("220MHz Band"), kMenuNAR1);
  narHf_ = NewCheckBox("CheckBox_NarHf", QT_TR_NOOP("HF Band"), kMenuNAR5);
  nar440_ = NewCheckBox("CheckBox_Nar440", QT_TR_NOOP("440MHz Band"), kMenuNAR2);
  nar1200_ = NewCheckBox("CheckBox_Nar1200", QT_TR_NOOP("1.2GHz Band"), kMenuNAR3);
  QCheckBox* nar144 = NewCheckBox("CheckBox_Nar144", QT_TR_NOOP("144MHz Band"), kMenuNAR0);
  layout->addWidget(nar144, 0, 0);
  // The HF box takes the 220 MHz box's place; no band plan offers both.
  layout->addWidget(nar220_, 1, 0);
  layout->addWidget(narHf_, 1, 0);
  layout->addWidget(nar440_, 2, 0);
  layout->addWidget(nar1200_, 3, 0);
  // "144MHz Band" alone would not tell which setting an undo step takes back.
  const std::pair<int, QCheckBox*> boxes[] = {{kMenuNAR0, nar144},
                                              {kMenuNAR1, nar220_},
                                              {kMenuNAR2, nar440_},
                                              {kMenuNAR3, nar1200_},
                                              {kMenuNAR5, narHf_}};
  for (const auto& [item, check] : boxes) {
    NameItem(item, [check = check] { return tr("FM Narrow %1").arg(check->text()); });
    NameControl(check, tr("FM Narrow %1").arg(check->text()));
  }
  return box;
}

QWidget* MenuPage2::BuildRepeater() {
  auto* box = new QGroupBox(tr("Re&peater"), this);
  auto* layout = new QVBoxLayout(box);
  AddCheckBox(layout, "CheckBox_ARO", QT_TR_NOOP("Auto Repeater Offset"), kMenuARO);
  AddCheckBox(layout, "CheckBox_CallKey", QT_TR_NOOP("1750Hz Tone Key"), kMenuCKEY);
  AddCheckBox(layout, "CheckBox_t1750Hold", QT_TR_NOOP("1750Hz Tone Hold"), kMenuTH);
  return box;
}

QWidget* MenuPage2::BuildOther() {
  auto* box = new QGroupBox(tr("&Other"), this);
  auto* layout = new QGridLayout(box);
  auto* checks = new QVBoxLayout;
  AddCheckBox(checks, "CheckBox_TuneEnable", QT_TR_NOOP("Tune Enable"), kMenuELK);
  AddCheckBox(checks, "CheckBox_KeyBeep", QT_TR_NOOP("Key Beep"), kMenuBEP);
  layout->addLayout(checks, 0, 0);
  layout->addWidget(AddRadioGroup("RadioGroup_ScanResume", QT_TR_NOOP("Scan Resume"), kMenuSCR,
                                  {QT_TR_NOOP("Time"), QT_TR_NOOP("Carrier"), QT_TR_NOOP("Seek")}),
                    0, 1);
  layout->addWidget(AddRadioGroup("RadioGroup_PacketSpeed", QT_TR_NOOP("Packet Speed"), kMenuDATP,
                                  {"1200bps", "9600bps"}),
                    1, 0);
  layout->addWidget(BuildGroupLink(), 1, 1);
  layout->addWidget(AddRadioGroup("RadioGroup_MemoryMethod", QT_TR_NOOP("Memory Recall Method"),
                                  kMenuMRM, {QT_TR_NOOP("All Bands"), QT_TR_NOOP("Current Band")}),
                    2, 0);
  layout->addWidget(AddRadioGroup("RadioGroup_Battery", QT_TR_NOOP("Battery"), kMenuBAT,
                                  {QT_TR_NOOP("Lithium"), QT_TR_NOOP("Alkaline")}),
                    2, 1);
  return box;
}

QWidget* MenuPage2::BuildGroupLink() {
  auto* box = new QGroupBox(tr("Memory Group Link"), this);
  NameItem(kMenuMGL, [] { return tr("Memory Group Link"); });
  auto* layout = new QGridLayout(box);
  for (int n = 0; n < static_cast<int>(groupLinks_.size()); ++n) {
    auto* check = new QCheckBox(QString::number(n), box);
    check->setObjectName(QStringLiteral("CheckBox_%1").arg(n));
    NameControl(check, box->title() + QLatin1Char(' ') + check->text());
    layout->addWidget(check, n / 4, n % 4);
    connect(check, &QCheckBox::toggled, this,
            [this, n](bool checked) { OnGroupLinkToggled(n, checked); });
    groupLinks_[static_cast<std::size_t>(n)] = check;
  }
  return box;
}

void MenuPage2::OnGroupLinkToggled(int group, bool checked) {
  if (Showing()) return;
  // The other groups' characters stay as stored, whatever they hold.
  std::string link = StoredMenu().Get(kMenuMGL);
  link.resize(kGroupLinkLength, ' ');
  link[static_cast<std::size_t>(group)] = checked ? static_cast<char>('0' + group) : ' ';
  StoreUserValue(kMenuMGL, link);
}

void MenuPage2::ShowPageSpecific(const MenuSettings& menu, const BandPlan& plan) {
  const std::string& link = menu.Get(kMenuMGL);
  for (std::size_t n = 0; n < groupLinks_.size(); ++n) {
    groupLinks_[n]->setChecked(n < link.size() && link[n] == static_cast<char>('0' + n));
  }
  const NarrowBoxLayout narrow = NarrowBoxesFor(plan);
  nar220_->setVisible(narrow.show220);
  narHf_->setVisible(narrow.showHf);
  nar1200_->setVisible(narrow.show1200);
  nar440_->setText(MessageText(narrow.caption440));
  nar220_->setText(MessageText(narrow.caption220));
  for (QCheckBox* box : {nar440_, nar220_}) {
    NameControl(box, tr("FM Narrow %1").arg(box->text()));
  }
  const bool showAGiga = !menu.Get(kMenuPC2).empty();
  const bool showBGiga = !menu.Get(kMenuPC3).empty();
  aGigaPower_->setVisible(showAGiga);
  bGigaPower_->setVisible(showBGiga);
}

}  // namespace quorvan
