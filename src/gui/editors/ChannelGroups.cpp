#include "gui/editors/ChannelGroups.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/model/ChannelTables.h"
#include "core/rules/FrequencyRules.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/KeyboardOrder.h"
#include "gui/common/MessageService.h"
#include "gui/editors/EditorText.h"
#include "gui/editors/FieldFilters.h"

namespace quorvan {

namespace {

constexpr int kOffsetLength = 5;

template <std::size_t N>
void FillList(QComboBox* list, const std::array<std::string_view, N>& entries) {
  for (const std::string_view entry : entries) list->addItem(ToQString(entry));
}

QLabel* Unit(QWidget* parent) { return new QLabel(QLabel::tr("MHz"), parent); }

int Index(ShiftChoice shift) { return static_cast<int>(shift); }

void SelectIndex(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

}  // namespace

FrequencyGroup::FrequencyGroup(bool withSplit, int frequencyLength, QWidget* parent)
    : QGroupBox(tr("Frequency"), parent), withSplit_(withSplit) {
  auto* grid = new QGridLayout(this);
  rx_ = new QLineEdit(this);
  rx_->setObjectName(QStringLiteral("Edit1"));
  rx_->setMaxLength(frequencyLength);
  auto* rxLabel = new QLabel(tr("Rx Frequency"), this);
  LabelControl(rxLabel, rx_);
  grid->addWidget(rxLabel, 0, 0);
  grid->addWidget(rx_, 0, 1);
  grid->addWidget(Unit(this), 0, 2);

  step_ = new QComboBox(this);
  step_->setObjectName(QStringLiteral("ComboBox1"));
  for (const StepEntry& step : kSteps) step_->addItem(ToQString(step.caption));
  mode_ = new QComboBox(this);
  mode_->setObjectName(QStringLiteral("ComboBox2"));
  FillList(mode_, kModes);
  auto* stepLabel = new QLabel(tr("Step"), this);
  auto* modeLabel = new QLabel(tr("Mode"), this);
  LabelControl(stepLabel, step_);
  LabelControl(modeLabel, mode_);
  grid->addWidget(stepLabel, 1, 0);
  grid->addWidget(step_, 1, 1);
  grid->addWidget(modeLabel, 2, 0);
  grid->addWidget(mode_, 2, 1);

  // One place for the transmit frequency and the offset; the shift choice decides which shows.
  offset_ = new QLineEdit(this);
  offset_->setObjectName(QStringLiteral("Edit2"));
  offset_->setMaxLength(kOffsetLength);
  offsetLabel_ = new QLabel(tr("Offset"), this);
  offsetUnit_ = Unit(this);
  LabelControl(offsetLabel_, offset_);
  grid->addWidget(offsetLabel_, 3, 0);
  grid->addWidget(offset_, 3, 1);
  grid->addWidget(offsetUnit_, 3, 2);
  if (withSplit) {
    tx_ = new QLineEdit(this);
    tx_->setObjectName(QStringLiteral("Edit3"));
    tx_->setMaxLength(frequencyLength);
    txLabel_ = new QLabel(tr("Tx Frequency"), this);
    txUnit_ = Unit(this);
    LabelControl(txLabel_, tx_);
    grid->addWidget(txLabel_, 3, 0);
    grid->addWidget(tx_, 3, 1);
    grid->addWidget(txUnit_, 3, 2);
  }

  struct Choice {
    ShiftChoice shift;
    const char* caption;
  };
  std::vector<Choice> choices;
  if (withSplit) choices.push_back({ShiftChoice::Split, QT_TR_NOOP("Split Channel")});
  choices.insert(choices.end(), {{ShiftChoice::Simplex, QT_TR_NOOP("Simplex")},
                                 {ShiftChoice::Plus, QT_TR_NOOP("Plus Shift")},
                                 {ShiftChoice::Minus, QT_TR_NOOP("Minus Shift")},
                                 {ShiftChoice::Special, ""}});
  auto* group = new QButtonGroup(this);
  int row = 4;
  int number = 1;
  for (const Choice& choice : choices) {
    auto* button = new QRadioButton(tr(choice.caption), this);
    button->setObjectName(QStringLiteral("RadioButton%1").arg(number++));
    group->addButton(button);
    grid->addWidget(button, row++, 0, 1, 3);
    shiftButtons_[static_cast<std::size_t>(Index(choice.shift))] = button;
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) UpdateShiftPlace();
    });
    connect(button, &QRadioButton::clicked, this, &FrequencyGroup::Edited);
  }
  reverse_ = new QCheckBox(tr("Reverse"), this);
  reverse_->setObjectName(QStringLiteral("CheckBox1"));
  grid->addWidget(reverse_, row, 0, 1, 3);

  for (QLineEdit* field : {rx_, tx_, offset_}) {
    if (field == nullptr) continue;
    InstallFrequencyKeys(field, [this] { emit EnterPressed(); });
    connect(field, &QLineEdit::textEdited, this, &FrequencyGroup::Edited);
  }
  connect(step_, &QComboBox::activated, this, &FrequencyGroup::Edited);
  connect(mode_, &QComboBox::activated, this, [this](int mode) {
    emit ModeChanged(mode);
    emit Edited();
  });
  connect(reverse_, &QCheckBox::clicked, this, &FrequencyGroup::Edited);
  SetShift(ShiftChoice::Simplex);
  EnterRadioGroupsAtChecked(this);
}

