#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/rules/CsvTable.h"

namespace quorvan {
namespace {

using Fields = std::vector<std::string>;

const std::vector<std::string_view> kRequired{"Location", "Frequency"};

struct DialectCase {
  const char* what;
  std::string text;
  Fields header;
  std::vector<Fields> rows;
};

TEST(CsvTableTest, ReadsEveryDialectOfTheChannelList) {
  const std::vector<DialectCase> cases{
      {"comma, LF", "Location,Frequency\n1,146.52\n", {"Location", "Frequency"}, {{"1", "146.52"}}},
      {"semicolon, CRLF",
       "Location;Name;Frequency\r\n1;A,B;146.52\r\n",
       {"Location", "Name", "Frequency"},
       {{"1", "A,B", "146.52"}}},
      {"byte-order mark",
       "\xEF\xBB\xBFLocation,Frequency\n2,145\n",
       {"Location", "Frequency"},
       {{"2", "145"}}},
      {"comments and blank lines",
       "# exported\n\nLocation,Frequency\n# note\n\n3,144\n",
       {"Location", "Frequency"},
       {{"3", "144"}}},
      {"quoted comma, quote and line break",
       "Location,Name,Frequency\n4,\"a,\"\"b\"\"\nc\",145\n",
       {"Location", "Name", "Frequency"},
       {{"4", "a,\"b\"\nc", "145"}}},
      {"blanks around fields",
       "Location , Frequency\n 5 , \" x \" \n",
       {"Location", "Frequency"},
       {{"5", " x "}}},
      {"short and empty fields",
       "Location,Frequency,Mode\n6,,\n7\n",
       {"Location", "Frequency", "Mode"},
       {{"6", "", ""}, {"7"}}},
      {"last line without a break",
       "Frequency,Location\n145,8",
       {"Frequency", "Location"},
       {{"145", "8"}}},
      {"CR only line ends",
       "Location,Frequency\r9,146\r",
       {"Location", "Frequency"},
       {{"9", "146"}}},
  };
  for (const DialectCase& c : cases) {
    SCOPED_TRACE(c.what);
    CsvTable table;
    std::string error;
    ASSERT_TRUE(ReadCsvTable(c.text, kRequired, table, &error)) << error;
    EXPECT_EQ(table.header, c.header);
    ASSERT_EQ(table.rows.size(), c.rows.size());
    for (std::size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(table.rows[i].fields, c.rows[i]);
  }
}

TEST(CsvTableTest, ColumnsAreFoundByNameInAnyCaseAndShortRowsReadEmpty) {
  CsvTable table;
  std::string error;
  ASSERT_TRUE(ReadCsvTable("frequency,LOCATION,Name\n145,1\n", kRequired, table, &error));
  EXPECT_EQ(table.Column("Location"), 1);
  EXPECT_EQ(table.Column("Frequency"), 0);
  EXPECT_EQ(table.Column("Mode"), -1);
  EXPECT_EQ(table.Cell(table.rows[0], table.Column("Name")), "");
  EXPECT_EQ(table.Cell(table.rows[0], -1), "");
}

TEST(CsvTableTest, RowsCarryTheSpreadsheetLineTheyStartOn) {
  CsvTable table;
  std::string error;
  ASSERT_TRUE(ReadCsvTable("# c\nLocation,Name,Frequency\n1,\"two\nlines\",145\n\n2,x,146\n",
                           kRequired, table, &error));
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].line, 3);
  EXPECT_EQ(table.rows[1].line, 6);
}

TEST(CsvTableTest, RefusesTextThatIsNotAChannelList) {
  const std::vector<std::pair<const char*, std::string>> cases{
      {"empty", ""},
      {"only comments", "# nothing\n# here\n"},
      {"no required columns", "Name,Mode\nA,FM\n"},
      {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
      {"open quote", "Location,Frequency\n1,\"145\n"},
      {"over-long line", "Location,Frequency\n1," + std::string(kCsvMaxRecordBytes + 1, '9')},
      {"over-long field",
       "Location,Frequency\n1,\"" + std::string(kCsvMaxFieldBytes + 1, '9') + "\"\n"},
      {"too many fields", "Location,Frequency\n" + std::string(kCsvMaxFields + 1, ',') + "\n"},
      {"too large", "Location,Frequency\n" + std::string(kCsvMaxBytes, '\n')},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    CsvTable table;
    std::string error;
    EXPECT_FALSE(ReadCsvTable(text, kRequired, table, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(CsvTableTest, WrittenLinesReadBackUnchanged) {
  const Fields fields{"Location", "Frequency",  "a,b",        "say \"hi\"", " lead",
                      "trail ",   "two\nlines", "semi;colon", "",           "#not a comment"};
  const std::string text = CsvLine(fields) + CsvLine({"#1", "2"});
  EXPECT_EQ(CsvLine({"1", "x"}), "1,x\r\n");
  CsvTable table;
  std::string error;
  ASSERT_TRUE(ReadCsvTable(text, kRequired, table, &error)) << error;
  EXPECT_EQ(table.header, fields);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].fields, (Fields{"#1", "2"}));
}

// Arbitrary bytes, biased towards the characters the reader treats specially, never crash it.
TEST(CsvTableTest, ArbitraryBytesNeverBreakTheReader) {
  std::mt19937 random(7);
  const std::string alphabet = "Location,Frequency;\"\r\n#\xEF\xBB\xBF 0\x80\xff";
  for (int round = 0; round < 2000; ++round) {
    std::string text = round % 2 == 0 ? "Location,Frequency\n" : "";
    const int length = static_cast<int>(random() % 200);
    for (int i = 0; i < length; ++i) {
      text +=
          round % 3 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
    }
    CsvTable table;
    std::string error;
    if (ReadCsvTable(text, kRequired, table, &error)) {
      EXPECT_GE(table.Column("Location"), 0);
      for (const CsvRow& row : table.rows) EXPECT_LE(row.fields.size(), kCsvMaxFields);
    } else {
      EXPECT_FALSE(error.empty());
    }
  }
}

}  // namespace
}  // namespace quorvan
