#include "cli/CliTrace.h"

#include "core/files/DocumentFile.h"
#include "core/model/EscapedText.h"
#include "io/session/TransferFacts.h"

namespace quorvan {

CliTrace::CliTrace(const CommandArgs& args, std::string_view command) : command_(command) {
  if (const auto path = args.Option(kTraceOption)) {
    path_ = *path;
    trace_ = std::make_unique<TransferTrace>();
  }
}

void CliTrace::Save(CliContext& context) const {
  if (!trace_) return;
  std::string text;
  for (const std::string& fact : ProgramFacts("quorvan-cli")) text += EscapeControls(fact) + "\n";
  text += "Command: " + command_ + "\n\n" + trace_->Text();
  if (path_ == "-") {
    context.err << text << std::flush;
    return;
  }
  std::string error;
  if (!WriteFileAtomically(path_, text, &error)) {
    ReportError(context, "the trace could not be written: " + EscapeControls(error));
  }
}

}  // namespace quorvan
