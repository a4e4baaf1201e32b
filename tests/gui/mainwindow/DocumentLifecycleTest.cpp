// New, Open, Save, Save As, drops, the command line, the unsaved-changes prompt and Exit.
#include <QDateTime>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include "core/files/DocumentFile.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

namespace {

const char* const kRecord = "001,00146000000,0,0,0,0,0,0,08,00,000,000600000,0,0,,,0,KEEP";

void Edit(TMainForm& form) {
  ChangeDocument(form, [](RadioImage& image) { image.Store(SlotKind::Memory, 1, kRecord); });
}

bool HoldsEdit(TMainForm& form) { return form.Image().Record(SlotKind::Memory, 1) == kRecord; }

QString Caption(const QString& path) { return QStringLiteral("Quorvan [") + path + "]"; }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A channel file as Save writes it, holding kRecord in slot 1 and the given comment.
QString MakeChannelFile(MainFormFixture& f, const QString& name, const QString& comment) {
  MainFormFixture writer;
  writer.settings.SetValue("Type", "KK,0F");
  writer.Create();
  ChangeDocument(*writer.form, [&comment](RadioImage& image) {
    image.Store(SlotKind::Memory, 1, kRecord);
    image.SetComment(comment.toStdString());
  });
  const QString path = f.Path(name);
  writer.files.names = {path};
  writer.form->Lifecycle().SaveAs();
  return path;
}

void Drop(TMainForm& form, const QStringList& paths) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
  mime.setUrls(urls);
  // Delivered the way a real drag arrives: entered first, then dropped.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &drop);
}

}  // namespace

class DocumentLifecycleTest : public QObject {
  Q_OBJECT

 private slots:
  void captionAndModifiedFollowSaveAsSaveOpenAndNew();
  void saveOfDeletedFileAsksForName();
  void saveOverAFileChangedOnDiskAsks_data();
  void saveOverAFileChangedOnDiskAsks();
  void promptAnswersBeforeNew_data();
  void promptAnswersBeforeNew();
  void openRejectsBadFilesAndLeavesDocument_data();
  void openRejectsBadFilesAndLeavesDocument();
  void commandLineJoinsArgumentsWithBlanks();
  void dropOpensFirstFileOnlyWithoutPrompt();
  void exitAsksAndStaysOpenUnlessSavedOrDiscarded_data();
  void exitAsksAndStaysOpenUnlessSavedOrDiscarded();
  void commentEditOfOpenedFileMakesExitAsk();
  void unshowablePowerOnMessageIsEmptiedAsTheFileOpens();
};

void DocumentLifecycleTest::captionAndModifiedFollowSaveAsSaveOpenAndNew() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  auto* comment = f.form->findChild<QLineEdit*>(QStringLiteral("Edit2"));
  QCOMPARE(comment->maxLength(), 50);
  QTest::keyClicks(comment, QStringLiteral("club net"));
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(f.form->Image().Comment(), std::string("club net"));
  // A control character would not survive the file: the line refuses it.
  comment->insert(QStringLiteral("\t"));
  QCOMPARE(f.form->Image().Comment(), std::string("club net"));
  // Nor would a section marker, which the file would read as the marker.
  comment->clear();
  QTest::keyClicks(comment, QStringLiteral("__CALL DATA__"));
  QCOMPARE(comment->text(), QStringLiteral("__CALL DATA_"));
  QCOMPARE(f.form->Image().Comment(), std::string("__CALL DATA_"));
  comment->setText(QStringLiteral("club net"));
  QTest::keyClicks(comment, QStringLiteral(" "));
  comment->backspace();
  QCOMPARE(f.form->Image().Comment(), std::string("club net"));

  const QString path = f.Path(QStringLiteral("first.qvx"));
  f.files.names = {path};
  f.form->ToolButton(MainCommand::FileSave)->trigger();
  QCOMPARE(f.files.saveSuggestions, QStringList{"Untitled"});
  QVERIFY(QFile::exists(path));
  QCOMPARE(ShownTitle(*f.form), Caption(path));
  QVERIFY(!f.form->Document().Modified());
  QCOMPARE(QString::fromStdString(f.settings.Value("Path")), f.dir.path() + "/");

  Edit(*f.form);
  f.form->Action(MainCommand::FileSave)
      ->trigger();  // a named, existing file is saved without a dialog
  QCOMPARE(f.files.saveSuggestions.size(), 1);
  QVERIFY(!f.form->Document().Modified());

  f.form->Action(MainCommand::FileNew)->trigger();
  QVERIFY(f.messages.shown.isEmpty());
  QCOMPARE(ShownTitle(*f.form), QStringLiteral("Quorvan [Untitled]"));
  QVERIFY(!HoldsEdit(*f.form));
  QCOMPARE(comment->text(), QString());

  f.files.names = {path};
  f.form->ToolButton(MainCommand::FileOpen)->trigger();
  QCOMPARE(f.files.openFolders, QStringList{f.dir.path() + "/"});
  QCOMPARE(ShownTitle(*f.form), Caption(path));
  QVERIFY(HoldsEdit(*f.form));
  QCOMPARE(comment->text(), QStringLiteral("club net"));
  QVERIFY(!f.form->Document().Modified());
  QVERIFY(f.messages.shown.isEmpty());
}

