#pragma once

#include <string>
#include <vector>

namespace quorvan {

// Why a serial device that exists cannot be opened by this user, told in words a user can act
// on. A device node on Linux usually belongs to a group such as "dialout" whose members may use
// it; a user outside that group sees the port simply fail to open.

// What the system says about one device path.
struct PortAccessFacts {
  std::string path;
  bool exists = false;
  bool accessible = true;          // this process may read and write it
  std::string groupName;           // the owning group, empty when it has no name
  bool groupMayReadWrite = false;  // the group's read and write permission bits
  bool listedInGroup = false;      // this user is a member in the group database
};

// Looks the path up with stat, access and the group and user databases (one file per system,
// posix/ and windows/).
PortAccessFacts ProbePortAccess(const std::string& path);

// Empty when the device is missing or usable; otherwise lines to append to the port message.
std::string PortAccessMessage(const PortAccessFacts& facts);

// The line told for a device that does not exist, naming the serial adapters that are plugged
// in (their device paths), so the user sees which one to choose.
std::string MissingPortMessage(const std::string& path, const std::vector<std::string>& adapters);

// ProbePortAccess then PortAccessMessage.
std::string PortAccessProblem(const std::string& path);

}  // namespace quorvan
