// "Check with the sun" driven as a user drives it, on the offscreen platform. The
// expected figures were worked out by hand from T = S G lambda^2 / (8 pi k K),
// K = x^2 / (1 - exp(-x^2)), x^2 = ln 2 (0.5 / beamwidth)^2, and G/T = 8 pi k K (Y - 1) / (S
// lambda^2).
#include "tools/kit/result_grid.h"
#include "tools/sun/sun_flux_page.h"
#include "tools/sun/sun_measure_page.h"
#include "tools/sun/sun_predict_page.h"
#include "tools/sun/sun_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace dishwright;

namespace {

QString value(ResultGrid *grid, int row) { return grid->valueField(row)->text(); }

void type(QLineEdit *field, const QString &text) {
  field->clear();
  QTest::keyClicks(field, text);
}

// The widget Tab moves to from `from` (the window need not be shown).
QWidget *nextTabStop(QWidget *from) {
  QWidget *w = from->nextInFocusChain();
  while (w != from && (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()))
    w = w->nextInFocusChain();
  return w;
}

// The letter after the "&" of a label, a button or a tab ("" for none).
QString mnemonic(const QString &text) {
  const auto match = QRegularExpression(QStringLiteral("&([^&])")).match(text);
  return match.hasMatch() ? match.captured(1).toLower() : QString();
}

} // namespace

class SunWindowTest : public QObject {
  Q_OBJECT
private slots:
  void predictsTheSunNoise_data();
  void predictsTheSunNoise();
  void judgesTheMeasurement_data();
  void judgesTheMeasurement();
  void gainComesFromTheDesignOrIsHandedOver();
  void fluxIsHandedOver();
  void reportsFollowTheFrequency();
  void reportsPickedByHandStay();
  void keyboardAndNames();
};

void SunWindowTest::predictsTheSunNoise_data() {
  QTest::addColumn<QString>("beamwidth");
  QTest::addColumn<QStringList>("shown"); // beamwidth, correction, sun temperature, sun noise
  QTest::newRow("beam from the gain")
      << "" << QStringList{"5.1574 degrees", "1.0033", "1629.3 K", "14.496 dB"};
  QTest::newRow("beam typed") << "2.5"
                              << QStringList{"2.5000 degrees", "1.0139", "1612.2 K", "14.451 dB"};
}

void SunWindowTest::predictsTheSunNoise() {
  QFETCH(QString, beamwidth);
  QFETCH(QStringList, shown);
  SunWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 1296});
  SunPredictPage *page = window.predictPage();
  QCOMPARE(page->frequencyField()->text(), QString("1296"));
  type(page->gainField(), "30");
  type(page->systemField(), "60");
  type(page->fluxField(), "106");
  type(page->beamwidthField(), beamwidth);
  for (int row = 0; row < shown.size(); ++row)
    QCOMPARE(value(page->results(), row), shown[row]);
}

void SunWindowTest::judgesTheMeasurement_data() {
  QTest::addColumn<QString>("diameter");
  QTest::addColumn<QString>("unit");
  QTest::addColumn<QString>("system");
  QTest::addColumn<QStringList>("shown"); // beam correction, G/T, gain, efficiency
  QTest::addColumn<QString>("verdict");   // how the verdict begins
  QTest::newRow("no dish") << ""
                           << "metres"
                           << "60" << QStringList{"1.0000", "12.199 dB/K", "29.980 dBi", ""}
                           << "With the system temperature and the dish's diameter";
  QTest::newRow("typical") << "3"
                           << "metres"
                           << "60" << QStringList{"1.0030", "12.212 dB/K", "29.993 dBi", "60.144 %"}
                           << "60 %: typical of a well-made amateur dish (45 to 70 %).";
  QTest::newRow("in feet") << "10"
                           << "feet"
                           << "60" << QStringList{"1.0031", "12.212 dB/K", "29.993 dBi", "58.270 %"}
                           << "58 %: typical";
  QTest::newRow("low") << "10"
                       << "metres"
                       << "60" << QStringList{"1.0334", "12.341 dB/K", "30.123 dBi", "5.5772 %"}
                       << "5.6 %: below the 45 to 70 % amateur dishes usually reach.";
  // Too high: the system temperature typed too high is named, not one too low.
  QTest::newRow("high") << "2.6"
                        << "metres"
                        << "60" << QStringList{"1.0022", "12.208 dB/K", "29.990 dBi", "80.014 %"}
                        << "80 %: above the 45 to 70 % amateur dishes usually reach: a fine dish, "
                           "or a system temperature typed too high (it is the whole system on cold "
                           "sky, not the LNA alone)";
  QTest::newRow("impossible") << "1"
                              << "metres"
                              << "60"
                              << QStringList{"1.0003", "12.200 dB/K", "29.982 dBi", "539.87 %"}
                              << "540 %: more than any dish can reach.";
  QTest::newRow("no system temperature")
      << "3"
      << "metres"
      << "" << QStringList{"1.0030", "12.212 dB/K", "", ""} << "With";
}

