#include "screen_fixture.h"

#include "form4.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

namespace dishwright {
using test::Program;

class NavigationTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setStyle(QStyleFactory::create("Windows")); }

  void startShowsOnlyTheInputScreen() {
    Program p;
    QVERIFY(p.loaded(ScreenId::Form1));
    QVERIFY(p.screen(ScreenId::Form1)->window()->isVisible());
    for (ScreenId id : {ScreenId::Form2, ScreenId::Form3, ScreenId::Form4, ScreenId::Form5,
                        ScreenId::Form6, ScreenId::Web})
      QVERIFY(!p.screen(id));
    QCOMPARE(p.text(ScreenId::Form1, "Text6"), ".0");
    QCOMPARE(p.text(ScreenId::Form1, "Text8"), "0.0");
    QCOMPARE(p.text(ScreenId::Form1, "Text10"), "0.0");
  }

  void feetShowsTheFigures() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    QVERIFY(p.loaded(ScreenId::Form2));
    QCOMPARE(p.text(ScreenId::Form2, "Text30"), "4");
    QCOMPARE(p.text(ScreenId::Form2, "Text33"), "2304");
    QCOMPARE(p.text(ScreenId::Form2, "Text36"), "0.5125868");
    QCOMPARE(p.text(ScreenId::Form2, "Text37"), "INCHES");
    QCOMPARE(p.text(ScreenId::Form2, "Text31"), "FEET");
    QCOMPARE(p.text(ScreenId::Form2, "Text39"), "26.79085");
    QCOMPARE(p.text(ScreenId::Form2, "Text53"), "7.595486");
    QCOMPARE(p.screen(ScreenId::Form2)->rows()->rowCount(), 24);
    QCOMPARE(p.screen(ScreenId::Form2)->rows()->rowText(23), "24....7.5");
    QVERIFY(p.reports.isEmpty());
  }

  void metersShowsMetricUnitWords() {
    Program p;
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Form1, "Command2");
    QCOMPARE(p.text(ScreenId::Form3, "Text37"), "MM");
    QCOMPARE(p.text(ScreenId::Form3, "Text31"), "METERS");
    QCOMPARE(p.text(ScreenId::Form3, "Text53"), "7.703993");
    QCOMPARE(p.text(ScreenId::Form3, "Text35"), "THE MAXIMIM MESH SIZE SHOULD BE");
    QCOMPARE(p.text(ScreenId::Form3, "Text1"), "IN CMS");
    QCOMPARE(p.screen(ScreenId::Form3)->rows()->rowCount(), 30);
  }

  void feetTwiceKeepsTheOldFigures() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    p.inputs("0.5", "6", "1296");
    p.click(ScreenId::Form1, "Command1");
    QCOMPARE(p.screens->values().freq, 1296.0f); // stored all the same
    QCOMPARE(p.text(ScreenId::Form2, "Text33"), "2304");
    QCOMPARE(p.screen(ScreenId::Form2)->rows()->rowCount(), 24);
    // a screen loaded now uses the new inputs
    p.click(ScreenId::Form2, "Command5");
    QCOMPARE(p.screen(ScreenId::Form5)->rows()->rowCount(), 36);
  }

  void closingAndShowingAgainRecomputes() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    Screen *first = p.screen(ScreenId::Form2);
    p.close(ScreenId::Form2);
    QVERIFY(!p.loaded(ScreenId::Form2));
    p.inputs("0.4", "4.25", "1296");
    p.click(ScreenId::Form1, "Command1");
    QCOMPARE(p.screen(ScreenId::Form2), first); // one instance for the run
    QCOMPARE(p.text(ScreenId::Form2, "Text33"), "1296");
    QCOMPARE(p.screen(ScreenId::Form2)->rows()->rowCount(), 26);
  }

  void inputScreenClosedComesBackWithDesignTexts() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    p.close(ScreenId::Form1);
    QCOMPARE(p.exits, 0); // the calculation screen is still open
    p.click(ScreenId::Form2, "Command3");
    QVERIFY(p.loaded(ScreenId::Form1));
    QCOMPARE(p.text(ScreenId::Form1, "Text6"), ".0");
    QCOMPARE(p.text(ScreenId::Form1, "Text10"), "0.0");
    QCOMPARE(p.screens->values().freq, 2304.0f);
  }

  void designTextsReportDivisionByZeroAndGoOn() {
    Program p;
    p.click(ScreenId::Form1, "Command1");
    QCOMPARE(p.reports, QStringList{"Division by zero"});
    QVERIFY(!p.loaded(ScreenId::Form2));
    QCOMPARE(p.exits, 0);
    p.click(ScreenId::Form1, "Command2");
    QCOMPARE(p.reports.size(), 2);
    QVERIFY(!p.loaded(ScreenId::Form3));
    p.inputs("0.4", "4", "2304"); // the program goes on
    p.click(ScreenId::Form1, "Command1");
    QVERIFY(p.loaded(ScreenId::Form2));
    QCOMPARE(p.text(ScreenId::Form2, "Text36"), "0.5125868");
  }

  void failuresNameTheirKind_data() {
    QTest::addColumn<QString>("fd");
    QTest::addColumn<QString>("dia");
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("report");
    QTest::newRow("typo") << "0.4"
                          << "4 ft"
                          << "2304"
                          << "Type mismatch";
    QTest::newRow("empty") << ""
                           << "4"
                           << "2304"
                           << "Type mismatch";
    QTest::newRow("too large") << "0.4"
                               << "1e39"
                               << "2304"
                               << "Overflow";
    QTest::newRow("no diameter") << "0.4"
                                 << "0"
                                 << "2304"
                                 << "Invalid procedure call or argument";
    QTest::newRow("zero f/D") << ".0"
                              << "4"
                              << "2304"
                              << "Division by zero";
  }
  void failuresNameTheirKind() {
    QFETCH(QString, fd);
    QFETCH(QString, dia);
    QFETCH(QString, freq);
    QFETCH(QString, report);
    Program p;
    p.inputs(fd, dia, freq);
    p.click(ScreenId::Form1, "Command1");
    QCOMPARE(p.reports, QStringList{report});
    QVERIFY(!p.loaded(ScreenId::Form2));
    QVERIFY(p.loaded(ScreenId::Form1));
  }

  void typeMismatchKeepsTheInputsReadBefore() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    p.inputs("0.7", "x", "99");
    p.click(ScreenId::Form1, "Command2");
    QCOMPARE(p.screens->values().fd, 0.7f);
    QCOMPARE(p.screens->values().dia, 4.0f);
    QCOMPARE(p.screens->values().freq, 2304.0f);
    QVERIFY(!p.screen(ScreenId::Form3));
  }

  void coffeeCanIsOneScreenForBothUnits() {
    Program p;
    p.inputs("0.4", "4", "2400");
    p.click(ScreenId::Form1, "Command1");
    p.click(ScreenId::Form2, "Command2");
    QCOMPARE(p.text(ScreenId::Form4, "Text2"), "3.49178");
    p.inputs("0.4", "1.2", "1296");
    p.click(ScreenId::Form1, "Command2");
    p.click(ScreenId::Form3, "Command2");
    QCOMPARE(p.text(ScreenId::Form4, "Text24"), "2400"); // still loaded: unchanged
    p.close(ScreenId::Form4);
    p.click(ScreenId::Form3, "Command2");
    QCOMPARE(p.text(ScreenId::Form4, "Text24"), "1296");
    QCOMPARE(p.text(ScreenId::Form4, "Text2"), "6.466259");
  }

  void coffeeCanFailureLeavesItUnloaded() {
    Program p;
    p.inputs("0.4", "4", "0.5");
    p.click(ScreenId::Form1, "Command1");
    p.click(ScreenId::Form2, "Command2");
    QCOMPARE(p.reports, QStringList{"Invalid procedure call or argument"});
    QVERIFY(!p.loaded(ScreenId::Form4));
    auto *can = static_cast<Form4 *>(p.screen(ScreenId::Form4));
    QVERIFY(can->values().idin != 0); // stored before the failing step
  }

  void exitEndsTheProgram_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("button");
    QTest::newRow("Form2") << int(ScreenId::Form2) << "Command4";
    QTest::newRow("Form3") << int(ScreenId::Form3) << "Command4";
    QTest::newRow("Form5") << int(ScreenId::Form5) << "Command1";
    QTest::newRow("Form6") << int(ScreenId::Form6) << "Command2";
  }
  void exitEndsTheProgram() {
    QFETCH(int, screen);
    QFETCH(QString, button);
    Program p;
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Form1, "Command1");
    p.click(ScreenId::Form1, "Command2");
    p.click(ScreenId::Form2, "Command5");
    p.click(ScreenId::Form3, "Command5");
    p.click(ScreenId(screen), button.toLatin1().constData());
    QCOMPARE(p.exits, 1);
    for (ScreenId id :
         {ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form5, ScreenId::Form6})
      QVERIFY(!p.loaded(id));
  }

  void closingEveryScreenEndsTheProgram() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    p.click(ScreenId::Form2, "Command1");
    p.close(ScreenId::Form2);
    p.close(ScreenId::Web);
    QCOMPARE(p.exits, 0);
    p.close(ScreenId::Form1);
    QCOMPARE(p.exits, 1);
  }

  void returnOnlyBringsTheInputScreenForward() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Form1, "Command1");
    p.click(ScreenId::Form2, "Command3");
    QVERIFY(p.loaded(ScreenId::Form2));
    QCOMPARE(p.text(ScreenId::Form1, "Text8"), "4");
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::NavigationTest)
#include "navigation_test.moc"
