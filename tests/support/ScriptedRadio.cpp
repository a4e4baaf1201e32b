#include "support/ScriptedRadio.h"

#include <cstdio>

#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"
#include "core/model/MenuSettings.h"
#include "core/model/RadioNameCoding.h"
#include "core/transfer/TransferCommands.h"
#include "support/SlotFields.h"

namespace quorvan::testing {

namespace {

constexpr auto npos = std::string_view::npos;

// Fields first..last of a record, joined by commas.
std::string Fields(std::string_view record, ChannelField first, ChannelField last) {
  return ChannelRecord::Parse(record).Join(first, last);
}

std::string_view ArgumentsOf(std::string_view command) {
  const std::size_t blank = command.find(' ');
  return blank == npos ? std::string_view{} : command.substr(blank + 1);
}

// A one- or two-digit decimal number, or -1.
int SmallNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 2) return -1;
  int value = 0;
  for (const char ch : digits) {
    if (ch < '0' || ch > '9') return -1;
    value = value * 10 + (ch - '0');
  }
  return value;
}

std::string TwoDigits(int value) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", value);
  return buf;
}

}  // namespace

std::string ScriptedRadio::ToRadio(std::string_view name) const {
  return image_.Plan().DestinationLetter() == 'J' ? std::string(name) : EncodeRadioName(name);
}

std::string ScriptedRadio::FromRadio(std::string_view name) const {
  return image_.Plan().DestinationLetter() == 'J' ? std::string(name) : DecodeRadioName(name);
}

std::string ScriptedRadio::Answer(std::string_view command) {
  for (const std::string& prefix : refused_) {
    if (command.substr(0, prefix.size()) == prefix) return "N";
  }
  for (const std::string& prefix : dropped_) {
    if (command.substr(0, prefix.size()) == prefix) return std::string(CommandHeader(command));
  }
  const std::string_view head = CommandHeader(command);
  if (head == "MR" || head == "MW" || head == "MNA") return AnswerMemory(command);
  if (head == "CR" || head == "CW") return AnswerCall(command);
  if (head == "VR" || head == "VW" || head == "PV") return AnswerList(command);
  if (head == "DM" || head == "DMN") return AnswerDtmf(command);
  if (head == "VOX" || head == "VMC") return std::string(command);
  if (command == "ID") return idReply_.value_or("ID " + image_.Plan().model);
  if (command == "TYD") return typeReply_.value_or("TYD " + image_.Plan().type);
  if (command == "FL 0" || command == "FL 1") {
    const bool aBand = command == "FL 0";
    std::string reply = aBand ? "FL 0" : "FL 1";
    for (int entry = aBand ? 0 : 4; entry < (aBand ? 4 : kBandLimitCount); ++entry) {
      const std::string& limit = image_.Plan().limits[static_cast<std::size_t>(entry)];
      if (!limit.empty()) reply += "," + limit;
    }
    return reply;
  }
  return AnswerMenu(command);
}

std::string ScriptedRadio::AnswerMemory(std::string_view command) {
  const std::string_view head = CommandHeader(command);
  const std::string_view args = ArgumentsOf(command);
  if (head == "MNA") {
    const std::size_t comma = args.find(',');
    const std::string label(args.substr(0, comma));
    const int slot = MemorySlotOfLabel(label);
    if (slot < 0) return "N";
    if (comma == npos) {
      return "MNA " + label + "," +
             ToRadio(SlotField(image_, SlotKind::Memory, slot, ChannelField::Name));
    }
    const std::string record = image_.Record(SlotKind::Memory, slot);
    if (!record.empty()) {
      image_.Store(SlotKind::Memory, slot,
                   Fields(record, ChannelField::Id, ChannelField::Power) + "," +
                       FromRadio(args.substr(comma + 1)));
    }
    return "MNA";
  }
  if (args.size() < 3 || args[1] != ',') return "N";
  const char part = args[0];
  const std::string_view rest = args.substr(2);
  const std::size_t comma = rest.find(',');
  const std::string label(rest.substr(0, comma));
  const int slot = MemorySlotOfLabel(label);
  if (slot < 0) return "N";
  const std::string record = image_.Record(SlotKind::Memory, slot);
  if (head == "MR") {
    if (part == '0')
      return record.empty() ? "MR 0," + label
                            : "MR 0," + Fields(record, ChannelField::Id, ChannelField::Lockout);
    const bool split = ChannelRecord::Parse(record).IsSplit();
    return "MR 1," + label + "," +
           (split ? Fields(record, ChannelField::TxFrequency, ChannelField::TxStep) : "");
  }
  const std::string data(comma == npos ? std::string_view{} : rest.substr(comma + 1));
  if (part == '0') {
    image_.Store(SlotKind::Memory, slot, comma == npos ? "" : label + "," + data + ",,,,");
  } else if (!record.empty()) {
    image_.Store(SlotKind::Memory, slot,
                 Fields(record, ChannelField::Id, ChannelField::Lockout) + "," + data + ",," +
                     std::string(ChannelRecord::Parse(record)[ChannelField::Name]));
  }
  return "MW";
}

