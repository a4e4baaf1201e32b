#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "gui/mainwindow/ChannelEditors.h"
#include "gui/mainwindow/PortMenu.h"

namespace quorvan {

class ByteChannel;
class CsvFileDialogs;
class FileDialogService;
class MessageService;
class PdfFileDialog;
class PrinterService;
class SettingsStore;
class TransferDialogs;

// Everything the main window reaches outside itself; production and tests fill it differently.
struct MainFormServices {
  SettingsStore* settings = nullptr;
  MessageService* messages = nullptr;
  FileDialogService* fileDialogs = nullptr;
  TransferDialogs* transfers = nullptr;
  std::function<int()> chooseSetupIndex;  // the model selection dialog, first start only
  std::function<QList<PortChoice>()> listPorts;
  std::function<QString()> askDevicePath;
  // Radio > Port Select > Find Radio: the port the user chose of those a radio answered on;
  // empty for none. Help > Diagnostic Report...: shows the report. Empty: the item is off.
  std::function<QString()> findRadio;
  std::function<void()> showDiagnosticReport;
  QString workingDirectory;           // replaces a missing "Path"
  QString backupFolder;               // where completed reads are kept; empty: not kept
  QString recoveryFolder;             // where unsaved work is kept against a crash; empty: not
  QString presetPort;                 // a port chosen for this run only; empty: the stored one
  ByteChannel* liveLine = nullptr;    // the line live mode uses; null: its own serial component
  ChannelEditorsFactory makeEditors;  // empty: the grids open no editor
  // Left empty, the window uses the system's printers and file dialogs.
  PrinterService* printers = nullptr;
  PdfFileDialog* pdfDialog = nullptr;
  CsvFileDialogs* csvDialogs = nullptr;
  // Shows a report (the CSV import, a verify) whose text can be copied and, given an accept
  // text, asks with that button and Cancel whether to go on (true: go on). Empty: a modal
  // ReportDialog.
  std::function<bool(const QString& title, const QString& text, const QString& acceptText)>
      showReport;
  // Help Topics: where the user guide may be (empty: beside the program, then the sources) and
  // what opens a link out of it (empty: the desktop's browser).
  QStringList guideCandidates;
  std::function<bool(const QUrl&)> openExternalUrl;
};

}  // namespace quorvan
