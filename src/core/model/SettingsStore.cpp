#include "core/model/SettingsStore.h"

namespace quorvan {

SettingsStore::~SettingsStore() = default;

std::string MemorySettingsStore::Value(std::string_view name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? std::string() : it->second;
}

void MemorySettingsStore::SetValue(std::string_view name, std::string_view value) {
  values_.insert_or_assign(std::string(name), std::string(value));
}

}  // namespace quorvan
