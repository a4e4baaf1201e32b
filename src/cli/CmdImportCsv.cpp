#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/Document.h"
#include "core/rules/CsvImport.h"
#include "core/rules/CsvTable.h"
#include "core/rules/EditStepNames.h"
#include "core/rules/EditorRules.h"

namespace quorvan {

extern const CliCommand kImportCsvCommand;

namespace {

constexpr CliOption kOutputOption{"-o", "OUT.qvx"};
constexpr CliOption kAtOption{"--at", "SLOT"};

// The channel the rows start at: an ordinary channel, 0 to 399, as the editor's number field
// reads it.
bool ReadFirstChannel(std::string_view text, int& slot) {
  const ChannelNumberReading reading = ReadChannelNumber(text);
  slot = reading.slot;
  return reading.kind == ChannelNumberKind::Valid && slot >= 0 && slot < kOrdinaryMemorySlots;
}

int RunImportCsv(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kImportCsvCommand.options, parsed, problem)) {
    return ReportUsageError(context, kImportCsvCommand, problem);
  }
  if (parsed.positionals.size() != 2) {
    return ReportUsageError(context, kImportCsvCommand, "expected IN.csv and FILE.qvx");
  }
  if (IsStandardStream(parsed.positionals[0]) && IsStandardStream(parsed.positionals[1])) {
    return ReportUsageError(context, kImportCsvCommand, "only one file can be standard input");
  }
  const std::optional<std::string> output = parsed.Option(kOutputOption);
  if (!output || output->empty()) {
    return ReportUsageError(context, kImportCsvCommand, "missing -o OUT.qvx");
  }
  CsvPlacement placement;
  if (const std::optional<std::string> at = parsed.Option(kAtOption)) {
    placement.inFileOrder = true;
    if (!ReadFirstChannel(*at, placement.firstSlot)) {
      return ReportUsageError(context, kImportCsvCommand, "--at takes a channel from 0 to 399");
    }
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kImportCsvCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  std::string text;
  const int read = ReadCommandInput(parsed.positionals[0], kCsvMaxBytes, context, text);
  if (read != kExitOk) return read;
  RadioImage image;
  const int opened = OpenCommandDocument(parsed.positionals[1], plan, context, image);
  if (opened != kExitOk) return opened;
  // The same change of the document as the window's import.
  Document document(std::move(image));
  CsvImportReport report;
  std::string error;
  bool isList = true;
  document.Change([&report](const ImageChanges&) { return ImportStepName(report.imported); },
                  [&](RadioImage& edited) {
                    isList = ImportMemoryCsv(text, placement, edited, report, &error);
                  });
  if (!isList) {
    return ReportError(context,
                       CsvNotAChannelListMessage(InputName(parsed.positionals[0]) + ": " + error));
  }
  const int saved = SaveCommandDocument(*output, document.Image(), context);
  if (saved != kExitOk) return saved;
  ReportStream(*output, context) << report.Text();
  return kExitOk;
}

}  // namespace

extern const CliCommand kImportCsvCommand{
    "import-csv",
    "store the rows of a CSV channel list into the memory channels of a channel file",
    "usage: quorvan-cli import-csv IN.csv FILE.qvx [--type CODE [--model ID]] [--at SLOT]\n"
    "                  -o OUT.qvx\n"
    "  IN.csv        a channel list; Location and Frequency columns are required\n"
    "  --at SLOT     store the rows in file order in channels SLOT, SLOT+1, ... whatever\n"
    "                their Location (only Frequency is required); rows past 399 are left out\n"
    "  FILE.qvx      the channel file the rows go into\n"
    "  -o OUT.qvx    the channel file to write (replaced if it exists; may be FILE.qvx);\n"
    "                - for standard output (the report then goes to standard error)\n"
    "  Either IN.csv or FILE.qvx may be - for standard input.\n"
    "  Each row is stored as the memory editor would store it; the report lists every\n"
    "  adjustment and every row left out.\n"
    "  Example: quorvan-cli import-csv channels.csv radio.qvx -o radio.qvx\n",
    {kTypeOption, kModelOption, kAtOption, kOutputOption},
    {"IN.csv", "FILE.qvx"},
    &RunImportCsv,
};

}  // namespace quorvan
