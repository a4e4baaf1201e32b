#pragma once

#include <array>

#include "gui/menupages/MenuPageControls.h"

class QCheckBox;
class QGroupBox;

namespace quorvan {

// "Menu &2": receive/transmit with FM narrow and RF power, repeater, and the other settings
// with the memory group link.
class MenuPage2 : public MenuPageControls {
  Q_OBJECT

 public:
  explicit MenuPage2(Document& document, QWidget* parent = nullptr);

 protected:
  void ShowPageSpecific(const MenuSettings& menu, const BandPlan& plan) override;

 private:
  QWidget* BuildRxTx();
  QWidget* BuildNarrow();
  QWidget* BuildRepeater();
  QWidget* BuildOther();
  QWidget* BuildGroupLink();
  void OnGroupLinkToggled(int group, bool checked);

  QCheckBox* nar220_ = nullptr;
  QCheckBox* nar440_ = nullptr;
  QCheckBox* nar1200_ = nullptr;
  QCheckBox* narHf_ = nullptr;
  QGroupBox* aGigaPower_ = nullptr;
  QGroupBox* bGigaPower_ = nullptr;
  std::array<QCheckBox*, 8> groupLinks_{};
};

}  // namespace quorvan
