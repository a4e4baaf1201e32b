#include "core/transfer/TransferCommands.h"

#include <algorithm>
#include <array>

#include "core/messages/MessagePatterns.h"
#include "core/model/BandPlan.h"
#include "core/model/ChannelRecord.h"
#include "core/model/EscapedText.h"
#include "core/model/MenuSettings.h"
#include "core/model/ProgramVfoRecord.h"
#include "core/model/RadioForms.h"

namespace quorvan {

namespace {

constexpr std::array<MemoryGroup, 4> kMemoryGroups{{
    {3, 0, 399},
    {6, 400, 419},
    {9, 420, 421},
    {12, 422, 431},
}};

constexpr std::array<MenuStep, 32> kMenuSteps{{
    {100, "BC", kMenuBC},   {101, "BAL", kMenuBAL},   {102, "DL", kMenuDL},
    {108, "ATT", kMenuATT}, {109, "LK", kMenuLK},     {110, "LMP", kMenuLMP},
    {111, "MNF", kMenuMNF}, {112, "SV", kMenuSV},     {113, "APO", kMenuAPO},
    {114, "MES", kMenuMES}, {115, "CNT", kMenuCNT},   {116, "LAN", kMenuLAN},
    {117, "DLK", kMenuDLK}, {118, "TXH", kMenuTXH},   {119, "PT", kMenuPT},
    {120, "TSP", kMenuTSP}, {121, "VXG", kMenuVXG},   {122, "VXD", kMenuVXD},
    {123, "VXB", kMenuVXB}, {124, "TXS", kMenuTXS},   {125, "NSFT", kMenuNSFT},
    {126, "ANT", kMenuANT}, {137, "ARO", kMenuARO},   {138, "CKEY", kMenuCKEY},
    {139, "TH", kMenuTH},   {140, "ELK", kMenuELK},   {141, "BEP", kMenuBEP},
    {142, "SCR", kMenuSCR}, {143, "DATP", kMenuDATP}, {144, "MGL", kMenuMGL},
    {145, "MRM", kMenuMRM}, {146, "BAT", kMenuBAT},
}};

}  // namespace

const MemoryGroup& MemoryGroupOf(int slot) {
  for (const MemoryGroup& group : kMemoryGroups) {
    if (slot <= group.lastSlot) return group;
  }
  return kMemoryGroups.back();
}

const MemoryGroup* MemoryGroupOfStep(int step) {
  for (const MemoryGroup& group : kMemoryGroups) {
    if (step >= group.firstStep && step < group.firstStep + 3) return &group;
  }
  return nullptr;
}

const MenuStep* FindMenuStep(int step) {
  for (const MenuStep& entry : kMenuSteps) {
    if (entry.step == step) return &entry;
  }
  return nullptr;
}

int NextMenuStep(int step) {
  for (std::size_t i = 0; i + 1 < kMenuSteps.size(); ++i) {
    if (kMenuSteps[i].step == step) return kMenuSteps[i + 1].step;
  }
  return -1;
}

const MenuStep* MenuStepOfItem(int item) {
  for (const MenuStep& entry : kMenuSteps) {
    if (entry.item == item) return &entry;
  }
  return nullptr;
}
int NarrowItem(int n) {
  if (n >= 0 && n <= 3) return kMenuNAR0 + n;
  if (n == 5) return kMenuNAR5;
  return -1;
}

int NextNarrowBand(int n) {
  if (n >= 0 && n < 3) return n + 1;
  if (n == 3) return 5;
  return -1;
}

int NarrowBandOfItem(int item) {
  if (item >= kMenuNAR0 && item <= kMenuNAR3) return item - kMenuNAR0;
  if (item == kMenuNAR5) return 5;
  return -1;
}

std::size_t EchoLength(int step) {
  if (const MenuStep* menu = FindMenuStep(step)) return menu->mnemonic.size() + 1;
  switch (step) {
    case kStepIdentify:
      return 3;  // "ID "
    case kStepType:
      return 4;  // "TYD "
    case kStepBandList:
      return 3;  // "FL "
    case 3:
    case 6:
    case 9:
    case 12:  // "MR 0," then the label
      return 5;
    case 4:
    case 10:
    case 13:
      return 9;  // "MR 1,000,"
    case 7:
      return 8;  // "MR 1,L0,"
    case 5:
    case 11:
    case 14:
      return 8;  // "MNA 000,"
    case 8:
      return 7;  // "MNA L0,"
    case kStepCallMain:
    case kStepCallSplit:
      return 7;  // "CR 0,0,"
    case kStepVfo:
    case kStepProgramVfo:
    case kStepDtmfCode:
      return 3;
    case kStepDtmfName:
      return 7;  // "DMN 00,"
    case kStepPower:
      return 5;  // "PC 0,"
    case kStepNarrow:
      return 6;  // "NAR 0,"
    default:
      return 7;
  }
}

std::string_view CommandHeader(std::string_view command) {
  return command.substr(0, command.find(' '));
}

std::string CollectReplyText(std::string_view waitingBytes, std::size_t echoLength,
                             std::size_t capacity) {
  std::string text;
  std::size_t dropped = 0;
  for (const char ch : waitingBytes) {
    if (ch == '\r' || ch == '\0') continue;
    if (dropped < echoLength) {
      ++dropped;
      continue;
    }
    if (text.size() >= capacity) break;
    text.push_back(ch);
  }
  return text;
}

std::string RadioAnsweredDetail(std::string_view waitingBytes) {
  // One byte past the quoting limit is enough for the quote to show that it was cut.
  constexpr std::size_t kQuoted = 25;
  return FillIn(pattern::kRadioAnswered,
                {QuotedForMessage(CollectReplyText(waitingBytes, 0, kQuoted))});
}

std::string TypeMismatchDetail(std::string_view radioType, std::string_view documentType) {
  return FillIn(pattern::kTypeMismatch,
                {TypeWithMarket(radioType), TypeWithMarket(EscapeUnprintable(documentType))});
}

std::string DtmfCodeForRadio(std::string_view code) {
  std::string out(code);
  for (char& ch : out) {
    if (ch == '*')
      ch = 'E';
    else if (ch == '#')
      ch = 'F';
  }
  return out;
}

std::string DtmfCodeFromRadio(std::string_view code) {
  std::string out(code);
  for (char& ch : out) {
    if (ch == 'E')
      ch = '*';
    else if (ch == 'F')
      ch = '#';
  }
  return out;
}

namespace {

// A part of the radio the progress dialog names, as a read and as a write of everything name it.
struct PartNames {
  const char* reading;
  const char* writing;
};

constexpr PartNames kBandLists{QT_TRANSLATE_NOOP("Messages", "Band lists"),
                               QT_TRANSLATE_NOOP("Messages", "Writing: Band lists")};
constexpr PartNames kMemoryChannels{QT_TRANSLATE_NOOP("Messages", "Memory channels"),
                                    QT_TRANSLATE_NOOP("Messages", "Writing: Memory channels")};
constexpr PartNames kCallChannels{QT_TRANSLATE_NOOP("Messages", "CALL channels"),
                                  QT_TRANSLATE_NOOP("Messages", "Writing: CALL channels")};
constexpr PartNames kVfos{QT_TRANSLATE_NOOP("Messages", "VFOs"),
                          QT_TRANSLATE_NOOP("Messages", "Writing: VFOs")};
constexpr PartNames kProgramVfos{QT_TRANSLATE_NOOP("Messages", "Programmable VFOs"),
                                 QT_TRANSLATE_NOOP("Messages", "Writing: Programmable VFOs")};
constexpr PartNames kDtmfMemories{QT_TRANSLATE_NOOP("Messages", "DTMF memories"),
                                  QT_TRANSLATE_NOOP("Messages", "Writing: DTMF memories")};
constexpr PartNames kMenu{QT_TRANSLATE_NOOP("Messages", "Menu"),
                          QT_TRANSLATE_NOOP("Messages", "Writing: Menu")};

const PartNames* PartOfStep(int step) {
  if (step == kStepBandList) return &kBandLists;
  if (MemoryGroupOfStep(step) || step == kStepEmptySlot) return &kMemoryChannels;
  if (step == kStepCallMain || step == kStepCallSplit) return &kCallChannels;
  if (step == kStepVfo) return &kVfos;
  if (step == kStepProgramVfo) return &kProgramVfos;
  if (step == kStepDtmfCode || step == kStepDtmfName) return &kDtmfMemories;
  if (step == kStepPower || step == kStepNarrow ||
      (step >= kStepFirstMenu && step <= kStepLastMenu)) {
    return &kMenu;
  }
  return nullptr;
}

}  // namespace

std::string StepActivity(int step) {
  const PartNames* part = PartOfStep(step);
  return part ? part->reading : std::string();
}

std::string WriteStepActivity(int step) {
  const PartNames* part = PartOfStep(step);
  return part ? part->writing : std::string();
}

int ProgressMaximumOf(TransferScope scope) {
  constexpr int kMemoryProgress = 461;
  constexpr int kMenuProgress = 37;
  int maximum = 0;
  if (scope != TransferScope::Menu) maximum += kMemoryProgress;
  if (scope != TransferScope::Memory) maximum += kMenuProgress;
  return maximum;
}

bool IsIdentityReply(std::string_view reply) {
  return reply == std::string("ID ") + kModelArven || reply == std::string("ID ") + kModelBelto;
}

bool IsTypeReplyFor(std::string_view reply, std::string_view documentType) {
  constexpr std::string_view kHeader = "TYD ";
  if (reply.substr(0, kHeader.size()) != kHeader) return false;
  const std::string_view type = reply.substr(kHeader.size());
  return IsTypeCode(type) && documentType.size() >= 2 && type[0] == documentType[0] &&
         type[1] == documentType[1];
}

std::string TypeRefusalDetail(std::string_view reply, std::string_view documentType,
                              std::string_view answered) {
  constexpr std::string_view kHeader = "TYD ";
  const std::string_view type = reply.substr(std::min(kHeader.size(), reply.size()));
  if (reply.substr(0, kHeader.size()) == kHeader && IsTypeCode(type)) {
    return TypeMismatchDetail(type, documentType);
  }
  return std::string(answered);
}

ItemSet ItemsOfScope(TransferScope scope) {
  ItemSet items;
  if (scope != TransferScope::Menu) items.Add(ItemSet::Records());
  if (scope != TransferScope::Memory) items.Add(ItemSet::MenuValues());
  return items;
}

bool WriteSendsItem(const RadioImage& document, ItemRef item) {
  switch (item.kind) {
    case ItemKind::Call:
      return !ChannelRecord::Parse(
                  document.Record(SlotKind::Call, item.index))[ChannelField::Frequency]
                  .empty();
    case ItemKind::Vfo:
      return !ChannelRecord::Parse(
                  document.Record(SlotKind::Vfo, item.index))[ChannelField::Frequency]
                  .empty();
    case ItemKind::ProgramVfo:
      return !ProgramVfoRecord::Parse(document.Record(SlotKind::ProgramVfo, item.index))
                  .Lower()
                  .empty();
    case ItemKind::Comment:
      return false;
    default:
      return true;
  }
}

ItemSet ItemsSentOf(const RadioImage& document, const ItemSet& items) {
  ItemSet sent;
  for (const ItemRef item : items.Items()) {
    if (WriteSendsItem(document, item)) sent.Add(item);
  }
  return sent;
}

ItemSet ChangesToWrite(const RadioImage& baseline, const RadioImage& document) {
  ItemSet changed;
  // Compared in the form the radio gives back: a record that differs only in what a write does
  // not carry (the RF power, a field the read adds) would be written for nothing.
  const ImageChanges changes =
      ImageChanges::Between(AsRadioGivesBack(baseline), AsRadioGivesBack(document));
  for (const ItemChange& change : changes.Items()) {
    changed.Add(change.item);
  }
  return ItemsSentOf(document, changed);
}

std::vector<ItemRef> ExchangeOrder(const ItemSet& items) {
  std::vector<ItemRef> order;
  order.reserve(static_cast<std::size_t>(items.Count()));
  const auto add = [&](ItemKind kind, int index) {
    if (items.Contains({kind, index})) order.push_back({kind, index});
  };
  const std::pair<ItemKind, int> lists[] = {{ItemKind::Memory, kMemorySlots},
                                            {ItemKind::Call, kCallSlots},
                                            {ItemKind::Vfo, kVfoSlots},
                                            {ItemKind::ProgramVfo, kProgramVfoSlots},
                                            {ItemKind::Dtmf, kDtmfSlots}};
  for (const auto& [kind, count] : lists) {
    for (int index = 0; index < count; ++index) add(kind, index);
  }
  for (int band = 0; band <= kLastPowerBand; ++band) add(ItemKind::Menu, kMenuPC0 + band);
  for (int band = 0; band >= 0; band = NextNarrowBand(band)) add(ItemKind::Menu, NarrowItem(band));
  for (const MenuStep& entry : kMenuSteps) add(ItemKind::Menu, entry.item);
  return order;
}

}  // namespace quorvan
