#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QVBoxLayout;

namespace quorvan {

// A report the user may want to keep (the CSV import, a verify): read-only text that can be
// selected, a button that copies all of it, and Close; or, given an accept text, that button
// and Cancel, so the report asks whether to go on.
class ReportDialog : public QDialog {
  Q_OBJECT

 public:
  ReportDialog(const QString& title, const QString& report, const QString& acceptText = {},
               QWidget* parent = nullptr);

  QString ReportText() const;
  // A report that changes while it is shown (the diagnostic report).
  void SetReportText(const QString& report);
  QPushButton* CopyButton() const { return copyButton_; }
  QPushButton* AcceptButton() const { return acceptButton_; }  // null without an accept text

 protected:
  void showEvent(QShowEvent* event) override;
  // For a report with controls of its own: the layout (the text, then the buttons) and the
  // button row.
  QVBoxLayout* Layout() const { return layout_; }
  QDialogButtonBox* Buttons() const { return buttons_; }
  // The row of the buttons that act on the report (Copy), before the box.
  QHBoxLayout* ActionRow() const { return actions_; }

 private:
  void CopyAll();

  QVBoxLayout* layout_;
  QDialogButtonBox* buttons_ = nullptr;
  QHBoxLayout* actions_ = nullptr;
  QPlainTextEdit* text_;
  QPushButton* copyButton_;
  QPushButton* acceptButton_ = nullptr;
};

// Shows a report modally; true when the user chose the accept button.
bool ExecReportDialog(const QString& title, const QString& report, const QString& acceptText,
                      QWidget* parent);

}  // namespace quorvan
