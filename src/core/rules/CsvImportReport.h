#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// One remark about an imported row: a value the import adjusted, or why the row was left out.
struct CsvRowNote {
  std::string text;
  // Remarks about the file as a whole ("narrow FM stored as FM") are always given once, with
  // the rows they concern, however few those are.
  bool perFile = false;
};

// What an import did: how many rows were stored or left out, and every remark on them.
class CsvImportReport {
 public:
  int imported = 0;
  int skipped = 0;

  // The remarks on the row that starts on file line `line`, with its Location cell as the file
  // has it (left out unless it is a number); rows come in file order.
  void Add(int line, std::vector<CsvRowNote> notes, std::string_view location = {});

  // One line per remark that concerns the whole file or is the same for several rows, with
  // the count and the file lines ("narrow FM stored as FM: 50 rows (lines 2-51)"), in the order
  // the remarks first occur.
  std::vector<std::string> GroupLines() const;
  // One line per row for its remaining remarks, the row named by its file line and its
  // Location ("line 12, Location 11: 146.5225 MHz rounded to 146.520 MHz").
  std::vector<std::string> RowLines() const;
  // The summary line, the group lines, then the row lines, each ending in a line break.
  std::string Text() const;

 private:
  struct RowNotes {
    int line = 0;
    std::vector<CsvRowNote> notes;
    std::string location;  // digits only, or empty
  };
  // The remarks shown on group lines rather than on their rows' lines.
  std::set<std::string> GroupedTexts() const;

  std::vector<RowNotes> rows_;
};

// File lines as a spreadsheet user reads them: "row 7", "rows 2-51, 60".
std::string RowListText(const std::vector<int>& lines);

}  // namespace quorvan
