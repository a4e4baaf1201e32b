#pragma once

#include <string>
#include <vector>

#include "core/messages/Translatable.h"

namespace quorvan {

// What trying one port with the radio's identification found.
struct PortFinding {
  enum class Kind {
    Radio,         // it answered as a radio: `model` and `type` hold what it stated
    NoAnswer,      // it opened, but nothing answered in time
    OtherDevice,   // something answered, but not as a radio this program knows
    Busy,          // another program holds it
    NoPermission,  // this user may not open it
    Missing,       // there is no such device
    NotSerial,     // it exists but does not open as a serial port
    LineFailed,    // the line failed while it was tried
  };

  std::string device;
  Kind kind = Kind::NoAnswer;
  std::string model;
  std::string type;
  // Lines that say more: what the device answered, how to get permission, the line's error.
  std::string detail;
};

// "/dev/ttyUSB0: ARVEN, type KK,0F (U.S.A./Canada)", "/dev/ttyS0: no answer", ...; control
// characters of the device name and the radio's words are escaped.
std::string FindingLine(const PortFinding& finding, const CatalogueLookup& lookup = nullptr);

// The finding's line, then each line of its detail indented by two blanks.
std::string FindingText(const PortFinding& finding, const CatalogueLookup& lookup = nullptr);

// The findings of the ports that answered as a radio, in the order they were tried.
std::vector<PortFinding> RadiosFound(const std::vector<PortFinding>& findings);

}  // namespace quorvan
