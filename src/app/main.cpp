// quorvan: the window program. One optional argument: a channel file to open.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cstring>
#include <iostream>

#include "app/AppArguments.h"
#include "app/EditorDialogs.h"
#include "app/ScreenshotHook.h"
#include "app/SystemPorts.h"
#include "model/Version.h"
#include "platform/QSettingsStore.h"
#include "transfer/ui/ModalTransferDialogs.h"
#include "ui/FileDialogService.h"
#include "ui/MessageService.h"
#include "ui/TMainForm.h"
#include "ui/TSetupForm.h"
#include "ui/TWelcomeForm.h"

int main(int argc, char** argv) {
  using namespace quorvan;
  // Answered before the window system is touched, so it also works without a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quorvan " << kQuorvanVersion << "\n";
    return 0;
  }
  // The model selection exists before the window, whose construction may ask it.
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvan"));
  QApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  const AppArguments arguments = ParseAppArguments(app.arguments().mid(1));

  QSettingsStore settings;
  BoxMessageService messages;
  NativeFileDialogService fileDialogs;
  TSetupForm setupForm;
  TReadForm readForm(messages);
  TWriteForm writeForm(messages);
  ModalTransferDialogs transfers(readForm, writeForm);

  QWidget* dialogParent = nullptr;  // the main window, once it exists
  MainFormServices services;
  services.settings = &settings;
  services.messages = &messages;
  services.fileDialogs = &fileDialogs;
  services.transfers = &transfers;
  services.chooseSetupIndex = [&setupForm] { return setupForm.ChooseIndex(); };
  services.listPorts = SystemSerialPorts;
  services.askDevicePath = [&dialogParent] { return AskDevicePath(dialogParent); };
  services.workingDirectory = QDir::currentPath() + QDir::separator();
  services.backupFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                          QStringLiteral("/backups");
  services.presetPort = arguments.port;
  services.makeEditors = EditorDialogsFactory(messages);

  TMainForm mainForm(services);
  dialogParent = &mainForm;
  messages.SetParent(&mainForm);
  fileDialogs.SetParent(&mainForm);
  mainForm.show();
  if (const QScreen* screen = mainForm.screen()) {
    mainForm.move(screen->availableGeometry().center() - mainForm.rect().center());
  }

  if (!arguments.screenshot.isEmpty()) {
    ReadAndGrabLater(mainForm, arguments.screenshot);
    return QApplication::exec();
  }
  QTimer::singleShot(0, &mainForm, [&] {
    if (!arguments.noSplash) {
      TWelcomeForm welcome(&mainForm);
      welcome.exec();
    }
    if (!arguments.fileParts.isEmpty()) mainForm.OpenCommandLine(arguments.fileParts);
    if (mainForm.GetHooks().updateEditCommands) mainForm.GetHooks().updateEditCommands();
  });
  return QApplication::exec();
}
