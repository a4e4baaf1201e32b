// quorvan-cli's command table against its help texts: what the parser accepts, what the
// completion offers and what the usage says must be the same options.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "cli/DocumentOptions.h"

namespace quorvan {
namespace {

bool Contains(std::string_view text, const std::string& part) {
  return text.find(part) != std::string_view::npos;
}

// The help a user gets for a command: its usage, and the shared option lines of --help.
std::string UsageWithSharedHelp(const CliCommand& command) {
  return std::string(command.usage) + std::string(kTransferOptionsHelp) + DocumentOptionsHelp();
}

TEST(CliTable, EveryDeclaredOptionAndOperandIsInTheUsageAsWritten) {
  for (const CliCommand* command : CommandTable()) {
    const std::string help = UsageWithSharedHelp(*command);
    for (const CliOption& option : command->options) {
      const std::string written =
          std::string(option.name) + (option.TakesValue() ? " " + std::string(option.value) : "");
      EXPECT_TRUE(Contains(command->usage, std::string(option.name)))
          << command->name << ": usage lacks " << option.name;
      EXPECT_TRUE(Contains(help, written)) << command->name << ": help lacks \"" << written << "\"";
    }
    for (const std::string_view operand : command->operands) {
      EXPECT_TRUE(Contains(command->usage, std::string(operand)))
          << command->name << ": usage lacks " << operand;
    }
  }
}

TEST(CliTable, EveryOptionTheUsageShowsIsDeclared) {
  const std::regex optionToken(R"((^|[\s\[|])(--?[a-z][a-z0-9-]*))");
  for (const CliCommand* command : CommandTable()) {
    std::set<std::string> declared;
    for (const CliOption& option : command->options) declared.emplace(option.name);
    const std::string usage(command->usage);
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), optionToken);
         it != std::sregex_iterator(); ++it) {
      EXPECT_EQ(declared.count((*it)[2].str()), 1u)
          << command->name << ": " << (*it)[2].str() << " is in the usage but not in the table";
    }
  }
}

TEST(CliTable, TheParserAcceptsExactlyTheDeclaredOptions) {
  for (const CliCommand* command : CommandTable()) {
    std::vector<std::string> args;
    for (const CliOption& option : command->options) {
      args.emplace_back(option.name);
      if (option.TakesValue()) args.emplace_back("value");
    }
    CommandArgs parsed;
    std::string problem;
    EXPECT_TRUE(ParseCommandArgs(args, command->options, parsed, problem))
        << command->name << ": " << problem;
    EXPECT_EQ(parsed.options.size(), command->options.size()) << command->name;
    EXPECT_FALSE(ParseCommandArgs({"--no-such-option"}, command->options, parsed, problem));
    EXPECT_EQ(problem, "unknown option --no-such-option");
  }
}

// The argument lines of every usage and of the shared help: a term indented by two or four
// blanks and its text starting in column 16, or a term alone with its text on the next line
// there. Deeper lines continue a text and are left alone.
TEST(CliTable, HelpTextsAreAlignedInColumnSixteen) {
  constexpr std::size_t kTextColumn = 16;
  std::vector<std::string> texts{std::string(kTransferOptionsHelp), DocumentOptionsHelp()};
  for (const CliCommand* command : CommandTable()) texts.emplace_back(command->usage);
  for (const std::string& text : texts) {
    std::istringstream lines(text);
    std::string line;
    bool textDue = false;
    while (std::getline(lines, line)) {
      const std::size_t indent = line.find_first_not_of(' ');
      if (textDue) {
        EXPECT_EQ(indent, kTextColumn) << line;
        textDue = false;
        continue;
      }
      if (line.rfind("usage: ", 0) == 0 || (indent != 2 && indent != 4)) continue;
      const std::size_t gap = line.find("  ", indent);
      if (gap != std::string::npos) {
        EXPECT_EQ(line.find_first_not_of(' ', gap), kTextColumn) << line;
      } else if (line[indent] == '-') {
        textDue = true;  // an option whose text is on the next line
      }
    }
  }
}

