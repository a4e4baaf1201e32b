#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/BandPlan.h"
#include "core/model/Document.h"
#include "core/model/MenuSettings.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QGroupBox;
class QSlider;

namespace quorvan {

// The selected index a stored menu value stands for: its decimal value, or -1 when the text is
// empty or not a number (such a value shows as nothing chosen).
int MenuValueIndex(std::string_view value);

// Shared by the two radio menu pages: each control is bound to one menu item, shows the stored
// value on ShowMenu and stores the user's changes into the document's menu at once, each as a
// change named after the item ("Change Lock"). Setting the controls from the menu is not a
// user change, so it stores nothing.
class MenuPageControls : public QWidget {
  Q_OBJECT

 public:
  enum class CheckSense { TickedIsOne, TickedIsZero };
  enum class ComboForm { Index, TwoDigitsFromOne };

  MenuPageControls(Document& document, QWidget* parent);

  // Sets every control from `menu`; the plan decides which controls exist and the name fonts.
  void ShowMenu(const MenuSettings& menu, const BandPlan& plan);
  // Shows the document's menu again when a change this page did not make reached it.
  void FollowChange(ChangeKind kind, const ImageChanges& changes);
  // Whether a control of this page is bound to the item, and what the page calls it ("Dual",
  // "Battery Saver"); empty for an item of the other page.
  bool HoldsItem(int item) const { return captions_.count(item) > 0; }
  QString ItemCaption(int item) const;
  // A caption a page marked, in the window's language.
  QString Caption(const char* text) const;

 protected:
  // A bound check box the caller places itself.
  QCheckBox* NewCheckBox(const char* name, const char* caption, int item,
                         CheckSense sense = CheckSense::TickedIsOne);
  QCheckBox* AddCheckBox(QBoxLayout* into, const char* name, const char* caption, int item,
                         CheckSense sense = CheckSense::TickedIsOne);
  QGroupBox* AddRadioGroup(const char* name, const char* caption, int item,
                           std::initializer_list<const char*> items, int columns = 1);
  QComboBox* AddComboBox(QFormLayout* into, const char* name, const char* label, int item,
                         const std::vector<QString>& items, ComboForm form = ComboForm::Index);
  QSlider* AddTrackBar(QGridLayout* into, const char* name, int item, int maximum);

  // What the page calls an item, for a control that has no caption of its own or one that
  // says too little on its own; the text is asked for when needed (it may follow the plan).
  void NameItem(int item, std::function<QString()> caption);

  // Runs on every ShowMenu after the table-bound controls, still inside the refresh.
  virtual void ShowPageSpecific(const MenuSettings& menu, const BandPlan& plan);

  // Stores a user's value as a change of the document; ignored while the controls are set.
  void StoreUserValue(int item, std::string_view value);
  const MenuSettings& StoredMenu() const { return document_.Image().Menu(); }
  bool Showing() const { return showing_; }

 private:
  Document& document_;
  bool showing_ = false;
  bool storing_ = false;
  std::vector<std::function<void(const MenuSettings&)>> showers_;
  std::map<int, std::function<QString()>> captions_;
};

}  // namespace quorvan
