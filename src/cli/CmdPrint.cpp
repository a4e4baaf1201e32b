#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/files/DocumentFile.h"
#include "core/messages/Messages.h"
#include "core/model/EscapedText.h"
#include "core/model/NameCodec.h"
#include "core/model/RadioImage.h"
#include "core/rules/Printout.h"
#include "core/rules/PrintoutText.h"
#include "io/printing/PrintoutPainter.h"

namespace quorvan {

extern const CliCommand kPrintCommand;

namespace {

constexpr CliOption kPdfOption{"--pdf", "OUT.pdf"};

// The window shows a document by its full path; a relative argument is made absolute the same
// way, so the printed caption does not depend on how the file was named.
std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

bool WritePdf(const std::string& outPath, const std::vector<PrintPage>& pages, char destination,
              std::string& error) {
  // The PDF needs fonts but no screen: run the GUI layer offscreen whatever the environment says.
  static char program[] = "quorvan-cli";
  static char platformFlag[] = "-platform";
  static char platformName[] = "offscreen";
  static char* argv[] = {program, platformFlag, platformName, nullptr};
  int argc = 3;
  QGuiApplication app(argc, argv);
  QByteArray pdf;
  if (!RenderPrintoutPdf(pages, destination, pdf)) {
    error = "the printout could not be drawn";
    return false;
  }
  return WriteFileAtomically(
      outPath, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), &error);
}

int RunPrint(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kPrintCommand.options, parsed, problem)) {
    return ReportUsageError(context, kPrintCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kPrintCommand, "expected exactly one FILE.qvx");
  }
  const std::optional<std::string> pdf = parsed.Option(kPdfOption);
  if (pdf && pdf->empty()) return ReportUsageError(context, kPrintCommand, "empty --pdf file");
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kPrintCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  const std::string& file = parsed.positionals.front();
  RadioImage document;
  const int opened = OpenCommandDocument(file, plan, context, document);
  if (opened != kExitOk) return opened;
  const char destination = document.Plan().DestinationLetter();
  // The path is in the platform's coding; the printout is in the destination's.
  const std::string shownName = IsStandardStream(file) ? InputName(file) : AbsolutePath(file);
  const std::vector<PrintPage> pages =
      BuildPrintout(document, NameBytesFromUtf8Lossy("Quorvan [" + shownName + "]", destination));
  context.out << PrintoutAsText(pages, destination);
  std::string error;
  if (pdf && !WritePdf(*pdf, pages, destination, error)) {
    return ReportError(context, FileNotWrittenMessage(error));
  }
  return kExitOk;
}

}  // namespace

extern const CliCommand kPrintCommand{
    "print",
    "write the printout of a channel file as text, and optionally as a PDF",
    "usage: quorvan-cli print FILE.qvx [--type CODE [--model ID]] [--pdf OUT.pdf]\n"
    "  FILE.qvx      the channel file; - for standard input\n"
    "  --pdf OUT.pdf\n"
    "                also draw the pages into a PDF file laid out as on a printer\n"
    "  Every page is 60 lines; pages are separated by a line holding only a form feed.\n"
    "  Example: quorvan-cli print radio.qvx --pdf radio.pdf\n",
    {kTypeOption, kModelOption, kPdfOption},
    {"FILE.qvx"},
    &RunPrint,
};

}  // namespace quorvan
