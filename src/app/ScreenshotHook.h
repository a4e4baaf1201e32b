#pragma once

#include <QString>

namespace quorvan {

class TMainForm;

// For the screenshot script: reads everything from the chosen port, then saves a picture of
// the window to `pngPath` and ends the program (exit code 1 when the picture was not saved).
void ReadAndGrabLater(TMainForm& form, const QString& pngPath);

}  // namespace quorvan
