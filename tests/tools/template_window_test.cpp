// The templates window driven as a user would: through its named inputs.
#include "tools/templates/template_window.h"

#include "calc/page_layout/template_sheet.h"
#include "tools/kit/tool_state.h"

#include <QComboBox>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <cmath>
#include <string>

using namespace dishwright;

namespace {

template <class T> T *named(QWidget &window, const QString &accessibleName) {
  for (T *w : window.findChildren<T *>())
    if (w->accessibleName() == accessibleName)
      return w;
  return nullptr;
}

QPushButton *button(QWidget &window, const QString &text) {
  for (QPushButton *b : window.findChildren<QPushButton *>())
    if (b->text() == text)
      return b;
  return nullptr;
}

} // namespace

class TemplateWindowTest : public QObject {
  Q_OBJECT
private slots:
  void threeMetreRibOnA4() {
    TemplateWindow window({0.4, 3, DishSizeUnit::Metres, 2304});
    named<QComboBox>(window, "Paper")->setCurrentIndex(0); // A4
    // The pages the core chooses, fewer than the 24 of the drawing's whole grid
    // (1544 x 512.75 mm: 9 x 3 portrait pages or 6 x 4 landscape).
    const TemplateSheet sheet({TemplateKind::Rib, 0.4, 3, DishSizeUnit::Metres, 12, 0, 2304},
                              PaperKind::A4);
    const int pages = sheet.plan().pageCount();
    QVERIFY(pages < 24);
    QCOMPARE(window.pageCount(), pages);
    QVERIFY(named<QLabel>(window, "Page shown")
                ->text()
                .startsWith(QString("page 1 of %1: row 1, column ").arg(pages)));
    QCOMPARE(named<QLineEdit>(window, "Depth")->text(), QString("468.750 mm")); // 1500^2 / 4800
    named<QComboBox>(window, "Paper")->setCurrentIndex(2);
    QCOMPARE(window.pageCount(), 1);
  }

  void changingNUpdatesTheGore() {
    TemplateWindow window({0.4, 1.2, DishSizeUnit::Metres, 0});
    named<QComboBox>(window, "Template kind")->setCurrentIndex(1);
    QLineEdit *width = named<QLineEdit>(window, "Gore width at rim");
    QCOMPARE(width->text(), QString("310.583 mm"));
    named<QLineEdit>(window, "Number of ribs or gores")->setText("8");
    const double expected = 1200 * std::sin(3.14159265358979 / 8); // 459.220
    QCOMPARE(width->text(), QString::number(expected, 'f', 3) + " mm");
    QVERIFY(!named<QLineEdit>(window, "Hub radius")->isEnabled());
  }

  void invalidInputDisablesSavingAndSaysWhy() {
    TemplateWindow window({0.4, 4, DishSizeUnit::Feet, 2304});
    QPushButton *save = button(window, "Save &PDF...");
    QVERIFY(save && save->isEnabled());
    named<QLineEdit>(window, "f/D")->setText("0");
    QVERIFY(!save->isEnabled());
    QVERIFY(!button(window, "P&rint...")->isEnabled());
    QCOMPARE(window.pageCount(), 0);
    QCOMPARE(named<QLabel>(window, "Problem with the inputs")->text(),
             QString("The f/D must be greater than 0."));
    named<QLineEdit>(window, "f/D")->setText("0.4");
    named<QLineEdit>(window, "Hub radius")->setText("24"); // the rim is at 24 in
    QVERIFY(!save->isEnabled());
    QVERIFY(window.problem().contains("hub radius must be smaller"));
    named<QLineEdit>(window, "Hub radius")->setText("3");
    QVERIFY(save->isEnabled());
  }

