#include <gtest/gtest.h>

#include <vector>

#include "core/transfer/TransferCommands.h"

namespace quorvan {
namespace {

TEST(EchoLength, EveryReadStepDropsItsHeader) {
  const struct {
    int step;
    std::size_t length;
  } kCases[] = {{kStepVox, 7},
                {kStepIdentify, 3},
                {kStepType, 4},
                {kStepBandList, 3},
                {3, 5},
                {4, 9},
                {5, 8},
                {6, 5},
                {7, 8},
                {8, 7},
                {9, 5},
                {10, 9},
                {11, 8},
                {12, 5},
                {13, 9},
                {14, 8},
                {15, 7},
                {16, 7},
                {17, 3},
                {18, 3},
                {19, 5},
                {20, 6},
                {21, 3},
                {22, 7},
                {100, 3},
                {101, 4},
                {114, 4},
                {125, 5},
                {138, 5},
                {146, 4},
                {kStepCancelled, 7}};
  for (const auto& c : kCases) EXPECT_EQ(EchoLength(c.step), c.length) << "step " << c.step;
}

TEST(MenuSteps, RunInTableOrderAndEndAfterBat) {
  std::vector<int> order;
  for (int step = kStepFirstMenu; step >= 0; step = NextMenuStep(step)) order.push_back(step);
  std::vector<int> expected = {100, 101, 102};
  for (int step = 108; step <= 126; ++step) expected.push_back(step);
  for (int step = 137; step <= 146; ++step) expected.push_back(step);
  EXPECT_EQ(order, expected);
  EXPECT_EQ(FindMenuStep(114)->mnemonic, "MES");
  EXPECT_EQ(FindMenuStep(114)->item, 21);
  EXPECT_EQ(FindMenuStep(123)->item, 26);  // VXB
  EXPECT_EQ(FindMenuStep(103), nullptr);
}

TEST(NarrowBands, SkipFour) {
  EXPECT_EQ(NextNarrowBand(3), 5);
  EXPECT_EQ(NextNarrowBand(5), -1);
  EXPECT_EQ(NarrowItem(5), 39);
  EXPECT_EQ(NarrowItem(4), -1);
}

TEST(CollectReplyText, CutsEchoCrsNulsAndLength) {
  const std::string longReply = "MNA 000," + std::string(600, 'x') + "\r";
  const struct {
    std::string bytes;
    std::size_t echo;
    std::string expected;
  } kCases[] = {
      {"ID ARVEN\r", 3, "ARVEN"},
      {"ID ARVEN", 3, "ARVEN"},            // no CR
      {"\rID\r ARV\rEN\r\r", 3, "ARVEN"},  // CRs anywhere are dropped
      {std::string("ID A\0RVEN\r", 10), 3, "ARVEN"},
      {"ID\r", 3, ""},  // shorter than the header
      {"", 5, ""},
      {longReply, 8, std::string(249, 'x')},  // capped at the reply buffer
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CollectReplyText(c.bytes, c.echo, kReplyTextCapacity), c.expected);
  }
}

TEST(CommandHeader, IsTheTextBeforeTheFirstBlank) {
  EXPECT_EQ(CommandHeader("MW 0,005,00145000000"), "MW");
  EXPECT_EQ(CommandHeader("VOX 0"), "VOX");
  EXPECT_EQ(CommandHeader("BC 0"), "BC");
  EXPECT_EQ(CommandHeader("ID"), "ID");
}

TEST(DtmfCode, StarAndHashTravelAsEAndF) {
  EXPECT_EQ(DtmfCodeForRadio("12*#*"), "12EFE");
  EXPECT_EQ(DtmfCodeFromRadio("00,12EF"), "00,12*#");
}

}  // namespace
}  // namespace quorvan
