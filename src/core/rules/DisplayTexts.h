#pragma once

#include <string>
#include <string_view>

#include "core/model/BandPlan.h"

namespace quorvan {

// MHz display form of an 11-digit frequency in Hz: "145.000", "145.0125", "0.531".
// Text that is not all digits is returned unchanged, so a damaged record still shows something.
std::string FrequencyText(std::string_view frequencyHz);

// MHz with two decimals of a 9-digit offset in Hz (below 100 MHz): "000600000" gives "0.60",
// "020000000" gives "20.00". Text too short or not all digits is returned unchanged.
std::string OffsetText(std::string_view offsetHz);

// A zero-padded decimal field as a whole number: "00144" gives "144", "00000" gives "0".
std::string WholeNumberText(std::string_view digits);

// The face the memory grid, status bar, comment and power-on message use.
enum class GridFont { TimesNewRoman, Japanese };
GridFont FontForDestination(const BandPlan& plan);
// The family name of a font choice ("Times New Roman" or the Japanese system face, UTF-8).
std::string_view FontFamilyName(GridFont font);

// Which FM-narrow boxes the Menu page offers for a band plan, and the 440/430 box's caption.
struct NarrowBoxLayout {
  bool show220;
  bool showHf;
  bool show1200;
  std::string_view caption440;  // "440MHz Band" or "430MHz Band"
  std::string_view caption220;  // "220MHz Band"
};
NarrowBoxLayout NarrowBoxesFor(const BandPlan& plan);

// Band names of VFO band codes 0-14 and CALL band codes 0-3 for the plan's destination letter
// ("A_440MHz" for K, "A_430MHz" otherwise); empty for a code outside the range.
std::string_view VfoBandName(const BandPlan& plan, int bandCode);
std::string_view CallBandName(const BandPlan& plan, int bandCode);

}  // namespace quorvan
