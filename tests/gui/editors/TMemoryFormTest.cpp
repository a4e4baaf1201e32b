#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "gui/editors/EditorTestKit.h"
#include "gui/editors/TMemoryForm.h"

namespace quorvan {

class TMemoryFormTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  TMemoryForm* form_ = nullptr;
  Document document_;

  QLineEdit* Edit(const char* name) { return Child<QLineEdit>(*form_, name); }
  QRadioButton* Radio(int n) {
    return Child<QRadioButton>(*form_, QStringLiteral("RadioButton%1").arg(n));
  }
  QCheckBox* Check(int n) { return Child<QCheckBox>(*form_, QStringLiteral("CheckBox%1").arg(n)); }
  QComboBox* List(int n) { return Child<QComboBox>(*form_, QStringLiteral("ComboBox%1").arg(n)); }
  void OpenOn(const char* type, int slot) {
    document_.Open(MakeImage(type), {});
    form_->Open(document_, slot);
    form_->show();
  }
  void MakePending() { Check(5)->click(); }  // Lock Out

 private slots:
  void init() {
    messages_ = RecordingMessages();
    form_ = new TMemoryForm(messages_);
  }
  void cleanup() {
    QCOMPARE(messages_.unexpected, 0);
    delete form_;
  }

  void loadsEmptySlotWithDestinationDefaults() {
    OpenOn("JJ,01", 0);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(Edit("Edit5")->text(), QStringLiteral("0"));
    QCOMPARE(Edit("Edit1")->text(), QStringLiteral("145.000"));
    QCOMPARE(List(1)->currentText(), QStringLiteral("20kHz"));
    QCOMPARE(Edit("Edit2")->text(), QStringLiteral("0.60"));
    QVERIFY(Radio(2)->isChecked());  // Simplex
    QVERIFY(!Radio(5)->isVisibleTo(form_));
    QVERIFY(!form_->PendingChanges());
  }

  void loadsFullRecord() {
    document_.Open(MakeImage("ME,0B"), {});
    StoreInto(document_, SlotKind::Memory, 420,
              "PR1,00433500000,8,3,1,0,1,0,55,12,200,007600000,0,1,,,,RPT,1");
    form_->Open(document_, 420);
    form_->show();
    QCOMPARE(Edit("Edit5")->text(), QStringLiteral("PR1"));
    QCOMPARE(Edit("Edit1")->text(), QStringLiteral("433.500"));
    QVERIFY(Radio(5)->isChecked());
    QCOMPARE(Radio(5)->text(), QStringLiteral("-7.6MHz Shift"));
    QVERIFY(Radio(5)->isVisibleTo(form_));
    QVERIFY(Check(1)->isChecked() && Check(3)->isChecked() && !Check(2)->isChecked());
    QCOMPARE(List(3)->currentText(), QStringLiteral("88.5Hz"));
    QCOMPARE(List(4)->currentText(), QStringLiteral("100.0Hz"));
    QCOMPARE(List(5)->currentText(), QStringLiteral("023"));
    QCOMPARE(Edit("Edit2")->text(), QStringLiteral("7.60"));
    QCOMPARE(Edit("Edit4")->text(), QStringLiteral("RPT,1"));
    QVERIFY(Check(5)->isChecked());
  }

