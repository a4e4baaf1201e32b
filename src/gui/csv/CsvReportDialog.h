#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace quorvan {

// The import report: read-only text the user can select, and a button that copies all of it.
class CsvReportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CsvReportDialog(const QString& report, QWidget* parent = nullptr);

  QString ReportText() const;
  QPushButton* CopyButton() const { return copyButton_; }

 private:
  void CopyAll();

  QPlainTextEdit* text_;
  QPushButton* copyButton_;
};

}  // namespace quorvan
