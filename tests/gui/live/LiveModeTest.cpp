// Radio > Live Mode through the window against a scripted radio answering from the event loop:
// the start check, every kind of step with its undo and redo, merged edits, failures that pause
// it and Resume, and leaving it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/EditorDialogs.h"
#include "core/messages/Messages.h"
#include "core/model/RadioForms.h"
#include "gui/csv/CsvCommands.h"
#include "core/rules/GridTexts.h"
#include "gui/common/PaletteTint.h"
#include "gui/common/StatusAnnouncer.h"
#include "gui/live/LiveBanner.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/GridModel.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/mainwindow/WindowSteps.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadioLine.h"

namespace quorvan {

namespace {

// Bound on waiting for the queue, so a stuck live mode fails the test; not a timing check.
constexpr int kGuardMs = 20000;

using testing::AnswerModal;
using testing::Channel;
using testing::Child;
using testing::Enter;
using testing::EnterRows;
using testing::PutOnClipboard;
using testing::ScriptedCsvDialogs;

struct LiveFixture;
// What a test does to the window, or to the radio.
using Step = std::function<void(LiveFixture&)>;

// A window with the real editors whose radio holds a few channels, read once, so that what the
// radio holds is known.
struct LiveFixture : MainFormFixture {
  ScriptedMessages editorMessages;
  ScriptedCsvDialogs csv;
  testing::ScriptedRadioLine line{transfers.radio};

  explicit LiveFixture(bool read = true) {
    settings.SetValue("Type", "KK,0F");
    adjustServices = [this](MainFormServices& s) {
      s.makeEditors = EditorDialogsFactory(editorMessages);
      s.csvDialogs = &csv;
      s.liveLine = &line;
      s.showReport = [](const QString&, const QString&, const QString&) { return false; };
    };
    RadioImage radio = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
    radio.Store(SlotKind::Memory, 3, Channel(3, "00146520000", "SIMPLEX"));
    radio.Store(SlotKind::Memory, 4, Channel(4, "00145500000", "Club"));
    radio.Store(SlotKind::Memory, 9, Channel(9, "00144390000", "APRS"));
    radio.Store(SlotKind::Dtmf, 2, "02,123,HOME");
    transfers.radio = testing::ScriptedRadio(radio);
    Create();
    if (read) Trigger(MainCommand::ReadAll);
  }

  // The window goes first: its live mode drives the line.
  ~LiveFixture() { form.reset(); }

  LiveMode& Live() { return form->Live(); }
  void Trigger(MainCommand command) { form->Action(command)->trigger(); }
  void TurnOn() {
    Trigger(MainCommand::RadioLiveMode);
    if (!Live().Active()) qFatal("live mode did not start");
  }
  // Until nothing is on its way: the queue is settled or paused.
  bool WaitIdle() {
    QElapsedTimer guard;
    guard.start();
    while (guard.elapsed() < kGuardMs) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      if (Live().Settled() || Live().Paused()) {
        // One more turn: a step posted from the last one.
        QCoreApplication::processEvents();
        if (Live().Settled() || Live().Paused()) return true;
      }
    }
    return false;
  }
  // The radio holds the document, apart from the comment, which it never holds.
  bool RadioHoldsDocument() const {
    RadioImage radio = AsRadioGivesBack(transfers.radio.Image());
    RadioImage document = AsRadioGivesBack(form->Image());
    radio.SetComment(document.Comment());
    return radio == document;
  }
  QString StatusText() const {
    return form->findChild<QLabel*>(QStringLiteral("LiveStatus"))->text();
  }
  QString RowTip(Grid grid, int row) const {
    const QAbstractItemModel* model = form->GridOf(grid)->model();
    return model->index(ModelRowOfGridRow(row), 1).data(Qt::ToolTipRole).toString();
  }
  // What a screen reader says of the row.
  QString RowSpoken(Grid grid, int row) const {
    const QAbstractItemModel* model = form->GridOf(grid)->model();
    return model->index(ModelRowOfGridRow(row), kLabelColumn)
        .data(Qt::AccessibleTextRole)
        .toString();
  }
  QColor RowBackground(Grid grid, int row) const {
    const QAbstractItemModel* model = form->GridOf(grid)->model();
    return model->index(ModelRowOfGridRow(row), 1)
        .data(Qt::BackgroundRole)
        .value<QBrush>()
        .color();
  }
};

void EditMemoryInEditor(LiveFixture& f, int row, const char* mhz) {
  AnswerModal(
      [mhz](QWidget* d) {
        auto* rx = Child<QLineEdit>(d, "Edit1");
        rx->selectAll();
        QTest::keyClicks(rx, mhz);
        Child<QAbstractButton>(d, "Button2")->click();
      },
      [&] { emit f.form->GridOf(Grid::Memory)->EditorRequested(Grid::Memory, row); });
}

std::size_t Sent(const LiveFixture& f) { return f.line.commands.size(); }

}  // namespace

