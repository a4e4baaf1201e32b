#pragma once

#include <QSettings>

#include "core/model/SettingsStore.h"

namespace quorvan {

// The per-user settings of the QUENTAR "Quorvax" key. Names and values are Latin-1 byte
// strings, so every stored byte comes back unchanged.
class QSettingsStore : public SettingsStore {
 public:
  QSettingsStore();
  std::string Value(std::string_view name) const override;
  void SetValue(std::string_view name, std::string_view value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace quorvan
