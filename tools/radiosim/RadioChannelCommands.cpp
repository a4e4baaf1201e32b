// The channel commands of the virtual radio: memories, CALL channels, VFOs, program VFOs and
// DTMF memories. Each read reply is cut so that what the reader keeps after the echoed header,
// put together its way, is the record this radio holds.
#include <string>
#include <vector>

#include "RadioModel.h"
#include "RadioText.h"
#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"

namespace quorvan {

using namespace radiosim;

namespace {

constexpr std::string_view kUnknown = "?";
constexpr std::string_view kRefused = "N";

constexpr std::size_t kNameLength = 8;
constexpr std::size_t kDtmfCodeLength = 16;
// Fields 1-12 (Frequency to Mode) travel in CALL and VFO commands, fields 1-13 (to Lockout) in
// "MR 0" / "MW 0".
constexpr std::size_t kCallFieldCount = 12;
constexpr std::size_t kMemoryMainFieldCount = 13;

std::string CallFields(const ChannelRecord& record) {
  return record.Join(ChannelField::Frequency, ChannelField::Mode);
}
std::string MemoryMainFields(const ChannelRecord& record) {
  return record.Join(ChannelField::Frequency, ChannelField::Lockout);
}

// A memory, CALL or VFO record without a receive frequency is no channel.
bool HoldsChannel(const ChannelRecord& record) { return !record[ChannelField::Frequency].empty(); }

std::string MemoryRecord(int slot, std::string_view mainFields, std::string_view transmit,
                         std::string_view transmitStep, std::string_view power,
                         std::string_view name) {
  std::string record = MemoryChannelLabel(slot);
  record.append(",").append(mainFields);
  record.append(",").append(transmit).append(",").append(transmitStep);
  record.append(",").append(power).append(",").append(name);
  return record;
}

// The CALL record in the form the band-plan defaults give: fields 0-12, an empty field 13, the
// transmit frequency and step, the power and an empty last field.
std::string CallRecord(int slot, std::string_view mainFields, std::string_view transmit,
                       std::string_view transmitStep, std::string_view power) {
  std::string record(1, static_cast<char>('0' + slot));
  record.append(",").append(mainFields).append(",,").append(transmit);
  record.append(",").append(transmitStep).append(",").append(power).append(",");
  return record;
}

}  // namespace

// "MR 0,ch" -> "MR 0,ch,<fields 1-13>", or the header alone for an empty slot;
// "MR 1,ch" -> "MR 1,ch,<fields 14-15>", or the header alone without a transmit part.
std::string RadioModel::AnswerMemoryRead(const RadioCommand& command) {
  const std::vector<std::string_view> parts = SplitFields(command.argument);
  if (parts.size() != 2 || (parts[0] != "0" && parts[0] != "1")) return std::string(kUnknown);
  const int slot = MemorySlotOfLabel(parts[1]);
  if (slot < 0) return std::string(kUnknown);
  const ChannelRecord record = ChannelRecord::Parse(image_.Record(SlotKind::Memory, slot));
  std::string reply = "MR " + std::string(command.argument);
  if (!HoldsChannel(record)) return reply;
  if (parts[0] == "0") return reply + "," + MemoryMainFields(record);
  const std::string_view transmit = record[ChannelField::TxFrequency];
  const std::string_view transmitStep = record[ChannelField::TxStep];
  if (transmit.empty() && transmitStep.empty()) return reply;
  return reply.append(",").append(transmit).append(",").append(transmitStep);
}

// "MW 0,ch" empties a slot; "MW 0,ch,<fields 1-13>" writes the channel without a transmit part;
// "MW 1,ch,<field 14>,<field 15>" adds the transmit part to a channel.
std::string RadioModel::AnswerMemoryWrite(const RadioCommand& command) {
  const std::vector<std::string_view> parts = SplitFields(command.argument);
  if (parts.size() < 2) return std::string(kUnknown);
  const int slot = MemorySlotOfLabel(parts[1]);
  if (slot < 0) return std::string(kUnknown);
  const ChannelRecord old = ChannelRecord::Parse(image_.Record(SlotKind::Memory, slot));
  std::string record;
  if (parts[0] == "0" && parts.size() == 2) {
    record.clear();
  } else if (parts[0] == "0" && parts.size() == 2 + kMemoryMainFieldCount) {
    const bool keep = HoldsChannel(old);
    if (!parts[2].empty()) {
      record = MemoryRecord(slot, JoinParts(parts, 2), "", "", keep ? old[ChannelField::Power] : "",
                            keep ? old[ChannelField::Name] : "");
    }
  } else if (parts[0] == "1" && parts.size() == 4) {
    if (!HoldsChannel(old)) return std::string(kRefused);
    record = MemoryRecord(slot, MemoryMainFields(old), parts[2], parts[3], old[ChannelField::Power],
                          old[ChannelField::Name]);
  } else {
    return std::string(kUnknown);
  }
  if (record.size() > kChannelRecordCapacity) return std::string(kRefused);
  image_.Store(SlotKind::Memory, slot, record);
  return std::string(command.text);
}

// "MNA ch" -> "MNA ch,<name>"; "MNA ch,<name>" names a channel. Names travel in the radio's
// coding except for destination J.
std::string RadioModel::AnswerMemoryName(const RadioCommand& command) {
  const std::size_t comma = command.argument.find(',');
  const int slot = MemorySlotOfLabel(command.argument.substr(0, comma));
  if (slot < 0) return std::string(kUnknown);
  const ChannelRecord old = ChannelRecord::Parse(image_.Record(SlotKind::Memory, slot));
  if (comma == std::string_view::npos) {
    return "MNA " + std::string(command.argument) + "," + NameToRadio(old[ChannelField::Name]);
  }
  const std::string name = NameFromRadio(command.argument.substr(comma + 1));
  if (!HoldsChannel(old) || name.size() > kNameLength) return std::string(kRefused);
  const std::string record =
      MemoryRecord(slot, MemoryMainFields(old), old[ChannelField::TxFrequency],
                   old[ChannelField::TxStep], old[ChannelField::Power], name);
  if (record.size() > kChannelRecordCapacity) return std::string(kRefused);
  image_.Store(SlotKind::Memory, slot, record);
  return std::string(command.text);
}

// "CR n,0" -> "CR n,0,<fields 1-12>", or the header alone for an absent channel;
// "CR n,1" -> "CR n,1,<fields 14-16>" (transmit frequency, its step and the power).
std::string RadioModel::AnswerCallRead(const RadioCommand& command) {
  const std::vector<std::string_view> parts = SplitFields(command.argument);
  const int slot = parts.size() == 2 ? DecimalValue(parts[0], 1) : -1;
  if (slot < 0 || slot >= kCallSlots || (parts[1] != "0" && parts[1] != "1")) {
    return std::string(kUnknown);
  }
  const ChannelRecord record = ChannelRecord::Parse(image_.Record(SlotKind::Call, slot));
  const std::string reply = "CR " + std::string(command.argument);
  if (!HoldsChannel(record)) return reply;
  if (parts[1] == "0") return reply + "," + CallFields(record);
  return reply + "," + record.Join(ChannelField::TxFrequency, ChannelField::Power);
}

// "CW 0,<fields 1-12>" writes the CALL channel of the frequency's band (without a transmit
// part); "CW 1,<transmit frequency>,<step>" adds the transmit part to that channel.
std::string RadioModel::AnswerCallWrite(const RadioCommand& command) {
  const std::vector<std::string_view> parts = SplitFields(command.argument);
  if (parts[0] == "0" && parts.size() == 1 + kCallFieldCount) {
    const int slot = BandOfFrequency(image_.Plan(), parts[1]);
    if (parts[1].empty() || slot >= kCallSlots) return std::string(kRefused);
    const std::string record = CallRecord(slot, JoinParts(parts, 1), "", "", "");
    if (record.size() > kChannelRecordCapacity) return std::string(kRefused);
    image_.Store(SlotKind::Call, slot, record);
    lastCallSlot_ = slot;
    return std::string(command.text);
  }
  if (parts[0] == "1" && parts.size() == 3) {
    const int slot = lastCallSlot_ >= 0 ? lastCallSlot_ : BandOfFrequency(image_.Plan(), parts[1]);
    if (slot >= kCallSlots) return std::string(kRefused);
    const ChannelRecord old = ChannelRecord::Parse(image_.Record(SlotKind::Call, slot));
    if (!HoldsChannel(old)) return std::string(kRefused);
    const std::string record =
        CallRecord(slot, CallFields(old), parts[1], parts[2], old[ChannelField::Power]);
    if (record.size() > kChannelRecordCapacity) return std::string(kRefused);
    image_.Store(SlotKind::Call, slot, record);
    return std::string(command.text);
  }
  return std::string(kUnknown);
}

// "VR n" (one hexadecimal digit) -> "VR n,<fields 1-12>", or "VR " alone for an absent band.
std::string RadioModel::AnswerVfoRead(const RadioCommand& command) {
  const int slot = HexDigitValue(command.argument);
  if (slot < 0 || slot >= kVfoSlots) return std::string(kUnknown);
  const ChannelRecord record = ChannelRecord::Parse(image_.Record(SlotKind::Vfo, slot));
  if (!HoldsChannel(record)) return "VR ";
  return "VR " + std::string(command.argument) + "," + CallFields(record);
}

// "VW n,<fields 1-12>" writes VFO n.
std::string RadioModel::AnswerVfoWrite(const RadioCommand& command) {
  const std::vector<std::string_view> parts = SplitFields(command.argument);
  const int slot = HexDigitValue(parts[0]);
  if (slot < 0 || slot >= kVfoSlots || parts.size() != 1 + kCallFieldCount) {
    return std::string(kUnknown);
  }
  std::string record;
  if (!parts[1].empty()) record = std::string(command.argument) + ",,,,,";
  if (record.size() > kChannelRecordCapacity) return std::string(kRefused);
  image_.Store(SlotKind::Vfo, slot, record);
  return std::string(command.text);
}

// "PV n" -> "PV n,lower,upper", or "PV " alone without a range; "PV n,lower,upper" writes.
std::string RadioModel::AnswerProgramVfo(const RadioCommand& command) {
  const std::vector<std::string_view> parts = SplitFields(command.argument);
  const int slot = DecimalValue(parts[0], 1);
  if (slot < 0 || slot >= kProgramVfoSlots) return std::string(kUnknown);
  const std::string& record = image_.Record(SlotKind::ProgramVfo, slot);
  if (parts.size() == 1) {
    if (record.empty()) return "PV ";
    // Everything after the band, as it was written.
    const std::size_t comma = record.find(',');
    return "PV " + std::string(parts[0]) + "," +
           (comma == std::string::npos ? std::string() : record.substr(comma + 1));
  }
  if (parts.size() != 3) return std::string(kUnknown);
  if (command.argument.size() > kProgramVfoCapacity) return std::string(kRefused);
  image_.Store(SlotKind::ProgramVfo, slot, command.argument);
  return std::string(command.text);
}

// "DM dd" -> "DM dd,<code>" with "*" and "#" sent as "E" and "F"; "DM dd,<code>" writes.
std::string RadioModel::AnswerDtmfCode(const RadioCommand& command) {
  const std::size_t comma = command.argument.find(',');
  const int slot = DecimalValue(command.argument.substr(0, comma), 2);
  if (slot < 0 || slot >= kDtmfSlots) return std::string(kUnknown);
  const DtmfRecord record = DtmfRecord::Parse(image_.Record(SlotKind::Dtmf, slot));
  if (comma == std::string_view::npos) {
    return "DM " + std::string(command.argument) + "," + DtmfCodeToRadio(record.Code());
  }
  const std::string_view code = command.argument.substr(comma + 1);
  if (code.find(',') != std::string_view::npos) return std::string(kUnknown);
  if (code.size() > kDtmfCodeLength) return std::string(kRefused);
  StoreDtmf(slot, DtmfCodeFromRadio(code), record.Name());
  return std::string(command.text);
}

// "DMN dd" -> "DMN dd,<name>"; "DMN dd,<name>" names the DTMF memory.
std::string RadioModel::AnswerDtmfName(const RadioCommand& command) {
  const std::size_t comma = command.argument.find(',');
  const int slot = DecimalValue(command.argument.substr(0, comma), 2);
  if (slot < 0 || slot >= kDtmfSlots) return std::string(kUnknown);
  const DtmfRecord record = DtmfRecord::Parse(image_.Record(SlotKind::Dtmf, slot));
  if (comma == std::string_view::npos) {
    return "DMN " + std::string(command.argument) + "," + NameToRadio(record.Name());
  }
  const std::string name = NameFromRadio(command.argument.substr(comma + 1));
  if (name.size() > kNameLength) return std::string(kRefused);
  StoreDtmf(slot, record.Code(), name);
  return std::string(command.text);
}

void RadioModel::StoreDtmf(int slot, std::string_view code, std::string_view name) {
  std::string record;
  if (!code.empty() || !name.empty()) {
    record = TwoDigits(slot);
    record.append(",").append(code).append(",").append(name);
  }
  image_.Store(SlotKind::Dtmf, slot, record);
}

}  // namespace quorvan
