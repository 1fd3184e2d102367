// The tools' keys as a builder meets them on Linux: run on the xcb platform under
// Xvfb, whose text fields take X11's Emacs keys (Ctrl+U erases the line, Ctrl+E
// and Ctrl+K move and cut), which the offscreen platform lacks.
#include "../screens/screen_fixture.h"
#include "screens/screen_style.h"
#include "tools/feed/feed_window.h"
#include "tools/help/help_window.h"
#include "tools/measure/measure_window.h"
#include "tools/measure/surface_page.h"
#include "tools/menu/builder_tools.h"
#include "tools/menu/file_menu.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"
#include "tools/templates/template_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <QtGui/private/qkeysequence_p.h>
#include <QtGui/qpa/qplatformtheme_p.h>

#include <memory>

namespace dishwright {
using test::Program;

namespace {

const DesignSeed kSeed{0.4, 1.2, DishSizeUnit::Metres, 2304};

// Keys the input methods take before the program sees them: IBus's and GTK's
// Unicode entry, older IBus's emoji, fcitx's Chinese script switch.
const QKeySequence kInputMethodKeys[] = {QKeySequence(QStringLiteral("Ctrl+Shift+U")),
                                         QKeySequence(QStringLiteral("Ctrl+Shift+E")),
                                         QKeySequence(QStringLiteral("Ctrl+Shift+F"))};

// The visible top-level window of that title, if any.
QWidget *windowTitled(const QString &title) {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->windowTitle() == title)
      return w;
  return nullptr;
}

int windowsTitled(const QString &title) {
  int count = 0;
  for (QWidget *w : QApplication::topLevelWidgets())
    count += w->isVisible() && w->windowTitle() == title;
  return count;
}

// Closes them all, discarding points typed into a measure window without asking.
void closeToolWindows() {
  for (const ToolRow &row : toolTable())
    while (QWidget *w = windowTitled(row.title)) {
      if (auto *measure = qobject_cast<MeasureWindow *>(w))
        measure->setCloseQuestion([](QWidget *, const QString &) { return true; });
      w->close();
    }
}

// What a field or chooser shows.
QString shownText(const QWidget *w) {
  if (const auto *field = qobject_cast<const QLineEdit *>(w))
    return field->text();
  if (const auto *chooser = qobject_cast<const QComboBox *>(w))
    return chooser->currentText();
  return {};
}

// The keys a tool window answers itself.
QList<QKeySequence> ownKeys(QWidget *window) {
  QList<QKeySequence> keys;
  for (auto *shortcut : window->findChildren<QShortcut *>())
    keys << shortcut->keys();
  QList<QWidget *> widgets = window->findChildren<QWidget *>();
  widgets << window;
  for (QWidget *w : widgets)
    for (QAction *action : w->actions())
      keys << action->shortcuts();
  return keys;
}

// The program's tools on the input screen, loaded again to have them, with a
// design typed in: the window, made active.
QWidget *inputScreenWithTools(Program &p, ToolMenu &menu) {
  addBuilderTools(menu, *p.screens);
  p.close(ScreenId::Input);
  p.screens->openScreen(ScreenId::Input);
  p.inputs("0.4", "1.2", "2304");
  QWidget *screen = p.screen(ScreenId::Input)->window();
  screen->activateWindow();
  return QTest::qWaitForWindowActive(screen) ? screen : nullptr;
}

// The first control of type T a user can tab to in the tool windows, each opened
// by its key from `screen` until one has it.
template <class T> T *firstInTools(QWidget *screen) {
  for (const ToolRow &row : toolTable()) {
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen))
      return nullptr;
    QTest::keySequence(screen, row.shortcut);
    QWidget *window = windowTitled(row.title);
    for (T *found : window ? window->findChildren<T *>() : QList<T *>())
      if (found->isVisibleTo(window) && (found->focusPolicy() & Qt::TabFocus))
        return found;
  }
  return nullptr;
}

} // namespace

class ToolKeysTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    useScreenStyle();
  }
  void cleanup() { closeToolWindows(); }

  // Qt's table of standard keys for every platform (X11, KDE, GNOME, Windows and
  // macOS, where Ctrl is Command): what text fields, tables and other programs
  // do with a key. No tool key is among them, nor an input method's, nor a key a
  // tool window answers itself, and no two tools share one.
  void keysAreFreeEverywhere() {
    QList<QKeySequence> taken(std::begin(kInputMethodKeys), std::end(kInputMethodKeys));
    for (uint i = 0; i < QPlatformThemePrivate::numberOfKeyBindings; ++i)
      taken << QKeySequence(QPlatformThemePrivate::keyBindings[i].shortcut);
    QVERIFY(taken.contains(QKeySequence(QStringLiteral("Ctrl+U")))); // the table was read
    for (const ToolRow &row : toolTable()) {
      const std::unique_ptr<QWidget> window(row.open(kSeed));
      taken << ownKeys(window.get());
    }
    for (const ToolRow &row : toolTable()) {
      QVERIFY2(!taken.contains(row.shortcut), qPrintable(row.shortcut.toString()));
      taken << row.shortcut;
    }
  }

  // Each tool's key, pressed where the focus may be, opens its window (or brings
  // it forward) and leaves the field as it was: the f/D field the program starts
  // in, the measured points' table and an open cell of it, a tool window's number field, a chooser.
  void keysOpenToolsFromAnyField_data() {
    QTest::addColumn<QString>("where");
    for (const char *where : {"f/D field", "points table", "open cell", "tool field", "chooser"})
      QTest::newRow(where) << where;
  }
  void keysOpenToolsFromAnyField() {
    QFETCH(QString, where);
    Program p;
    ToolMenu menu(*p.screens);
    QWidget *screen = inputScreenWithTools(p, menu);
    QVERIFY(screen);
    QWidget *focus = p.screen(ScreenId::Input)->control("Text6");
    QTableView *table = nullptr;
    if (where == "points table" || where == "open cell") {
      QTest::keySequence(screen, toolTable().at(1).shortcut);
      auto *measure = qobject_cast<MeasureWindow *>(windowTitled(toolTable().at(1).title));
      QVERIFY(measure);
      measure->tabs()->setCurrentWidget(measure->surfacePage());
      focus = table = measure->surfacePage()->table();
      table->setCurrentIndex(table->model()->index(0, 1));
    } else if (where == "tool field") {
      focus = firstInTools<QLineEdit>(screen);
    } else if (where == "chooser") {
      focus = firstInTools<QComboBox>(screen);
    }
    QVERIFY(focus);
    QWidget *home = focus->window();
    for (const ToolRow &row : toolTable()) {
      home->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(home));
      focus->setFocus();
      if (where == "open cell") { // opened anew: leaving the window closes it
        table->edit(table->currentIndex());
        QVERIFY(QApplication::focusWidget() != table);
        QTest::keyClicks(QApplication::focusWidget(), "12.5");
      }
      QWidget *target = QApplication::focusWidget();
      auto *field = qobject_cast<QLineEdit *>(target);
      if (field)
        field->setCursorPosition(1);
      const QString text = shownText(target);
      QTest::keySequence(target, row.shortcut);
      QCOMPARE(shownText(target), text);
      if (field)
        QCOMPARE(field->cursorPosition(), 1);
      QTRY_VERIFY2(QApplication::activeWindow() &&
                       QApplication::activeWindow()->windowTitle() == row.title,
                   qPrintable(row.title));
      QCOMPARE(windowsTitled(row.title), 1);
    }
    if (table) // the open cell's text went into the table
      QCOMPARE(table->currentIndex().data().toString(), where == "open cell" ? "12.5" : "");
  }

  // The menu bar's keys from the f/D field the program starts in, which keeps its
  // text and cursor: the manual, the design entries (once something listens),
  // Quit, and Alt with a menu's letter.
  void menuKeysWorkFromTheFdField_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("does");
    QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "manual";
    QTest::newRow("Ctrl+O") << QKeySequence("Ctrl+O") << "open";
    QTest::newRow("Ctrl+S") << QKeySequence("Ctrl+S") << "save";
    QTest::newRow("Ctrl+Shift+S") << QKeySequence("Ctrl+Shift+S") << "save as";
    QTest::newRow("Ctrl+Q") << QKeySequence("Ctrl+Q") << "quit";
    QTest::newRow("Alt+H") << QKeySequence("Alt+H") << "&Help";
  }
  void menuKeysWorkFromTheFdField() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, does);
    Program p;
    ToolMenu menu(*p.screens);
    QWidget *screen = inputScreenWithTools(p, menu);
    QVERIFY(screen);
    QStringList done;
    FileMenu &file = menu.fileMenu();
    connect(&file, &FileMenu::openDesignRequested, &file,
            [&](QWidget *over) { done << (over == screen ? "open" : "open elsewhere"); });
    connect(&file, &FileMenu::saveDesignRequested, &file, [&](QWidget *) { done << "save"; });
    connect(&file, &FileMenu::saveDesignAsRequested, &file, [&](QWidget *) { done << "save as"; });
    auto *field = qobject_cast<QLineEdit *>(p.screen(ScreenId::Input)->control("Text6"));
    field->setFocus();
    field->setCursorPosition(1);
    const int exits = p.exits;
    QTest::keySequence(field, key);
    if (does == "manual") {
      QTRY_VERIFY(qobject_cast<HelpWindow *>(QApplication::activeWindow()));
      auto *manual = qobject_cast<HelpWindow *>(QApplication::activeWindow());
      QCOMPARE(manual->section(), "input");
      manual->close();
    } else if (does == "quit") {
      QCOMPARE(p.exits, exits + 1);
      QVERIFY(!p.loaded(ScreenId::Input));
      return;
    } else if (does.startsWith('&')) {
      QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
      QCOMPARE(qobject_cast<QMenu *>(QApplication::activePopupWidget())->title(), does);
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    } else {
      QCOMPARE(done, QStringList{does});
    }
    QCOMPARE(field->text(), "0.4");
    if (done == QStringList{does}) // a field left shows its start (desktop_test)
      QCOMPARE(field->cursorPosition(), 1);
  }

  // In a tool window, whose controls keep their Alt+letters, Alt alone goes
  // into the menu bar and Down opens its first menu.
  void altAloneOpensTheBarOfAToolWindow() {
    Program p;
    ToolMenu menu(*p.screens);
    QWidget *screen = inputScreenWithTools(p, menu);
    QVERIFY(screen);
    QTest::keySequence(screen, toolTable().front().shortcut);
    QWidget *window = windowTitled(toolTable().front().title);
    QVERIFY(window);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyPress(focus, Qt::Key_Alt);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QCOMPARE(qobject_cast<QMenu *>(QApplication::activePopupWidget())->title().remove('&'), "File");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  }

  // A held key sends the press again and again; the window opens once.
  void aHeldKeyOpensOnce() {
    Program p;
    ToolMenu menu(*p.screens);
    QWidget *screen = inputScreenWithTools(p, menu);
    QVERIFY(screen);
    for (const ToolRow &row : toolTable()) {
      QAction *action = nullptr;
      for (QAction *a : screen->actions())
        if (a->shortcut() == row.shortcut)
          action = a;
      QVERIFY(action);
      QSignalSpy opened(action, &QAction::triggered);
      const QKeyCombination key = row.shortcut[0];
      QTest::simulateEvent(screen, true, key.key(), key.keyboardModifiers(), {}, false);
      for (int repeat = 0; repeat < 24; ++repeat)
        QTest::simulateEvent(screen, true, key.key(), key.keyboardModifiers(), {}, true);
      QTest::simulateEvent(screen, false, key.key(), key.keyboardModifiers(), {}, false);
      QCOMPARE(opened.count(), 1);
      QCOMPARE(windowsTitled(row.title), 1);
      screen->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(screen));
    }
  }

  // Space on Undo until the steps run out keeps the focus on Undo, and the
  // presses after it do nothing; the same for Redo. Tab away greys it out.
  void undoAndRedoKeepTheFocus() {
    MeasureWindow window(kSeed);
    window.tabs()->setCurrentWidget(window.surfacePage());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    SurfacePage *page = window.surfacePage();
    page->pastePoints("0 1\n150 12.5\n");
    page->pastePoints("300 47.8\n");
    QUndoStack *steps = page->undoStack();
    QPushButton *undo = nullptr, *redo = nullptr;
    for (auto *b : page->findChildren<QPushButton *>()) {
      if (b->text() == "Un&do")
        undo = b;
      else if (b->text() == "R&edo")
        redo = b;
    }
    QVERIFY(undo && redo);
    struct Run {
      QPushButton *button;
      int index; // of the steps once it ran out
    };
    for (const Run &run : {Run{undo, 0}, Run{redo, 2}}) {
      run.button->setFocus();
      for (int press = 0; press < 4; ++press) // where the focus is
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      QCOMPARE(steps->index(), run.index);
      QCOMPARE(steps->count(), 2);
      QCOMPARE(QApplication::focusWidget(), run.button);
      QVERIFY(run.button->isEnabled());
      QTest::keyClick(run.button, run.button == undo ? Qt::Key_Tab : Qt::Key_Backtab);
      QCOMPARE(QApplication::focusWidget(), run.button == undo ? redo : undo);
      QVERIFY(!run.button->isEnabled());
    }
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::ToolKeysTest)
#include "tool_keys_test.moc"
