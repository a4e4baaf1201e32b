#pragma once

#include <QString>
#include <functional>

#include "gui/common/ReportDialog.h"

class QCheckBox;

namespace quorvan {

class MessageService;
class TransferRecorder;

// Help > "Diagnostic Report...": what a bug report needs, as text to copy or save: the program
// and the system, the serial ports with their adapters, and, once "Record Transfers" is
// checked, every command and reply of the transfers since (kept for this run only). It stays
// open beside the window and follows the transfers as they end.
class DiagnosticReportDialog : public ReportDialog {
  Q_OBJECT

 public:
  // Asks where the report goes; empty when cancelled.
  using AskSaveName = std::function<QString(const QString& suggested)>;

  DiagnosticReportDialog(TransferRecorder& recorder, MessageService& messages,
                         AskSaveName askSaveName, QWidget* parent = nullptr);

  QCheckBox* RecordCheck() const { return record_; }
  QPushButton* SaveButton() const { return save_; }
  // Builds the text anew (the recorder signals when it changes).
  void Refresh();
  // "Save...": true when the report was written.
  bool Save();

 private:
  TransferRecorder& recorder_;
  MessageService& messages_;
  AskSaveName askSaveName_;
  QCheckBox* record_;
  QPushButton* save_;
};

// The native dialog for the report's file name.
QString AskReportFileName(QWidget* parent, const QString& suggested);

}  // namespace quorvan