class LiveModeTest : public QObject {
  Q_OBJECT

 private slots:
  void startChecksWhatTheRadioHolds_data();
  void startChecksWhatTheRadioHolds();
  void everyKindOfStepReachesTheRadioWithUndoAndRedo_data();
  void everyKindOfStepReachesTheRadioWithUndoAndRedo();
  void quickEditsOfOneItemAreSentOnceInTheirLatestState();
  void eachStepsJournalIsOnDiskBeforeItsFirstWrite();
  void aFailurePausesUntilResume_data();
  void aFailurePausesUntilResume();
  void leavingWaitsForTheQueueOrAsks();
  void otherTransfersAndDocumentsEndLiveMode();
};

void LiveModeTest::startChecksWhatTheRadioHolds_data() {
  QTest::addColumn<bool>("read");     // the radio was read before
  QTest::addColumn<bool>("changed");  // and the document changed since
  QTest::addColumn<QList<int>>("answers");
  QTest::addColumn<QString>("asked");  // the start of the question; empty: none
  QTest::addColumn<bool>("live");
  QTest::newRow("baseline equals the document")
      << true << false << QList<int>{} << QString() << true;
  QTest::newRow("nothing known, cancelled")
      << false << false << QList<int>{int(Answer::No)}
      << QStringLiteral(
             "Live mode keeps the radio equal to this document.\nWhat this radio holds "
             "is not known: read it first.")
      << false;
  QTest::newRow("nothing known, read first")
      << false << false << QList<int>{int(Answer::Yes)}
      << QStringLiteral("Live mode keeps the radio equal to this document.\nWhat this") << true;
  QTest::newRow("changed, write the changes first")
      << true << true << QList<int>{int(Answer::Yes)}
      << QStringLiteral(
             "Live mode keeps the radio equal to this document.\nThe document "
             "differs from what the radio held in 1 item.\nCompared with")
      << true;
  QTest::newRow("changed, read the radio first (not saving)")
      << true << true << QList<int>{int(Answer::No), int(Answer::No)}
      << QStringLiteral("Live mode keeps the radio equal to this document.\nThe document") << true;
  QTest::newRow("changed, cancelled")
      << true << true << QList<int>{int(Answer::Cancel)}
      << QStringLiteral("Live mode keeps the radio equal to this document.") << false;
}

void LiveModeTest::startChecksWhatTheRadioHolds() {
  QFETCH(bool, read);
  QFETCH(bool, changed);
  QFETCH(QList<int>, answers);
  QFETCH(QString, asked);
  QFETCH(bool, live);
  LiveFixture f(read);
  if (changed) {
    ChangeDocument(*f.form, [](RadioImage& image) {
      image.Store(SlotKind::Memory, 20, Channel(20, "00145000000", "NEW"));
    });
  }
  f.messages.shown.clear();
  for (const int a : answers) f.messages.answers.push_back(Answer(a));
  f.Trigger(MainCommand::RadioLiveMode);
  QCOMPARE(f.Live().Active(), live);
  QCOMPARE(f.form->Action(MainCommand::RadioLiveMode)->isChecked(), live);
  if (asked.isEmpty()) {
    QVERIFY2(f.messages.shown.isEmpty(), qPrintable(f.messages.Texts().join('|')));
  } else {
    QVERIFY(!f.messages.shown.isEmpty());
    QVERIFY2(f.messages.shown.first().text.startsWith(asked),
             qPrintable(f.messages.Texts().join('|')));
  }
  QCOMPARE(f.messages.unexpectedQuestions, 0);
  if (!live) return;
  QVERIFY(f.WaitIdle());
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(f.StatusText(), QStringLiteral("Live: radio holds the document."));
}

