#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/Document.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/rules/EditStepNames.h"
#include "core/rules/SortMemoryChannels.h"

namespace quorvan {

extern const CliCommand kSortCommand;

namespace {

constexpr CliOption kByOption{"--by", "frequency|name"};
constexpr CliOption kOutputOption{"-o", "OUT.qvx"};

std::optional<SortKey> SortKeyNamed(std::string_view name) {
  if (name == "frequency") return SortKey::Frequency;
  if (name == "name") return SortKey::Name;
  return std::nullopt;
}

int RunSort(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kSortCommand.options, parsed, problem)) {
    return ReportUsageError(context, kSortCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kSortCommand, "expected exactly one FILE.qvx");
  }
  const std::optional<std::string> by = parsed.Option(kByOption);
  if (!by) return ReportUsageError(context, kSortCommand, "missing --by frequency|name");
  const std::optional<SortKey> key = SortKeyNamed(*by);
  if (!key) {
    return ReportUsageError(context, kSortCommand,
                            "unknown sort key \"" + EscapeControls(*by) + "\"");
  }
  const std::optional<std::string> output = parsed.Option(kOutputOption);
  if (!output || output->empty()) {
    return ReportUsageError(context, kSortCommand, "missing -o OUT.qvx");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kSortCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  RadioImage image;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, image);
  if (opened != kExitOk) return opened;
  // The same change of the document as the window's sort.
  Document document(std::move(image));
  document.Change(SortStepName(*key),
                  [&key](RadioImage& edited) { SortMemoryChannels(edited, *key); });
  return SaveCommandDocument(*output, document.Image(), context);
}

}  // namespace

extern const CliCommand kSortCommand{
    "sort",
    "sort the memory channels 000-399 of a channel file by frequency or by name",
    "usage: quorvan-cli sort --by frequency|name FILE.qvx [--type CODE [--model ID]] "
    "-o OUT.qvx\n"
    "  --by frequency|name\n"
    "                frequency, or name (named channels first, then the rest by frequency)\n"
    "  FILE.qvx      the channel file; - for standard input\n"
    "  -o OUT.qvx    the sorted channel file to write (replaced if it exists; may be FILE.qvx);\n"
    "                - for standard output\n"
    "  The used channels close up from 000 and are renumbered; L, U, Pr and I channels stay.\n"
    "  Example: quorvan-cli sort --by name radio.qvx -o sorted.qvx\n",
    {kByOption, kTypeOption, kModelOption, kOutputOption},
    {"FILE.qvx"},
    &RunSort,
};

}  // namespace quorvan
