#include "core/model/ChannelRecord.h"

#include "core/model/ChannelTables.h"
#include "core/model/RecordDigits.h"

namespace quorvan {

namespace {

constexpr auto kNameIndex = static_cast<std::size_t>(ChannelField::Name);

std::size_t IndexOf(ChannelField field) { return static_cast<std::size_t>(field); }

}  // namespace

ChannelRecord ChannelRecord::Parse(std::string_view text) {
  ChannelRecord record;
  if (text.empty()) return record;
  std::size_t start = 0;
  while (record.fields_.size() < kNameIndex) {
    const std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) break;
    record.fields_.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  // The last field present runs to the end: for a complete record that is the name, commas and
  // all.
  record.fields_.emplace_back(text.substr(start));
  return record;
}

ChannelRecord ChannelRecord::Blank(std::string_view id) {
  ChannelRecord record;
  record.fields_.resize(kChannelFieldCount);
  record.fields_[0] = std::string(id);
  return record;
}

std::string ChannelRecord::Text() const {
  std::string text;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (i > 0) text += ',';
    text += fields_[i];
  }
  return text;
}

std::string_view ChannelRecord::operator[](ChannelField field) const {
  const std::size_t i = IndexOf(field);
  return i < fields_.size() ? std::string_view(fields_[i]) : std::string_view();
}

void ChannelRecord::Set(ChannelField field, std::string_view text) {
  const std::size_t i = IndexOf(field);
  if (i >= fields_.size()) fields_.resize(i + 1);
  fields_[i] = std::string(text);
}

std::string ChannelRecord::Join(ChannelField first, ChannelField last) const {
  std::string text;
  for (std::size_t i = IndexOf(first); i <= IndexOf(last); ++i) {
    if (i > IndexOf(first)) text += ',';
    text += (*this)[static_cast<ChannelField>(i)];
  }
  return text;
}

int ChannelRecord::StepIndex() const { return StepIndexOfField((*this)[ChannelField::Step]); }
int ChannelRecord::ModeIndex() const { return ModeIndexOfField((*this)[ChannelField::Mode]); }
int ChannelRecord::ToneIndex() const { return ToneIndexOfField((*this)[ChannelField::ToneIndex]); }
int ChannelRecord::CtcssIndex() const {
  return ToneIndexOfField((*this)[ChannelField::CtcssIndex]);
}
int ChannelRecord::DcsIndex() const { return DcsIndexOfField((*this)[ChannelField::DcsIndex]); }

ShiftChoice ChannelRecord::Shift() const {
  if (IsSplit()) return ShiftChoice::Split;
  const std::string_view code = (*this)[ChannelField::Shift];
  if (code == "1") return ShiftChoice::Plus;
  if (code == "2") return ShiftChoice::Minus;
  if (code == "3") return ShiftChoice::Special;
  return ShiftChoice::Simplex;
}

void ChannelRecord::SetFlag(ChannelField flag, bool on) { Set(flag, on ? "1" : "0"); }

void ChannelRecord::SetStepIndex(int index) {
  Set(ChannelField::Step, std::string(1, StepCodeOfIndex(index)));
}

void ChannelRecord::SetModeIndex(int index) {
  const int mode = index >= 0 && index < static_cast<int>(kModes.size()) ? index : 0;
  Set(ChannelField::Mode, std::string(1, static_cast<char>('0' + mode)));
}

void ChannelRecord::SetToneIndex(int index) { Set(ChannelField::ToneIndex, ZeroPadded(index, 2)); }
void ChannelRecord::SetCtcssIndex(int index) {
  Set(ChannelField::CtcssIndex, ZeroPadded(index, 2));
}
void ChannelRecord::SetDcsIndex(int index) { Set(ChannelField::DcsIndex, ZeroPadded(index, 3)); }

void ChannelRecord::SetShift(ShiftChoice shift) {
  char code = '0';
  switch (shift) {
    case ShiftChoice::Plus:
      code = '1';
      break;
    case ShiftChoice::Minus:
      code = '2';
      break;
    case ShiftChoice::Special:
      code = '3';
      break;
    case ShiftChoice::Simplex:
    case ShiftChoice::Split:
      break;
  }
  Set(ChannelField::Shift, std::string(1, code));
}

void ChannelRecord::SetSplit(std::string_view txFrequency) {
  const std::string step(txFrequency.empty() ? std::string_view() : (*this)[ChannelField::Step]);
  Set(ChannelField::TxFrequency, txFrequency);
  Set(ChannelField::TxStep, step);
}

}  // namespace quorvan
