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

std::string Utf16(std::string_view text, bool bigEndian, bool mark) {
  std::string bytes = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (const char c : text) {
    bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return bytes;
}

TEST(CsvTableTest, RefusesTextThatIsNotAChannelListSayingWhy) {
  const struct {
    const char* what;
    std::string text;
    const char* reason;  // part of the message
  } cases[] = {
      {"empty", "", "no header line"},
      {"only comments", "# nothing\n# here\n", "no header line"},
      {"no required columns", "Name,Mode\nA,FM\n", "no header line naming the columns"},
      {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), ""},
      {"open quote", "Location,Frequency\n1,\"145\n", "line 2: a quoted field is not closed"},
      {"over-long line", "Location,Frequency\n1," + std::string(kCsvMaxRecordBytes + 1, '9'),
       "line 2 is longer than"},
      {"over-long field",
       "Location,Frequency\n1,\"" + std::string(kCsvMaxFieldBytes + 1, '9') + "\"\n",
       "a field is longer than"},
      {"too many fields", "Location,Frequency\n" + std::string(kCsvMaxFields + 1, ',') + "\n",
       "fields"},
      {"too large", "Location,Frequency\n" + std::string(kCsvMaxBytes, '\n'), "larger than"},
      // Which of two columns of one name holds the values is anybody's guess.
      {"a column twice", "Location,Frequency,Name,name\n1,145,A,B\n",
       "the column \"name\" is there twice"},
      {"a column twice, semicolons", "Location;Frequency;Frequency\n1;145;146\n",
       "the column \"Frequency\" is there twice"},
      {"UTF-16 with its mark", Utf16("Location,Frequency\r\n1,145\r\n", false, true),
       "save the list as UTF-8"},
      {"UTF-16 big-endian", Utf16("Location,Frequency\r\n1,145\r\n", true, true),
       "save the list as UTF-8"},
      {"UTF-16 without a mark", Utf16("Location,Frequency\r\n1,145\r\n", false, false),
       "save the list as UTF-8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CsvTable table;
    std::string error;
    EXPECT_FALSE(ReadCsvTable(c.text, kRequired, table, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  // Columns without a name, such as those a trailing separator makes, may repeat.
  CsvTable table;
  EXPECT_TRUE(ReadCsvTable("Location,Frequency,,\n1,145,,\n", kRequired, table, nullptr));
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
