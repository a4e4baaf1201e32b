#include "core/rules/CsvImport.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <optional>

#include "core/model/ChannelTables.h"
#include "core/model/NameCodec.h"
#include "core/model/RecordFields.h"
#include "core/rules/CsvChannelColumns.h"
#include "core/rules/CsvNames.h"
#include "core/rules/CsvTable.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

// Frequencies the editor's field can hold: below 10 000 MHz.
constexpr std::int64_t kFrequencyCeilingHz = 10000000000LL;
// A step written in kHz matches the table within this many Hz ("8.333" is 8.33 kHz).
constexpr std::int64_t kStepToleranceHz = 5;

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string Quoted(std::string_view cell) { return "\"" + PrintableUtf8(cell) + "\""; }

std::string Eleven(std::int64_t hz) {
  std::string text = std::to_string(hz);
  return std::string(text.size() < 11 ? 11 - text.size() : 0, '0') + text;
}

// Megahertz as the editors show it: "146.52" is "146.520", "146.5225" stays.
std::string Shown(std::int64_t hz) { return FormatFrequencyText(Eleven(hz)); }

// The columns of the table, looked up once.
struct Columns {
  explicit Columns(const CsvTable& t)
      : location(t.Column("Location")),
        name(t.Column("Name")),
        frequency(t.Column("Frequency")),
        duplex(t.Column("Duplex")),
        offset(t.Column("Offset")),
        tone(t.Column("Tone")),
        rTone(t.Column("rToneFreq")),
        cTone(t.Column("cToneFreq")),
        dcs(t.Column("DtcsCode")),
        polarity(t.Column("DtcsPolarity")),
        mode(t.Column("Mode")),
        step(t.Column("TStep")),
        skip(t.Column("Skip")),
        power(t.Column("Power")),
        comment(t.Column("Comment")) {}
  int location, name, frequency, duplex, offset, tone, rTone, cTone, dcs, polarity, mode, step,
      skip, power, comment;
};

// Words of the Comment column this program writes for itself.
struct CommentWords {
  bool reverse = false;
  bool fixedShift = false;
  std::optional<std::string> offset;  // megahertz text
};

CommentWords ReadCommentWords(std::string_view comment) {
  CommentWords words;
  while (!comment.empty()) {
    const std::size_t blank = comment.find(' ');
    const std::string_view word = comment.substr(0, blank);
    comment = blank == std::string_view::npos ? std::string_view() : comment.substr(blank + 1);
    if (word == kCsvReverseWord) words.reverse = true;
    if (word == kCsvFixedShiftWord) words.fixedShift = true;
    if (word.substr(0, kCsvOffsetWordPrefix.size()) == kCsvOffsetWordPrefix) {
      words.offset = std::string(word.substr(kCsvOffsetWordPrefix.size()));
    }
  }
  return words;
}

