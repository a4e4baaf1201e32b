#pragma once

#include <string>

namespace quorvan {

// What the window and quorvan-cli tell about a write of changes, a verify and a read-back.

constexpr const char* kNoBaselineText = "No earlier read or write of this radio is known";
constexpr const char* kAlreadyHeldText = "The radio already holds this document.";
constexpr const char* kHoldsDocumentText = "The radio holds this document.";
constexpr const char* kHoldsWrittenText = "The radio holds what was written.";
constexpr const char* kDiffersFromDocumentText = "The radio does not hold this document:";
constexpr const char* kDiffersFromWrittenText = "The radio does not hold what was written:";
constexpr const char* kChangedSinceBaselineText =
    "The radio was changed since it was last read or written:";
constexpr const char* kNothingWrittenText = "Nothing was written to the radio.";

// The two sides of a difference line ("memory 012: frequency 145.550 in the file, 145.500 in
// the radio").
constexpr const char* kFileSide = "in the file";
constexpr const char* kDocumentSide = "in the document";
constexpr const char* kRadioSide = "in the radio";
constexpr const char* kBaselineSide = "at the last read or write";

// "Write 3 changed items to the radio?"
inline std::string WriteChangesQuestion(int items) {
  return "Write " + std::to_string(items) + (items == 1 ? " changed item" : " changed items") +
         " to the radio?";
}

}  // namespace quorvan
