#include "core/transfer/PartlyWritten.h"

#include <initializer_list>
#include <utility>

#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"

namespace quorvan {

namespace {

using FieldRange = std::pair<ChannelField, ChannelField>;

// The parts one command of a channel's write sets; the first one creates the channel.
constexpr FieldRange kMemoryParts[] = {{ChannelField::Frequency, ChannelField::Lockout},
                                       {ChannelField::TxFrequency, ChannelField::TxStep},
                                       {ChannelField::Name, ChannelField::Name}};
constexpr FieldRange kCallParts[] = {{ChannelField::Frequency, ChannelField::Mode},
                                     {ChannelField::TxFrequency, ChannelField::TxStep}};

bool IsAny(const std::string& part, std::initializer_list<std::string> accepted) {
  for (const std::string& a : accepted) {
    if (part == a) return true;
  }
  return false;
}

template <std::size_t N>
bool ChannelMayBePartly(const std::string& radio, const std::string& before,
                        const std::string& meant, const FieldRange (&parts)[N]) {
  // An emptied slot is a step of the write only when one side was empty.
  if (radio.empty()) return before.empty() || meant.empty();
  const ChannelRecord r = ChannelRecord::Parse(radio);
  const ChannelRecord b = ChannelRecord::Parse(before);
  const ChannelRecord m = ChannelRecord::Parse(meant);
  for (std::size_t i = 0; i < N; ++i) {
    const auto [first, last] = parts[i];
    const std::string held = r.Join(first, last);
    const std::string cleared = ChannelRecord::Parse("").Join(first, last);
    // The first part comes with the channel itself: it is never cleared by another command.
    const bool ok = i == 0 ? IsAny(held, {b.Join(first, last), m.Join(first, last)})
                           : IsAny(held, {b.Join(first, last), m.Join(first, last), cleared});
    if (!ok) return false;
  }
  return true;
}

bool DtmfMayBePartly(const std::string& radio, const std::string& before,
                     const std::string& meant) {
  const DtmfRecord r = DtmfRecord::Parse(radio);
  const DtmfRecord b = DtmfRecord::Parse(before);
  const DtmfRecord m = DtmfRecord::Parse(meant);
  const auto ok = [](std::string_view held, std::string_view was, std::string_view meantPart) {
    return held == was || held == meantPart || held.empty();
  };
  return ok(r.Code(), b.Code(), m.Code()) && ok(r.Name(), b.Name(), m.Name());
}

}  // namespace

bool MayBePartlyWritten(ItemRef item, const std::string& radio, const std::string& before,
                        const std::string& meant) {
  if (radio == before || radio == meant) return true;
  switch (item.kind) {
    case ItemKind::Memory:
      return ChannelMayBePartly(radio, before, meant, kMemoryParts);
    case ItemKind::Call:
      return ChannelMayBePartly(radio, before, meant, kCallParts);
    case ItemKind::Dtmf:
      return DtmfMayBePartly(radio, before, meant);
    default:
      return false;
  }
}

}  // namespace quorvan
