#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"
#include "core/rules/ChannelSettings.h"

namespace quorvan {

// Editing one cell of the full memory table in place: which cells take an edit, the list a
// choice cell offers, and the setting an edited text stands for. The setting is then stored
// through ApplyChannelSettings, as the memory editor stores it.

// Rx frequency, name, shift, offset or transmit frequency, tone, mode, step and lock out.
bool IsEditableMemoryColumn(int column);

// The texts a choice cell's list offers for a data row (1-based), as the cells show them;
// empty for a typed cell (frequency, offset, name).
std::vector<std::string> MemoryColumnChoices(const RadioImage& image, int row, int column);

// The setting an edited cell text (UTF-8, as typed or picked) stands for. An empty slot gets the
// receive frequency the editor shows for it, so the channel is created with the editor's
// defaults. False for a text the column cannot take, with the editor's message in `error`
// (empty for a choice that is not in the list).
bool ReadMemoryCellEdit(const RadioImage& image, int row, int column, std::string_view text,
                        ChannelSettings& settings, std::string* error);

}  // namespace quorvan