QRadioButton* FrequencyGroup::ButtonOf(ShiftChoice shift) const {
  return shiftButtons_[static_cast<std::size_t>(Index(shift))];
}

void FrequencyGroup::SetSpecialShift(const std::string& caption) {
  QRadioButton* special = ButtonOf(ShiftChoice::Special);
  special->setText(MessageText(caption));
  special->setVisible(!caption.empty());
  special->setEnabled(!caption.empty());
}

void FrequencyGroup::SetShift(ShiftChoice shift) {
  QRadioButton* button = ButtonOf(shift);
  if (button == nullptr) button = ButtonOf(ShiftChoice::Simplex);
  button->setChecked(true);
  UpdateShiftPlace();
}

void FrequencyGroup::UpdateShiftPlace() {
  const bool split = withSplit_ && ButtonOf(ShiftChoice::Split)->isChecked();
  if (withSplit_) {
    for (QWidget* w : {static_cast<QWidget*>(txLabel_), static_cast<QWidget*>(tx_),
                       static_cast<QWidget*>(txUnit_)}) {
      w->setVisible(split);
    }
  }
  for (QWidget* w : {static_cast<QWidget*>(offsetLabel_), static_cast<QWidget*>(offset_),
                     static_cast<QWidget*>(offsetUnit_)}) {
    w->setVisible(!split);
  }
  if (split) reverse_->setChecked(false);
  reverse_->setEnabled(!split);
}

void FrequencyGroup::Show(const LoadedChannel& channel) {
  const ChannelRecord& record = channel.record;
  rx_->setText(ToQString(ShownFrequency(record[ChannelField::Frequency])));
  SelectIndex(step_, record.StepIndex());
  SelectIndex(mode_, record.ModeIndex());
  offset_->setText(ToQString(FormatOffsetText(record[ChannelField::Offset])));
  SetSpecialShift(channel.specialShiftCaption);
  SetShift(record.Shift());
  if (tx_ != nullptr) tx_->setText(ToQString(ShownTxFrequency(record)));
  reverse_->setChecked(record.IsOn(ChannelField::Reverse));
}

void FrequencyGroup::ShowApplied(const AppliedFields& out, bool withSpecialShift) {
  const ChannelRecord& fitted = out.fitted;
  rx_->setText(ToQString(ShownFrequency(fitted[ChannelField::Frequency])));
  SelectIndex(step_, fitted.StepIndex());
  SelectIndex(mode_, fitted.ModeIndex());
  if (withSpecialShift) {
    SetSpecialShift(out.specialShiftCaption);
    if (!ButtonOf(fitted.Shift())->isChecked()) SetShift(fitted.Shift());
  }
  if (tx_ != nullptr) tx_->setText(ToQString(ShownTxFrequency(fitted)));
  offset_->setText(ToQString(FormatOffsetText(fitted[ChannelField::Offset])));
}

