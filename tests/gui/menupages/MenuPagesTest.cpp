#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QWidget>
#include <memory>

#include "core/model/Document.h"
#include "core/model/RadioImage.h"
#include "gui/document/DocumentSignals.h"
#include "gui/menupages/MenuPage1.h"
#include "gui/menupages/MenuPage2.h"
#include "gui/menupages/RadioMenuPages.h"
#include "support/ScriptedServices.h"

namespace quorvan {

class MenuPagesTest : public QObject {
  Q_OBJECT

 private:
  // A new document and the two pages bound to it, as after start-up; `edits` counts the
  // document's changes.
  struct Fixture {
    explicit Fixture(const char* type = "KK,0F", const char* model = "CIRRA")
        : plan(MakeDefaultBandPlan(type, model)),
          document(MakeNewDocument(plan)),
          documentSignals(document),
          pages(document, documentSignals, messages, &host1, &host2),
          edits(&documentSignals, &DocumentSignals::Changed) {}
    template <typename T>
    T* Find(const QString& name) {
      T* found = host1.findChild<T*>(name);
      if (!found) found = host2.findChild<T*>(name);
      if (!found) qFatal("no control %s", qPrintable(name));
      return found;
    }
    QString Stored(int item) const { return QString::fromStdString(Menu().Get(item)); }
    const MenuSettings& Menu() const { return document.Image().Menu(); }
    // The menu item the n-th change of the document changed.
    int EditedItem(int n) const {
      const auto changes = qvariant_cast<ImageChanges>(edits.at(n).at(1));
      return changes.Items().empty() ? -1 : changes.Items().front().item.index;
    }
    // The document replaced by one holding this menu value, as a file brings it.
    void Bring(int item, const char* value) {
      RadioImage image = document.Image();
      image.Menu().Set(item, value);
      document.Open(std::move(image), {});
    }
    QWidget* PageOf(QWidget* control) const {
      return host1.isAncestorOf(control) ? const_cast<QWidget*>(&host1)
                                         : const_cast<QWidget*>(&host2);
    }
    bool Shown(QWidget* control) const { return control->isVisibleTo(PageOf(control)); }

    BandPlan plan;
    Document document;
    DocumentSignals documentSignals;
    ScriptedMessages messages;
    QWidget host1;
    QWidget host2;
    RadioMenuPages pages;
    QSignalSpy edits;
  };

  // Typing as a keyboard or input method delivers it: one key event per character.
  static void Type(QWidget* field, const QString& text) {
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  // A user's choice in a drop-down list: arrive at the index with an arrow key.
  static void Choose(QComboBox* combo, int index) {
    combo->setFocus();
    if (index > 0) {
      combo->setCurrentIndex(index - 1);
      QTest::keyClick(combo, Qt::Key_Down);
    } else {
      combo->setCurrentIndex(1);
      QTest::keyClick(combo, Qt::Key_Up);
    }
  }

 private slots:
  void checkBoxStoresItsValue_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("unticked");
    const struct {
      const char* control;
      int item;
    } plain[] = {
        {"CheckBox_Dual", kMenuDL},        {"CheckBox_Att", kMenuATT},
        {"CheckBox_Lock", kMenuLK},        {"CheckBox_Lamp", kMenuLMP},
        {"CheckBox_DtmfLock", kMenuDLK},   {"CheckBox_DtmfHold", kMenuTXH},
        {"CheckBox_VoxOnBusy", kMenuVXB},  {"CheckBox_TxInhibit", kMenuTXS},
        {"CheckBox_BarAntenna", kMenuANT}, {"CheckBox_BeatShift", kMenuNSFT},
        {"CheckBox_Nar144", kMenuNAR0},    {"CheckBox_Nar220", kMenuNAR1},
        {"CheckBox_Nar440", kMenuNAR2},    {"CheckBox_Nar1200", kMenuNAR3},
        {"CheckBox_NarHf", kMenuNAR5},     {"CheckBox_ARO", kMenuARO},
        {"CheckBox_CallKey", kMenuCKEY},   {"CheckBox_t1750Hold", kMenuTH},
        {"CheckBox_TuneEnable", kMenuELK}, {"CheckBox_KeyBeep", kMenuBEP},
    };
    for (const auto& row : plain)
      QTest::newRow(row.control) << row.control << row.item << "1"
                                 << "0";
    QTest::newRow("CheckBox_MName inverted") << "CheckBox_MName" << int{kMenuMNF} << "0"
                                             << "1";
  }

