#pragma once

#include <QDialog>

#include "core/model/RadioImage.h"
#include "core/rules/SortMemoryChannels.h"

class QRadioButton;

namespace quorvan {

// "Memory Channel Sort": asks for the key and sorts the ordinary memory channels. One instance
// lives for the whole run, so the last choice is offered again next time.
class TSortForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSortForm(QWidget* parent = nullptr);

  // Shows the dialog modally; on "&Sort" sorts the image and returns true (the caller then
  // refreshes the view and marks the document modified). "&Cancel" changes nothing.
  bool Run(RadioImage& image);

  SortKey ChosenKey() const;

 private:
  QRadioButton* byFrequency_;
  QRadioButton* byName_;
};

}  // namespace quorvan
