#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/ChannelRecord.h"
#include "core/model/RadioImage.h"
#include "core/rules/EditorRules.h"

namespace quorvan {

// Which of tone, CTCSS and DCS a channel sends; at most one is on.
enum class ToneKind { Off, Tone, Ctcss, Dcs };

// Settings given to many memory channels at once. A setting left unset keeps what the channel
// has; frequencies and the offset are texts as the editor's fields take them.
struct ChannelSettings {
  std::optional<std::string> rx;
  std::optional<ShiftChoice> shift;
  std::optional<std::string> offset;
  std::optional<std::string> tx;  // the transmit frequency of a split channel
  std::optional<int> step;        // step list index
  std::optional<int> mode;        // mode list index
  std::optional<ToneKind> tone;
  std::optional<int> toneIndex;
  std::optional<int> ctcssIndex;
  std::optional<int> dcsIndex;
  std::optional<bool> reverse;
  std::optional<bool> lockout;
  std::optional<std::string> name;        // name bytes, replacing the name
  std::optional<std::string> namePrefix;  // name bytes put before the name, cut to 8 bytes
  std::optional<char> power;              // '0' high, '1' low, '2' EL
};

// What became of one slot that was not stored exactly as asked.
struct SlotNote {
  int slot = 0;
  bool skipped = false;
  std::string text;  // "144.0125 MHz rounded to 144.010 MHz", "empty, skipped"
};

struct SettingsOutcome {
  EditError error = EditError::None;  // a frequency or offset text that does not parse
  int stored = 0;
  std::vector<SlotNote> notes;  // in slot order
};

// Gives the settings to every slot in `slots` through the memory editor's own store: each is
// loaded as the editor loads it, the settings replace the controls they stand for, and the
// editor's store fits and writes the record. An empty slot is created only when `rx` is given;
// otherwise it is skipped. A text that does not parse changes nothing. The channel's RF power
// stays unless `power` is given.
SettingsOutcome ApplyChannelSettings(RadioImage& image, const std::vector<int>& slots,
                                     const ChannelSettings& settings);

// "slot 012: 144.0125 MHz rounded to 144.010 MHz" (the slot by its label).
std::string SlotNoteLine(const SlotNote& note);

}  // namespace quorvan
