#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/RadioImage.h"
#include "core/rules/DocumentComparison.h"

namespace quorvan {

extern const CliCommand kDiffCommand;

namespace {

// As diff(1) has it, so a script can tell "different" from "could not compare".
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

int RunDiff(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kDiffCommand.options, parsed, problem)) {
    return ReportUsageError(context, kDiffCommand, problem);
  }
  const std::vector<std::string>& files = parsed.positionals;
  if (files.size() != 2) return ReportUsageError(context, kDiffCommand, "expected A.qvx and B.qvx");
  if (IsStandardStream(files[0]) && IsStandardStream(files[1])) {
    return ReportUsageError(context, kDiffCommand, "only one file can be standard input");
  }
  BandPlan plan;
  if (ResolveCommandPlan(parsed, kDiffCommand, context, plan) != kExitOk) return kExitTrouble;

  RadioImage first;
  RadioImage second;
  if (OpenCommandDocument(files[0], plan, context, first) != kExitOk ||
      OpenCommandDocument(files[1], plan, context, second) != kExitOk) {
    return kExitTrouble;
  }
  const std::vector<FieldDifference> differences = CompareDocuments(first, second);
  const std::string firstSide = "in " + InputName(files[0]);
  const std::string secondSide = "in " + InputName(files[1]);
  for (const FieldDifference& difference : differences) {
    context.out << DescribeDifference(difference, firstSide, secondSide) << "\n";
  }
  return differences.empty() ? kExitOk : kExitDifferent;
}

}  // namespace

extern const CliCommand kDiffCommand{
    "diff",
    "tell field by field what differs between two channel files",
    "usage: quorvan-cli diff A.qvx B.qvx [--type CODE [--model ID]]\n"
    "  A.qvx B.qvx   the channel files; one of them may be - for standard input\n"
    "  One line for each field that differs, item by item:\n"
    "    memory 012: frequency 145.550 in A.qvx, 145.500 in B.qvx\n"
    "  Exit status: 0 the files hold the same, 1 they differ, 2 they could not be compared.\n"
    "  Example: quorvan-cli diff before.qvx after.qvx\n",
    {kTypeOption, kModelOption},
    {"A.qvx", "B.qvx"},
    &RunDiff,
    kExitTrouble,  // output cut short is no answer either way
};

}  // namespace quorvan
