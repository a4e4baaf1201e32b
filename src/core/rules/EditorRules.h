#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/messages/Messages.h"
#include "core/model/ChannelRecord.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// ---- What the controls show -----------------------------------------------------------------

// The channel an editor shows: the record with its band's defaults in the fields an editor treats
// as absent, and the caption of the extra shift choice ("" hides it).
struct LoadedChannel {
  ChannelRecord record;
  std::string specialShiftCaption;
};

LoadedChannel LoadMemoryChannel(const RadioImage& image, int slot);
LoadedChannel LoadVfoChannel(const RadioImage& image, int band);
LoadedChannel LoadCallChannel(const RadioImage& image, int band);

// A frequency field as its edit field shows it ("144.0125"); an empty field shows nothing.
std::string ShownFrequency(std::string_view field);
// What the transmit frequency field shows: the transmit frequency of a split channel, otherwise
// the receive frequency.
std::string ShownTxFrequency(const ChannelRecord& record);

// ---- What the controls hold -----------------------------------------------------------------

// The frequency and offset fields as the user typed them.
struct TypedFrequencies {
  std::string rx;
  std::string tx;  // memory and CALL editors
  std::string offset;
};

// What the user left in an editor: the typed texts, the shift choice, and every other control
// written into a record (step, mode, Reverse, the tone switches and lists, and for memory
// channels Lock Out and the name).
struct EditorEntry {
  TypedFrequencies typed;
  ShiftChoice shift = ShiftChoice::Simplex;
  ChannelRecord choices = ChannelRecord::Blank({});
};

// ---- Storing and applying --------------------------------------------------------------------

enum class EditError { None, InvalidFrequency, InvalidOffset };

struct StoreOutcome {
  EditError error = EditError::None;
  std::string record;
  bool rounded = false;  // "Frequency is rounded." is due once the record is shown
};

StoreOutcome ComposeMemoryRecord(const RadioImage& image, int slot, const EditorEntry& entry);
// The program VFO range of bands 0-3 must already be in the image: the fit uses it.
StoreOutcome ComposeVfoRecord(const RadioImage& image, int band, const EditorEntry& entry);
StoreOutcome ComposeCallRecord(const RadioImage& image, int band, const EditorEntry& entry);

// Enter in a frequency or offset field: what the fields show afterwards; nothing is stored. The
// fitted record holds the receive frequency, the offset, step and mode, the shift choice and, for
// a split channel, the transmit frequency.
struct AppliedFields {
  EditError error = EditError::None;
  ChannelRecord fitted;
  bool rounded = false;
  // Memory editor only: the extra shift choice after the band was classified again.
  std::string specialShiftCaption;
};

AppliedFields ApplyMemoryFields(const RadioImage& image, const EditorEntry& entry);
AppliedFields ApplyVfoFields(const RadioImage& image, int band, const EditorEntry& entry);
AppliedFields ApplyCallFields(const RadioImage& image, int band, const EditorEntry& entry);

// ---- Memory channel number -------------------------------------------------------------------

// "0".."399" without leading zeros, then "L0" .. "U9", "PR1", "PR2", "I-1" .. "I-0".
std::string MemoryChannelText(int slot);

enum class ChannelNumberKind { Empty, Valid, Unfinished, Invalid };
struct ChannelNumberReading {
  ChannelNumberKind kind = ChannelNumberKind::Empty;
  int slot = -1;
};
// How the number field reads a text typed so far ("P" and "I-" are names still being typed).
ChannelNumberReading ReadChannelNumber(std::string_view text);

// ---- Paging and band lists -------------------------------------------------------------------

enum class PagingMove { Next, Previous, First, Last };
// The position after a paging key, wrapping at both ends of 0..count-1.
int PagedPosition(int current, int count, PagingMove move);

struct BandListEntry {
  std::string_view name;
  int band;
};
// The band names the VFO editor lists for a plan, in grid order.
std::vector<BandListEntry> VfoBandList(const BandPlan& plan);
// The CALL bands the CALL editor lists.
std::vector<BandListEntry> CallBandList(const BandPlan& plan);

// ---- Program VFO range (VFO bands 0-3) -------------------------------------------------------

struct ProgramVfoFields {
  std::string lower;
  std::string upper;
};
enum class ProgramVfoSide { Lower, Upper };

// The band's range as the two fields show it, whole MHz without leading zeros.
ProgramVfoFields ProgramVfoFieldsOf(const RadioImage& image, int band);
// The fields after the user changed one of them: a lone "0" is emptied, and a complete value
// (four characters, or three in bands 0-2) is held inside the band and keeps the pair in order.
ProgramVfoFields ReactToProgramVfoEdit(const BandPlan& plan, int band, ProgramVfoFields fields,
                                       ProgramVfoSide edited);
// The record the fields stand for when storing: short fields take the band's limits, both
// values are held inside the band and the upper is never below the lower.
std::string CompleteProgramVfoRecord(const BandPlan& plan, int band, const ProgramVfoFields& f);

// ---- DTMF code field -------------------------------------------------------------------------

enum class DtmfKeyAction { Accept, Swallow, Refuse };
// A typed character after upper-casing: digits, A-D, "*", "#", blank, backspace and Enter pass;
// Esc is swallowed; everything else is refused with a message.
DtmfKeyAction FilterDtmfCodeKey(char& key);
// Whether a whole code may stand in a DTMF memory: IsDtmfCode (model/RecordForm.h).

}  // namespace quorvan
