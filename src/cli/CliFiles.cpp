#include "cli/CliFiles.h"

#include "core/files/DocumentFile.h"
#include "core/messages/Messages.h"
#include "core/model/ChannelFile.h"
#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

int ReportFileOpenError(CliContext& context, const std::string& detail) {
  return ReportError(context, WithDetail(kFileOpenErrorMessage, detail));
}

// Writes the bytes to the path, or to standard output for "-"; `report` tells a failure.
int WriteOutput(const std::string& path, std::string_view bytes, CliContext& context,
                int (*report)(CliContext&, const std::string&)) {
  if (IsStandardStream(path)) {
    context.out << bytes;
    return kExitOk;  // whether it reached standard output is checked for every command
  }
  std::string error;
  return WriteFileAtomically(path, bytes, &error) ? kExitOk : report(context, error);
}

}  // namespace

std::string InputName(std::string_view path) {
  return IsStandardStream(path) ? "standard input" : EscapeControls(path);
}

std::string OutputName(std::string_view path) {
  return IsStandardStream(path) ? "standard output" : EscapeControls(path);
}

int ReadCommandInput(const std::string& path, std::size_t maxBytes, CliContext& context,
                     std::string& bytes) {
  std::string error;
  const bool read = IsStandardStream(path) ? ReadStandardInput(maxBytes, bytes, &error)
                                           : ReadRegularFile(path, maxBytes, bytes, &error);
  return read ? kExitOk : ReportFileOpenError(context, error);
}

int OpenCommandDocument(const std::string& path, const BandPlan& plan, CliContext& context,
                        RadioImage& document) {
  std::string bytes;
  const int read = ReadCommandInput(path, kChannelFileMaxBytes, context, bytes);
  if (read != kExitOk) return read;
  document.Plan() = plan;
  std::string problem;
  if (OpenDocumentText(bytes, document, &problem)) return kExitOk;
  // The reason names a line; the file it is in goes in front.
  return ReportFileOpenError(context, InputName(path) + ": " + problem);
}

int WriteCommandOutput(const std::string& path, std::string_view bytes, CliContext& context) {
  return WriteOutput(path, bytes, context, [](CliContext& c, const std::string& error) {
    return ReportError(c, FileNotWrittenMessage(error));
  });
}

int SaveCommandDocument(const std::string& path, const RadioImage& document, CliContext& context) {
  // A channel file that cannot be saved is told as the window tells it.
  return WriteOutput(path, WriteChannelFileText(document), context, ReportFileOpenError);
}

std::ostream& ReportStream(std::string_view outputPath, CliContext& context) {
  return IsStandardStream(outputPath) ? context.err : context.out;
}

}  // namespace quorvan
