#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/rules/CsvImport.h"

class QWidget;

namespace quorvan {

class Document;
class MessageService;

// Open and save dialogs for channel lists, and the import's choice of where the rows go.
class CsvFileDialogs {
 public:
  virtual ~CsvFileDialogs() = default;
  // An empty result means the dialog was cancelled.
  virtual QString OpenCsvName(const QString& folder) = 0;
  virtual QString SaveCsvName(const QString& folder) = 0;
  // False when cancelled. `selectedSlot` is the selected ordinary channel (0-399), or -1; the
  // answer's first slot is that channel when the rows go in file order.
  virtual bool ChooseImportPlacement(int selectedSlot, CsvPlacement& placement) = 0;
};

class NativeCsvFileDialogs : public CsvFileDialogs {
 public:
  explicit NativeCsvFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  QString OpenCsvName(const QString& folder) override;
  QString SaveCsvName(const QString& folder) override;
  bool ChooseImportPlacement(int selectedSlot, CsvPlacement& placement) override;

 private:
  QWidget* parent_;
};

// "File > Export CSV..." and "File > Import CSV...".
class CsvCommands {
 public:
  // Shows the import report; the window passes one that runs a ReportDialog modally.
  using ReportViewer = std::function<void(const QString& report)>;

  // Shows the line that tells how an export or import ended in the status bar.
  using StatusLine = std::function<void(const QString& text)>;

  CsvCommands(Document& document, MessageService& messages, CsvFileDialogs& dialogs,
              ReportViewer showReport, StatusLine showStatus = {});

  // Writes the used memory channels to a chosen file. True when the file was written.
  bool ExportCsv(const QString& folder);
  // Stores the rows of a chosen list into the memory slots, where the user chooses, as one
  // change of the document ("Import CSV (12 rows)"), and shows the report. `selectedSlot` is
  // the memory grid's selected slot. True when rows were stored.
  bool ImportCsv(const QString& folder, int selectedSlot);

 private:
  void ShowStatus(const std::string& text) const;

  Document& document_;
  MessageService& messages_;
  CsvFileDialogs& dialogs_;
  ReportViewer showReport_;
  StatusLine showStatus_;
};

}  // namespace quorvan
