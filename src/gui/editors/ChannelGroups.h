#pragma once

#include <QGroupBox>
#include <array>

#include "core/rules/EditorRules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quorvan {

// The "Frequency" group of the memory, VFO and CALL editors: receive frequency, step, mode,
// the shift choices, Reverse, and one place that shows either the transmit frequency (split
// channel) or the offset. Without split (VFO editor) the offset is always shown.
class FrequencyGroup : public QGroupBox {
  Q_OBJECT

 public:
  FrequencyGroup(bool withSplit, int frequencyLength, QWidget* parent);

  void Show(const LoadedChannel& channel);
  // The values Enter fitted; the extra shift choice is touched only when `withSpecialShift`.
  void ShowApplied(const AppliedFields& out, bool withSpecialShift);
  void ReadInto(EditorEntry& entry) const;
  int Mode() const;

  QLineEdit* RxField() const { return rx_; }

 signals:
  void Edited();
  void EnterPressed();
  void ModeChanged(int mode);

 private:
  QRadioButton* ButtonOf(ShiftChoice shift) const;
  void SetSpecialShift(const std::string& caption);
  void SetShift(ShiftChoice shift);
  void UpdateShiftPlace();

  bool withSplit_;
  QLineEdit* rx_;
  QLineEdit* tx_ = nullptr;
  QLineEdit* offset_;
  QComboBox* step_;
  QComboBox* mode_;
  QCheckBox* reverse_;
  QLabel* txLabel_ = nullptr;
  QLabel* txUnit_ = nullptr;
  QLabel* offsetLabel_;
  QLabel* offsetUnit_;
  // Indexed by ShiftChoice; Split is null without split.
  std::array<QRadioButton*, 5> shiftButtons_{};
};

// The "Tone/CTCSS/DCS" group: three mutually exclusive switches and their lists, usable in FM.
class ToneGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit ToneGroup(QWidget* parent);

  void Show(const ChannelRecord& record);
  void ReadInto(EditorEntry& entry) const;
  // The switches and lists are usable in FM only; their settings stay as they are.
  void SetMode(int mode);

 signals:
  void Edited();

 private:
  std::array<QCheckBox*, 3> switches_{};
  std::array<QComboBox*, 3> lists_{};
  std::array<QLabel*, 3> labels_{};
};

}  // namespace quorvan
