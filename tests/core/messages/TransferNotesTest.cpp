#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/messages/TransferNotes.h"

namespace quorvan {
namespace {

struct TextCase {
  const char* name;
  std::function<std::string()> compose;
  std::string expected;
};

WriteEnding Ending(int changed, TransferEnd end, bool holds, double seconds,
                   TransferScope scope = TransferScope::All) {
  WriteEnding e;
  e.scope = scope;
  e.changedItems = changed;
  e.end = end;
  e.radioHolds = holds;
  e.seconds = seconds;
  return e;
}

WriteEnding Stopped(bool journal) {
  WriteEnding e = Ending(3, TransferEnd::Completed, false, 1);
  (journal ? e.journalRefused : e.stoppedBeforeWriting) = true;
  return e;
}

// A language that puts the count first and the time before it.
std::string Reordered(const char* text) {
  const std::string english = text;
  if (english == "%1: %2 of %3, about %4 left") return "(%4) %2/%3 %1";
  if (english == "%1 of %2") return "%1/%2";
  if (english == "%1.%2 s") return "%1,%2 sec";
  if (english == "%1 min %2 s") return "%1'%2\"";
  if (english == "Read the menu in %1.") return "Menu: %1.";
  return english;
}

const std::vector<TextCase> kCases = {
    // Durations round at their own precision and change unit where a reader wants them to.
    {"tenths", [] { return DurationText(0.74); }, "0.7 s"},
    {"negative is none", [] { return DurationText(-3); }, "0.0 s"},
    {"tenths up to ten", [] { return DurationText(9.94); }, "9.9 s"},
    {"rounds into whole", [] { return DurationText(9.96); }, "10 s"},
    {"whole seconds", [] { return DurationText(54.4); }, "54 s"},
    {"minutes from two", [] { return DurationText(119.6); }, "2 min 0 s"},
    {"minutes", [] { return DurationText(185); }, "3 min 5 s"},

    // The dialog's second line.
    {"no time before a second", [] { return ProgressLine("Memory channels", 123, 432, 0.9); },
     "Memory channels: 123 of 432"},
    {"time left from the pace", [] { return ProgressLine("Memory channels", 100, 400, 10); },
     "Memory channels: 100 of 400, about 30 s left"},
    {"no time before a step", [] { return ProgressLine("VFOs", 0, 400, 5); }, "VFOs: 0 of 400"},
    {"none left at the end", [] { return ProgressLine("Menu", 498, 498, 50); }, "Menu: 498 of 498"},
    {"position past the end", [] { return ProgressLine("Menu", 600, 498, 50); },
     "Menu: 498 of 498"},
    {"no activity", [] { return ProgressLine("", 3, 13, 0); }, "3 of 13"},
    {"no maximum yet", [] { return ProgressLine("Writing", 0, 0, 0); }, "Writing"},
    {"translated with its values moved",
     [] { return ProgressLine("VFOs", 100, 400, 10, Reordered); }, "(30 s) 100/400 VFOs"},
    {"translated without an activity", [] { return ProgressLine("", 3, 13, 0, Reordered); },
     "3/13"},
    {"durations translated",
     [] { return DurationText(3.04, Reordered) + DurationText(185, Reordered); }, "3,0 sec3'5\""},
    {"an ending and its duration translated",
     [] {
       return ReadEndingText(TransferScope::Menu, TransferEnd::Completed, 37, 37, 3.04, Reordered);
     },
     "Menu: 3,0 sec."},

    // Reads.
    {"read all",
     [] { return ReadEndingText(TransferScope::All, TransferEnd::Completed, 498, 498, 54.2); },
     "Read 432 memory channels, VFOs, CALL, DTMF and menu in 54 s."},
    {"read memory",
     [] { return ReadEndingText(TransferScope::Memory, TransferEnd::Completed, 461, 461, 40); },
     "Read 432 memory channels, VFOs, CALL and DTMF in 40 s."},
    {"read menu",
     [] { return ReadEndingText(TransferScope::Menu, TransferEnd::Completed, 37, 37, 3.04); },
     "Read the menu in 3.0 s."},
    {"read cancelled",
     [] { return ReadEndingText(TransferScope::All, TransferEnd::Cancelled, 120, 498, 9); },
     "Read cancelled after 120 of 498 steps; the document holds what was read."},
    {"read failed",
     [] { return ReadEndingText(TransferScope::Memory, TransferEnd::Failed, 7, 461, 2); },
     "Read failed after 7 of 461 steps; the document holds what was read."},

    // Writes.
    {"changes held", [] { return WriteEndingText(Ending(3, TransferEnd::Completed, true, 0.7)); },
     "Wrote 3 changed items in 0.7 s; the radio holds them."},
    {"one change held",
     [] { return WriteEndingText(Ending(1, TransferEnd::Completed, true, 0.7)); },
     "Wrote 1 changed item in 0.7 s; the radio holds it."},
    {"changes not known held",
     [] { return WriteEndingText(Ending(2, TransferEnd::Completed, false, 12)); },
     "Wrote 2 changed items in 12 s."},
    {"nothing to write", [] { return WriteEndingText(Ending(0, TransferEnd::Completed, true, 0)); },
     "Nothing needed writing; the radio holds it."},
    {"whole write", [] { return WriteEndingText(Ending(-1, TransferEnd::Completed, true, 61)); },
     "Wrote memory channels, VFOs, CALL, DTMF and menu in 61 s; the radio holds them."},
    {"whole menu write",
     [] {
       return WriteEndingText(Ending(-1, TransferEnd::Completed, false, 4, TransferScope::Menu));
     },
     "Wrote the menu in 4.0 s."},
    {"write cancelled",
     [] { return WriteEndingText(Ending(-1, TransferEnd::Cancelled, false, 4)); },
     "Write cancelled; the radio may hold part of it."},
    {"write failed", [] { return WriteEndingText(Ending(2, TransferEnd::Failed, false, 4)); },
     "Write failed; the radio may hold part of it."},
    {"radio changed since", [] { return WriteEndingText(Stopped(false)); },
     "Nothing was written: the radio changed since it was last read."},
    {"journal refused", [] { return WriteEndingText(Stopped(true)); },
     "Nothing was written: the write's journal could not be kept."},

    // Verify.
    {"verify holds", [] { return VerifyEndingText(TransferEnd::Completed, 0, 50); },
     "Verified in 50 s: the radio holds this document."},
    {"verify one field", [] { return VerifyEndingText(TransferEnd::Completed, 1, 50); },
     "Verified in 50 s: 1 field differs from this document."},
    {"verify fields", [] { return VerifyEndingText(TransferEnd::Completed, 4, 50); },
     "Verified in 50 s: 4 fields differ from this document."},
    {"verify cancelled", [] { return VerifyEndingText(TransferEnd::Cancelled, 4, 50); },
     "Verify cancelled."},
    {"verify failed", [] { return VerifyEndingText(TransferEnd::Failed, 0, 50); },
     "Verify failed; nothing was compared."},

    // CSV files; a name is told with its control characters made visible.
    {"exported", [] { return ExportEndingText(126, "club.csv"); },
     "Exported 126 channels to club.csv."},
    {"exported one", [] { return ExportEndingText(1, "a.csv"); }, "Exported 1 channel to a.csv."},
    {"export failed", [] { return ExportFailedText("a.csv"); },
     "Export failed: a.csv was not written."},
    {"control in name", [] { return ExportEndingText(2, "a\nb.csv"); },
     "Exported 2 channels to a\\x0ab.csv."},
    {"imported", [] { return ImportEndingText(12, "club.csv", true); },
     "Imported 12 channels from club.csv."},
    {"imported none", [] { return ImportEndingText(0, "club.csv", true); },
     "Nothing was imported from club.csv."},
    {"not a list", [] { return ImportEndingText(0, "x.csv", false); },
     "Import failed: x.csv is not a channel list."},
    {"unread", [] { return ImportUnreadText("x.csv"); }, "Import failed: x.csv could not be read."},
};

TEST(TransferNotesTest, ComposesWholeSentences) {
  for (const TextCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.compose(), c.expected);
  }
}

}  // namespace
}  // namespace quorvan
