#include "core/rules/DocumentComparison.h"

#include <algorithm>
#include <array>

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
std::string OnOff(bool on) { return on ? "on" : "off"; }

std::string FrequencyShown(std::string_view field) {
  return field.empty() ? "none" : Raw(FrequencyText(field));
}

const std::array<FieldShown, kChannelFieldCount> kChannelFields{{
    {F::Id, "label", [](const ChannelRecord& r, char) { return Raw(r[F::Id]); }},
    {F::Frequency, "frequency",
     [](const ChannelRecord& r, char) { return FrequencyShown(r[F::Frequency]); }},
    {F::Step, "step",
     [](const ChannelRecord& r, char) {
       return std::string(kSteps[static_cast<std::size_t>(r.StepIndex())].caption);
     }},
    {F::Shift, "shift", [](const ChannelRecord& r, char) { return Raw(r[F::Shift]); }},
    {F::Reverse, "reverse", [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Reverse)); }},
    {F::Tone, "tone", [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Tone)); }},
    {F::Ctcss, "CTCSS", [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Ctcss)); }},
    {F::Dcs, "DCS", [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Dcs)); }},
    {F::ToneIndex, "tone frequency",
     [](const ChannelRecord& r, char) {
       return std::string(kTones[static_cast<std::size_t>(r.ToneIndex())]);
     }},
    {F::CtcssIndex, "CTCSS frequency",
     [](const ChannelRecord& r, char) {
       return std::string(kTones[static_cast<std::size_t>(r.CtcssIndex())]);
     }},
    {F::DcsIndex, "DCS code",
     [](const ChannelRecord& r, char) {
       return std::string(kDcsCodes[static_cast<std::size_t>(r.DcsIndex())]);
     }},
    {F::Offset, "offset",
     [](const ChannelRecord& r, char) { return Raw(OffsetText(r[F::Offset])); }},
    {F::Mode, "mode",
     [](const ChannelRecord& r, char) {
       return std::string(kModes[static_cast<std::size_t>(r.ModeIndex())]);
     }},
    {F::Lockout, "lock out",
     [](const ChannelRecord& r, char) { return OnOff(r.IsOn(F::Lockout)); }},
    {F::TxFrequency, "transmit frequency",
     [](const ChannelRecord& r, char) { return FrequencyShown(r[F::TxFrequency]); }},
    {F::TxStep, "transmit step", [](const ChannelRecord& r, char) { return Raw(r[F::TxStep]); }},
    {F::Power, "power", [](const ChannelRecord& r, char) { return Raw(r[F::Power]); }},
    {F::Name, "name",
     [](const ChannelRecord& r, char d) { return Raw(NameToUtf8(r[F::Name], d)); }},
}};

std::string ItemName(const BandPlan& plan, ItemRef item) {
  switch (item.kind) {
    case ItemKind::Memory:
      return "memory " + MemoryChannelLabel(item.index);
    case ItemKind::Vfo:
      return "VFO " + std::string(VfoBandName(plan, item.index));
    case ItemKind::Call:
      return "CALL " + std::string(CallBandName(plan, item.index));
    case ItemKind::Dtmf:
      return "DTMF " + std::to_string(item.index);
    case ItemKind::ProgramVfo:
      return "program VFO " + std::string(CallBandName(plan, item.index));
    case ItemKind::Menu:
      return "menu " + std::string(MenuMnemonic(item.index));
    case ItemKind::Comment:
      return "comment";
  }
  return {};
}

// What an item holds in a few words, for an item that is empty on the other side.
std::string Summary(ItemKind kind, const std::string& text, char destination) {
  if (text.empty()) return "empty";
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
  const auto orNone = [](std::string text) { return text.empty() ? std::string("none") : text; };
  const auto add = [&](const char* field, std::string first, std::string second) {
    out.push_back(
        {item.item, item.itemName, field, orNone(std::move(first)), orNone(std::move(second))});
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
    if (first.Number() != second.Number()) add("number", Raw(first.Number()), Raw(second.Number()));
    if (first.Code() != second.Code()) add("code", Raw(first.Code()), Raw(second.Code()));
    if (first.Name() != second.Name()) {
      add("name", Raw(NameToUtf8(first.Name(), destination)),
          Raw(NameToUtf8(second.Name(), destination)));
    }
  } else if (item.item.kind == ItemKind::ProgramVfo) {
    const ProgramVfoRecord first = ProgramVfoRecord::Parse(a);
    const ProgramVfoRecord second = ProgramVfoRecord::Parse(b);
    if (first.Band() != second.Band()) add("band", Raw(first.Band()), Raw(second.Band()));
    if (first.Lower() != second.Lower()) {
      add("lower", Raw(WholeNumberText(first.Lower())), Raw(WholeNumberText(second.Lower())));
    }
    if (first.Upper() != second.Upper()) {
      add("upper", Raw(WholeNumberText(first.Upper())), Raw(WholeNumberText(second.Upper())));
    }
  } else {
    add("value", Raw(a), Raw(b));
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
    item.itemName = ItemName(first.Plan(), change.item);
    const bool slotItem =
        change.item.kind != ItemKind::Menu && change.item.kind != ItemKind::Comment;
    if (slotItem && (change.before.empty() || change.after.empty())) {
      item.fieldName = "channel";
      if (change.item.kind == ItemKind::Dtmf) item.fieldName = "code";
      if (change.item.kind == ItemKind::ProgramVfo) item.fieldName = "range";
      item.first = Summary(change.item.kind, change.before, destination);
      item.second = Summary(change.item.kind, change.after, destination);
      out.push_back(std::move(item));
      continue;
    }
    const std::size_t before = out.size();
    CompareFields(item, change.before, change.after, destination, out);
    // Texts that differ only in commas past the last field still differ.
    if (out.size() == before) {
      out.push_back({item.item, item.itemName, "record", Raw(change.before), Raw(change.after)});
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
                               const std::string& secondSide) {
  return d.itemName + ": " + d.fieldName + " " + d.first + " " + firstSide + ", " + d.second + " " +
         secondSide;
}

std::string DescribeDifferences(const std::vector<FieldDifference>& differences,
                                const std::string& firstSide, const std::string& secondSide) {
  std::string lines;
  for (const FieldDifference& d : differences) {
    lines += DescribeDifference(d, firstSide, secondSide);
    lines += '\n';
  }
  return lines;
}

}  // namespace quorvan
