// Takes the user guide's pictures: the model selection of the first start, the main window
// after a read from a radio on each of its pages, the about box, the four channel editors open
// on channels of that read, and the sort dialog.
// Usage: quorvan-guide-shots OUT_DIR PORT  (run under a virtual X server by
// scripts/guide-screenshots.sh, with settings folders of its own)
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "core/rules/ChannelRecordBuilder.h"
#include "gui/common/FileDialogService.h"
#include "gui/common/MessageService.h"
#include "gui/editors/TCallForm.h"
#include "gui/editors/TDtmfForm.h"
#include "gui/editors/TMemoryForm.h"
#include "gui/editors/TVfoForm.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TAboutBox.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/sort/TSortForm.h"
#include "gui/transfer/ModalTransferDialogs.h"
#include "io/settings/QSettingsStore.h"

namespace quorvan {
namespace {

bool Save(QWidget& widget, const QString& folder, const char* name) {
  const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
  const bool saved = widget.grab().save(path, "PNG");
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "cannot save",
               qPrintable(path));
  return saved;
}

// A dialog as the user sees it, without waiting for an answer.
bool SaveDialog(QDialog& dialog, const QString& folder, const char* name) {
  dialog.show();
  QApplication::processEvents();
  const bool saved = Save(dialog, folder, name);
  dialog.hide();
  return saved;
}

// An editor open on one channel of the document, as a double-click on its row shows it.
template <typename Editor>
bool SaveEditor(Editor& editor, RadioImage& image, int slot, const QString& folder,
                const char* name) {
  editor.Open(image, slot);
  return SaveDialog(editor, folder, name);
}

// The channel editors and the sort dialog over the window's document. The seeded radio holds
// a repeater in memory 001 but no DTMF memory, which keeps the window's pictures as they were;
// a named autopatch code is stored into DTMF memory 0 here, after those pictures.
int SaveEditorsAndSort(QWidget& window, MessageService& messages, RadioImage& image,
                       const QString& folder) {
  int failures = 0;
  TMemoryForm memory(messages, &window);
  if (!SaveEditor(memory, image, 1, folder, "editor-memory")) ++failures;
  TVfoForm vfo(messages, &window);
  if (!SaveEditor(vfo, image, 0, folder, "editor-vfo")) ++failures;
  TCallForm call(messages, &window);
  if (!SaveEditor(call, image, 0, folder, "editor-call")) ++failures;
  image.Store(SlotKind::Dtmf, 0, BuildDtmfRecord(0, "*715551234", "PATCH"));
  TDtmfForm dtmf(messages, &window);
  if (!SaveEditor(dtmf, image, 0, folder, "editor-dtmf")) ++failures;
  TSortForm sort(&window);
  if (!SaveDialog(sort, folder, "sort")) ++failures;
  return failures;
}

}  // namespace
}  // namespace quorvan

int main(int argc, char** argv) {
  using namespace quorvan;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvan"));
  QApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  const QStringList args = QApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: quorvan-guide-shots OUT_DIR PORT\n");
    return 2;
  }
  const QString folder = args.at(1);
  if (!QDir().mkpath(folder)) return 1;

  TSetupForm setupForm;
  if (!SaveDialog(setupForm, folder, "first-start")) return 1;

  QSettingsStore settings;
  BoxMessageService messages;
  NativeFileDialogService fileDialogs;
  TReadForm readForm(messages);
  TWriteForm writeForm(messages);
  ModalTransferDialogs transfers(readForm, writeForm);
  MainFormServices services;
  services.settings = &settings;
  services.messages = &messages;
  services.fileDialogs = &fileDialogs;
  services.transfers = &transfers;
  services.chooseSetupIndex = [] { return 0; };
  services.workingDirectory = QDir::currentPath() + QDir::separator();
  services.presetPort = args.at(2);
  TMainForm mainForm(services);
  mainForm.show();

  int failures = 0;
  QTimer::singleShot(0, &mainForm, [&] {
    mainForm.ReadFromRadio(TransferScope::All);
    QApplication::setActiveWindow(&mainForm);
    mainForm.Grid(1)->setFocus();
    mainForm.Grid(1)->SelectGridRow(2);
    QApplication::processEvents();
    const char* pages[] = {"main-window", "menu-1", "menu-2"};
    for (int page = 0; page < 3; ++page) {
      mainForm.PageControl()->setCurrentIndex(page);
      QApplication::processEvents();
      if (!Save(mainForm, folder, pages[page])) ++failures;
    }
    mainForm.PageControl()->setCurrentIndex(0);
    TAboutBox about(&mainForm);
    if (!SaveDialog(about, folder, "about")) ++failures;
    failures += SaveEditorsAndSort(mainForm, messages, mainForm.Image(), folder);
    mainForm.Document().SetModified(false);  // nothing to save: the pictures were the point
    QApplication::exit(failures == 0 ? 0 : 1);
  });
  return QApplication::exec();
}