// Each command ends its usage with one example, which the command's own parser accepts.
TEST(CliTable, EveryUsageEndsWithAnExampleThatParses) {
  for (const CliCommand* command : CommandTable()) {
    const std::string usage(command->usage);
    const std::string start = "\n  Example: quorvan-cli " + std::string(command->name);
    const std::size_t at = usage.rfind(start);
    ASSERT_NE(at, std::string::npos) << command->name;
    std::string example = usage.substr(at + start.size());
    ASSERT_EQ(example.find('\n'), example.size() - 1) << command->name << ": not the last line";
    example = example.substr(0, std::min(example.find('>'), example.size() - 1));
    std::istringstream words(example);
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);
    CommandArgs parsed;
    std::string problem;
    EXPECT_TRUE(ParseCommandArgs(args, command->options, parsed, problem))
        << command->name << ": " << problem;
    const auto& operands = command->operands;
    if (!operands.empty() && IsRepeatedOperand(operands.back())) {
      EXPECT_GE(parsed.positionals.size(), operands.size() - 1) << command->name;
    } else {
      EXPECT_EQ(parsed.positionals.size(), operands.size()) << command->name;
    }
  }
}

// The market table of the user guide is the program's own.
TEST(UserGuide, ListsTheMarketsOfTheSetupTable) {
  std::ifstream file(QUORVAN_USER_GUIDE);
  ASSERT_TRUE(file.good()) << QUORVAN_USER_GUIDE;
  const std::string guide((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  for (const SetupChoice& choice : kSetupChoices) {
    const std::string row = std::string("\n| ") + choice.caption + " | " + choice.market + " | `" +
                            choice.type + "` | `" + choice.model + "` |";
    EXPECT_NE(guide.find(row), std::string::npos) << row;
  }
}

TEST(CommandArgs, FlagsTakeNoValueAndValuesMayLookLikeAnything) {
  const std::vector<CliOption> known{{"--quiet", ""}, {"-o", "OUT"}};
  CommandArgs parsed;
  std::string problem;
  ASSERT_TRUE(
      ParseCommandArgs({"--quiet", "a", "-o", "-", "--", "--quiet"}, known, parsed, problem))
      << problem;
  EXPECT_EQ(parsed.Option("--quiet"), std::string());
  EXPECT_EQ(parsed.Option(known[1]), std::string("-"));
  EXPECT_EQ(parsed.positionals, (std::vector<std::string>{"a", "--quiet"}));

  EXPECT_FALSE(ParseCommandArgs({"--quiet", "--quiet"}, known, parsed, problem));
  EXPECT_EQ(problem, "option --quiet given twice");
  EXPECT_FALSE(ParseCommandArgs({"-o"}, known, parsed, problem));
  EXPECT_EQ(problem, "option -o needs a value");
}

TEST(ValueWords, ChoicesTypeCodesModelsAndFreeValues) {
  EXPECT_EQ(ValueWords("all|memory|menu"), (std::vector<std::string>{"all", "memory", "menu"}));
  EXPECT_EQ(ValueWords("frequency|name"), (std::vector<std::string>{"frequency", "name"}));
  EXPECT_EQ(ValueWords("CODE"), (std::vector<std::string>{"KK,0F", "ME,0B", "JJ,01", "MM,07"}));
  EXPECT_EQ(ValueWords("ID"), (std::vector<std::string>{"ARVEN", "BELTO", "CIRRA"}));
  EXPECT_TRUE(ValueWords("FILE.qvx").empty());
  EXPECT_TRUE(ValueWords("DEV").empty());
  EXPECT_EQ(ValueExtension("FILE.qvx"), "qvx");
  EXPECT_EQ(ValueExtension("OUT.pdf"), "pdf");
  EXPECT_EQ(ValueExtension("DEV"), "");
  EXPECT_EQ(ValueExtension(".hidden"), "");
  EXPECT_EQ(ValueExtension("FILE."), "");
  EXPECT_TRUE(IsDeviceValue("DEV"));
  EXPECT_FALSE(IsDeviceValue("FILE.qvx"));
  EXPECT_TRUE(IsRepeatedOperand("DEV..."));
  EXPECT_FALSE(IsRepeatedOperand("FILE.qvx"));
  EXPECT_FALSE(IsRepeatedOperand("..."));
  EXPECT_EQ(OperandPlaceholder("DEV..."), "DEV");
  EXPECT_EQ(OperandPlaceholder("IN.csv"), "IN.csv");
}

}  // namespace
}  // namespace quorvan
