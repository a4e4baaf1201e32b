#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/rules/ChannelSettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quorvan {

// "Change Selected": a check box per setting and the value to give every selected channel.
// Only the checked settings are collected; the window applies them through the editor rules.
class ChangeSelectedDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ChangeSelectedDialog(QWidget* parent = nullptr);

  // The settings as the dialog holds them; the name prefix is the typed text in UTF-8 for the
  // caller to turn into name bytes.
  struct Choice {
    ChannelSettings settings;
    std::optional<std::string> namePrefixUtf8;
  };
  // Shows the dialog modally; nothing when it is cancelled.
  std::optional<Choice> Run();

 private:
  enum Row { kMode, kStep, kShift, kTone, kLockout, kPower, kName, kRowCount };
  Choice Collected() const;
  void FillToneValues();

  std::array<QCheckBox*, kRowCount> checks_{};
  QComboBox* mode_;
  QComboBox* step_;
  QComboBox* shift_;
  QLineEdit* offset_;
  QComboBox* toneKind_;
  QComboBox* toneValue_;
  QComboBox* lockout_;
  QComboBox* power_;
  QLineEdit* namePrefix_;
};

}  // namespace quorvan
