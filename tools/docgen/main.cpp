// quorvan-docgen: writes the manual pages of the three programs and the bash completion of
// quorvan-cli from the texts the programs print for --help and from quorvan-cli's command
// table, so that neither can drift from the programs. Run by the build.
// Usage: quorvan-docgen OUT_DIR
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "BashCompletion.h"
#include "CliManPage.h"
#include "ManPage.h"
#include "SimOptions.h"
#include "app/AppUsage.h"
#include "core/model/Version.h"

namespace quorvan {
namespace {

const std::string kFiles =
    ".TP\n.I ~/.config/QUENTAR/Quorvax.conf\n"
    "the settings: last folder, serial port, the radio's type, model and band limits\n"
    ".TP\n.I ~/.local/share/QUENTAR/Quorvan/backups/\n"
    "a channel file of every completed read, the newest 50 kept\n";

std::string Source() { return std::string("Quorvan ") + kQuorvanVersion; }

ManPage WindowPage() {
  return {"quorvan",
          "memory channel programmer for ARVEN and BELTO dual-band handheld radios",
          Source(),
          std::string(kAppUsage),
          {{"FILES", kFiles + ".TP\n.I /usr/share/doc/quorvan/user\\-guide.md\n"
                              "the user guide, shown by Help > Help Topics (F1)\n"}},
          {"quorvan-cli(1)", "quorvan-radiosim(1)"}};
}

ManPage SimPage() {
  return {"quorvan-radiosim",
          "a virtual dual-band handheld radio on a pseudo-terminal",
          Source(),
          SimUsage(),
          {{"EXAMPLES",
            ".nf\nquorvan\\-radiosim \\-\\-file radio.qvx \\-\\-baud 9600 &\n"
            "quorvan \\-\\-port /dev/pts/5\n.fi\n"}},
          {"quorvan(1)", "quorvan-cli(1)"}};
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (out) return true;
  std::cerr << "quorvan-docgen: cannot write " << path << "\n";
  return false;
}

}  // namespace
}  // namespace quorvan

int main(int argc, char** argv) {
  using namespace quorvan;
  if (argc != 2) {
    std::cerr << "usage: quorvan-docgen OUT_DIR\n";
    return 2;
  }
  const std::string folder = argv[1];
  std::ostringstream cliHelp;
  PrintHelp(cliHelp);
  ManPage cliPage = CliManPage(CommandTable(), cliHelp.str(), Source());
  cliPage.sections.emplace_back("FILES", kFiles);

  bool written = WriteText(folder + "/quorvan.1", RenderManPage(WindowPage()));
  written = WriteText(folder + "/quorvan-cli.1", RenderManPage(cliPage)) && written;
  written = WriteText(folder + "/quorvan-radiosim.1", RenderManPage(SimPage())) && written;
  written = WriteText(folder + "/quorvan-cli", CliBashCompletion(CommandTable())) && written;
  return written ? 0 : 1;
}
