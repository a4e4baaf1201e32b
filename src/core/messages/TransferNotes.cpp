#include "core/messages/TransferNotes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"

namespace quorvan {

namespace {

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// What a read or write of the scope carries.
std::string ScopeContents(TransferScope scope) {
  switch (scope) {
    case TransferScope::Memory:
      return "memory channels, VFOs, CALL and DTMF";
    case TransferScope::Menu:
      return "the menu";
    case TransferScope::All:
      break;
  }
  return "memory channels, VFOs, CALL, DTMF and menu";
}

std::string StepsText(int done, int planned) {
  return std::to_string(std::max(done, 0)) + " of " + std::to_string(std::max(planned, 0)) +
         " steps";
}

}  // namespace

std::string DurationText(double seconds) {
  if (!(seconds > 0)) seconds = 0;
  if (seconds < 9.95) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
  }
  const long whole = std::lround(seconds);
  if (whole < 120) return std::to_string(whole) + " s";
  return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
}

std::string ProgressLine(const std::string& activity, int position, int maximum,
                         double elapsedSeconds) {
  std::string line = activity;
  if (maximum <= 0) return line;
  position = std::clamp(position, 0, maximum);
  if (!line.empty()) line += ": ";
  line += std::to_string(position) + " of " + std::to_string(maximum);
  if (position > 0 && position < maximum && elapsedSeconds >= 1.0) {
    const double left = elapsedSeconds * (maximum - position) / position;
    line += ", about " + DurationText(left) + " left";
  }
  return line;
}

std::string ReadEndingText(TransferScope scope, TransferEnd end, int done, int planned,
                           double seconds) {
  switch (end) {
    case TransferEnd::Cancelled:
      return "Read cancelled after " + StepsText(done, planned) +
             "; the document holds what was read.";
    case TransferEnd::Failed:
      return "Read failed after " + StepsText(done, planned) +
             "; the document holds what was read.";
    case TransferEnd::Completed:
      break;
  }
  const std::string what = scope == TransferScope::Menu
                               ? ScopeContents(scope)
                               : std::to_string(kMemorySlots) + " " + ScopeContents(scope);
  return "Read " + what + " in " + DurationText(seconds) + ".";
}

std::string WriteEndingText(const WriteEnding& e) {
  if (e.journalRefused) return "Nothing was written: the write's journal could not be kept.";
  if (e.stoppedBeforeWriting) {
    return "Nothing was written: the radio changed since it was last read.";
  }
  const bool changes = e.changedItems >= 0;
  switch (e.end) {
    case TransferEnd::Cancelled:
      return "Write cancelled; the radio may hold part of it.";
    case TransferEnd::Failed:
      return "Write failed; the radio may hold part of it.";
    case TransferEnd::Completed:
      break;
  }
  if (changes && e.changedItems == 0) return "Nothing needed writing; the radio holds it.";
  std::string text = "Wrote " + (changes ? Count(e.changedItems, "changed item", "changed items")
                                         : ScopeContents(e.scope));
  text += " in " + DurationText(e.seconds);
  if (e.radioHolds)
    return text +
           (changes && e.changedItems == 1 ? "; the radio holds it." : "; the radio holds them.");
  return text + ".";
}

std::string VerifyEndingText(TransferEnd end, int differences, double seconds) {
  switch (end) {
    case TransferEnd::Cancelled:
      return "Verify cancelled.";
    case TransferEnd::Failed:
      return "Verify failed; nothing was compared.";
    case TransferEnd::Completed:
      break;
  }
  const std::string took = "Verified in " + DurationText(seconds);
  if (differences == 0) return took + ": the radio holds this document.";
  return took + ": " + Count(differences, "field differs", "fields differ") +
         " from this document.";
}

std::string ExportEndingText(int channels, const std::string& fileName) {
  return "Exported " + Count(channels, "channel", "channels") + " to " + EscapeControls(fileName) +
         ".";
}

std::string ExportFailedText(const std::string& fileName) {
  return "Export failed: " + EscapeControls(fileName) + " was not written.";
}

std::string ImportEndingText(int channels, const std::string& fileName, bool isList) {
  const std::string name = EscapeControls(fileName);
  if (!isList) return "Import failed: " + name + " is not a channel list.";
  if (channels == 0) return "Nothing was imported from " + name + ".";
  return "Imported " + Count(channels, "channel", "channels") + " from " + name + ".";
}

std::string ImportUnreadText(const std::string& fileName) {
  return "Import failed: " + EscapeControls(fileName) + " could not be read.";
}

}  // namespace quorvan