void DocumentLifecycleTest::saveOfDeletedFileAsksForName() {
  MainFormFixture f;
  f.Create();
  const QString path = f.Path(QStringLiteral("gone.qvx"));
  f.files.names = {path};
  QVERIFY(f.form->Lifecycle().SaveAs());
  QVERIFY(QFile::remove(path));
  f.files.names = {QString()};
  QVERIFY(!f.form->Lifecycle().Save());
  QCOMPARE(f.files.saveSuggestions.last(), path);
  QVERIFY(!QFile::exists(path));
}

void DocumentLifecycleTest::promptAnswersBeforeNew_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("saveName");  // "" cancels the save dialog
  QTest::addColumn<bool>("replaced");
  QTest::addColumn<QStringList>("messages");
  const QString prompt = QStringLiteral("Data is changed.\nDo you want to save the changes?");
  QTest::newRow("cancel") << int(Answer::Cancel) << "" << false << QStringList{prompt};
  QTest::newRow("no discards") << int(Answer::No) << "" << true << QStringList{prompt};
  QTest::newRow("yes and saved") << int(Answer::Yes) << "kept.qvx" << true << QStringList{prompt};
  QTest::newRow("yes, dialog cancelled") << int(Answer::Yes) << "" << false << QStringList{prompt};
  QTest::newRow("yes, other extension")
      << int(Answer::Yes) << "kept.txt" << false << QStringList{prompt, "File Open error."};
  QTest::newRow("yes, write fails")
      << int(Answer::Yes) << "no/such/folder/kept.qvx" << false
      << QStringList{prompt,
                     "File Open error.\ncannot create a file next to %1: No such file or "
                     "directory"};
}

void DocumentLifecycleTest::promptAnswersBeforeNew() {
  QFETCH(int, answer);
  QFETCH(QString, saveName);
  QFETCH(bool, replaced);
  QFETCH(QStringList, messages);
  MainFormFixture f;
  f.Create();
  Edit(*f.form);
  f.messages.answers = {static_cast<Answer>(answer)};
  f.files.names = {saveName.isEmpty() ? QString() : f.Path(saveName)};
  f.form->Lifecycle().New();
  QCOMPARE(f.messages.Texts(), messages.replaceInStrings("%1", f.Path(saveName)));
  QCOMPARE(f.messages.shown.first().icon, MessageIcon::Warning);
  QCOMPARE(HoldsEdit(*f.form), !replaced);
  QCOMPARE(f.form->Document().Modified(), !replaced);
  if (saveName == QStringLiteral("kept.qvx")) QVERIFY(QFile::exists(f.Path(saveName)));
  if (saveName == QStringLiteral("kept.txt")) QVERIFY(!QFile::exists(f.Path(saveName)));
}

void DocumentLifecycleTest::openRejectsBadFilesAndLeavesDocument_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("message");  // %1 stands for the file's path
  const QByteArray header("QUENTAR Chanvault for DOVRA\r\n");
  QTest::newRow("other extension")
      << "notes.txt" << QByteArray("Memory Channel\r\n") << "File Open error.";
  QTest::newRow("nul byte") << "nul.qvx" << header + QByteArray("\0\r\n", 3)
                            << "File Open error.\nLine 2: the line holds a NUL byte.";
  QTest::newRow("overlong line")
      << "long.qvx" << QByteArray(400, 'x')
      << "File Open error.\nLine 1: the line is longer than 99 characters.";
  QTest::newRow("cut short")
      << "cut.qvx" << header + "__COMMENT__\r\n\r\n__MEMORY DATA__\r\n000\t0014518"
      << "File Open error.\nLine 5: memory channel 000: the record has 2 fields instead of 18.";
  QTest::newRow("missing") << "missing.qvx" << QByteArray()
                           << "File Open error.\ncannot read %1: No such file or directory";
}