  void savesWhatItPreviews() {
    QTemporaryDir dir;
    TemplateWindow window({0.4, 1.2, DishSizeUnit::Metres, 2304});
    named<QComboBox>(window, "Paper")->setCurrentIndex(1);
    QVERIFY(window.savePdf(dir.filePath("rib.pdf")));
    QCOMPARE(named<QLabel>(window, "Status")->text(),
             QString("Saved %1 (%2 pages).").arg(dir.filePath("rib.pdf")).arg(window.pageCount()));
    QVERIFY(window.saveSvg(dir.filePath("rib.svg")));
    QVERIFY(window.saveDxf(dir.filePath("rib.dxf")));
    QVERIFY(named<QLabel>(window, "Status")->text().endsWith("(one sheet, in mm)."));
    QVERIFY(!window.savePdf(dir.filePath("absent/rib.pdf")));
    QVERIFY(named<QLabel>(window, "Status")->text().startsWith("Not saved: cannot write"));
    QVERIFY(!window.saveDxf(dir.filePath("absent/rib.dxf")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
  }

  // A save the user cancels from its progress dialog leaves the old file.
  void cancelledSaveLeavesTheOldFile() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("rib.pdf");
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    TemplateWindow window({0.4, 3, DishSizeUnit::Metres, 2304}); // a 3 m rib: several pages
    window.setProgressAfter(0);
    QTimer::singleShot(0, &window, [&window] {
      if (auto *progress = window.findChild<QProgressDialog *>())
        progress->cancel();
    });
    QVERIFY(!window.savePdf(pdf));
    QCOMPARE(named<QLabel>(window, "Status")->text(),
             QString("Not saved: cancelled; %1 is as it was.").arg(pdf));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"rib.pdf"});
  }

  // What is typed is read as the command line reads it: a comma is refused in
  // words (and stays in the field when the focus leaves), never dropped into
  // 25 for 2,5; no template is made from it.
  void typedCommaIsRefusedInWords_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("mended");
    QTest::newRow("hub") << "Hub radius"
                         << "2,5"
                         << "the hub radius \"2,5\" is not a number; a point is the decimal "
                            "mark (2.5, not 2,5)"
                         << "2.5";
    QTest::newRow("diameter") << "Diameter"
                              << "1,2"
                              << "the diameter \"1,2\" is not a number; a point is the "
                                 "decimal mark (1.2, not 1,2)"
                              << "1.2";
    QTest::newRow("f/D") << "f/D"
                         << "0,4"
                         << "the f/D \"0,4\" is not a number; a point is the decimal mark "
                            "(0.4, not 0,4)"
                         << "0.4";
    QTest::newRow("N") << "Number of ribs or gores"
                       << "1,2"
                       << "the number of ribs \"1,2\" is not a number; a point is the decimal "
                          "mark (1.2, not 1,2)"
                       << "12";
    QTest::newRow("N whole") << "Number of ribs or gores"
                             << "12.5"
                             << "the number of ribs must be a whole number, not 12.5"
                             << "12";
  }
  void typedCommaIsRefusedInWords() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, words);
    QFETCH(QString, mended);
    TemplateWindow window({0.4, 4, DishSizeUnit::Feet, 2304});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *box = named<QLineEdit>(window, field);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QLabel *message = named<QLabel>(window, "Problem with the inputs");
    const QString shown = "T" + words.mid(1) + "."; // "the ..." begins the line
    QCOMPARE(window.problem(), words);
    QCOMPARE(message->text(), shown);
    QCOMPARE(window.pageCount(), 0);
    QVERIFY(!button(window, "Save &PDF...")->isEnabled());
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
    QCOMPARE(box->text(), typed);
    QCOMPARE(message->text(), shown);
    // Mended with a point, the field makes the template again.
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, mended);
    QCOMPARE(window.problem(), QString());
    QVERIFY(window.pageCount() > 0);
  }

  // Inputs kept in a design file or between runs while the fields were spin
  // boxes read back as the same numbers: "0.4500" as 0.45, and the blank
  // frequency the box kept as its words "not given" as blank. 1.2 m at f/D 0.45:
  // f = 540 mm, depth 600^2 / (4 x 540) = 166.667 mm.
  void inputsKeptFromSpinBoxesReadBack() {
    TemplateWindow window({0.4, 4, DishSizeUnit::Feet, 2304});
    restoreToolInputs(&window, {{"unit", 1},
                                {"fd", "0.4500"},
                                {"diameter", "1.2000"},
                                {"frequencyMHz", "not given"},
                                {"kind", 0},
                                {"count", "12"},
                                {"hub", "0.000"},
                                {"paper", 2}});
    QCOMPARE(window.problem(), QString());
    QCOMPARE(named<QLineEdit>(window, "Focal length")->text(), QString("540.000 mm"));
    QCOMPARE(named<QLineEdit>(window, "Depth")->text(), QString("166.667 mm"));
    QCOMPARE(named<QLineEdit>(window, "Frequency, MHz")->text(), QString());
    QCOMPARE(saveToolInputs(&window).value("fd").toString(), QString("0.4500"));
  }

  // Typed with a point, the hub is the number typed: the rib of a 4 ft dish at
  // f/D 0.4 (f = 19.2 in) from r = 2.5 in to the rim at 24 in is
  // [r/2 sqrt(1 + (r/2f)^2) + f asinh(r/2f)] from 2.5 to 24 = 22.9800 in long.
  void hubTypedWithAPoint() {
    TemplateWindow window({0.4, 4, DishSizeUnit::Feet, 0});
    auto *hub = named<QLineEdit>(window, "Hub radius");
    hub->selectAll();
    QTest::keyClicks(hub, "2.5");
    QCOMPARE(named<QLineEdit>(window, "Rib length")->text(), QString("22.9800 in"));
  }

  // Save DXF writes numbers with a point whatever the locale the program runs in.
  // Meaningful under a decimal-comma locale: tests/cli/template_locale_check.sh
  // runs this case under one.
  void dxfIsTheSameInEveryLocale() {
    QTemporaryDir dir;
    TemplateWindow window({0.4, 1.2, DishSizeUnit::Metres, 2304});
    QVERIFY(window.saveDxf(dir.filePath("here.dxf")));
    const std::string here = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const bool saved = window.saveDxf(dir.filePath("c.dxf"));
    std::setlocale(LC_ALL, here.c_str());
    QVERIFY(saved);
    QFile a(dir.filePath("here.dxf")), b(dir.filePath("c.dxf"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
  }

  void goresForTheFrequencyAndANote() {
    // 4 ft at f/D 0.4 is 7.5 in deep; at 2304 MHz lambda/16 is 0.320 in, which
    // 16 gores keep within (7.5 sin^2(pi/16) = 0.285 in) and 8 do not (1.098 in).
    TemplateWindow window({0.4, 4, DishSizeUnit::Feet, 2304});
    named<QComboBox>(window, "Template kind")->setCurrentIndex(1);
    named<QLineEdit>(window, "Number of ribs or gores")->setText("8");
    QCOMPARE(named<QLineEdit>(window, "Gores for lambda/16")->text(), QString("16"));
    QLabel *notes = named<QLabel>(window, "Notes");
    QVERIFY(notes->text().contains("8 gores leave 1.09835 INCHES of flat-gore error"));
    named<QLineEdit>(window, "Number of ribs or gores")->setText("16");
    QVERIFY(notes->text().isEmpty());
    named<QLineEdit>(window, "f/D")->setText("0.1");
    QVERIFY(notes->text().contains("deeper than dishes are built"));
  }
};

QTEST_MAIN(TemplateWindowTest)
#include "template_window_test.moc"