  void checkBoxStoresItsValue() {
    QFETCH(QString, control);
    QFETCH(int, item);
    QFETCH(QString, ticked);
    QFETCH(QString, unticked);
    Fixture f;
    auto* box = f.Find<QCheckBox>(control);
    box->click();
    QCOMPARE(f.Stored(item), box->isChecked() ? ticked : unticked);
    box->click();
    QCOMPARE(f.Stored(item), box->isChecked() ? ticked : unticked);
    QCOMPARE(f.edits.count(), 2);
    QCOMPARE(f.EditedItem(1), item);
  }

  void radioGroupStoresChosenIndex_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("buttons");
    QTest::newRow("band") << "RadioGroup_Band" << int{kMenuBC} << 2;
    QTest::newRow("language") << "RadioGroup_Language" << int{kMenuLAN} << 2;
    QTest::newRow("dtmf speed") << "RadioGroup_DtmfSpeed" << int{kMenuTSP} << 2;
    QTest::newRow("A power") << "RadioGroup_APower" << int{kMenuPC0} << 3;
    QTest::newRow("B power") << "RadioGroup_BPower" << int{kMenuPC1} << 3;
    QTest::newRow("1.2G A power") << "RadioGroup_AGPower" << int{kMenuPC2} << 2;
    QTest::newRow("1.2G B power") << "RadioGroup_BGPower" << int{kMenuPC3} << 2;
    QTest::newRow("scan resume") << "RadioGroup_ScanResume" << int{kMenuSCR} << 3;
    QTest::newRow("packet speed") << "RadioGroup_PacketSpeed" << int{kMenuDATP} << 2;
    QTest::newRow("recall method") << "RadioGroup_MemoryMethod" << int{kMenuMRM} << 2;
    QTest::newRow("battery") << "RadioGroup_Battery" << int{kMenuBAT} << 2;
  }

  void radioGroupStoresChosenIndex() {
    QFETCH(QString, group);
    QFETCH(int, item);
    QFETCH(int, buttons);
    Fixture f;
    QCOMPARE(f.Find<QGroupBox>(group)->findChildren<QRadioButton*>().size(), buttons);
    for (int b = buttons - 1; b >= 0; --b) {
      f.Find<QRadioButton>(QStringLiteral("%1_%2").arg(group).arg(b))->click();
      QCOMPARE(f.Stored(item), QString::number(b));
    }
  }

  // The battery choices read as the printout names them.
  void batteryChoicesMatchThePrintout() {
    Fixture f;
    QCOMPARE(f.Find<QRadioButton>("RadioGroup_Battery_0")->text(), QStringLiteral("Lithium"));
    QCOMPARE(f.Find<QRadioButton>("RadioGroup_Battery_1")->text(), QStringLiteral("Alkaline"));
  }

  void comboBoxStoresUsersChoice_data() {
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stored");
    QTest::newRow("contrast last") << "ComboBox_Contrast" << int{kMenuCNT} << 15 << "16";
    QTest::newRow("contrast first") << "ComboBox_Contrast" << int{kMenuCNT} << 0 << "01";
    QTest::newRow("contrast 10") << "ComboBox_Contrast" << int{kMenuCNT} << 9 << "10";
    QTest::newRow("saver 5.0sec") << "ComboBox_Save" << int{kMenuSV} << 9 << "9";
    QTest::newRow("saver off") << "ComboBox_Save" << int{kMenuSV} << 0 << "0";
    QTest::newRow("apo 60min") << "ComboBox_Apo" << int{kMenuAPO} << 2 << "2";
    QTest::newRow("dtmf pause") << "ComboBox_DtmfPause" << int{kMenuPT} << 6 << "6";
    QTest::newRow("vox gain") << "ComboBox_VoxGain" << int{kMenuVXG} << 9 << "9";
    QTest::newRow("vox delay") << "ComboBox_VoxDeley" << int{kMenuVXD} << 6 << "6";
  }

  void comboBoxStoresUsersChoice() {
    QFETCH(QString, combo);
    QFETCH(int, item);
    QFETCH(int, index);
    QFETCH(QString, stored);
    Fixture f;
    Choose(f.Find<QComboBox>(combo), index);
    QCOMPARE(f.Stored(item), stored);
    QVERIFY(f.edits.count() >= 1);
  }

