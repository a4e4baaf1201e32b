#include "core/rules/ChannelSettings.h"

#include "core/messages/Messages.h"
#include "core/model/ChannelTables.h"
#include "core/model/NameCharset.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

bool TextsParse(const ChannelSettings& s, EditError& error) {
  std::string digits;
  if ((s.rx && !ParseFrequencyText(*s.rx, digits)) ||
      (s.tx && !ParseFrequencyText(*s.tx, digits))) {
    error = EditError::InvalidFrequency;
  } else if (s.offset && !ParseOffsetText(*s.offset, digits)) {
    error = EditError::InvalidOffset;
  }
  return error == EditError::None;
}

void ApplyTone(ChannelRecord& choices, const ChannelSettings& s) {
  if (s.tone) {
    choices.SetFlag(ChannelField::Tone, *s.tone == ToneKind::Tone);
    choices.SetFlag(ChannelField::Ctcss, *s.tone == ToneKind::Ctcss);
    choices.SetFlag(ChannelField::Dcs, *s.tone == ToneKind::Dcs);
  }
  if (s.toneIndex) choices.SetToneIndex(*s.toneIndex);
  if (s.ctcssIndex) choices.SetCtcssIndex(*s.ctcssIndex);
  if (s.dcsIndex) choices.SetDcsIndex(*s.dcsIndex);
}

// The name the editor's field would hold: a loaded name it cannot show is not stored.
std::string NameFor(const ChannelRecord& loaded, const ChannelSettings& s, char destination) {
  std::string name(loaded[ChannelField::Name]);
  if (!IsValidName(name, destination)) name.clear();
  if (s.name) name = *s.name;
  if (s.namePrefix) name = (*s.namePrefix + name).substr(0, kNameCapacity);
  return IsValidName(name, destination) ? name : std::string();
}

// The editor's controls after the user set the given settings on the loaded channel.
EditorEntry EntryFor(const ChannelRecord& loaded, const ChannelSettings& s, char destination) {
  EditorEntry entry;
  entry.typed.rx = s.rx ? *s.rx : ShownFrequency(loaded[ChannelField::Frequency]);
  // The transmit field shows the receive frequency until the channel is split.
  entry.typed.tx = s.tx ? *s.tx : loaded.IsSplit() ? ShownTxFrequency(loaded) : entry.typed.rx;
  entry.typed.offset = s.offset ? *s.offset : FormatOffsetText(loaded[ChannelField::Offset]);
  entry.shift = s.shift ? *s.shift : loaded.Shift();
  entry.choices = loaded;
  if (s.step) entry.choices.SetStepIndex(*s.step);
  if (s.mode) entry.choices.SetModeIndex(*s.mode);
  ApplyTone(entry.choices, s);
  if (s.reverse) entry.choices.SetFlag(ChannelField::Reverse, *s.reverse);
  // A split channel has no reverse.
  if (entry.shift == ShiftChoice::Split) entry.choices.SetFlag(ChannelField::Reverse, false);
  if (s.lockout) entry.choices.SetFlag(ChannelField::Lockout, *s.lockout);
  entry.choices.Set(ChannelField::Name, NameFor(loaded, s, destination));
  return entry;
}

std::string Mhz(std::string_view digits) { return FormatFrequencyText(digits) + " MHz"; }

// What the store changed against what was asked for, one phrase each.
std::vector<std::string> Adjustments(const EditorEntry& asked, const ChannelRecord& stored) {
  std::vector<std::string> said;
  std::string rx;
  std::string tx;
  ParseFrequencyText(asked.typed.rx, rx);
  if (rx != stored[ChannelField::Frequency]) {
    said.push_back(Mhz(rx) + " rounded to " + Mhz(stored[ChannelField::Frequency]));
  }
  if (asked.shift == ShiftChoice::Split && ParseFrequencyText(asked.typed.tx, tx) &&
      tx != stored[ChannelField::TxFrequency]) {
    said.push_back("Tx " + Mhz(tx) + " rounded to " + Mhz(stored[ChannelField::TxFrequency]));
  }
  if (asked.choices.StepIndex() != stored.StepIndex()) {
    said.push_back(
        "step " + std::string(kSteps[static_cast<std::size_t>(asked.choices.StepIndex())].caption) +
        " changed to " + std::string(kSteps[static_cast<std::size_t>(stored.StepIndex())].caption));
  }
  if (asked.choices.ModeIndex() != stored.ModeIndex()) {
    said.push_back(
        "mode " + std::string(kModes[static_cast<std::size_t>(asked.choices.ModeIndex())]) +
        " changed to " + std::string(kModes[static_cast<std::size_t>(stored.ModeIndex())]));
  }
  return said;
}

