#include "core/rules/CsvImport.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <optional>

#include "core/model/ChannelRecord.h"
#include "core/model/ChannelTables.h"
#include "core/model/NameCodec.h"
#include "core/rules/CsvChannelColumns.h"
#include "core/rules/CsvNames.h"
#include "core/rules/CsvTable.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

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
  for (std::size_t i = 0; i < kPowers.size(); ++i) {
    if (EqualNoCase(cell, kPowers[i])) return static_cast<char>('0' + i);
  }
  return std::nullopt;
}

// The steps in the order a row's frequency tries them when its own step does not hold it:
// the smallest first, except that a frequency on the 12.5 kHz raster is a 12.5 kHz channel
// rather than a 6.25 kHz one.
constexpr std::array<int, 12> kStepPreference{0, 2, 3, 4, 5, 1, 6, 7, 8, 9, 10, 11};

// Strips the sign a list may give the size of a repeater offset ("-0.600000").
std::string_view OffsetSize(std::string_view cell) {
  if (!cell.empty() && cell.front() == '-') cell.remove_prefix(1);
  return cell;
}

// One row's way into a record: the notes it collects and, unless it is left out, the record.
class RowImport {
 public:
  RowImport(const RadioImage& image, const CsvTable& table, const Columns& columns,
            const ChannelRecord& defaults)
      : image_(image),
        table_(table),
        c_(columns),
        defaults_(defaults),
        defaultOffset_(FormatOffsetText(defaults[ChannelField::Offset])) {}

  // The record for the row, or nothing when the row is left out. `slot` is where the row goes,
  // or -1 for the slot its Location names; it is set to the slot the record is made for.
  std::optional<std::string> Build(const CsvRow& row, int& slot) {
    notes_.clear();
    readingNotes_ = 0;
    row_ = &row;
    NoteExtraFields();
    if (slot < 0) {
      const std::optional<int> location = LocationOf(Cell(c_.location));
      if (!location) return Skip("location " + Quoted(Cell(c_.location)) + " is not a number");
      if (*location >= kMemorySlots) {
        return Skip("location " + std::to_string(*location) + " outside 0-431");
      }
      slot = *location;
    }

    EditorEntry input;
    std::int64_t rxHz = 0;
    const std::string_view frequency = Cell(c_.frequency);
    if (!ParseMhzText(frequency, rxHz)) {
      return Skip("frequency " + Quoted(frequency) + " is not a frequency");
    }
    if (!IsInMemoryRange(rxHz)) {
      return Skip("frequency " + std::string(frequency) + " MHz is outside 0.1-1300 MHz");
    }
    const int band = ClassifyBand(image_.Plan(), Eleven(rxHz));
    if (IsInDestinationGap(image_.Plan(), band, rxHz)) {
      return Skip("frequency " + Shown(rxHz) + " MHz is in a range the radio cannot tune");
    }
    input.typed.rx = MhzText(rxHz);

    if (!ReadMode(input) || !ReadTones(input)) return std::nullopt;
    std::int64_t txHz = 0;
    std::int64_t offsetHz = 0;
    if (!ReadShift(input, band, rxHz, txHz, offsetHz)) return std::nullopt;
    const int fileStep = ReadStep(input, band, rxHz, txHz);
    ReadSkip(input);
    const std::string name = NameBytesFromCell(Cell(c_.name), image_.Plan().DestinationLetter());
    input.choices.Set(ChannelField::Name, name);
    const std::string shownName = NameToUtf8(name, image_.Plan().DestinationLetter());
    if (shownName != Cell(c_.name)) {
      Note("name " + Quoted(Cell(c_.name)) + " stored as " + Quoted(shownName));
    }

    const StoreOutcome out = ComposeMemoryRecord(image_, slot, input);
    if (out.error != EditError::None) return Skip("values cannot be stored");
    ChannelRecord record = ChannelRecord::Parse(out.record);
    if (!FittedFrequenciesHold(record, rxHz, txHz, input.shift == ShiftChoice::Split)) {
      return std::nullopt;
    }
    NoteStep(record, fileStep);
    NoteFitting(record, input, rxHz, txHz, offsetHz);
    ApplyPower(record);
    return record.Text();
  }

  std::vector<CsvRowNote> TakeNotes() { return std::move(notes_); }

 private:
  std::string_view Cell(int column) const { return table_.Cell(*row_, column); }
  void Note(std::string text) { notes_.push_back({std::move(text), false}); }
  void NoteForFile(std::string text) { notes_.push_back({std::move(text), true}); }
  // A row left out is named with the reason only: what would have been adjusted in it was not
  // stored. How the row was read stays, as it may explain the reason.
  std::optional<std::string> Skip(const std::string& why) {
    notes_.resize(readingNotes_);
    Note(why + ", skipped");
    return std::nullopt;
  }

