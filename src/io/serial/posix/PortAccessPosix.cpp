#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "io/serial/PortAccess.h"

namespace quorvan {

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

}  // namespace quorvan
