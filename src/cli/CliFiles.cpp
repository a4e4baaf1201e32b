#include "cli/CliFiles.h"

#include "core/files/DocumentFile.h"
#include "core/model/ChannelFile.h"
#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

int ReportFileOpenError(CliContext& context, const std::string& detail) {
  return ReportError(context, "File Open error.\n" + EscapeControls(detail));
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
  if (IsStandardStream(path)) {
    context.out << bytes;
    return kExitOk;  // whether it reached standard output is checked for every command
  }
  std::string error;
  return WriteFileAtomically(path, bytes, &error) ? kExitOk : ReportFileOpenError(context, error);
}

int SaveCommandDocument(const std::string& path, const RadioImage& document, CliContext& context) {
  return WriteCommandOutput(path, WriteChannelFileText(document), context);
}

std::ostream& ReportStream(std::string_view outputPath, CliContext& context) {
  return IsStandardStream(outputPath) ? context.err : context.out;
}

}  // namespace quorvan
