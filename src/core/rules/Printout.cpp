#include "core/rules/Printout.h"

#include "core/rules/PrintoutLines.h"

namespace quorvan {
namespace {

constexpr int kLastLine = kPrintLinesPerPage - 1;
constexpr int kLastSectionStart = kPrintLinesPerPage - 3;

// Lays lines out on pages: the caption heads every page, lists continue on a new page when
// the page is full, and a section never starts in the last two lines of a page.
class PageWriter {
 public:
  explicit PageWriter(std::string_view caption) : caption_(caption) { NewPage(2); }

  void Put(int line, std::string text) { pages_.back().push_back({line, std::move(text)}); }
  int Line() const { return c_; }
  void SetLine(int c) { c_ = c; }

  // One entry of a list; an empty text is checked for room but prints nothing.
  void ListItem(std::string text) {
    if (c_ > kLastLine) NewPage(2);
    if (text.empty()) return;
    Put(c_, std::move(text));
    ++c_;
  }

  void SectionBreak() {
    if (c_ > kLastSectionStart) NewPage(1);
  }

  void Heading(std::string_view text) {
    Put(c_ + 1, std::string(text));
    c_ += 2;
  }

  std::vector<PrintPage> Take() { return std::move(pages_); }

 private:
  void NewPage(int c) {
    pages_.emplace_back();
    Put(0, caption_);
    c_ = c;
  }

  std::string caption_;
  std::vector<PrintPage> pages_;
  int c_ = 0;
};

std::string ChannelItem(const RadioImage& image, SlotKind kind, int slot) {
  const std::string& record = image.Record(kind, slot);
  const bool used = kind == SlotKind::Memory
                        ? record.size() > 1
                        : image.Channel(kind, slot)[ChannelField::Frequency].size() > 1;
  return used ? ChannelPrintLine(image.Plan(), kind, record) : std::string();
}

}  // namespace

std::vector<PrintPage> BuildPrintout(const RadioImage& image, std::string_view caption) {
  PageWriter out(caption);
  if (!image.Comment().empty()) {
    out.Put(2, "Comment");
    out.Put(3, image.Comment());
    out.SetLine(5);
  }
  out.Put(out.Line(), "Memory Channel");
  out.SetLine(out.Line() + 1);
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    out.ListItem(ChannelItem(image, SlotKind::Memory, slot));
  }

  out.SectionBreak();
  out.Heading("VFO");
  for (int slot = 0; slot < kVfoSlots; ++slot)
    out.ListItem(ChannelItem(image, SlotKind::Vfo, slot));

  out.SectionBreak();
  for (int range = 0; range < kProgramVfoSlots; ++range) {
    out.ListItem(
        ProgramVfoPrintLine(image.Plan(), range, image.Record(SlotKind::ProgramVfo, range)));
  }

  out.SectionBreak();
  out.Heading("CALL Channel");
  for (int slot = 0; slot < kCallSlots; ++slot) {
    out.ListItem(ChannelItem(image, SlotKind::Call, slot));
  }

  out.SectionBreak();
  out.Heading("DTMF Memory");
  for (int slot = 0; slot < kDtmfSlots; ++slot) {
    const std::string& record = image.Record(SlotKind::Dtmf, slot);
    out.ListItem(image.Dtmf(slot).Code().empty() ? std::string() : DtmfPrintLine(record));
  }

  out.SectionBreak();
  out.Heading("Menu 1");
  for (int line = 0; line < kMenu1PrintLines; ++line) {
    out.ListItem(MenuPrintLine(image.Plan(), image.Menu(), line));
  }
  out.SectionBreak();
  out.Heading("Menu 2");
  for (int line = kMenu1PrintLines; line < kMenuPrintLineCount; ++line) {
    out.ListItem(MenuPrintLine(image.Plan(), image.Menu(), line));
  }
  return out.Take();
}

}  // namespace quorvan
