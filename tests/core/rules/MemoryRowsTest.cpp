#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "core/rules/MemoryRows.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

std::string Channel(const std::string& label, const std::string& name) {
  return label + ",00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

// Slot -> name of the channel held there; every other slot is empty.
using Rows = std::map<int, std::string>;

RadioImage ImageWith(const Rows& rows) {
  RadioImage image;
  for (const auto& [slot, name] : rows) {
    image.Store(SlotKind::Memory, slot, Channel(MemoryChannelLabel(slot), name));
  }
  return image;
}

struct RowCase {
  const char* what;
  Rows before;
  std::function<bool(RadioImage&, std::string*)> run;
  bool done;
  Rows after;  // when not done: the rows stay as they were
  std::string error = {};
};

class MemoryRowsTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(MemoryRowsTest, MovesOrdinaryRowsRenumberedAndNothingElse) {
  const RowCase& c = GetParam();
  RadioImage image = ImageWith(c.before);
  std::string error;
  EXPECT_EQ(c.run(image, &error), c.done);
  const Rows& expected = c.done ? c.after : c.before;
  const RadioImage wanted = ImageWith(expected);
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    EXPECT_EQ(image.Record(SlotKind::Memory, slot), wanted.Record(SlotKind::Memory, slot))
        << "slot " << slot;
  }
  EXPECT_EQ(error, c.error);
}

bool Insert(RadioImage& image, int slot, std::string* error) {
  return InsertMemoryRow(image, slot, error);
}

const RowCase kRowCases[] = {
    {"InsertShiftsDown",
     {{4, "A"}, {5, "B"}, {6, "C"}, {400, "EDGE"}},
     [](RadioImage& i, std::string* e) { return Insert(i, 5, e); },
     true,
     {{4, "A"}, {6, "B"}, {7, "C"}, {400, "EDGE"}}},
    {"InsertWithLastSlotUsed",
     {{5, "B"}, {399, "LAST"}},
     [](RadioImage& i, std::string* e) { return Insert(i, 5, e); },
     false,
     {},
     std::string(kLastMemoryInUseMessage)},
    {"InsertOnTheLastSlotWhenEmpty",
     {{398, "A"}},
     [](RadioImage& i, std::string* e) { return Insert(i, 399, e); },
     true,
     {{398, "A"}}},
    {"InsertRefusedOnScanEdge",
     {{400, "EDGE"}},
     [](RadioImage& i, std::string* e) { return Insert(i, 400, e); },
     false,
     {}},
    {"RemoveShiftsUpAndEmptiesTheLast",
     {{4, "A"}, {5, "B"}, {6, "C"}, {399, "LAST"}, {420, "PRIO"}},
     [](RadioImage& i, std::string*) { return RemoveMemoryRow(i, 5); },
     true,
     {{4, "A"}, {5, "C"}, {398, "LAST"}, {420, "PRIO"}}},
    {"RemoveRefusedOnInformationChannel",
     {{422, "INFO"}},
     [](RadioImage& i, std::string*) { return RemoveMemoryRow(i, 422); },
     false,
     {}},
    {"BlockUpTakesTheRowAboveBelowIt",
     {{4, "X"}, {5, "A"}, {6, "B"}},
     [](RadioImage& i, std::string*) { return MoveMemoryRows(i, 5, 6, -1); },
     true,
     {{4, "A"}, {5, "B"}, {6, "X"}}},
    {"BlockDownOverAnEmptyRow",
     {{5, "A"}, {6, "B"}},
     [](RadioImage& i, std::string*) { return MoveMemoryRows(i, 5, 6, 1); },
     true,
     {{6, "A"}, {7, "B"}}},
    {"BlockUpRefusedAtTheTop",
     {{0, "A"}, {1, "B"}},
     [](RadioImage& i, std::string*) { return MoveMemoryRows(i, 0, 1, -1); },
     false,
     {}},
    {"BlockDownRefusedBeforeTheScanEdges",
     {{399, "A"}, {400, "EDGE"}},
     [](RadioImage& i, std::string*) { return MoveMemoryRows(i, 399, 399, 1); },
     false,
     {}},
    {"PriorityChannelNeverMoves",
     {{420, "PRIO"}},
     [](RadioImage& i, std::string*) { return MoveMemoryRows(i, 420, 420, -1); },
     false,
     {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, MemoryRowsTest, ::testing::ValuesIn(kRowCases),
                         testing::ByCaseName());

TEST(MemoryRows, RecordWithoutFrequencyMovesAsItStands) {
  RadioImage image;
  image.Store(SlotKind::Memory, 10, "garbage");
  ASSERT_TRUE(MoveMemoryRows(image, 10, 10, 1));
  EXPECT_EQ(image.Record(SlotKind::Memory, 11), "garbage");
  EXPECT_TRUE(image.Record(SlotKind::Memory, 10).empty());
}

}  // namespace
}  // namespace quorvan
