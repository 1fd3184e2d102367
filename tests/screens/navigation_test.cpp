#include "screens/screen_style.h"
#include "tests/screens/screen_fixture.h"

#include "screens/coffee_can_screen.h"

#include <QApplication>
#include <QTest>

namespace dishwright {
using test::Program;

class NavigationTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  void startShowsOnlyTheInputScreen() {
    Program p;
    QVERIFY(p.loaded(ScreenId::Input));
    QVERIFY(p.screen(ScreenId::Input)->window()->isVisible());
    for (ScreenId id :
         {ScreenId::ImperialCalculation, ScreenId::MetricCalculation, ScreenId::CoffeeCan,
          ScreenId::ImperialPrint, ScreenId::MetricPrint, ScreenId::WebLink})
      QVERIFY(!p.screen(id));
    QCOMPARE(p.text(ScreenId::Input, "Text6"), ".0");
    QCOMPARE(p.text(ScreenId::Input, "Text8"), "0.0");
    QCOMPARE(p.text(ScreenId::Input, "Text10"), "0.0");
  }

  void feetShowsTheFigures() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    QVERIFY(p.loaded(ScreenId::ImperialCalculation));
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text30"), "4");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text33"), "2304");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text36"), "0.5125868");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text37"), "INCHES");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text31"), "FEET");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text39"), "26.79085");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text53"), "7.595486");
    QCOMPARE(p.screen(ScreenId::ImperialCalculation)->rows()->rowCount(), 24);
    QCOMPARE(p.screen(ScreenId::ImperialCalculation)->rows()->rowText(23), "24....7.5");
    QVERIFY(p.reports.isEmpty());
  }

  void metersShowsMetricUnitWords() {
    Program p;
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, "Command2");
    QCOMPARE(p.text(ScreenId::MetricCalculation, "Text37"), "MM");
    QCOMPARE(p.text(ScreenId::MetricCalculation, "Text31"), "METERS");
    QCOMPARE(p.text(ScreenId::MetricCalculation, "Text53"), "7.703993");
    QCOMPARE(p.text(ScreenId::MetricCalculation, "Text35"), "THE MAXIMIM MESH SIZE SHOULD BE");
    QCOMPARE(p.text(ScreenId::MetricCalculation, "Text1"), "IN CMS");
    QCOMPARE(p.screen(ScreenId::MetricCalculation)->rows()->rowCount(), 30);
  }

  // FEET again with new inputs shows their figures (25.31512 dB for a 6 ft dish at
  // 1296 MHz; its 36 rows end at 36 in, 36^2 / (4 x 36) = 9 in deep) where the old
  // screen stood, and a print screen still open lists the new dish when asked for.
  // The same inputs again leave the screen as it is.
  void feetAgainShowsTheNewDesign() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command5");
    QCOMPARE(p.screen(ScreenId::ImperialPrint)->rows()->rowCount(), 24);
    p.screen(ScreenId::ImperialCalculation)->window()->move(310, 220);
    const QPoint place = p.screen(ScreenId::ImperialCalculation)->window()->pos();
    p.inputs("0.5", "6", "1296");
    p.click(ScreenId::Input, "Command1");
    const Screen *calc = p.screen(ScreenId::ImperialCalculation);
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text33"), "1296");
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text39"), "25.31512");
    QCOMPARE(calc->rows()->rowCount(), 36);
    QCOMPARE(calc->rows()->rowText(35), "36....9");
    QCOMPARE(calc->window()->pos(), place);
    p.click(ScreenId::ImperialCalculation, "Command5");
    QCOMPARE(p.screen(ScreenId::ImperialPrint)->rows()->rowCount(), 36);
    QWidget *shown = calc->window();
    p.click(ScreenId::Input, "Command1");
    QCOMPARE(calc->window(), shown);
    QVERIFY(p.reports.isEmpty());
  }

  // New inputs that cannot be computed take the old figures away with the report.
  void feetAgainWithABadDesignLeavesNoOldFigures() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.inputs(".0", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    QCOMPARE(p.reports.size(), 1);
    QVERIFY(!p.loaded(ScreenId::ImperialCalculation));
    QVERIFY(p.loaded(ScreenId::Input));
  }

  void closingAndShowingAgainRecomputes() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    Screen *first = p.screen(ScreenId::ImperialCalculation);
    p.close(ScreenId::ImperialCalculation);
    QVERIFY(!p.loaded(ScreenId::ImperialCalculation));
    p.inputs("0.4", "4.25", "1296");
    p.click(ScreenId::Input, "Command1");
    QCOMPARE(p.screen(ScreenId::ImperialCalculation), first); // one instance for the run
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text33"), "1296");
    QCOMPARE(p.screen(ScreenId::ImperialCalculation)->rows()->rowCount(), 26);
  }

  void inputScreenClosedComesBackWithDesignTexts() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.close(ScreenId::Input);
    QCOMPARE(p.exits, 0); // the calculation screen is still open
    p.click(ScreenId::ImperialCalculation, "Command3");
    QVERIFY(p.loaded(ScreenId::Input));
    QCOMPARE(p.text(ScreenId::Input, "Text6"), ".0");
    QCOMPARE(p.text(ScreenId::Input, "Text10"), "0.0");
    QCOMPARE(p.screens->values().freq, 2304.0f);
  }

  void designTextsReportDivisionByZeroAndGoOn() {
    Program p;
    p.click(ScreenId::Input, "Command1");
    QCOMPARE(
        p.reports,
        QStringList{"Division by zero while working out the mesh size: the frequency is 0 MHz."});
    QCOMPARE(p.reportedOver.front(), p.screen(ScreenId::Input)->window());
    QVERIFY(!p.loaded(ScreenId::ImperialCalculation));
    QCOMPARE(p.exits, 0);
    p.click(ScreenId::Input, "Command2");
    QCOMPARE(p.reports.size(), 2);
    QVERIFY(!p.loaded(ScreenId::MetricCalculation));
    p.inputs("0.4", "4", "2304"); // the program goes on
    p.click(ScreenId::Input, "Command1");
    QVERIFY(p.loaded(ScreenId::ImperialCalculation));
    QCOMPARE(p.text(ScreenId::ImperialCalculation, "Text36"), "0.5125868");
  }

  void failuresNameTheirKind_data() {
    QTest::addColumn<QString>("fd");
    QTest::addColumn<QString>("dia");
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("report");
    QTest::newRow("typo") << "0.4"
                          << "4 ft"
                          << "2304"
                          << "The diameter \"4 ft\" is not a number (Type mismatch).";
    QTest::newRow("empty") << ""
                           << "4"
                           << "2304"
                           << "The f/D ratio \"\" is not a number (Type mismatch).";
    QTest::newRow("too large") << "0.4"
                               << "1e39"
                               << "2304"
                               << "The diameter \"1e39\" is too large (Overflow).";
    QTest::newRow("no diameter") << "0.4"
                                 << "0"
                                 << "2304"
                                 << "Invalid procedure call or argument while working out the "
                                    "gain: the diameter is 0 feet and the frequency is 2304 MHz.";
    QTest::newRow("zero f/D") << ".0"
                              << "4"
                              << "2304"
                              << "Division by zero while working out the depth at X = 1 inches: "
                                 "the f/D ratio is 0 and the diameter is 4 feet.";
  }
  void failuresNameTheirKind() {
    QFETCH(QString, fd);
    QFETCH(QString, dia);
    QFETCH(QString, freq);
    QFETCH(QString, report);
    Program p;
    p.inputs(fd, dia, freq);
    p.click(ScreenId::Input, "Command1");
    QCOMPARE(p.reports, QStringList{report});
    QVERIFY(!p.loaded(ScreenId::ImperialCalculation));
    QVERIFY(p.loaded(ScreenId::Input));
  }

  void typeMismatchKeepsTheInputsReadBefore() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.inputs("0.7", "x", "99");
    p.click(ScreenId::Input, "Command2");
    QCOMPARE(p.screens->values().fd, 0.7f);
    QCOMPARE(p.screens->values().dia, 4.0f);
    QCOMPARE(p.screens->values().freq, 2304.0f);
    QVERIFY(!p.screen(ScreenId::MetricCalculation));
  }

  void coffeeCanIsOneScreenForBothUnits() {
    Program p;
    p.inputs("0.4", "4", "2400");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command2");
    QCOMPARE(p.text(ScreenId::CoffeeCan, "Text2"), "3.49178");
    Screen *can = p.screen(ScreenId::CoffeeCan);
    p.inputs("0.4", "1.2", "1296");
    p.click(ScreenId::Input, "Command2");
    p.click(ScreenId::MetricCalculation, "Command2");
    QCOMPARE(p.screen(ScreenId::CoffeeCan), can); // one instance, now for the new frequency
    QCOMPARE(p.text(ScreenId::CoffeeCan, "Text24"), "1296");
    QCOMPARE(p.text(ScreenId::CoffeeCan, "Text2"), "6.466259");
    p.click(ScreenId::ImperialCalculation, "Command2"); // the frequency stored last
    QCOMPARE(p.text(ScreenId::CoffeeCan, "Text24"), "1296");
  }

  void coffeeCanFailureLeavesItUnloaded() {
    Program p;
    p.inputs("0.4", "4", "0.5");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command2");
    QCOMPARE(p.reports, QStringList{"Invalid procedure call or argument while working out the "
                                    "wavelength in the can: the frequency is 0.5 MHz."});
    // over the calculation screen whose button failed, not the middle of the desktop
    QCOMPARE(p.reportedOver, QList<QWidget *>{p.screen(ScreenId::ImperialCalculation)->window()});
    QVERIFY(!p.loaded(ScreenId::CoffeeCan));
    auto *can = static_cast<CoffeeCanScreen *>(p.screen(ScreenId::CoffeeCan));
    QVERIFY(can->values().idin != 0); // stored before the failing step
  }

  void exitEndsTheProgram_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("button");
    QTest::newRow("Form2") << int(ScreenId::ImperialCalculation) << "Command4";
    QTest::newRow("Form3") << int(ScreenId::MetricCalculation) << "Command4";
    QTest::newRow("Form5") << int(ScreenId::ImperialPrint) << "Command1";
    QTest::newRow("Form6") << int(ScreenId::MetricPrint) << "Command2";
  }
  void exitEndsTheProgram() {
    QFETCH(int, screen);
    QFETCH(QString, button);
    Program p;
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::Input, "Command2");
    p.click(ScreenId::ImperialCalculation, "Command5");
    p.click(ScreenId::MetricCalculation, "Command5");
    p.click(ScreenId(screen), button.toLatin1().constData());
    QCOMPARE(p.exits, 1);
    for (ScreenId id : {ScreenId::Input, ScreenId::ImperialCalculation, ScreenId::MetricCalculation,
                        ScreenId::ImperialPrint, ScreenId::MetricPrint})
      QVERIFY(!p.loaded(id));
  }

  void closingEveryScreenEndsTheProgram() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command1");
    p.close(ScreenId::ImperialCalculation);
    p.close(ScreenId::WebLink);
    QCOMPARE(p.exits, 0);
    p.close(ScreenId::Input);
    QCOMPARE(p.exits, 1);
  }

  void returnOnlyBringsTheInputScreenForward() {
    Program p;
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::ImperialCalculation, "Command3");
    QVERIFY(p.loaded(ScreenId::ImperialCalculation));
    QCOMPARE(p.text(ScreenId::Input, "Text8"), "4");
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::NavigationTest)
#include "navigation_test.moc"
