// Row marks on the desktop's palettes: marked, and the text on them still readable.
#include "gui/common/PaletteTint.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/CaseNames.h"

namespace quorvan {
namespace {

QPalette Palette(QColor base, QColor text) {
  QPalette palette(Qt::gray);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Text, text);
  return palette;
}

struct TintCase {
  const char* what;
  QColor base;
  QColor text;
  QColor hue;
};

class TintOfBaseTest : public ::testing::TestWithParam<TintCase> {};

TEST_P(TintOfBaseTest, MarksTheRowAndKeepsItsTextReadable) {
  const TintCase& c = GetParam();
  const QPalette palette = Palette(c.base, c.text);
  const QColor tint = TintOfBase(palette, c.hue, 0.3);
  EXPECT_GE(ContrastRatio(tint, c.text), 4.5) << tint.name().toStdString();
  // Still a mark: not the base itself, and toward the hue.
  EXPECT_NE(tint.rgb(), c.base.rgb());
  const auto distance = [](const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
  };
  EXPECT_LT(distance(tint, c.hue), distance(c.base, c.hue));
}

const QColor kAmber(255, 193, 7);
const QColor kBlue(33, 150, 243);
const QColor kGreen(76, 175, 80);
const QColor kRed(229, 57, 53);

INSTANTIATE_TEST_SUITE_P(
    Palettes, TintOfBaseTest,
    ::testing::Values(
        TintCase{"light amber", Qt::white, Qt::black, kAmber},
        TintCase{"light red", Qt::white, Qt::black, kRed},
        TintCase{"dark high contrast amber", Qt::black, Qt::white, kAmber},
        TintCase{"dark high contrast blue", Qt::black, Qt::white, kBlue},
        TintCase{"dark high contrast green", Qt::black, Qt::white, kGreen},
        TintCase{"dark high contrast red", Qt::black, Qt::white, kRed},
        TintCase{"yellow on black green", Qt::black, Qt::yellow, kGreen},
        // A grey dark theme leaves less room: the tint gives way to the text.
        TintCase{"dark grey theme red", QColor(45, 45, 45), QColor(220, 220, 220), kRed},
        TintCase{"dark grey theme amber", QColor(45, 45, 45), QColor(220, 220, 220), kAmber}),
    testing::ByCaseName());

struct ContrastCase {
  QColor one;
  QColor other;
  double ratio;
};

TEST(ContrastRatioTest, FollowsRelativeLuminance) {
  const std::vector<ContrastCase> cases{
      {Qt::black, Qt::white, 21.0},
      {Qt::white, Qt::black, 21.0},
      {QColor(119, 119, 119), Qt::white, 4.48},
      {Qt::red, Qt::red, 1.0},
  };
  for (const ContrastCase& c : cases) {
    EXPECT_NEAR(ContrastRatio(c.one, c.other), c.ratio, 0.01)
        << c.one.name().toStdString() << " on " << c.other.name().toStdString();
  }
}

}  // namespace
}  // namespace quorvan