// "12.5 kHz": a step as a sentence names it.
std::string StepWords(int index) {
  std::string caption(kSteps[static_cast<std::size_t>(index)].caption);
  const std::size_t unit = caption.find("kHz");
  if (unit != std::string::npos) caption.insert(unit, " ");
  return caption;
}

// The store fits a channel's frequencies onto its step, but a frequency the settings do not give
// (the receive frequency, or the transmit frequency of a split channel) is not the user's to
// move. When the chosen step is what would move it, the channel is skipped: the returned text
// says why, and it keeps frequency and step. Otherwise the frequency goes back as it was (with
// its step, unless one was chosen), and the text is empty.
std::string KeepUnchosenFrequencies(const ChannelRecord& before, ChannelRecord& stored,
                                    const ChannelSettings& s) {
  struct Kept {
    ChannelField field;
    bool given;
    const char* prefix;
  };
  const bool txGiven = s.tx || s.shift || !before.IsSplit();
  const bool stepChanged = s.step && stored.StepIndex() != before.StepIndex();
  for (const Kept& kept : {Kept{ChannelField::Frequency, s.rx.has_value(), ""},
                           Kept{ChannelField::TxFrequency, txGiven, "Tx "}}) {
    if (kept.given || before[kept.field] == stored[kept.field]) continue;
    if (stepChanged) {
      return OffStepSkippedText(kept.prefix + Mhz(before[kept.field]),
                                StepWords(stored.StepIndex()), StepWords(before.StepIndex()));
    }
    stored.Set(kept.field, std::string(before[kept.field]));
    if (!s.step) {
      stored.Set(ChannelField::Step, std::string(before[ChannelField::Step]));
      stored.Set(ChannelField::TxStep, std::string(before[ChannelField::TxStep]));
    }
  }
  return {};
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace

SettingsOutcome ApplyChannelSettings(RadioImage& image, const std::vector<int>& slots,
                                     const ChannelSettings& settings) {
  SettingsOutcome out;
  if (!TextsParse(settings, out.error)) return out;
  const BandPlan& plan = image.Plan();
  const char destination = plan.DestinationLetter();
  for (const int slot : slots) {
    if (slot < 0 || slot >= kMemorySlots) continue;
    const std::string& before = image.Record(SlotKind::Memory, slot);
    if (before.empty() && !settings.rx) {
      out.notes.push_back({slot, true, "empty, skipped"});
      continue;
    }
    const ChannelRecord loaded = LoadMemoryChannel(image, slot).record;
    const EditorEntry entry = EntryFor(loaded, settings, destination);
    if (entry.shift == ShiftChoice::Special) {
      std::string rx;
      ParseFrequencyText(entry.typed.rx, rx);
      const int band = ClassifyBand(plan, rx);
      if (SpecialShiftCaption(plan, band, ShiftCaptionContext::MemoryApply).empty()) {
        out.notes.push_back({slot, true, "no special shift in this band, skipped"});
        continue;
      }
    }
    const StoreOutcome stored = ComposeMemoryRecord(image, slot, entry);
    if (stored.error != EditError::None) {
      out.notes.push_back({slot, true, "values cannot be stored, skipped"});
      continue;
    }
    ChannelRecord record = ChannelRecord::Parse(stored.record);
    if (!before.empty()) {
      const std::string moved =
          KeepUnchosenFrequencies(ChannelRecord::Parse(before), record, settings);
      if (!moved.empty()) {
        out.notes.push_back({slot, true, moved});
        continue;
      }
    }
    // The editor leaves the power empty; the channel keeps its own unless one was given.
    if (settings.power) {
      record.Set(ChannelField::Power, std::string(1, *settings.power));
    } else {
      record.Set(ChannelField::Power, image.Channel(SlotKind::Memory, slot)[ChannelField::Power]);
    }
    image.Store(SlotKind::Memory, slot, record.Text());
    ++out.stored;
    const std::vector<std::string> adjusted = Adjustments(entry, record);
    if (!adjusted.empty()) out.notes.push_back({slot, false, Joined(adjusted)});
  }
  return out;
}

std::string SlotNoteLine(const SlotNote& note) {
  return "slot " + MemoryChannelLabel(note.slot) + ": " + note.text;
}

}  // namespace quorvan
