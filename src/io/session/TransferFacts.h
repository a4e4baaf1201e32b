#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "io/session/TransferSession.h"

namespace quorvan {

class TQuentarComm;

// The lines a trace or a diagnostic report begins with: "Program: quorvan-cli 1.2.0" and
// "System: ...", the operating system, its kernel, the processor and the Qt version.
std::vector<std::string> ProgramFacts(std::string_view program);

// The facts of one transfer's port: "Port: " with its name, its device and the line settings of
// `comm` (when given), and "Adapter: " with the maker, the description and what the chip
// table tells of it, when the system lists the port.
std::vector<std::string> PortFacts(const QString& portName, const TQuentarComm* comm);

// How a transfer ended, for its trace: the outcome's name, and after it the message shown.
std::string OutcomeNote(TransferSession::Outcome outcome, const QString& message);

}  // namespace quorvan
