#include <gtest/gtest.h>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"

namespace quorvan {
namespace {

// The sentences with values, word for word as quorvan-cli and the English window show them.
TEST(MessagesTest, SentencesWithValuesReadAsBefore) {
  struct Case {
    std::string made;
    const char* expected;
  };
  const Case cases[] = {
      {ComparedWithReadText("9 Dec 2026 14:15"),
       "Compared with what the radio held after the read of 9 Dec 2026 14:15."},
      {ComparedWithJournalText("D"),
       "Compared with what the write of D was to leave; that write may not have ended, so what "
       "it wrote is checked first."},
      {ComparedWithFileText("a\x1b.qvx"), "Compared with a\\x1b.qvx."},
      {NothingChangedText("D"),
       "Nothing has changed since the last read or write of this radio (D); nothing was sent."},
      {UnreadableBaselineText("bad line 3"),
       "The newest backup of this radio cannot be read: bad line 3."},
      {UnreadableBaselineText("bad line 3."),
       "The newest backup of this radio cannot be read: bad line 3."},
      {FutureBaselineText("/b/x.qvx", "D"),
       "The newest backup of this radio is dated later than now (D; is the computer's clock "
       "right?): /b/x.qvx."},
      {StateNotKeptText("disk full"),
       "The radio was written, but what it now holds could not be kept: disk full. Read the "
       "radio once before the next write of changes."},
      {WriteChangesQuestion(1), "Write 1 changed item to the radio?"},
      {WriteChangesQuestion(3), "Write 3 changed items to the radio?"},
      {RestoreQuestion("D", 1),
       "Restore the radio to its state of D? 1 item differs from what it holds now."},
      {RestoreQuestion("D", 2),
       "Restore the radio to its state of D? 2 items differ from what it holds now."},
      {FileNotWrittenMessage("no room"), "The file could not be written: no room"},
      {LiveDiffersText(1), "The document differs from what the radio held in 1 item."},
      {LiveLeaveQuestion(2),
       "The radio may not hold 2 items of the document.\nThe next write of changes sends them. "
       "Leave live mode anyway?"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.made, c.expected);
}

TEST(MessagesTest, FillInPutsEachValueInItsPlaceOnce) {
  struct Case {
    const char* pattern;
    std::initializer_list<std::string_view> values;
    const char* expected;
  };
  const Case cases[] = {
      {"%2 before %1", {"one", "two"}, "two before one"},
      {"a value holding %2 stays: %1", {"%2"}, "a value holding %2 stays: %2"},
      {"%3 has no value, 100% stays", {"x"}, "%3 has no value, 100% stays"},
      {"trailing %", {}, "trailing %"},
      {"%1%1", {"ab"}, "abab"},
  };
  for (const Case& c : cases) EXPECT_EQ(FillIn(c.pattern, c.values), c.expected) << c.pattern;
}

}  // namespace
}  // namespace quorvan
