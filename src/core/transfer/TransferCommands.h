#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages/Translatable.h"
#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// Step codes: the command now outstanding in a read or write exchange.
enum TransferStep : int {
  kStepIdentify = 0,       // "ID"
  kStepType = 1,           // "TYD"
  kStepBandList = 2,       // "FL n"
  kStepCallMain = 15,      // "CR n,0" / "CW 0,..."
  kStepCallSplit = 16,     // "CR n,1" / "CW 1,..."
  kStepVfo = 17,           // "VR n" / "VW ..."
  kStepProgramVfo = 18,    // "PV n"
  kStepPower = 19,         // "PC n"
  kStepNarrow = 20,        // "NAR n"
  kStepDtmfCode = 21,      // "DM dd"
  kStepDtmfName = 22,      // "DMN dd"
  kStepFirstMenu = 100,    // "BC"
  kStepLastMenu = 146,     // "BAT"
  kStepMemoryMode0 = 200,  // "VMC 0,0"
  kStepMemoryMode1 = 201,  // "VMC 1,0"
  kStepVox = 202,          // "VOX 0", always first
  kStepEmptySlot = 998,    // write: "MW 0,ch" for a slot without a record
  kStepCancelled = 999,
};

// The memory slots are exchanged in four groups of three steps (channel part, split part, name);
// the groups differ in their label form and slot range.
struct MemoryGroup {
  int firstStep;  // 3, 6, 9 or 12; the split and name steps follow
  int firstSlot;
  int lastSlot;
};

// The group a memory slot 0-431 belongs to (the last group for anything above).
const MemoryGroup& MemoryGroupOf(int slot);
// The group whose channel, split or name step this is, or nullptr for other steps.
const MemoryGroup* MemoryGroupOfStep(int step);

// One radio-menu exchange: its step code, its mnemonic and the menu item it carries.
struct MenuStep {
  int step;
  std::string_view mnemonic;
  int item;
};

// What a step exchanges, as the progress dialog names it: "Memory channels" in a read, "Writing:
// Memory channels" in a write; empty for the identification and the steps around it. Texts of
// the catalogue, which the window translates.
std::string StepActivity(int step);
std::string WriteStepActivity(int step);
// A write of changes, which sends items of every part in one go.
inline constexpr const char* kWritingActivity = QT_TRANSLATE_NOOP("Messages", "Writing");

// The menu step with this code, or nullptr.
const MenuStep* FindMenuStep(int step);
// The menu step after this one (100, 101, 102, 108-126, 137-146), or -1 after the last.
int NextMenuStep(int step);
// The menu step that carries a menu item, or nullptr for the power and narrow items.
const MenuStep* MenuStepOfItem(int item);

// The menu item carried by "NAR n": 35-38 for n 0-3, 39 for n 5; -1 otherwise.
int NarrowItem(int n);
// The band number after n in the "NAR" sequence 0, 1, 2, 3, 5; -1 after 5.
int NextNarrowBand(int n);
// The band number of a "NAR" menu item (the reverse of NarrowItem), or -1.
int NarrowBandOfItem(int item);

// How many leading non-CR characters of a reply to this read step are its echoed header.
std::size_t EchoLength(int step);

// The header a reply to a command must begin with: the text up to its first blank.
std::string_view CommandHeader(std::string_view command);

// The useful text of a reply event: CRs and NULs are skipped, the first echoLength remaining
// characters are dropped and at most `capacity` characters are kept; the rest is ignored.
std::string CollectReplyText(std::string_view waitingBytes, std::size_t echoLength,
                             std::size_t capacity);

// The line told after "The radio is invalid." when the radio's answer is not one the program
// takes: "The radio answered "ID ARVEN2"." with the reply as it came (CRs left out, escaped, cut).
std::string RadioAnsweredDetail(std::string_view waitingBytes);
// The line told when the radio is of another type than the document: "The radio reports type
// ME,0B (Europe); this document is for KK,0F (U.S.A./Canada)."
std::string TypeMismatchDetail(std::string_view radioType, std::string_view documentType);

// A DTMF code in the radio's digits: "*" becomes "E" and "#" becomes "F".
std::string DtmfCodeForRadio(std::string_view code);
// The reverse, for a code read from the radio.
std::string DtmfCodeFromRadio(std::string_view code);

// Length of the progress bar for a transfer of the scope: memory and menu steps.
int ProgressMaximumOf(TransferScope scope);

// The identification replies every write insists on, whole: "ID " and a known model; "TYD "
// and a type code whose first two characters are those of `documentType`.
bool IsIdentityReply(std::string_view reply);
bool IsTypeReplyFor(std::string_view reply, std::string_view documentType);
// The line after "The radio is invalid." for a refused "TYD" reply: the type the radio reports
// against the document's when the reply holds a type code, else what the radio answered.
std::string TypeRefusalDetail(std::string_view reply, std::string_view documentType,
                              std::string_view answered);

// The items a transfer of the scope carries: the records, the menu values, or both.
ItemSet ItemsOfScope(TransferScope scope);
// Whether a write sends anything for an item of the document: a CALL channel, VFO or program
// VFO without a frequency is passed over (the radio keeps its own), the comment never leaves
// the computer; everything else is always sent.
bool WriteSendsItem(const RadioImage& document, ItemRef item);
// Of `items`, those a write of the document sends.
ItemSet ItemsSentOf(const RadioImage& document, const ItemSet& items);
// What a write of changes sends: the items that differ between what the radio held (the
// baseline) and the document in the form the radio gives them back, as far as a write sends
// them.
ItemSet ChangesToWrite(const RadioImage& baseline, const RadioImage& document);
// The items of a set in the order both sequences exchange them: memory slots, CALL channels,
// VFOs, program VFOs, DTMF memories, the power values, the narrow values, the menu commands.
std::vector<ItemRef> ExchangeOrder(const ItemSet& items);

// The per-band power menu values are exchanged for bands 0 to this one.
constexpr int kLastPowerBand = 3;

// Capacities of the reply and record buffers, without terminator.
constexpr std::size_t kReplyTextCapacity = 249;
constexpr std::size_t kRecordBufferCapacity = 99;
constexpr std::size_t kWriteReplyTextCapacity = 19;

}  // namespace quorvan
