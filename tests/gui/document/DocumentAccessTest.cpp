// Only the document changes its image: no widget or helper of the window holds the image, its
// menu or its band plan but to read them. A change is a function the document runs
// (Document::Change), whose parameter is the one writable image outside the document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace quorvan {
namespace {

// A writable reference or pointer to the document's parts, other than a change's parameter
// ("[&](RadioImage& image)").
bool HoldsWritableDocument(const std::string& line) {
  static const std::regex kWritable(
      R"((^|[^\w])(const\s+)?(RadioImage|MenuSettings|BandPlan)\s*[&*])");
  static const std::regex kChangeParameter(R"(\]\s*\(\s*(RadioImage|MenuSettings)\s*&)");
  static const std::regex kCastAway(R"(const_cast\s*<\s*(RadioImage|MenuSettings|BandPlan))");
  const std::string code = line.substr(0, line.find("//"));
  if (std::regex_search(code, kCastAway)) return true;
  std::string rest = std::regex_replace(code, kChangeParameter, "](");
  for (std::smatch m; std::regex_search(rest, m, kWritable); rest = m.suffix()) {
    if (!m[2].matched) return true;
  }
  return false;
}

TEST(DocumentAccess, TellsWritableHoldersFromReadersAndChanges) {
  struct Case {
    const char* line;
    bool writable;
  };
  const Case cases[] = {
      {"  RadioImage& image_;", true},
      {"  void Open(RadioImage& image, int slot);", true},
      {"  RadioImage* image_ = nullptr;", true},
      {"  MenuSettings& BoundMenu() { return menu_; }", true},
      {"  BandPlan& plan = image.Plan();", true},
      {"  auto& image = const_cast<RadioImage&>(document.Image());", true},
      {"  const RadioImage& Image() const;", false},
      {"  const MenuSettings& menu, const BandPlan& plan", false},
      {"  document_.Change(name, [&](RadioImage& image) { image.Store(kind, slot, {}); });", false},
      {"  [item, &stored](RadioImage& image) { image.Menu().Set(item, stored); },", false},
      {"  // the old RadioImage& image_ is gone", false},
      {"  RadioImage copy = image;", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HoldsWritableDocument(c.line), c.writable) << c.line;
}

TEST(DocumentAccess, NoWidgetOrHelperOfTheWindowHoldsTheImageWritable) {
  std::vector<std::string> found;
  for (const char* folder : {"src/gui", "src/app"}) {
    const std::filesystem::path root = std::filesystem::path(QUORVAN_SOURCE_DIR) / folder;
    ASSERT_TRUE(std::filesystem::is_directory(root)) << root;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".h" && extension != ".cpp") continue;
      std::ifstream file(entry.path());
      std::string line;
      for (int number = 1; std::getline(file, line); ++number) {
        if (HoldsWritableDocument(line)) {
          found.push_back(entry.path().string() + ":" + std::to_string(number) + ": " + line);
        }
      }
    }
  }
  EXPECT_TRUE(found.empty()) << "change the document through Document::Change instead:\n"
                             << ::testing::PrintToString(found);
}

}  // namespace
}  // namespace quorvan
