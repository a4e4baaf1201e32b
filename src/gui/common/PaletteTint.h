#pragma once

#include <QColor>
#include <QPalette>

namespace quorvan {

// How far apart two colours are to the eye, as the ratio of their relative luminances (1 for
// the same colour, 21 for black on white). Text wants 4.5 or more.
double ContrastRatio(const QColor& one, const QColor& other);

// A background that marks a cell with `hue` on whatever palette the desktop has: `hue` laid
// over the palette's base at `share` (0 to 1), less of it where the palette's text would
// otherwise fall below a contrast of 4.5 on it. A dark high-contrast palette gets a dark tint,
// a light one a light tint.
QColor TintOfBase(const QPalette& palette, const QColor& hue, double share);

}  // namespace quorvan
