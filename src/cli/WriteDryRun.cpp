#include "cli/WriteDryRun.h"

#include "core/transfer/IdentificationOnly.h"
#include "core/transfer/WriteEstimate.h"
#include "core/transfer/WriteSequence.h"

namespace quorvan {

namespace {

constexpr long long kRadioBitsPerSecond = 9600;

}  // namespace

int RunWriteDryRun(const RadioImage& image, TransferScope scope, const std::string& port,
                   ProgressShown shown, CliTrace& trace, CliContext& context) {
  WriteSequence write(image, scope);
  IdentificationOnly identification(write);
  const TransferResult result =
      RunTransfer(identification, port, context.err, shown, {}, trace.Sink());
  trace.Save(context);
  const int code = ReportTransfer(result, context);
  if (code != kExitOk) return code;
  const WriteEstimate estimate = EstimateWrite(image, scope);
  context.out << "The radio answers and is of the file's type; nothing was written.\n"
              << "The write would send " << estimate.commands << " commands (" << estimate.bytes
              << " bytes both ways), about " << LineSeconds(estimate.bytes, kRadioBitsPerSecond)
              << " seconds at " << kRadioBitsPerSecond << " bit/s.\n";
  return kExitOk;
}

}  // namespace quorvan
