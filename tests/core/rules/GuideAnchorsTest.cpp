// The anchors links of the user guide use to reach its headings.
#include <gtest/gtest.h>

#include "core/rules/GuideAnchors.h"

namespace quorvan {
namespace {

TEST(HeadingAnchors, LowerCaseHyphensForBlanksAndNoPunctuation) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Reading the radio", "reading-the-radio"},
      {"First start and the market choice", "first-start-and-the-market-choice"},
      {"Help > Help Topics", "help--help-topics"},
      {"Rows L0-U9, PR1/PR2 and I-1..I-0", "rows-l0-u9-pr1pr2-and-i-1i-0"},
      {"The command-line tool", "the-command-line-tool"},
      {"snake_case and 9600 bit/s", "snake_case-and-9600-bits"},
      {"Größe", "größe"},
      {"", ""},
  };
  for (const auto& [heading, anchor] : cases) {
    EXPECT_EQ(HeadingAnchors({heading}), std::vector<std::string>{anchor}) << heading;
  }
}

TEST(HeadingAnchors, RepeatedHeadingsAreNumberedInDocumentOrder) {
  EXPECT_EQ(HeadingAnchors({"Files", "Memory channels", "Files", "files", "Memory channels"}),
            (std::vector<std::string>{"files", "memory-channels", "files-1", "files-2",
                                      "memory-channels-1"}));
}

}  // namespace
}  // namespace quorvan
