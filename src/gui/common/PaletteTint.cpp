#include "gui/common/PaletteTint.h"

#include <algorithm>
#include <cmath>

namespace quorvan {

namespace {

constexpr double kReadableContrast = 4.5;

double Channel(double value) {
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
         0.0722 * Channel(rgb.blueF());
}

QColor Blend(const QColor& under, const QColor& over, double share) {
  const QColor a = under.toRgb();
  const QColor b = over.toRgb();
  auto mix = [share](double x, double y) { return x + (y - x) * share; };
  return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())),
                          static_cast<float>(mix(a.greenF(), b.greenF())),
                          static_cast<float>(mix(a.blueF(), b.blueF())));
}

}  // namespace

double ContrastRatio(const QColor& one, const QColor& other) {
  const double a = Luminance(one);
  const double b = Luminance(other);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor TintOfBase(const QPalette& palette, const QColor& hue, double share) {
  const QColor base = palette.color(QPalette::Active, QPalette::Base);
  const QColor text = palette.color(QPalette::Active, QPalette::Text);
  // Where the base itself is not readable, no tint makes it so: mark it all the same.
  const double wanted = std::min(kReadableContrast, ContrastRatio(base, text));
  for (double tried = std::clamp(share, 0.0, 1.0); tried > 0.0; tried -= 0.05) {
    const QColor tint = Blend(base, hue, tried);
    if (ContrastRatio(tint, text) >= wanted) return tint;
  }
  return base;
}

}  // namespace quorvan
