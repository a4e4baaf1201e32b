#include "core/diagnostics/UsbAdapterChips.h"

#include <array>

#include "core/messages/MessagePatterns.h"

namespace quorvan {

namespace {

constexpr std::uint16_t kFtdiVendor = 0x0403;
constexpr std::uint16_t kProlificVendor = 0x067B;
constexpr std::uint16_t kSiliconLabsVendor = 0x10C4;
constexpr std::uint16_t kWchVendor = 0x1A86;

struct VendorRow {
  std::uint16_t vendor;
  ChipFamily family;
};

// The makers' own vendor ids; any serial port of theirs is one of their serial chips.
constexpr std::array<VendorRow, 4> kVendors{{
    {kFtdiVendor, ChipFamily::Ftdi},
    {kProlificVendor, ChipFamily::ProlificPl2303},
    {kSiliconLabsVendor, ChipFamily::SiliconLabsCp210x},
    {kWchVendor, ChipFamily::WchCh340},
}};

struct ProductRow {
  std::uint16_t vendor;
  std::uint16_t product;
  std::string_view chip;
};

// The product ids the makers give their chips by default.
constexpr std::array<ProductRow, 15> kProducts{{
    {kFtdiVendor, 0x6001, "FT232R/FT232BM"},
    {kFtdiVendor, 0x6010, "FT2232"},
    {kFtdiVendor, 0x6011, "FT4232H"},
    {kFtdiVendor, 0x6014, "FT232H"},
    {kFtdiVendor, 0x6015, "FT-X"},
    {kProlificVendor, 0x23A3, "PL2303GC"},
    {kProlificVendor, 0x23B3, "PL2303GB"},
    {kProlificVendor, 0x23C3, "PL2303GT"},
    {kProlificVendor, 0x23D3, "PL2303GL"},
    {kProlificVendor, 0x23E3, "PL2303GE"},
    {kProlificVendor, 0x23F3, "PL2303GS"},
    {kSiliconLabsVendor, 0xEA70, "CP2105"},
    {kSiliconLabsVendor, 0xEA71, "CP2108"},
    {kWchVendor, 0x5523, "CH341"},
    {kWchVendor, 0x7522, "CH340K"},
}};

// A modem-class device as Linux and macOS name it.
bool IsModemClassName(std::string_view deviceName) {
  const std::size_t slash = deviceName.rfind('/');
  const std::string_view base =
      slash == std::string_view::npos ? deviceName : deviceName.substr(slash + 1);
  for (const std::string_view prefix : {"ttyACM", "cu.usbmodem", "tty.usbmodem"}) {
    if (base.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

// A documented fact about a chip family on one system, and the product it concerns: a sentence
// of the catalogue that names the adapter.
struct AdviceRow {
  ChipFamily family;
  std::optional<std::uint16_t> product;  // none: every product of the family
  HostSystem host;                       // Other: on every system
  const char* sentence;
};

constexpr std::array<AdviceRow, 4> kAdvice{{
    {ChipFamily::ProlificPl2303, 0x2303, HostSystem::Windows, pattern::kProlificRefusedAdvice},
    {ChipFamily::Ftdi, 0x0000, HostSystem::Other, pattern::kFtdiZeroedAdvice},
    {ChipFamily::Ftdi, 0x6001, HostSystem::Windows, pattern::kFtdiNonGenuineAdvice},
    {ChipFamily::CdcAcm, std::nullopt, HostSystem::Linux, pattern::kModemManagerAdvice},
}};

std::string ChipName(const AdapterChip& chip) {
  std::string name(ChipFamilyName(chip.family));
  if (!chip.chip.empty()) name += " (" + std::string(chip.chip) + ")";
  return name;
}

}  // namespace

std::optional<AdapterChip> IdentifyAdapterChip(std::optional<UsbIds> ids,
                                               std::string_view deviceName) {
  if (ids) {
    for (const VendorRow& vendor : kVendors) {
      if (vendor.vendor != ids->vendor) continue;
      AdapterChip chip{vendor.family, {}};
      for (const ProductRow& product : kProducts) {
        if (product.vendor == ids->vendor && product.product == ids->product) {
          chip.chip = product.chip;
        }
      }
      return chip;
    }
  }
  if (IsModemClassName(deviceName)) return AdapterChip{ChipFamily::CdcAcm, {}};
  return std::nullopt;
}

std::string_view ChipFamilyName(ChipFamily family) {
  switch (family) {
    case ChipFamily::Ftdi:
      return "FTDI";
    case ChipFamily::ProlificPl2303:
      return "Prolific PL2303";
    case ChipFamily::SiliconLabsCp210x:
      return "Silicon Labs CP210x";
    case ChipFamily::WchCh340:
      return "WCH CH340";
    case ChipFamily::CdcAcm:
      break;
  }
  return "CDC-ACM";
}

std::string UsbIdText(UsbIds ids) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (const std::uint16_t id : {ids.vendor, ids.product}) {
    if (!text.empty()) text += ':';
    for (int shift = 12; shift >= 0; shift -= 4) text += kHex[(id >> shift) & 0xF];
  }
  return text;
}

std::string AdapterSummary(std::optional<UsbIds> ids, std::string_view deviceName) {
  const std::optional<AdapterChip> chip = IdentifyAdapterChip(ids, deviceName);
  std::string summary = ids ? "USB " + UsbIdText(*ids) : std::string();
  if (chip) summary += (summary.empty() ? "" : ", ") + ChipName(*chip);
  return summary;
}

std::string ChipTimeoutAdvice(std::optional<UsbIds> ids, std::string_view deviceName,
                              HostSystem host) {
  const std::optional<AdapterChip> chip = IdentifyAdapterChip(ids, deviceName);
  if (!chip) return {};
  for (const AdviceRow& row : kAdvice) {
    if (row.family != chip->family || (row.host != HostSystem::Other && row.host != host)) {
      continue;
    }
    // A row for one product applies only where the system reported that product.
    if (row.product && (!ids || ids->product != *row.product)) continue;
    return FillIn(row.sentence, {AdapterSummary(ids, deviceName)});
  }
  return {};
}

}  // namespace quorvan
