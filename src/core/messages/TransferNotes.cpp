#include "core/messages/TransferNotes.h"

#include <algorithm>
#include <cmath>

#include "core/messages/MessagePatterns.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"

namespace quorvan {

std::string DurationText(double seconds, const CatalogueLookup& lookup) {
  if (!(seconds > 0)) seconds = 0;
  if (seconds < 9.95) {
    const long tenths = std::lround(seconds * 10);
    return FillIn(LookUp(lookup, pattern::kTenthsOfSeconds),
                  {std::to_string(tenths / 10), std::to_string(tenths % 10)});
  }
  const long whole = std::lround(seconds);
  if (whole < 120) return FillIn(LookUp(lookup, pattern::kSeconds), {std::to_string(whole)});
  return FillIn(LookUp(lookup, pattern::kMinutesAndSeconds),
                {std::to_string(whole / 60), std::to_string(whole % 60)});
}

std::string ProgressLine(const std::string& activity, int position, int maximum,
                         double elapsedSeconds, const CatalogueLookup& lookup) {
  if (maximum <= 0) return activity;
  position = std::clamp(position, 0, maximum);
  const std::string done = std::to_string(position);
  const std::string all = std::to_string(maximum);
  if (position > 0 && position < maximum && elapsedSeconds >= 1.0) {
    const std::string left = DurationText(elapsedSeconds * (maximum - position) / position, lookup);
    if (activity.empty()) return FillIn(LookUp(lookup, pattern::kProgressLeft), {done, all, left});
    return FillIn(LookUp(lookup, pattern::kActivityProgressLeft), {activity, done, all, left});
  }
  if (activity.empty()) return FillIn(LookUp(lookup, pattern::kProgress), {done, all});
  return FillIn(LookUp(lookup, pattern::kActivityProgress), {activity, done, all});
}

std::string ReadEndingText(TransferScope scope, TransferEnd end, int done, int planned,
                           double seconds, const CatalogueLookup& lookup) {
  const std::string steps[] = {std::to_string(std::max(done, 0)),
                               std::to_string(std::max(planned, 0))};
  switch (end) {
    case TransferEnd::Cancelled:
      return FillIn(LookUp(lookup, pattern::kReadCancelled), {steps[0], steps[1]});
    case TransferEnd::Failed:
      return FillIn(LookUp(lookup, pattern::kReadFailed), {steps[0], steps[1]});
    case TransferEnd::Completed:
      break;
  }
  const std::string took = DurationText(seconds, lookup);
  switch (scope) {
    case TransferScope::Menu:
      return FillIn(LookUp(lookup, pattern::kReadMenu), {took});
    case TransferScope::Memory:
      return FillIn(LookUp(lookup, pattern::kReadMemory), {std::to_string(kMemorySlots), took});
    case TransferScope::All:
      break;
  }
  return FillIn(LookUp(lookup, pattern::kReadAll), {std::to_string(kMemorySlots), took});
}

std::string WriteEndingText(const WriteEnding& e, const CatalogueLookup& lookup) {
  if (e.journalRefused) return LookUp(lookup, kJournalNotKeptEnding);
  if (e.stoppedBeforeWriting) return LookUp(lookup, kRadioChangedEnding);
  switch (e.end) {
    case TransferEnd::Cancelled:
      return LookUp(lookup, kWriteCancelledEnding);
    case TransferEnd::Failed:
      return LookUp(lookup, kWriteFailedEnding);
    case TransferEnd::Completed:
      break;
  }
  const std::string took = DurationText(e.seconds, lookup);
  if (e.changedItems >= 0) {
    if (e.changedItems == 0) return LookUp(lookup, kNothingNeededEnding);
    const bool one = e.changedItems == 1;
    const char* sentence = e.radioHolds
                               ? (one ? pattern::kWroteChangeHolds : pattern::kWroteChangesHold)
                               : (one ? pattern::kWroteChange : pattern::kWroteChanges);
    return FillIn(LookUp(lookup, sentence), {std::to_string(e.changedItems), took});
  }
  switch (e.scope) {
    case TransferScope::Menu:
      return FillIn(LookUp(lookup, e.radioHolds ? pattern::kWroteMenuHolds : pattern::kWroteMenu),
                    {took});
    case TransferScope::Memory:
      return FillIn(
          LookUp(lookup, e.radioHolds ? pattern::kWroteMemoryHolds : pattern::kWroteMemory),
          {took});
    case TransferScope::All:
      break;
  }
  return FillIn(LookUp(lookup, e.radioHolds ? pattern::kWroteAllHolds : pattern::kWroteAll),
                {took});
}

std::string VerifyEndingText(TransferEnd end, int differences, double seconds,
                             const CatalogueLookup& lookup) {
  switch (end) {
    case TransferEnd::Cancelled:
      return LookUp(lookup, kVerifyCancelledEnding);
    case TransferEnd::Failed:
      return LookUp(lookup, kVerifyFailedEnding);
    case TransferEnd::Completed:
      break;
  }
  const std::string took = DurationText(seconds, lookup);
  if (differences == 0) return FillIn(LookUp(lookup, pattern::kVerifiedEqual), {took});
  return FillIn(
      LookUp(lookup, differences == 1 ? pattern::kVerifiedOneDiffers : pattern::kVerifiedDiffer),
      {took, std::to_string(differences)});
}

std::string ExportEndingText(int channels, const std::string& fileName) {
  return FillIn(channels == 1 ? pattern::kExportedOne : pattern::kExportedMany,
                {std::to_string(channels), EscapeControls(fileName)});
}

std::string ExportFailedText(const std::string& fileName) {
  return FillIn(pattern::kExportFailed, {EscapeControls(fileName)});
}

std::string ImportEndingText(int channels, const std::string& fileName, bool isList) {
  const std::string name = EscapeControls(fileName);
  if (!isList) return FillIn(pattern::kImportNotList, {name});
  if (channels == 0) return FillIn(pattern::kImportedNothing, {name});
  return FillIn(channels == 1 ? pattern::kImportedOne : pattern::kImportedMany,
                {std::to_string(channels), name});
}

std::string ImportUnreadText(const std::string& fileName) {
  return FillIn(pattern::kImportUnread, {EscapeControls(fileName)});
}

}  // namespace quorvan
