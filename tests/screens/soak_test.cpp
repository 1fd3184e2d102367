#include "screens/screen_style.h"
#include "tests/screens/screen_fixture.h"

#include "calc/screen_rules/coffee_can.h"
#include "calc/screen_rules/dish_figures.h"
#include "calc/screen_rules/input_step.h"
#include "calc/screen_rules/profile.h"
#include "screens/row_list_model.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <fstream>
#include <string>

namespace dishwright {
using test::Program;

namespace {

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory in quarantine, so resident memory grows by
// design; LeakSanitizer watches for leaks in that build instead.
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

// Resident memory now, in KiB.
long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0)
      return std::stol(line.substr(6));
  return 0;
}

// What the core alone writes for a design: the reference each screen must show.
struct Expected : FieldSink {
  std::map<Field, std::string> fields;
  std::vector<std::string> rows;
  void setText(Field f, std::string_view t) override { fields[f] = t; }
  void appendRow(std::string_view r) override { rows.emplace_back(r); }
};

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

int visibleWindows() {
  int n = 0;
  for (QWidget *w : QApplication::topLevelWidgets())
    n += w->isVisible();
  return n;
}

} // namespace

class SoakTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  void manyCyclesStayRightAndLean() {
    Program p;
    long warm = 0;
    const int cycles = 300;
    for (int i = 0; i < cycles; ++i) {
      const bool metric = i % 2 == 1;
      const QString fd = QString::number(0.25 + (i % 7) * 0.05);
      const QString dia = QString::number(metric ? 0.5 + (i % 11) * 0.1 : 2 + (i % 13));
      const QString freq = QString::number(1296 + (i % 5) * 1000);
      p.inputs(fd, dia, freq);
      DesignValues design;
      storeInputs(design, fd.toStdString(), dia.toStdString(), freq.toStdString());

      const ScreenId calc = metric ? ScreenId::MetricCalculation : ScreenId::ImperialCalculation;
      const ScreenId print = metric ? ScreenId::MetricPrint : ScreenId::ImperialPrint;
      p.click(ScreenId::Input, metric ? "Command2" : "Command1");
      p.click(calc, "Command2"); // coffee can
      p.click(calc, "Command5"); // print screen
      p.click(calc, "Command1"); // web link screen

      Expected figures, can, list;
      DesignValues d = design;
      metric ? loadMetricScreen(d, figures) : loadImperialScreen(d, figures);
      CoffeeCanValues values;
      loadCoffeeCan(design, values, can);
      d = design;
      metric ? listMetricPrint(d, list) : listImperialPrint(d, list);
      for (const auto &[field, text] : figures.fields)
        QCOMPARE(p.screen(calc)->text(field), QString::fromStdString(text));
      for (const auto &[field, text] : can.fields)
        QCOMPARE(p.screen(ScreenId::CoffeeCan)->text(field), QString::fromStdString(text));
      const RowListModel *rows = p.screen(print)->rows();
      QCOMPARE(rows->rowCount(), int(list.rows.size()));
      QCOMPARE(rows->rowText(rows->rowCount() - 1), QString::fromStdString(list.rows.back()));
      QCOMPARE(p.screen(calc)->rows()->rowCount(), int(figures.rows.size()));

      for (ScreenId id : {calc, ScreenId::CoffeeCan, print, ScreenId::WebLink})
        p.close(id);
      p.click(ScreenId::Input, metric ? "Command2" : "Command1");
      p.click(calc, "Command3"); // RETURN
      p.close(calc);
      settle();
      QCOMPARE(visibleWindows(), 1); // only the input screen is left
      QVERIFY(p.reports.isEmpty());
      if (i == 30)
        warm = residentKiB();
    }
    // The input screen is the one window left; its menu bar's pop-up menus are
    // windows of their own that go with it.
    const QWidget *input = p.screen(ScreenId::Input)->window();
    for (const QWidget *w : QApplication::topLevelWidgets())
      QVERIFY(w == input || qobject_cast<const QMenu *>(w));
    QCOMPARE(input->findChildren<QMenu *>().size(), QApplication::topLevelWidgets().size() - 1);
    const long growth = residentKiB() - warm;
    qInfo("resident memory after warm-up grew by %ld KiB over %d cycles", growth, cycles - 30);
    if (kMemoryIsMeasurable)
      QVERIFY2(growth < 8 * 1024, qPrintable(QString("grew by %1 KiB").arg(growth)));
    QCOMPARE(p.exits, 0);
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::SoakTest)
#include "soak_test.moc"
