#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/BandPlan.h"
#include "core/model/ChannelTables.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// Which editor asks for a fit; it selects the limits FitFrequency applies.
enum class ChannelKind { Vfo, Memory, Call };

// ---- Text forms -------------------------------------------------------------------------------

// Keys a frequency or offset field lets through: digits, the point and backspace. Enter is
// handled by the editor; every other key is swallowed without a message.
bool IsFrequencyFieldKey(char key);

// Megahertz text as typed ("144.0125", "0144.5", "144") to the 11-digit record form in Hz.
// Fails for two or more points, for any character other than digits and the point, and for
// five or more digits before the point (which would not fit the 11-digit form).
bool ParseFrequencyText(std::string_view text, std::string& record);

// 11-digit record form to megahertz text with three to six decimals ("144.0125", "0.500").
// Reads the leading digits only; text without digits shows as "0.000".
std::string FormatFrequencyText(std::string_view record);

// Offset text as typed ("1.6", "65", ".65") to the 8-digit form in Hz, on 50 kHz and at most
// 59.95 MHz. The record stores "0" followed by these 8 digits. Fails for two or more points
// and for any character other than digits and the point.
bool ParseOffsetText(std::string_view text, std::string& eightDigits);

// 9-digit record offset ("000600000") to "0.60" / "12.00". Missing characters read as "0".
std::string FormatOffsetText(std::string_view record);

// ---- Band and fitting -------------------------------------------------------------------------

// Band-limit index (0-14) of an 11-digit frequency text.
int ClassifyBand(const BandPlan& plan, std::string_view record);

// Pulls a receive frequency onto the band's limits, steps, modes, destination gaps and grid.
// `frequency` is rewritten as 11 digits; `mode` and `step` (list indices) may be changed too.
// Returns true when the frequency was moved (a step or mode change alone does not count).
bool FitFrequency(const RadioImage& image, std::string& frequency, int band, ChannelKind kind,
                  int& mode, int& step);

// As FitFrequency for a split transmit frequency: always the band's own limits (the program VFO
// range for Vfo in bands 0-3), mode and step are only read.
bool FitTxFrequency(const RadioImage& image, std::string& frequency, int band, ChannelKind kind,
                    int mode, int step);

// True inside the receive range of a memory channel, 0.1 to 1300 MHz; FitFrequency pulls
// anything outside onto its ends.
bool IsInMemoryRange(std::int64_t frequencyHz);

// True when a split transmit frequency lies inside the limits FitTxFrequency holds it to.
bool IsInsideTxLimits(const RadioImage& image, std::int64_t frequencyHz, int band,
                      ChannelKind kind);

// True when the destination may not use the frequency in this band; FitFrequency moves such a
// frequency below the blocked range.
bool IsInDestinationGap(const BandPlan& plan, int band, std::int64_t frequencyHz);

// True when the frequency is a multiple of the step or ends on the 8.33 kHz sub-step pattern.
bool IsOnStepGrid(std::int64_t frequencyHz, int stepHz);

// Moves the frequency down to the nearest 8.33 kHz pattern entry; true when it moved.
bool SnapTo833Grid(std::int64_t& frequencyHz);

// Moves the frequency down to the nearest "00"/"33"/"67" ending; true when it moved.
bool SnapToFineGrid(std::int64_t& frequencyHz);

// Integer value of an 11-digit frequency text; false when it is empty, longer than 11
// characters or holds anything but digits.
bool ReadFrequencyHz(std::string_view record, std::int64_t& frequencyHz);

// The tone, CTCSS and DCS controls are usable in FM only.
inline bool ToneGroupEnabled(int mode) { return mode == 0; }

// ---- The extra repeater shift (shift code 3) --------------------------------------------------

// Where the caption is asked for: the editors' LoadChannel, or the memory editor's ApplyFields
// after it has reclassified the band.
enum class ShiftCaptionContext { MemoryLoad, MemoryApply, VfoLoad, CallLoad };

// Caption of the extra shift choice for a band, or empty when the choice is hidden.
std::string_view SpecialShiftCaption(const BandPlan& plan, int band, ShiftCaptionContext context);

}  // namespace quorvan
