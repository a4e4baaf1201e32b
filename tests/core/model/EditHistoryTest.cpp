// The undo history: steps taken back and made again exactly, the saved state followed through
// them, typing joined into one step, and the bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/EditHistory.h"

namespace quorvan {
namespace {

RadioImage Document() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

std::string Record(int slot, const std::string& name) {
  return MemoryChannelLabel(slot) + ",00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

// A user command on the document: what it changed goes into the history as one step.
struct Session {
  RadioImage image = Document();
  RadioImage recorded = image;
  EditHistory history;

  explicit Session(EditHistory h = EditHistory()) : history(std::move(h)) { history.Reset(true); }
  bool Command(const std::string& name, const std::string& mergeKey = {}) {
    const bool changed = history.Record(name, ImageChanges::Between(recorded, image), mergeKey);
    recorded = image;
    return changed;
  }
  void Store(int slot, const std::string& name) {
    image.Store(SlotKind::Memory, slot, Record(slot, name));
    Command("Edit " + MemoryChannelLabel(slot));
  }
  void Undo() {
    ASSERT_TRUE(history.Undo(image));
    recorded = image;
  }
  void Redo() {
    ASSERT_TRUE(history.Redo(image));
    recorded = image;
  }
};

// Every state along the way is reached again exactly, in both directions, and "modified"
// means "differs from the saved state" whichever way the user got there.
TEST(EditHistory, UndoAndRedoRestoreEveryStateAndFollowTheSavedOne) {
  Session s;
  std::vector<RadioImage> states{s.image};
  for (int slot : {3, 7, 3}) {
    s.Store(slot, "S" + std::to_string(states.size()));
    states.push_back(s.image);
  }
  s.history.MarkClean();  // saved after the third step
  EXPECT_EQ(s.history.UndoName(), "Edit 003");
  EXPECT_TRUE(s.history.RedoName().empty());

  for (int i = 2; i >= 0; --i) {
    s.Undo();
    EXPECT_EQ(s.image, states[static_cast<std::size_t>(i)]) << i;
    EXPECT_FALSE(s.history.AtClean()) << i;
  }
  EXPECT_FALSE(s.history.CanUndo());
  EXPECT_EQ(s.history.Undo(s.image), nullptr);
  EXPECT_EQ(s.history.RedoName(), "Edit 003");
  for (std::size_t i = 1; i <= 3; ++i) {
    s.Redo();
    EXPECT_EQ(s.image, states[i]) << i;
    EXPECT_EQ(s.history.AtClean(), i == 3) << i;
  }
  EXPECT_EQ(s.history.Redo(s.image), nullptr);
}

// A new step after undoing forgets what was undone; when the saved state was among it, no
// state is the saved one any more. A change of nothing is no step.
TEST(EditHistory, NewStepAfterUndoForgetsTheUndoneStepsAndTheirSavedState) {
  Session s;
  s.Store(1, "A");
  s.Store(2, "B");
  s.history.MarkClean();
  s.Undo();
  s.Store(5, "C");
  EXPECT_FALSE(s.history.CanRedo());
  EXPECT_EQ(s.history.StepCount(), 2u);
  EXPECT_FALSE(s.history.AtClean());
  s.Undo();
  s.Undo();
  EXPECT_FALSE(s.history.AtClean());

  EXPECT_FALSE(s.Command("Sort by Frequency"));
  EXPECT_EQ(s.history.StepCount(), 2u);
  EXPECT_TRUE(s.history.CanRedo());  // nothing was done, so nothing was forgotten
}

TEST(EditHistory, ResetStartsAFreshHistoryCleanOrNot) {
  for (const bool clean : {true, false}) {
    Session s;
    s.Store(1, "A");
    s.history.Reset(clean);
    EXPECT_FALSE(s.history.CanUndo());
    EXPECT_EQ(s.history.Bytes(), 0u);
    EXPECT_EQ(s.history.AtClean(), clean);
    s.Store(2, "B");
    s.Undo();
    EXPECT_EQ(s.history.AtClean(), clean);  // a radio read is saved nowhere
  }
}

// Typing into one field is one step until the field loses the focus; a save, an undo or a
// change elsewhere ends it too, and typing back to where it began leaves no step.
TEST(EditHistory, ChangesWithTheSameKeyJoinUntilTheMergeEnds) {
  struct Case {
    const char* what;
    int breakAfter;  // -1: no break; else 0 EndMerge, 1 MarkClean, 2 another step, 3 undo+redo
    std::size_t steps;
  };
  const Case cases[] = {
      {"typing joins", -1, 1}, {"focus lost", 0, 2},    {"saved", 1, 2},
      {"other step", 2, 3},    {"undo and redo", 3, 2},
  };
  for (const Case& c : cases) {
    Session s;
    const RadioImage start = s.image;
    s.image.SetComment("fi");
    s.Command("Edit Comment", "comment");
    switch (c.breakAfter) {
      case 0:
        s.history.EndMerge();
        break;
      case 1:
        s.history.MarkClean();
        break;
      case 2:
        s.Store(4, "X");
        break;
      case 3:
        s.Undo();
        s.Redo();
        break;
    }
    s.image.SetComment("field day");
    s.Command("Edit Comment", "comment");
    EXPECT_EQ(s.history.StepCount(), c.steps) << c.what;
    while (s.history.CanUndo()) s.Undo();
    EXPECT_EQ(s.image, start) << c.what;
  }

  Session back;
  back.image.SetComment("x");
  back.Command("Edit Comment", "comment");
  back.image.SetComment("");
  EXPECT_TRUE(back.Command("Edit Comment", "comment"));
  EXPECT_FALSE(back.history.CanUndo());
  EXPECT_EQ(back.history.Bytes(), 0u);
}

// At least 1000 steps are kept; past the bound the oldest goes, and a saved state that went
// with it can no longer be reached.
TEST(EditHistory, KeepsTheNewestThousandStepsAndDropsTheOldest) {
  Session s;
  const RadioImage start = s.image;
  for (int n = 0; n < 1000; ++n) s.Store(n % 400, "N" + std::to_string(n));
  EXPECT_EQ(s.history.StepCount(), 1000u);
  EXPECT_LE(s.history.Bytes(), EditHistory::kMaxBytes);
  s.history.ForgetClean();
  for (int n = 0; n < 1000; ++n) s.Undo();
  EXPECT_EQ(s.image, start);
  for (int n = 0; n < 1000; ++n) s.Redo();

  s.history.MarkClean();
  s.Undo();
  s.Redo();
  EXPECT_TRUE(s.history.AtClean());
  s.Store(401, "ONE MORE");
  EXPECT_EQ(s.history.StepCount(), 1000u);
  EXPECT_EQ(s.history.UndoCount(), 1000u);
  for (int n = 0; n < 1000; ++n) s.Undo();
  EXPECT_FALSE(s.history.CanUndo());
  // The oldest step (slot 000 to "N0") is gone: its slot stays as the first kept step left it.
  EXPECT_EQ(s.image.Record(SlotKind::Memory, 0), Record(0, "N0"));

  Session small(EditHistory(3, EditHistory::kMaxBytes));
  small.Store(1, "A");
  small.history.MarkClean();
  for (int n = 2; n <= 5; ++n) small.Store(n, "B");
  EXPECT_EQ(small.history.StepCount(), 3u);
  while (small.history.CanUndo()) small.Undo();
  EXPECT_FALSE(small.history.AtClean());  // the saved state went with the dropped step
}

}  // namespace
}  // namespace quorvan
