// Takes the user guide's pictures: the model selection of the first start, the main window
// after a read from a radio on each of its pages and its tool bar, the about box, the channel
// editors open on the main kinds of channel of that read, the sort dialog, the report of a CSV
// import, the help window, the View menu open, the history of the radio the script wrote to
// before, and the printout's first page as a PDF (printout.pdf, which the script turns into a
// picture).
// Usage: quorvan-guide-shots OUT_DIR PORT GUIDE.md  (run under a virtual X server by
// scripts/guide-screenshots.sh, with settings folders of its own); the window is in the
// system's language.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

#include "core/model/ChannelRecord.h"
#include "core/rules/CsvImport.h"
#include "core/rules/EditorRules.h"
#include "core/rules/Printout.h"
#include "gui/common/FileDialogService.h"
#include "gui/common/MessageService.h"
#include "gui/common/ReportDialog.h"
#include "gui/editors/TCallForm.h"
#include "gui/editors/TDtmfForm.h"
#include "gui/editors/TMemoryForm.h"
#include "gui/editors/TVfoForm.h"
#include "gui/help/THelpForm.h"
#include "gui/history/HistoryDialog.h"
#include "gui/language/AppLanguage.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TAboutBox.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/sort/TSortForm.h"
#include "gui/transfer/ModalTransferDialogs.h"
#include "io/printing/PrintoutPainter.h"
#include "io/settings/BackupLocation.h"
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
bool SaveEditor(Editor& editor, Document& document, int slot, const QString& folder,
                const char* name) {
  editor.Open(document, slot);
  return SaveDialog(editor, folder, name);
}

// A split channel: receive and transmit on frequencies of their own.
std::string SplitChannel(const RadioImage& image, int slot) {
  EditorEntry entry;
  entry.typed = {"147.300", "146.100", "0.60"};
  entry.shift = ShiftChoice::Split;
  entry.choices.Set(ChannelField::Name, "ODDSPLIT");
  return ComposeMemoryRecord(image, slot, entry).record;
}

// The channel editors on the main kinds of channel of the sample radio (a repeater, an
// airband channel in AM, a split channel; the VFO of a band of band A and of band B; a CALL
// channel; a named DTMF memory) and the sort dialog.
int SaveEditorsAndSort(QWidget& window, MessageService& messages, Document& document,
                       const QString& folder) {
  int failures = 0;
  TMemoryForm memory(messages, &window);
  if (!SaveEditor(memory, document, 1, folder, "editor-memory")) ++failures;
  if (!SaveEditor(memory, document, 10, folder, "editor-memory-air")) ++failures;
  document.Change("Edit 020", [](RadioImage& image) {
    image.Store(SlotKind::Memory, 20, SplitChannel(image, 20));
  });
  if (!SaveEditor(memory, document, 20, folder, "editor-memory-split")) ++failures;
  TVfoForm vfo(messages, &window);
  if (!SaveEditor(vfo, document, 0, folder, "editor-vfo")) ++failures;
  if (!SaveEditor(vfo, document, 8, folder, "editor-vfo-b")) ++failures;
  TCallForm call(messages, &window);
  if (!SaveEditor(call, document, 0, folder, "editor-call")) ++failures;
  TDtmfForm dtmf(messages, &window);
  if (!SaveEditor(dtmf, document, 0, folder, "editor-dtmf")) ++failures;
  TSortForm sort(&window);
  if (!SaveDialog(sort, folder, "sort")) ++failures;
  return failures;
}

// The report of importing a small list with one row adjusted and one left out.
bool SaveCsvReport(QWidget& window, const RadioImage& image, const QString& folder) {
  const std::string list =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,TStep\r\n"
      "30,HILLTOP,146.760000,-,0.600000,Tone,100.0,FM,5.00\r\n"
      "31,CITY,444.537000,+,5.000000,Tone,127.3,FM,12.50\r\n"
      "32,PACKET,145.010000,,0.000000,,88.5,FM,5.00\r\n"
      "500,FAR AWAY,146.580000,,0.000000,,88.5,FM,5.00\r\n";
  RadioImage copy = image;
  CsvImportReport report;
  std::string error;
  if (!ImportMemoryCsv(list, copy, report, &error)) {
    std::fprintf(stderr, "the sample list was refused: %s\n", error.c_str());
    return false;
  }
  ReportDialog dialog(QStringLiteral("Import CSV"), QString::fromStdString(report.Text()), {},
                      &window);
  dialog.resize(640, 240);
  return SaveDialog(dialog, folder, "csv-report");
}

// The help window on the section about the window, as F1 shows it.
bool SaveHelp(QSettingsStore& settings, const QString& guide, const QString& folder) {
  THelpForm help(settings, {});
  if (!help.LoadGuide(guide)) {
    std::fprintf(stderr, "cannot read the guide %s\n", qPrintable(guide));
    return false;
  }
  help.resize(900, 600);
  help.show();
  QApplication::processEvents();
  help.ScrollToAnchor(QStringLiteral("the-main-window"));
  QApplication::processEvents();
  const bool saved = Save(help, folder, "help");
  help.hide();
  return saved;
}

