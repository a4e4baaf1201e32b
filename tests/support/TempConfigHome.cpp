#include "support/TempConfigHome.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace quorvan::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvan-cli-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

namespace {

struct ProcessConfig {
  ProcessConfig() {
    ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    ::setenv("HOME", dir.Path().c_str(), 1);
  }
  TempDir dir;
};

ProcessConfig& Config() {
  static ProcessConfig config;
  return config;
}

// Set while static objects are built, before any test can create a settings store.
[[maybe_unused]] const bool g_configured = (Config(), true);

}  // namespace

const std::filesystem::path& ProcessConfigHome() { return Config().dir.Path(); }

}  // namespace quorvan::testing
