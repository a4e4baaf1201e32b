#pragma once

#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// What a write of a document would exchange with a radio that takes it.
struct WriteEstimate {
  int commands = 0;     // every command, "VOX 0", "ID" and "TYD" included
  long long bytes = 0;  // both ways, CRs included
};

// Runs the write of `image` against a radio that answers "ID" with a model the write takes,
// "TYD" with the document's type and echoes every other command, as the radio answers a write.
// A document the write refuses sends nothing.
WriteEstimate EstimateWrite(const RadioImage& image, TransferScope scope);

// Whole seconds, rounded up, that `bytes` take on a line of `bitsPerSecond`: ten bits a byte
// (a start bit, eight data bits, a stop bit).
long long LineSeconds(long long bytes, long long bitsPerSecond);

}  // namespace quorvan
