#include "core/rules/FindChannel.h"

#include <algorithm>

#include "core/model/ChannelRecord.h"

namespace quorvan {

namespace {

constexpr std::size_t kFrequencyDigits = 11;
constexpr std::size_t kMegahertzDigits = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one point between them: "145", "145.", "145.5".
bool IsFrequencyText(std::string_view text) {
  if (text.empty() || !IsDigit(text.front())) return false;
  bool point = false;
  for (const char c : text) {
    if (c == '.') {
      if (point) return false;
      point = true;
    } else if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

// "00145500000" as "145.500000"; empty for a field that is not a frequency.
std::string MegahertzText(std::string_view hz) {
  if (hz.size() != kFrequencyDigits || !std::all_of(hz.begin(), hz.end(), IsDigit)) return {};
  std::string_view whole = hz.substr(0, kMegahertzDigits);
  while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
  return std::string(whole) + "." + std::string(hz.substr(kMegahertzDigits));
}

// Upper and lower case of a letter meet here: ASCII, and for every destination but J the
// accented letters of the Western character set (J uses those bytes for katakana).
unsigned char Folded(unsigned char c, char destinationLetter) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  if (destinationLetter == 'J') return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  if (c == 0x9A || c == 0x9C) return static_cast<unsigned char>(c - 0x10);
  if (c == 0xFF) return 0x9F;
  return c;
}

bool HoldsIgnoringCase(std::string_view text, std::string_view fragment, char destination) {
  const auto same = [destination](char a, char b) {
    return Folded(static_cast<unsigned char>(a), destination) ==
           Folded(static_cast<unsigned char>(b), destination);
  };
  return std::search(text.begin(), text.end(), fragment.begin(), fragment.end(), same) !=
         text.end();
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return !text.empty() && text.substr(0, prefix.size()) == prefix;
}

}  // namespace

FindQuery MakeFindQuery(std::string_view typed, const std::string* nameBytes) {
  FindQuery query;
  if (nameBytes) query.nameBytes = *nameBytes;
  if (IsFrequencyText(typed)) query.frequency = std::string(typed);
  return query;
}

bool MatchesFindQuery(std::string_view record, const FindQuery& query, char destinationLetter) {
  const ChannelRecord channel = ChannelRecord::Parse(record);
  if (channel.Empty()) return false;
  if (!query.nameBytes.empty() &&
      HoldsIgnoringCase(channel[ChannelField::Name], query.nameBytes, destinationLetter)) {
    return true;
  }
  if (query.frequency.empty()) return false;
  return StartsWith(MegahertzText(channel[ChannelField::Frequency]), query.frequency) ||
         StartsWith(MegahertzText(channel[ChannelField::TxFrequency]), query.frequency);
}

int FindMemoryChannel(const RadioImage& image, const FindQuery& query, int afterSlot) {
  if (query.nameBytes.empty() && query.frequency.empty()) return -1;
  const int start = std::clamp(afterSlot, -1, kMemorySlots - 1);
  const char destination = image.Plan().DestinationLetter();
  for (int step = 1; step <= kMemorySlots; ++step) {
    const int slot = (start + step) % kMemorySlots;
    if (MatchesFindQuery(image.Record(SlotKind::Memory, slot), query, destination)) return slot;
  }
  return -1;
}

}  // namespace quorvan
