#pragma once

#include <filesystem>
#include <string>

namespace quorvan::testing {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The settings folder this test process uses for in-process stores; set before any store is
// created so that no test touches the user's own settings.
const std::filesystem::path& ProcessConfigHome();

}  // namespace quorvan::testing