void LiveModeTest::everyKindOfStepReachesTheRadioWithUndoAndRedo_data() {
  QTest::addColumn<Step>("step");
  QTest::addColumn<bool>("sends");  // anything reaches the radio
  QTest::newRow("memory editor") << Step([](LiveFixture& f) { EditMemoryInEditor(f, 21, "145.5"); })
                                 << true;
  QTest::newRow("DTMF editor") << Step([](LiveFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          auto* code = Child<QLineEdit>(d, "Edit1");
          code->selectAll();
          QTest::keyClicks(code, "999");
          Child<QAbstractButton>(d, "Button2")->click();
        },
        [&] { emit f.form->GridOf(Grid::Dtmf)->EditorRequested(Grid::Dtmf, 3); });
  }) << true;
  QTest::newRow("cell of the full table") << Step([](LiveFixture& f) {
    f.Trigger(MainCommand::ViewAllColumns);
    QAbstractItemModel* model = f.form->GridOf(Grid::Memory)->model();
    QVERIFY(model->setData(model->index(3, kNameColumn), QStringLiteral("CELL")));
    QTest::qWait(0);
  }) << true;
  QTest::newRow("paste") << Step([](LiveFixture& f) {
    PutOnClipboard(Channel(3, "00146520000", "SIMPLEX"));
    Enter(*f.form, Grid::Memory, 13);
    f.form->UpdateEditCommands();
    f.Trigger(MainCommand::EditPaste);
  }) << true;
  QTest::newRow("cut") << Step([](LiveFixture& f) {
    Enter(*f.form, Grid::Memory, 5);
    f.Trigger(MainCommand::EditCut);
  }) << true;
  QTest::newRow("delete of a DTMF memory") << Step([](LiveFixture& f) {
    Enter(*f.form, Grid::Dtmf, 3);
    f.Trigger(MainCommand::EditDelete);
  }) << true;
  QTest::newRow("insert row") << Step([](LiveFixture& f) {
    Enter(*f.form, Grid::Memory, 5);
    f.Trigger(MainCommand::EditInsertRow);
  }) << true;
  QTest::newRow("move rows") << Step([](LiveFixture& f) {
    EnterRows(*f.form, 4, 5);
    f.Trigger(MainCommand::EditMoveDown);
  }) << true;
  QTest::newRow("change selected") << Step([](LiveFixture& f) {
    EnterRows(*f.form, 4, 5);
    AnswerModal(
        [](QWidget* d) {
          Child<QAbstractButton>(d, "CheckBox_Mode")->click();
          Child<QComboBox>(d, "ComboBox_Mode")->setCurrentIndex(2);
          Child<QAbstractButton>(d, "Button_OK")->click();
        },
        [&] { f.Trigger(MainCommand::EditChangeSelected); });
  }) << true;
  QTest::newRow("sort") << Step([](LiveFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          Child<QAbstractButton>(d, "RadioButton_Name")->click();
          Child<QAbstractButton>(d, "Button_Sort")->click();
        },
        [&] { f.Trigger(MainCommand::EditSort); });
  }) << true;
  QTest::newRow("csv import") << Step([](LiveFixture& f) {
    f.form->GridOf(Grid::Memory)->SelectGridRow(381);
    f.csv.openName = QStringLiteral(QUORVAN_CSV_DATA_DIR "/dualband-repeaters.csv");
    f.Trigger(MainCommand::FileImportCsv);
  }) << true;
  QTest::newRow("menu check box") << Step([](LiveFixture& f) {
    f.form->findChild<QCheckBox*>(QStringLiteral("CheckBox_Lock"))->click();
  }) << true;
  QTest::newRow("menu slider") << Step([](LiveFixture& f) {
    QTest::keyClick(f.form->findChild<QSlider*>(QStringLiteral("TrackBer_Bal")), Qt::Key_End);
  }) << true;
  QTest::newRow("comment, which stays on the computer") << Step([](LiveFixture& f) {
    auto* comment = f.form->findChild<QLineEdit*>(QStringLiteral("Edit2"));
    comment->setFocus();
    QTest::keyClicks(comment, "note");
    f.form->GridOf(Grid::Memory)->setFocus();
  }) << false;
}

