#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvan {

struct BandPlan;

constexpr int kMenuItemCount = 41;

// Item indexes used by name elsewhere (pages, printout, transfers).
enum MenuItem : int {
  kMenuBC = 0,
  kMenuBAL,
  kMenuDL,
  kMenuATT,
  kMenuLK,
  kMenuLMP,
  kMenuMNF,
  kMenuPC0,
  kMenuPC1,
  kMenuPC2,
  kMenuPC3,
  kMenuSCR,
  kMenuMGL,
  kMenuMRM,
  kMenuARO,
  kMenuELK,
  kMenuTXS,
  kMenuTSP,
  kMenuPT,
  kMenuDLK,
  kMenuTXH,
  kMenuMES,
  kMenuCNT,
  kMenuSV,
  kMenuAPO,
  kMenuBEP,
  kMenuVXB,
  kMenuVXG,
  kMenuVXD,
  kMenuCKEY,
  kMenuTH,
  kMenuNSFT,
  kMenuANT,
  kMenuLAN,
  kMenuDATP,
  kMenuNAR0,
  kMenuNAR1,
  kMenuNAR2,
  kMenuNAR3,
  kMenuNAR5,
  kMenuBAT
};

// The radio command that carries an item ("PC 2", "NAR 5", "MES", ...).
std::string_view MenuMnemonic(int item);

// Longest value an item holds: 8 for MGL and MES, 2 for CNT, 1 for the others.
std::size_t MenuItemCapacity(int item);

// The radio's menu: 41 short texts addressed by index; an empty text marks an item absent
// from the band plan. Values are kept as received, without checks.
class MenuSettings {
 public:
  const std::string& Get(int item) const;
  // Out-of-range indexes are ignored; longer texts are cut to the item's capacity.
  void Set(int item, std::string_view value);

  bool operator==(const MenuSettings& other) const { return items_ == other.items_; }

 private:
  std::array<std::string, kMenuItemCount> items_{};
};

// Every item to its default for the plan's destination letter and model.
void ApplyMenuDefaults(MenuSettings& menu, const BandPlan& plan);

// A power-on message the destination's characters cannot show is emptied, so that what the
// window shows is what is written; done to every document that comes in (a file, a read).
// True when it was emptied.
bool EmptyUnshowablePowerOnMessage(MenuSettings& menu, const BandPlan& plan);

}  // namespace quorvan
