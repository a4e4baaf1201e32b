#include "core/model/MenuSettings.h"

#include "core/model/BandPlan.h"
#include "core/model/NameCharset.h"

namespace quorvan {

namespace {

constexpr std::array<std::string_view, kMenuItemCount> kMnemonics{
    "BC",  "BAL",  "DL",    "ATT",   "LK",    "LMP",   "MNF",   "PC 0", "PC 1", "PC 2", "PC 3",
    "SCR", "MGL",  "MRM",   "ARO",   "ELK",   "TXS",   "TSP",   "PT",   "DLK",  "TXH",  "MES",
    "CNT", "SV",   "APO",   "BEP",   "VXB",   "VXG",   "VXD",   "CKEY", "TH",   "NSFT", "ANT",
    "LAN", "DATP", "NAR 0", "NAR 1", "NAR 2", "NAR 3", "NAR 5", "BAT"};

const std::string kEmpty;

}  // namespace

std::string_view MenuMnemonic(int item) {
  if (item < 0 || item >= kMenuItemCount) return {};
  return kMnemonics[static_cast<std::size_t>(item)];
}

std::size_t MenuItemCapacity(int item) {
  if (item == kMenuMGL || item == kMenuMES) return 8;
  if (item == kMenuCNT) return 2;
  return 1;
}

const std::string& MenuSettings::Get(int item) const {
  if (item < 0 || item >= kMenuItemCount) return kEmpty;
  return items_[static_cast<std::size_t>(item)];
}

void MenuSettings::Set(int item, std::string_view value) {
  if (item < 0 || item >= kMenuItemCount) return;
  items_[static_cast<std::size_t>(item)] = std::string(value.substr(0, MenuItemCapacity(item)));
}

void ApplyMenuDefaults(MenuSettings& menu, const BandPlan& plan) {
  const char d = plan.DestinationLetter();
  const bool cirra = plan.IsCirra();
  static constexpr std::array<std::string_view, kMenuItemCount> kDefaults{
      "0", "2", "1", "0", "0", "0", "0", "0",        "0",  "",  "",  "0", "        ", "0",
      "1", "0", "0", "0", "0", "0", "0", "HELLO !!", "08", "5", "1", "1", "0",        "4",
      "1", "0", "0", "0", "1", "0", "0", "0",        "",   "0", "",  "0", "0"};
  for (int i = 0; i < kMenuItemCount; ++i) menu.Set(i, kDefaults[static_cast<std::size_t>(i)]);
  menu.Set(kMenuPC2, cirra ? "0" : "");
  menu.Set(kMenuPC3, cirra ? "0" : "");
  menu.Set(kMenuCKEY, d == 'E' ? "1" : "0");
  menu.Set(kMenuNAR1, d == 'K' ? "0" : "");
  menu.Set(kMenuNAR3, cirra ? "0" : "");
}

bool EmptyUnshowablePowerOnMessage(MenuSettings& menu, const BandPlan& plan) {
  if (IsValidName(menu.Get(kMenuMES), plan.DestinationLetter())) return false;
  menu.Set(kMenuMES, "");
  return true;
}

}  // namespace quorvan