void LiveModeTest::everyKindOfStepReachesTheRadioWithUndoAndRedo() {
  QFETCH(Step, step);
  QFETCH(bool, sends);
  LiveFixture f;
  f.TurnOn();
  const RadioImage before = f.form->Image();
  for (const MainCommand command :
       {MainCommand::FileNew /* the step */, MainCommand::EditUndo, MainCommand::EditRedo}) {
    const std::size_t sent = Sent(f);
    if (command == MainCommand::FileNew) {
      step(f);
      QVERIFY(!(f.form->Image() == before));
    } else {
      f.Trigger(command);
    }
    QVERIFY(f.WaitIdle());
    QVERIFY2(f.RadioHoldsDocument(), CommandName(command));
    QCOMPARE(f.StatusText(), QStringLiteral("Live: radio holds the document."));
    // Only the step's items went: never a whole write.
    QCOMPARE(Sent(f) > sent, sends);
    QVERIFY(Sent(f) - sent < 400);
  }
  QCOMPARE(f.messages.unexpectedQuestions, 0);
  QCOMPARE(f.transfers.writes.size(), 0);
}

void LiveModeTest::quickEditsOfOneItemAreSentOnceInTheirLatestState() {
  LiveFixture f;
  f.TurnOn();
  // Three steps before the event loop runs: the first goes, the other two wait and merge.
  for (const char* name : {"ONE", "TWO", "THREE"}) {
    ChangeDocument(*f.form, [name](RadioImage& image) {
      image.Store(SlotKind::Memory, 20, Channel(20, "00145000000", name));
    });
  }
  QCOMPARE(f.RowTip(Grid::Memory, 21), QStringLiteral("Waiting to be sent to the radio"));
  QCOMPARE(f.RowSpoken(Grid::Memory, 21), QStringLiteral("020, 145.000 MHz, THREE, FM, waiting"));
  QVERIFY(f.WaitIdle());
  QVERIFY(f.RadioHoldsDocument());
  QVERIFY2(f.RowSpoken(Grid::Memory, 21).endsWith(QStringLiteral(", confirmed")),
           qPrintable(f.RowSpoken(Grid::Memory, 21)));
  QVERIFY(!f.RowSpoken(Grid::Memory, 22).endsWith(QStringLiteral("confirmed")));
  QStringList names;
  for (const std::string& command : f.line.commands) {
    if (command.rfind("MNA 020,", 0) == 0) names << QString::fromStdString(command);
  }
  QCOMPARE(names, (QStringList{"MNA 020,THREE"}));
  QCOMPARE(f.RowTip(Grid::Memory, 21), QStringLiteral("Confirmed: the radio holds this row"));
  QCOMPARE(f.RowTip(Grid::Memory, 22), QString());
}

