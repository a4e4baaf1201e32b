#include "io/serial/PortAccess.h"

#if defined(__unix__) || defined(__APPLE__)
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>
#define QUORVAN_HAVE_POSIX_ACCESS 1
#endif

namespace quorvan {

#ifdef QUORVAN_HAVE_POSIX_ACCESS
namespace {

// The reentrant lookups want a caller buffer; the system's suggestion is only a hint.
std::size_t LookupBufferSize() {
  const long suggested = sysconf(_SC_GETGR_R_SIZE_MAX);
  return suggested > 0 && suggested < (1L << 20) ? static_cast<std::size_t>(suggested) : 16384;
}

std::string UserName() {
  std::vector<char> buffer(LookupBufferSize());
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
  return found->pw_name ? found->pw_name : "";
}

void LookUpGroup(gid_t gid, PortAccessFacts& facts) {
  std::vector<char> buffer(LookupBufferSize());
  struct group entry {};
  struct group* found = nullptr;
  // A group with many members needs a larger buffer than the hint.
  int status = 0;
  while ((status = getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
         buffer.size() < (1U << 22)) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0 || !found || !found->gr_name) return;
  facts.groupName = found->gr_name;
  const std::string user = UserName();
  if (user.empty() || !found->gr_mem) return;
  for (char** member = found->gr_mem; *member; ++member) {
    if (user == *member) facts.listedInGroup = true;
  }
}

}  // namespace

PortAccessFacts ProbePortAccess(const std::string& path) {
  PortAccessFacts facts;
  facts.path = path;
  struct stat status {};
  if (path.empty() || stat(path.c_str(), &status) != 0) return facts;
  facts.exists = true;
  facts.accessible = access(path.c_str(), R_OK | W_OK) == 0;
  facts.groupMayReadWrite = (status.st_mode & S_IRGRP) && (status.st_mode & S_IWGRP);
  LookUpGroup(status.st_gid, facts);
  return facts;
}
#else
PortAccessFacts ProbePortAccess(const std::string& path) {
  PortAccessFacts facts;
  facts.path = path;
  return facts;  // ports there are not guarded by file permissions
}
#endif

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