  // An unquoted separator in a cell gives the row more fields than the header has columns.
  void NoteExtraFields() {
    const std::size_t fields = row_->fields.size();
    const std::size_t columns = table_.header.size();
    if (fields <= columns) return;
    Note(std::to_string(fields) + " fields for " + std::to_string(columns) +
         " columns, read by the header's columns");
    readingNotes_ = notes_.size();
  }

  bool ReadMode(EditorEntry& input) {
    const std::string_view cell = Cell(c_.mode);
    if (EqualNoCase(cell, "NFM")) {
      // Narrow FM is a menu setting of the band on this radio, not a mode of the channel.
      input.choices.SetModeIndex(0);
      NoteForFile("narrow FM stored as FM");
      return true;
    }
    const int mode = cell.empty() ? 0 : ModeIndexOfName(cell);
    if (mode < 0) {
      Skip("mode " + Quoted(cell) + " not supported");
      return false;
    }
    input.choices.SetModeIndex(mode);
    return true;
  }

  // True when the store rules keep the row's frequencies exactly on this step.
  bool StepHolds(int step, int mode, int band, std::int64_t rxHz,
                 std::optional<std::int64_t> txHz) const {
    std::string rx = Eleven(rxHz);
    int fittedMode = mode;
    int fittedStep = step;
    FitFrequency(image_, rx, band, ChannelKind::Memory, fittedMode, fittedStep);
    if (fittedStep != step || rx != Eleven(rxHz)) return false;
    if (!txHz) return true;
    std::string tx = Eleven(*txHz);
    FitTxFrequency(image_, tx, band, ChannelKind::Memory, fittedMode, step);
    return tx == Eleven(*txHz);
  }

  // The step the record gets: the file's (or the editor's default) when it holds the
  // frequencies, else the first of kStepPreference that holds them, else the one that holds
  // the receive frequency; only when none does is the file's step left for the fit to move.
  // Returns the file's step index, -1 when the file gives none it names correctly.
  int ReadStep(EditorEntry& input, int band, std::int64_t rxHz, std::int64_t txHz) {
    const std::string_view cell = Cell(c_.step);
    const int fileStep = cell.empty() ? -1 : StepIndexOfKhz(cell);
    const int wanted = fileStep >= 0 ? fileStep : defaults_.StepIndex();
    const std::optional<std::int64_t> tx =
        input.shift == ShiftChoice::Split ? std::optional<std::int64_t>(txHz) : std::nullopt;
    const int mode = input.choices.ModeIndex();
    input.choices.SetStepIndex(wanted);
    for (const std::optional<std::int64_t>& held : {tx, std::optional<std::int64_t>()}) {
      if (StepHolds(wanted, mode, band, rxHz, held)) return fileStep;
      for (const int step : kStepPreference) {
        if (StepHolds(step, mode, band, rxHz, held)) {
          input.choices.SetStepIndex(step);
          return fileStep;
        }
      }
      if (!tx) break;
    }
    return fileStep;
  }

  // A frequency no step holds is moved down onto the grid, which may take it below its band
  // or into a blocked range; such a row cannot be stored as the file means it.
  bool FittedFrequenciesHold(const ChannelRecord& record, std::int64_t rxHz, std::int64_t txHz,
                             bool split) {
    const std::string_view rxField = record[ChannelField::Frequency];
    std::int64_t storedRx = 0;
    const int band = ClassifyBand(image_.Plan(), rxField);
    if (!ReadFrequencyHz(rxField, storedRx) || !IsInMemoryRange(storedRx) ||
        IsInDestinationGap(image_.Plan(), band, storedRx)) {
      Skip(Shown(rxHz) + " MHz would be rounded to " + Shown(storedRx) +
           " MHz, which the radio cannot hold");
      return false;
    }
    std::int64_t storedTx = 0;
    if (split && (!ReadFrequencyHz(record[ChannelField::TxFrequency], storedTx) ||
                  !IsInsideTxLimits(image_, storedTx, band, ChannelKind::Memory) ||
                  IsInDestinationGap(image_.Plan(), band, storedTx))) {
      Skip("transmit " + Shown(txHz) + " MHz would be rounded to " + Shown(storedTx) +
           " MHz, which the radio cannot hold");
      return false;
    }
    return true;
  }

