#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace quorvan {

// A per-user store of named string values. A value that is missing or cannot be read is
// returned as the empty string; writes never report failure.
class SettingsStore {
 public:
  virtual ~SettingsStore();
  virtual std::string Value(std::string_view name) const = 0;
  virtual void SetValue(std::string_view name, std::string_view value) = 0;
};

// The store kept in memory (tests, and programs that must not touch the user's settings).
class MemorySettingsStore : public SettingsStore {
 public:
  std::string Value(std::string_view name) const override;
  void SetValue(std::string_view name, std::string_view value) override;

  bool Has(std::string_view name) const { return values_.find(name) != values_.end(); }
  const std::map<std::string, std::string, std::less<>>& Values() const { return values_; }

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace quorvan
