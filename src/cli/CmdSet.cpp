#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/ChannelTables.h"
#include "core/model/Document.h"
#include "core/model/EscapedText.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "core/model/RadioImage.h"
#include "core/rules/ChannelSettings.h"
#include "core/rules/CsvChannelColumns.h"
#include "core/rules/EditStepNames.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

extern const CliCommand kSetCommand;

namespace {

constexpr CliOption kSlotsOption{"--slots", "LIST"};
constexpr CliOption kFreqOption{"--freq", "MHZ"};
constexpr CliOption kShiftOption{"--shift", "simplex|plus|minus|special|split"};
constexpr CliOption kOffsetOption{"--offset", "MHZ"};
constexpr CliOption kTxOption{"--tx", "MHZ"};
constexpr CliOption kStepOption{"--step", "5|6.25|8.33|9|10|12.5|15|20|25|30|50|100"};
constexpr CliOption kModeOption{"--mode", "FM|WFM|AM|LSB|USB|CW"};
constexpr CliOption kToneOption{"--tone", "off|tone|ctcss|dcs"};
constexpr CliOption kToneFreqOption{"--tone-freq", "HZ"};
constexpr CliOption kCtcssFreqOption{"--ctcss-freq", "HZ"};
constexpr CliOption kDcsOption{"--dcs", "DCS"};
constexpr CliOption kNameOption{"--name", "TEXT"};
constexpr CliOption kLockoutOption{"--lockout", "on|off"};
constexpr CliOption kReverseOption{"--reverse", "on|off"};
constexpr CliOption kOutputOption{"-o", "OUT.qvx"};

// A slot of the list: an ordinary memory as a number without leading zeros beyond three
// digits ("5", "005"), or a label ("L0", "PR1", "I-1").
std::optional<int> ListSlot(std::string_view item) {
  if (!item.empty() && item.size() <= 3 &&
      item.find_first_not_of("0123456789") == std::string_view::npos) {
    const int value = std::stoi(std::string(item));
    if (value < kOrdinaryMemorySlots) return value;
    return std::nullopt;
  }
  const int slot = MemorySlotOfLabel(item);
  if (slot < 0) return std::nullopt;
  return slot;
}

// "0-9,20,L0,I-1": slots and ranges separated by commas, in the order given.
std::optional<std::vector<int>> SlotList(std::string_view list) {
  std::vector<int> slots;
  for (;;) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    if (const std::optional<int> slot = ListSlot(item)) {
      slots.push_back(*slot);
    } else {
      // A range: the dash whose both sides name slots ("I-1" holds a dash of its own).
      bool found = false;
      for (std::size_t dash = item.find('-'); dash != std::string_view::npos && !found;
           dash = item.find('-', dash + 1)) {
        const std::optional<int> first = ListSlot(item.substr(0, dash));
        const std::optional<int> last = ListSlot(item.substr(dash + 1));
        if (!first || !last || *first > *last) continue;
        for (int s = *first; s <= *last; ++s) slots.push_back(s);
        found = true;
      }
      if (!found) return std::nullopt;
    }
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return slots;
}

// The index of `value` in a table whose entries are the value followed by `unit`.
template <std::size_t N>
std::optional<int> TableIndex(const std::array<std::string_view, N>& table, std::string_view value,
                              std::string_view unit) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == std::string(value) + std::string(unit)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> StepIndex(std::string_view khz) {
  for (std::size_t i = 0; i < kSteps.size(); ++i) {
    if (kSteps[i].caption == std::string(khz) + "kHz") return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<ShiftChoice> ShiftNamed(std::string_view name) {
  constexpr std::array<std::string_view, 5> kNames{"simplex", "plus", "minus", "special", "split"};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (name == kNames[i]) return static_cast<ShiftChoice>(i);
  }
  return std::nullopt;
}

std::optional<ToneKind> ToneNamed(std::string_view name) {
  constexpr std::array<std::string_view, 4> kNames{"off", "tone", "ctcss", "dcs"};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (name == kNames[i]) return static_cast<ToneKind>(i);
  }
  return std::nullopt;
}

std::optional<bool> Switch(std::string_view value) {
  if (value == "on") return true;
  if (value == "off") return false;
  return std::nullopt;
}

// Reads the settings the options give; false with the problem, naming the option.
class SettingsReader {
 public:
  SettingsReader(const CommandArgs& args, char destination)
      : args_(args), destination_(destination) {}