  void NoteStep(const ChannelRecord& record, int fileStep) {
    const std::string_view cell = Cell(c_.step);
    const int stored = record.StepIndex();
    if (!cell.empty() && fileStep < 0) {
      Note("step " + Quoted(cell) + " kHz not supported, " + StepKhzText(stored) + " kHz used");
    } else if (fileStep >= 0 && stored != fileStep) {
      Note("step " + StepKhzText(fileStep) + " kHz changed to " + StepKhzText(stored) + " kHz");
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
    Note("unused tone " + PrintableUtf8(cell) + " Hz not supported, " +
         std::string(ToneValueText(fallback)) + " Hz stored");
    return true;
  }

  bool ReadTones(EditorEntry& input) {
    const std::string_view kind = Cell(c_.tone);
    const bool tone = EqualNoCase(kind, "Tone");
    const bool ctcss = EqualNoCase(kind, "TSQL");
    const bool dcs = EqualNoCase(kind, "DTCS");
    if (!kind.empty() && !tone && !ctcss && !dcs) {
      Skip("tone mode " + Quoted(kind) + " not supported");
      return false;
    }
    input.choices.SetFlag(ChannelField::Tone, tone);
    input.choices.SetFlag(ChannelField::Ctcss, ctcss);
    input.choices.SetFlag(ChannelField::Dcs, dcs);
    int toneIndex = 0;
    int ctcssIndex = 0;
    if (!ReadToneValue(c_.rTone, tone, defaults_.ToneIndex(), toneIndex) ||
        !ReadToneValue(c_.cTone, ctcss, defaults_.CtcssIndex(), ctcssIndex)) {
      return false;
    }
    input.choices.SetToneIndex(toneIndex);
    input.choices.SetCtcssIndex(ctcssIndex);
    const std::string_view code = Cell(c_.dcs);
    int dcsIndex = code.empty() ? defaults_.DcsIndex() : DcsIndexOfValue(code);
    if (dcsIndex < 0) {
      if (dcs) {
        Skip("DCS code " + Quoted(code) + " not supported");
        return false;
      }
      dcsIndex = defaults_.DcsIndex();
      Note("unused DCS code " + Quoted(code) + " not supported, " +
           std::string(kDcsCodes[static_cast<std::size_t>(dcsIndex)]) + " stored");
    }
    input.choices.SetDcsIndex(dcsIndex);
    const std::string_view polarity = Cell(c_.polarity);
    if (dcs && !polarity.empty() && !EqualNoCase(polarity, "NN")) {
      Skip("DCS polarity " + Quoted(polarity) + " not supported");
      return false;
    }
    return true;
  }

  // An empty offset is no offset, as in the editor's field; a signed one is taken by its size,
  // as the duplex column gives the direction.
  bool ReadOffsetText(std::string_view cell, std::int64_t& hz, std::string& text) {
    hz = 0;
    if (!cell.empty() && !ParseMhzText(OffsetSize(cell), hz)) {
      Skip("offset " + Quoted(cell) + " is not an offset");
      return false;
    }
    text = MhzText(hz);
    return true;
  }

  // The transmit frequency of a split row must lie where the radio can hold it: inside the
  // band of the receive frequency and outside the destination's blocked ranges.
  bool ReadSplit(EditorEntry& input, int band, std::string_view cell, std::int64_t& txHz) {
    input.shift = ShiftChoice::Split;
    if (!ParseMhzText(cell, txHz)) {
      Skip("transmit frequency " + Quoted(cell) + " is not a frequency");
      return false;
    }
    if (!IsInMemoryRange(txHz) || !IsInsideTxLimits(image_, txHz, band, ChannelKind::Memory)) {
      Skip("transmit " + Shown(txHz) + " MHz is outside the receive band");
      return false;
    }
    if (IsInDestinationGap(image_.Plan(), band, txHz)) {
      Skip("transmit " + Shown(txHz) + " MHz is in a range the radio cannot tune");
      return false;
    }
    input.typed.tx = MhzText(txHz);
    return true;
  }

  bool ReadShift(EditorEntry& input, int band, std::int64_t rxHz, std::int64_t& txHz,
                 std::int64_t& offsetHz) {
    const std::string_view duplex = Cell(c_.duplex);
    const CommentWords words = ReadCommentWords(Cell(c_.comment));
    input.choices.SetFlag(ChannelField::Reverse, words.reverse);
    const std::string_view offsetCell =
        c_.offset < 0 ? std::string_view(defaultOffset_) : Cell(c_.offset);
    input.typed.tx = input.typed.rx;
    txHz = rxHz;
    if (EqualNoCase(duplex, "split")) {
      return ReadSplit(input, band, offsetCell, txHz) &&
             ReadOffsetText(words.offset.value_or(defaultOffset_), offsetHz, input.typed.offset);
    }
    if (duplex.empty()) {
      input.shift = ShiftChoice::Simplex;
    } else if (EqualNoCase(duplex, "off")) {
      input.shift = ShiftChoice::Simplex;
      NoteForFile("duplex \"off\" stored as simplex (no transmit inhibit per channel)");
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
                          input.typed.offset);
  }

  void ReadSkip(EditorEntry& input) {
    const std::string_view cell = Cell(c_.skip);
    const bool lockout = EqualNoCase(cell, "S");
    input.choices.SetFlag(ChannelField::Lockout, lockout);
    if (!cell.empty() && !lockout) {
      Note("skip " + Quoted(cell) + " not supported, channel is scanned");
    }
  }

  void NoteFitting(const ChannelRecord& record, const EditorEntry& input, std::int64_t rxHz,
                   std::int64_t txHz, std::int64_t offsetHz) {
    std::int64_t storedRx = 0;
    if (ReadFrequencyHz(record[ChannelField::Frequency], storedRx) && storedRx != rxHz) {
      Note(Shown(rxHz) + " MHz rounded to " + Shown(storedRx) + " MHz");
    }
    const int mode = record.ModeIndex();
    if (mode != input.choices.ModeIndex()) {
      Note("mode " + std::string(kModes[static_cast<std::size_t>(input.choices.ModeIndex())]) +
           " changed to " + std::string(kModes[static_cast<std::size_t>(mode)]));
    }
    std::int64_t storedOffset = 0;
    if (ReadFrequencyHz(record[ChannelField::Offset], storedOffset) && storedOffset != offsetHz) {
      Note("offset " + Shown(offsetHz) + " MHz rounded to " + Shown(storedOffset) + " MHz");
    }
    std::int64_t storedTx = 0;
    if (input.shift == ShiftChoice::Split &&
        ReadFrequencyHz(record[ChannelField::TxFrequency], storedTx) && storedTx != txHz) {
      Note("transmit " + Shown(txHz) + " MHz rounded to " + Shown(storedTx) + " MHz");
    }
  }

  // The editor leaves the power empty; a power the radio knows is put in.
  void ApplyPower(ChannelRecord& record) {
    const std::string_view cell = Cell(c_.power);
    if (cell.empty()) return;
    const std::optional<char> digit = PowerDigit(cell);
    if (!digit) {
      NoteForFile("power " + Quoted(cell) + " not supported, left empty");
      return;
    }
    record.Set(ChannelField::Power, std::string(1, *digit));
  }

  const RadioImage& image_;
  const CsvTable& table_;
  const Columns& c_;
  const ChannelRecord& defaults_;
  std::string defaultOffset_;
  const CsvRow* row_ = nullptr;
  std::vector<CsvRowNote> notes_;
  std::size_t readingNotes_ = 0;  // notes on how the row was read, kept when it is left out
};

}  // namespace

