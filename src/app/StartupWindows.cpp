#include "app/StartupWindows.h"

#include <QDir>
#include <QScreen>

#include "app/EditorDialogs.h"
#include "app/SystemPorts.h"
#include "gui/mainwindow/TMainForm.h"
#include "io/settings/BackupLocation.h"

namespace quorvan {

StartupWindows::StartupWindows(SettingsStore& settings, const QString& presetPort)
    : readForm_(messages_), writeForm_(messages_), transfers_(readForm_, writeForm_) {
  MainFormServices services;
  services.settings = &settings;
  services.messages = &messages_;
  services.fileDialogs = &fileDialogs_;
  services.transfers = &transfers_;
  services.chooseSetupIndex = [this] { return setupForm_.ChooseIndex(); };
  services.listPorts = SystemSerialPorts;
  // Before the window exists (while it loads the settings) the question has no parent.
  services.askDevicePath = [this] { return AskDevicePath(mainForm_.get()); };
  services.workingDirectory = QDir::currentPath() + QDir::separator();
  services.backupFolder = BackupFolderLocation();
  services.presetPort = presetPort;
  services.makeEditors = EditorDialogsFactory(messages_);

  mainForm_ = std::make_unique<TMainForm>(services);
  messages_.SetParent(mainForm_.get());
  fileDialogs_.SetParent(mainForm_.get());
}

StartupWindows::~StartupWindows() = default;

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
