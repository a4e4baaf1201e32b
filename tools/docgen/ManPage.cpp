#include "ManPage.h"

#include <algorithm>
#include <cctype>

namespace quorvan {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::size_t Indent(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsBlank(std::string_view line) { return Trim(line).empty(); }

// "usage:" or "Usage:" followed by the synopsis; the lines that go on with it are indented
// at least as far as the synopsis starts.
constexpr std::size_t kUsageIndent = 7;
bool IsUsageLine(std::string_view line) {
  return StartsWith(line, "usage: ") || StartsWith(line, "Usage: ");
}

// An option with at most one value ("--port DEV", "-o FILE", "--scope all|memory|menu") or one
// word ("read").
// A placeholder after a command word: "N", "FILE.qvx", "N...".
bool IsPlaceholder(std::string_view word) {
  return !word.empty() && word.front() >= 'A' && word.front() <= 'Z' &&
         std::all_of(word.begin(), word.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                  (c >= 'a' && c <= 'z');
         });
}

bool IsTerm(std::string_view term) {
  if (term.empty()) return false;
  const auto blanks = std::count(term.begin(), term.end(), ' ');
  if (term.front() == '-') return term.size() > 1 && term[1] != ' ' && blanks <= 1;
  // A command word, with the placeholders of what it takes ("diff N M").
  const std::size_t blank = term.find(' ');
  if (blank == 0) return false;
  for (std::size_t at = blank; at != std::string_view::npos;) {
    const std::size_t next = term.find(' ', at + 1);
    if (!IsPlaceholder(
            term.substr(at + 1, next == std::string_view::npos ? next : next - at - 1))) {
      return false;
    }
    at = next;
  }
  return true;
}

// Splits "  TERM  text" at the first gap of two or more blanks. Without a gap, an indented line
// that is an option by itself is a term with its text on the following lines.
bool SplitTermLine(std::string_view line, std::string_view& term, std::string_view& text) {
  if (Indent(line) == 0) return false;
  const std::string_view rest = Trim(line);
  const std::size_t gap = rest.find("  ");
  if (gap == std::string_view::npos) {
    if (rest.front() != '-' || !IsTerm(rest)) return false;
    term = rest;
    text = {};
    return true;
  }
  term = rest.substr(0, gap);
  text = Trim(rest.substr(gap));
  return IsTerm(term);
}

// The term of a .TP item: options bold, their placeholders italic.
std::string FormatTerm(std::string_view term) {
  std::string out;
  bool first = true;
  while (!term.empty()) {
    const std::size_t blank = term.find(' ');
    const std::string_view word = term.substr(0, blank);
    if (!first) out += ' ';
    const bool bold = first || word.front() == '-';
    out += bold ? "\\fB" : "\\fI";
    out += RoffEscape(word);
    out += "\\fR";
    first = false;
    if (blank == std::string_view::npos) break;
    term.remove_prefix(blank + 1);
  }
  return out;
}

}  // namespace

HelpParts SplitHelp(std::string_view help, std::string_view program) {
  HelpParts parts;
  const std::vector<std::string_view> lines = Lines(help);
  std::size_t i = 0;
  for (; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (IsUsageLine(line)) {
      parts.synopsis.emplace_back(Trim(line.substr(kUsageIndent)));
    } else if (!parts.synopsis.empty() && Indent(line) >= kUsageIndent && !IsBlank(line)) {
      const std::string_view rest = Trim(line);
      if (StartsWith(rest, program) &&
          (rest.size() == program.size() || rest[program.size()] == ' ')) {
        parts.synopsis.emplace_back(rest);
      } else {
        parts.synopsis.back() += ' ';
        parts.synopsis.back() += rest;
      }
    } else {
      break;
    }
  }
  while (i < lines.size() && IsBlank(lines[i])) ++i;
  for (; i < lines.size(); ++i) {
    parts.body += lines[i];
    parts.body += '\n';
  }
  return parts;
}

std::string RoffEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (const char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
  return out;
}

std::string HelpBodyToRoff(std::string_view body) {
  std::string out;
  // What the last line opened: nothing yet, running text, or an item whose text may go on.
  enum class Open { Nothing, Text, Item } open = Open::Nothing;
  std::size_t itemIndent = 0;
  bool paragraphBreak = false;
  for (const std::string_view line : Lines(body)) {
    if (IsBlank(line)) {
      paragraphBreak = open != Open::Nothing;
      continue;
    }
    std::string_view term;
    std::string_view text;
    if (Indent(line) == 0 && line.back() == ':') {
      out += ".SS " + RoffEscape(line.substr(0, line.size() - 1)) + "\n";
      open = Open::Nothing;
    } else if (open == Open::Item && !paragraphBreak && Indent(line) > itemIndent) {
      out += RoffEscape(Trim(line)) + "\n";
    } else if (SplitTermLine(line, term, text)) {
      out += ".TP\n" + FormatTerm(term) + "\n";
      if (!text.empty()) out += RoffEscape(text) + "\n";
      open = Open::Item;
      itemIndent = Indent(line);
    } else {
      if (open != Open::Text || paragraphBreak) out += ".PP\n";
      out += RoffEscape(Trim(line)) + "\n";
      open = Open::Text;
    }
    paragraphBreak = false;
  }
  return out;
}

std::string RenderManPage(const ManPage& page) {
  std::string title(page.program);
  std::transform(title.begin(), title.end(), title.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const HelpParts help = SplitHelp(page.help, page.program);
  std::string out = ".\\\" Made from the program's --help text when it was built; edit that.\n";
  out += ".TH " + RoffEscape(title) + " 1 \"\" \"" + RoffEscape(page.source) +
         "\" \"User Commands\"\n";
  out += ".SH NAME\n" + RoffEscape(page.program) + " \\- " + RoffEscape(page.summary) + "\n";
  out += ".SH SYNOPSIS\n.nf\n";
  for (const std::string& line : help.synopsis) out += RoffEscape(line) + "\n";
  out += ".fi\n.SH DESCRIPTION\n" + HelpBodyToRoff(help.body);
  for (const auto& [sectionTitle, text] : page.sections) {
    out += ".SH " + RoffEscape(sectionTitle) + "\n" + text;
    if (!text.empty() && text.back() != '\n') out += '\n';
  }
  if (!page.seeAlso.empty()) {
    out += ".SH SEE ALSO\n";
    for (std::size_t i = 0; i < page.seeAlso.size(); ++i) {
      const std::string& ref = page.seeAlso[i];
      const std::size_t paren = std::min(ref.find('('), ref.size());
      out += ".BR " + RoffEscape(ref.substr(0, paren)) + " \"" + RoffEscape(ref.substr(paren)) +
             (i + 1 < page.seeAlso.size() ? ",\"\n" : "\"\n");
    }
  }
  return out;
}

}  // namespace quorvan
