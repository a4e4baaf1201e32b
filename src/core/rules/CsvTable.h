#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// Limits on what a channel-list file may hold; anything larger is not a channel list.
constexpr std::size_t kCsvMaxBytes = 4 * 1024 * 1024;
constexpr std::size_t kCsvMaxRecordBytes = 4096;
constexpr std::size_t kCsvMaxFieldBytes = 1024;
constexpr std::size_t kCsvMaxFields = 64;
constexpr std::size_t kCsvMaxRows = 10000;

struct CsvRow {
  int line = 0;  // the file line the row starts on, 1-based, as a spreadsheet numbers it
  std::vector<std::string> fields;
};

// A channel list as read: the header's names and the data rows below it.
struct CsvTable {
  char separator = ',';
  std::vector<std::string> header;
  std::vector<CsvRow> rows;

  // Column of a header name (compared without regard to letter case); -1 when absent.
  int Column(std::string_view name) const;
  // Field `column` of a row; empty when the column is absent or the row is short.
  std::string_view Cell(const CsvRow& row, int column) const;
};

// Reads comma- or semicolon-separated text with quoted fields ("" is a quote inside quotes,
// separators and line breaks inside quotes are data). A UTF-8 byte-order mark, blank lines
// and lines starting with "#" are skipped. The separator is the one that makes the header
// hold every name in `requiredColumns`. False with a message for text that is not such a
// table: too large, an over-long row or field, a quote left open, or no usable header.
bool ReadCsvTable(std::string_view text, const std::vector<std::string_view>& requiredColumns,
                  CsvTable& table, std::string* error);

// One line of fields joined by commas, each quoted when it holds a comma, a quote, a line
// break or leading/trailing blanks; ends with CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace quorvan
