#include "core/rules/DocumentComparison.h"

#include <algorithm>
#include <array>

#include "core/messages/MessagePatterns.h"
#include "core/model/ChannelTables.h"
#include "core/model/EscapedText.h"
#include "core/model/NameCodec.h"
#include "core/model/RadioForms.h"
#include "core/rules/DisplayTexts.h"

namespace quorvan {

namespace {

using F = ChannelField;

// How one channel field is named and shown.
struct FieldShown {
  F field;
  const char* name;
  std::string (*text)(const ChannelRecord& record, char destination);
};

std::string Raw(std::string_view text) { return EscapeControls(text); }
// The report's own words for a value, which a reader's language may replace.
constexpr const char* kOnWord = QT_TRANSLATE_NOOP("Messages", "on");
constexpr const char* kOffWord = QT_TRANSLATE_NOOP("Messages", "off");
constexpr const char* kNoneWord = QT_TRANSLATE_NOOP("Messages", "none");
constexpr const char* kEmptyWord = QT_TRANSLATE_NOOP("Messages", "empty");
// One line of a report: the item, the field, and the value on each side.
constexpr const char* kDifferenceLine = QT_TRANSLATE_NOOP("Messages", "%1: %2 %3 %4, %5 %6");

std::string OnOff(bool on) { return on ? kOnWord : kOffWord; }

std::string FrequencyShown(std::string_view field) {
  return field.empty() ? kNoneWord : Raw(FrequencyText(field));
}

const std::array<FieldShown, kChannelFieldCount> kChannelFields{{
    {F::Id, QT_TRANSLATE_NOOP("Messages", "label"),
     [](const ChannelRecord& r, char) { return Raw(r[F::Id]); }},
    {F::Frequency, QT_TRANSLATE_NOOP("Messages", "frequency"),
     [](const ChannelRecord& r, char) { return FrequencyShown(r[F::Frequency]); }},
    {F::Step, QT_TRANSLATE_NOOP("Messages", "step"),
     [](const ChannelRecord& r, char) {
       return std::string(kSteps[static_cast<std::size_t>(r.StepIndex())].caption);
     }},
    {F::Shift, QT_TRANSLATE_NOOP("Messages", "shift"),
     [](const ChannelRecord& r, char) { return Raw(r[F::Shift]); }},
    {F::Reverse, QT_TRANSLATE_NOOP("Messages", "reverse"),
     [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Reverse)); }},
    {F::Tone, QT_TRANSLATE_NOOP("Messages", "tone"),
     [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Tone)); }},
    {F::Ctcss, QT_TRANSLATE_NOOP("Messages", "CTCSS"),
     [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Ctcss)); }},
    {F::Dcs, QT_TRANSLATE_NOOP("Messages", "DCS"),
     [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Dcs)); }},
    {F::ToneIndex, QT_TRANSLATE_NOOP("Messages", "tone frequency"),
     [](const ChannelRecord& r, char) {
       return std::string(kTones[static_cast<std::size_t>(r.ToneIndex())]);
     }},
    {F::CtcssIndex, QT_TRANSLATE_NOOP("Messages", "CTCSS frequency"),
     [](const ChannelRecord& r, char) {
       return std::string(kTones[static_cast<std::size_t>(r.CtcssIndex())]);
     }},
    {F::DcsIndex, QT_TRANSLATE_NOOP("Messages", "DCS code"),
     [](const ChannelRecord& r, char) {
       return std::string(kDcsCodes[static_cast<std::size_t>(r.DcsIndex())]);
     }},
    {F::Offset, QT_TRANSLATE_NOOP("Messages", "offset"),
     [](const ChannelRecord& r, char) { return Raw(OffsetText(r[F::Offset])); }},
    {F::Mode, QT_TRANSLATE_NOOP("Messages", "mode"),
     [](const ChannelRecord& r, char) {
       return std::string(kModes[static_cast<std::size_t>(r.ModeIndex())]);
     }},
    {F::Lockout, QT_TRANSLATE_NOOP("Messages", "lock out"),
     [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Lockout)); }},
    {F::TxFrequency, QT_TRANSLATE_NOOP("Messages", "transmit frequency"),
     [](const ChannelRecord& r, char) { return FrequencyShown(r[F::TxFrequency]); }},
    {F::TxStep, QT_TRANSLATE_NOOP("Messages", "transmit step"),
     [](const ChannelRecord& r, char) { return Raw(r[F::TxStep]); }},
    {F::Power, QT_TRANSLATE_NOOP("Messages", "power"),
     [](const ChannelRecord& r, char) { return Raw(r[F::Power]); }},
    {F::Name, QT_TRANSLATE_NOOP("Messages", "name"),
     [](const ChannelRecord& r, char d) { return Raw(NameToUtf8(r[F::Name], d)); }},
}};

