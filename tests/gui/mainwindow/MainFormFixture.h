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

// A change of the window's document as a command makes it: one step to undo, Modified set.
inline void ChangeDocument(TMainForm& form, const Document::Edit& edit) {
  form.Document().Change("Edit", edit);
}

// The window's document as a test needs it, as if a file holding it had just been opened:
// nothing to undo, nothing modified.
inline void OpenDocument(TMainForm& form, const Document::Edit& edit) {
  RadioImage image = form.Image();
  edit(image);
  form.Document().Open(std::move(image), form.Document().Name());
}

// An item of the port menu, which lists the ports by their names.
inline QAction* PortItem(TMainForm& form, const char* name) {
  return form.findChild<QAction*>(QString::fromLatin1(name));
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
