#pragma once

#include <string>

#include "core/messages/Translatable.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// The transfer dialogs' second line and the status bar's line at the end of a transfer, a CSV
// export or an import: whole sentences, counts and durations composed here.

// The endings that carry no value.
constexpr const char* kJournalNotKeptEnding =
    QT_TRANSLATE_NOOP("Messages", "Nothing was written: the write's journal could not be kept.");
constexpr const char* kRadioChangedEnding =
    QT_TRANSLATE_NOOP("Messages", "Nothing was written: the radio changed since it was last read.");
constexpr const char* kWriteCancelledEnding =
    QT_TRANSLATE_NOOP("Messages", "Write cancelled; the radio may hold part of it.");
constexpr const char* kWriteFailedEnding =
    QT_TRANSLATE_NOOP("Messages", "Write failed; the radio may hold part of it.");
constexpr const char* kNothingNeededEnding =
    QT_TRANSLATE_NOOP("Messages", "Nothing needed writing; the radio holds it.");
constexpr const char* kVerifyCancelledEnding = QT_TRANSLATE_NOOP("Messages", "Verify cancelled.");
constexpr const char* kVerifyFailedEnding =
    QT_TRANSLATE_NOOP("Messages", "Verify failed; nothing was compared.");

// How a transfer ended, as the status line tells it.
enum class TransferEnd { Completed, Cancelled, Failed };

// "0.7 s" below ten seconds, "54 s" below two minutes, "3 min 5 s" beyond.
std::string DurationText(double seconds, const CatalogueLookup& lookup = nullptr);

// "Memory channels: 123 of 432, about 20 s left". No time is guessed before a second has passed
// or a step was done; `activity` may be empty and comes in the reader's language already.
std::string ProgressLine(const std::string& activity, int position, int maximum,
                         double elapsedSeconds, const CatalogueLookup& lookup = nullptr);

// A read of `scope`; `done` and `planned` are its progress steps, told for one that did not end.
std::string ReadEndingText(TransferScope scope, TransferEnd end, int done, int planned,
                           double seconds, const CatalogueLookup& lookup = nullptr);

// What a write ended with. `changedItems` is negative for a write of everything in `scope`;
// `radioHolds` whether what the radio holds afterwards is known to be what was written.
struct WriteEnding {
  TransferScope scope = TransferScope::All;
  int changedItems = -1;
  TransferEnd end = TransferEnd::Completed;
  bool radioHolds = false;
  bool stoppedBeforeWriting = false;  // the radio changed since the baseline
  bool journalRefused = false;
  double seconds = 0;
};
std::string WriteEndingText(const WriteEnding& ending, const CatalogueLookup& lookup = nullptr);

// A verify: `differences` counts the fields that differ when it completed.
std::string VerifyEndingText(TransferEnd end, int differences, double seconds,
                             const CatalogueLookup& lookup = nullptr);

// "Exported 126 channels to NAME.csv."; `fileName` without its folder.
std::string ExportEndingText(int channels, const std::string& fileName);
std::string ExportFailedText(const std::string& fileName);
// "Imported 12 channels from NAME.csv."; a file that is no channel list imports nothing.
std::string ImportEndingText(int channels, const std::string& fileName, bool isList);
std::string ImportUnreadText(const std::string& fileName);

}  // namespace quorvan
