#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "gui/editors/EditorTestKit.h"
#include "gui/editors/TDtmfForm.h"

namespace quorvan {

class TDtmfFormTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  Document document_;
  TDtmfForm* form_ = nullptr;

  QLineEdit* Code() { return Child<QLineEdit>(*form_, "Edit1"); }
  QLineEdit* Name() { return Child<QLineEdit>(*form_, "Edit2"); }
  void OpenOn(int channel) {
    form_->Open(document_, channel);
    form_->show();
  }

 private slots:
  void init() {
    messages_ = RecordingMessages();
    document_.Open(MakeImage("KK,0F", "ARVEN"), {});
    form_ = new TDtmfForm(messages_);
  }
  void cleanup() {
    QCOMPARE(messages_.unexpected, 0);
    delete form_;
  }

  void loadsEmptyAndFullMemories() {
    StoreInto(document_, SlotKind::Dtmf, 4, "04,12*#,HOME,2");
    OpenOn(4);
    QCOMPARE(form_->windowTitle(), QStringLiteral("DTMF Memory"));
    QCOMPARE(Child<QComboBox>(*form_, "ComboBox1")->currentText(), QStringLiteral("4"));
    QCOMPARE(Code()->text(), QStringLiteral("12*#"));
    QCOMPARE(Name()->text(), QStringLiteral("HOME,2"));
    OpenOn(5);
    QCOMPARE(Code()->text(), QString());
    QCOMPARE(Name()->text(), QString());
  }

  void codeKeysAreUpperCasedAndFiltered() {
    OpenOn(3);
    QTest::keyClicks(Code(), "0d*#a e");
    QCOMPARE(Code()->text(), QStringLiteral("0D*#A "));
    QCOMPARE(messages_.texts, QStringList{kBadCharacter});
    QGuiApplication::clipboard()->setText(QStringLiteral("1,2"));
    Code()->paste();
    QCOMPARE(Code()->text(), QStringLiteral("0D*#A "));
    QCOMPARE(messages_.texts.size(), 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("bc"));
    Code()->paste();
    QCOMPARE(Code()->text(), QStringLiteral("0D*#A BC"));
  }

  void storesNameWithCommaWhole() {
    OpenOn(3);
    QTest::keyClicks(Code(), "0123*#ABCD");
    QTest::keyClicks(Name(), "HO,ME");
    Child<QAbstractButton>(*form_, "Button2")->click();
    QCOMPARE(Rec(document_, SlotKind::Dtmf, 3), std::string("3,0123*#ABCD,HO,ME"));
    QVERIFY(!form_->isVisible());
    OpenOn(3);
    QCOMPARE(Name()->text(), QStringLiteral("HO,ME"));
  }

  void pagingWrapsAndAsks() {
    OpenOn(9);
    QTest::keyClick(Code(), Qt::Key_PageUp);
    QCOMPARE(form_->CurrentChannel(), 0);
    QTest::keyClick(Code(), Qt::Key_PageDown);
    QCOMPARE(form_->CurrentChannel(), 9);
    QTest::keyClicks(Code(), "1");
    messages_.answers = {true};
    QTest::keyClick(Name(), Qt::Key_Home);
    QCOMPARE(messages_.questions, QStringList{kPending});
    QCOMPARE(Rec(document_, SlotKind::Dtmf, 9), std::string("9,1,"));
    QCOMPARE(form_->CurrentChannel(), 0);
    QTest::keyClicks(Code(), "2");
    messages_.answers = {false};
    Choose(Child<QComboBox>(*form_, "ComboBox1"), 6);
    QCOMPARE(form_->CurrentChannel(), 6);
    QVERIFY(Rec(document_, SlotKind::Dtmf, 0).empty());
  }

  void closeAsksOnlyWithChanges() {
    OpenOn(2);
    QTest::keyClick(Code(), Qt::Key_Escape);
    QVERIFY(!form_->isVisible());
    QVERIFY(messages_.questions.isEmpty());
    OpenOn(2);
    QTest::keyClicks(Name(), "X");
    messages_.answers = {false};
    Child<QAbstractButton>(*form_, "Button1")->click();
    QCOMPARE(messages_.questions, QStringList{kPendingClose});
    QVERIFY(!form_->isVisible());
    QVERIFY(Rec(document_, SlotKind::Dtmf, 2).empty());
  }

  void japaneseNamesTakeHalfWidthKatakanaOnly() {
    document_.Open(MakeImage("JJ,01"), {});
    OpenOn(0);
    TypeText(Name(), QStringLiteral("\uff71\u30a2"));  // half-width, then full-width katakana
    QCOMPARE(Name()->text(), QStringLiteral("\uff71"));
    QCOMPARE(messages_.texts, QStringList{kBadCharacter});
    Child<QAbstractButton>(*form_, "Button2")->click();
    QCOMPARE(Rec(document_, SlotKind::Dtmf, 0), std::string("0,,\xb1"));
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::TDtmfFormTest)
#include "TDtmfFormTest.moc"
