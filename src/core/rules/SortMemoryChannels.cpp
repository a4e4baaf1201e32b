#include "core/rules/SortMemoryChannels.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/rules/MemoryRows.h"

namespace quorvan {

namespace {

using Channels = std::array<ChannelRecord, kOrdinaryMemorySlots>;

std::string_view FrequencyOf(const ChannelRecord& record) {
  return record[ChannelField::Frequency];
}

std::string_view NameOf(const ChannelRecord& record) { return record[ChannelField::Name]; }

// Gaps are slots whose frequency has at most one character; the next slot with any frequency
// moves up into each. The two texts are exchanged rather than copied so that a slot holding a
// malformed record (no usable frequency) is moved out of the way instead of being overwritten.
void CloseGaps(Channels& channels) {
  for (std::size_t i = 0; i < channels.size(); ++i) {
    if (FrequencyOf(channels[i]).size() > 1) continue;
    for (std::size_t j = i + 1; j < channels.size(); ++j) {
      if (!FrequencyOf(channels[j]).empty()) {
        std::swap(channels[i], channels[j]);
        break;
      }
    }
  }
}

// Whether the record at q must come before the record at p.
bool ComesFirst(const ChannelRecord& q, const ChannelRecord& p, SortKey key) {
  const std::string_view qFrequency = FrequencyOf(q);
  const std::string_view pFrequency = FrequencyOf(p);
  if (key == SortKey::Frequency) return !qFrequency.empty() && qFrequency < pFrequency;

  const std::string_view qName = NameOf(q);
  const std::string_view pName = NameOf(p);
  if (!qName.empty() && !pName.empty()) return qFrequency.size() > 1 && qName < pName;
  if (pName.empty() && !qName.empty()) return true;
  if (pName.empty() && qName.empty()) return !qFrequency.empty() && qFrequency < pFrequency;
  return false;
}

// The exchange sort the radio's channel lists have always been sorted with: the record held
// at p is compared with every later slot and swapped whenever the later one must come first.
// It is not stable, and the order it leaves equal keys in is part of the behaviour.
void ExchangeSort(Channels& channels, SortKey key) {
  for (std::size_t p = 0; p < channels.size(); ++p) {
    if (FrequencyOf(channels[p]).empty()) break;
    for (std::size_t q = p + 1; q < channels.size(); ++q) {
      if (ComesFirst(channels[q], channels[p], key)) std::swap(channels[p], channels[q]);
    }
  }
}

}  // namespace

void SortMemoryChannels(RadioImage& image, SortKey key) {
  Channels channels;
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
    channels[static_cast<std::size_t>(slot)] = image.Channel(SlotKind::Memory, slot);
  }
  CloseGaps(channels);
  ExchangeSort(channels, key);
  for (std::size_t slot = 0; slot < channels.size(); ++slot) {
    if (FrequencyOf(channels[slot]).empty()) break;
    RenumberMemoryRecord(channels[slot], static_cast<int>(slot));
  }
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
    image.Store(SlotKind::Memory, slot, channels[static_cast<std::size_t>(slot)].Text());
  }
}

}  // namespace quorvan
