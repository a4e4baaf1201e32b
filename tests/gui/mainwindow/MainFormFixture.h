#pragma once

#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <memory>

#include "core/model/SettingsStore.h"
#include "gui/mainwindow/TMainForm.h"
#include "support/ScriptedServices.h"

namespace quorvan {

// The caption as the window system shows it, change mark included.
inline QString ShownTitle(QWidget& window) {
  window.winId();  // the title reaches the window system once the window exists there
  return window.windowHandle()->title();
}

// A main window on scripted messages, file dialogs and transfers, a settings store in memory
// and a temporary folder for files and backups.
struct MainFormFixture {
  QTemporaryDir dir;
  MemorySettingsStore settings;
  ScriptedMessages messages;
  ScriptedFileDialogs files;
  ScriptedTransfers transfers;
  int setupShown = 0;
  int setupChoice = 0;
  QList<PortChoice> systemPorts;
  QString typedDevice;
  std::unique_ptr<TMainForm> form;
  std::function<void(MainFormServices&)> adjustServices;  // e.g. the editors, the printers

  void Create(const QString& presetPort = {}) {
    MainFormServices services;
    services.settings = &settings;
    services.messages = &messages;
    services.fileDialogs = &files;
    services.transfers = &transfers;
    services.chooseSetupIndex = [this] {
      ++setupShown;
      return setupChoice;
    };
    services.listPorts = [this] { return systemPorts; };
    services.askDevicePath = [this] { return typedDevice; };
    services.workingDirectory = dir.path() + QStringLiteral("/");
    services.backupFolder = dir.filePath(QStringLiteral("backups"));
    services.presetPort = presetPort;
    if (adjustServices) adjustServices(services);
    form = std::make_unique<TMainForm>(services);
  }

  QString Path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace quorvan
