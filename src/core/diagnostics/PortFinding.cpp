#include "core/diagnostics/PortFinding.h"

#include "core/messages/MessagePatterns.h"
#include "core/model/BandPlan.h"
#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

std::string Verdict(const PortFinding& finding, const CatalogueLookup& lookup) {
  using Kind = PortFinding::Kind;
  const char* verdict = nullptr;
  switch (finding.kind) {
    case Kind::Radio:
      return FillIn(LookUp(lookup, pattern::kFoundRadio),
                    {EscapeControls(finding.model), EscapeControls(TypeWithMarket(finding.type))});
    case Kind::NoAnswer:
      verdict = QT_TRANSLATE_NOOP("Messages", "no answer");
      break;
    case Kind::OtherDevice:
      verdict =
          QT_TRANSLATE_NOOP("Messages", "something answered, but not as a radio of this family");
      break;
    case Kind::Busy:
      verdict = QT_TRANSLATE_NOOP("Messages", "busy: in use by another program");
      break;
    case Kind::NoPermission:
      verdict = QT_TRANSLATE_NOOP("Messages", "no permission");
      break;
    case Kind::Missing:
      verdict = QT_TRANSLATE_NOOP("Messages", "does not exist");
      break;
    case Kind::NotSerial:
      verdict = QT_TRANSLATE_NOOP("Messages", "cannot be opened as a serial port");
      break;
    case Kind::LineFailed:
      verdict = QT_TRANSLATE_NOOP("Messages", "the line failed");
      break;
  }
  return verdict ? LookUp(lookup, verdict) : std::string();
}

}  // namespace

std::string FindingLine(const PortFinding& finding, const CatalogueLookup& lookup) {
  return EscapeControls(finding.device) + ": " + Verdict(finding, lookup);
}

std::string FindingText(const PortFinding& finding, const CatalogueLookup& lookup) {
  std::string text = FindingLine(finding, lookup);
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