void FrequencyGroup::ReadInto(EditorEntry& entry) const {
  entry.typed.rx = ToAscii(rx_->text());
  entry.typed.tx = tx_ != nullptr ? ToAscii(tx_->text()) : std::string();
  entry.typed.offset = ToAscii(offset_->text());
  entry.choices.SetStepIndex(step_->currentIndex());
  entry.choices.SetModeIndex(mode_->currentIndex());
  entry.shift = ShiftChoice::Simplex;
  for (std::size_t i = 0; i < shiftButtons_.size(); ++i) {
    if (shiftButtons_[i] != nullptr && shiftButtons_[i]->isChecked()) {
      entry.shift = static_cast<ShiftChoice>(i);
    }
  }
  entry.choices.SetFlag(ChannelField::Reverse, reverse_->isChecked());
}

int FrequencyGroup::Mode() const { return mode_->currentIndex(); }

ToneGroup::ToneGroup(QWidget* parent) : QGroupBox(tr("Tone/CTCSS/DCS"), parent) {
  auto* grid = new QGridLayout(this);
  const std::array<const char*, 3> switchCaptions{QT_TR_NOOP("Tone"), "CTCSS", "DCS"};
  const std::array<const char*, 3> listCaptions{
      QT_TR_NOOP("Tone Frequency"), QT_TR_NOOP("CTCSS Frequency"), QT_TR_NOOP("DCS Code")};
  for (std::size_t i = 0; i < 3; ++i) {
    switches_[i] = new QCheckBox(tr(switchCaptions[i]), this);
    switches_[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 2));
    lists_[i] = new QComboBox(this);
    lists_[i]->setObjectName(QStringLiteral("ComboBox%1").arg(i + 3));
    labels_[i] = new QLabel(tr(listCaptions[i]), this);
    LabelControl(labels_[i], lists_[i]);
    grid->addWidget(switches_[i], static_cast<int>(i), 0);
    grid->addWidget(labels_[i], static_cast<int>(i), 1);
    grid->addWidget(lists_[i], static_cast<int>(i), 2);
    connect(switches_[i], &QCheckBox::clicked, this, [this, i](bool on) {
      // Only one of tone, CTCSS and DCS can be on.
      for (std::size_t other = 0; other < 3; ++other) {
        if (on && other != i) switches_[other]->setChecked(false);
      }
      emit Edited();
    });
    connect(lists_[i], &QComboBox::activated, this, &ToneGroup::Edited);
  }
  FillList(lists_[0], kTones);
  FillList(lists_[1], kTones);
  FillList(lists_[2], kDcsCodes);
}

void ToneGroup::Show(const ChannelRecord& record) {
  switches_[0]->setChecked(record.IsOn(ChannelField::Tone));
  switches_[1]->setChecked(record.IsOn(ChannelField::Ctcss));
  switches_[2]->setChecked(record.IsOn(ChannelField::Dcs));
  SelectIndex(lists_[0], record.ToneIndex());
  SelectIndex(lists_[1], record.CtcssIndex());
  SelectIndex(lists_[2], record.DcsIndex());
}

void ToneGroup::ReadInto(EditorEntry& entry) const {
  entry.choices.SetFlag(ChannelField::Tone, switches_[0]->isChecked());
  entry.choices.SetFlag(ChannelField::Ctcss, switches_[1]->isChecked());
  entry.choices.SetFlag(ChannelField::Dcs, switches_[2]->isChecked());
  entry.choices.SetToneIndex(lists_[0]->currentIndex());
  entry.choices.SetCtcssIndex(lists_[1]->currentIndex());
  entry.choices.SetDcsIndex(lists_[2]->currentIndex());
}

void ToneGroup::SetMode(int mode) {
  const bool enabled = ToneGroupEnabled(mode);
  for (std::size_t i = 0; i < 3; ++i) {
    switches_[i]->setEnabled(enabled);
    lists_[i]->setEnabled(enabled);
    labels_[i]->setEnabled(enabled);
  }
}

}  // namespace quorvan
