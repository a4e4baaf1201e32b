#pragma once

#include <QString>
#include <functional>

#include "core/model/RadioImage.h"

class QWidget;

namespace quorvan {

class MessageService;

// Open and save dialogs for channel lists; an empty result means the dialog was cancelled.
class CsvFileDialogs {
 public:
  virtual ~CsvFileDialogs() = default;
  virtual QString OpenCsvName(const QString& folder) = 0;
  virtual QString SaveCsvName(const QString& folder) = 0;
};

class NativeCsvFileDialogs : public CsvFileDialogs {
 public:
  explicit NativeCsvFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  QString OpenCsvName(const QString& folder) override;
  QString SaveCsvName(const QString& folder) override;

 private:
  QWidget* parent_;
};

// "File > Export CSV..." and "File > Import CSV...".
class CsvCommands {
 public:
  // Shows the import report; the window passes one that runs CsvReportDialog modally.
  using ReportViewer = std::function<void(const QString& report)>;

  CsvCommands(RadioImage& image, MessageService& messages, CsvFileDialogs& dialogs,
              ReportViewer showReport);

  // Writes the used memory channels to a chosen file. True when the file was written.
  bool ExportCsv(const QString& folder);
  // Stores the rows of a chosen list into the memory slots and shows the report. True when
  // the document changed: the caller then sets Modified and refreshes the view, once.
  bool ImportCsv(const QString& folder);
  // How many rows the last import stored.
  int ImportedRows() const { return importedRows_; }

 private:
  RadioImage& image_;
  MessageService& messages_;
  CsvFileDialogs& dialogs_;
  ReportViewer showReport_;
  int importedRows_ = 0;
};

}  // namespace quorvan