void LiveModeTest::eachStepsJournalIsOnDiskBeforeItsFirstWrite() {
  LiveFixture f;
  f.TurnOn();
  const QDir backups(f.Path(QStringLiteral("backups")));
  // At each step's first write command: its journal, and the state the step before left.
  struct AtWrite {
    qsizetype pending;
    qsizetype written;
  };
  std::vector<AtWrite> seen;
  bool stepBegun = false;
  f.line.onCommand = [&](const std::string& command) {
    if (command == "VOX 0") stepBegun = true;  // each step is one exchange
    const bool write = command.rfind("VMC ", 0) == 0 || command.rfind("MW ", 0) == 0;
    if (write && stepBegun) {
      stepBegun = false;
      seen.push_back({backups.entryList({QStringLiteral("*pending*")}, QDir::Files).size(),
                      backups.entryList({QStringLiteral("*written*")}, QDir::Files).size()});
    }
  };
  // The second step is made while the first is on its way.
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 20, Channel(20, "00145000000", "ONE"));
  });
  QCoreApplication::processEvents();
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 30, Channel(30, "00145100000", "TWO"));
  });
  QVERIFY(f.WaitIdle());
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(seen.size(), 2u);
  for (std::size_t step = 0; step < seen.size(); ++step) {
    QCOMPARE(seen[step].pending, qsizetype(1));
    QCOMPARE(seen[step].written, qsizetype(step));
  }
  QCOMPARE(backups.entryList({QStringLiteral("*pending*")}, QDir::Files).size(), qsizetype(0));
  QCOMPARE(backups.entryList({QStringLiteral("*written*")}, QDir::Files).size(), qsizetype(2));
}

void LiveModeTest::aFailurePausesUntilResume_data() {
  QTest::addColumn<Step>("fault");
  QTest::addColumn<QString>("why");
  QTest::newRow("refused command")
      << Step([](LiveFixture& f) { f.transfers.radio.Refuse("MNA 020,"); })
      << QStringLiteral("The radio did not accept \"MNA 020,NEW\".");
  QTest::newRow("dropped command caught by the read-back")
      << Step([](LiveFixture& f) { f.transfers.radio.Drop("MNA 020,"); })
      << QStringLiteral("The radio gave back otherwise what was sent.");
  // The identification and the check took 7 commands; the line goes with the write.
  QTest::newRow("line cut mid-step")
      << Step([](LiveFixture& f) { f.line.cutAfter = 8; }) << QStringLiteral("removed");
  // The identification and the check of the empty channel took 4 commands: the line goes while
  // the journal is being kept.
  QTest::newRow("line cut before the write")
      << Step([](LiveFixture& f) { f.line.cutAfterReplyOf = 3; }) << QStringLiteral("removed");
}

void LiveModeTest::aFailurePausesUntilResume() {
  QFETCH(Step, fault);
  QFETCH(QString, why);
  LiveFixture f;
  f.TurnOn();
  fault(f);
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 20, Channel(20, "00145000000", "NEW"));
  });
  QVERIFY(f.WaitIdle());
  QVERIFY(f.Live().Paused());
  LiveBanner* banner = f.form->LiveBar();
  QVERIFY(banner->isVisibleTo(f.form.get()));
  QVERIFY2(banner->Text().startsWith(
               QStringLiteral("Live mode is paused: the radio may not hold memory channel 020.")),
           qPrintable(banner->Text()));
  QVERIFY2(banner->Text().contains(why), qPrintable(banner->Text()));
  QCOMPARE(f.StatusText(), QStringLiteral("Live paused: 1 item not confirmed."));
  QCOMPARE(f.RowTip(Grid::Memory, 21),
           QStringLiteral("Not confirmed: the radio may not hold this row"));
  QVERIFY2(f.RowSpoken(Grid::Memory, 21).endsWith(QStringLiteral(", failed")),
           qPrintable(f.RowSpoken(Grid::Memory, 21)));
  // The bar is said as it appears: it tells what to do.
  QCOMPARE(f.form->Announcer()->LastAnnouncement(), banner->Text());
  // On a dark high-contrast palette the marked row is still marked and its text readable.
  QPalette dark(Qt::black);
  dark.setColor(QPalette::Base, Qt::black);
  dark.setColor(QPalette::Text, Qt::white);
  f.form->setPalette(dark);
  const QColor failed = f.RowBackground(Grid::Memory, 21);
  QVERIFY(failed.rgb() != QColor(Qt::black).rgb());
  QVERIFY2(ContrastRatio(failed, Qt::white) >= 4.5, qPrintable(failed.name()));

  // Edits made while paused wait; nothing is lost.
  const std::size_t paused = Sent(f);
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 30, Channel(30, "00145100000", "LATER"));
  });
  QVERIFY(f.WaitIdle());
  QCOMPARE(Sent(f), paused);
  QCOMPARE(f.StatusText(), QStringLiteral("Live paused: 2 items not confirmed."));

  // The fault mended, Resume reads what the radio holds first and sends what it lacks.
  f.transfers.radio = testing::ScriptedRadio(f.transfers.radio.Image());
  banner->ResumeButton()->click();
  QVERIFY(f.WaitIdle());
  QVERIFY(!f.Live().Paused());
  QVERIFY(!banner->isVisibleTo(f.form.get()));
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(f.form->Announcer()->LastAnnouncement(),
           QStringLiteral("Live: radio holds the document."));
  const std::vector<std::string> resumed(f.line.commands.begin() + static_cast<long>(paused),
                                         f.line.commands.end());
  QVERIFY(resumed.size() > 4);
  QCOMPARE(resumed[3], std::string("MR 0,020"));
  QCOMPARE(f.RowTip(Grid::Memory, 31), QStringLiteral("Confirmed: the radio holds this row"));
}