void SunWindowTest::judgesTheMeasurement() {
  QFETCH(QString, diameter);
  QFETCH(QString, unit);
  QFETCH(QString, system);
  QFETCH(QStringList, shown);
  QFETCH(QString, verdict);
  SunWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 1296});
  SunMeasurePage *page = window.measurePage();
  QCOMPARE(page->diameterField()->text(), QString("1.2"));
  type(page->yFactorField(), "14.49");
  type(page->fluxField(), "106");
  type(page->diameterField(), diameter);
  page->unitChooser()->setCurrentText(unit);
  type(page->systemField(), system);
  for (int row = 0; row < shown.size(); ++row)
    QCOMPARE(value(page->results(), row + 1), shown[row]);
  QVERIFY2(page->verdict()->text().startsWith(verdict), qPrintable(page->verdict()->text()));
  type(page->fluxField(), "1O6"); // a letter O: nothing shown but what is wrong
  QCOMPARE(page->message()->text(), QString("The flux \"1O6\" is not a number."));
  QCOMPARE(value(page->results(), 2), QString());
  QVERIFY(page->verdict()->text().startsWith("With"));
}

void SunWindowTest::gainComesFromTheDesignOrIsHandedOver() {
  SunWindow window(DesignSeed{0.4, 4, DishSizeUnit::Feet, 2304});
  SunPredictPage *page = window.predictPage();
  // The imperial screen's gain for 4 feet at 2304 MHz, as the screen shows it.
  QCOMPARE(page->gainField()->text(), QString("26.79085"));
  QVERIFY(page->gainSource()->text().contains("rule of thumb"));
  QVERIFY(page->gainSource()->text().contains("4 ft at 2304 MHz"));
  window.setPredictedGain(31.25, "the feed and efficiency window");
  QCOMPARE(page->gainField()->text(), QString("31.25"));
  QCOMPARE(page->gainSource()->text(), QString("From the feed and efficiency window."));
  QTest::keyClick(page->gainField(), Qt::Key_Backspace);
  QCOMPARE(page->gainSource()->text(), QString("Typed in."));
  SunWindow noDesign(DesignSeed{});
  QCOMPARE(noDesign.predictPage()->gainField()->text(), QString());
}

// "Use this flux" puts the flux and the frequency it is at into both pages.
void SunWindowTest::fluxIsHandedOver() {
  SunWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 1296});
  SunFluxPage *page = window.fluxPage();
  QCOMPARE(page->firstFrequency()->currentText(), QString("610"));
  QCOMPARE(page->secondFrequency()->currentText(), QString("1415"));
  QVERIFY(!page->useButton()->isEnabled());
  type(page->firstFluxField(), "80");
  type(page->secondFluxField(), "110");
  QCOMPARE(value(page->results(), 0), QString("106.40 SFU"));
  type(page->frequencyField(), "1300");
  QCOMPARE(value(page->results(), 0), QString("106.53 SFU"));
  QTest::mouseClick(page->useButton(), Qt::LeftButton);
  QCOMPARE(window.predictPage()->fluxField()->text(), QString("106.53"));
  QCOMPARE(window.measurePage()->fluxField()->text(), QString("106.53"));
  QCOMPARE(window.predictPage()->frequencyField()->text(), QString("1300"));
  QCOMPARE(window.measurePage()->frequencyField()->text(), QString("1300"));
  page->secondFrequency()->setEditText("610");
  QCOMPARE(page->message()->text(), QString("The two observatory frequencies must differ."));
  QVERIFY(!page->useButton()->isEnabled());
}

