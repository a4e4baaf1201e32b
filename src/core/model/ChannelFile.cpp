#include "core/model/ChannelFile.h"

#include <array>
#include <string_view>

#include "core/model/MenuSettings.h"

namespace quorvan {

namespace {

constexpr std::string_view kCommentMarker = "__COMMENT__";
constexpr std::string_view kMemoryMarker = "__MEMORY DATA__";
constexpr std::string_view kCallMarker = "__CALL DATA__";
constexpr std::string_view kVfoMarker = "__VFO DATA__";
constexpr std::string_view kDtmfMarker = "__DTMF DATA__";
constexpr std::string_view kMenuMarker = "__RADIO MENU__";
constexpr std::string_view kLineEnd = "\r\n";

// Records shorter than this are not worth a line (an empty or stub slot).
constexpr std::size_t kShortestWrittenChannel = 5;
constexpr std::size_t kShortestWrittenDtmf = 2;

// A memory record has 17 separating commas, so one more reaches the first comma of a name.
constexpr int kMemoryTabbedCommas = 18;
constexpr int kDtmfTabbedCommas = 2;
constexpr int kAllCommas = -1;

constexpr int kMenuLines = kProgramVfoSlots + kMenuItemCount;

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append(kLineEnd);
}

// The record with its first `count` commas (all of them for kAllCommas) turned into tabs.
void AppendTabbedLine(std::string& out, std::string_view record, int count) {
  int replaced = 0;
  for (const char c : record) {
    if (c == ',' && (count == kAllCommas || replaced < count)) {
      out.push_back('\t');
      ++replaced;
    } else {
      out.push_back(c);
    }
  }
  out.append(kLineEnd);
}

void AppendSection(std::string& out, const RadioImage& image, SlotKind kind,
                   std::string_view marker, std::size_t shortest, int tabbedCommas) {
  AppendLine(out, marker);
  for (int slot = 0; slot < SlotCount(kind); ++slot) {
    const std::string& record = image.Record(kind, slot);
    if (record.size() >= shortest) AppendTabbedLine(out, record, tabbedCommas);
  }
}

enum class Section { Comment, Memory, Call, Vfo, Dtmf, Menu };

bool MarkerSection(std::string_view line, Section& section) {
  static constexpr std::array<std::pair<std::string_view, Section>, 6> kMarkers{{
      {kCommentMarker, Section::Comment},
      {kMemoryMarker, Section::Memory},
      {kCallMarker, Section::Call},
      {kVfoMarker, Section::Vfo},
      {kDtmfMarker, Section::Dtmf},
      {kMenuMarker, Section::Menu},
  }};
  for (const auto& [marker, which] : kMarkers) {
    if (line == marker) {
      section = which;
      return true;
    }
  }
  return false;
}

// A whole-digit text as a number; -1 for anything else (and for values too large to be a slot).
int SlotNumber(std::string_view text) {
  if (text.empty() || text.size() > 6) return -1;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

int MemorySlotOf(std::string_view line) {
  const std::string_view id = line.substr(0, line.find(','));
  if (!id.empty() && id[0] >= '0' && id[0] <= '9') return SlotNumber(id);
  for (int slot = kFirstLimitSlot; slot < kMemorySlots; ++slot) {
    if (MemoryChannelLabel(slot) == id) return slot;
  }
  return kFirstLimitSlot;
}

int CallSlotOf(std::string_view line) {
  const char c = line.empty() ? '\0' : line[0];
  return (c >= '0' && c <= '9') ? c - '0' : 0;
}

int VfoSlotOf(std::string_view line) {
  const char c = line.empty() ? '\0' : line[0];
  if (c >= '1' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'E') return c - 'A' + 10;
  return 0;
}

// Reading state: the section, the menu line counter and the image being filled.
class ChannelFileReader {
 public:
  explicit ChannelFileReader(RadioImage& image) : image_(image) {}

  // Handles one line (without its line end); false rejects the whole file.
  bool Line(std::string_view line) {
    if (MarkerSection(line, section_)) {
      if (section_ == Section::Menu) menuLine_ = 0;
      return true;
    }
    switch (section_) {
      case Section::Comment:
        if (line.size() > kCommentCapacity) return false;
        image_.SetComment(line);
        return true;
      case Section::Memory:
        return StoreInRange(SlotKind::Memory, MemorySlotOf(line), line);
      case Section::Call:
        return StoreInRange(SlotKind::Call, CallSlotOf(line), line);
      case Section::Vfo:
        return StoreInRange(SlotKind::Vfo, VfoSlotOf(line), line);
      case Section::Dtmf:
        return StoreInRange(SlotKind::Dtmf, SlotNumber(line.substr(0, line.find(','))), line);
      case Section::Menu:
        return MenuLine(line);
    }
    return false;
  }

 private:
  // Slots outside the kind's range drop the line; a line that would not fit its slot is not
  // one the writer produces, so it rejects the file rather than being cut.
  bool StoreInRange(SlotKind kind, int slot, std::string_view line) {
    if (slot < 0 || slot >= SlotCount(kind)) return true;
    if (line.size() > SlotCapacity(kind)) return false;
    image_.Store(kind, slot, line);
    return true;
  }

  bool MenuLine(std::string_view line) {
    const int c = menuLine_++;
    if (c < kProgramVfoSlots) return StoreInRange(SlotKind::ProgramVfo, c, line);
    if (c >= kMenuLines) return true;
    const int item = c - kProgramVfoSlots;
    if (line.size() > MenuItemCapacity(item)) return false;
    image_.Menu().Set(item, line);
    return true;
  }

  RadioImage& image_;
  Section section_ = Section::Comment;
  int menuLine_ = 0;
};

}  // namespace

std::string WriteChannelFileText(const RadioImage& image) {
  std::string out;
  out.reserve(48 * 1024);
  AppendLine(out, kChannelFileHeader);
  AppendLine(out, kCommentMarker);
  AppendLine(out, image.Comment());
  AppendSection(out, image, SlotKind::Memory, kMemoryMarker, kShortestWrittenChannel,
                kMemoryTabbedCommas);
  AppendSection(out, image, SlotKind::Call, kCallMarker, kShortestWrittenChannel, kAllCommas);
  AppendSection(out, image, SlotKind::Vfo, kVfoMarker, kShortestWrittenChannel, kAllCommas);
  AppendSection(out, image, SlotKind::Dtmf, kDtmfMarker, kShortestWrittenDtmf, kDtmfTabbedCommas);
  AppendLine(out, kMenuMarker);
  for (int slot = 0; slot < kProgramVfoSlots; ++slot) {
    AppendLine(out, image.Record(SlotKind::ProgramVfo, slot));
  }
  for (int item = 0; item < kMenuItemCount; ++item) AppendLine(out, image.Menu().Get(item));
  return out;
}

bool ReadChannelFileText(std::string_view bytes, RadioImage& image) {
  if (bytes.size() > kChannelFileMaxBytes) return false;
  if (bytes.find('\0') != std::string_view::npos) return false;

  // Filled on a copy so that a file rejected halfway leaves the caller's image as it was.
  RadioImage scratch = image;
  ChannelFileReader reader(scratch);
  std::string line;
  std::size_t lineNumber = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t lf = bytes.find('\n', pos);
    std::string_view raw = bytes.substr(pos, lf == std::string_view::npos ? lf : lf - pos);
    pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (raw.size() > kChannelFileLineCapacity) return false;
    ++lineNumber;

    line.assign(raw);
    // The header is compared as it stands; every later line may carry tabbed fields, and a
    // comment that arrives on line 2 must read back the same after it is written on line 3.
    if (lineNumber >= 2) {
      for (char& c : line) {
        if (c == '\t') c = ',';
      }
    }
    if (lineNumber == 1 && line != kChannelFileHeader) return false;
    if (!reader.Line(line)) return false;
  }
  if (lineNumber == 0) return false;  // no header at all
  image = std::move(scratch);
  return true;
}

}  // namespace quorvan
