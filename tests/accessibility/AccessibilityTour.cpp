// Opens the main window and then every dialog in turn, one at a time, for a reader of the
// accessible tree (at_spi_walk.py) to look at. It reads commands on standard input:
//   next   close the window shown and show the next one ("window NAME TITLE", or "done" at
//          the end)
//   tab    press Tab in the window shown ("focus OBJECTNAME")
//   find   look for a channel that is not there ("found")
// Each window is made active before it is told, since no window manager does that here.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "app/StartupWindows.h"
#include "core/model/AppSettings.h"
#include "core/model/SettingsStore.h"
#include "gui/common/ReportDialog.h"
#include "core/transfer/LiveStep.h"
#include "gui/common/MessageService.h"
#include "gui/csv/CsvImportDialog.h"
#include "gui/diagnostics/FindRadioDialog.h"
#include "gui/document/DocumentSignals.h"
#include "gui/live/LiveBanner.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/FindBar.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"
#include "support/FakeChannel.h"

namespace quorvan {
namespace {

struct Stop {
  const char* name;
  std::function<void()> open;  // shows the window; a modal one runs its loop here
};

class Tour : public QObject {
 public:
  Tour(TMainForm& form, std::vector<Stop> stops) : form_(form), stops_(std::move(stops)) {
    input_ = new QSocketNotifier(0, QSocketNotifier::Read, this);
    connect(input_, &QSocketNotifier::activated, this, [this] { ReadCommand(); });
  }

  void Start() { OpenStop(); }

 private:
  QWidget* Shown() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return &form_;
  }

  void OpenStop() {
    if (next_ >= stops_.size()) {
      std::cout << "done" << std::endl;
      QApplication::quit();
      return;
    }
    const Stop& stop = stops_[next_++];
    const std::string name = stop.name;
    // Told once the window is up, from inside its loop when it is modal.
    QTimer::singleShot(400, this, [this, name] {
      QWidget* window = Shown();
      window->activateWindow();
      QApplication::setActiveWindow(window);
      std::cout << "window " << name << " " << window->windowTitle().toStdString() << std::endl;
    });
    stop.open();
  }

  void ReadCommand() {
    std::string line;
    if (!std::getline(std::cin, line)) {
      QApplication::quit();
      return;
    }
    if (line == "tab") {
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus ? focus : Shown(), Qt::Key_Tab);
      focus = QApplication::focusWidget();
      std::cout << "focus " << (focus ? focus->objectName().toStdString() : std::string("-"))
                << std::endl;
    } else if (line == "find") {
      // A find that fails, as the user runs it: the status bar tells, and so its notice.
      form_.Action(MainCommand::EditFind)->trigger();
      form_.Finder()->Field()->setText(QStringLiteral("no such channel"));
      form_.Action(MainCommand::EditFindNext)->trigger();
      std::cout << "found" << std::endl;
    } else if (line == "next") {
      QWidget* window = Shown();
      if (window != &form_) window->close();
      QTimer::singleShot(0, this, [this] { OpenStop(); });
    }
  }

  TMainForm& form_;
  std::vector<Stop> stops_;
  std::size_t next_ = 0;
  QSocketNotifier* input_ = nullptr;
};

void Trigger(TMainForm& form, MainCommand command) { form.Action(command)->trigger(); }

// The bar of a paused live mode over the grids, with the text a failed step leaves.
void ShowLiveBanner(TMainForm& form) {
  form.PageControl()->setCurrentIndex(0);
  auto* banner = form.findChild<LiveBanner*>(QStringLiteral("LiveBanner"));
  banner->ShowText(QString::fromStdString(
      LivePausedText({ItemRef{ItemKind::Memory, 0}}, "The radio did not answer.")));
  banner->ResumeButton()->setFocus();
}

void EnterGrid(TMainForm& form, Grid grid) {
  form.PageControl()->setCurrentIndex(0);
  form.GridOf(grid)->setFocus();
  QTest::keyClick(form.GridOf(grid), Qt::Key_Return);
}

}  // namespace
}  // namespace quorvan

int main(int argc, char** argv) {
  using namespace quorvan;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quorvan-accessibility-tour"));
  MemorySettingsStore settings;
  settings.SetValue(kTypeSetting, "KK,0F");
  settings.SetValue(kModelSetting, "ARVEN");
  StartupWindows windows(settings, QString());
  TMainForm& form = windows.MainForm();
  windows.ShowMainForm();
  // A channel to show, to edit and to change with others.
  form.Document().Change("Seed", [](RadioImage& image) {
    image.Store(SlotKind::Memory, 0,
                "000,00146520000,0,0,0,1,0,0,08,08,000,000600000,0,0,,,,NATIONAL");
  });

  BoxMessageService messages(&form);
  // Live mode over a line that takes any port, asking before it starts as for the user.
  testing::FakeChannel line;
  DocumentSignals documentSignals(form.Document());
  LiveMode live(form.Document(), documentSignals, messages, &line, QString());

  const std::vector<Stop> stops{
      {"MainForm", [&form] { form.GridOf(Grid::Memory)->setFocus(); }},
      {"LiveBanner", [&form] { ShowLiveBanner(form); }},
      {"MenuPage1",
       [&form] {
         form.findChild<LiveBanner*>(QStringLiteral("LiveBanner"))->ShowText(QString());
         form.PageControl()->setCurrentIndex(1);
       }},
      {"MenuPage2", [&form] { form.PageControl()->setCurrentIndex(2); }},
      {"MemoryForm", [&form] { EnterGrid(form, Grid::Memory); }},
      {"VfoForm", [&form] { EnterGrid(form, Grid::Vfo); }},
      {"CallForm", [&form] { EnterGrid(form, Grid::Call); }},
      {"DtmfForm", [&form] { EnterGrid(form, Grid::Dtmf); }},
      {"ChangeSelected",
       [&form] {
         form.PageControl()->setCurrentIndex(0);
         form.GridOf(Grid::Memory)->setFocus();
         Trigger(form, MainCommand::EditChangeSelected);
       }},
      {"LiveModeQuestion", [&live] { live.Start(QStringLiteral("/dev/ttyS0"), {}); }},
      {"ReadForm", [&messages, &line, &form] { TReadForm(messages, &line, &form).exec(); }},
      {"WriteForm", [&messages, &line, &form] { TWriteForm(messages, &line, &form).exec(); }},
      {"FindRadio",
       [&form] {
         FindRadioDialog(
             [] { return QStringList{QStringLiteral("/dev/quorvan-tour-no-such-port")}; },
             nullptr, &form)
             .Run();
       }},
      {"SortForm", [&form] { Trigger(form, MainCommand::EditSort); }},
      {"History", [&form] { Trigger(form, MainCommand::RadioHistory); }},
      {"DiagnosticReport", [&form] { Trigger(form, MainCommand::HelpDiagnosticReport); }},
      {"Help", [&form] { Trigger(form, MainCommand::HelpTopics); }},
      {"AboutBox", [&form] { Trigger(form, MainCommand::HelpAbout); }},
      {"SetupForm", [&form] { TSetupForm(&form).exec(); }},
      {"CsvImport", [&form] { CsvImportDialog(12, &form).exec(); }},
      {"Report",
       [&form] {
         ExecReportDialog(QStringLiteral("Report"), QStringLiteral("Line one\nLine two"),
                          QStringLiteral("&Go On"), &form);
       }},
  };
  Tour tour(form, stops);
  QTimer::singleShot(500, &tour, [&tour] { tour.Start(); });
  const int result = QApplication::exec();
  form.Document().SetModified(false);
  return result;
}
