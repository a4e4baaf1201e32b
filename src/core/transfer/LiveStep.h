#pragma once

#include <string>
#include <vector>

#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"
#include "core/transfer/CheckedWriteSequence.h"

namespace quorvan {

// Of an image, the items of the set only (and its band plan); every other item empty. A step's
// write works on this, so that what it compares and converts is the step and not the document.
RadioImage ItemsOnly(const RadioImage& image, const ItemSet& items);

// The write of one step of live mode: of the items `step` names, those the document holds
// otherwise than the radio held them (`baseline`), written with their checks and read back.
// Over the journal of a write that did not end (`journal`, with what it found where it wrote in
// `replaced`) its items are checked as well, so the radio is known again. Points into the
// images given.
WritePlan PlanLiveStep(const RadioImage& document, const RadioImage& baseline, bool journal,
                       const RadioImage* replaced, const ItemSet& step);

// How a step's write ended, as live mode tells it.
struct LiveStepOutcome {
  ItemSet confirmed;  // of the step's items, those the radio holds as the document has them
  // Why the others are not confirmed, one sentence (empty when all are).
  std::string problem;
};

// Of the step's items: those the write did not need to send (the radio held them so), and those
// it sent whose read-back came back as the document holds them; none when the exchange did not
// end (`lineProblem` says why: a timeout, a cut line) or stopped before writing.
LiveStepOutcome JudgeLiveStep(const ItemSet& step, const WritePlan& plan,
                              const CheckedWriteSequence& write, bool exchangeEnded,
                              const std::string& lineProblem);

// The banner of a paused live mode: which items the radio may not hold, why, and what to do.
// `problem` comes in the reader's language already.
std::string LivePausedText(const std::vector<ItemRef>& items, const std::string& problem,
                           const CatalogueLookup& lookup = nullptr);

}  // namespace quorvan
