#include "core/rules/CsvTable.h"

#include <algorithm>
#include <cctype>

#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Splits the text into records, each a list of raw fields, for one separator.
class RecordReader {
 public:
  RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

  // False at the end of the text. `error` is set (and false returned) on malformed input.
  bool Next(CsvRow& row, std::string& error) {
    for (;;) {
      if (pos_ >= text_.size()) return false;
      const char first = text_[pos_];
      if (first == '\r' || first == '\n') {
        SkipLineBreak();
        continue;
      }
      if (first == '#') {
        SkipToLineEnd();
        continue;
      }
      return ReadRecord(row, error);
    }
  }

 private:
  void SkipLineBreak() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  void SkipToLineEnd() {
    while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
    if (pos_ < text_.size()) SkipLineBreak();
  }

  bool ReadRecord(CsvRow& row, std::string& error) {
    row.line = line_;
    row.fields.clear();
    const std::size_t start = pos_;
    std::string field;
    bool quoted = false;
    bool wasQuoted = false;
    for (;;) {
      if (pos_ - start > kCsvMaxRecordBytes) {
        error = "line " + std::to_string(row.line) + " is longer than " +
                std::to_string(kCsvMaxRecordBytes) + " bytes";
        return false;
      }
      if (pos_ >= text_.size()) {
        if (quoted) {
          error = "line " + std::to_string(row.line) + ": a quoted field is not closed";
          return false;
        }
        return Push(row, field, wasQuoted, error);
      }
      const char c = text_[pos_];
      if (quoted) {
        if (c == '"') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            field += '"';
            pos_ += 2;
          } else {
            quoted = false;
            ++pos_;
          }
          continue;
        }
        if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) {
          ++line_;
        }
        field += c;
        ++pos_;
        continue;
      }
      if (c == '"' && Trimmed(field).empty()) {
        // A quote opening the field; blanks before it are not part of the data.
        field.clear();
        quoted = true;
        wasQuoted = true;
        ++pos_;
        continue;
      }
      if (c == separator_) {
        if (!Push(row, field, wasQuoted, error)) return false;
        wasQuoted = false;
        ++pos_;
        continue;
      }
      if (c == '\r' || c == '\n') {
        SkipLineBreak();
        return Push(row, field, wasQuoted, error);
      }
      if (wasQuoted && (c == ' ' || c == '\t')) {
        ++pos_;  // blanks after the closing quote
        continue;
      }
      field += c;
      ++pos_;
    }
  }

  bool Push(CsvRow& row, std::string& field, bool wasQuoted, std::string& error) {
    if (field.size() > kCsvMaxFieldBytes) {
      error = "line " + std::to_string(row.line) + ": a field is longer than " +
              std::to_string(kCsvMaxFieldBytes) + " bytes";
      return false;
    }
    if (row.fields.size() >= kCsvMaxFields) {
      error = "line " + std::to_string(row.line) + " has more than " +
              std::to_string(kCsvMaxFields) + " fields";
      return false;
    }
    // Unquoted fields lose surrounding blanks; quoted ones keep what the quotes enclose.
    row.fields.emplace_back(wasQuoted ? std::string_view(field) : Trimmed(field));
    field.clear();
    return true;
  }

  std::string_view text_;
  char separator_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// A byte-order mark of UTF-16 (or UTF-32), or the NULs every other byte of UTF-16 text has.
bool IsUtf16(std::string_view text) {
  if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF") return true;
  const std::string_view start = text.substr(0, 64);
  return start.size() >= 2 && start.find('\0') != std::string_view::npos &&
         std::count(start.begin(), start.end(), '\0') * 3 >= static_cast<long>(start.size());
}

// The second of two header cells that name the same column, or null. Unnamed columns (a
// trailing separator) may repeat.
const std::string* RepeatedColumn(const CsvTable& table) {
  for (std::size_t i = 0; i < table.header.size(); ++i) {
    if (table.header[i].empty()) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (EqualNoCase(table.header[i], table.header[j])) return &table.header[i];
    }
  }
  return nullptr;
}

bool HasColumns(const CsvTable& table, const std::vector<std::string_view>& required) {
  return std::all_of(required.begin(), required.end(),
                     [&](std::string_view name) { return table.Column(name) >= 0; });
}

// Reads the whole text with one separator; false with `error` when the text is malformed.
bool ReadWith(std::string_view text, char separator, CsvTable& table, std::string& error) {
  table = CsvTable{};
  table.separator = separator;
  RecordReader reader(text, separator);
  CsvRow row;
  if (!reader.Next(row, error)) return false;
  table.header = std::move(row.fields);
  while (reader.Next(row, error)) {
    if (table.rows.size() >= kCsvMaxRows) {
      error = "the file holds more than " + std::to_string(kCsvMaxRows) + " rows";
      return false;
    }
    table.rows.push_back(std::move(row));
    row = CsvRow{};
  }
  return error.empty();
}

}  // namespace

int CsvTable::Column(std::string_view name) const {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (EqualNoCase(header[i], name)) return static_cast<int>(i);
  }
  return -1;
}

std::string_view CsvTable::Cell(const CsvRow& row, int column) const {
  if (column < 0 || static_cast<std::size_t>(column) >= row.fields.size()) return {};
  return row.fields[static_cast<std::size_t>(column)];
}

bool ReadCsvTable(std::string_view text, const std::vector<std::string_view>& requiredColumns,
                  CsvTable& table, std::string* error) {
  const auto fail = [error](std::string reason) {
    if (error) *error = std::move(reason);
    return false;
  };
  if (text.size() > kCsvMaxBytes) {
    return fail("the file is larger than " + std::to_string(kCsvMaxBytes / (1024 * 1024)) + " MB");
  }
  if (IsUtf16(text)) return fail("the file is UTF-16 text; save the list as UTF-8");
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  std::string firstError;
  for (const char separator : {',', ';'}) {
    std::string attempt;
    CsvTable candidate;
    const bool read = ReadWith(text, separator, candidate, attempt);
    if (read && HasColumns(candidate, requiredColumns)) {
      if (const std::string* twice = RepeatedColumn(candidate)) {
        return fail("the column \"" + EscapeControls(*twice) + "\" is there twice");
      }
      table = std::move(candidate);
      return true;
    }
    if (firstError.empty() && !attempt.empty()) firstError = attempt;
  }
  if (!firstError.empty()) return fail(firstError);
  std::string names;
  for (const std::string_view name : requiredColumns) {
    names += (names.empty() ? "" : ", ") + std::string(name);
  }
  return fail("no header line naming the columns " + names);
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& f = fields[i];
    const bool needsQuotes =
        f.find_first_of(",;\"\r\n") != std::string::npos ||
        (!f.empty() && (f.front() == ' ' || f.back() == ' ' || f.front() == '\t' ||
                        f.back() == '\t' || (i == 0 && f.front() == '#')));
    if (!needsQuotes) {
      line += f;
      continue;
    }
    line += '"';
    for (const char c : f) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  line += "\r\n";
  return line;
}

}  // namespace quorvan
