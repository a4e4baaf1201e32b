#pragma once

#include <string>

#include "core/model/RadioImage.h"

namespace quorvan {

enum class ListingFormat { Text, Csv, Json };

// The used memory channels of a document and, with `all`, its CALL channels, VFOs, DTMF memories
// and menu values, in one of three forms. The fields, by their stable names (the JSON keys and
// the CSV header):
//   memory   slot receive transmit shift offset reverse tone mode step lockout power name
//   call/vfo slot receive transmit shift offset reverse tone mode step power
//   dtmf     slot code name
//   menu     slot value
// slot is the channel label ("005", "L0", "I-1"), the band ("A_144MHz"), the DTMF memory
// number or the menu item's mnemonic ("BC", "PC 0"); frequencies and offsets are in MHz; shift
// is "", "+", "-", "split" (its own transmit frequency) or "fixed" (the band's repeater shift);
// tone is "", "T 88.5Hz", "CT 88.5Hz" or "DCS 023"; reverse and lockout are yes or no (JSON
// true or false); names are UTF-8.
// Text: a table per kind with aligned columns, a blank line between them. CSV: one table with a
// "kind" column first and the fields of the kinds listed. JSON: an object with "type", "model"
// and an array of objects per kind ("memory", "call", "vfo", "dtmf", "menu").
std::string DocumentListing(const RadioImage& image, bool all, ListingFormat format);

}  // namespace quorvan
