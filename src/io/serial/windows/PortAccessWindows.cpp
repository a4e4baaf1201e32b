#include "io/serial/PortAccess.h"

namespace quorvan {

PortAccessFacts ProbePortAccess(const std::string& path) {
  PortAccessFacts facts;
  facts.path = path;
  return facts;  // ports there are not guarded by file permissions
}

}  // namespace quorvan
