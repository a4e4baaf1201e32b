// "Quorvan Help": the user guide in a window of the program, opened by F1.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "core/model/WindowSizeSetting.h"
#include "gui/help/HelpTopics.h"
#include "gui/help/THelpForm.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

class HelpFormTest : public QObject {
  Q_OBJECT

 private:
  // The guide of the sources, as a program in the build tree finds it.
  static QString SourceGuide() {
    return FindUserGuide(UserGuideCandidates(QDir::tempPath() + QStringLiteral("/no-such/bin")));
  }

  // Every image and every link target of the rendered guide.
  static void References(const QTextDocument& document, QStringList& images, QStringList& links) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.isImageFormat()) images << format.toImageFormat().name();
        if (format.isAnchor() && !format.anchorHref().isEmpty()) links << format.anchorHref();
      }
    }
  }

  static int CountItems(const QTreeWidgetItem* parent) {
    int count = parent->childCount();
    for (int i = 0; i < parent->childCount(); ++i) count += CountItems(parent->child(i));
    return count;
  }

  static QString Note(const THelpForm& form) {
    return form.findChild<QLabel*>(QStringLiteral("FindNote"))->text();
  }

 private slots:
  void f1ShowsTheGuideInAWindowOfItsOwn() {
    MainFormFixture f;
    f.Create();
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QCOMPARE(f.form->Action(MainCommand::HelpTopics)->shortcut(), QKeySequence(Qt::Key_F1));
    QTest::keyClick(f.form.get(), Qt::Key_F1);
    auto* help = f.form->findChild<THelpForm*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QVERIFY(!help->isModal());
    QCOMPARE(help->windowTitle(), QStringLiteral("Quorvan Help"));
    QCOMPARE(help->GuidePath(), SourceGuide());
    QCOMPARE(help->Contents()->topLevelItem(0)->text(0), QStringLiteral("Quorvan user guide"));
    QCOMPARE(help->Browser()->document()->begin().text(), QStringLiteral("Quorvan user guide"));
    QVERIFY(f.messages.shown.isEmpty());

    // Pressed again, the same window comes back instead of a second one.
    help->close();
    QTest::keyClick(f.form.get(), Qt::Key_F1);
    QCOMPARE(f.form->findChildren<THelpForm*>().size(), 1);
    QVERIFY(help->isVisible());
  }

  void everyPictureIsFoundAndEveryPictureOfTheFolderIsShown() {
    MemorySettingsStore settings;
    THelpForm form(settings, {});
    QVERIFY(form.LoadGuide(SourceGuide()));
    QStringList images;
    QStringList links;
    References(*form.Browser()->document(), images, links);
    QVERIFY2(images.size() >= 10, qPrintable(images.join(' ')));
    for (const QString& image : images) {
      const QVariant loaded =
          form.Browser()->loadResource(QTextDocument::ImageResource, QUrl(image));
      QVERIFY2(!loaded.value<QImage>().isNull() || !loaded.value<QPixmap>().isNull() ||
                   !loaded.toByteArray().isEmpty(),
               qPrintable(image));
    }
    // A picture of the folder that the guide does not show is one left behind.
    const QDir folder(QFileInfo(SourceGuide()).absolutePath() + QStringLiteral("/images"));
    const QSet<QString> shown(images.begin(), images.end());
    for (const QString& file : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
      QVERIFY2(shown.contains(QStringLiteral("images/") + file), qPrintable(file));
    }
  }

  void contentsAndLinksReachEveryHeading() {
    MemorySettingsStore settings;
    THelpForm form(settings, {});
    QVERIFY(form.LoadGuide(SourceGuide()));
    QCOMPARE(form.Anchors().size(), CountItems(form.Contents()->invisibleRootItem()));
    QStringList images;
    QStringList links;
    References(*form.Browser()->document(), images, links);
    int sectionLinks = 0;
    for (const QString& link : links) {
      if (link.startsWith('#')) {
        ++sectionLinks;
        QVERIFY2(form.ScrollToAnchor(link.mid(1)), qPrintable(link));
      } else {
        QVERIFY2(link.startsWith(QStringLiteral("https://")), qPrintable(link));
      }
    }
    QVERIFY(sectionLinks >= 3);
    QVERIFY(!form.ScrollToAnchor(QStringLiteral("no-such-section")));
  }

  void linksGoToTheirSectionOrOutToTheBrowser() {
    MemorySettingsStore settings;
    QList<QUrl> opened;
    THelpForm form(settings, [&opened](const QUrl& url) {
      opened << url;
      return true;
    });
    QVERIFY(form.LoadGuide(SourceGuide()));
    form.resize(600, 400);
    form.show();
    const int heading = form.Anchors().indexOf(QStringLiteral("the-command-line-tool"));
    QVERIFY(heading > 0);

    emit form.Browser()->anchorClicked(QUrl(QStringLiteral("#the-command-line-tool")));
    QCOMPARE(form.Browser()->textCursor().block().text(), QStringLiteral("The command-line tool"));
    QVERIFY(form.Browser()->verticalScrollBar()->value() > 0);
    QCOMPARE(form.Contents()->currentItem()->text(0), QStringLiteral("The command-line tool"));
    QVERIFY(opened.isEmpty());

    emit form.Browser()->anchorClicked(QUrl(QStringLiteral("user-guide.md#files")));
    QCOMPARE(form.Browser()->textCursor().block().text(), QStringLiteral("Files"));
    emit form.Browser()->anchorClicked(QUrl(QStringLiteral("#no-such-section")));
    QVERIFY(Note(form).contains(QStringLiteral("no-such-section")));
    QVERIFY(opened.isEmpty());

    const QUrl outside(QStringLiteral("https://www.example.org/page"));
    emit form.Browser()->anchorClicked(outside);
    emit form.Browser()->anchorClicked(QUrl(QStringLiteral("../README.md")));
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0), outside);
    QCOMPARE(opened.at(1).toLocalFile(),
             QDir::cleanPath(QFileInfo(SourceGuide()).absolutePath() + "/../README.md"));

    // Clicking an entry of the contents shows its heading.
    QTreeWidgetItem* first = form.Contents()->topLevelItem(0);
    emit form.Contents()->itemClicked(first->child(0), 0);
    QCOMPARE(form.Browser()->textCursor().block().text(), first->child(0)->text(0));
  }

  void findSelectsTheNextMatchAndWrapsAround() {
    MemorySettingsStore settings;
    THelpForm form(settings, {});
    QVERIFY(form.LoadGuide(SourceGuide()));
    const QString term = QStringLiteral("backups folder");
    QVERIFY(form.FindNext(term));
    const int first = form.Browser()->textCursor().selectionStart();
    QCOMPARE(form.Browser()->textCursor().selectedText(), term);
    // The field finds the same with Enter, from the match on.
    int matches = 1;
    while (true) {
      form.FindField()->setText(term);
      QTest::keyClick(form.FindField(), Qt::Key_Return);
      QCOMPARE(form.Browser()->textCursor().selectedText().toLower(), term);
      if (form.Browser()->textCursor().selectionStart() == first) break;  // wrapped around
      QVERIFY(++matches < 50);
    }
    QVERIFY(Note(form).isEmpty());
    // Backwards from the first match wraps to the last.
    QVERIFY(form.FindNext(term, true));
    QVERIFY(form.Browser()->textCursor().selectionStart() > first || matches == 1);

    const QTextCursor before = form.Browser()->textCursor();
    QVERIFY(!form.FindNext(QStringLiteral("no such words in any guide")));
    QCOMPARE(form.Browser()->textCursor().selectionStart(), before.selectionStart());
    QVERIFY(Note(form).startsWith(QStringLiteral("Not found")));
    QVERIFY(!form.FindNext(QString()));
  }

  void sizeIsKeptInTheSettings() {
    MemorySettingsStore settings;
    {
      THelpForm form(settings, {});
      form.show();
      form.resize(640, 480);
      QTRY_COMPARE(QString::fromStdString(settings.Value(kHelpWindowSizeSetting)),
                   QStringLiteral("640x480"));
    }
    THelpForm again(settings, {});
    QCOMPARE(again.size(), QSize(640, 480));

    settings.SetValue(kHelpWindowSizeSetting, "99999x1");  // written by hand: not a size
    THelpForm unreadable(settings, {});
    QVERIFY(unreadable.width() >= kMinWindowExtent && unreadable.width() < 99999);
  }

  void missingOrUnreadableGuideIsToldWithWhereItWasLooked() {
    QTemporaryDir dir;
    MemorySettingsStore settings;
    ScriptedMessages messages;
    QWidget owner;
    const QStringList candidates{dir.filePath(QStringLiteral("a/user-guide.md")),
                                 dir.filePath(QStringLiteral("b/user-guide.md"))};
    HelpTopics help(owner, settings, messages, candidates);
    help.Show();
    QVERIFY(!help.Window());
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.front().kind, QStringLiteral("warning"));
    QVERIFY(messages.shown.front().text.startsWith("The user guide was not found.\n"));
    for (const QString& candidate : candidates) {
      QVERIFY2(messages.shown.front().text.contains(QDir::toNativeSeparators(candidate)),
               qPrintable(messages.shown.front().text));
    }

    // A guide far too large to be one is refused, not loaded.
    QDir().mkpath(dir.filePath(QStringLiteral("b")));
    QFile huge(candidates.at(1));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(9 * 1024 * 1024));
    huge.close();
    help.Show();
    QVERIFY(!help.Window());
    QCOMPARE(messages.shown.size(), 2);
    QVERIFY(messages.shown.back().text.startsWith("The user guide could not be read.\n"));
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::HelpFormTest)
#include "HelpFormTest.moc"
