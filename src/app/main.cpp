// quorvan: the window program. One optional argument: a channel file to open.
#include <QApplication>
#include <QTimer>
#include <iostream>

#include "app/AppArguments.h"
#include "app/AppUsage.h"
#include "app/ScreenshotHook.h"
#include "app/StartupWindows.h"
#include "core/model/Version.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/TWelcomeForm.h"
#include "io/settings/QSettingsStore.h"

int main(int argc, char** argv) {
  using namespace quorvan;
  // --help and --version are answered before the window system is touched, so they also work
  // without a display.
  QStringList rawArguments;
  for (int i = 1; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  if (const AppArguments early = ParseAppArguments(rawArguments); early.help || early.version) {
    if (early.help) {
      std::cout << kAppUsage;
    } else {
      std::cout << "quorvan " << kQuorvanVersion << "\n";
    }
    return 0;
  }
  // The model selection exists before the window, whose construction may ask it.
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvan"));
  QApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quentar.quorvan"));
  const AppArguments arguments = ParseAppArguments(app.arguments().mid(1));

  QSettingsStore settings;
  StartupWindows windows(settings, arguments.port);
  TMainForm& mainForm = windows.MainForm();
  windows.ShowMainForm();

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
    mainForm.OfferRecovery();
    mainForm.UpdateEditCommands();
  });
  return QApplication::exec();
}
