#include "io/serial/PortAccess.h"

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"

namespace quorvan {

std::string PortAccessMessage(const PortAccessFacts& facts) {
  if (!facts.exists || facts.accessible) return {};
  const std::string denied = FillIn(pattern::kNoPermissionToUse, {facts.path});
  if (facts.groupName.empty() || !facts.groupMayReadWrite) {
    return denied + "\n" + std::string(kAskAdministratorAdvice);
  }
  const std::string& group = facts.groupName;
  if (facts.listedInGroup) {
    // Membership is granted at login: the running session does not have it yet.
    return denied + "\n" + FillIn(pattern::kMemberNotYetInSession, {group}) + "\n" +
           std::string(kLogInAgainAdvice);
  }
  return denied + "\n" + FillIn(pattern::kGroupMayUseIt, {group}) + "\n  sudo usermod -aG " +
         group + " $USER\n" + std::string(kThenLogInAgainAdvice);
}

std::string MissingPortMessage(const std::string& path, const std::vector<std::string>& adapters) {
  if (adapters.empty()) return FillIn(pattern::kPortMissingNoAdapter, {path});
  std::string list;
  for (std::size_t i = 0; i < adapters.size(); ++i) list += (i > 0 ? ", " : "") + adapters[i];
  return FillIn(pattern::kPortMissingAdapters, {path, list});
}

std::string PortAccessProblem(const std::string& path) {
  return PortAccessMessage(ProbePortAccess(path));
}

}  // namespace quorvan