  bool Read(ChannelSettings& s) {
    return Text(kFreqOption, s.rx, IsFrequency) && InRadioRange(kFreqOption, s.rx) &&
           Text(kOffsetOption, s.offset, IsOffset) && Text(kTxOption, s.tx, IsFrequency) &&
           InRadioRange(kTxOption, s.tx) && Choice(kShiftOption, s.shift, ShiftNamed) &&
           Choice(kStepOption, s.step, StepIndex) &&
           Choice(kModeOption, s.mode,
                  [](std::string_view v) { return TableIndex(kModes, v, ""); }) &&
           Choice(kToneOption, s.tone, ToneNamed) &&
           Choice(kToneFreqOption, s.toneIndex, ToneIndex, kToneWhat) &&
           Choice(kCtcssFreqOption, s.ctcssIndex, ToneIndex, kToneWhat) &&
           Choice(
               kDcsOption, s.dcsIndex,
               [](std::string_view v) { return TableIndex(kDcsCodes, v, ""); },
               "a DCS code of the radio's list (023 ... 754)") &&
           Choice(kLockoutOption, s.lockout, Switch) && Choice(kReverseOption, s.reverse, Switch) &&
           Name(s) && TxNeedsSplit(s);
  }

  const std::string& Problem() const { return problem_; }

 private:
  static constexpr std::string_view kToneWhat =
      "a tone frequency of the radio's list (67.0 ... 254.1)";
  static std::optional<int> ToneIndex(std::string_view hz) { return TableIndex(kTones, hz, "Hz"); }

  static bool IsFrequency(const std::string& text) {
    std::string digits;
    return ParseFrequencyText(text, digits);
  }
  static bool IsOffset(const std::string& text) {
    std::string digits;
    return ParseOffsetText(text, digits);
  }

  // A value outside the option's choices, or (for a free value) not `what`.
  bool Bad(const CliOption& option, const std::string& value, std::string_view what) {
    problem_ = std::string(option.name) + ": \"" + EscapeControls(value) + "\" is not " +
               (what.empty() ? "one of " + std::string(option.value) : std::string(what));
    return false;
  }

  bool Text(const CliOption& option, std::optional<std::string>& to,
            bool (*valid)(const std::string&)) {
    const std::optional<std::string> value = args_.Option(option);
    if (!value) return true;
    if (!valid(*value)) {
      problem_ = std::string(option.name) + ": \"" + EscapeControls(*value) +
                 "\" is not a number of " + std::string(option.value) + " such as 145.5";
      return false;
    }
    to = *value;
    return true;
  }

  // A frequency the radio cannot hold at all is refused, as a CSV import leaves such a row out,
  // rather than pulled onto the end of the range.
  bool InRadioRange(const CliOption& option, const std::optional<std::string>& mhz) {
    std::int64_t hz = 0;
    if (!mhz || (ParseMhzText(*mhz, hz) && IsInMemoryRange(hz))) return true;
    problem_ = std::string(option.name) + ": " + EscapeControls(*mhz) +
               " MHz is outside the radio's range, 0.1 to 1300 MHz";
    return false;
  }

  template <class T, class Reading>
  bool Choice(const CliOption& option, std::optional<T>& to, Reading read,
              std::string_view what = {}) {
    const std::optional<std::string> value = args_.Option(option);
    if (!value) return true;
    const auto reading = read(*value);
    if (!reading) return Bad(option, *value, what);
    to = *reading;
    return true;
  }

  bool Name(ChannelSettings& s) {
    const std::optional<std::string> value = args_.Option(kNameOption);
    if (!value) return true;
    const std::optional<std::string> bytes = NameFromUtf8(*value, destination_);
    if (!bytes || !IsValidName(*bytes, destination_)) {
      problem_ = "--name: \"" + EscapeControls(*value) +
                 "\" is not a name of at most 8 characters the radio can show";
      return false;
    }
    s.name = *bytes;
    return true;
  }

  bool TxNeedsSplit(const ChannelSettings& s) {
    if (!s.tx || s.shift == ShiftChoice::Split) return true;
    problem_ = "--tx: a transmit frequency needs --shift split";
    return false;
  }

