// How the channel editors turn their controls into a fitted record, and what Enter shows.
#include <cstdio>

#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

// The three texts every channel editor parses before it fits anything.
struct ParsedTexts {
  EditError error = EditError::None;
  std::string rx;
  std::string tx;
  std::string offset;
};

ParsedTexts ParseTexts(const ChannelInput& input, bool withTx) {
  ParsedTexts p;
  if (!ParseFrequencyText(input.frequencyText, p.rx) ||
      (withTx && !ParseFrequencyText(input.txFrequencyText, p.tx))) {
    p.error = EditError::InvalidFrequency;
  } else if (!ParseOffsetText(input.offsetText, p.offset)) {
    p.error = EditError::InvalidOffset;
  }
  return p;
}

ChannelRecordParts PartsOf(const ChannelInput& input, std::string id, const ParsedTexts& p) {
  ChannelRecordParts parts;
  parts.id = std::move(id);
  parts.frequency = p.rx;
  parts.step = input.step;
  parts.shift = input.shift;
  parts.reverse = input.reverse;
  parts.tone = input.tone;
  parts.ctcss = input.ctcss;
  parts.dcs = input.dcs;
  parts.toneIndex = input.toneIndex;
  parts.ctcssIndex = input.ctcssIndex;
  parts.dcsIndex = input.dcsIndex;
  parts.offset = p.offset;
  parts.mode = input.mode;
  return parts;
}

char HexDigit(int value) { return "0123456789ABCDEF"[value & 0xF]; }

}  // namespace

StoreOutcome ComposeMemoryRecord(const RadioImage& image, int slot, const ChannelInput& input) {
  StoreOutcome out;
  ParsedTexts p = ParseTexts(input, true);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  const int band = ClassifyBand(image.Plan(), p.rx);
  int mode = input.mode;
  int step = input.step;
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Memory, mode, step);
  ChannelRecordParts parts = PartsOf(input, MemoryChannelLabel(slot), p);
  parts.step = step;
  parts.mode = mode;
  parts.lockout = input.lockout;
  parts.name = input.name;
  if (input.shift == ShiftChoice::Split) {
    // The transmit frequency is held inside the band of the receive frequency.
    out.rounded |= FitTxFrequency(image, p.tx, band, ChannelKind::Memory, mode, step);
    parts.txFrequency = p.tx;
  }
  out.record = BuildMemoryRecord(parts);
  return out;
}

StoreOutcome ComposeVfoRecord(const RadioImage& image, int band, const ChannelInput& input) {
  StoreOutcome out;
  ParsedTexts p = ParseTexts(input, false);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  int mode = input.mode;
  int step = input.step;
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Vfo, mode, step);
  ChannelRecordParts parts = PartsOf(input, std::string(1, HexDigit(band)), p);
  parts.step = step;
  parts.mode = mode;
  if (parts.shift == ShiftChoice::Split) parts.shift = ShiftChoice::Simplex;  // no split here
  out.record = BuildVfoRecord(parts);
  return out;
}

StoreOutcome ComposeCallRecord(const RadioImage& image, int band, const ChannelInput& input) {
  StoreOutcome out;
  ParsedTexts p = ParseTexts(input, true);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  int mode = input.mode;
  int step = input.step;
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Call, mode, step);
  if (input.shift == ShiftChoice::Split) {
    out.rounded |= FitFrequency(image, p.tx, band, ChannelKind::Call, mode, step);
  }
  ChannelRecordParts parts = PartsOf(input, std::string(1, HexDigit(band)), p);
  parts.step = step;
  parts.mode = mode;
  if (input.shift == ShiftChoice::Split) parts.txFrequency = p.tx;
  out.record = BuildCallRecord(parts);
  return out;
}

ApplyOutcome ApplyMemoryFields(const RadioImage& image, const ChannelInput& input) {
  ApplyOutcome out;
  ParsedTexts p = ParseTexts(input, true);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  const BandPlan& plan = image.Plan();
  const int band = ClassifyBand(plan, p.rx);
  out.mode = input.mode;
  out.step = input.step;
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Memory, out.mode, out.step);
  out.frequencyText = FormatFrequencyText(p.rx);
  out.specialShiftCaption =
      std::string(SpecialShiftCaption(plan, band, ShiftCaptionContext::MemoryApply));
  out.shift = input.shift;
  if (out.specialShiftCaption.empty() && out.shift == ShiftChoice::Special) {
    out.shift = ShiftChoice::Split;
  }
  if (out.shift == ShiftChoice::Split) {
    out.rounded |= FitTxFrequency(image, p.tx, band, ChannelKind::Memory, out.mode, out.step);
    out.txFrequencyText = FormatFrequencyText(p.tx);
  } else {
    out.txFrequencyText = out.frequencyText;
  }
  out.offsetText = FormatOffsetText("0" + p.offset);
  return out;
}

namespace {

// Enter in the VFO and CALL editors: the band is fixed by the row, only CALL has a transmit part.
ApplyOutcome ApplyBandFields(const RadioImage& image, int band, const ChannelInput& input,
                             ChannelKind kind) {
  const bool hasTransmitPart = kind == ChannelKind::Call;
  ApplyOutcome out;
  ParsedTexts p = ParseTexts(input, hasTransmitPart);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  out.mode = input.mode;
  out.step = input.step;
  out.shift = input.shift;
  out.rounded = FitFrequency(image, p.rx, band, kind, out.mode, out.step);
  out.frequencyText = FormatFrequencyText(p.rx);
  if (hasTransmitPart) {
    if (out.shift == ShiftChoice::Split) {
      out.rounded |= FitFrequency(image, p.tx, band, kind, out.mode, out.step);
      out.txFrequencyText = FormatFrequencyText(p.tx);
    } else {
      out.txFrequencyText = out.frequencyText;
    }
  }
  out.offsetText = FormatOffsetText("0" + p.offset);
  return out;
}

}  // namespace

ApplyOutcome ApplyVfoFields(const RadioImage& image, int band, const ChannelInput& input) {
  return ApplyBandFields(image, band, input, ChannelKind::Vfo);
}

ApplyOutcome ApplyCallFields(const RadioImage& image, int band, const ChannelInput& input) {
  return ApplyBandFields(image, band, input, ChannelKind::Call);
}

}  // namespace quorvan