// What tells an item from the others of its kind: "012", "B_AM", "144MHz", "3", "BAT".
std::string ItemLabel(const BandPlan& plan, ItemRef item) {
  switch (item.kind) {
    case ItemKind::Memory:
      return MemoryChannelLabel(item.index);
    case ItemKind::Vfo:
      return std::string(VfoBandName(plan, item.index));
    case ItemKind::Call:
    case ItemKind::ProgramVfo:
      return std::string(CallBandName(plan, item.index));
    case ItemKind::Dtmf:
      return std::to_string(item.index);
    case ItemKind::Menu:
      return std::string(MenuMnemonic(item.index));
    case ItemKind::Comment:
      break;
  }
  return {};
}

const char* ItemNamePattern(ItemKind kind) {
  switch (kind) {
    case ItemKind::Memory:
      return QT_TRANSLATE_NOOP("Messages", "memory %1");
    case ItemKind::Vfo:
      return QT_TRANSLATE_NOOP("Messages", "VFO %1");
    case ItemKind::Call:
      return QT_TRANSLATE_NOOP("Messages", "CALL %1");
    case ItemKind::Dtmf:
      return QT_TRANSLATE_NOOP("Messages", "DTMF %1");
    case ItemKind::ProgramVfo:
      return QT_TRANSLATE_NOOP("Messages", "program VFO %1");
    case ItemKind::Menu:
      return QT_TRANSLATE_NOOP("Messages", "menu %1");
    case ItemKind::Comment:
      break;
  }
  return QT_TRANSLATE_NOOP("Messages", "comment");
}

std::string ItemName(ItemRef item, const std::string& label, const CatalogueLookup& lookup) {
  return FillIn(LookUp(lookup, ItemNamePattern(item.kind)), {label});
}

// What an item holds in a few words, for an item that is empty on the other side.
std::string Summary(ItemKind kind, const std::string& text, char destination) {
  if (text.empty()) return kEmptyWord;
  if (kind == ItemKind::Dtmf) return Raw(DtmfRecord::Parse(text).Code());
  if (kind == ItemKind::ProgramVfo) {
    const ProgramVfoRecord range = ProgramVfoRecord::Parse(text);
    return Raw(WholeNumberText(range.Lower())) + "-" + Raw(WholeNumberText(range.Upper()));
  }
  const ChannelRecord record = ChannelRecord::Parse(text);
  std::string summary = FrequencyShown(record[F::Frequency]);
  const std::string name = Raw(NameToUtf8(record[F::Name], destination));
  if (!name.empty()) summary += " " + name;
  return summary;
}

bool IsChannel(ItemKind kind) {
  return kind == ItemKind::Memory || kind == ItemKind::Vfo || kind == ItemKind::Call;
}

void CompareFields(const FieldDifference& item, const std::string& a, const std::string& b,
                   char destination, std::vector<FieldDifference>& out) {
  // An empty field is shown as "none", so that a line never reads as if a word were missing.
  const auto orNone = [](std::string text) { return text.empty() ? std::string(kNoneWord) : text; };
  const auto add = [&](const char* field, std::string first, std::string second) {
    out.push_back({item.item, item.itemName, field, orNone(std::move(first)),
                   orNone(std::move(second)), item.itemLabel});
  };
  if (IsChannel(item.item.kind)) {
    const ChannelRecord first = ChannelRecord::Parse(a);
    const ChannelRecord second = ChannelRecord::Parse(b);
    for (const FieldShown& shown : kChannelFields) {
      if (first[shown.field] == second[shown.field]) continue;
      std::string x = shown.text(first, destination);
      std::string y = shown.text(second, destination);
      // Two texts that read alike (a damaged step against step "0") still differ.
      if (x == y) {
        x = Raw(first[shown.field]);
        y = Raw(second[shown.field]);
      }
      add(shown.name, std::move(x), std::move(y));
    }
  } else if (item.item.kind == ItemKind::Dtmf) {
    const DtmfRecord first = DtmfRecord::Parse(a);
    const DtmfRecord second = DtmfRecord::Parse(b);
    if (first.Number() != second.Number())
      add(QT_TRANSLATE_NOOP("Messages", "number"), Raw(first.Number()), Raw(second.Number()));
    if (first.Code() != second.Code())
      add(QT_TRANSLATE_NOOP("Messages", "code"), Raw(first.Code()), Raw(second.Code()));
    if (first.Name() != second.Name()) {
      add(QT_TRANSLATE_NOOP("Messages", "name"), Raw(NameToUtf8(first.Name(), destination)),
          Raw(NameToUtf8(second.Name(), destination)));
    }
  } else if (item.item.kind == ItemKind::ProgramVfo) {
    const ProgramVfoRecord first = ProgramVfoRecord::Parse(a);
    const ProgramVfoRecord second = ProgramVfoRecord::Parse(b);
    if (first.Band() != second.Band())
      add(QT_TRANSLATE_NOOP("Messages", "band"), Raw(first.Band()), Raw(second.Band()));
    if (first.Lower() != second.Lower()) {
      add(QT_TRANSLATE_NOOP("Messages", "lower"), Raw(WholeNumberText(first.Lower())),
          Raw(WholeNumberText(second.Lower())));
    }
    if (first.Upper() != second.Upper()) {
      add(QT_TRANSLATE_NOOP("Messages", "upper"), Raw(WholeNumberText(first.Upper())),
          Raw(WholeNumberText(second.Upper())));
    }
  } else {
    add(QT_TRANSLATE_NOOP("Messages", "value"), Raw(a), Raw(b));
  }
}

}  // namespace