// The window with a menu of the menu bar open, the one holding `command`. A menu is a window of
// its own, so the picture is taken from the screen.
bool SaveOpenMenu(TMainForm& window, MainCommand command, const QString& folder, const char* name) {
  QAction* item = window.Action(command);
  QMenu* menu = nullptr;
  QAction* title = nullptr;
  for (QAction* candidate : window.menuBar()->actions()) {
    if (candidate->menu() && candidate->menu()->actions().contains(item)) {
      menu = candidate->menu();
      title = candidate;
    }
  }
  if (!menu) return false;
  QMenuBar* bar = window.menuBar();
  menu->popup(bar->mapToGlobal(bar->actionGeometry(title).bottomLeft()));
  menu->setActiveAction(item);
  QEventLoop settle;  // the menu is mapped and painted by the X server
  QTimer::singleShot(400, &settle, &QEventLoop::quit);
  settle.exec();
  const QRect frame = window.frameGeometry();
  const QPixmap shot =
      window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  menu->close();
  QApplication::processEvents();
  const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
  const bool saved = shot.save(path, "PNG");
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "cannot save",
               qPrintable(path));
  return saved;
}

// Radio > History on the sample radio, the newest entry and the first write compared.
bool SaveHistory(TMainForm& window, MessageService& messages, const QString& backups,
                 const QString& folder) {
  HistoryServices services{backups, window.Image().Plan(), &messages, {}, {}};
  HistoryDialog history(std::move(services), &window);
  if (history.Entries().size() < 3) {
    std::fprintf(stderr, "the history holds %zu entries, not the writes made before\n",
                 history.Entries().size());
    return false;
  }
  history.resize(860, 560);
  history.SelectNumbers({2, 4});
  return SaveDialog(history, folder, "history");
}

// The printout as the window's Print sends it, for a file saved in the user's home folder.
bool SavePrintout(const RadioImage& image, const QString& folder) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder + QStringLiteral("/printout.pdf"));
  return PaintPrintout(printer, BuildPrintout(image, "Quorvan [/home/user/radio.qvx]"),
                       image.Plan().DestinationLetter());
}

// Live mode on, a channel renamed and confirmed by the radio: its row marked, the status bar
// saying so.
bool SaveLiveMode(TMainForm& form, const QString& folder) {
  form.Action(MainCommand::RadioLiveMode)->trigger();
  if (!form.Live().Active()) return false;
  ChannelRecord record = ChannelRecord::Parse(form.Image().Record(SlotKind::Memory, 2));
  if (record.Empty()) return false;
  record.Set(ChannelField::Name, "LIVE");
  form.Document().Change("Edit 002", [&record](RadioImage& image) {
    image.Store(SlotKind::Memory, 2, record.Text());
  });
  QElapsedTimer guard;
  guard.start();
  while (!form.Live().Settled() && !form.Live().Paused() && guard.elapsed() < 30000) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  form.GridOf(Grid::Memory)->SelectGridRow(4);
  QApplication::processEvents();
  const bool saved = form.Live().Settled() && Save(form, folder, "live-mode");
  // The other pictures show the radio as read: the rename is taken back, on the radio too.
  form.Undo();
  form.Live().Leave();
  form.GridOf(Grid::Memory)->SelectGridRow(2);
  return saved;
}

}  // namespace
}  // namespace quorvan

int main(int argc, char** argv) {
  using namespace quorvan;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvan"));
  QApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  const QStringList args = QApplication::arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: quorvan-guide-shots OUT_DIR PORT GUIDE.md\n");
    return 2;
  }
  const QString folder = args.at(1);
  if (!QDir().mkpath(folder)) return 1;
  // In the system's language, as the program starts (LC_ALL=de_DE.UTF-8 and so on).
  InstallTranslations(app, QLocale::system(),
                      TranslationFolders(QCoreApplication::applicationDirPath()));

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
  services.backupFolder = BackupFolderLocation();
  TMainForm mainForm(services);
  mainForm.show();

  int failures = 0;
  QTimer::singleShot(0, &mainForm, [&] {
    mainForm.ReadFromRadio(TransferScope::All);
    QApplication::setActiveWindow(&mainForm);
    mainForm.GridOf(Grid::Memory)->setFocus();
    mainForm.GridOf(Grid::Memory)->SelectGridRow(2);
    QApplication::processEvents();
    const char* pages[] = {"main-window", "menu-1", "menu-2"};
    for (int page = 0; page < 3; ++page) {
      mainForm.PageControl()->setCurrentIndex(page);
      QApplication::processEvents();
      if (!Save(mainForm, folder, pages[page])) ++failures;
    }
    mainForm.PageControl()->setCurrentIndex(0);
    if (!Save(*mainForm.findChild<QToolBar*>(QStringLiteral("ToolBar1")), folder, "toolbar")) {
      ++failures;
    }
    TAboutBox about(&mainForm);
    if (!SaveDialog(about, folder, "about")) ++failures;
    if (!SavePrintout(mainForm.Image(), folder)) ++failures;
    if (!SaveCsvReport(mainForm, mainForm.Image(), folder)) ++failures;
    if (!SaveHelp(settings, args.at(3), folder)) ++failures;
    if (!SaveOpenMenu(mainForm, MainCommand::ViewAllColumns, folder, "view-menu")) ++failures;
    if (!SaveHistory(mainForm, messages, services.backupFolder, folder)) ++failures;
    // After the history, which shows the writes before it only.
    if (!SaveLiveMode(mainForm, folder)) ++failures;
    failures += SaveEditorsAndSort(mainForm, messages, mainForm.Document(), folder);
    mainForm.Document().SetModified(false);  // nothing to save: the pictures were the point
    QApplication::exit(failures == 0 ? 0 : 1);
  });
  return QApplication::exec();
}
