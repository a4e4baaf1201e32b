#include "core/diagnostics/PortFinding.h"

#include "core/model/BandPlan.h"
#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

std::string Verdict(const PortFinding& finding) {
  using Kind = PortFinding::Kind;
  switch (finding.kind) {
    case Kind::Radio:
      return EscapeControls(finding.model) + ", type " +
             EscapeControls(TypeWithMarket(finding.type));
    case Kind::NoAnswer:
      return "no answer";
    case Kind::OtherDevice:
      return "something answered, but not as a radio of this family";
    case Kind::Busy:
      return "busy: in use by another program";
    case Kind::NoPermission:
      return "no permission";
    case Kind::Missing:
      return "does not exist";
    case Kind::NotSerial:
      return "cannot be opened as a serial port";
    case Kind::LineFailed:
      return "the line failed";
  }
  return {};
}

}  // namespace

std::string FindingLine(const PortFinding& finding) {
  return EscapeControls(finding.device) + ": " + Verdict(finding);
}

std::string FindingText(const PortFinding& finding) {
  std::string text = FindingLine(finding);
  std::size_t start = 0;
  while (start < finding.detail.size()) {
    std::size_t end = finding.detail.find('\n', start);
    if (end == std::string::npos) end = finding.detail.size();
    text += "\n  " + EscapeControls(finding.detail.substr(start, end - start));
    start = end + 1;
  }
  return text;
}

std::vector<PortFinding> RadiosFound(const std::vector<PortFinding>& findings) {
  std::vector<PortFinding> radios;
  for (const PortFinding& finding : findings) {
    if (finding.kind == PortFinding::Kind::Radio) radios.push_back(finding);
  }
  return radios;
}

}  // namespace quorvan
