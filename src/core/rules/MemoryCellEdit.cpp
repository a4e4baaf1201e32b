#include "core/rules/MemoryCellEdit.h"

#include <algorithm>
#include <optional>

#include "core/messages/Messages.h"
#include "core/model/ChannelTables.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"
#include "core/rules/GridTexts.h"
#include "core/rules/MemoryColumns.h"

namespace quorvan {

namespace {

bool Fail(std::string_view message, std::string* error) {
  if (error != nullptr) *error = std::string(message);
  return false;
}

std::optional<int> IndexOf(const std::vector<std::string>& choices, std::string_view text) {
  const auto found = std::find(choices.begin(), choices.end(), text);
  if (found == choices.end()) return std::nullopt;
  return static_cast<int>(found - choices.begin());
}

// The tone list: off, then every tone, CTCSS and DCS entry as the Tone cell shows it.
std::vector<std::string> ToneChoices() {
  std::vector<std::string> choices{""};
  const int tones = static_cast<int>(kTones.size());
  for (int i = 0; i < tones; ++i) choices.push_back(ToneCellText(ToneKind::Tone, i));
  for (int i = 0; i < tones; ++i) choices.push_back(ToneCellText(ToneKind::Ctcss, i));
  for (int i = 0; i < static_cast<int>(kDcsCodes.size()); ++i) {
    choices.push_back(ToneCellText(ToneKind::Dcs, i));
  }
  return choices;
}

void SetTone(int index, ChannelSettings& s) {
  const int tones = static_cast<int>(kTones.size());
  if (index == 0) {
    s.tone = ToneKind::Off;
  } else if (index <= tones) {
    s.tone = ToneKind::Tone;
    s.toneIndex = index - 1;
  } else if (index <= 2 * tones) {
    s.tone = ToneKind::Ctcss;
    s.ctcssIndex = index - 1 - tones;
  } else {
    s.tone = ToneKind::Dcs;
    s.dcsIndex = index - 1 - 2 * tones;
  }
}

}  // namespace

bool IsEditableMemoryColumn(int column) {
  return column == kValueColumn || column == kNameColumn ||
         (column >= kShiftColumn && column <= kLockoutColumn);
}

std::vector<std::string> MemoryColumnChoices(const RadioImage& image, int row, int column) {
  std::vector<std::string> choices;
  switch (column) {
    case kShiftColumn: {
      choices = {"", "+", "-"};
      const int slot = RowToSlot(image.Plan(), Grid::Memory, row);
      const std::string caption =
          slot < 0 ? "" : LoadMemoryChannel(image, slot).specialShiftCaption;
      if (!caption.empty()) choices.push_back(caption);
      choices.push_back("Split");
      break;
    }
    case kToneColumn:
      return ToneChoices();
    case kModeColumn:
      for (const std::string_view mode : kModes) choices.emplace_back(mode);
      break;
    case kStepColumn:
      for (const StepEntry& step : kSteps) choices.emplace_back(step.caption);
      break;
    case kLockoutColumn:
      choices = {"", "On"};
      break;
    default:
      break;
  }
  return choices;
}

bool ReadMemoryCellEdit(const RadioImage& image, int row, int column, std::string_view text,
                        ChannelSettings& settings, std::string* error) {
  const int slot = RowToSlot(image.Plan(), Grid::Memory, row);
  if (slot < 0 || !IsEditableMemoryColumn(column)) return Fail("", error);
  const LoadedChannel loaded = LoadMemoryChannel(image, slot);
  std::string digits;
  ChannelSettings s;
  switch (column) {
    case kValueColumn:
      if (!ParseFrequencyText(text, digits)) return Fail(kInvalidFrequencyMessage, error);
      s.rx = std::string(text);
      break;
    case kOffsetTxColumn:
      if (loaded.record.IsSplit()) {
        if (!ParseFrequencyText(text, digits)) return Fail(kInvalidFrequencyMessage, error);
        s.tx = std::string(text);
      } else if (!ParseOffsetText(text, digits)) {
        return Fail(kInvalidOffsetMessage, error);
      } else {
        s.offset = std::string(text);
      }
      break;
    case kNameColumn: {
      const char destination = image.Plan().DestinationLetter();
      const std::optional<std::string> name = NameFromUtf8(text, destination);
      if (!name || !IsValidName(*name, destination)) return Fail(kInvalidCharacterMessage, error);
      s.name = *name;
      break;
    }
    default: {
      const std::vector<std::string> choices = MemoryColumnChoices(image, row, column);
      const std::optional<int> index = IndexOf(choices, text);
      if (!index) return Fail("", error);
      if (column == kShiftColumn) {
        const std::string_view choice = choices[static_cast<std::size_t>(*index)];
        s.shift = choice == "+"       ? ShiftChoice::Plus
                  : choice == "-"     ? ShiftChoice::Minus
                  : choice == "Split" ? ShiftChoice::Split
                  : choice.empty()    ? ShiftChoice::Simplex
                                      : ShiftChoice::Special;
      } else if (column == kToneColumn) {
        SetTone(*index, s);
      } else if (column == kModeColumn) {
        s.mode = *index;
      } else if (column == kStepColumn) {
        s.step = *index;
      } else {
        s.lockout = *index == 1;
      }
      break;
    }
  }
  if (!s.rx && image.Record(SlotKind::Memory, slot).empty()) {
    s.rx = ShownFrequency(loaded.record[ChannelField::Frequency]);
  }
  settings = s;
  return true;
}

}  // namespace quorvan
