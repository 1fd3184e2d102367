// The menu bar of every window: its three menus, the tools in the table's order,
// the design entries waiting for a receiver, one meaning per key, and the manual
// opened at the section of the window F1 was pressed in.
#include "../screens/screen_fixture.h"
#include "screens/screen_style.h"
#include "tools/help/about_box.h"
#include "tools/help/help_window.h"
#include "tools/menu/builder_tools.h"
#include "tools/menu/file_menu.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace dishwright {
using test::Program;

namespace {

// Every window the program has: the seven screens by their id, the tools by
// their row in the table (kToolBase + row).
constexpr int kToolBase = 100;

struct Windows {
  Program program;
  ToolMenu menu{*program.screens};
  Windows() {
    addBuilderTools(menu, *program.screens);
    program.close(ScreenId::Input); // loaded again, now with the menus
    program.screens->openScreen(ScreenId::Input);
    program.openEveryScreen();
  }
  // The window, its tool opened by its key from the input screen when needed.
  QWidget *window(int which) {
    if (which < kToolBase)
      return program.screen(ScreenId(which))->window();
    const ToolRow &row = toolTable().at(std::size_t(which - kToolBase));
    for (QWidget *w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->windowTitle() == row.title)
        return w;
    QWidget *input = program.screen(ScreenId::Input)->window();
    input->activateWindow();
    if (!QTest::qWaitForWindowActive(input))
      return nullptr;
    QTest::keySequence(input, row.shortcut);
    for (QWidget *w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->windowTitle() == row.title)
        return w;
    return nullptr;
  }
};

Windows &windows() {
  static auto *all = new Windows;
  return *all;
}

void everyWindowRows() {
  QTest::addColumn<int>("which");
  for (int id = 0; id < int(kScreenCount); ++id)
    QTest::newRow(qPrintable(QString("screen %1").arg(id))) << id;
  for (std::size_t row = 0; row < toolTable().size(); ++row)
    QTest::newRow(qPrintable(toolTable()[row].title)) << kToolBase + int(row);
}

QMenuBar *barOf(QWidget *window) {
  return window ? window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// The menu of that title, with or without its Alt+letter.
QMenu *menuTitled(QMenuBar *bar, const QString &title) {
  for (QAction *action : bar->actions())
    if (QString(action->text()).remove('&') == QString(title).remove('&'))
      return action->menu();
  return nullptr;
}

// Every key that does something in `window`: its actions and shortcuts, its
// menus' entries included, each as often as it is bound.
QList<QKeySequence> keysIn(QWidget *window) {
  QList<QKeySequence> keys;
  for (const QShortcut *shortcut : window->findChildren<QShortcut *>())
    keys << shortcut->keys();
  QList<QWidget *> widgets = window->findChildren<QWidget *>();
  widgets << window;
  QSet<QAction *> seen;
  for (const QWidget *w : widgets)
    for (QAction *action : w->actions())
      if (!seen.contains(action) && action->isEnabled()) {
        seen << action;
        keys << action->shortcuts();
      }
  return keys;
}

} // namespace

class MenuBarTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { useScreenStyle(); }

