#pragma once

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan::testing {

// A backups folder of its own in a temporary folder, removed afterwards; the folder itself is
// made by the first backup kept in it.
class BackupFolder {
 public:
  BackupFolder() {
    char pattern[] = "/tmp/quorvan-backups-XXXXXX";
    if (::mkdtemp(pattern)) root_ = pattern;
  }
  ~BackupFolder() {
    std::error_code ec;
    if (!root_.empty()) std::filesystem::remove_all(root_, ec);
  }
  BackupFolder(const BackupFolder&) = delete;
  BackupFolder& operator=(const BackupFolder&) = delete;

  std::string Path() const { return (root_ / "backups").string(); }
  // A file in the backups folder, and one beside it.
  std::string File(const std::string& name) const { return (root_ / "backups" / name).string(); }
  std::string Beside(const std::string& name) const { return (root_ / name).string(); }
  void Make() const { std::filesystem::create_directories(root_ / "backups"); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(root_ / "backups", ec)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path root_;
};

// A document of the plan whose memory channel 0 is named `name`, to tell backups apart.
inline RadioImage NamedImage(const char* type, const char* model, const std::string& name) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, model));
  image.Store(SlotKind::Memory, 0,
              "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name);
  return image;
}

// The process's time zone set for a while ("UTC0", "CET-1"), as the names' local times see it.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    const char* saved = ::getenv("TZ");
    had_ = saved != nullptr;
    if (had_) saved_ = saved;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~TimeZone() {
    if (had_) {
      ::setenv("TZ", saved_.c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  TimeZone(const TimeZone&) = delete;
  TimeZone& operator=(const TimeZone&) = delete;

 private:
  bool had_ = false;
  std::string saved_;
};

}  // namespace quorvan::testing