std::string CsvNotAChannelListMessage(std::string_view reason) {
  return "The file is not a channel list (CSV): " + std::string(reason) +
         ".\nPlease check and try again.";
}

bool ImportMemoryCsv(std::string_view text, const CsvPlacement& placement, RadioImage& image,
                     CsvImportReport& report, std::string* error) {
  report = CsvImportReport{};
  CsvTable table;
  const std::vector<std::string_view> required =
      placement.inFileOrder ? std::vector<std::string_view>{"Frequency"}
                            : std::vector<std::string_view>{"Location", "Frequency"};
  if (!ReadCsvTable(text, required, table, error)) return false;

  // What the memory editor shows for a slot without a record fills the columns a file lacks.
  RadioImage blank;
  blank.Plan() = image.Plan();
  const ChannelRecord defaults = LoadMemoryChannel(blank, 0).record;

  const Columns columns(table);
  RowImport rowImport(image, table, columns, defaults);
  std::array<int, kMemorySlots> writtenBy{};
  int nextSlot = placement.firstSlot;
  for (const CsvRow& row : table.rows) {
    if (placement.inFileOrder && (nextSlot < 0 || nextSlot >= kOrdinaryMemorySlots)) {
      ++report.skipped;
      report.Add(
          row.line,
          {{"no channel left after " + std::to_string(kOrdinaryMemorySlots - 1) + ", skipped",
            false}},
          table.Cell(row, columns.location));
      continue;
    }
    int slot = placement.inFileOrder ? nextSlot : -1;
    const std::optional<std::string> record = rowImport.Build(row, slot);
    std::vector<CsvRowNote> notes = rowImport.TakeNotes();
    if (record) {
      int& previous = writtenBy[static_cast<std::size_t>(slot)];
      if (previous != 0) {
        notes.push_back(
            {"replaces line " + std::to_string(previous) + " at location " + std::to_string(slot),
             false});
      }
      previous = row.line;
      image.Store(SlotKind::Memory, slot, *record);
      ++report.imported;
      ++nextSlot;
    } else {
      ++report.skipped;
    }
    report.Add(row.line, std::move(notes), table.Cell(row, columns.location));
  }
  return true;
}

}  // namespace quorvan
