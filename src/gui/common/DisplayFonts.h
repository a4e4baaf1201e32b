#pragma once

#include <QFont>

#include "core/model/BandPlan.h"

namespace quorvan {

// The face for names and the comment: for destination J a Japanese face the system has (the
// radio's own face first), otherwise "Times New Roman"; either way the system's fallback
// fills in when the face is missing.
QFont DestinationFont(const BandPlan& plan, const QFont& base);

}  // namespace quorvan
