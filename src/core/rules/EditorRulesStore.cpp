// How the channel editors turn their controls into a fitted record, and what Enter shows.
#include "core/model/RecordDigits.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

constexpr ChannelField kFlags[] = {ChannelField::Reverse, ChannelField::Tone, ChannelField::Ctcss,
                                   ChannelField::Dcs};

// The three texts every channel editor parses before it fits anything.
struct ParsedTexts {
  EditError error = EditError::None;
  std::string rx;
  std::string tx;
  std::string offset;  // 8 digits; the record puts a "0" in front
};

ParsedTexts ParseTexts(const TypedFrequencies& typed, bool withTx) {
  ParsedTexts p;
  if (!ParseFrequencyText(typed.rx, p.rx) || (withTx && !ParseFrequencyText(typed.tx, p.tx))) {
    p.error = EditError::InvalidFrequency;
  } else if (!ParseOffsetText(typed.offset, p.offset)) {
    p.error = EditError::InvalidOffset;
  }
  return p;
}

// Fields 0-12 of the record an editor stores: the identifier, the fitted frequency, step and
// mode, the offset, and the choices as the controls left them. Fields 13-17 stay empty.
ChannelRecord FittedRecord(std::string_view id, const EditorEntry& entry, const std::string& rx,
                           const std::string& offset, int step, int mode) {
  ChannelRecord record = ChannelRecord::Blank(id);
  record.Set(ChannelField::Frequency, rx);
  record.SetStepIndex(step);
  record.SetShift(entry.shift);
  for (const ChannelField flag : kFlags) record.SetFlag(flag, entry.choices.IsOn(flag));
  record.SetToneIndex(entry.choices.ToneIndex());
  record.SetCtcssIndex(entry.choices.CtcssIndex());
  record.SetDcsIndex(entry.choices.DcsIndex());
  record.Set(ChannelField::Offset, "0" + offset);
  record.SetModeIndex(mode);
  return record;
}

std::string BandCode(int band) { return std::string(1, "0123456789ABCDEF"[band & 0xF]); }

}  // namespace

StoreOutcome ComposeMemoryRecord(const RadioImage& image, int slot, const EditorEntry& entry) {
  StoreOutcome out;
  ParsedTexts p = ParseTexts(entry.typed, true);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  const int band = ClassifyBand(image.Plan(), p.rx);
  int mode = entry.choices.ModeIndex();
  int step = entry.choices.StepIndex();
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Memory, mode, step);
  ChannelRecord record = FittedRecord(MemoryChannelLabel(slot), entry, p.rx, p.offset, step, mode);
  record.SetFlag(ChannelField::Lockout, entry.choices.IsOn(ChannelField::Lockout));
  if (entry.shift == ShiftChoice::Split) {
    // The transmit frequency is held inside the band of the receive frequency.
    out.rounded |= FitTxFrequency(image, p.tx, band, ChannelKind::Memory, mode, step);
    record.SetSplit(p.tx);
  }
  record.Set(ChannelField::Name, entry.choices[ChannelField::Name]);
  out.record = record.Text();
  return out;
}

StoreOutcome ComposeVfoRecord(const RadioImage& image, int band, const EditorEntry& entry) {
  StoreOutcome out;
  ParsedTexts p = ParseTexts(entry.typed, false);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  int mode = entry.choices.ModeIndex();
  int step = entry.choices.StepIndex();
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Vfo, mode, step);
  out.record = FittedRecord(BandCode(band), entry, p.rx, p.offset, step, mode).Text();
  return out;
}

StoreOutcome ComposeCallRecord(const RadioImage& image, int band, const EditorEntry& entry) {
  StoreOutcome out;
  ParsedTexts p = ParseTexts(entry.typed, true);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  int mode = entry.choices.ModeIndex();
  int step = entry.choices.StepIndex();
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Call, mode, step);
  if (entry.shift == ShiftChoice::Split) {
    out.rounded |= FitFrequency(image, p.tx, band, ChannelKind::Call, mode, step);
  }
  ChannelRecord record = FittedRecord(BandCode(band), entry, p.rx, p.offset, step, mode);
  if (entry.shift == ShiftChoice::Split) record.SetSplit(p.tx);
  out.record = record.Text();
  return out;
}

AppliedFields ApplyMemoryFields(const RadioImage& image, const EditorEntry& entry) {
  AppliedFields out;
  ParsedTexts p = ParseTexts(entry.typed, true);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  const BandPlan& plan = image.Plan();
  const int band = ClassifyBand(plan, p.rx);
  int mode = entry.choices.ModeIndex();
  int step = entry.choices.StepIndex();
  out.rounded = FitFrequency(image, p.rx, band, ChannelKind::Memory, mode, step);
  out.specialShiftCaption =
      std::string(SpecialShiftCaption(plan, band, ShiftCaptionContext::MemoryApply));
  ShiftChoice shift = entry.shift;
  if (out.specialShiftCaption.empty() && shift == ShiftChoice::Special) shift = ShiftChoice::Split;
  EditorEntry shown = entry;
  shown.shift = shift;
  out.fitted = FittedRecord({}, shown, p.rx, p.offset, step, mode);
  if (shift == ShiftChoice::Split) {
    out.rounded |= FitTxFrequency(image, p.tx, band, ChannelKind::Memory, mode, step);
    out.fitted.SetSplit(p.tx);
  }
  return out;
}

namespace {

// Enter in the VFO and CALL editors: the band is fixed by the row, only CALL has a transmit part.
AppliedFields ApplyBandFields(const RadioImage& image, int band, const EditorEntry& entry,
                              ChannelKind kind) {
  const bool hasTransmitPart = kind == ChannelKind::Call;
  AppliedFields out;
  ParsedTexts p = ParseTexts(entry.typed, hasTransmitPart);
  if (p.error != EditError::None) {
    out.error = p.error;
    return out;
  }
  int mode = entry.choices.ModeIndex();
  int step = entry.choices.StepIndex();
  out.rounded = FitFrequency(image, p.rx, band, kind, mode, step);
  out.fitted = FittedRecord({}, entry, p.rx, p.offset, step, mode);
  if (hasTransmitPart && entry.shift == ShiftChoice::Split) {
    out.rounded |= FitFrequency(image, p.tx, band, kind, mode, step);
    out.fitted.SetSplit(p.tx);
  }
  return out;
}

}  // namespace

AppliedFields ApplyVfoFields(const RadioImage& image, int band, const EditorEntry& entry) {
  return ApplyBandFields(image, band, entry, ChannelKind::Vfo);
}

AppliedFields ApplyCallFields(const RadioImage& image, int band, const EditorEntry& entry) {
  return ApplyBandFields(image, band, entry, ChannelKind::Call);
}

}  // namespace quorvan
