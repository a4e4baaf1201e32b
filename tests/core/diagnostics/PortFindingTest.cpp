#include <gtest/gtest.h>

#include "core/diagnostics/PortFinding.h"

namespace quorvan {
namespace {

using Kind = PortFinding::Kind;

TEST(PortFinding, OneLineAPortWithItsDetailIndented) {
  const struct {
    PortFinding finding;
    const char* text;
  } cases[] = {
      {{"/dev/ttyUSB0", Kind::Radio, "ARVEN", "KK,0F", ""},
       "/dev/ttyUSB0: ARVEN, type KK,0F (U.S.A./Canada)"},
      {{"COM3", Kind::Radio, "BELTO", "ZZ,99", ""}, "COM3: BELTO, type ZZ,99"},
      {{"/dev/ttyS0", Kind::NoAnswer, "", "", ""}, "/dev/ttyS0: no answer"},
      {{"/dev/pts/4", Kind::OtherDevice, "", "", "The radio answered \"ID ZORRO\"."},
       "/dev/pts/4: something answered, but not as a radio of this family\n"
       "  The radio answered \"ID ZORRO\"."},
      {{"/dev/ttyUSB1", Kind::Busy, "", "", ""}, "/dev/ttyUSB1: busy: in use by another program"},
      {{"/dev/ttyUSB2", Kind::NoPermission, "", "",
        "You have no permission to use /dev/ttyUSB2.\nAsk the administrator."},
       "/dev/ttyUSB2: no permission\n  You have no permission to use /dev/ttyUSB2.\n"
       "  Ask the administrator."},
      {{"/dev/ttyUSB9", Kind::Missing, "", "", ""}, "/dev/ttyUSB9: does not exist"},
      {{"/dev/null", Kind::NotSerial, "", "", ""}, "/dev/null: cannot be opened as a serial port"},
      {{"/dev/x\x1b[2J", Kind::LineFailed, "", "", "Communication Read Error\x07"},
       "/dev/x\\x1b[2J: the line failed\n  Communication Read Error\\x07"},
      {{"/dev/pts/2", Kind::Radio, "AR\x1bVEN", "KK,0F", ""},
       "/dev/pts/2: AR\\x1bVEN, type KK,0F (U.S.A./Canada)"},
  };
  for (const auto& c : cases) EXPECT_EQ(FindingText(c.finding), c.text);

  // In another language the verdict is looked up; the device and the radio's words are not.
  const CatalogueLookup shouting = [](const char* text) {
    return std::string(text) == "%1, type %2" ? std::string("%2 <- %1") : "!" + std::string(text);
  };
  EXPECT_EQ(FindingText(cases[0].finding, shouting),
            "/dev/ttyUSB0: KK,0F (U.S.A./Canada) <- ARVEN");
  EXPECT_EQ(FindingText(cases[3].finding, shouting),
            "/dev/pts/4: !something answered, but not as a radio of this family\n"
            "  The radio answered \"ID ZORRO\".");

  std::vector<PortFinding> findings;
  for (const auto& c : cases) findings.push_back(c.finding);
  const std::vector<PortFinding> radios = RadiosFound(findings);
  ASSERT_EQ(radios.size(), 3u);
  EXPECT_EQ(radios[1].device, "COM3");
}

}  // namespace
}  // namespace quorvan