void DocumentLifecycleTest::openRejectsBadFilesAndLeavesDocument() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  QFETCH(QString, message);
  MainFormFixture f;
  f.Create();
  const QString good = MakeChannelFile(f, QStringLiteral("good.qvx"), QStringLiteral("c"));
  f.files.names = {good};
  f.form->Lifecycle().Open();
  OpenDocument(*f.form, [](RadioImage& image) { image.Store(SlotKind::Memory, 5, kRecord); });
  const RadioImage before = f.form->Image();
  if (!bytes.isEmpty()) WriteFile(f.Path(name), bytes);

  f.files.names = {f.Path(name)};
  f.form->Lifecycle().Open();
  f.form->OpenCommandLine({f.Path(name)});
  Drop(*f.form, {f.Path(name)});
  message.replace("%1", f.Path(name));
  QCOMPARE(f.messages.Texts(), (QStringList{message, message, message}));
  QCOMPARE(f.messages.shown.first().icon, MessageIcon::Error);
  QVERIFY(f.form->Image() == before);
  QCOMPARE(ShownTitle(*f.form), Caption(good));
}

void DocumentLifecycleTest::commandLineJoinsArgumentsWithBlanks() {
  MainFormFixture f;
  f.Create();
  const QString path = MakeChannelFile(f, QStringLiteral("club repeaters.qvx"), {});
  f.form->OpenCommandLine({f.Path(QStringLiteral("club")), QStringLiteral("repeaters.qvx")});
  QVERIFY(f.messages.shown.isEmpty());
  QCOMPARE(ShownTitle(*f.form), Caption(path));
  QVERIFY(HoldsEdit(*f.form));
  QVERIFY(!f.form->Document().Modified());
}

void DocumentLifecycleTest::dropOpensFirstFileOnlyWithoutPrompt() {
  MainFormFixture f;
  f.Create();
  const QString first = MakeChannelFile(f, QStringLiteral("FIRST.QVX"), QStringLiteral("one"));
  const QString second = MakeChannelFile(f, QStringLiteral("second.qvx"), QStringLiteral("two"));
  ChangeDocument(*f.form, [](RadioImage& image) { image.SetComment("edited"); });
  Drop(*f.form, {first, second, f.Path(QStringLiteral("third.txt"))});
  QVERIFY(f.messages.shown.isEmpty());  // a drop replaces a modified document unasked
  QCOMPARE(ShownTitle(*f.form), Caption(first));
  QCOMPARE(f.form->Image().Comment(), std::string("one"));
  QVERIFY(!f.form->Document().Modified());
}

void DocumentLifecycleTest::exitAsksAndStaysOpenUnlessSavedOrDiscarded_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("saveName");
  QTest::addColumn<bool>("closes");
  QTest::newRow("cancel") << int(Answer::Cancel) << "" << false;
  QTest::newRow("no") << int(Answer::No) << "" << true;
  QTest::newRow("yes and saved") << int(Answer::Yes) << "exit.qvx" << true;
  QTest::newRow("yes, dialog cancelled") << int(Answer::Yes) << "" << false;
  QTest::newRow("yes, write fails") << int(Answer::Yes) << "no/folder/exit.qvx" << false;
}

void DocumentLifecycleTest::exitAsksAndStaysOpenUnlessSavedOrDiscarded() {
  QFETCH(int, answer);
  QFETCH(QString, saveName);
  QFETCH(bool, closes);
  MainFormFixture f;
  f.Create();
  f.form->show();
  Edit(*f.form);
  f.messages.answers = {static_cast<Answer>(answer)};
  f.files.names = {saveName.isEmpty() ? QString() : f.Path(saveName)};
  f.form->Action(MainCommand::FileExit)->trigger();
  QCOMPARE(f.form->isVisible(), !closes);
  QCOMPARE(f.messages.shown.first().text,
           QStringLiteral("Data is changed.\nDo you want to save the changes?"));
  if (!closes) QVERIFY(HoldsEdit(*f.form) && f.form->Document().Modified());
}

void DocumentLifecycleTest::saveOverAFileChangedOnDiskAsks_data() {
  QTest::addColumn<QString>("meanwhile");  // what another program did to the file
  QTest::addColumn<int>("answer");         // to the question, when it is asked
  QTest::addColumn<bool>("asked");
  QTest::addColumn<QString>("fileHolds");  // "ours" or "theirs" afterwards
  QTest::addColumn<bool>("savedAs");       // our document went to another file
  QTest::newRow("nothing") << "nothing" << int(Answer::Yes) << false << "ours" << false;
  QTest::newRow("the same bytes written again")
      << "same bytes" << int(Answer::Cancel) << false << "ours" << false;
  QTest::newRow("changed, Overwrite") << "changed" << int(Answer::Yes) << true << "ours" << false;
  QTest::newRow("changed, Save As...") << "changed" << int(Answer::No) << true << "theirs" << true;
  QTest::newRow("changed, Cancel") << "changed" << int(Answer::Cancel) << true << "theirs" << false;
  QTest::newRow("same size, other bytes")
      << "same size" << int(Answer::Cancel) << true << "theirs" << false;
}

