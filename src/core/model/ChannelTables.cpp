#include "core/model/ChannelTables.h"

namespace quorvan {

const std::array<StepEntry, 12> kSteps{{
    {"5kHz", 5000, '0'},
    {"6.25kHz", 6250, '1'},
    {"8.33kHz", 8330, '2'},
    {"9kHz", 9000, '3'},
    {"10kHz", 10000, '4'},
    {"12.5kHz", 12500, '5'},
    {"15kHz", 15000, '6'},
    {"20kHz", 20000, '7'},
    {"25kHz", 25000, '8'},
    {"30kHz", 30000, '9'},
    {"50kHz", 50000, 'A'},
    {"100kHz", 100000, 'B'},
}};

const std::array<std::string_view, 6> kModes{"FM", "WFM", "AM", "LSB", "USB", "CW"};

const std::array<std::string_view, 3> kPowers{"High", "Low", "EL"};

std::string_view PowerCaption(std::string_view field) {
  const int i = field.size() == 1 ? DecimalIndex(field, static_cast<int>(kPowers.size())) : -1;
  return i < 0 ? std::string_view() : kPowers[static_cast<std::size_t>(i)];
}

const std::array<std::string_view, 42> kTones{
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
    "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
    "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
    "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
    "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "206.5Hz", "210.7Hz",
    "218.1Hz", "225.7Hz", "229.1Hz", "233.6Hz", "241.8Hz", "250.3Hz", "254.1Hz"};

const std::array<std::string_view, 104> kDcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

int StepIndexOfCode(char code) {
  if (code >= '0' && code <= '9') return code - '0';
  if (code == 'A') return 10;
  if (code == 'B') return 11;
  return -1;
}

int DecimalIndex(std::string_view field, int count) {
  if (field.empty() || field.size() > 6) return -1;
  int value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value < count ? value : -1;
}

namespace {

constexpr int kDefaultToneIndex = 8;  // 88.5 Hz

bool InTable(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

}  // namespace

int StepIndexOfField(std::string_view field) {
  if (field.size() != 1) return 0;
  const int index = StepIndexOfCode(field[0]);
  return index < 0 ? 0 : index;
}

char StepCodeOfIndex(int index) {
  return InTable(index, kSteps.size()) ? kSteps[static_cast<std::size_t>(index)].code : '0';
}

int StepHzOfIndex(int index) {
  return InTable(index, kSteps.size()) ? kSteps[static_cast<std::size_t>(index)].hz : kSteps[0].hz;
}

int ModeIndexOfField(std::string_view field) {
  if (field.size() != 1 || field[0] < '0' || field[0] > '5') return 0;
  return field[0] - '0';
}

int ToneIndexOfField(std::string_view field) {
  const int index = DecimalIndex(field, static_cast<int>(kTones.size()));
  return index < 0 ? kDefaultToneIndex : index;
}

int DcsIndexOfField(std::string_view field) {
  const int index = DecimalIndex(field, static_cast<int>(kDcsCodes.size()));
  return index < 0 ? 0 : index;
}

}  // namespace quorvan
