#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/RadioImage.h"
#include "core/rules/CsvExport.h"

namespace quorvan {

extern const CliCommand kExportCsvCommand;

namespace {

constexpr CliOption kOutputOption{"-o", "OUT.csv"};

int RunExportCsv(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kExportCsvCommand.options, parsed, problem)) {
    return ReportUsageError(context, kExportCsvCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kExportCsvCommand, "expected exactly one FILE.qvx");
  }
  const std::optional<std::string> output = parsed.Option(kOutputOption);
  if (!output || output->empty()) {
    return ReportUsageError(context, kExportCsvCommand, "missing -o OUT.csv");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kExportCsvCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  RadioImage document;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, document);
  if (opened != kExitOk) return opened;
  const CsvExportResult result = ExportMemoryCsv(document);
  const int written = WriteCommandOutput(*output, result.text, context);
  if (written != kExitOk) return written;
  for (const std::string& label : result.unreadable) {
    ReportError(context, "channel " + label + " left out: its frequency cannot be read");
  }
  ReportStream(*output, context) << result.rows << (result.rows == 1 ? " channel" : " channels")
                                 << " exported.\n";
  return kExitOk;
}

}  // namespace

extern const CliCommand kExportCsvCommand{
    "export-csv",
    "write the used memory channels of a channel file as a CSV channel list",
    "usage: quorvan-cli export-csv FILE.qvx [--type CODE [--model ID]] -o OUT.csv\n"
    "  FILE.qvx      the channel file; - for standard input\n"
    "  -o OUT.csv    the channel list to write, UTF-8, one row per used memory channel;\n"
    "                - for standard output (the count then goes to standard error)\n"
    "  Example: quorvan-cli export-csv radio.qvx -o channels.csv\n",
    {kTypeOption, kModelOption, kOutputOption},
    {"FILE.qvx"},
    &RunExportCsv,
};

}  // namespace quorvan
