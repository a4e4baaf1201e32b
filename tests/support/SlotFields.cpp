#include "SlotFields.h"

#include "core/model/DtmfRecord.h"

namespace quorvan::testing {

std::string SlotField(const RadioImage& image, SlotKind kind, int slot, ChannelField field) {
  return std::string(ChannelRecord::Parse(image.Record(kind, slot))[field]);
}

std::string DtmfCode(const RadioImage& image, int slot) {
  return std::string(DtmfRecord::Parse(image.Record(SlotKind::Dtmf, slot)).Code());
}

std::string DtmfName(const RadioImage& image, int slot) {
  return std::string(DtmfRecord::Parse(image.Record(SlotKind::Dtmf, slot)).Name());
}

}  // namespace quorvan::testing