  void comboBoxIgnoresIndexSetByProgram() {
    Fixture f;
    f.Find<QComboBox>("ComboBox_Contrast")->setCurrentIndex(2);
    QCOMPARE(f.Stored(kMenuCNT), QStringLiteral("08"));
    QCOMPARE(f.edits.count(), 0);
  }

  void balanceTrackBarStoresPosition() {
    Fixture f;
    auto* bar = f.Find<QSlider>("TrackBer_Bal");
    QCOMPARE(bar->value(), 2);
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(f.Stored(kMenuBAL), QStringLiteral("4"));
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(f.Stored(kMenuBAL), QStringLiteral("0"));
  }

  void groupLinkBoxesEditTheirCharacter() {
    Fixture f;
    QCOMPARE(f.Stored(kMenuMGL), QStringLiteral("        "));
    f.Find<QCheckBox>("CheckBox_0")->click();
    f.Find<QCheckBox>("CheckBox_2")->click();
    QCOMPARE(f.Stored(kMenuMGL), QStringLiteral("0 2     "));
    f.Find<QCheckBox>("CheckBox_0")->click();
    f.Find<QCheckBox>("CheckBox_7")->click();
    QCOMPARE(f.Stored(kMenuMGL), QStringLiteral("  2    7"));
  }

  void groupLinkKeepsOtherStoredCharacters() {
    Fixture f;
    f.Bring(kMenuMGL, "0123");  // short text from a damaged file
    f.Find<QCheckBox>("CheckBox_1")->click();
    QCOMPARE(f.Stored(kMenuMGL), QStringLiteral("0 23    "));
  }

  void showSetsControlsFromStoredValues() {
    Fixture f;
    MenuSettings shown = f.Menu();
    shown.Set(kMenuMNF, "0");
    shown.Set(kMenuCNT, "16");
    shown.Set(kMenuMGL, "0 2     ");
    shown.Set(kMenuBAL, "4");
    shown.Set(kMenuSV, "7");
    shown.Set(kMenuLK, "1");
    shown.Set(kMenuSCR, "2");
    f.pages.ShowMenu(shown, f.plan);
    QVERIFY(f.Find<QCheckBox>("CheckBox_MName")->isChecked());
    QCOMPARE(f.Find<QComboBox>("ComboBox_Contrast")->currentIndex(), 15);
    QCOMPARE(f.Find<QComboBox>("ComboBox_Contrast")->currentText(), QStringLiteral("16"));
    QCOMPARE(f.Find<QSlider>("TrackBer_Bal")->value(), 4);
    QCOMPARE(f.Find<QComboBox>("ComboBox_Save")->currentText(), QStringLiteral("3.0sec"));
    QVERIFY(f.Find<QCheckBox>("CheckBox_Lock")->isChecked());
    QVERIFY(f.Find<QRadioButton>("RadioGroup_ScanResume_2")->isChecked());
    for (int n = 0; n < 8; ++n) {
      QCOMPARE(f.Find<QCheckBox>(QStringLiteral("CheckBox_%1").arg(n))->isChecked(),
               n == 0 || n == 2);
    }
    shown.Set(kMenuMNF, "1");
    shown.Set(kMenuCNT, "01");
    f.pages.ShowMenu(shown, f.plan);
    QVERIFY(!f.Find<QCheckBox>("CheckBox_MName")->isChecked());
    QCOMPARE(f.Find<QComboBox>("ComboBox_Contrast")->currentIndex(), 0);
  }

  void valuesOutsideTheListsShowNothingChosen() {
    Fixture f;
    MenuSettings odd = f.Menu();
    odd.Set(kMenuSCR, "7");
    odd.Set(kMenuCNT, "17");
    odd.Set(kMenuAPO, "x");
    f.pages.ShowMenu(odd, f.plan);
    for (auto* button : f.Find<QGroupBox>("RadioGroup_ScanResume")->findChildren<QRadioButton*>()) {
      QVERIFY(!button->isChecked());
    }
    QCOMPARE(f.Find<QComboBox>("ComboBox_Contrast")->currentIndex(), -1);
    QCOMPARE(f.Find<QComboBox>("ComboBox_Apo")->currentIndex(), -1);
    QCOMPARE(f.edits.count(), 0);
  }

