#include "core/model/ChannelFile.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "core/model/EscapedText.h"
#include "core/model/MenuSettings.h"
#include "core/model/RecordForm.h"

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

constexpr std::array<std::string_view, 6> kMarkers{kCommentMarker, kMemoryMarker, kCallMarker,
                                                   kVfoMarker,     kDtmfMarker,   kMenuMarker};

// The slot of a CALL or VFO line by its first field, one of `codes`, or -1.
int CodeSlot(std::string_view id, std::string_view codes) {
  const std::size_t at = id.size() == 1 ? codes.find(id[0]) : std::string_view::npos;
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The DTMF number is written with one digit by the editor and with two by paste and a read.
int DtmfSlot(std::string_view id) {
  if (id.size() == 2 && id[0] == '0') id.remove_prefix(1);
  return CodeSlot(id, "0123456789");
}

// Reading state: where in the file the reader is, what it has filled in and what was wrong.
class ChannelFileReader {
 public:
  explicit ChannelFileReader(RadioImage& image) : image_(image) {}

  // One line as read, without its line end; false when it makes the file unacceptable.
  bool Line(std::string_view raw) {
    ++lineNumber_;
    if (raw.size() > kChannelFileLineCapacity) {
      return Fail("the line is longer than " + std::to_string(kChannelFileLineCapacity) +
                  " characters");
    }
    if (raw.find('\0') != std::string_view::npos) return Fail("the line holds a NUL byte");
    line_.assign(raw);
    // The header is compared as it stands; every later line may carry tabbed fields, and a
    // comment read back must be the comment that was written.
    if (stage_ != Stage::Header) {
      for (char& c : line_) {
        if (c == '\t') c = ',';
      }
    }
    return Handle(line_);
  }

  // After the last line; false when the file ends before it is complete.
  bool End() {
    ++lineNumber_;
    switch (stage_) {
      case Stage::Done:
        return true;
      case Stage::Header:
        return Fail("the file is empty");
      case Stage::Menu:
        return Fail("the file ends after " + std::to_string(menuLine_) + " of the " +
                    std::to_string(kMenuLines) + " lines of the radio menu");
      default:
        return Fail("the file ends before " + QuotedForMessage(NextMarker()));
    }
  }

  const std::string& Problem() const { return problem_; }

 private:
  // The stages follow the file's order; each data section ends at the next section's marker.
  enum class Stage { Header, CommentMarker, Comment, Memory, Call, Vfo, Dtmf, Menu, Done };

  bool Handle(std::string_view line) {
    switch (stage_) {
      case Stage::Header:
        if (line != kChannelFileHeader) {
          return Fail("the first line is not \"" + std::string(kChannelFileHeader) + "\"");
        }
        // The header is the comment until a comment line replaces it.
        image_.SetComment(line);
        stage_ = Stage::CommentMarker;
        return true;
      case Stage::CommentMarker:
        if (line != kCommentMarker) return Fail(QuotedForMessage(kCommentMarker) + " is missing");
        stage_ = Stage::Comment;
        return true;
      case Stage::Menu:
        return MenuLine(line);
      case Stage::Done:
        return Fail("the file goes on after the last line of the radio menu");
      default:
        break;
    }
    if (line == NextMarker()) {
      stage_ = static_cast<Stage>(static_cast<int>(stage_) + 1);
      return true;
    }
    if (IsChannelFileMarker(line)) {
      return Fail(QuotedForMessage(line) + " is out of order; " + QuotedForMessage(NextMarker()) +
                  " comes first");
    }
    const std::string_view id = line.substr(0, line.find(','));
    switch (stage_) {
      case Stage::Comment:
        return CommentLine(line);
      case Stage::Memory:
        return DataLine(SlotKind::Memory, MemorySlotOfLabel(id), line, "memory channel label");
      case Stage::Call:
        return DataLine(SlotKind::Call, CodeSlot(id, "0123"), line, "CALL band code");
      case Stage::Vfo:
        return DataLine(SlotKind::Vfo, CodeSlot(id, "0123456789ABCDE"), line, "VFO band code");
      default:
        return DataLine(SlotKind::Dtmf, DtmfSlot(id), line, "DTMF memory number");
    }
  }

  // The marker that ends the current section.
  std::string_view NextMarker() const {
    if (stage_ <= Stage::CommentMarker) return kCommentMarker;
    const auto next =
        static_cast<std::size_t>(static_cast<int>(stage_) - static_cast<int>(Stage::Comment) + 1);
    return next < kMarkers.size() ? kMarkers[next] : std::string_view();
  }

  bool CommentLine(std::string_view line) {
    if (commentRead_) {
      return Fail("a second comment line; " + QuotedForMessage(kMemoryMarker) + " comes first");
    }
    const std::string problem = CommentProblem(line);
    if (!problem.empty()) return Fail(problem);
    image_.SetComment(line);
    commentRead_ = true;
    return true;
  }

  bool DataLine(SlotKind kind, int slot, std::string_view line, std::string_view idWord) {
    if (slot < 0) {
      return Fail(QuotedForMessage(line.substr(0, line.find(','))) + " is not a " +
                  std::string(idWord));
    }
    if (!seen_[static_cast<std::size_t>(kind)].insert(slot).second) {
      return Fail("a second line for " + RecordItemName(kind, slot));
    }
    const std::string problem = RecordProblem(kind, slot, line);
    if (!problem.empty()) return Fail(RecordItemName(kind, slot) + ": " + problem);
    image_.Store(kind, slot, line);
    return true;
  }

  bool MenuLine(std::string_view line) {
    const int c = menuLine_++;
    if (menuLine_ == kMenuLines) stage_ = Stage::Done;
    if (c < kProgramVfoSlots) {
      const std::string problem = ProgramVfoRecordProblem(c, line);
      if (!problem.empty()) return Fail(RecordItemName(SlotKind::ProgramVfo, c) + ": " + problem);
      image_.Store(SlotKind::ProgramVfo, c, line);
      return true;
    }
    const int item = c - kProgramVfoSlots;
    const std::string problem = MenuValueProblem(item, line);
    if (!problem.empty()) return Fail(MenuItemName(item) + ": " + problem);
    image_.Menu().Set(item, line);
    return true;
  }

  bool Fail(const std::string& what) {
    problem_ = "Line " + std::to_string(lineNumber_) + ": " + what + ".";
    return false;
  }

  RadioImage& image_;
  Stage stage_ = Stage::Header;
  bool commentRead_ = false;
  int menuLine_ = 0;
  std::size_t lineNumber_ = 0;
  std::array<std::set<int>, 5> seen_;  // the slots read so far, by SlotKind
  std::string line_;
  std::string problem_;
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

bool IsChannelFileMarker(std::string_view line) {
  return std::find(kMarkers.begin(), kMarkers.end(), line) != kMarkers.end();
}

bool ReadChannelFileText(std::string_view bytes, RadioImage& image, std::string* problem) {
  if (bytes.size() > kChannelFileMaxBytes) {
    if (problem) {
      *problem = "The file is larger than " + std::to_string(kChannelFileMaxBytes >> 20) + " MiB.";
    }
    return false;
  }
  // Filled on a copy so that a file rejected halfway leaves the caller's image as it was.
  RadioImage scratch = image;
  ChannelFileReader reader(scratch);
  std::size_t pos = 0;
  bool accepted = true;
  while (accepted && pos < bytes.size()) {
    const std::size_t lf = bytes.find('\n', pos);
    std::string_view raw = bytes.substr(pos, lf == std::string_view::npos ? lf : lf - pos);
    pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    accepted = reader.Line(raw);
  }
  if (accepted) accepted = reader.End();
  if (!accepted) {
    if (problem) *problem = reader.Problem();
    return false;
  }
  image = std::move(scratch);
  return true;
}

}  // namespace quorvan
