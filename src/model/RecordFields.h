#pragma once

#include <string_view>

namespace quorvan {

// Records are kept as the radio's comma-separated text and taken apart only when read.
// Field n is the text between the n-th and (n+1)-th comma; a field past the end is empty.
// When n equals lastField, the field runs to the end of the text, commas included
// (the name of a memory record, field 17, and of a DTMF memory, field 2).
std::string_view FieldOf(std::string_view record, int n, int lastField = -1);

// Field n and everything after it, commas included (the clipboard's tail reads).
std::string_view TextFrom(std::string_view record, int n);

constexpr int kChannelNameField = 17;
constexpr int kDtmfNameField = 2;

}  // namespace quorvan
