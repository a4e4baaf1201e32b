#pragma once

#include <QStringList>

namespace quorvan {

// The command line: a file to open (the arguments joined with single blanks), and the options
// of kAppUsage.
struct AppArguments {
  QStringList fileParts;  // joined with blanks when opened
  QString port;           // --port DEV: CommPort for this run only, not stored
  QString screenshot;     // --screenshot OUT.png: read all, save a picture, quit
  bool noSplash = false;  // --no-splash
  bool help = false;      // --help or -h: print the usage and quit
  bool version = false;   // --version: print the version and quit
};

// Options are taken only at the front, so any file name that follows arrives unchanged.
AppArguments ParseAppArguments(const QStringList& arguments);

}  // namespace quorvan
