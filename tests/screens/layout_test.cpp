#include "screens/screen_style.h"
#include "tests/screens/screen_fixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

namespace dishwright {
using test::Program;

namespace {

// A program with every screen loaded from a design that opens them all.
Program &everyScreen() {
  static Program *p = [] {
    auto *program = new Program;
    program->openEveryScreen();
    return program;
  }();
  return *p;
}

// The Tab key's cycle: the controls that take focus from Tab, in chain order.
QStringList tabCycle(QWidget *first) {
  QStringList names{first->objectName()};
  for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
        w->window() == first->window())
      names << w->objectName();
  return names;
}

// Shows a screen by its buttons without touching it afterwards, so that its focus
// is where the load left it.
void openFresh(Program &p, ScreenId id) {
  const bool metric = id == ScreenId::MetricCalculation || id == ScreenId::MetricPrint;
  if (id == ScreenId::Input)
    return;
  p.click(ScreenId::Input, metric ? "Command2" : "Command1");
  const ScreenId calc = metric ? ScreenId::MetricCalculation : ScreenId::ImperialCalculation;
  if (id == ScreenId::CoffeeCan)
    p.click(calc, "Command2");
  else if (id == ScreenId::ImperialPrint || id == ScreenId::MetricPrint)
    p.click(calc, "Command5");
}

} // namespace

class LayoutTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  void tabOrderAndFirstFocus_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("cycle");
    // The input screen starts in the f/D field, the photograph last in its cycle.
    QTest::newRow("Form1") << int(ScreenId::Input)
                           << QStringList{"Text6",    "Text8",    "Text10",
                                          "Command1", "Command2", "Picture1"};
    QTest::newRow("Form2") << int(ScreenId::ImperialCalculation)
                           << QStringList{"Picture1", "Text30",   "Text33",   "Text36",
                                          "Text39",   "Command1", "Command3", "Command4",
                                          "List1",    "Text53",   "Command2", "Command5"};
    QTest::newRow("Form3") << int(ScreenId::MetricCalculation)
                           << QStringList{"Text53",   "List2",    "Command4", "Command3",
                                          "Command1", "Text39",   "Text36",   "Text33",
                                          "Text30",   "Picture1", "Command2", "Command5"};
    QTest::newRow("Form4") << int(ScreenId::CoffeeCan)
                           << QStringList{"Text2",  "Text4",  "Text7",  "Text8",
                                          "Text12", "Text14", "Text16", "Text17",
                                          "Text20", "Text22", "Text24", "Picture1"};
    QTest::newRow("Form5") << int(ScreenId::ImperialPrint)
                           << QStringList{"List1", "Command1", "Command2"};
    QTest::newRow("Form6") << int(ScreenId::MetricPrint)
                           << QStringList{"List1", "Command1", "Command2"};
  }
  void tabOrderAndFirstFocus() {
    QFETCH(int, screen);
    QFETCH(QStringList, cycle);
    Program p;
    p.inputs("0.4", "1.2", "2304");
    openFresh(p, ScreenId(screen));
    QWidget *focus = p.screen(ScreenId(screen))->window()->focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), cycle.front());
    QCOMPARE(tabCycle(focus), cycle);
  }

  void webLabelsNeverTakeFocus() {
    QWidget *window = everyScreen().screen(ScreenId::WebLink)->window();
    for (QWidget *w : window->findChildren<QWidget *>())
      QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    QVERIFY(!window->focusWidget());
  }

  void controlsSitAtTheirTwips_data() {
    QTest::addColumn<int>("screen");
    for (int id = 0; id < int(kScreenCount); ++id)
      QTest::newRow(qPrintable(QString("screen %1").arg(id))) << id;
  }
  void controlsSitAtTheirTwips() {
    QFETCH(int, screen);
    const Screen *s = everyScreen().screen(ScreenId(screen));
    const WindowSpec &w = s->windowSpec();
    QVERIFY(w.clientWidth % 15 == 0 && w.clientHeight % 15 == 0);
    // The client area is the table's size, under the menu bar; the window is as
    // much taller as the bar is high.
    QCOMPARE(s->clientArea()->size(), QSize(w.clientWidth / 15, w.clientHeight / 15));
    const int bar = s->menuBar()->height();
    QVERIFY(bar >= QFontMetrics(s->menuBar()->font()).height());
    QCOMPARE(s->clientArea()->mapTo(s->window(), QPoint(0, 0)), QPoint(0, bar));
    QCOMPARE(s->window()->size(), QSize(w.clientWidth / 15, w.clientHeight / 15 + bar));
    for (const ControlSpec &c : s->controlSpecs()) {
      for (int twips : {c.left, c.top, c.width, c.height})
        QVERIFY2(twips % 15 == 0, c.name);
      QWidget *control = s->control(c.name);
      QCOMPARE(control->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
      // A figure too wide for its field is drawn smaller (desktop_test checks how).
      const int size = QFontInfo(control->font()).pixelSize();
      if (c.field != Field::None && ScreenId(screen) != ScreenId::Input)
        QVERIFY2(size <= c.font.pixelSize, c.name);
      else
        QCOMPARE(size, c.font.pixelSize);
      QCOMPARE(QFontInfo(control->font()).bold(), c.font.bold);
    }
  }

  // A few controls per screen at positions written out here in pixels (twips / 15),
  // so that a wrong entry in a screen's table cannot pass for right.
  void controlsAtWrittenPositions_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    const auto row = [](const char *name, ScreenId id, const char *control, QRect at) {
      QTest::newRow(name) << int(id) << QString(control) << at;
    };
    row("input f/D", ScreenId::Input, "Text6", {40, 368, 49, 25});
    row("input FEET", ScreenId::Input, "Command1", {424, 376, 65, 49});
    row("imperial WEBSITE", ScreenId::ImperialCalculation, "Command1", {512, 240, 81, 33});
    row("metric WEBSITE", ScreenId::MetricCalculation, "Command1", {504, 232, 81, 33});
    row("can length caption", ScreenId::CoffeeCan, "Text6", {8, 72, 209, 35});
    row("imperial print list", ScreenId::ImperialPrint, "List1", {8, 8, 593, 368});
    row("imperial Print", ScreenId::ImperialPrint, "Command2", {184, 392, 81, 25});
    row("metric PRINT", ScreenId::MetricPrint, "Command1", {184, 416, 97, 17});
    row("metric EXIT", ScreenId::MetricPrint, "Command2", {336, 416, 89, 17});
    row("web link", ScreenId::WebLink, "lblWebPage", {35, 89, 147, 17});
  }
  void controlsAtWrittenPositions() {
    QFETCH(int, screen);
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    QCOMPARE(everyScreen().screen(ScreenId(screen))->control(control)->geometry(), pixels);
  }

  void webScreenIsFixed() {
    QWidget *window = everyScreen().screen(ScreenId::WebLink)->window();
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->geometry().topLeft(), QPoint(2130 / 15, 1695 / 15));
  }

  void inputScreenTextsBreakAtTheirLines() {
    const Screen *s = everyScreen().screen(ScreenId::Input);
    QString about = s->text("Text2");
    QCOMPARE(about.count('\n'), 8);
    QVERIFY(about.contains("like 1\" \nby 1\"  softwood"));
    QVERIFY(about.contains("bend into  the \n"));
    QVERIFY(s->text("Text3").contains("mounted.  Unless"));
    QCOMPARE(s->text("Text4"),
             "For transmitting dishes, the best focal length to diameter ratio is.5 or more\n");
    QCOMPARE(s->text("Text1"), "PARABOLIC DESIGN by TREMIK");
  }

  void calculationCaptionsKeepTheirSpaces() {
    const Screen *s = everyScreen().screen(ScreenId::ImperialCalculation);
    QCOMPARE(s->text("Text29"), "FOR A  DIAMETER OF");
    QCOMPARE(s->text("Text2"), "HALF POWER BEAMWIDTH IS ");
    QCOMPARE(s->text("Text35"), "THE MAXIMUM MESH SIZE SHOULD BE");
    QCOMPARE(s->text("Command5"), "Print X, Y");
    QCOMPARE(everyScreen().screen(ScreenId::MetricCalculation)->text("Command5"), "PRINT X,Y");
  }

  void windowTitles() {
    const QStringList titles{"DISHWRIGHT", "Calculation", "METRIC",       "WAVE GUIDE",
                             "Form5",      "Form6",       "Web Page Link"};
    for (int id = 0; id < int(kScreenCount); ++id)
      QCOMPARE(everyScreen().screen(ScreenId(id))->window()->windowTitle(), titles[id]);
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::LayoutTest)
#include "layout_test.moc"
