#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvan {

// A program's --help text taken apart: the synopsis lines (after "usage:", continuation lines
// joined) and the rest.
struct HelpParts {
  std::vector<std::string> synopsis;
  std::string body;
};

// The usage lines at the top of a help text. A line indented under the synopsis that starts with
// the program's name is a synopsis of its own; any other line indented that far continues the
// last one.
HelpParts SplitHelp(std::string_view help, std::string_view program);

// Text for a roff line: backslashes, minus signs and a leading dot or quote made literal.
std::string RoffEscape(std::string_view text);

// The body of a help text as man(7) markup:
//   "Heading:"            a line at the left margin ending in a colon -> .SS Heading
//   "  TERM  text"        an indented term, two blanks, its text     -> .TP with the term bold
//   "        more text"   indented deeper than the term              -> continues its text
//   any other line        running text; an empty line starts a new paragraph
// A term is an option ("--port DEV", "-o FILE") or a single word ("read").
std::string HelpBodyToRoff(std::string_view body);

struct ManPage {
  std::string program;  // "quorvan-cli"
  std::string summary;  // the NAME line after the dash
  std::string source;   // "Quorvan 0.1.0"
  std::string help;     // the program's --help text
  // Sections after DESCRIPTION, already in roff: title and text.
  std::vector<std::pair<std::string, std::string>> sections;
  std::vector<std::string> seeAlso;  // "quorvan(1)"
};

// A section 1 manual page.
std::string RenderManPage(const ManPage& page);

}  // namespace quorvan
