// The window in each shipped language: its menus, a menu page, a box of the catalogue and
// Qt's own buttons come from the translations built with it; English loads none.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"
#include "core/messages/TransferNotes.h"
#include "core/transfer/TransferCommands.h"
#include "gui/common/MessageService.h"
#include "gui/language/AppLanguage.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/transfer/TReadForm.h"

namespace quorvan {

class LanguageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    // A translator leaves the application when it is deleted.
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
  }

  void window_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QString>("dualBox");
    QTest::addColumn<QString>("fileOpenError");
    QTest::addColumn<QString>("writeQuestion");
    QTest::addColumn<QString>("qtCancel");
    QTest::addColumn<QStringList>("transferLines");
    QTest::addColumn<QStringList>("readDialog");
    QTest::newRow("English") << "en" << QStringList{"&File", "&Radio", "&Edit", "Vie&w", "&Help"}
                             << "Dual"
                             << "File Open error."
                             << "Write 3 changed items to the radio?"
                             << "Cancel"
                             << QStringList{"Writing: VFOs: 100 of 400, about 6.0 s left",
                                            "Read the menu in 3.0 s.", "Checking 3 items: 1 of 3"}
                             << QStringList{"Quorvan [Untitled]", "Read",
                                            "Reading data from the Radio."};
    QTest::newRow("German") << "de"
                            << QStringList{"&Datei", "&Funkgerät", "&Bearbeiten", "&Ansicht",
                                           "&Hilfe"}
                            << "Dual"
                            << "Fehler beim Öffnen der Datei."
                            << "3 geänderte Einträge in das Funkgerät schreiben?"
                            << "Abbrechen"
                            << QStringList{"Schreiben: VFOs: 100 von 400, noch etwa 6,0 s",
                                           "Menü in 3,0 s ausgelesen.",
                                           "3 Einträge werden geprüft: 1 von 3"}
                            << QStringList{"Quorvan [Unbenannt]", "Auslesen",
                                           "Daten werden aus dem Funkgerät ausgelesen."};
    QTest::newRow("Japanese")
        << "ja" << QStringList{"ファイル(&F)", "無線機(&R)", "編集(&E)", "表示(&W)", "ヘルプ(&H)"}
        << "デュアル"
        << "ファイルを開けません。"
        << "変更された 3 件を無線機に書き込みますか?"
        << "キャンセル"
        << QStringList{"書き込み中: VFO: 100 / 400、残り約 6.0 秒",
                       "メニューを 3.0 秒 で読み込みました。", "3 件を確認中: 1 / 3"}
        << QStringList{"Quorvan [無題]", "読み込み", "無線機からデータを読み込んでいます。"};
    QTest::newRow("French") << "fr"
                            << QStringList{"&Fichier", "&Émetteur-récepteur", "É&dition",
                                           "&Affichage", "A&ide"}
                            << "Double veille"
                            << "Erreur à l'ouverture du fichier."
                            << "Écrire 3 éléments modifiés dans l'émetteur-récepteur ?"
                            << "Annuler"
                            << QStringList{"Écriture : VFO : 100 sur 400, il reste environ 6,0 s",
                                           "Menu lu en 3,0 s.",
                                           "Vérification de 3 éléments : 1 sur 3"}
                            << QStringList{"Quorvan [Sans titre]", "Lecture",
                                           "Lecture des données de l'émetteur-récepteur."};
    QTest::newRow("Spanish") << "es"
                             << QStringList{"&Archivo", "&Equipo", "E&dición", "Ve&r", "A&yuda"}
                             << "Doble escucha"
                             << "Error al abrir el archivo."
                             << "¿Escribir 3 elementos modificados en el equipo?"
                             << "Cancelar"
                             << QStringList{"Escribiendo: VFO: 100 de 400, quedan unos 6,0 s",
                                            "Menú leído en 3,0 s.",
                                            "Comprobando 3 elementos: 1 de 3"}
                             << QStringList{"Quorvan [Sin título]", "Lectura",
                                            "Leyendo los datos del equipo."};
    QTest::newRow("Italian")
        << "it" << QStringList{"&File", "&Apparato", "&Modifica", "Visuali&zza", "&Guida"}
        << "Doppio ascolto"
        << "Errore nell'apertura del file."
        << "Scrivere 3 elementi modificati nell'apparato?"
        << "Annulla"
        << QStringList{"Scrittura: VFO: 100 di 400, mancano circa 6,0 s", "Menu letto in 3,0 s.",
                       "Controllo di 3 elementi: 1 di 3"}
        << QStringList{"Quorvan [Senza titolo]", "Lettura", "Lettura dei dati dall'apparato."};
  }

  void window() {
    QFETCH(QString, language);
    QFETCH(QStringList, menus);
    QFETCH(QString, dualBox);
    QFETCH(QString, fileOpenError);
    QFETCH(QString, writeQuestion);
    QFETCH(QString, qtCancel);
    QFETCH(QStringList, transferLines);
    QFETCH(QStringList, readDialog);
    const bool loaded =
        InstallTranslations(*qApp, QLocale(language), {QStringLiteral(QUORVAN_BUILD_TRANSLATIONS)});
    QCOMPARE(loaded, language != QLatin1String("en"));

    MainFormFixture fixture;
    fixture.Create();
    QStringList shown;
    for (const QAction* menu : fixture.form->menuBar()->actions()) shown << menu->text();
    QCOMPARE(shown, menus);
    const auto* dual = fixture.form->findChild<QCheckBox*>(QStringLiteral("CheckBox_Dual"));
    QVERIFY(dual);
    QCOMPARE(dual->text(), dualBox);
    QCOMPARE(MessageText(kFileOpenErrorMessage), fileOpenError);
    QCOMPARE(MessageText(WriteChangesQuestion(3)), writeQuestion);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    TReadForm read(fixture.messages);
    QCOMPARE((QStringList{ShownTitle(*fixture.form), read.windowTitle(),
                          read.findChild<QLabel*>()->text()}),
             readDialog);
    // The transfer dialog's second line, as it puts it together, and a status line's ending.
    const auto line = [](const std::string& activity, int position, int maximum, double seconds) {
      return QString::fromStdString(ProgressLine(MessageText(activity).toStdString(), position,
                                                 maximum, seconds, CatalogueText));
    };
    const QString ending = QString::fromStdString(
        ReadEndingText(TransferScope::Menu, TransferEnd::Completed, 37, 37, 3.04, CatalogueText));
    QCOMPARE((QStringList{line(WriteStepActivity(kStepVfo), 100, 400, 2), ending,
                          line(FillIn(pattern::kCheckingMany, {"3"}), 1, 3, 0)}),
             transferLines);
  }

  // View > Language: the stored choice is ticked; choosing another stores it and says when it
  // applies; choosing the ticked one again asks nothing.
  void languageMenu_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("messages");
    QTest::newRow("system to German") << ""
                                      << "Language_System"
                                      << "Language_de"
                                      << "de" << 1;
    QTest::newRow("Japanese to English") << "ja"
                                         << "Language_ja"
                                         << "Language_en"
                                         << "en" << 1;
    QTest::newRow("French back to system") << "fr"
                                           << "Language_fr"
                                           << "Language_System"
                                           << "" << 1;
    QTest::newRow("Italian again") << "it"
                                   << "Language_it"
                                   << "Language_it"
                                   << "it" << 0;
    QTest::newRow("unknown shows system") << "xx"
                                          << "Language_System"
                                          << "Language_es"
                                          << "es" << 1;
  }

  void languageMenu() {
    QFETCH(QString, stored);
    QFETCH(QString, ticked);
    QFETCH(QString, chosen);
    QFETCH(QString, storedAfter);
    QFETCH(int, messages);
    MainFormFixture fixture;
    if (!stored.isEmpty()) fixture.settings.SetValue(kLanguageKey, stored.toStdString());
    fixture.Create();
    QStringList checked;
    for (const QAction* action : fixture.form->findChildren<QAction*>()) {
      if (action->objectName().startsWith(QLatin1String("Language_")) && action->isChecked()) {
        checked << action->objectName();
      }
    }
    QCOMPARE(checked, QStringList{ticked});
    auto* choice = fixture.form->findChild<QAction*>(chosen);
    QVERIFY(choice);
    choice->trigger();
    QCOMPARE(QString::fromStdString(fixture.settings.Value(kLanguageKey)), storedAfter);
    QCOMPARE(fixture.messages.shown.size(), static_cast<qsizetype>(messages));
    if (messages > 0) {
      QCOMPARE(fixture.messages.shown.back().text, MessageText(kLanguageAtNextStartMessage));
    }
  }

  // Every shipped language has its texts beside the program, and its menus are not English.
  void everyShippedLanguageLoads() {
    const QStringList english{"&File", "&Radio", "&Edit", "Vie&w", "&Help"};
    for (const ShippedLanguage& language : kShippedLanguages) {
      QVERIFY2(InstallTranslations(*qApp, QLocale(QString::fromLatin1(language.code)),
                                   {QStringLiteral(QUORVAN_BUILD_TRANSLATIONS)}),
               language.code);
      MainFormFixture fixture;
      fixture.Create();
      QStringList shown;
      for (const QAction* menu : fixture.form->menuBar()->actions()) shown << menu->text();
      QVERIFY2(shown != english, language.code);
      cleanup();
    }
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::LanguageWindowTest)
#include "LanguageWindowTest.moc"
