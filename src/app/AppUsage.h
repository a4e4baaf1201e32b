#pragma once

#include <string_view>

namespace quorvan {

// What `quorvan --help` prints; the manual page is made from the same text.
constexpr std::string_view kAppUsage =
    "usage: quorvan [OPTIONS] [--] [FILE.qvx]\n"
    "       quorvan --help | --version\n"
    "\n"
    "Reads a dual-band handheld transceiver over a serial cable into a window, where its\n"
    "memory channels, VFOs, CALL channels, DTMF memories and menu settings are edited, kept in\n"
    ".qvx channel files, printed and written back to the radio. FILE.qvx is opened at start;\n"
    "the arguments after the options are joined with single blanks into one file name.\n"
    "\n"
    "Options:\n"
    "  --port DEV            use this serial port for this run only (COM1 to COM4 or a device\n"
    "                        path); the port stored by Radio > Port Select is left as it is\n"
    "  --no-splash           start without the splash window\n"
    "  --screenshot OUT.png  read everything from the port, save a picture of the window to\n"
    "                        OUT.png and quit (for the user guide's pictures)\n"
    "  --                    end of the options; a file name may then begin with \"-\"\n"
    "  --help                show this text and quit\n"
    "  --version             show the version and quit\n";

}  // namespace quorvan
