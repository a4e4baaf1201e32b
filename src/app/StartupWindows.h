#pragma once

#include <QString>
#include <memory>

#include "gui/common/FileDialogService.h"
#include "gui/common/MessageService.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/transfer/ModalTransferDialogs.h"
#include "io/session/TransferRecorder.h"

namespace quorvan {

class DiagnosticReportDialog;
class SettingsStore;
class TMainForm;

// Every window the program makes at start-up, joined by the production services: the model
// selection, the read and write dialogs and the main window, whose construction loads the
// settings (and may ask for the model). The program and the start-up benchmark both build it.
class StartupWindows {
 public:
  // presetPort: a port chosen for this run only; empty uses the stored one.
  StartupWindows(SettingsStore& settings, const QString& presetPort);
  ~StartupWindows();
  StartupWindows(const StartupWindows&) = delete;
  StartupWindows& operator=(const StartupWindows&) = delete;

  TMainForm& MainForm() { return *mainForm_; }
  // Shows the main window centred on its screen.
  void ShowMainForm();

 private:
  BoxMessageService messages_;
  NativeFileDialogService fileDialogs_;
  TSetupForm setupForm_;
  TReadForm readForm_;
  TWriteForm writeForm_;
  ModalTransferDialogs transfers_;
  TransferRecorder recorder_;
  // Last, so it goes first: the window uses everything above until it is gone.
  std::unique_ptr<TMainForm> mainForm_;
  // Made the first time it is asked for; a child of the window, so it goes with it.
  DiagnosticReportDialog* report_ = nullptr;

  QString FindRadio();
  void ShowDiagnosticReport();
};

}  // namespace quorvan
