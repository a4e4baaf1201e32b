#include "core/transfer/TransferCommands.h"

#include <array>

#include "core/model/BandPlan.h"
#include "core/model/EscapedText.h"
#include "core/model/MenuSettings.h"

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
  return "The radio answered " + QuotedForMessage(CollectReplyText(waitingBytes, 0, kQuoted)) + ".";
}

std::string TypeMismatchDetail(std::string_view radioType, std::string_view documentType) {
  return "The radio reports type " + TypeWithMarket(radioType) + "; this document is for " +
         TypeWithMarket(EscapeUnprintable(documentType)) + ".";
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

int ProgressMaximumOf(TransferScope scope) {
  constexpr int kMemoryProgress = 461;
  constexpr int kMenuProgress = 37;
  int maximum = 0;
  if (scope != TransferScope::Menu) maximum += kMemoryProgress;
  if (scope != TransferScope::Memory) maximum += kMenuProgress;
  return maximum;
}

}  // namespace quorvan
