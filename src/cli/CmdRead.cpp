#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <ctime>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
#include "core/model/AppSettings.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/transfer/ReadSequence.h"

namespace quorvan {

extern const CliCommand kReadCommand;

namespace {

constexpr CliOption kOutputOption{"-o", "FILE.qvx"};

// The folder the window keeps its read backups in, so both programs share one history.
std::string ReadBackupFolder() {
  QCoreApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  QCoreApplication::setApplicationName(QStringLiteral("Quorvan"));
  return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/backups"))
      .toStdString();
}

int RunRead(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kReadCommand.options, parsed, problem)) {
    return ReportUsageError(context, kReadCommand, problem);
  }
  if (!parsed.positionals.empty()) {
    return ReportUsageError(context, kReadCommand,
                            "unexpected argument \"" + parsed.positionals.front() + "\"");
  }
  std::string port;
  TransferScope scope = TransferScope::All;
  if (!TransferTarget(parsed, port, scope, problem)) {
    return ReportUsageError(context, kReadCommand, problem);
  }
  const auto output = parsed.Option(kOutputOption);
  if (!output || output->empty())
    return ReportUsageError(context, kReadCommand, "missing -o FILE.qvx");
  BandPlan plan;
  const int resolved = ResolveBandPlan(parsed, context.settings, plan, problem);
  if (resolved == kExitUsage) return ReportUsageError(context, kReadCommand, problem);
  if (resolved != kExitOk) {
    context.err << "quorvan-cli read: " << problem << "\n";
    return resolved;
  }

  // As the window's Read: the document New gives, then whatever the radio holds.
  RadioImage image = MakeNewDocument(plan);
  ReadSequence sequence(image, scope);
  const TransferResult result = RunTransfer(sequence, port, context.err);
  const int code = ReportTransfer(result, kReadCommand.name, context.err);
  if (code != kExitOk) return code;

  SaveBandPlan(context.settings, image.Plan());
  std::string error;
  // Kept before the output is written, so a failing -o still leaves the data read somewhere.
  if (!SaveReadBackup(ReadBackupFolder(), image, std::time(nullptr), &error)) {
    context.err << "quorvan-cli read: the data read could not be kept as a backup: "
                << EscapeControls(error) << "\n";
    error.clear();
  }
  if (!SaveDocumentFile(*output, image, &error)) {
    context.err << "quorvan-cli read: " << EscapeControls(error) << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

extern const CliCommand kReadCommand{
    "read",
    "read the radio into a channel file",
    "usage: quorvan-cli read --port DEV [--scope all|memory|menu] [--type CODE [--model ID]]\n"
    "                        -o FILE.qvx\n"
    "  -o FILE.qvx   the channel file to write (replaced if it exists)\n"
    "  The radio's type, model and band limits are stored in the settings after a read.\n"
    "  Every completed read is also kept in the backups folder the window uses.\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption, kOutputOption},
    {},
    &RunRead,
};

}  // namespace quorvan