std::string ScriptedRadio::AnswerCall(std::string_view command) {
  const std::string_view args = ArgumentsOf(command);
  if (CommandHeader(command) == "CR") {
    if (args.size() != 3 || args[1] != ',') return "N";
    const int n = SmallNumber(args.substr(0, 1));
    const std::string& record = image_.Record(SlotKind::Call, n);
    if (args[2] == '0')
      return record.empty() ? std::string(command)
                            : "CR " + std::string(args) + "," +
                                  Fields(record, ChannelField::Frequency, ChannelField::Mode);
    const bool split = ChannelRecord::Parse(record).IsSplit();
    return "CR " + std::string(args) + "," +
           (split ? Fields(record, ChannelField::TxFrequency, ChannelField::TxStep) : "");
  }
  // "CW 0,f1,...,f12" carries no channel number: the radio takes the band of the frequency.
  if (command.substr(0, 5) == "CW 0,") {
    const int band =
        BandOfFrequency(image_.Plan(), ChannelRecord::Parse(args)[ChannelField::Frequency]);
    lastCall_ = band < kCallSlots ? band : 0;
    image_.Store(SlotKind::Call, lastCall_,
                 std::to_string(lastCall_) + std::string(args.substr(1)) + ",,,,");
  } else if (command.substr(0, 5) == "CW 1,") {
    const std::string record = image_.Record(SlotKind::Call, lastCall_);
    image_.Store(SlotKind::Call, lastCall_,
                 Fields(record, ChannelField::Id, ChannelField::Mode) + ",," +
                     std::string(args.substr(2)) + ",");
  }
  return "CW";
}

std::string ScriptedRadio::AnswerList(std::string_view command) {
  const std::string_view head = CommandHeader(command);
  const std::string_view args = ArgumentsOf(command);
  const SlotKind kind = head == "PV" ? SlotKind::ProgramVfo : SlotKind::Vfo;
  const std::string_view hexDigits = "0123456789ABCDEF";
  const std::size_t digit = args.empty() ? npos : hexDigits.find(args[0]);
  const int slot = digit == npos ? -1 : static_cast<int>(digit);
  if (slot < 0 || slot >= SlotCount(kind)) return "N";
  if (args.size() == 1) {
    const std::string& record = image_.Record(kind, slot);
    if (record.empty()) return std::string(head);
    return std::string(head) + " " +
           (kind == SlotKind::Vfo ? Fields(record, ChannelField::Id, ChannelField::Mode) : record);
  }
  image_.Store(kind, slot, std::string(args) + (kind == SlotKind::Vfo ? ",,,,," : ""));
  return std::string(head);
}

std::string ScriptedRadio::AnswerDtmf(std::string_view command) {
  const std::string_view head = CommandHeader(command);
  const std::string_view args = ArgumentsOf(command);
  const std::size_t comma = args.find(',');
  const int slot = SmallNumber(args.substr(0, comma));
  if (slot < 0 || slot >= kDtmfSlots) return "N";
  const std::string record = image_.Record(SlotKind::Dtmf, slot);
  const std::string number = TwoDigits(slot);
  if (comma == npos) {
    if (head == "DM")
      return "DM " + number + "," + DtmfCodeForRadio(DtmfRecord::Parse(record).Code());
    return "DMN " + number + "," + ToRadio(DtmfRecord::Parse(record).Name());
  }
  const std::string_view value = args.substr(comma + 1);
  if (head == "DM") {
    image_.Store(SlotKind::Dtmf, slot,
                 value.empty() ? "" : number + "," + DtmfCodeFromRadio(value) + ",");
  } else if (!record.empty()) {
    const DtmfRecord old = DtmfRecord::Parse(record);
    image_.Store(
        SlotKind::Dtmf, slot,
        std::string(old.Number()) + "," + std::string(old.Code()) + "," + FromRadio(value));
  }
  return std::string(head);
}

std::string ScriptedRadio::AnswerMenu(std::string_view command) {
  for (int item = 0; item < kMenuItemCount; ++item) {
    const std::string_view mnemonic = MenuMnemonic(item);
    // "PC 0" and "NAR 0" take their value after a comma, the others after a blank.
    const char separator = mnemonic.find(' ') == npos ? ' ' : ',';
    const bool isName = item == kMenuMES;
    if (command == mnemonic) {
      const std::string& value = image_.Menu().Get(item);
      return std::string(mnemonic) + separator + (isName ? ToRadio(value) : value);
    }
    if (command.size() > mnemonic.size() && command.substr(0, mnemonic.size()) == mnemonic &&
        command[mnemonic.size()] == separator) {
      const std::string_view value = command.substr(mnemonic.size() + 1);
      image_.Menu().Set(item, isName ? FromRadio(value) : std::string(value));
      return std::string(CommandHeader(command));
    }
  }
  return "N";
}

RunResult RunExchange(TransferSequence& sequence, const Responder& respond) {
  RunResult result;
  SequenceAction action = sequence.Start();
  // Far above the longest exchange, so a sequence that never ends fails instead of hanging.
  constexpr std::size_t kLimit = 5000;
  while (action.kind == SequenceAction::Kind::Send && result.commands.size() < kLimit) {
    result.commands.push_back(action.command);
    action = sequence.OnReply(respond(action.command) + "\r");
  }
  result.end = action.kind;
  result.message = action.message;
  return result;
}

RunResult RunExchange(TransferSequence& sequence, ScriptedRadio& radio) {
  return RunExchange(sequence,
                     [&radio](std::string_view command) { return radio.Answer(command); });
}

const std::vector<std::string>& MenuCommandOrder() {
  static const std::vector<std::string> kOrder = {
      "BC",  "BAL",  "DL",  "ATT", "LK",  "LMP", "MNF",  "SV",  "APO", "MES",  "CNT",
      "LAN", "DLK",  "TXH", "PT",  "TSP", "VXG", "VXD",  "VXB", "TXS", "NSFT", "ANT",
      "ARO", "CKEY", "TH",  "ELK", "BEP", "SCR", "DATP", "MGL", "MRM", "BAT"};
  return kOrder;
}

}  // namespace quorvan::testing
