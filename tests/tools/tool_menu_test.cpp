#include "../screens/screen_fixture.h"
#include "screens/screen_style.h"
#include "tools/can_check/can_check_window.h"
#include "tools/feed/feed_window.h"
#include "tools/measure/measure_window.h"
#include "tools/measure/prime_focus_page.h"
#include "tools/measure/surface_page.h"
#include "tools/menu/builder_tools.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"
#include "tools/sun/sun_predict_page.h"
#include "tools/sun/sun_window.h"
#include "tools/templates/template_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace dishwright {
using test::Program;

namespace {

// A tool window that remembers the design it was opened with.
struct Opened {
  std::vector<DesignSeed> seeds;
};

QStringList entries(QWidget *window) {
  QStringList texts;
  std::unique_ptr<QMenu> m(ToolMenu::menuFor(window, nullptr));
  for (QAction *a : m->actions())
    texts << a->text();
  return texts;
}

// The tool window of that type the menu opened, if any.
template <class Window> Window *findTop() {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (auto *found = qobject_cast<Window *>(w))
      return found;
  return nullptr;
}

} // namespace

class ToolMenuTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  void everyScreenOffersTheTools_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("profile");
    QTest::addColumn<bool>("metric");
    QTest::newRow("input") << int(ScreenId::Input) << false << true;
    QTest::newRow("imperial") << int(ScreenId::ImperialCalculation) << true << false;
    QTest::newRow("metric") << int(ScreenId::MetricCalculation) << true << true;
    QTest::newRow("coffee can") << int(ScreenId::CoffeeCan) << false << true;
    QTest::newRow("imperial print") << int(ScreenId::ImperialPrint) << true << false;
    QTest::newRow("metric print") << int(ScreenId::MetricPrint) << true << true;
    QTest::newRow("web link") << int(ScreenId::WebLink) << false << true;
  }
  void everyScreenOffersTheTools() {
    QFETCH(int, screen);
    QFETCH(bool, profile);
    QFETCH(bool, metric);
    Program p;
    Opened opened;
    ToolMenu menu(*p.screens);
    QStringList expected;
    for (ToolRow row : toolTable()) { // each remembers the design, makes no window
      row.make = [&opened](const DesignSeed &seed) {
        opened.seeds.push_back(seed);
        return nullptr;
      };
      menu.addTool(row);
      expected << row.menuText;
    }
    p.close(ScreenId::Input); // loaded again below, now with the menu
    p.screens->openScreen(ScreenId::Input);
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, "Command1");
    p.click(ScreenId::Input, "Command2"); // the metric screen is the last one loaded
    for (ScreenId id :
         {ScreenId::CoffeeCan, ScreenId::ImperialPrint, ScreenId::MetricPrint, ScreenId::WebLink})
      p.screens->openScreen(id);
    QWidget *window = p.screen(ScreenId(screen))->window();
    if (profile)
      expected << "Copy profile"
               << "Save profile as CSV...";
    QCOMPARE(entries(window), expected);

    window->activateWindow(); // shortcuts work in the active window
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (const ToolRow &row : toolTable())
      QTest::keySequence(window, row.shortcut);
    QCOMPARE(opened.seeds.size(), toolTable().size());
    for (const DesignSeed &seed : opened.seeds) {
      QCOMPARE(seed.fd, double(0.4f));
      QCOMPARE(seed.diameter, double(1.2f));
      QCOMPARE(seed.frequencyMHz, 2304.0);
      QCOMPARE(isMetric(seed.unit), metric);
    }
  }

  // Each tool's key opens its window, titled as the table says.
  void builderToolsOpenAndAMeasuredFdComesBack() {
    Program p;
    ToolMenu menu(*p.screens);
    addBuilderTools(menu, *p.screens);
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, "Command2");
    QWidget *window = p.screen(ScreenId::MetricCalculation)->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (const ToolRow &row : toolTable()) {
      QTest::keySequence(window, row.shortcut);
      QTRY_VERIFY(QApplication::activeWindow() != window);
      QCOMPARE(QApplication::activeWindow()->windowTitle(), row.title);
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QTRY_VERIFY(findTop<MeasureWindow>() && findTop<TemplateWindow>() &&
                findTop<CanCheckWindow>() && findTop<FeedWindow>() && findTop<SunWindow>());
    QCOMPARE(findTop<FeedWindow>()->fdField()->text(), QString("0.4"));
    // A gain worked out in the feed window goes to the sun window's prediction.
    SunWindow *sun = findTop<SunWindow>();
    QVERIFY(sun->predictPage()->gainSource()->text().contains("rule of thumb"));
    findTop<FeedWindow>()->exponentField()->setText("4");
    QCOMPARE(sun->predictPage()->gainSource()->text(),
             QString("From the Feed and efficiency window."));
    // The tools' shortcuts work inside a tool's window too.
    findTop<CanCheckWindow>()->close();
    QWidget *measure = findTop<MeasureWindow>();
    measure->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(measure));
    QCOMPARE(measure->focusWidget(), findTop<MeasureWindow>()->primeFocusPage()->diameterField());
    QTest::keySequence(measure, toolTable().at(2).shortcut);
    QTRY_VERIFY(findTop<CanCheckWindow>());
    emit findTop<MeasureWindow>()->fdChosen(0.45);
    QCOMPARE(p.text(ScreenId::Input, "Text6"), "0.4500");
    findTop<MeasureWindow>()->close(); // each deletes itself on closing
    findTop<TemplateWindow>()->close();
    findTop<CanCheckWindow>()->close();
    findTop<SunWindow>()->close();
    findTop<FeedWindow>()->close();
  }

  void quittingAsksWhilePointsAreEntered_data() {
    QTest::addColumn<QString>("pasted"); // "r z" lines put into a measure window
    QTest::addColumn<bool>("typed");     // and one point typed
    QTest::addColumn<QString>("how");    // EXIT, the close box of the last screen, or Ctrl+Q
    QTest::addColumn<bool>("quit");      // the answer
    QTest::addColumn<QString>("question");
    const QString twelve = QString("100 5\n").repeated(12);
    const QString ask12 = "Quit and discard the 12 measured points?";
    const QString ask1 = "Quit and discard the 1 measured point?";
    QTest::newRow("EXIT, 12 pasted, Cancel") << twelve << false << "EXIT" << false << ask12;
    QTest::newRow("EXIT, 12 pasted, Quit") << twelve << false << "EXIT" << true << ask12;
    QTest::newRow("last close, 1 typed, Cancel") << "" << true << "close" << false << ask1;
    QTest::newRow("last close, 1 typed, Quit") << "" << true << "close" << true << ask1;
    QTest::newRow("Ctrl+Q, 12 pasted, Cancel") << twelve << false << "Ctrl+Q" << false << ask12;
    QTest::newRow("Ctrl+Q, 1 typed, Quit") << "" << true << "Ctrl+Q" << true << ask1;
    QTest::newRow("EXIT, only the design") << "" << false << "EXIT" << false << "";
    QTest::newRow("last close, only the design") << "" << false << "close" << false << "";
    QTest::newRow("Ctrl+Q, only the design") << "" << false << "Ctrl+Q" << false << "";
  }
  void quittingAsksWhilePointsAreEntered() {
    QFETCH(QString, pasted);
    QFETCH(bool, typed);
    QFETCH(QString, how);
    const bool byExit = how != "close"; // Ctrl+Q ends the program as EXIT does
    QFETCH(bool, quit);
    QFETCH(QString, question);
    Program p;
    ToolMenu menu(*p.screens);
    QStringList asked;
    QList<QWidget *> over;
    addBuilderTools(menu, *p.screens, [&](QWidget *window, const QString &text) {
      asked << text;
      over << window;
      return quit;
    });
    p.inputs("0.4", "1.2", "2304");
    p.click(ScreenId::Input, "Command1");
    QPointer<QWidget> screen = p.screen(ScreenId::ImperialCalculation)->window();
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::keySequence(screen, toolTable().at(1).shortcut);
    QTRY_VERIFY(findTop<MeasureWindow>());
    std::unique_ptr<MeasureWindow> measure(findTop<MeasureWindow>());
    int closeAsked = 0;
    measure->setCloseQuestion([&closeAsked](QWidget *, const QString &) {
      ++closeAsked;
      return false;
    });
    if (!pasted.isEmpty())
      measure->surfacePage()->pastePoints(pasted);
    QAbstractItemModel *table = measure->surfacePage()->table()->model();
    if (typed) {
      table->setData(table->index(0, 0), "100");
      table->setData(table->index(0, 1), "5");
    }
    if (!byExit)
      p.close(ScreenId::Input);     // the calculation screen is left, the last one
    QCOMPARE(asked, QStringList()); // not while a screen stays open

    QWidget *acted = screen; // Ctrl+Q is pressed in the measure window
    if (how == "EXIT") {
      p.click(ScreenId::ImperialCalculation, "Command4");
    } else if (how == "close") {
      p.close(ScreenId::ImperialCalculation);
    } else {
      acted = measure.get();
      acted->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(acted));
      QTest::keySequence(acted, QKeySequence("Ctrl+Q"));
    }
    const bool asking = !question.isEmpty();
    QCOMPARE(asked, asking ? QStringList{question} : QStringList());
    if (asking)
      QCOMPARE(over.front(), acted);
    const bool goesOn = asking && !quit;
    QCOMPARE(p.exits, goesOn ? 0 : 1);
    QCOMPARE(p.loaded(ScreenId::ImperialCalculation), goesOn);
    QCOMPARE(p.loaded(ScreenId::Input), goesOn && byExit);
    QCOMPARE(screen && screen->isVisible(), goesOn);
    QCOMPARE(measure->enteredPointCount(), std::size_t(asking ? (typed ? 1 : 12) : 0));
    // The windows the program closes as it ends do not ask again; kept, they do.
    QCOMPARE(measure->close(), !goesOn);
    QCOMPARE(closeAsked, goesOn ? 1 : 0);
  }

  // A tool has one window: asked for again it comes to the front; asked from
  // another design it is made anew on that design while the user has changed
  // nothing in it, and otherwise keeps what the user did.
  void askingAgainBringsTheWindowBack_data() {
    QTest::addColumn<int>("tool");     // its row in the table
    QTest::addColumn<QString>("edit"); // what the user does in the window first
    QTest::addColumn<QString>("fd");   // typed on the input screen before asking again
    QTest::addColumn<bool>("anew");    // made anew on the design asked for
    QTest::newRow("templates, same design") << 0 << ""
                                            << "0.4" << false;
    QTest::newRow("templates, another design") << 0 << ""
                                               << "0.5" << true;
    QTest::newRow("templates, a number typed") << 0 << "type"
                                               << "0.5" << false;
    QTest::newRow("measure, points pasted") << 1 << "paste"
                                            << "0.5" << false;
    QTest::newRow("can, a size typed") << 2 << "type"
                                       << "0.5" << false;
    QTest::newRow("feed, a model chosen") << 3 << "choose"
                                          << "0.5" << false;
    QTest::newRow("sun, another design") << 4 << ""
                                         << "0.5" << true;
  }
  void askingAgainBringsTheWindowBack() {
    QFETCH(int, tool);
    QFETCH(QString, edit);
    QFETCH(QString, fd);
    QFETCH(bool, anew);
    Program p;
    ToolMenu menu(*p.screens);
    std::vector<DesignSeed> made;
    for (ToolRow row : toolTable()) {
      row.make = [&made, make = row.make](const DesignSeed &seed) {
        made.push_back(seed);
        return make(seed);
      };
      menu.addTool(row);
    }
    p.close(ScreenId::Input); // loaded again, now with the menu
    p.screens->openScreen(ScreenId::Input);
    p.inputs("0.4", "1.2", "2304");
    QWidget *screen = p.screen(ScreenId::Input)->window();
    const QKeySequence key = toolTable().at(tool).shortcut;
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::keySequence(screen, key);
    QTRY_VERIFY(QApplication::activeWindow() != screen);
    QPointer<QWidget> first = QApplication::activeWindow();
    if (edit == "paste") {
      auto *measure = qobject_cast<MeasureWindow *>(first.data());
      measure->surfacePage()->pastePoints("100 5\n");
      measure->setCloseQuestion([](QWidget *, const QString &) { return true; }); // at the end
    } else if (edit == "type") {
      QTest::keyClicks(first->findChild<QLineEdit *>(), "3");
    } else if (edit == "choose") {
      QTest::keyClick(first->findChild<QComboBox *>(), Qt::Key_Down);
    }
    p.type("Text6", fd);
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::keySequence(screen, key);
    QTRY_VERIFY(QApplication::activeWindow() != screen);
    QCOMPARE(made.size(), std::size_t(anew ? 2 : 1));
    QCOMPARE(made.back().fd, double((anew ? fd : QString("0.4")).toFloat()));
    QCOMPARE(QApplication::activeWindow() == first, !anew);
    QTRY_COMPARE(first.isNull(), anew); // the one it replaces is gone
    QApplication::activeWindow()->close();
  }

  void profileGoesToClipboardAndCsv() {
    Program p;
    ToolMenu menu(*p.screens);
    QTemporaryDir dir;
    QString csv = dir.filePath("profile.csv");
    menu.setFileChooser([&csv](QWidget *, const QString &) { return csv; });
    p.inputs("0.4", "4", "2304");
    p.click(ScreenId::Input, "Command1");
    QWidget *window = p.screen(ScreenId::ImperialCalculation)->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 25);
    QCOMPARE(lines.front(), "X (inches)\tY (inches)");
    QCOMPARE(lines.back(), "24\t7.5");
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QCOMPARE(rows.at(0), "x_inches,y_inches");
    QCOMPARE(rows.at(1), "1,0.013");
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::ToolMenuTest)
#include "tool_menu_test.moc"
