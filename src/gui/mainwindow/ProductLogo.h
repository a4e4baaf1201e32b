#pragma once

#include <QPixmap>

namespace quorvan {

// The program's logo, drawn rather than loaded so no image file has to travel with it.
QPixmap ProductLogo(int size);

}  // namespace quorvan
