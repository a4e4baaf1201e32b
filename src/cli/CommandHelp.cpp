#include <algorithm>
#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "cli/DocumentOptions.h"

namespace quorvan {

void PrintHelp(std::ostream& out) {
  out << "usage: quorvan-cli COMMAND [ARGUMENTS]\n"
         "       quorvan-cli help COMMAND\n"
         "       quorvan-cli --help | --version\n"
         "\n"
         "Reads and writes the radio and works on .qvx channel files from a terminal or a\n"
         "script, with the settings the window stores.\n"
         "\n"
         "Commands:\n";
  std::size_t width = 0;
  for (const CliCommand* command : CommandTable()) width = std::max(width, command->name.size());
  for (const CliCommand* command : CommandTable()) {
    out << "  " << command->name << std::string(width + 2 - command->name.size(), ' ')
        << command->summary << "\n";
  }
  out << "\nOptions of the commands that talk to the radio:\n"
      << kTransferOptionsHelp << "\nOptions of commands that build or open a document:\n"
      << DocumentOptionsHelp()
      << "\nFiles: - stands for standard input where a command reads a file, and for standard\n"
         "output as the file of -o, which then carries that file alone.\n"
         "\nMessages go to standard error and start with \"quorvan-cli: \".\n"
         "Exit status: 0 success, 1 failure (such as a rejected file), 2 usage error, 130 a\n"
         "transfer cancelled with Ctrl+C, 143 and 129 one stopped by SIGTERM and SIGHUP; diff has\n"
         "its own (see quorvan-cli help diff).\n";
}

}  // namespace quorvan
