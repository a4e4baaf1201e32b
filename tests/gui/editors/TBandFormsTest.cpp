#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "gui/editors/EditorTestKit.h"
#include "gui/editors/TCallForm.h"
#include "gui/editors/TVfoForm.h"

namespace quorvan {

class TBandFormsTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessages messages_;
  Document document_;

  template <typename Form>
  QLineEdit* Edit(Form& form, const char* name) {
    return Child<QLineEdit>(form, name);
  }
  static QComboBox* Bands(QDialog& form) { return Child<QComboBox>(form, "ComboBox6"); }
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  static void Ok(QDialog& form) { Child<QAbstractButton>(form, "Button2")->click(); }

 private slots:
  void init() { messages_ = RecordingMessages(); }
  void cleanup() { QCOMPARE(messages_.unexpected, 0); }

  void vfoBandListFollowsThePlan() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("KK,0F", "ARVEN"), {});
    form.Open(document_, 4);
    QCOMPARE(form.windowTitle(), QStringLiteral("VfoForm"));
    QCOMPARE(Bands(form)->count(), 14);
    QCOMPARE(Bands(form)->itemText(1), QStringLiteral("A_220MHz"));
    QCOMPARE(Bands(form)->currentText(), QStringLiteral("B_AM"));
    document_.Open(MakeImage("KK,0F", "CIRRA"), {});
    form.Open(document_, 3);
    QCOMPARE(Bands(form)->count(), 15);
    document_.Open(MakeImage("ME,0B", "BELTO"), {});
    form.Open(document_, 12);
    QCOMPARE(Bands(form)->count(), 13);
    QCOMPARE(Bands(form)->currentText(), QStringLiteral("B_430MHz"));
  }

  void vfoProgramRangeBoundsEnterAndForcesFm() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("MM,07"), {});  // program VFO 144-147, 12.5 kHz default step
    form.Open(document_, 0);
    form.show();
    Choose(Child<QComboBox>(form, "ComboBox1"), 0);  // 5 kHz
    Choose(Child<QComboBox>(form, "ComboBox2"), 4);  // USB
    QVERIFY(!Child<QCheckBox>(form, "CheckBox2")->isEnabled());
    Type(Edit(form, "Edit1"), "150.000");
    QString shownAtMessage;
    messages_.onInformation = [&](const QString&) { shownAtMessage = Edit(form, "Edit1")->text(); };
    QTest::keyClick(Edit(form, "Edit1"), Qt::Key_Return);
    QCOMPARE(messages_.texts, QStringList{kRounded});
    QCOMPARE(shownAtMessage, QStringLiteral("147.995"));
    QCOMPARE(Child<QComboBox>(form, "ComboBox2")->currentText(), QStringLiteral("FM"));
    QVERIFY(Child<QCheckBox>(form, "CheckBox2")->isEnabled());
  }

  void vfoEmptyHfRecordShowsItsDefaults() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("KK,0F", "ARVEN"), {});
    StoreInto(document_, SlotKind::Vfo, 5, "");
    form.Open(document_, 5);
    form.show();
    QCOMPARE(Edit(form, "Edit1")->text(), QStringLiteral("3.500"));
    QCOMPARE(Child<QComboBox>(form, "ComboBox1")->currentText(), QStringLiteral("5kHz"));
    QCOMPARE(Child<QComboBox>(form, "ComboBox2")->currentText(), QStringLiteral("LSB"));
    QCOMPARE(Edit(form, "Edit2")->text(), QStringLiteral("0.00"));
    QVERIFY(!Child<QWidget>(form, "Edit3")->isVisibleTo(&form));  // no program VFO on B bands
  }

  void vfoProgramFieldsAreClamped() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("MM,07"), {});
    form.Open(document_, 0);
    form.show();
    QCOMPARE(Edit(form, "Edit3")->text(), QStringLiteral("144"));
    QCOMPARE(Edit(form, "Edit4")->text(), QStringLiteral("147"));
    Type(Edit(form, "Edit3"), "140");
    QCOMPARE(Edit(form, "Edit3")->text(), QStringLiteral("144"));
    Type(Edit(form, "Edit4"), "150");
    QCOMPARE(Edit(form, "Edit4")->text(), QStringLiteral("147"));
    Type(Edit(form, "Edit3"), "0");
    QCOMPARE(Edit(form, "Edit3")->text(), QString());
    QVERIFY(form.PendingChanges());
  }

  void vfoFailedStoreKeepsTheRangeAndLaterBandChangeLoads() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("MM,07"), {});
    form.Open(document_, 0);
    form.show();
    Type(Edit(form, "Edit3"), "145");
    Type(Edit(form, "Edit4"), "146");
    Type(Edit(form, "Edit2"), "1..");
    Ok(form);
    QCOMPARE(messages_.texts, QStringList{kBadOffset});
    QVERIFY(form.isVisible());
    QCOMPARE(Rec(document_, SlotKind::ProgramVfo, 0), std::string("0,00145,00146"));
    // With the store failed on the band list's question, the band stays.
    messages_.answers = {true};
    Choose(Bands(form), 3);
    QCOMPARE(form.CurrentBand(), 0);
    QCOMPARE(Bands(form)->currentIndex(), 0);
    // Nothing is pending after that question: the next change loads the band.
    Choose(Bands(form), 3);
    QCOMPARE(form.CurrentBand(), 5);
    QCOMPARE(Edit(form, "Edit1")->text(), QStringLiteral("3.500"));
    QCOMPARE(messages_.questions, QStringList{kPending});
  }

  void vfoStoresTheExactRecordWithTheExtraShift() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("ME,0B"), {});
    form.Open(document_, 12);
    form.show();
    auto* special = Child<QRadioButton>(form, "RadioButton4");
    QCOMPARE(special->text(), QStringLiteral("-7.6MHz Shift"));
    special->click();
    Type(Edit(form, "Edit1"), "433.5");
    Ok(form);
    QCOMPARE(Rec(document_, SlotKind::Vfo, 12),
             std::string("C,00433500000,8,3,0,0,0,0,08,08,000,001600000,0,,,,,"));
    QVERIFY(!form.isVisible());
  }

  void bandPagingWrapsAndAsks() {
    TVfoForm form(messages_);
    document_.Open(MakeImage("ME,0B"), {});
    form.Open(document_, 14);
    form.show();
    QTest::keyClick(Edit(form, "Edit1"), Qt::Key_PageUp);
    QCOMPARE(form.CurrentBand(), 0);
    QTest::keyClick(Edit(form, "Edit1"), Qt::Key_PageDown);
    QCOMPARE(form.CurrentBand(), 14);
    const std::string band14 = Rec(document_, SlotKind::Vfo, 14);
    Child<QCheckBox>(form, "CheckBox1")->click();  // Reverse
    messages_.answers = {false};
    QTest::keyClick(Bands(form), Qt::Key_Home);
    QCOMPARE(form.CurrentBand(), 0);
    QCOMPARE(messages_.questions, QStringList{kPending});
    QCOMPARE(Rec(document_, SlotKind::Vfo, 14), band14);  // No drops the change
    Child<QCheckBox>(form, "CheckBox1")->click();
    messages_.answers = {true};
    Bands(form)->showPopup();  // the question comes before the list opens
    Bands(form)->hidePopup();
    QCOMPARE(Rec(document_, SlotKind::Vfo, 0).substr(16, 5), std::string("0,1,0"));
    messages_.answers = {false};
    QTest::keyClick(Edit(form, "Edit1"), Qt::Key_Escape);
    QVERIFY(!form.isVisible());
  }

  void callBandListAndStepRoundTrip() {
    TCallForm form(messages_);
    document_.Open(MakeImage("ME,0B", "ARVEN"), {});
    form.Open(document_, 0);
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("CALL Channel"));
    QCOMPARE(Items(Bands(form)), (QStringList{"144MHz", "430MHz"}));
    Choose(Bands(form), 1);
    QCOMPARE(form.CurrentBand(), 2);
    Choose(Child<QComboBox>(form, "ComboBox1"), 10);  // 50 kHz
    Type(Edit(form, "Edit1"), "433.05");
    Ok(form);
    QCOMPARE(Rec(document_, SlotKind::Call, 2),
             std::string("2,00433050000,A,0,0,0,0,0,08,08,000,001600000,0,,,,,"));
    form.Open(document_, 2);
    QCOMPARE(Child<QComboBox>(form, "ComboBox1")->currentText(), QStringLiteral("50kHz"));
  }

  void callSplitIsHeldInsideTheBand() {
    TCallForm form(messages_);
    document_.Open(MakeImage("ME,0B", "ARVEN"), {});
    form.Open(document_, 0);
    form.show();
    auto* reverse = Child<QCheckBox>(form, "CheckBox1");
    reverse->click();
    Child<QRadioButton>(form, "RadioButton1")->click();  // Split Channel
    QVERIFY(!reverse->isChecked() && !reverse->isEnabled());
    Type(Edit(form, "Edit3"), "150");
    Ok(form);
    QCOMPARE(messages_.texts, QStringList{kRounded});
    QCOMPARE(Rec(document_, SlotKind::Call, 0),
             std::string("0,00144000000,5,0,0,0,0,0,08,08,000,000600000,0,,00145987500,5,,"));
  }

  void callPendingQuestionOnClose() {
    TCallForm form(messages_);
    document_.Open(MakeImage("KK,0F", "ARVEN"), {});
    form.Open(document_, 1);
    form.show();
    QCOMPARE(Edit(form, "Edit1")->text(), QStringLiteral("223.000"));
    Child<QRadioButton>(form, "RadioButton3")->click();  // Plus Shift
    messages_.answers = {true};
    Child<QAbstractButton>(form, "Button1")->click();
    QCOMPARE(messages_.questions, QStringList{kPendingClose});
    QCOMPARE(Rec(document_, SlotKind::Call, 1).substr(0, 18), std::string("1,00223000000,7,1,"));
    QVERIFY(!form.isVisible());
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::TBandFormsTest)
#include "TBandFormsTest.moc"