  void storesEachShiftWithTheExactRecord_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("txOrOffset");
    QTest::addColumn<QString>("record");
    QTest::newRow("simplex") << 2 << "145.5"
                             << "0.6"
                             << "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,A,B";
    QTest::newRow("plus") << 3 << "145.5"
                          << "0.6"
                          << "005,00145500000,5,1,0,0,0,0,08,08,000,000600000,0,0,,,,A,B";
    QTest::newRow("minus") << 4 << "145.5"
                           << "1.6"
                           << "005,00145500000,5,2,0,0,0,0,08,08,000,001600000,0,0,,,,A,B";
    QTest::newRow("special") << 5 << "433.5"
                             << "0.6"
                             << "005,00433500000,5,3,0,0,0,0,08,08,000,000600000,0,0,,,,A,B";
    QTest::newRow("split")
        << 1 << "145.5"
        << "145.1"
        << "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,00145100000,5,,A,B";
  }
  void storesEachShiftWithTheExactRecord() {
    QFETCH(int, button);
    QFETCH(QString, frequency);
    QFETCH(QString, txOrOffset);
    QFETCH(QString, record);
    OpenOn("ME,0B", 5);
    Type(Edit("Edit1"), frequency);
    QTest::keyClick(Edit("Edit1"), Qt::Key_Return);  // reclassifies: the extra shift for 433
    Radio(button)->click();
    Type(Edit(button == 1 ? "Edit3" : "Edit2"), txOrOffset);
    Type(Edit("Edit4"), "A,B");
    Child<QAbstractButton>(*form_, "Button2")->click();
    QCOMPARE(QString::fromStdString(Rec(document_, SlotKind::Memory, 5)), record);
    QVERIFY(!form_->isVisible());
    QVERIFY(messages_.texts.isEmpty());
  }

  void roundingIsAnnouncedAfterTheValuesAreShown() {
    OpenOn("KK,0F", 7);  // 5 kHz step
    Type(Edit("Edit1"), "144.0125");
    QString shownAtMessage;
    messages_.onInformation = [&](const QString&) { shownAtMessage = Edit("Edit1")->text(); };
    Child<QAbstractButton>(*form_, "Button2")->click();
    QCOMPARE(messages_.texts, QStringList{kRounded});
    QCOMPARE(shownAtMessage, QStringLiteral("144.010"));
    QCOMPARE(QString::fromStdString(Rec(document_, SlotKind::Memory, 7)).left(15),
             QStringLiteral("007,00144010000"));
  }

  void badFrequencyOrOffsetKeepsDialogAndText() {
    OpenOn("KK,0F", 7);
    Type(Edit("Edit1"), "14.5.5");
    Child<QAbstractButton>(*form_, "Button2")->click();
    QCOMPARE(messages_.texts, QStringList{kBadFrequency});
    QVERIFY(form_->isVisible());
    QCOMPARE(Edit("Edit1")->text(), QStringLiteral("14.5.5"));
    QVERIFY(Rec(document_, SlotKind::Memory, 7).empty());
    messages_.Clear();
    Type(Edit("Edit1"), "145");
    Type(Edit("Edit2"), "1.2.");
    QTest::keyClick(Edit("Edit2"), Qt::Key_Return);
    QCOMPARE(messages_.texts, QStringList{kBadOffset});
    QCOMPARE(Edit("Edit2")->text(), QStringLiteral("1.2."));
  }

  void frequencyFieldsSwallowOtherKeys() {
    OpenOn("KK,0F", 7);
    Type(Edit("Edit1"), "1a4-5,.x5");
    QCOMPARE(Edit("Edit1")->text(), QStringLiteral("145.5"));
    QVERIFY(messages_.texts.isEmpty());
  }

  void enterReclassifiesTheExtraShift() {
    OpenOn("ME,0B", 0);
    Type(Edit("Edit1"), "433");
    QTest::keyClick(Edit("Edit1"), Qt::Key_Return);
    QVERIFY(Radio(5)->isVisibleTo(form_));
    QCOMPARE(Radio(5)->text(), QStringLiteral("-7.6MHz Shift"));
    Radio(5)->click();
    Type(Edit("Edit1"), "145");
    QTest::keyClick(Edit("Edit1"), Qt::Key_Return);
    QVERIFY(!Radio(5)->isVisibleTo(form_));
    QVERIFY(Radio(1)->isChecked());  // the hidden shift gives way to split
    QCOMPARE(Edit("Edit1")->text(), QStringLiteral("145.000"));
  }

  void splitClearsAndDisablesReverse() {
    OpenOn("KK,0F", 0);
    Check(1)->click();
    Radio(1)->click();
    QVERIFY(!Check(1)->isChecked());
    QVERIFY(!Check(1)->isEnabled());
    QVERIFY(Edit("Edit3")->isVisibleTo(form_));
    QVERIFY(!Edit("Edit2")->isVisibleTo(form_));
    Radio(2)->click();
    QVERIFY(Check(1)->isEnabled());
    QVERIFY(!Check(1)->isChecked());
    QVERIFY(Edit("Edit2")->isVisibleTo(form_));
  }

  void toneSwitchesExcludeEachOtherAndFollowTheMode() {
    OpenOn("KK,0F", 0);
    Check(2)->click();
    Check(4)->click();
    QVERIFY(!Check(2)->isChecked() && Check(4)->isChecked());
    Choose(List(2), 2);  // AM
    QVERIFY(!Check(4)->isEnabled() && !List(5)->isEnabled() && !List(3)->isEnabled());
    Child<QAbstractButton>(*form_, "Button2")->click();
    // The check mark is stored as it stands even while greyed out.
    QCOMPARE(QString::fromStdString(Rec(document_, SlotKind::Memory, 0)).mid(16, 17),
             QStringLiteral("0,0,0,0,0,1,08,08"));
    QVERIFY(form_->isVisible() == false);
  }

  void numberFieldVisitsEachKeystroke() {
    OpenOn("KK,0F", 0);
    Type(Edit("Edit5"), "4");
    QCOMPARE(form_->CurrentSlot(), 4);
    QTest::keyClick(Edit("Edit5"), Qt::Key_0);
    QCOMPARE(form_->CurrentSlot(), 40);
    QTest::keyClick(Edit("Edit5"), Qt::Key_0);
    QCOMPARE(messages_.texts,
             QStringList{QStringLiteral("Invalid channel Number.\nPlease check and try again.")});
    QCOMPARE(Edit("Edit5")->text(), QStringLiteral("40"));
    QCOMPARE(form_->CurrentSlot(), 40);
    messages_.Clear();
    Type(Edit("Edit5"), "PR1");
    QCOMPARE(form_->CurrentSlot(), 420);
    Type(Edit("Edit5"), "I-0");
    QCOMPARE(form_->CurrentSlot(), 431);
    QVERIFY(messages_.texts.isEmpty());
  }

  void numberFieldAsksAtEveryStepWithPendingChanges() {
    OpenOn("KK,0F", 0);
    MakePending();
    messages_.answers = {true};  // store slot 0 before moving to 1
    Type(Edit("Edit5"), "1");
    QCOMPARE(messages_.questions, QStringList{kPending});
    QVERIFY(!Rec(document_, SlotKind::Memory, 0).empty());
    MakePending();
    messages_.answers = {false};  // drop the change on slot 1
    QTest::keyClick(Edit("Edit5"), Qt::Key_2);
    QCOMPARE(form_->CurrentSlot(), 12);
    QVERIFY(Rec(document_, SlotKind::Memory, 1).empty());
    QCOMPARE(messages_.questions.size(), 2);
  }

  void failedStoreKeepsTheChannel() {
    OpenOn("KK,0F", 3);
    Type(Edit("Edit1"), "1.4.");
    messages_.answers = {true};
    Type(Edit("Edit5"), "9");
    QCOMPARE(form_->CurrentSlot(), 3);
    QCOMPARE(Edit("Edit5")->text(), QStringLiteral("3"));
    QCOMPARE(messages_.texts, (QStringList{kPending, kBadFrequency}));
    messages_.Clear();
    messages_.answers = {true};
    QTest::keyClick(Edit("Edit1"), Qt::Key_PageUp);
    QCOMPARE(form_->CurrentSlot(), 3);
    QCOMPARE(Edit("Edit1")->text(), QStringLiteral("1.4."));
    messages_.Clear();
    messages_.answers = {true};
    Child<QAbstractButton>(*form_, "UpDown1Up")->click();
    QCOMPARE(form_->CurrentSlot(), 3);
    messages_.answers = {true};
    Child<QAbstractButton>(*form_, "Button1")->click();  // Close: store fails, stays open
    QVERIFY(form_->isVisible());
  }

  void upDownAndPagingWrapAndAsk() {
    OpenOn("KK,0F", 431);
    QTest::keyClick(Edit("Edit1"), Qt::Key_PageUp);
    QCOMPARE(form_->CurrentSlot(), 0);
    QTest::keyClick(List(1), Qt::Key_PageDown);
    QCOMPARE(form_->CurrentSlot(), 431);
    QTest::keyClick(Edit("Edit4"), Qt::Key_Home);
    QCOMPARE(form_->CurrentSlot(), 0);
    Child<QAbstractButton>(*form_, "UpDown1Down")->click();
    QCOMPARE(form_->CurrentSlot(), 431);
    QCOMPARE(Edit("Edit5")->text(), QStringLiteral("I-0"));
    MakePending();
    messages_.answers = {false};
    Child<QAbstractButton>(*form_, "UpDown1Up")->click();
    QCOMPARE(form_->CurrentSlot(), 0);
    MakePending();
    messages_.answers = {true};
    QTest::keyClick(Check(5), Qt::Key_End);
    QCOMPARE(form_->CurrentSlot(), 431);
    QCOMPARE(messages_.questions, (QStringList{kPending, kPending}));
    QVERIFY(!Rec(document_, SlotKind::Memory, 0).empty());
  }

  void closeAndEscapeAskWithTrailingSpace() {
    OpenOn("KK,0F", 2);
    Child<QAbstractButton>(*form_, "Button1")->click();
    QVERIFY(!form_->isVisible());
    QVERIFY(messages_.questions.isEmpty());  // nothing pending, nothing asked
    form_->Open(document_, 2);
    form_->show();
    MakePending();
    messages_.answers = {false};
    QTest::keyClick(Edit("Edit1"), Qt::Key_Escape);
    QCOMPARE(messages_.questions, QStringList{kPendingClose});
    QVERIFY(!form_->isVisible());
    QVERIFY(Rec(document_, SlotKind::Memory, 2).empty());
    form_->Open(document_, 2);
    form_->show();
    MakePending();
    messages_.answers = {true};
    Child<QAbstractButton>(*form_, "Button1")->click();
    QVERIFY(!form_->isVisible());
    QVERIFY(!Rec(document_, SlotKind::Memory, 2).empty());
  }

  void nameKeysFollowTheDestination() {
    OpenOn("ME,0B", 0);
    TypeText(Edit("Edit4"), QStringLiteral("Caf\u00e9"));
    QCOMPARE(Edit("Edit4")->text(), QStringLiteral("Caf\u00e9"));
    TypeText(Edit("Edit4"), QStringLiteral("\u00d7"));  // not in the name set
    QCOMPARE(Edit("Edit4")->text(), QStringLiteral("Caf\u00e9"));
    QCOMPARE(messages_.texts, QStringList{kBadCharacter});
    Child<QAbstractButton>(*form_, "Button2")->click();
    const std::string stored = Rec(document_, SlotKind::Memory, 0);
    QVERIFY(stored.size() > 5);
    QCOMPARE(stored.substr(stored.size() - 5), std::string(",Caf\xe9"));

    messages_.Clear();
    OpenOn("JJ,01", 1);
    TypeText(Edit("Edit4"), QStringLiteral("NHK\uff7b"));  // half-width katakana
    QCOMPARE(Edit("Edit4")->text(), QStringLiteral("NHK\uff7b"));
    TypeText(Edit("Edit4"), QStringLiteral("\u65e5"));  // needs two bytes
    QCOMPARE(messages_.texts, QStringList{kBadCharacter});
    QCOMPARE(Edit("Edit4")->text(), QStringLiteral("NHK\uff7b"));
    TypeText(Edit("Edit4"), QStringLiteral("\u00e9"));
    QCOMPARE(messages_.texts.size(), 2);
  }

  void pastedNameWithABadCharacterEmptiesTheField() {
    OpenOn("KK,0F", 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("A,B"));
    Edit("Edit4")->paste();
    QCOMPARE(Edit("Edit4")->text(), QStringLiteral("A,B"));
    QVERIFY(messages_.texts.isEmpty());
    QGuiApplication::clipboard()->setText(QStringLiteral("A\u0416B"));
    Edit("Edit4")->paste();
    QCOMPARE(Edit("Edit4")->text(), QString());
    QVERIFY(messages_.texts.contains(kBadCharacter));
    QVERIFY(form_->PendingChanges());
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::TMemoryFormTest)
#include "TMemoryFormTest.moc"
