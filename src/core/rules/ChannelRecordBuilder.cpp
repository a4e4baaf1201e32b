#include "core/rules/ChannelRecordBuilder.h"

#include <cstdio>

#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

// Zero-padded decimal; negative or oversized values cannot reach a record from the editors, but
// they are kept to the field width rather than widening the record.
std::string Padded(int value, int width) {
  if (value < 0) value = 0;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  std::string text(buffer);
  return text.size() > static_cast<std::size_t>(width) ? text.substr(text.size() - width) : text;
}

char ShiftCode(ShiftChoice shift) {
  switch (shift) {
    case ShiftChoice::Plus:
      return '1';
    case ShiftChoice::Minus:
      return '2';
    case ShiftChoice::Special:
      return '3';
    case ShiftChoice::Simplex:
    case ShiftChoice::Split:
      break;
  }
  return '0';
}

const char* Flag(bool on) { return on ? "1," : "0,"; }

// Fields 0-12 followed by the comma that opens field 13.
std::string CommonFields(const ChannelRecordParts& p) {
  std::string r;
  r.reserve(80);
  r += p.id;
  r += ',';
  r += p.frequency;
  r += ',';
  r += StepCodeOfIndex(p.step);
  r += ',';
  r += ShiftCode(p.shift);
  r += ',';
  r += Flag(p.reverse);
  r += Flag(p.tone);
  r += Flag(p.ctcss);
  r += Flag(p.dcs);
  r += Padded(p.toneIndex, 2) + ',';
  r += Padded(p.ctcssIndex, 2) + ',';
  r += Padded(p.dcsIndex, 3) + ',';
  r += '0';
  r += p.offset;
  r += ',';
  r += static_cast<char>('0' + (p.mode >= 0 && p.mode <= 5 ? p.mode : 0));
  r += ',';
  return r;
}

// Fields 14 and 15 with their commas: transmit frequency and step of a split channel.
std::string SplitFields(const ChannelRecordParts& p) {
  if (p.shift != ShiftChoice::Split) return ",,";
  std::string r = p.txFrequency;
  r += ',';
  r += StepCodeOfIndex(p.step);
  r += ',';
  return r;
}

}  // namespace

std::string BuildMemoryRecord(const ChannelRecordParts& parts) {
  std::string r = CommonFields(parts);
  r += Flag(parts.lockout);
  r += SplitFields(parts);
  r += ',';
  r += parts.name;
  return r;
}

std::string BuildVfoRecord(const ChannelRecordParts& parts) { return CommonFields(parts) + ",,,,"; }

std::string BuildCallRecord(const ChannelRecordParts& parts) {
  return CommonFields(parts) + "," + SplitFields(parts) + ",";
}

std::string BuildDtmfRecord(int channel, std::string_view code, std::string_view name) {
  std::string r = std::to_string(channel);
  r += ',';
  r += code;
  r += ',';
  r += name;
  return r;
}

std::string BuildProgramVfoRecord(int band, int lowerMhz, int upperMhz) {
  return std::to_string(band) + "," + Padded(lowerMhz, 5) + "," + Padded(upperMhz, 5);
}

}  // namespace quorvan