void LiveModeTest::leavingWaitsForTheQueueOrAsks() {
  LiveFixture f;
  f.TurnOn();
  // Left while a step is on its way: the window waits for it, asking nothing.
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 20, Channel(20, "00145000000", "NEW"));
  });
  f.Trigger(MainCommand::RadioLiveMode);
  QVERIFY(!f.Live().Active());
  QVERIFY(f.RadioHoldsDocument());
  QVERIFY(f.messages.shown.isEmpty());
  QVERIFY(!f.form->findChild<QLabel*>(QStringLiteral("LiveStatus"))->isVisibleTo(f.form.get()));
  QCOMPARE(f.RowTip(Grid::Memory, 21), QString());

  // Left while paused: asked, and No stays live.
  f.TurnOn();
  f.transfers.radio.Refuse("MNA 021,");
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 21, Channel(21, "00145000000", "NEW"));
  });
  QVERIFY(f.WaitIdle());
  f.messages.answers = {Answer::No, Answer::Yes};
  f.form->LiveBar()->LeaveButton()->click();
  QVERIFY(f.Live().Active());
  QCOMPARE(f.messages.Texts(), QStringList{MessageText(LiveLeaveQuestion(1))});
  f.Trigger(MainCommand::RadioLiveMode);
  QVERIFY(!f.Live().Active());
  QVERIFY(!f.form->LiveBar()->isVisibleTo(f.form.get()));
}

void LiveModeTest::otherTransfersAndDocumentsEndLiveMode() {
  const struct {
    const char* what;
    MainCommand command;
  } cases[] = {
      {"write of changes", MainCommand::WriteChanges},
      {"verify", MainCommand::RadioVerify},
      {"read", MainCommand::ReadAll},
      {"new document", MainCommand::FileNew},
  };
  for (const auto& c : cases) {
    LiveFixture f;
    f.TurnOn();
    f.messages.answers = {Answer::No, Answer::No};
    f.Trigger(c.command);
    QVERIFY2(!f.Live().Active(), c.what);
    QVERIFY2(!f.line.IsOpen(), c.what);
  }
  // Closing the window with an item the radio may not hold asks; No keeps the window open.
  LiveFixture f;
  f.form->show();
  f.TurnOn();
  f.transfers.radio.Refuse("MNA 020,");
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 20, Channel(20, "00145000000", "NEW"));
  });
  QVERIFY(f.WaitIdle());
  f.messages.answers = {Answer::No};
  QVERIFY(!f.form->close());
  QVERIFY(f.Live().Active());
  f.messages.answers = {Answer::Yes, Answer::No};  // leave live mode, then do not save
  QVERIFY(f.form->close());
  QVERIFY(!f.Live().Active());
}

}  // namespace quorvan

QTEST_MAIN(quorvan::LiveModeTest)
#include "LiveModeTest.moc"
