#include "RadioModel.h"

#include <utility>

#include "RadioText.h"
#include "core/model/MenuSettings.h"
#include "core/model/RadioNameCoding.h"

namespace quorvan {

using namespace radiosim;

namespace {

constexpr std::string_view kUnknown = "?";
constexpr std::string_view kRefused = "N";

// The menu item a plain mnemonic ("BC", "MES", ...) carries, or -1. "PC n" and "NAR n" carry
// a band number and are answered separately.
int PlainMenuItem(std::string_view mnemonic) {
  for (int item = 0; item < kMenuItemCount; ++item) {
    const std::string_view known = MenuMnemonic(item);
    if (known.find(' ') == std::string_view::npos && known == mnemonic) return item;
  }
  return -1;
}

bool StartsWithAny(std::string_view text, const std::vector<std::string>& prefixes) {
  for (const std::string& prefix : prefixes) {
    if (!prefix.empty() && text.substr(0, prefix.size()) == prefix) return true;
  }
  return false;
}

RadioCommand TakeApart(std::string_view text) {
  RadioCommand command;
  command.text = text;
  const std::size_t blank = text.find(' ');
  command.mnemonic = text.substr(0, blank);
  if (blank != std::string_view::npos) {
    command.argument = text.substr(blank + 1);
    command.hasArgument = true;
  }
  return command;
}

}  // namespace

const RadioModel::HandlerEntry RadioModel::kHandlers[] = {
    {"ID", &RadioModel::AnswerIdentity},    {"TYD", &RadioModel::AnswerType},
    {"VOX", &RadioModel::AnswerEcho},       {"VMC", &RadioModel::AnswerEcho},
    {"FL", &RadioModel::AnswerBandList},    {"MR", &RadioModel::AnswerMemoryRead},
    {"MW", &RadioModel::AnswerMemoryWrite}, {"MNA", &RadioModel::AnswerMemoryName},
    {"CR", &RadioModel::AnswerCallRead},    {"CW", &RadioModel::AnswerCallWrite},
    {"VR", &RadioModel::AnswerVfoRead},     {"VW", &RadioModel::AnswerVfoWrite},
    {"PV", &RadioModel::AnswerProgramVfo},  {"DM", &RadioModel::AnswerDtmfCode},
    {"DMN", &RadioModel::AnswerDtmfName},   {"PC", &RadioModel::AnswerPower},
    {"NAR", &RadioModel::AnswerNarrow},
};

RadioModel::RadioModel(RadioImage image) : image_(std::move(image)) {}

void RadioModel::SetFaults(RadioFaults faults) {
  faults.identifier = WithoutControlBytes(faults.identifier).substr(0, kMaxFaultTextLength);
  faults.typeCode = WithoutControlBytes(faults.typeCode).substr(0, kMaxFaultTextLength);
  faults_ = std::move(faults);
}

std::string RadioModel::Answer(std::string_view text) {
  if (text.empty() || text.size() > kMaxCommandLength || !IsFreeOfControlBytes(text)) {
    return std::string(kUnknown);
  }
  if (StartsWithAny(text, faults_.rejectPrefixes)) return std::string(kRefused);
  if (StartsWithAny(text, faults_.dropPrefixes)) return std::string(text);
  // A record may hold any byte it was given; a CR or Xoff in a reply would break the line.
  return WithoutControlBytes(Dispatch(TakeApart(text)));
}

std::string RadioModel::Dispatch(const RadioCommand& command) {
  for (const HandlerEntry& entry : kHandlers) {
    if (entry.mnemonic == command.mnemonic) return (this->*entry.handler)(command);
  }
  const int item = PlainMenuItem(command.mnemonic);
  if (item >= 0) return AnswerMenu(command, item);
  return std::string(kUnknown);
}

std::string RadioModel::AnswerIdentity(const RadioCommand& command) {
  if (command.hasArgument) return std::string(kUnknown);
  const std::string& id = faults_.identifier.empty() ? image_.Plan().model : faults_.identifier;
  return "ID " + id;
}

std::string RadioModel::AnswerType(const RadioCommand& command) {
  if (command.hasArgument) return std::string(kUnknown);
  const std::string& type = faults_.typeCode.empty() ? image_.Plan().type : faults_.typeCode;
  return "TYD " + type;
}

std::string RadioModel::AnswerEcho(const RadioCommand& command) {
  if (command.argument.empty()) return std::string(kUnknown);
  return std::string(command.text);
}

// "FL 0" lists the A-band limit pairs (entries 0-3), "FL 1" the B-band pairs (4-14), each
// present entry as "lower,upper"; absent bands are left out.
std::string RadioModel::AnswerBandList(const RadioCommand& command) {
  const int selector = DecimalValue(command.argument, 1);
  if (selector != 0 && selector != 1) return std::string(kUnknown);
  std::string reply = "FL " + std::string(command.argument);
  const int first = selector == 0 ? 0 : 4;
  const int last = selector == 0 ? 3 : kBandLimitCount - 1;
  for (int entry = first; entry <= last; ++entry) {
    const std::string& limit = image_.Plan().limits[static_cast<std::size_t>(entry)];
    if (!limit.empty()) reply += "," + limit;
  }
  return reply;
}

std::string RadioModel::AnswerPower(const RadioCommand& command) {
  const std::string_view band = command.argument.substr(0, command.argument.find(','));
  const int n = DecimalValue(band, 1);
  if (n < 0 || n > 3) return std::string(kUnknown);
  return AnswerBandedMenu(command, kMenuPC0 + n, band);
}

std::string RadioModel::AnswerNarrow(const RadioCommand& command) {
  const std::string_view band = command.argument.substr(0, command.argument.find(','));
  const int n = DecimalValue(band, 1);
  if (n < 0 || n > 5) return std::string(kUnknown);
  if (n == 4) return std::string(kRefused);  // no narrow setting for that band
  return AnswerBandedMenu(command, n == 5 ? kMenuNAR5 : kMenuNAR0 + n, band);
}

// "PC n" / "NAR n" read as "PC n,value"; "PC n,value" writes.
std::string RadioModel::AnswerBandedMenu(const RadioCommand& command, int item,
                                         std::string_view band) {
  const std::string header = std::string(command.mnemonic) + " " + std::string(band);
  if (command.argument.size() == band.size()) return header + "," + image_.Menu().Get(item);
  const std::string_view value = command.argument.substr(band.size() + 1);
  if (value.size() > MenuItemCapacity(item)) return std::string(kRefused);
  image_.Menu().Set(item, value);
  return std::string(command.text);
}

// A plain menu mnemonic alone reads ("BC" -> "BC 0"); followed by a blank and a value it writes.
std::string RadioModel::AnswerMenu(const RadioCommand& command, int item) {
  const bool message = item == kMenuMES;
  if (!command.hasArgument) {
    const std::string& value = image_.Menu().Get(item);
    return std::string(command.mnemonic) + " " + (message ? NameToRadio(value) : value);
  }
  const std::string value =
      message ? NameFromRadio(command.argument) : std::string(command.argument);
  if (value.size() > MenuItemCapacity(item)) return std::string(kRefused);
  image_.Menu().Set(item, value);
  return std::string(command.text);
}

std::string RadioModel::NameToRadio(std::string_view name) const {
  return DestinationIsJ() ? std::string(name) : EncodeRadioName(name);
}

std::string RadioModel::NameFromRadio(std::string_view name) const {
  return DestinationIsJ() ? std::string(name) : DecodeRadioName(name);
}

}  // namespace quorvan
