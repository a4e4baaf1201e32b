#include <time.h>

#include "core/platform/CalendarTime.h"

namespace quorvan {

std::tm LocalFields(std::time_t when) {
  std::tm fields{};
  if (::localtime_r(&when, &fields) == nullptr) fields = std::tm{};
  return fields;
}

}  // namespace quorvan
