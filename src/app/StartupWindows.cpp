#include "app/StartupWindows.h"

#include <QDir>
#include <QScreen>

#include "app/EditorDialogs.h"
#include "app/SystemPorts.h"
#include "gui/diagnostics/DiagnosticReportDialog.h"
#include "gui/diagnostics/FindRadioDialog.h"
#include "gui/mainwindow/TMainForm.h"
#include "io/serial/PortCandidates.h"
#include "io/settings/BackupLocation.h"

namespace quorvan {

StartupWindows::StartupWindows(SettingsStore& settings, const QString& presetPort)
    : readForm_(messages_), writeForm_(messages_), transfers_(readForm_, writeForm_) {
  readForm_.SetRecorder(&recorder_);
  writeForm_.SetRecorder(&recorder_);
  MainFormServices services;
  services.settings = &settings;
  services.messages = &messages_;
  services.fileDialogs = &fileDialogs_;
  services.transfers = &transfers_;
  services.chooseSetupIndex = [this] { return setupForm_.ChooseIndex(); };
  services.listPorts = SystemSerialPorts;
  // Before the window exists (while it loads the settings) the question has no parent.
  services.askDevicePath = [this] { return AskDevicePath(mainForm_.get()); };
  services.findRadio = [this] { return FindRadio(); };
  services.showDiagnosticReport = [this] { ShowDiagnosticReport(); };
  services.workingDirectory = QDir::currentPath() + QDir::separator();
  services.backupFolder = BackupFolderLocation();
  services.recoveryFolder = RecoveryFolderLocation();
  services.presetPort = presetPort;
  services.makeEditors = EditorDialogsFactory(messages_);

  mainForm_ = std::make_unique<TMainForm>(services);
  messages_.SetParent(mainForm_.get());
  fileDialogs_.SetParent(mainForm_.get());
}

StartupWindows::~StartupWindows() = default;

QString StartupWindows::FindRadio() {
  FindRadioDialog dialog([this] { return SerialPortCandidates(mainForm_->CommPort()); }, &recorder_,
                         mainForm_.get());
  return dialog.Run();
}

void StartupWindows::ShowDiagnosticReport() {
  if (!report_) {
    report_ = new DiagnosticReportDialog(
        recorder_, messages_,
        [this](const QString& suggested) { return AskReportFileName(report_, suggested); },
        mainForm_.get());
  }
  report_->Refresh();
  report_->show();
  report_->raise();
  report_->activateWindow();
}

void StartupWindows::ShowMainForm() {
  if (mainForm_->RestoreGeometry()) {
    mainForm_->show();
    return;
  }
  mainForm_->show();
  if (const QScreen* screen = mainForm_->screen()) {
    mainForm_->move(screen->availableGeometry().center() - mainForm_->rect().center());
  }
}

}  // namespace quorvan
