#include "core/rules/CsvImportReport.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace quorvan {

namespace {

std::string CountText(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " row" : " rows");
}

}  // namespace

void CsvImportReport::Add(int line, std::vector<CsvRowNote> notes, std::string_view location) {
  if (notes.empty()) return;
  // Only a number is repeated from the file: a cell of any other bytes is not the report's.
  const bool number =
      !location.empty() && location.size() <= 6 &&
      std::all_of(location.begin(), location.end(), [](char c) { return c >= '0' && c <= '9'; });
  rows_.push_back({line, std::move(notes), number ? std::string(location) : std::string()});
}

std::set<std::string> CsvImportReport::GroupedTexts() const {
  std::map<std::string_view, int> rowsWith;
  std::set<std::string> grouped;
  for (const RowNotes& row : rows_) {
    std::set<std::string_view> seen;
    for (const CsvRowNote& note : row.notes) {
      if (note.perFile || (seen.insert(note.text).second && ++rowsWith[note.text] > 1)) {
        grouped.insert(note.text);
      }
    }
  }
  return grouped;
}

std::vector<std::string> CsvImportReport::GroupLines() const {
  const std::set<std::string> grouped = GroupedTexts();
  std::vector<std::string_view> order;
  std::map<std::string_view, std::vector<int>> linesOf;
  for (const RowNotes& row : rows_) {
    for (const CsvRowNote& note : row.notes) {
      if (grouped.count(note.text) == 0) continue;
      std::vector<int>& lines = linesOf[note.text];
      if (lines.empty()) order.push_back(note.text);
      if (lines.empty() || lines.back() != row.line) lines.push_back(row.line);
    }
  }
  std::vector<std::string> result;
  for (const std::string_view text : order) {
    const std::vector<int>& lines = linesOf[text];
    result.push_back(std::string(text) + ": " + CountText(lines.size()) + " (" +
                     RowListText(lines) + ")");
  }
  return result;
}

std::vector<std::string> CsvImportReport::RowLines() const {
  const std::set<std::string> grouped = GroupedTexts();
  std::vector<std::string> result;
  for (const RowNotes& row : rows_) {
    std::string line;
    for (const CsvRowNote& note : row.notes) {
      if (grouped.count(note.text) != 0) continue;
      if (line.empty()) {
        line = "line " + std::to_string(row.line);
        if (!row.location.empty()) line += ", Location " + row.location;
        line += ": ";
      } else {
        line += "; ";
      }
      line += note.text;
    }
    if (!line.empty()) result.push_back(line);
  }
  return result;
}

std::string CsvImportReport::Text() const {
  std::string text = CountText(static_cast<std::size_t>(imported)) + " imported";
  if (skipped > 0) text += ", " + std::to_string(skipped) + " skipped";
  text += ".\n";
  for (const std::string& line : GroupLines()) text += line + "\n";
  for (const std::string& line : RowLines()) text += line + "\n";
  return text;
}

std::string RowListText(const std::vector<int>& lines) {
  std::vector<int> sorted = lines;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  std::string text = sorted.size() == 1 ? "line " : "lines ";
  for (std::size_t i = 0; i < sorted.size();) {
    std::size_t end = i;
    while (end + 1 < sorted.size() && sorted[end + 1] == sorted[end] + 1) ++end;
    if (i > 0) text += ", ";
    text += std::to_string(sorted[i]);
    if (end > i) text += "-" + std::to_string(sorted[end]);
    i = end + 1;
  }
  return text;
}

}  // namespace quorvan