void DocumentLifecycleTest::saveOverAFileChangedOnDiskAsks() {
  QFETCH(QString, meanwhile);
  QFETCH(int, answer);
  QFETCH(bool, asked);
  QFETCH(QString, fileHolds);
  QFETCH(bool, savedAs);
  MainFormFixture f;
  f.settings.SetValue("Type", "KK,0F");
  f.Create();
  const QString path = MakeChannelFile(f, QStringLiteral("club.qvx"), QStringLiteral("ours"));
  f.form->OpenCommandLine({path});
  ChangeDocument(*f.form, [](RadioImage& image) { image.SetComment("mine now"); });

  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QByteArray theirs = file.readAll();
  file.close();
  if (meanwhile == QLatin1String("changed")) theirs.replace("ours", "theirs, longer");
  if (meanwhile == QLatin1String("same size")) theirs.replace("ours", "ruos");
  if (meanwhile != QLatin1String("nothing")) {
    WriteFile(path, theirs);
    // A time of its own, as a write a moment later has, whatever the clock's grain.
    QFile touched(path);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                QFileDevice::FileModificationTime));
  }
  const QString other = f.Path(QStringLiteral("other.qvx"));
  f.files.names = {other};
  f.messages.answers = {static_cast<Answer>(answer)};
  f.form->Action(MainCommand::FileSave)->trigger();

  QCOMPARE(f.messages.shown.size(), asked ? 1 : 0);
  if (asked) {
    QCOMPARE(f.messages.Texts().first(),
             QStringLiteral("club.qvx was changed by another program since you opened it."));
    QCOMPARE(f.messages.buttonsShown.first(), (QStringList{"Overwrite", "Save As...", "Cancel"}));
  }
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray now = file.readAll();
  file.close();
  QCOMPARE(now.contains("mine now"), fileHolds == QLatin1String("ours"));
  if (fileHolds == QLatin1String("theirs")) QCOMPARE(now, theirs);
  QCOMPARE(QFile::exists(other), savedAs);
  const bool saved = !asked || answer != int(Answer::Cancel);
  QCOMPARE(f.form->Document().Modified(), !saved);
  if (saved) {
    // What this window saved is what it knows: the next save asks nothing.
    f.messages.shown.clear();
    ChangeDocument(*f.form, [](RadioImage& image) { image.SetComment("again"); });
    f.form->Action(MainCommand::FileSave)->trigger();
    QVERIFY(f.messages.shown.isEmpty());
  }
}

void DocumentLifecycleTest::commentEditOfOpenedFileMakesExitAsk() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  const QString path = MakeChannelFile(f, QStringLiteral("c.qvx"), {});
  f.form->OpenCommandLine({path});
  f.form->close();  // saved state: nothing to ask
  QVERIFY(f.messages.shown.isEmpty());
  QVERIFY(!f.form->isVisible());

  f.form->show();
  QTest::keyClicks(f.form->findChild<QLineEdit*>(QStringLiteral("Edit2")), QStringLiteral("x"));
  f.messages.answers = {Answer::Cancel};
  f.form->close();
  QCOMPARE(f.messages.shown.size(), 1);
  QVERIFY(f.form->isVisible());
}

// What the menu page shows is what a save writes: a message the radio's characters cannot
// show is emptied as the file comes in, told once, and the file opened counts as saved.
void DocumentLifecycleTest::unshowablePowerOnMessageIsEmptiedAsTheFileOpens() {
  MainFormFixture f;
  f.settings.SetValue("Type", "JJ,01");
  f.settings.SetValue("Model", "BELTO");
  f.Create();
  RadioImage image = f.form->Image();
  image.Menu().Set(kMenuMES, "HI\xE9");  // a double-byte lead byte: not a name character for J
  const QString path = f.Path(QStringLiteral("message.qvx"));
  QVERIFY(SaveDocumentFile(path.toStdString(), image, nullptr));
  f.form->OpenCommandLine({path});
  QCOMPARE(f.messages.Texts(), QStringList{"Invalid character.\nPlease check and try again."});
  QCOMPARE(f.form->Image().Menu().Get(kMenuMES), std::string());
  QCOMPARE(f.form->findChild<QLineEdit*>(QStringLiteral("Edit_Pom"))->text(), QString());
  QVERIFY(!f.form->Document().Modified());
  QCOMPARE(ShownTitle(*f.form), Caption(path));
}

}  // namespace quorvan

int RunDocumentLifecycleTests(int argc, char** argv) {
  quorvan::DocumentLifecycleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "DocumentLifecycleTest.moc"
