#pragma once

#include <QIcon>
#include <QString>

namespace quorvan {

// The tool buttons' pictures.
enum class ToolPicture { New, Open, Save, Print, Read, Write, Cut, Copy, Paste, Undo, Redo };

// The desktop theme's standard icon for the command where the theme has one, else the
// program's own drawing of it. Read and Write have no standard icon: always the program's own
// arrows, down into the computer and up to the radio.
QIcon ToolIcon(ToolPicture picture);
// The program's own drawing, whatever the theme holds.
QIcon DrawnToolIcon(ToolPicture picture);
// The theme name looked up for a picture; empty for Read and Write.
QString ThemeIconName(ToolPicture picture);

}  // namespace quorvan
