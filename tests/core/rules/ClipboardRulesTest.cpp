#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/RadioImage.h"
#include "core/rules/ClipboardRules.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

TEST(ClipboardBuffer, StartsEmpty) { EXPECT_TRUE(ClipboardBuffer{}.Empty()); }

TEST(ClipboardBuffer, HoldsUpTo99BytesAndIgnoresLongerText) {
  ClipboardBuffer buffer;
  const std::string fits(99, 'a');
  ASSERT_TRUE(buffer.Take(fits));
  EXPECT_EQ(buffer.Text(), fits);
  EXPECT_FALSE(buffer.Take(std::string(100, 'b')));
  EXPECT_EQ(buffer.Text(), fits);
}

TEST(ClipboardBuffer, TextEndsAtTheFirstNul) {
  ClipboardBuffer buffer;
  ASSERT_TRUE(buffer.Take(std::string("03,123,A\0junk", 13)));
  EXPECT_EQ(buffer.Text(), "03,123,A");
  // A long block is fine as long as its text fits.
  std::string block(200, 'x');
  block[40] = '\0';
  ASSERT_TRUE(buffer.Take(block));
  EXPECT_EQ(buffer.Text(), std::string(40, 'x'));
}

struct RowsCase {
  const char* what;
  std::string payload;
  std::vector<std::string> rows;
};

class ClipboardRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(ClipboardRows, SplitAtEachNul) {
  const RowsCase& c = GetParam();
  ClipboardBuffer buffer;
  ASSERT_TRUE(buffer.Take(c.payload));
  EXPECT_EQ(buffer.Rows(), c.rows);
  EXPECT_EQ(buffer.Text(), c.rows.front());
}

const std::string kRecordA(40, 'a');
const std::string kRecordB(60, 'b');

INSTANTIATE_TEST_SUITE_P(
    Table, ClipboardRows,
    ::testing::Values(
        RowsCase{"one record is one row", kRecordA + '\0', {kRecordA}},
        RowsCase{"two records and an empty one between",
                 ClipPayload({kRecordA, "", kRecordB}),
                 {kRecordA, "", kRecordB}},
        RowsCase{"empty rows at the end are dropped", kRecordA + std::string(3, '\0'), {kRecordA}},
        RowsCase{"a later text too long for a slot leaves the first record alone",
                 kRecordA + '\0' + std::string(100, 'c'),
                 {kRecordA}},
        RowsCase{"more rows than memory slots leave the first record alone",
                 ClipPayload(std::vector<std::string>(kMemorySlots + 1, kRecordA)),
                 {kRecordA}}),
    testing::ByCaseName());

TEST(ClipboardBuffer, OneRowPayloadIsTheRecordAndOneNul) {
  EXPECT_EQ(ClipPayload({kRecordA}), kRecordA + '\0');
}

TEST(ClipboardBuffer, EmptyPayloadEmptiesTheBuffer) {
  ClipboardBuffer buffer;
  ASSERT_TRUE(buffer.Take("03,1,A"));
  ASSERT_TRUE(buffer.Take(std::string_view("\0", 1)));
  EXPECT_TRUE(buffer.Empty());
}

const char* GridName(Grid grid) {
  switch (grid) {
    case Grid::Memory:
      return "memory";
    case Grid::Vfo:
      return "vfo";
    case Grid::Call:
      return "call";
    case Grid::Dtmf:
      return "dtmf";
    default:
      return "none";
  }
}

struct RowCase {
  Grid grid;
  int row;
  const char* label;
  int slot;
};

class TargetOfRowTable : public ::testing::TestWithParam<RowCase> {};

TEST_P(TargetOfRowTable, MapsTheSelectedRow) {
  const RowCase& c = GetParam();
  const EditTarget target = TargetOfRow(c.grid, c.row, c.label);
  EXPECT_EQ(target.slot, c.slot) << static_cast<int>(c.grid) << " row " << c.row;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TargetOfRowTable,
    ::testing::Values(RowCase{Grid::Memory, 1, "000", 0}, RowCase{Grid::Memory, 421, "Pr1", 420},
                      RowCase{Grid::Memory, 432, "I-0", 431}, RowCase{Grid::Memory, 433, "", -1},
                      RowCase{Grid::Memory, 0, " ch.", -1}, RowCase{Grid::Vfo, 3, "A_430MHz", 2},
                      RowCase{Grid::Vfo, 4, "B_AM", 4}, RowCase{Grid::Vfo, 12, "B_200MHz", 11},
                      RowCase{Grid::Call, 2, "430MHz", 2}, RowCase{Grid::Call, 1, "144MHz", 0},
                      RowCase{Grid::Dtmf, 10, "9", 9}, RowCase{Grid::Dtmf, 11, "", -1},
                      RowCase{Grid::None, 1, "000", -1}),
    [](const ::testing::TestParamInfo<RowCase>& p) {
      return quorvan::testing::CaseName(
          std::string(GridName(p.param.grid)) + " row " + std::to_string(p.param.row), p.index);
    });

struct CutDeleteCase {
  const char* type;
  EditTarget target;
  bool available;
};

class CutDeleteTable : public ::testing::TestWithParam<CutDeleteCase> {};

TEST_P(CutDeleteTable, FollowsGridAndDestination) {
  const CutDeleteCase& c = GetParam();
  const BandPlan plan = MakeDefaultBandPlan(c.type, kModelArven);
  EXPECT_EQ(CutDeleteAvailable(plan, c.target), c.available)
      << c.type << " grid " << static_cast<int>(c.target.grid) << " slot " << c.target.slot;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CutDeleteTable,
    ::testing::Values(CutDeleteCase{"KK,0F", {Grid::Memory, 0}, true},
                      CutDeleteCase{"KK,0F", {Grid::Memory, 421}, true},
                      CutDeleteCase{"KK,0F", {Grid::Memory, 422}, false},
                      CutDeleteCase{"KK,0F", {Grid::Memory, 431}, false},
                      CutDeleteCase{"JJ,01", {Grid::Memory, 425}, false},
                      CutDeleteCase{"ME,0B", {Grid::Memory, 422}, true},
                      CutDeleteCase{"MM,07", {Grid::Memory, 431}, true},
                      CutDeleteCase{"KK,0F", {Grid::Vfo, 0}, false},
                      CutDeleteCase{"ME,0B", {Grid::Call, 2}, false},
                      CutDeleteCase{"KK,0F", {Grid::Dtmf, 9}, true},
                      // Reachable, so that the command can say "Invalid function.".
                      CutDeleteCase{"KK,0F", {Grid::None, -1}, true}),
    [](const ::testing::TestParamInfo<CutDeleteCase>& p) {
      return quorvan::testing::CaseName(std::string(p.param.type) + " " +
                                            GridName(p.param.target.grid) + " " +
                                            std::to_string(p.param.target.slot),
                                        p.index);
    });

}  // namespace
}  // namespace quorvan
