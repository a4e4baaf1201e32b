// The document's one door: every kind of change reaches the listeners once, with the items it
// changed, and the history and the saved state follow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/Document.h"

namespace quorvan {
namespace {

RadioImage NewImage() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

std::string Record(int slot, const std::string& name) {
  return MemoryChannelLabel(slot) + ",00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

// Everything a listener is told, in order: "Edit:Memory 3", "state".
struct Recorder : DocumentListener {
  std::vector<std::string> told;
  void DocumentChanged(ChangeKind kind, const ImageChanges& changes) override {
    static const char* const kNames[] = {"Edit", "Undo", "Redo", "Open", "New", "Read"};
    std::string line = kNames[static_cast<int>(kind)];
    for (const ItemChange& c : changes.Items()) {
      line += c.item.kind == ItemKind::Memory ? " m" : " x";
      line += std::to_string(c.item.index);
    }
    told.push_back(line);
  }
  void DocumentStateChanged() override { told.push_back("state"); }
};

Document::Edit StoreMemory(int slot, const std::string& name) {
  return
      [slot, name](RadioImage& image) { image.Store(SlotKind::Memory, slot, Record(slot, name)); };
}

TEST(Document, EveryKindOfChangeIsToldOnceWithItsItems) {
  struct Case {
    const char* what;
    void (*run)(Document&);
    std::vector<std::string> told;
    bool modified;
    std::size_t undoable;
  };
  const Case cases[] = {
      {"edit",
       [](Document& d) { d.Change("Edit 003", StoreMemory(3, "A")); },
       {"Edit m3", "state"},
       true,
       2},
      {"undo", [](Document& d) { d.Undo(); }, {"Undo m5", "state"}, false, 0},
      {"redo",
       [](Document& d) {
         d.Undo();
         d.Redo();
       },
       {"Undo m5", "state", "Redo m5", "state"},
       true,
       1},
      {"open",
       [](Document& d) {
         RadioImage image = NewImage();
         image.Store(SlotKind::Memory, 7, Record(7, "F"));
         d.Open(image, "/tmp/f.qvx");
       },
       {"Open m5 m7", "state"},
       false,
       0},
      {"new", [](Document& d) { d.New(NewImage()); }, {"New m5", "state"}, false, 0},
      {"read", [](Document& d) { d.Read(NewImage()); }, {"Read m5", "state"}, true, 0},
      {"edit that changes nothing",
       [](Document& d) { d.Change("Edit", [](RadioImage&) {}); },
       {},
       true,
       1},
  };
  for (const Case& c : cases) {
    Document document(NewImage());
    document.Change("Edit 005", StoreMemory(5, "B"));
    Recorder recorder;
    document.AddListener(&recorder);
    c.run(document);
    EXPECT_EQ(recorder.told, c.told) << c.what;
    EXPECT_EQ(document.Modified(), c.modified) << c.what;
    EXPECT_EQ(document.History().UndoCount(), c.undoable) << c.what;
    document.RemoveListener(&recorder);
  }
}

TEST(Document, UndoAndRedoRestoreTheImageByteForByte) {
  Document document(NewImage());
  const RadioImage before = document.Image();
  EXPECT_TRUE(document.Change(
      [](const ImageChanges& c) { return "Delete (" + std::to_string(c.Size()) + " rows)"; },
      [](RadioImage& image) {
        for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
          image.Store(SlotKind::Memory, slot, slot % 2 ? Record(slot, "X") : "");
        }
      }));
  const RadioImage after = document.Image();
  EXPECT_EQ(document.History().UndoName(), "Delete (200 rows)");
  EXPECT_TRUE(document.Undo());
  EXPECT_EQ(document.Image(), before);
  EXPECT_FALSE(document.Modified());
  EXPECT_TRUE(document.Redo());
  EXPECT_EQ(document.Image(), after);
  EXPECT_FALSE(document.Redo());
}

TEST(Document, TypingIsOneStepUntilItEnds) {
  Document document(NewImage());
  for (const char* comment : {"c", "cl", "clu"}) {
    document.Change(
        "Edit Comment", [comment](RadioImage& i) { i.SetComment(comment); }, "comment");
  }
  EXPECT_EQ(document.History().StepCount(), 1u);
  document.EndTyping();
  document.Change(
      "Edit Comment", [](RadioImage& i) { i.SetComment("club"); }, "comment");
  EXPECT_EQ(document.History().StepCount(), 2u);
}

TEST(Document, NameOriginAndSavedStateFollowOpenReadAndSave) {
  Document document(NewImage());
  Recorder recorder;
  document.AddListener(&recorder);
  document.Read(NewImage());
  EXPECT_TRUE(document.FromRadio());
  EXPECT_TRUE(document.Name().empty());
  document.MarkSaved("/tmp/saved.qvx");
  EXPECT_FALSE(document.FromRadio());
  EXPECT_EQ(document.Name(), "/tmp/saved.qvx");
  EXPECT_FALSE(document.Modified());
  document.SetModified(true);
  EXPECT_TRUE(document.Modified());
  document.Open(NewImage(), "/tmp/other.qvx");
  EXPECT_EQ(document.Name(), "/tmp/other.qvx");
  EXPECT_FALSE(document.Modified());
  const std::vector<std::string> told{"Read", "state", "state", "state", "Open", "state"};
  EXPECT_EQ(recorder.told, told);
}

// A listener that goes away while the document tells a change is not told any more.
TEST(Document, ListenerRemovedWhileTellingIsNotToldAgain) {
  Document document(NewImage());
  Recorder second;
  struct Leaving : Recorder {
    Document* document = nullptr;
    Recorder* other = nullptr;
    void DocumentChanged(ChangeKind kind, const ImageChanges& changes) override {
      Recorder::DocumentChanged(kind, changes);
      document->RemoveListener(other);
    }
  } first;
  first.document = &document;
  first.other = &second;
  document.AddListener(&first);
  document.AddListener(&second);
  document.Change("Edit 001", StoreMemory(1, "A"));
  EXPECT_EQ(first.told.size(), 2u);
  EXPECT_TRUE(second.told.empty());
}

}  // namespace
}  // namespace quorvan
