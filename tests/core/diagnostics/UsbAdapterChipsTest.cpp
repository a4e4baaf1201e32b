#include <gtest/gtest.h>

#include "core/diagnostics/UsbAdapterChips.h"

namespace quorvan {
namespace {

// One row a port: what the system reports of it, and what the port list and a timeout add.
TEST(UsbAdapterChips, SummaryAndTimeoutAdviceFromIdsAndDeviceName) {
  const struct {
    const char* what;
    std::optional<UsbIds> ids;
    const char* device;
    HostSystem host;
    const char* summary;
    const char* adviceStart;  // empty: no advice line
  } cases[] = {
      {"PL2303 on Windows", UsbIds{0x067B, 0x2303}, "COM3", HostSystem::Windows,
       "USB 067b:2303, Prolific PL2303",
       "The adapter is USB 067b:2303, Prolific PL2303: Prolific's Windows drivers since 2012"},
      {"PL2303 on Linux: its driver takes every PL2303", UsbIds{0x067B, 0x2303}, "/dev/ttyUSB0",
       HostSystem::Linux, "USB 067b:2303, Prolific PL2303", ""},
      {"current PL2303G chip", UsbIds{0x067B, 0x23C3}, "COM3", HostSystem::Windows,
       "USB 067b:23c3, Prolific PL2303 (PL2303GT)", ""},
      {"unknown Prolific product keeps the family", UsbIds{0x067B, 0x0611}, "/dev/ttyUSB0",
       HostSystem::Linux, "USB 067b:0611, Prolific PL2303", ""},
      {"FT232R on Windows", UsbIds{0x0403, 0x6001}, "COM4", HostSystem::Windows,
       "USB 0403:6001, FTDI (FT232R/FT232BM)",
       "The adapter is USB 0403:6001, FTDI (FT232R/FT232BM): Newer FTDI drivers"},
      {"FT232R on Linux", UsbIds{0x0403, 0x6001}, "/dev/ttyUSB1", HostSystem::Linux,
       "USB 0403:6001, FTDI (FT232R/FT232BM)", ""},
      {"FTDI with its product id cleared, anywhere", UsbIds{0x0403, 0x0000}, "/dev/ttyUSB1",
       HostSystem::Linux, "USB 0403:0000, FTDI",
       "The adapter is USB 0403:0000, FTDI: Product id 0000"},
      {"FT232H", UsbIds{0x0403, 0x6014}, "/dev/ttyUSB0", HostSystem::MacOs,
       "USB 0403:6014, FTDI (FT232H)", ""},
      {"CP2102", UsbIds{0x10C4, 0xEA60}, "/dev/ttyUSB0", HostSystem::Linux,
       "USB 10c4:ea60, Silicon Labs CP210x", ""},
      {"CP2105", UsbIds{0x10C4, 0xEA70}, "/dev/ttyUSB0", HostSystem::Windows,
       "USB 10c4:ea70, Silicon Labs CP210x (CP2105)", ""},
      {"CH340", UsbIds{0x1A86, 0x7523}, "/dev/ttyUSB0", HostSystem::Linux,
       "USB 1a86:7523, WCH CH340", ""},
      {"CH341", UsbIds{0x1A86, 0x5523}, "/dev/ttyUSB0", HostSystem::Linux,
       "USB 1a86:5523, WCH CH340 (CH341)", ""},
      {"radio's own cable of the modem class on Linux", UsbIds{0x2341, 0x0043}, "/dev/ttyACM0",
       HostSystem::Linux, "USB 2341:0043, CDC-ACM",
       "The adapter is USB 2341:0043, CDC-ACM: ModemManager may send"},
      {"modem class without ids", std::nullopt, "/dev/ttyACM3", HostSystem::Linux, "CDC-ACM",
       "The adapter is CDC-ACM: ModemManager"},
      {"modem class on macOS", std::nullopt, "/dev/cu.usbmodem1101", HostSystem::MacOs, "CDC-ACM",
       ""},
      {"unknown maker", UsbIds{0x1234, 0xABCD}, "/dev/ttyUSB2", HostSystem::Linux, "USB 1234:abcd",
       ""},
      {"motherboard port", std::nullopt, "/dev/ttyS0", HostSystem::Linux, "", ""},
      {"a name that only contains the modem prefix", std::nullopt, "/dev/myttyACM0",
       HostSystem::Linux, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AdapterSummary(c.ids, c.device), c.summary);
    const std::string advice = ChipTimeoutAdvice(c.ids, c.device, c.host);
    if (std::string_view(c.adviceStart).empty()) {
      EXPECT_EQ(advice, "");
    } else {
      EXPECT_EQ(advice.rfind(c.adviceStart, 0), 0u) << advice;
    }
    EXPECT_EQ(advice.find('\n'), std::string::npos) << "one line";
  }
}

TEST(UsbAdapterChips, FamilyComesFromTheVendorBeforeTheDeviceName) {
  // A WCH chip of the modem class (as some newer ones are) is still told by its maker.
  const auto chip = IdentifyAdapterChip(UsbIds{0x1A86, 0x55D4}, "/dev/ttyACM0");
  ASSERT_TRUE(chip);
  EXPECT_EQ(chip->family, ChipFamily::WchCh340);
  EXPECT_EQ(ChipFamilyName(ChipFamily::SiliconLabsCp210x), "Silicon Labs CP210x");
  EXPECT_EQ(UsbIdText({0xFFFF, 0x000A}), "ffff:000a");
}

}  // namespace
}  // namespace quorvan
