#include "io/serial/PortAccess.h"

namespace quorvan {

std::string PortAccessMessage(const PortAccessFacts& facts) {
  if (!facts.exists || facts.accessible) return {};
  const std::string denied = "You have no permission to use " + facts.path + ".";
  if (facts.groupName.empty() || !facts.groupMayReadWrite) {
    return denied + "\nAsk the administrator of this computer for read and write access to it.";
  }
  const std::string& group = facts.groupName;
  if (facts.listedInGroup) {
    // Membership is granted at login: the running session does not have it yet.
    return denied + "\nYou are a member of the group \"" + group +
           "\" that may use it, but not yet in this session.\nLog out and log in again.";
  }
  return denied + "\nIt may be used by the members of the group \"" + group +
         "\". To join it, run\n  sudo usermod -aG " + group +
         " $USER\nthen log out and log in again.";
}

std::string MissingPortMessage(const std::string& path, const std::vector<std::string>& adapters) {
  if (adapters.empty()) return path + " does not exist; no serial adapter is plugged in.";
  std::string text = path + " does not exist; plugged adapters: ";
  for (std::size_t i = 0; i < adapters.size(); ++i) text += (i > 0 ? ", " : "") + adapters[i];
  return text + ".";
}

std::string PortAccessProblem(const std::string& path) {
  return PortAccessMessage(ProbePortAccess(path));
}

}  // namespace quorvan