  const CommandArgs& args_;
  char destination_;
  std::string problem_;
};

int RunSet(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kSetCommand.options, parsed, problem)) {
    return ReportUsageError(context, kSetCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kSetCommand, "expected exactly one FILE.qvx");
  }
  const std::optional<std::string> list = parsed.Option(kSlotsOption);
  if (!list) return ReportUsageError(context, kSetCommand, "missing --slots LIST");
  const std::optional<std::vector<int>> slots = SlotList(*list);
  if (!slots) {
    return ReportUsageError(
        context, kSetCommand,
        "--slots: \"" + *list + "\" is not a list of slots 0-399, L0-U9, PR1, PR2, I-1-I-0");
  }
  const std::optional<std::string> output = parsed.Option(kOutputOption);
  if (!output || output->empty()) {
    return ReportUsageError(context, kSetCommand, "missing -o OUT.qvx");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kSetCommand, context, plan);
  if (resolved != kExitOk) return resolved;
  ChannelSettings settings;
  SettingsReader reader(parsed, plan.DestinationLetter());
  if (!reader.Read(settings)) return ReportUsageError(context, kSetCommand, reader.Problem());

  RadioImage image;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, image);
  if (opened != kExitOk) return opened;
  // The same change of the document as the window's Change Selected.
  Document document(std::move(image));
  SettingsOutcome outcome;
  document.Change(
      [&outcome](const ImageChanges&) { return ChangeSelectedStepName(outcome.stored); },
      [&](RadioImage& edited) { outcome = ApplyChannelSettings(edited, *slots, settings); });
  std::ostream& report = ReportStream(*output, context);
  for (const SlotNote& note : outcome.notes) report << SlotNoteLine(note) << "\n";
  return SaveCommandDocument(*output, document.Image(), context);
}

}  // namespace

extern const CliCommand kSetCommand{
    "set",
    "give many memory channels of a channel file the same settings",
    "usage: quorvan-cli set FILE.qvx --slots LIST [settings] [--type CODE [--model ID]] "
    "-o OUT.qvx\n"
    "  FILE.qvx      the channel file; - for standard input\n"
    "  --slots LIST  slots and ranges separated by commas: 5, 0-9,20, L0,U0, PR1, I-1\n"
    "  --freq MHZ    receive frequency; an empty slot is created only with it\n"
    "  --shift simplex|plus|minus|special|split\n"
    "                the shift; special is the band's extra shift\n"
    "  --offset MHZ  repeater offset, on 50 kHz\n"
    "  --tx MHZ      transmit frequency of a split channel (with --shift split)\n"
    "  --step 5|6.25|8.33|9|10|12.5|15|20|25|30|50|100\n"
    "                channel step in kHz\n"
    "  --mode FM|WFM|AM|LSB|USB|CW\n"
    "                mode\n"
    "  --tone off|tone|ctcss|dcs\n"
    "                what the channel sends to open a repeater or a squelch\n"
    "  --tone-freq HZ\n"
    "                tone frequency such as 88.5\n"
    "  --ctcss-freq HZ\n"
    "                CTCSS frequency such as 100.0\n"
    "  --dcs DCS     DCS code such as 023\n"
    "  --name TEXT   channel name, at most 8 characters\n"
    "  --lockout on|off\n"
    "                skip the channel when scanning\n"
    "  --reverse on|off\n"
    "                listen on the transmit frequency\n"
    "  -o OUT.qvx    the channel file to write (replaced if it exists; may be FILE.qvx);\n"
    "                - for standard output\n"
    "  Each slot is stored as the memory editor stores it: frequencies are fitted to the band\n"
    "  and step. Every slot adjusted or skipped is listed on standard output.\n"
    "  Example: quorvan-cli set radio.qvx --slots 0-9 --mode FM --step 12.5 -o radio.qvx\n",
    {kSlotsOption, kFreqOption, kShiftOption, kOffsetOption, kTxOption, kStepOption, kModeOption,
     kToneOption, kToneFreqOption, kCtcssFreqOption, kDcsOption, kNameOption, kLockoutOption,
     kReverseOption, kTypeOption, kModelOption, kOutputOption},
    {"FILE.qvx"},
    &RunSet,
};

}  // namespace quorvan
