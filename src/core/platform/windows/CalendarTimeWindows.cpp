#include <time.h>

#include "core/platform/CalendarTime.h"

namespace quorvan {

// The runtime tells local times up to the end of the year 3000.
std::tm LocalFields(std::time_t when) {
  std::tm fields{};
  if (::localtime_s(&fields, &when) != 0) fields = std::tm{};
  return fields;
}

}  // namespace quorvan
