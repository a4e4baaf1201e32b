#pragma once

#include <string>

#include "core/model/RadioImage.h"

namespace quorvan {

// Destination J: a broadcast preset whose "MR 0" text carries 95.75, 101.75 or 107.75 MHz with
// step B is stored with step A. The text starts with the channel label and its comma.
void ApplyBroadcastFix(std::string& channelText, int slot);

// A document as a radio gives it back once it has been written there and read again: only what
// the write carries (no RF power, the CALL transmit step as the receive step the write sends,
// no transmit step without a transmit frequency, a DTMF memory only with a code), names through
// the radio's coding and back, the broadcast fix for destination J, the forms the read puts
// records together in, no comment. Items the write passes over (a CALL, VFO or program VFO
// without a frequency) come out empty. Taking it twice changes nothing more, so a document and
// what a radio gives back can both be taken to it and compared: a radio that holds the document
// compares equal.
RadioImage AsRadioGivesBack(const RadioImage& image);

}  // namespace quorvan
