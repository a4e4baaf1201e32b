#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/model/Document.h"
#include "gui/sort/TSortForm.h"
#include "support/SlotFields.h"

namespace quorvan {

class SortFormTest : public QObject {
  Q_OBJECT

 private:
  static std::string Channel(int slot, const std::string& frequency, const std::string& name) {
    return MemoryChannelLabel(slot) + "," + frequency + ",0,0,0,0,0,0,08,08,000,000600000,0,0,,,," +
           name;
  }

  // Runs the dialog modally on a document holding `image`; once it is up, `answer` clicks
  // what the user would. The document's image afterwards goes back into `image`.
  static bool RunAnswering(TSortForm& form, RadioImage& image,
                           const std::function<void(TSortForm&)>& answer) {
    Document document(image);
    QTimer::singleShot(0, &form, [&form, answer] { answer(form); });
    const bool sorted = form.Run(document);
    image = document.Image();
    return sorted;
  }
  static void Click(TSortForm& form, const char* name) {
    form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
  }

  static RadioImage ThreeChannels() {
    RadioImage image;
    image.Store(SlotKind::Memory, 5, Channel(5, "00145000000", "beta"));
    image.Store(SlotKind::Memory, 9, Channel(9, "00144000000", "Zulu"));
    image.Store(SlotKind::Memory, 200, Channel(200, "00146000000", ""));
    image.Store(SlotKind::Memory, 420, Channel(420, "00147000000", "PRIO"));
    return image;
  }
  static QString Name(const RadioImage& image, int slot) {
    return QString::fromStdString(
        std::string(testing::SlotField(image, SlotKind::Memory, slot, ChannelField::Name)));
  }

 private slots:
  void captionAndFirstChoice() {
    TSortForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Memory Channel Sort"));
    QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(form.ChosenKey(), SortKey::Frequency);
    QCOMPARE(form.findChild<QPushButton*>("Button_Sort")->text(), QStringLiteral("&Sort"));
    QCOMPARE(form.findChild<QPushButton*>("Button_Cancel")->text(), QStringLiteral("&Cancel"));
  }

  void sortByFrequencyFillsTheFrontAndRenumbers() {
    TSortForm form;
    RadioImage image = ThreeChannels();
    QVERIFY(RunAnswering(form, image, [](TSortForm& f) { Click(f, "Button_Sort"); }));
    QCOMPARE(std::string(testing::SlotField(image, SlotKind::Memory, 0, ChannelField::Frequency)),
             std::string("00144000000"));
    QCOMPARE(std::string(testing::SlotField(image, SlotKind::Memory, 1, ChannelField::Frequency)),
             std::string("00145000000"));
    QCOMPARE(std::string(testing::SlotField(image, SlotKind::Memory, 2, ChannelField::Id)),
             std::string("002"));
    QVERIFY(image.Record(SlotKind::Memory, 3).empty());
    QCOMPARE(Name(image, 420), QStringLiteral("PRIO"));
  }

  void cancelChangesNothing() {
    TSortForm form;
    RadioImage image = ThreeChannels();
    const RadioImage before = image;
    QVERIFY(!RunAnswering(form, image, [](TSortForm& f) { Click(f, "Button_Cancel"); }));
    QVERIFY(image == before);
  }

  void lastChoiceIsKeptForTheNextRun() {
    TSortForm form;
    RadioImage image = ThreeChannels();
    QVERIFY(RunAnswering(form, image, [](TSortForm& f) {
      Click(f, "RadioButton_Name");
      Click(f, "Button_Sort");
    }));
    // Names byte by byte: upper case first, unnamed channels last.
    QCOMPARE(Name(image, 0), QStringLiteral("Zulu"));
    QCOMPARE(Name(image, 1), QStringLiteral("beta"));
    QCOMPARE(Name(image, 2), QString());

    bool nameWasChosen = false;
    RadioImage again = ThreeChannels();
    QVERIFY(RunAnswering(form, again, [&nameWasChosen](TSortForm& f) {
      nameWasChosen = f.findChild<QRadioButton*>("RadioButton_Name")->isChecked();
      Click(f, "Button_Sort");
    }));
    QVERIFY(nameWasChosen);
    QCOMPARE(Name(again, 0), QStringLiteral("Zulu"));
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::SortFormTest)
#include "SortFormTest.moc"
