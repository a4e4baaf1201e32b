#pragma once

#include <QDialog>

#include "core/rules/SortMemoryChannels.h"

class QRadioButton;

namespace quorvan {

class Document;

// "Memory Channel Sort": asks for the key and sorts the ordinary memory channels. One instance
// lives for the whole run, so the last choice is offered again next time.
class TSortForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSortForm(QWidget* parent = nullptr);

  // Shows the dialog modally; on "&Sort" sorts the document as one change ("Sort by
  // Frequency") and returns true. "&Cancel" changes nothing.
  bool Run(Document& document);

  SortKey ChosenKey() const;

 private:
  QRadioButton* byFrequency_;
  QRadioButton* byName_;
};

}  // namespace quorvan
