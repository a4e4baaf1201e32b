#pragma once

#include <string>
#include <string_view>

#include "core/messages/Messages.h"
#include "core/model/ChannelRecord.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// Rows of the ordinary memories (slots 0-399) moved as a list: scan edges, priority and
// information channels have fixed places and never move. A channel that moves carries its new
// slot number; a record without a frequency moves as its text stands.

// Whether the block of slots first..last lies within the ordinary memories.
bool IsOrdinaryMemoryBlock(int first, int last);

// Opens an empty row at `slot`: it and every row below move down by one. Refused, with
// kLastMemoryInUseMessage in `error`, when slot 399 holds a channel; nothing moves then.
bool InsertMemoryRow(RadioImage& image, int slot, std::string* error);

// Clears `slot` and moves every row below it up by one. False outside 0-399.
bool RemoveMemoryRow(RadioImage& image, int slot);

// Moves the block first..last one row up (by -1) or down (by +1); the row it passes over takes
// the place the block left. False, with nothing moved, at the edge of the ordinary memories.
bool MoveMemoryRows(RadioImage& image, int first, int last, int by);

// A memory record numbered for the slot it now stands in, written with all eighteen fields.
void RenumberMemoryRecord(ChannelRecord& record, int slot);

}  // namespace quorvan
