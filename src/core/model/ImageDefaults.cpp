#include <string>

#include "core/model/RadioImage.h"
#include "core/model/RecordDigits.h"
#include "core/model/RecordForm.h"

namespace quorvan {

namespace {

enum Mode : int { kFM = 0, kWFM = 1, kAM = 2, kLSB = 3 };

struct DefaultChannel {
  long long frequencyHz;  // 0: the band has no record
  char step;
  long offsetHz;
  int mode;
};

// A channel as the defaults hold it: frequency, step, every switch off, tone and CTCSS 88.5 Hz,
// DCS 023, offset and mode; the fields after the mode are left empty.
ChannelRecord DefaultRecord(std::string_view id, long long frequencyHz, char step, long offsetHz,
                            int mode) {
  ChannelRecord record = ChannelRecord::Blank(id);
  record.Set(ChannelField::Frequency, ZeroPadded(frequencyHz, 11));
  record.Set(ChannelField::Step, std::string(1, step));
  record.SetShift(ShiftChoice::Simplex);
  for (const ChannelField flag :
       {ChannelField::Reverse, ChannelField::Tone, ChannelField::Ctcss, ChannelField::Dcs}) {
    record.SetFlag(flag, false);
  }
  record.SetToneIndex(8);
  record.SetCtcssIndex(8);
  record.SetDcsIndex(0);
  record.Set(ChannelField::Offset, ZeroPadded(offsetHz, 9));
  record.SetModeIndex(mode);
  return record;
}

// Picks the cell of a default table row by destination letter.
DefaultChannel ByDestination(char d, DefaultChannel k, DefaultChannel e, DefaultChannel j,
                             DefaultChannel other) {
  switch (d) {
    case 'K':
      return k;
    case 'E':
      return e;
    case 'J':
      return j;
    default:
      return other;
  }
}

std::string ProgramVfoDefault(char bandCode, const std::string& limit) {
  const std::size_t comma = limit.find(',');
  if (comma == std::string::npos || comma == 0) return {};
  long upper = 0;
  for (std::size_t i = comma + 1; i < limit.size(); ++i) {
    const char c = limit[i];
    if (c < '0' || c > '9') return {};
    upper = upper * 10 + (c - '0');
    if (upper > 99999) return {};
  }
  const std::string range =
      std::string(1, bandCode) + "," + limit.substr(0, comma) + "," + ZeroPadded(upper - 1, 5);
  // Limits the radio reported in another form give no range rather than a malformed one.
  return ProgramVfoRecordProblem(bandCode - '0', range).empty() ? range : std::string();
}

}  // namespace

void ApplyBandPlanDefaults(RadioImage& image) {
  const BandPlan& plan = image.Plan();
  const char d = plan.DestinationLetter();
  const bool cirra = plan.IsCirra();
  const std::string_view variant = plan.VariantCode();

  const auto put = [&image](SlotKind kind, int slot, char code, const DefaultChannel& c) {
    image.Store(kind, slot,
                c.frequencyHz == 0
                    ? std::string()
                    : DefaultRecord(std::string(1, code), c.frequencyHz, c.step, c.offsetHz, c.mode)
                          .Text());
  };

  const DefaultChannel band144 =
      ByDestination(d, {144000000, '0', 600000, kFM}, {144000000, '5', 600000, kFM},
                    {145000000, '7', 600000, kFM}, {144000000, '5', 600000, kFM});
  put(SlotKind::Vfo, 0, '0', band144);
  put(SlotKind::Vfo, 9, '9', band144);
  put(SlotKind::Call, 0, '0', band144);

  const DefaultChannel a220 =
      d == 'K' ? DefaultChannel{223000000, '7', 1600000, kFM} : DefaultChannel{0, '0', 0, kFM};
  put(SlotKind::Vfo, 1, '1', a220);
  put(SlotKind::Call, 1, '1', a220);

  put(SlotKind::Vfo, 11, 'B',
      ByDestination(d, {223000000, '7', 1600000, kFM}, {230000000, '5', 0, kFM},
                    {225000000, '5', 0, kFM}, {223000000, '0', 0, kFM}));

  const long long european430 = (variant == "09" || variant == "01") ? 432000000 : 430000000;
  const DefaultChannel band430 =
      ByDestination(d, {440000000, '8', 5000000, kFM}, {european430, '8', 1600000, kFM},
                    {433000000, '7', 5000000, kFM}, {430000000, '8', 5000000, kFM});
  put(SlotKind::Vfo, 2, '2', band430);
  put(SlotKind::Vfo, 12, 'C', band430);
  put(SlotKind::Call, 2, '2', band430);

  if (cirra) {
    const DefaultChannel band1200 =
        ByDestination(d, {1240000000, '8', 12000000, kFM}, {1240000000, '8', 35000000, kFM},
                      {1295000000, '7', 20000000, kFM}, {1240000000, '8', 20000000, kFM});
    put(SlotKind::Vfo, 3, '3', band1200);
    put(SlotKind::Vfo, 14, 'E', band1200);
    put(SlotKind::Call, 3, '3', band1200);
  } else {
    put(SlotKind::Vfo, 14, 'E',
        ByDestination(d, {1240000000, '8', 0, kFM}, {1240000000, '8', 0, kFM},
                      {1295000000, '7', 0, kFM}, {1240000000, '8', 0, kFM}));
  }

  put(SlotKind::Vfo, 4, '4',
      ByDestination(d, {540000, '4', 0, kAM}, {540000, '3', 0, kAM}, {531000, '3', 0, kAM},
                    {540000, '3', 0, kAM}));
  put(SlotKind::Vfo, 5, '5', {3500000, '0', 0, kLSB});
  put(SlotKind::Vfo, 6, '6', {51000000, '4', 0, kFM});
  put(SlotKind::Vfo, 7, '7',
      ByDestination(d, {87900000, 'B', 0, kWFM}, {87500000, 'A', 0, kWFM}, {76100000, 'B', 0, kWFM},
                    {87900000, 'B', 0, kWFM}));
  put(SlotKind::Vfo, 8, '8',
      ByDestination(d, {118000000, '5', 0, kAM}, {118000000, '8', 0, kAM}, {118000000, '8', 0, kAM},
                    {118000000, '8', 0, kAM}));
  put(SlotKind::Vfo, 10, 'A',
      ByDestination(d, {179750000, 'A', 0, kWFM}, {180750000, 'A', 0, kWFM},
                    {175750000, 'A', 0, kWFM}, {179750000, 'A', 0, kWFM}));
  put(SlotKind::Vfo, 13, 'D',
      ByDestination(d, {475750000, 'A', 0, kWFM}, {476750000, 'A', 0, kWFM},
                    {475750000, 'A', 0, kWFM}, {475750000, 'A', 0, kWFM}));

  image.Store(SlotKind::ProgramVfo, 0, ProgramVfoDefault('0', plan.limits[0]));
  image.Store(SlotKind::ProgramVfo, 1, d == 'K' ? ProgramVfoDefault('1', plan.limits[1]) : "");
  image.Store(SlotKind::ProgramVfo, 2, ProgramVfoDefault('2', plan.limits[2]));
  if (cirra) image.Store(SlotKind::ProgramVfo, 3, ProgramVfoDefault('3', plan.limits[3]));
}

void ApplyIChannelDefaults(RadioImage& image) {
  struct InfoChannel {
    long long frequencyHz;
    char step;
    int mode;
    const char* name;
  };
  // Japanese names: "NHK" and half-width katakana, one Shift-JIS byte each.
  static constexpr InfoChannel kJapan[10] = {
      {567000, '3', kAM, "NHK\xBB\xAF\xCE\xDF\xDB"},
      {594000, '3', kAM, "NHK\xC4\xB3\xB7\xAE\xB3"},
      {612000, '3', kAM, "NHK\xCC\xB8\xB5\xB6"},
      {666000, '3', kAM, "NHK\xB5\xB5\xBB\xB6"},
      {729000, '3', kAM, "NHK\xC5\xBA\xDE\xD4"},
      {891000, '3', kAM, "NHK\xBE\xDD\xC0\xDE\xB2"},
      {1071000, '3', kAM, "NHK\xCB\xDB\xBC\xCF"},
      {95750000, 'A', kWFM, "TV-1"},
      {101750000, 'A', kWFM, "TV-2"},
      {107750000, 'A', kWFM, "TV-3"},
  };
  static constexpr InfoChannel kUsa[10] = {
      {162550000, '0', kFM, "WEATHER"}, {162400000, '0', kFM, "WEATHER"},
      {162475000, '0', kFM, "WEATHER"}, {162425000, '0', kFM, "WEATHER"},
      {162450000, '0', kFM, "WEATHER"}, {162500000, '0', kFM, "WEATHER"},
      {162525000, '0', kFM, "WEATHER"}, {161650000, '0', kFM, "WEATHER"},
      {161775000, '0', kFM, "WEATHER"}, {163275000, '0', kFM, "WEATHER"},
  };
  const char d = image.Plan().DestinationLetter();
  const InfoChannel* table = d == 'J' ? kJapan : d == 'K' ? kUsa : nullptr;
  if (!table) return;
  for (int k = 0; k < 10; ++k) {
    const int slot = kFirstInfoSlot + k;
    const InfoChannel& c = table[k];
    ChannelRecord record =
        DefaultRecord(MemoryChannelLabel(slot), c.frequencyHz, c.step, 0, c.mode);
    record.SetFlag(ChannelField::Lockout, false);
    record.Set(ChannelField::Name, c.name);
    image.Store(SlotKind::Memory, slot, record.Text());
  }
}

RadioImage MakeNewDocument(const BandPlan& plan) {
  RadioImage image;
  image.Plan() = plan;
  image.Clear();
  ApplyBandPlanDefaults(image);
  ApplyIChannelDefaults(image);
  ApplyMenuDefaults(image.Menu(), image.Plan());
  return image;
}

}  // namespace quorvan
