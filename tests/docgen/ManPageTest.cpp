// Help texts turned into manual pages, and quorvan-cli's page made from its command table.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "CliManPage.h"
#include "ManPage.h"

namespace quorvan {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(SplitHelp, UsageLinesBecomeTheSynopsisAndTheirContinuationsJoin) {
  struct Case {
    const char* help;
    std::vector<std::string> synopsis;
    std::string body;
  };
  const Case cases[] = {
      {"usage: prog COMMAND\n       prog --help\n\nText.\n",
       {"prog COMMAND", "prog --help"},
       "Text.\n"},
      {"usage: prog read --port DEV\n                 -o FILE\n  -o FILE  output\n",
       {"prog read --port DEV -o FILE"},
       "  -o FILE  output\n"},
      {"Usage: prog [options]\nA line.\n  --x  y\n", {"prog [options]"}, "A line.\n  --x  y\n"},
      // "program" is not "prog": a continuation. A line indented less is the body.
      {"usage: prog a\n       program b\n  -x  y\n", {"prog a program b"}, "  -x  y\n"},
      {"No usage here.\n", {}, "No usage here.\n"},
  };
  for (const Case& c : cases) {
    const HelpParts parts = SplitHelp(c.help, "prog");
    EXPECT_EQ(parts.synopsis, c.synopsis) << c.help;
    EXPECT_EQ(parts.body, c.body) << c.help;
  }
}

TEST(RoffEscape, BackslashesMinusAndLeadingControlCharactersAreLiteral) {
  EXPECT_EQ(RoffEscape("--port"), "\\-\\-port");
  EXPECT_EQ(RoffEscape("C:\\x"), "C:\\ex");
  EXPECT_EQ(RoffEscape(".qvx files"), "\\&.qvx files");
  EXPECT_EQ(RoffEscape("'quoted'"), "\\&'quoted'");
  EXPECT_EQ(RoffEscape("a.b"), "a.b");
}

TEST(HelpBodyToRoff, HeadingsItemsContinuationsAndParagraphs) {
  struct Case {
    const char* body;
    const char* roff;
  };
  const Case cases[] = {
      {"Options:\n", ".SS Options\n"},
      {"  --port DEV    the port\n", ".TP\n\\fB\\-\\-port\\fR \\fIDEV\\fR\nthe port\n"},
      {"  --split  pieces\n      and pauses\n", ".TP\n\\fB\\-\\-split\\fR\npieces\nand pauses\n"},
      // An option alone on its line, its text indented below.
      {"  --scope all|memory|menu\n        what to move\n",
       ".TP\n\\fB\\-\\-scope\\fR \\fIall|memory|menu\\fR\nwhat to move\n"},
      // A command word with its summary.
      {"  read      read the radio\n", ".TP\n\\fBread\\fR\nread the radio\n"},
      // A command word with what it takes.
      {"  diff N M      compare\n", ".TP\n\\fBdiff\\fR \\fIN\\fR \\fIM\\fR\ncompare\n"},
      // An indented sentence is running text, also right after an item.
      {"  -o F  out\n  The rest is text.\n",
       ".TP\n\\fB\\-o\\fR \\fIF\\fR\nout\n.PP\nThe rest is text.\n"},
      // A sentence with a double blank is no item unless it starts like one.
      {"  Each row is read.  Then stored.\n", ".PP\nEach row is read.  Then stored.\n"},
      // An option with a long tail is not a term.
      {"  --limits L0;...;L14 the fifteen limits\n",
       ".PP\n\\-\\-limits L0;...;L14 the fifteen limits\n"},
      {"One.\nTwo.\n\nThree.\n", ".PP\nOne.\nTwo.\n.PP\nThree.\n"},
      {"Exit status: 0 success.\n", ".PP\nExit status: 0 success.\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpBodyToRoff(c.body), c.roff) << c.body;
}

TEST(RenderManPage, NameSynopsisDescriptionSectionsAndSeeAlso) {
  const ManPage page{"quorvan-radiosim",     "a virtual radio",
                     "Quorvan 9.9",          "Usage: quorvan-radiosim [options]\nA radio.\n",
                     {{"EXAMPLES", "text"}}, {"quorvan(1)", "quorvan-cli(1)"}};
  const std::string roff = RenderManPage(page);
  EXPECT_TRUE(Contains(roff, ".TH QUORVAN\\-RADIOSIM 1 \"\" \"Quorvan 9.9\" \"User Commands\"\n"))
      << roff;
  EXPECT_TRUE(Contains(roff, ".SH NAME\nquorvan\\-radiosim \\- a virtual radio\n")) << roff;
  EXPECT_TRUE(Contains(roff, ".SH SYNOPSIS\n.nf\nquorvan\\-radiosim [options]\n.fi\n")) << roff;
  EXPECT_TRUE(Contains(roff, ".SH DESCRIPTION\n.PP\nA radio.\n.SH EXAMPLES\ntext\n")) << roff;
  EXPECT_TRUE(Contains(roff, ".SH SEE ALSO\n.BR quorvan \"(1),\"\n.BR quorvan\\-cli \"(1)\"\n"))
      << roff;
}

TEST(CliManPage, ListsEveryCommandOfTheTableWithItsOptions) {
  std::ostringstream help;
  PrintHelp(help);
  const std::string roff = RenderManPage(CliManPage(CommandTable(), help.str(), "Quorvan 1"));
  ASSERT_GE(CommandTable().size(), 9u);
  for (const CliCommand* command : CommandTable()) {
    const std::string name = RoffEscape(command->name);
    // In the command list of --help, and as a section of its own.
    EXPECT_TRUE(Contains(roff, ".TP\n\\fB" + name + "\\fR\n" + RoffEscape(command->summary)))
        << command->name;
    EXPECT_TRUE(Contains(roff, ".SS " + name + "\n")) << command->name;
    for (const CliOption& option : command->options) {
      EXPECT_TRUE(Contains(roff, "\\fB" + RoffEscape(option.name) + "\\fR"))
          << command->name << " " << option.name;
    }
  }
}

}  // namespace
}  // namespace quorvan