// Retyping the frequency takes the reports either side of the new one, with the
// figures typed for them before; beyond the highest report it says the flux is
// extrapolated. The 10.7 cm flux is offered under that name, at 2800 MHz.
void SunWindowTest::reportsFollowTheFrequency() {
  SunWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 1296});
  SunFluxPage *page = window.fluxPage();
  type(page->firstFluxField(), "80");
  type(page->secondFluxField(), "110");
  type(page->frequencyField(), "10368");
  QCOMPARE(page->firstFrequency()->currentText(), QString("8800"));
  QCOMPARE(page->secondFrequency()->currentText(), QString("15400"));
  QCOMPARE(page->firstFluxField()->text(), QString()); // not the 610 MHz figure
  QCOMPARE(value(page->results(), 0), QString());
  type(page->firstFluxField(), "250");
  type(page->secondFluxField(), "450");
  QCOMPARE(value(page->results(), 0), QString("296.99 SFU"));
  QCOMPARE(page->remarks()->text(), QString());
  type(page->frequencyField(), "24048");
  QCOMPARE(value(page->results(), 0), QString("718.65 SFU"));
  QVERIFY2(page->remarks()->text().startsWith(
               "Warning: 24048 MHz is above the observatories' highest report (15400 MHz)"),
           qPrintable(page->remarks()->text()));
  type(page->frequencyField(), "1296");
  QCOMPARE(page->firstFluxField()->text(), QString("80"));
  QCOMPARE(value(page->results(), 0), QString("106.40 SFU"));
  type(page->frequencyField(), "2750");
  QCOMPARE(page->secondFrequency()->currentText(), QString("2800 (10.7 cm, F10.7)"));
  type(page->firstFluxField(), "70");
  type(page->secondFluxField(), "74");
  QCOMPARE(value(page->results(), 0), QString("72.087 SFU"));
}

// A pair picked by hand stays, and a frequency outside it is refused in words
// (the 2695 and 2800 MHz reports gave 496 SFU at 10368 MHz, where the reports
// either side give about 300).
void SunWindowTest::reportsPickedByHandStay() {
  SunWindow window(DesignSeed{0.4, 1.2, DishSizeUnit::Metres, 2750});
  SunFluxPage *page = window.fluxPage();
  page->firstFrequency()->setFocus();
  QTest::keyClick(page->firstFrequency(), Qt::Key_Up); // 1415 MHz, picked
  QTest::keyClick(page->firstFrequency(), Qt::Key_Down);
  QCOMPARE(page->firstFrequency()->currentText(), QString("2695"));
  type(page->firstFluxField(), "70");
  type(page->secondFluxField(), "74");
  type(page->frequencyField(), "10368");
  QCOMPARE(page->firstFrequency()->currentText(), QString("2695"));
  QCOMPARE(page->message()->text(),
           QString("The frequency 10368 MHz is not between the two reports (2695 and 2800 MHz): "
                   "take the reports either side of it, 8800 and 15400 MHz."));
  QCOMPARE(value(page->results(), 0), QString());
  QVERIFY(!page->useButton()->isEnabled());
}

// Every field named for a screen reader, every mnemonic used once, and Tab
// across the dish diameter's unit chooser to the system temperature.
void SunWindowTest::keyboardAndNames() {
  SunWindow window(DesignSeed{});
  QStringList letters;
  for (QWidget *w : window.findChildren<QWidget *>()) {
    if ((qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)) && w->window() == &window)
      QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
    if (auto *label = qobject_cast<QLabel *>(w))
      letters << mnemonic(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(w))
      letters << mnemonic(button->text());
  }
  for (int i = 0; i < window.tabs()->count(); ++i)
    letters << mnemonic(window.tabs()->tabText(i));
  letters.removeAll(QString());
  QCOMPARE(letters.size(), 19);
  QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
  SunMeasurePage *page = window.measurePage();
  QCOMPARE(nextTabStop(page->diameterField()), page->unitChooser());
  QCOMPARE(nextTabStop(page->unitChooser()), page->systemField());
}

QTEST_MAIN(SunWindowTest)
#include "sun_window_test.moc"
