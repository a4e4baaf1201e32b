#include "gui/menupages/MenuPageControls.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>

#include "gui/common/AccessibleNames.h"

namespace quorvan {

namespace {

// Puts a button group on a given index, or on none when the index is outside it.
void CheckButtonOf(QButtonGroup* group, int index) {
  if (QAbstractButton* button = group->button(index)) {
    button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

}  // namespace

int MenuValueIndex(std::string_view value) {
  if (value.empty() || value.size() > 4) return -1;
  int index = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return -1;
    index = index * 10 + (c - '0');
  }
  return index;
}

MenuPageControls::MenuPageControls(Document& document, QWidget* parent)
    : QWidget(parent), document_(document) {}

void MenuPageControls::ShowMenu(const MenuSettings& menu, const BandPlan& plan) {
  const bool wasShowing = showing_;
  showing_ = true;
  for (const auto& show : showers_) show(menu);
  ShowPageSpecific(menu, plan);
  showing_ = wasShowing;
}

void MenuPageControls::ShowPageSpecific(const MenuSettings&, const BandPlan&) {}

void MenuPageControls::FollowChange(ChangeKind kind, const ImageChanges& changes) {
  // The control the user changed shows it already; setting it again would move the cursor.
  if (storing_) return;
  bool menuChanged = kind != ChangeKind::Edit && kind != ChangeKind::Undo &&
                     kind != ChangeKind::Redo;  // a new document, perhaps a new band plan
  for (const ItemChange& c : changes.Items()) {
    menuChanged = menuChanged || c.item.kind == ItemKind::Menu;
  }
  if (menuChanged) ShowMenu(document_.Image().Menu(), document_.Image().Plan());
}

QString MenuPageControls::Caption(const char* text) const {
  // The pages mark their captions in their own names (QT_TR_NOOP in MenuPage1, MenuPage2).
  return QCoreApplication::translate(metaObject()->className(), text);
}

void MenuPageControls::NameItem(int item, std::function<QString()> caption) {
  captions_[item] = std::move(caption);
}

QString MenuPageControls::ItemCaption(int item) const {
  const auto found = captions_.find(item);
  if (found == captions_.end()) return {};
  QString caption = found->second();
  return caption.remove(QLatin1Char('&'));
}

void MenuPageControls::StoreUserValue(int item, std::string_view value) {
  if (showing_) return;
  // Typing a power-on message or sliding the balance is one step until the focus moves on.
  const bool continuous = item == kMenuMES || item == kMenuBAL;
  const std::string stored(value);
  storing_ = true;
  document_.Change(
      tr("Change %1").arg(ItemCaption(item)).toStdString(),
      [item, &stored](RadioImage& image) { image.Menu().Set(item, stored); },
      continuous ? "menu " + std::to_string(item) : std::string());
  storing_ = false;
}

QCheckBox* MenuPageControls::AddCheckBox(QBoxLayout* into, const char* name, const char* caption,
                                         int item, CheckSense sense) {
  QCheckBox* box = NewCheckBox(name, caption, item, sense);
  into->addWidget(box);
  return box;
}

QCheckBox* MenuPageControls::NewCheckBox(const char* name, const char* caption, int item,
                                         CheckSense sense) {
  auto* box = new QCheckBox(Caption(caption), this);
  box->setObjectName(QString::fromLatin1(name));
  const bool inverted = sense == CheckSense::TickedIsZero;
  NameItem(item, [box] { return box->text(); });
  connect(box, &QCheckBox::toggled, this, [this, item, inverted](bool checked) {
    StoreUserValue(item, checked != inverted ? "1" : "0");
  });
  showers_.push_back([box, item, inverted](const MenuSettings& menu) {
    const std::string& value = menu.Get(item);
    box->setChecked(inverted ? value == "0" : (!value.empty() && value.front() == '1'));
  });
  return box;
}

QGroupBox* MenuPageControls::AddRadioGroup(const char* name, const char* caption, int item,
                                           std::initializer_list<const char*> items, int columns) {
  auto* box = new QGroupBox(Caption(caption), this);
  box->setObjectName(QString::fromLatin1(name));
  auto* group = new QButtonGroup(box);
  auto* grid = new QGridLayout(box);
  NameItem(item, [box] { return box->title(); });
  NameControl(box, box->title());
  int index = 0;
  for (const char* text : items) {
    auto* button = new QRadioButton(Caption(text), box);
    button->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(index));
    // "High" alone does not tell the A band's power from the B band's.
    NameControl(button, tr(caption) + QLatin1Char(' ') + button->text());
    group->addButton(button, index);
    grid->addWidget(button, index / columns, index % columns);
    ++index;
  }
  connect(group, &QButtonGroup::idToggled, this, [this, item](int id, bool checked) {
    if (checked) StoreUserValue(item, std::to_string(id));
  });
  showers_.push_back([group, item](const MenuSettings& menu) {
    CheckButtonOf(group, MenuValueIndex(menu.Get(item)));
  });
  return box;
}

QComboBox* MenuPageControls::AddComboBox(QFormLayout* into, const char* name, const char* label,
                                         int item, const std::vector<QString>& items,
                                         ComboForm form) {
  auto* combo = new QComboBox(this);
  combo->setObjectName(QString::fromLatin1(name));
  for (const QString& text : items) combo->addItem(text);
  into->addRow(Caption(label), combo);
  NameControl(combo, Caption(label));
  NameItem(item, [this, label] { return Caption(label); });
  const bool fromOne = form == ComboForm::TwoDigitsFromOne;
  // Only the user's choice counts: setting the index from the menu does not store.
  connect(combo, &QComboBox::activated, this, [this, item, fromOne](int index) {
    if (index < 0) return;
    StoreUserValue(
        item, fromOne ? QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')).toStdString()
                      : std::to_string(index));
  });
  showers_.push_back([combo, item, fromOne](const MenuSettings& menu) {
    int index = MenuValueIndex(menu.Get(item));
    if (fromOne && index >= 0) --index;
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  });
  return combo;
}

QSlider* MenuPageControls::AddTrackBar(QGridLayout* into, const char* name, int item, int maximum) {
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setObjectName(QString::fromLatin1(name));
  slider->setRange(0, maximum);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  into->addWidget(slider, 0, 0, 1, 3);
  connect(slider, &QSlider::valueChanged, this,
          [this, item](int position) { StoreUserValue(item, std::to_string(position)); });
  showers_.push_back([slider, item](const MenuSettings& menu) {
    // A position outside the bar shows at the nearer end; the stored value stays as it is.
    const int index = MenuValueIndex(menu.Get(item));
    slider->setValue(index < 0 ? slider->minimum() : index);
  });
  return slider;
}

}  // namespace quorvan
