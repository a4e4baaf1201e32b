#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvan {

// The USB serial chips programming cables are built on, told apart by the adapter's USB vendor
// and product ids, or, for a device of the USB modem class, by the name the system gives it.
enum class ChipFamily { Ftdi, ProlificPl2303, SiliconLabsCp210x, WchCh340, CdcAcm };

struct UsbIds {
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
};

struct AdapterChip {
  ChipFamily family = ChipFamily::CdcAcm;
  // The chip the product id names where the family has several ("FT232H", "PL2303GT"); empty
  // when the family name says it all or the product id is not one of the table's.
  std::string_view chip;
};

// The systems whose drivers the chip advice speaks of.
enum class HostSystem { Linux, Windows, MacOs, Other };

// The chip of an adapter, from its ids when the system reports them, else from the device's
// name ("ttyACM0", "cu.usbmodem1101"). Nothing for a port that is no known USB adapter.
std::optional<AdapterChip> IdentifyAdapterChip(std::optional<UsbIds> ids,
                                               std::string_view deviceName);

// "FTDI", "Prolific PL2303", "Silicon Labs CP210x", "WCH CH340", "CDC-ACM".
std::string_view ChipFamilyName(ChipFamily family);

// "067b:2303": vendor and product id as four lower-case hexadecimal digits each.
std::string UsbIdText(UsbIds ids);

// What a port list adds for a port: "USB 067b:23c3, Prolific PL2303 (PL2303GT)", "USB
// 1234:5678" for an adapter of an unknown chip, "CDC-ACM" for a modem-class device whose ids
// are not reported; empty for a port that is no USB adapter.
std::string AdapterSummary(std::optional<UsbIds> ids, std::string_view deviceName);

// What is documented about the adapter's chip on `host` that explains a radio that does not
// answer through it, as one line naming the adapter first; empty when nothing is known that
// bears on it. It states facts only: a chip family with nothing documented gets no line.
std::string ChipTimeoutAdvice(std::optional<UsbIds> ids, std::string_view deviceName,
                              HostSystem host);

}  // namespace quorvan
