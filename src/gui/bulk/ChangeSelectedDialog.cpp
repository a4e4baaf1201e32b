#include "gui/bulk/ChangeSelectedDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/model/ChannelTables.h"
#include "core/model/NameCharset.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/KeyboardOrder.h"

namespace quorvan {

namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->addItems(items);
  return list;
}

template <std::size_t N>
QStringList Captions(const std::array<std::string_view, N>& table) {
  QStringList items;
  for (const std::string_view entry : table) items << Text(entry);
  return items;
}

// The shift choices a channel list can share; a split needs its own transmit frequency.
constexpr std::array<ShiftChoice, 4> kShifts{ShiftChoice::Simplex, ShiftChoice::Plus,
                                             ShiftChoice::Minus, ShiftChoice::Special};

}  // namespace

ChangeSelectedDialog::ChangeSelectedDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Change Selected"));
  setObjectName(QStringLiteral("ChangeSelectedDialog"));
  auto* grid = new QGridLayout(this);
  const std::array<const char*, kRowCount> captions{
      QT_TR_NOOP("Mode"),       QT_TR_NOOP("Step"),     QT_TR_NOOP("Shift and Offset"),
      QT_TR_NOOP("Tone"),       QT_TR_NOOP("Lock Out"), QT_TR_NOOP("Power"),
      QT_TR_NOOP("Name prefix")};
  const std::array<const char*, kRowCount> names{"CheckBox_Mode", "CheckBox_Step", "CheckBox_Shift",
                                                 "CheckBox_Tone", "CheckBox_Lock", "CheckBox_Power",
                                                 "CheckBox_Name"};
  for (std::size_t i = 0; i < checks_.size(); ++i) {
    checks_[i] = new QCheckBox(tr(captions[i]), this);
    checks_[i]->setObjectName(QString::fromLatin1(names[i]));
    grid->addWidget(checks_[i], static_cast<int>(i), 0);
  }
  mode_ = List(this, "ComboBox_Mode", Captions(kModes));
  QStringList steps;
  for (const StepEntry& step : kSteps) steps << Text(step.caption);
  step_ = List(this, "ComboBox_Step", steps);
  shift_ = List(this, "ComboBox_Shift",
                {tr("Simplex"), tr("Plus Shift"), tr("Minus Shift"), tr("The band's extra shift")});
  offset_ = new QLineEdit(QStringLiteral("0.60"), this);
  offset_->setObjectName(QStringLiteral("Edit_Offset"));
  offset_->setMaxLength(5);
  toneKind_ = List(this, "ComboBox_ToneKind", {tr("Off"), tr("Tone"), tr("CTCSS"), tr("DCS")});
  toneValue_ = List(this, "ComboBox_ToneValue", {});
  lockout_ = List(this, "ComboBox_Lock", {tr("On"), tr("Off")});
  power_ = List(this, "ComboBox_Power", Captions(kPowers));
  namePrefix_ = new QLineEdit(this);
  namePrefix_->setObjectName(QStringLiteral("Edit_NamePrefix"));
  namePrefix_->setMaxLength(static_cast<int>(kNameCapacity));

  grid->addWidget(mode_, kMode, 1);
  grid->addWidget(step_, kStep, 1);
  grid->addWidget(shift_, kShift, 1);
  grid->addWidget(offset_, kShift, 2);
  grid->addWidget(new QLabel(tr("MHz"), this), kShift, 3);
  grid->addWidget(toneKind_, kTone, 1);
  grid->addWidget(toneValue_, kTone, 2);
  grid->addWidget(lockout_, kLockout, 1);
  grid->addWidget(power_, kPower, 1);
  grid->addWidget(namePrefix_, kName, 1);
  // Each value is named after its check box, and Tab takes a box and then its values.
  NameControl(mode_, checks_[kMode]->text());
  NameControl(step_, checks_[kStep]->text());
  NameControl(shift_, tr("Shift"));
  NameControl(offset_, tr("Offset in MHz"));
  NameControl(toneKind_, tr("Tone kind"));
  NameControl(toneValue_, tr("Tone value"));
  NameControl(lockout_, checks_[kLockout]->text());
  NameControl(power_, checks_[kPower]->text());
  NameControl(namePrefix_, checks_[kName]->text());
  ChainTabOrder({checks_[kMode], mode_, checks_[kStep], step_, checks_[kShift], shift_, offset_,
                 checks_[kTone], toneKind_, toneValue_, checks_[kLockout], lockout_,
                 checks_[kPower], power_, checks_[kName], namePrefix_});
  connect(toneKind_, &QComboBox::currentIndexChanged, this, &ChangeSelectedDialog::FillToneValues);
  FillToneValues();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("Button_OK"));
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("Button_Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, kRowCount, 0, 1, 4);
}

void ChangeSelectedDialog::FillToneValues() {
  const auto kind = static_cast<ToneKind>(toneKind_->currentIndex());
  toneValue_->clear();
  if (kind == ToneKind::Tone || kind == ToneKind::Ctcss) {
    toneValue_->addItems(Captions(kTones));
    toneValue_->setCurrentIndex(8);  // 88.5 Hz, as a new channel has
  } else if (kind == ToneKind::Dcs) {
    toneValue_->addItems(Captions(kDcsCodes));
  }
  toneValue_->setEnabled(kind != ToneKind::Off);
}

ChangeSelectedDialog::Choice ChangeSelectedDialog::Collected() const {
  Choice choice;
  ChannelSettings& s = choice.settings;
  if (checks_[kMode]->isChecked()) s.mode = mode_->currentIndex();
  if (checks_[kStep]->isChecked()) s.step = step_->currentIndex();
  if (checks_[kShift]->isChecked()) {
    s.shift = kShifts[static_cast<std::size_t>(shift_->currentIndex())];
    s.offset = offset_->text().toStdString();
  }
  if (checks_[kTone]->isChecked()) {
    const auto kind = static_cast<ToneKind>(toneKind_->currentIndex());
    s.tone = kind;
    if (kind == ToneKind::Tone) s.toneIndex = toneValue_->currentIndex();
    if (kind == ToneKind::Ctcss) s.ctcssIndex = toneValue_->currentIndex();
    if (kind == ToneKind::Dcs) s.dcsIndex = toneValue_->currentIndex();
  }
  if (checks_[kLockout]->isChecked()) s.lockout = lockout_->currentIndex() == 0;
  if (checks_[kPower]->isChecked()) s.power = static_cast<char>('0' + power_->currentIndex());
  if (checks_[kName]->isChecked()) choice.namePrefixUtf8 = namePrefix_->text().toStdString();
  return choice;
}

std::optional<ChangeSelectedDialog::Choice> ChangeSelectedDialog::Run() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Collected();
}

}  // namespace quorvan