std::vector<FieldDifference> CompareDocuments(const RadioImage& first, const RadioImage& second) {
  std::vector<FieldDifference> out;
  const char destination = first.Plan().DestinationLetter();
  const ImageChanges changes = ImageChanges::Between(first, second);
  for (const ItemChange& change : changes.Items()) {
    FieldDifference item;
    item.item = change.item;
    item.itemLabel = ItemLabel(first.Plan(), change.item);
    item.itemName = ItemName(change.item, item.itemLabel, nullptr);
    const bool slotItem =
        change.item.kind != ItemKind::Menu && change.item.kind != ItemKind::Comment;
    if (slotItem && (change.before.empty() || change.after.empty())) {
      item.fieldName = QT_TRANSLATE_NOOP("Messages", "channel");
      if (change.item.kind == ItemKind::Dtmf)
        item.fieldName = QT_TRANSLATE_NOOP("Messages", "code");
      if (change.item.kind == ItemKind::ProgramVfo) {
        item.fieldName = QT_TRANSLATE_NOOP("Messages", "range");
      }
      item.first = Summary(change.item.kind, change.before, destination);
      item.second = Summary(change.item.kind, change.after, destination);
      out.push_back(std::move(item));
      continue;
    }
    const std::size_t before = out.size();
    CompareFields(item, change.before, change.after, destination, out);
    // Texts that differ only in commas past the last field still differ.
    if (out.size() == before) {
      out.push_back({item.item, item.itemName, QT_TRANSLATE_NOOP("Messages", "record"),
                     Raw(change.before), Raw(change.after), item.itemLabel});
    }
  }
  return out;
}

std::vector<FieldDifference> CompareRadioItems(const RadioImage& expected, const RadioImage& radio,
                                               const ItemSet& items) {
  std::vector<FieldDifference> differences =
      CompareDocuments(AsRadioGivesBack(expected), AsRadioGivesBack(radio));
  differences.erase(std::remove_if(differences.begin(), differences.end(),
                                   [&items](const FieldDifference& d) {
                                     return !items.Contains(d.item) ||
                                            d.item.kind == ItemKind::Comment;
                                   }),
                    differences.end());
  return differences;
}

std::string DescribeDifference(const FieldDifference& d, const std::string& firstSide,
                               const std::string& secondSide, const CatalogueLookup& lookup) {
  const auto value = [&](const std::string& shown) {
    for (const char* word : {kOnWord, kOffWord, kNoneWord, kEmptyWord}) {
      if (shown == word) return LookUp(lookup, word);
    }
    return shown;
  };
  // In English the item keeps the name the comparison gave it.
  const std::string item = lookup ? ItemName(d.item, d.itemLabel, lookup) : d.itemName;
  return FillIn(LookUp(lookup, kDifferenceLine),
                {item, LookUp(lookup, d.fieldName.c_str()), value(d.first), firstSide,
                 value(d.second), secondSide});
}

std::string DescribeDifferences(const std::vector<FieldDifference>& differences,
                                const std::string& firstSide, const std::string& secondSide,
                                const CatalogueLookup& lookup) {
  std::string lines;
  for (const FieldDifference& d : differences) {
    lines += DescribeDifference(d, firstSide, secondSide, lookup);
    lines += '\n';
  }
  return lines;
}

}  // namespace quorvan
