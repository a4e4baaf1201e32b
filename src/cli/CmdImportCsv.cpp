#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/files/DocumentFile.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/rules/CsvImport.h"
#include "core/rules/CsvTable.h"

namespace quorvan {

extern const CliCommand kImportCsvCommand;

namespace {

constexpr CliOption kOutputOption{"-o", "OUT.qvx"};

int RunImportCsv(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kImportCsvCommand.options, parsed, problem)) {
    return ReportUsageError(context, kImportCsvCommand, problem);
  }
  if (parsed.positionals.size() != 2) {
    return ReportUsageError(context, kImportCsvCommand, "expected IN.csv and FILE.qvx");
  }
  const std::optional<std::string> output = parsed.Option(kOutputOption);
  if (!output || output->empty()) {
    return ReportUsageError(context, kImportCsvCommand, "missing -o OUT.qvx");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kImportCsvCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  std::string text;
  std::string error;
  if (!ReadRegularFile(parsed.positionals[0], kCsvMaxBytes, text, &error)) {
    context.err << "File Open error.\n" << EscapeControls(error) << "\n";
    return kExitFailure;
  }
  RadioImage document;
  const int opened = OpenCommandDocument(parsed.positionals[1], plan, context, document);
  if (opened != kExitOk) return opened;
  CsvImportReport report;
  if (!ImportMemoryCsv(text, document, report, error)) {
    context.err << CsvNotAChannelListMessage(error) << "\n";
    return kExitFailure;
  }
  const int saved = SaveCommandDocument(*output, document, context);
  if (saved != kExitOk) return saved;
  context.out << report.Text();
  return kExitOk;
}

}  // namespace

extern const CliCommand kImportCsvCommand{
    "import-csv",
    "store the rows of a CSV channel list into the memory channels of a channel file",
    "usage: quorvan-cli import-csv IN.csv FILE.qvx [--type CODE [--model ID]] -o OUT.qvx\n"
    "  IN.csv        a channel list; Location and Frequency columns are required\n"
    "  -o OUT.qvx    the channel file to write (replaced if it exists; may be FILE.qvx)\n"
    "  Each row is stored as the memory editor would store it; the report lists every row\n"
    "  that was adjusted or left out.\n",
    {kTypeOption, kModelOption, kOutputOption},
    {"IN.csv", "FILE.qvx"},
    &RunImportCsv,
};

}  // namespace quorvan