std::optional<int> LocationOf(std::string_view cell) {
  if (cell.empty() || cell.size() > 4) return std::nullopt;
  int value = 0;
  for (const char c : cell) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Index of a tone value ("88.5", "88.50") in the tone table, or -1.
int ToneIndexOfValue(std::string_view cell) {
  std::int64_t scaled = 0;  // the value times one million
  if (!ParseMhzText(cell, scaled)) return -1;
  for (int i = 0; i < static_cast<int>(kTones.size()); ++i) {
    std::int64_t entry = 0;
    if (ParseMhzText(ToneValueText(i), entry) && entry == scaled) return i;
  }
  return -1;
}

// Index of a DCS code ("023", "23") in the DCS table, or -1.
int DcsIndexOfValue(std::string_view cell) {
  if (cell.empty() || cell.size() > 3) return -1;
  const std::string padded = std::string(3 - cell.size(), '0') + std::string(cell);
  for (std::size_t i = 0; i < kDcsCodes.size(); ++i) {
    if (kDcsCodes[i] == padded) return static_cast<int>(i);
  }
  return -1;
}

int StepIndexOfKhz(std::string_view cell) {
  std::int64_t milliHz = 0;  // kHz times one million is Hz times one thousand
  if (!ParseMhzText(cell, milliHz)) return -1;
  for (int i = 0; i < static_cast<int>(kSteps.size()); ++i) {
    const std::int64_t difference =
        milliHz - std::int64_t{kSteps[static_cast<std::size_t>(i)].hz} * 1000;
    if (difference > -kStepToleranceHz * 1000 && difference < kStepToleranceHz * 1000) return i;
  }
  return -1;
}

int ModeIndexOfName(std::string_view cell) {
  for (int i = 0; i < static_cast<int>(kModes.size()); ++i) {
    if (EqualNoCase(cell, kModes[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

// Field 16 of a memory record as the radio keeps it.
std::optional<char> PowerDigit(std::string_view cell) {
  constexpr std::array<std::string_view, 3> kPowers{"High", "Low", "EL"};
  for (std::size_t i = 0; i < kPowers.size(); ++i) {
    if (EqualNoCase(cell, kPowers[i])) return static_cast<char>('0' + i);
  }
  return std::nullopt;
}

// Puts the RF power digit into field 16, which the editor's record leaves empty.
std::string WithPower(const std::string& record, char digit) {
  std::size_t pos = 0;
  for (int comma = 0; comma < 16; ++comma) {
    pos = record.find(',', pos);
    if (pos == std::string::npos) return record;
    ++pos;
  }
  std::string result = record;
  result.insert(pos, 1, digit);
  return result;
}

// One row's way into a record: the notes it collects and, unless it is left out, the record.
class RowImport {
 public:
  RowImport(const RadioImage& image, const CsvTable& table, const Columns& columns,
            const ChannelView& defaults)
      : image_(image), table_(table), c_(columns), defaults_(defaults) {}

  // The record for the row, or nothing when the row is left out; `slot` is its location.
  std::optional<std::string> Build(const CsvRow& row, int& slot) {
    notes_.clear();
    row_ = &row;
    const std::optional<int> location = LocationOf(Cell(c_.location));
    if (!location) return Skip("location " + Quoted(Cell(c_.location)) + " is not a number");
    if (*location >= kMemorySlots) {
      return Skip("location " + std::to_string(*location) + " outside 0-431");
    }
    slot = *location;

    ChannelInput input;
    std::int64_t rxHz = 0;
    if (!ParseMhzText(Cell(c_.frequency), rxHz)) {
      return Skip("frequency " + Quoted(Cell(c_.frequency)) + " is not a frequency");
    }
    if (rxHz >= kFrequencyCeilingHz) {
      return Skip("frequency " + std::string(Cell(c_.frequency)) + " MHz out of range");
    }
    input.frequencyText = MhzText(rxHz);
    const int band = ClassifyBand(image_.Plan(), Eleven(rxHz));

    if (!ReadMode(input) || !ReadTones(input)) return std::nullopt;
    ReadStep(input);
    std::int64_t txHz = 0;
    std::int64_t offsetHz = 0;
    if (!ReadShift(input, band, rxHz, txHz, offsetHz)) return std::nullopt;
    ReadSkip(input);
    input.name = NameBytesFromCell(Cell(c_.name), image_.Plan().DestinationLetter());
    const std::string shownName = NameToUtf8(input.name, image_.Plan().DestinationLetter());
    if (shownName != Cell(c_.name)) {
      Note("name " + Quoted(Cell(c_.name)) + " stored as " + Quoted(shownName));
    }

    const StoreOutcome out = ComposeMemoryRecord(image_, slot, input);
    if (out.error != EditError::None) return Skip("values cannot be stored");
    NoteFitting(out.record, input, rxHz, txHz, offsetHz);
    return ApplyPower(out.record);
  }

  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  std::string_view Cell(int column) const { return table_.Cell(*row_, column); }
  void Note(std::string text) { notes_.push_back(std::move(text)); }
  std::optional<std::string> Skip(const std::string& why) {
    Note(why + ", skipped");
    return std::nullopt;
  }

  bool ReadMode(ChannelInput& input) {
    const std::string_view cell = Cell(c_.mode);
    input.mode = cell.empty() ? 0 : ModeIndexOfName(cell);
    if (input.mode < 0) {
      Skip("mode " + Quoted(cell) + " not supported");
      return false;
    }
    return true;
  }

  void ReadStep(ChannelInput& input) {
    const std::string_view cell = Cell(c_.step);
    input.step = cell.empty() ? defaults_.step : StepIndexOfKhz(cell);
    if (input.step < 0) {
      input.step = defaults_.step;
      Note("step " + Quoted(cell) + " kHz not supported, " + StepKhzText(input.step) + " kHz used");
    }
  }

  // A tone list value: the default when the cell is empty or, for an unused value, when the
  // table lacks it; a used value the table lacks leaves the row out.
  bool ReadToneValue(int column, bool used, int fallback, int& index) {
    const std::string_view cell = Cell(column);
    index = cell.empty() ? fallback : ToneIndexOfValue(cell);
    if (index >= 0) return true;
    if (used) {
      Skip("tone " + PrintableUtf8(cell) + " Hz not supported");
      return false;
    }
    index = fallback;
    return true;
  }

  bool ReadTones(ChannelInput& input) {
    const std::string_view kind = Cell(c_.tone);
    input.tone = EqualNoCase(kind, "Tone");
    input.ctcss = EqualNoCase(kind, "TSQL");
    input.dcs = EqualNoCase(kind, "DTCS");
    if (!kind.empty() && !input.tone && !input.ctcss && !input.dcs) {
      Skip("tone mode " + Quoted(kind) + " not supported");
      return false;
    }
    if (!ReadToneValue(c_.rTone, input.tone, defaults_.toneIndex, input.toneIndex) ||
        !ReadToneValue(c_.cTone, input.ctcss, defaults_.ctcssIndex, input.ctcssIndex)) {
      return false;
    }
    const std::string_view code = Cell(c_.dcs);
    input.dcsIndex = code.empty() ? defaults_.dcsIndex : DcsIndexOfValue(code);
    if (input.dcsIndex < 0) {
      if (input.dcs) {
        Skip("DCS code " + Quoted(code) + " not supported");
        return false;
      }
      input.dcsIndex = defaults_.dcsIndex;
    }
    const std::string_view polarity = Cell(c_.polarity);
    if (input.dcs && !polarity.empty() && !EqualNoCase(polarity, "NN")) {
      Skip("DCS polarity " + Quoted(polarity) + " not supported");
      return false;
    }
    return true;
  }

  // An empty offset is no offset, as in the editor's field.
  bool ReadOffsetText(std::string_view cell, std::int64_t& hz, std::string& text) {
    hz = 0;
    if (!cell.empty() && !ParseMhzText(cell, hz)) {
      Skip("offset " + Quoted(cell) + " is not an offset");
      return false;
    }
    text = MhzText(hz);
    return true;
  }

  bool ReadShift(ChannelInput& input, int band, std::int64_t rxHz, std::int64_t& txHz,
                 std::int64_t& offsetHz) {
    const std::string_view duplex = Cell(c_.duplex);
    const CommentWords words = ReadCommentWords(Cell(c_.comment));
    input.reverse = words.reverse;
    const std::string_view offsetCell =
        c_.offset < 0 ? std::string_view(defaults_.offsetText) : Cell(c_.offset);
    input.txFrequencyText = input.frequencyText;
    txHz = rxHz;
    if (EqualNoCase(duplex, "split")) {
      input.shift = ShiftChoice::Split;
      if (!ParseMhzText(offsetCell, txHz)) {
        return static_cast<bool>(
            Skip("transmit frequency " + Quoted(offsetCell) + " is not a frequency"));
      }
      if (txHz >= kFrequencyCeilingHz) {
        return static_cast<bool>(
            Skip("transmit frequency " + std::string(offsetCell) + " MHz out of range"));
      }
      input.txFrequencyText = MhzText(txHz);
      return ReadOffsetText(words.offset.value_or(defaults_.offsetText), offsetHz,
                            input.offsetText);
    }
    if (duplex.empty()) {
      input.shift = ShiftChoice::Simplex;
    } else if (duplex == "+") {
      input.shift = ShiftChoice::Plus;
    } else if (duplex == "-") {
      input.shift = ShiftChoice::Minus;
      if (words.fixedShift) {
        if (FixedShiftHz(image_.Plan(), band) > 0) {
          input.shift = ShiftChoice::Special;
        } else {
          Note("no fixed split on this band, minus shift used");
        }
      }
    } else {
      return static_cast<bool>(Skip("duplex " + Quoted(duplex) + " not supported"));
    }
    const bool storedApart = input.shift == ShiftChoice::Special && words.offset;
    return ReadOffsetText(storedApart ? std::string_view(*words.offset) : offsetCell, offsetHz,
                          input.offsetText);
  }

  void ReadSkip(ChannelInput& input) {
    const std::string_view cell = Cell(c_.skip);
    input.lockout = EqualNoCase(cell, "S");
    if (!cell.empty() && !input.lockout) {
      Note("skip " + Quoted(cell) + " not supported, channel is scanned");
    }
  }

  void NoteFitting(const std::string& record, const ChannelInput& input, std::int64_t rxHz,
                   std::int64_t txHz, std::int64_t offsetHz) {
    std::int64_t storedRx = 0;
    if (ReadFrequencyHz(FieldOf(record, kFrequencyField), storedRx) && storedRx != rxHz) {
      Note(Shown(rxHz) + " MHz rounded to " + Shown(storedRx) + " MHz");
    }
    const int step = StepIndexOfField(FieldOf(record, kStepField));
    if (step != input.step) {
      Note("step " + StepKhzText(input.step) + " kHz changed to " + StepKhzText(step) + " kHz");
    }
    const int mode = ModeIndexOfField(FieldOf(record, kModeField));
    if (mode != input.mode) {
      Note("mode " + std::string(kModes[static_cast<std::size_t>(input.mode)]) + " changed to " +
           std::string(kModes[static_cast<std::size_t>(mode)]));
    }
    std::int64_t storedOffset = 0;
    if (ReadFrequencyHz(FieldOf(record, kOffsetField), storedOffset) && storedOffset != offsetHz) {
      Note("offset " + Shown(offsetHz) + " MHz rounded to " + Shown(storedOffset) + " MHz");
    }
    std::int64_t storedTx = 0;
    if (input.shift == ShiftChoice::Split &&
        ReadFrequencyHz(FieldOf(record, kTxFrequencyField), storedTx) && storedTx != txHz) {
      Note("transmit " + Shown(txHz) + " MHz rounded to " + Shown(storedTx) + " MHz");
    }
  }

  std::string ApplyPower(const std::string& record) {
    const std::string_view cell = Cell(c_.power);
    if (cell.empty()) return record;
    const std::optional<char> digit = PowerDigit(cell);
    if (!digit) {
      Note("power " + Quoted(cell) + " not supported, left empty");
      return record;
    }
    return WithPower(record, *digit);
  }

  const RadioImage& image_;
  const CsvTable& table_;
  const Columns& c_;
  const ChannelView& defaults_;
  const CsvRow* row_ = nullptr;
  std::vector<std::string> notes_;
};

std::string JoinNotes(int line, const std::vector<std::string>& notes) {
  std::string text = "row " + std::to_string(line) + ": ";
  for (std::size_t i = 0; i < notes.size(); ++i) {
    if (i > 0) text += "; ";
    text += notes[i];
  }
  return text;
}

}  // namespace

std::string CsvImportReport::Text() const {
  std::string text = std::to_string(imported) + (imported == 1 ? " row" : " rows") + " imported";
  if (skipped > 0) text += ", " + std::to_string(skipped) + " skipped";
  text += ".\n";
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

std::string CsvNotAChannelListMessage(std::string_view reason) {
  return "The file is not a channel list (CSV): " + std::string(reason) +
         ".\nPlease check and try again.";
}

bool ImportMemoryCsv(std::string_view text, RadioImage& image, CsvImportReport& report,
                     std::string& error) {
  report = CsvImportReport{};
  CsvTable table;
  if (!ReadCsvTable(text, {"Location", "Frequency"}, table, error)) return false;

  // What the memory editor shows for a slot without a record fills the columns a file lacks.
  RadioImage blank;
  blank.Plan() = image.Plan();
  const ChannelView defaults = LoadMemoryView(blank, 0);

  const Columns columns(table);
  RowImport rowImport(image, table, columns, defaults);
  std::array<int, kMemorySlots> writtenBy{};
  for (const CsvRow& row : table.rows) {
    int slot = -1;
    const std::optional<std::string> record = rowImport.Build(row, slot);
    std::vector<std::string> notes = rowImport.Notes();
    if (record) {
      if (writtenBy[static_cast<std::size_t>(slot)] != 0) {
        notes.push_back("replaces row " +
                        std::to_string(writtenBy[static_cast<std::size_t>(slot)]) +
                        " at location " + std::to_string(slot));
      }
      writtenBy[static_cast<std::size_t>(slot)] = row.line;
      image.Store(SlotKind::Memory, slot, *record);
      ++report.imported;
    } else {
      ++report.skipped;
    }
    if (!notes.empty()) report.rows.push_back(JoinNotes(row.line, notes));
  }
  return true;
}

}  // namespace quorvan
