#include "cli/VerifyRadio.h"

#include <vector>

#include "core/messages/Messages.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferCommands.h"

namespace quorvan {

int VerifyRadio(const RadioImage& document, TransferScope scope, const std::string& port,
                ProgressShown shown, CliContext& context, TransferTrace* trace) {
  const ItemSet items = ItemsOfScope(scope);
  RadioImage radio = document;
  ReadSequence sequence(radio, items);
  const int code =
      ReportTransfer(RunTransfer(sequence, port, context.err, shown, {}, trace), context);
  if (code != kExitOk) return code;
  const std::vector<FieldDifference> differences = CompareRadioItems(document, radio, items);
  if (differences.empty()) {
    context.out << kHoldsDocumentText << "\n";
    return kExitOk;
  }
  context.out << DescribeDifferences(differences, kFileSide, kRadioSide);
  return kExitFailure;
}

}  // namespace quorvan
