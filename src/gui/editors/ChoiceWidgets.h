#pragma once

#include <QComboBox>
#include <QWidget>
#include <functional>

namespace quorvan {

// A list that asks before it opens: the channel and band lists offer to store pending changes
// first, and stay shut when that store fails.
class PromptingComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void SetBeforePopup(std::function<bool()> beforePopup) { beforePopup_ = std::move(beforePopup); }
  void showPopup() override;

 private:
  std::function<bool()> beforePopup_;
};

// The two arrows beside the memory channel number; the dialog decides what a step does.
class UpDownControl : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent);

 signals:
  void Stepped(int delta);
};

}  // namespace quorvan