  void refreshReportsNoChangeAndStoresNothing() {
    Fixture f;
    const MenuSettings before = f.Menu();
    // Every control differs from what is shown, so each one changes during the refresh.
    MenuSettings other;
    for (int item = 0; item < kMenuItemCount; ++item) other.Set(item, "1");
    other.Set(kMenuMNF, "0");
    other.Set(kMenuMGL, "01234567");
    other.Set(kMenuMES, "RADIO");
    other.Set(kMenuCNT, "03");
    f.pages.ShowMenu(other, f.plan);
    QCOMPARE(f.edits.count(), 0);
    QVERIFY(f.Menu() == before);
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.Find<QLineEdit>("Edit_Pom")->text(), QStringLiteral("RADIO"));
    QVERIFY(f.Find<QCheckBox>("CheckBox_Dual")->isChecked());
    // The controls are live again once the refresh is over.
    f.Find<QCheckBox>("CheckBox_Dual")->click();
    QCOMPARE(f.edits.count(), 1);
  }

  void boxesFollowTheBandPlan_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("show220");
    QTest::addColumn<bool>("showHf");
    QTest::addColumn<bool>("show1200");
    QTest::addColumn<QString>("caption440");
    QTest::addColumn<bool>("gigaPower");
    QTest::newRow("K") << "KK,0F"
                       << "ARVEN" << true << false << false << "440MHz Band" << false;
    QTest::newRow("E") << "ME,0B"
                       << "BELTO" << false << false << false << "430MHz Band" << false;
    QTest::newRow("J") << "JJ,01"
                       << "BELTO" << false << true << false << "430MHz Band" << false;
    QTest::newRow("M") << "MM,07"
                       << "BELTO" << false << false << false << "430MHz Band" << false;
    QTest::newRow("K CIRRA") << "KK,0F"
                             << "CIRRA" << true << false << true << "440MHz Band" << true;
    QTest::newRow("E CIRRA") << "ME,0B"
                             << "CIRRA" << false << false << true << "430MHz Band" << true;
  }

  void boxesFollowTheBandPlan() {
    QFETCH(QString, type);
    QFETCH(QString, model);
    QFETCH(bool, show220);
    QFETCH(bool, showHf);
    QFETCH(bool, show1200);
    QFETCH(QString, caption440);
    QFETCH(bool, gigaPower);
    Fixture f(qPrintable(type), qPrintable(model));
    QCOMPARE(f.Shown(f.Find<QCheckBox>("CheckBox_Nar144")), true);
    QCOMPARE(f.Shown(f.Find<QCheckBox>("CheckBox_Nar220")), show220);
    QCOMPARE(f.Shown(f.Find<QCheckBox>("CheckBox_NarHf")), showHf);
    QCOMPARE(f.Shown(f.Find<QCheckBox>("CheckBox_Nar1200")), show1200);
    QCOMPARE(f.Find<QCheckBox>("CheckBox_Nar440")->text(), caption440);
    QCOMPARE(f.Shown(f.Find<QGroupBox>("RadioGroup_AGPower")), gigaPower);
    QCOMPARE(f.Shown(f.Find<QGroupBox>("RadioGroup_BGPower")), gigaPower);
  }

  void emptyGigaPowerItemHidesItsGroupOnly() {
    Fixture f("KK,0F", "CIRRA");
    f.Bring(kMenuPC2, "");
    QVERIFY(!f.Shown(f.Find<QGroupBox>("RadioGroup_AGPower")));
    QVERIFY(f.Shown(f.Find<QGroupBox>("RadioGroup_BGPower")));
  }

  void powerOnMessageFilter_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("messages");
    QTest::newRow("J katakana") << "JJ,01" << QStringLiteral(u"\uFF71\uFF72")
                                << QStringLiteral(u"\uFF71\uFF72") << QByteArray("\xB1\xB2") << 0;
    QTest::newRow("J double-byte")
        << "JJ,01" << QStringLiteral(u"A\u6F22") << "A" << QByteArray("A") << 1;
    QTest::newRow("J accented") << "JJ,01" << QStringLiteral(u"\u00C9") << "" << QByteArray() << 1;
    QTest::newRow("E accented") << "ME,0B" << QStringLiteral(u"\u00C9t")
                                << QStringLiteral(u"\u00C9t") << QByteArray("\xC9t") << 0;
    QTest::newRow("E times sign") << "ME,0B" << QStringLiteral(u"A\u00D7B") << "AB"
                                  << QByteArray("AB") << 1;
    QTest::newRow("E katakana") << "ME,0B" << QStringLiteral(u"\uFF71") << "" << QByteArray() << 1;
    QTest::newRow("K ascii") << "KK,0F"
                             << "Hi 73!"
                             << "Hi 73!" << QByteArray("Hi 73!") << 0;
    QTest::newRow("nine characters") << "KK,0F"
                                     << "ABCDEFGHI"
                                     << "ABCDEFGH" << QByteArray("ABCDEFGH") << 0;
  }

  void powerOnMessageFilter() {
    QFETCH(QString, type);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    QFETCH(int, messages);
    Fixture f(qPrintable(type), "BELTO");
    auto* pom = f.Find<QLineEdit>("Edit_Pom");
    pom->selectAll();
    QTest::keyClick(pom, Qt::Key_Backspace);
    Type(pom, typed);
    QCOMPARE(pom->text(), shown);
    QCOMPARE(QByteArray::fromStdString(f.Menu().Get(kMenuMES)), stored);
    QCOMPARE(f.messages.shown.size(), messages);
    for (const auto& m : f.messages.shown) {
      QCOMPARE(m.text, QStringLiteral("Invalid character.\nPlease check and try again."));
      QCOMPARE(m.icon, MessageIcon::Information);
    }
  }

  void escapeIsSwallowedWithoutMessage() {
    Fixture f;
    auto* pom = f.Find<QLineEdit>("Edit_Pom");
    QTest::keyClick(pom, Qt::Key_Escape);
    QTest::keyClick(pom, Qt::Key_Backspace);
    QCOMPARE(pom->text(), QStringLiteral("HELLO !"));
    QCOMPARE(f.Stored(kMenuMES), QStringLiteral("HELLO !"));
    QVERIFY(f.messages.shown.isEmpty());
  }

  void pastedTextOutsideTheSetEmptiesTheField() {
    Fixture f("ME,0B", "BELTO");
    auto* pom = f.Find<QLineEdit>("Edit_Pom");
    pom->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral(u"AB\u00D7"));
    QTest::keyClick(pom, Qt::Key_V, Qt::ControlModifier);
    if (f.messages.shown.isEmpty()) QSKIP("the platform has no clipboard");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(pom->text(), QString());
    QCOMPARE(f.Stored(kMenuMES), QString());
    QVERIFY(f.edits.count() >= 1);
  }

  // A document comes in with such a message emptied; the field never shows one it cannot hold.
  void unshowableMessageShowsAsNothingAndStoresNothing() {
    Fixture f("JJ,01", "BELTO");
    MenuSettings shown = f.Menu();
    shown.Set(kMenuMES, "HI\xE9");  // a double-byte lead byte: not a name character for J
    f.pages.ShowMenu(shown, f.plan);
    QCOMPARE(f.Find<QLineEdit>("Edit_Pom")->text(), QString());
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.edits.count(), 0);
  }

  // Undo and redo of a menu change, and a new document, reach the controls.
  void controlsFollowEveryChangeOfTheDocument() {
    Fixture f;
    auto* lock = f.Find<QCheckBox>("CheckBox_Lock");
    auto* pom = f.Find<QLineEdit>("Edit_Pom");
    lock->click();
    QTest::keyClick(pom, Qt::Key_Backspace);
    Type(pom, "X");  // one step with the backspace: typing into one field
    QVERIFY(lock->isChecked());
    QCOMPARE(pom->text(), QStringLiteral("HELLO !X"));
    QCOMPARE(f.document.History().StepCount(), std::size_t{2});
    QVERIFY(f.document.Undo());
    QCOMPARE(pom->text(), QStringLiteral("HELLO !!"));
    QVERIFY(f.document.Undo());
    QVERIFY(!lock->isChecked());
    QVERIFY(f.document.Redo());
    QVERIFY(lock->isChecked());
    f.Bring(kMenuLK, "0");
    QVERIFY(!lock->isChecked());
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::MenuPagesTest)
#include "MenuPagesTest.moc"