  // File, Tools and Help; the tools with their keys in the table's order; the
  // design entries disabled while nothing reads design files; Quit and the
  // manual with their keys.
  void everyWindowHasTheBar_data() { everyWindowRows(); }
  void everyWindowHasTheBar() {
    QFETCH(int, which);
    QMenuBar *bar = barOf(windows().window(which));
    QVERIFY(bar);
    QStringList titles;
    for (QAction *action : bar->actions())
      titles << action->text();
    // A tool window's own controls keep their Alt+letters (accessibility_test).
    if (which < kToolBase)
      QCOMPARE(titles, QStringList({"&File", "&Tools", "&Help"}));
    else
      QCOMPARE(titles.join(' ').remove('&'), "File Tools Help");
    const QList<QAction *> tools = menuTitled(bar, "&Tools")->actions();
    QVERIFY(tools.size() >= int(toolTable().size()));
    for (std::size_t i = 0; i < toolTable().size(); ++i) {
      QCOMPARE(tools[int(i)]->text(), toolTable()[i].menuText);
      QCOMPARE(tools[int(i)]->shortcut(), toolTable()[i].shortcut);
    }
    QStringList file;
    for (QAction *action : menuTitled(bar, "&File")->actions())
      if (!action->isSeparator())
        file << action->text() + (action->isEnabled() ? "" : " (off)") + " " +
                    action->shortcut().toString();
    const bool templates = which == kToolBase; // saves its PDF and SVG on these keys
    QCOMPARE(file, QStringList({"&Open design... (off) Ctrl+O", "&Recent designs (off) ",
                                templates ? "&Save design (off) " : "&Save design (off) Ctrl+S",
                                templates ? "Save design &as... (off) "
                                          : "Save design &as... (off) Ctrl+Shift+S",
                                "&Quit Ctrl+Q"}));
    const QList<QAction *> help = menuTitled(bar, "&Help")->actions();
    QCOMPARE(help.front()->text(), "&Manual");
    QCOMPARE(help.front()->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(help.back()->text(), "&About dishwright");
  }

  // No key does two things in a window, the design entries' keys once they are
  // enabled included: Qt would do neither.
  void noKeyIsBoundTwice_data() { everyWindowRows(); }
  void noKeyIsBoundTwice() {
    QFETCH(int, which);
    QWidget *window = windows().window(which);
    QVERIFY(window);
    FileMenu &file = windows().menu.fileMenu();
    const QList<QMetaObject::Connection> listening{
        connect(&file, &FileMenu::openDesignRequested, [] {}),
        connect(&file, &FileMenu::saveDesignRequested, [] {}),
        connect(&file, &FileMenu::saveDesignAsRequested, [] {})};
    const QList<QKeySequence> keys = keysIn(window);
    for (const auto &connection : listening)
      disconnect(connection);
    QVERIFY(keys.contains(QKeySequence(Qt::Key_F1)));
    for (const QKeySequence &key : keys)
      QVERIFY2(keys.count(key) == 1, qPrintable(key.toString()));
  }

  // The design entries wait for whatever reads and writes design files: once it
  // listens, they are enabled and say which window they were chosen in.
  void designEntriesReachTheirReceiver() {
    QWidget *window = windows().window(int(ScreenId::ImperialCalculation));
    FileMenu &file = windows().menu.fileMenu();
    QList<QWidget *> saved;
    QStringList opened;
    const auto save =
        connect(&file, &FileMenu::saveDesignRequested, [&saved](QWidget *over) { saved << over; });
    const auto recent = connect(&file, &FileMenu::recentDesignRequested,
                                [&opened](QWidget *, const QString &path) { opened << path; });
    file.setRecentDesigns({"/home/b/rib & hub.dish", "/home/b/old.dish"});
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, QKeySequence("Ctrl+S"));
    QCOMPARE(saved, QList<QWidget *>{window});
    QMenu *recentMenu = nullptr;
    for (QAction *action : menuTitled(barOf(window), "&File")->actions())
      if (action->menu())
        recentMenu = action->menu();
    QVERIFY(recentMenu && recentMenu->menuAction()->isEnabled());
    QCOMPARE(recentMenu->actions().size(), 2);
    QCOMPARE(recentMenu->actions().front()->text(), "&1 /home/b/rib && hub.dish");
    recentMenu->actions().back()->trigger();
    QCOMPARE(opened, QStringList{"/home/b/old.dish"});
    disconnect(save);
    disconnect(recent);
    QTRY_VERIFY(!recentMenu->menuAction()->isEnabled());
    file.setRecentDesigns({});
  }

  // F1 opens the manual at the section about the window it was pressed in: its
  // heading in view and chosen in the contents.
  void f1OpensTheManualAtTheWindowsSection_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("heading");
    QTest::newRow("input") << int(ScreenId::Input) << "The input screen";
    QTest::newRow("metric") << int(ScreenId::MetricCalculation) << "The calculation screens";
    QTest::newRow("print") << int(ScreenId::ImperialPrint) << "The print screens";
    QTest::newRow("web link") << int(ScreenId::WebLink) << "The web link";
    QTest::newRow("templates") << kToolBase << "Templates";
    QTest::newRow("sun") << kToolBase + 4 << "Check with the sun";
  }
  void f1OpensTheManualAtTheWindowsSection() {
    QFETCH(int, which);
    QFETCH(QString, heading);
    QWidget *window = windows().window(which);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    HelpWindow *manual = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
      if (w->isVisible() && qobject_cast<HelpWindow *>(w))
        manual = qobject_cast<HelpWindow *>(w);
    QVERIFY(manual);
    QCOMPARE(manual->contents()->currentItem()->text(), heading);
    QTextBrowser *browser = manual->browser();
    QTextBlock block = browser->document()->begin();
    while (block.isValid() && block.text() != heading)
      block = block.next();
    QVERIFY(block.isValid());
    const QRectF at = browser->document()->documentLayout()->blockBoundingRect(block);
    const int top = browser->verticalScrollBar()->value();
    QVERIFY2(at.top() >= top && at.bottom() <= top + browser->viewport()->height(),
             qPrintable(QString("heading at %1, view from %2").arg(at.top()).arg(top)));
    manual->close();
  }

  // About: the version of the build, the licence, the sources of the formulas
  // and of the feed table.
  void aboutSaysVersionLicenceAndSources() {
    QMessageBox *box = showAbout(windows().window(int(ScreenId::Input)));
    const QString text = box->text();
    box->close();
    for (const QString &part :
         {QString("dishwright " DISHWRIGHT_TEST_VERSION), QString("MIT"), QString("Kraus"),
          QString("Baars"), QString("VE4MA"), QString("G3PHO"), QString("Bessel")})
      QVERIFY2(text.contains(part), qPrintable(part));
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::MenuBarTest)
#include "menu_bar_test.moc"
