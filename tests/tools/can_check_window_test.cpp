// The can check window driven as a user drives it, on the offscreen platform.
#include "tests/tools/tool_test_support.h"
#include "tools/can_check/can_check_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace dishwright;
using namespace dishwright::testing;

class CanCheckWindowTest : public QObject {
  Q_OBJECT
private slots:
  void seedFillsTheDesign();
  void canBelowCutoffShowsTheErrorAndNoFigures();
  void canCheckShowsTheScreensRuleBesideItsOwn();
  void tabFollowsTheForm();
};

void CanCheckWindowTest::canBelowCutoffShowsTheErrorAndNoFigures() {
  CanCheckWindow window(DesignSeed{0.4, 4, DishSizeUnit::Feet, 2000});
  type(window.diameterField(), "3.0");
  QCOMPARE(window.message()->text(),
           QString("2000 MHz is below the TE11 cutoff 2305.8 MHz: the can carries nothing."));
  for (int row = 0; row < 6; ++row)
    QVERIFY(value(window.results(), row).isEmpty());
  type(window.frequencyField(), "2400");
  QCOMPARE(value(window.results(), 3), QString("4.4308 in"));
  QCOMPARE(value(window.results(), 5), QString("13.292 in"));
  QVERIFY(window.warnings()->text().startsWith("Warning: close to the TE11 cutoff"));
  QVERIFY(window.message()->text().isEmpty());
  // 3 in at 10368 MHz is 2.63 wavelengths: every higher mode is named, its cutoff
  // the root times 11802.85 / (pi 3 in).
  type(window.frequencyField(), "10368");
  QVERIFY2(window.warnings()->text().startsWith("Warning: above the TM01 cutoff 3011.6 MHz, the "
                                                "TE21 cutoff 3824.9 MHz and the TE01/TM11 cutoff "
                                                "4798.5 MHz: modes besides TE11"),
           qPrintable(window.warnings()->text()));
}

// Beside its own figures the check shows the coffee-can screen's for the frequency,
// as that screen writes them, and says where they differ: for a 9.2 cm can at
// 2304 MHz the check puts the probe a quarter of the 23.260 cm guide wavelength
// from the back, the screen a quarter of its own 9.2448 cm can's, 5.762376 cm.
void CanCheckWindowTest::canCheckShowsTheScreensRuleBesideItsOwn() {
  CanCheckWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 2304});
  type(window.diameterField(), "9.2");
  QCOMPARE(value(window.results(), 3), QString("5.8150 cm")); // 23.260 cm / 4
  const QString rule = window.ruleOfThumb()->text();
  QVERIFY2(rule.contains("probe 5.762376 cm from the back and 3.095625 cm long"), qPrintable(rule));
  QVERIFY(rule.contains("Both put the probe a quarter of the guide wavelength"));
}

void CanCheckWindowTest::seedFillsTheDesign() {
  CanCheckWindow can(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 1296});
  QCOMPARE(can.frequencyField()->text(), QString("1296"));
  QCOMPARE(can.unitChooser()->currentText(), QString("cm"));
}

// Tab from the first field reaches the inputs in reading order, then the figures.
void CanCheckWindowTest::tabFollowsTheForm() {
  CanCheckWindow can(DesignSeed{});
  QWidget *order[] = {can.diameterField(), can.unitChooser(), can.frequencyField(),
                      can.results()->valueField(0)};
  for (int i = 0; i + 1 < 4; ++i)
    QCOMPARE(nextTabStop(order[i]), order[i + 1]);
}

QTEST_MAIN(CanCheckWindowTest)
#include "can_check_window_test.moc"
