// What a screen reader and a keyboard-only user meet: every control that takes
// the focus has a name that says what it is (not the value it shows), and no two
// mnemonics of one window clash. The seven screens and every tool window.
#include "app/translations.h"
#include "screens/screen_style.h"
#include "tests/screens/screen_fixture.h"
#include "tools/help/help_window.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace dishwright {
namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

const DesignSeed kSeed{0.4, 1.2, DishSizeUnit::Metres, 2304};

// Controls a user tabs to; the parts of composite widgets (a combo box's list,
// a table's scroll bars, a tab bar's buttons) speak through their owner.
bool isTabStop(const QWidget *w) {
  if (!(w->focusPolicy() & Qt::TabFocus) || qobject_cast<const QScrollBar *>(w) ||
      qobject_cast<const QTabBar *>(w->parentWidget()) || qobject_cast<const QTabBar *>(w))
    return false;
  for (const QWidget *up = w->parentWidget(); up; up = up->parentWidget())
    if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractItemView *>(up) ||
        qobject_cast<const QAbstractSpinBox *>(up))
      return false;
  return true;
}

// The letter after a single '&', lower case; none for "&&" or no mnemonic.
QChar mnemonic(const QString &text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&')
      continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// Where a mnemonic works: the page of a tab widget it lies on, else the window.
const QWidget *scopeOf(const QWidget *w) {
  for (const QWidget *up = w; up && up->parentWidget(); up = up->parentWidget())
    if (qobject_cast<const QStackedWidget *>(up->parentWidget()) &&
        qobject_cast<const QTabWidget *>(up->parentWidget()->parentWidget()))
      return up;
  return w->window();
}

QStringList problems(QWidget *window) {
  QStringList found;
  QHash<QChar, QList<const QWidget *>> letters;
  for (QWidget *w : window->findChildren<QWidget *>()) {
    if (w->window() != window)
      continue; // a pop-up list
    if (isTabStop(w)) {
      QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
      const QString name = face ? face->text(QAccessible::Name) : QString();
      const auto *combo = qobject_cast<QComboBox *>(w);
      if (name.trimmed().isEmpty() || (combo && name == combo->currentText()))
        found << QString("%1 %2 is named \"%3\"")
                     .arg(w->metaObject()->className(), w->objectName(), name);
    }
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(w))
      text = button->text();
    else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
      text = label->text();
    else if (auto *box = qobject_cast<QGroupBox *>(w))
      text = box->title();
    if (const QChar letter = mnemonic(text); !letter.isNull())
      letters[letter] << w;
    if (auto *bar = qobject_cast<QMenuBar *>(w)) // its menus' titles work everywhere
      for (QAction *title : bar->actions())
        if (const QChar letter = mnemonic(title->text()); !letter.isNull())
          letters[letter] << bar;
  }
  for (auto tabs : window->findChildren<QTabWidget *>())
    for (int i = 0; i < tabs->count(); ++i)
      if (const QChar letter = mnemonic(tabs->tabText(i)); !letter.isNull())
        letters[letter] << tabs;
  for (auto it = letters.begin(); it != letters.end(); ++it)
    for (int i = 0; i < it.value().size(); ++i)
      for (int j = i + 1; j < it.value().size(); ++j) {
        const QWidget *a = scopeOf(it.value()[i]), *b = scopeOf(it.value()[j]);
        if (a == b || a == window || b == window)
          found << QString("Alt+%1 twice").arg(it.key().toUpper());
      }
  found.removeDuplicates();
  return found;
}

} // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

private slots:
  // DISHWRIGHT_TEST_LANGUAGE=de checks the windows as a German user has them.
  void initTestCase() {
    useScreenStyle();
    if (const QString language = qEnvironmentVariable("DISHWRIGHT_TEST_LANGUAGE");
        !language.isEmpty())
      installTranslations(*qApp, QLocale(language));
  }

  // Each with its menu bar, as the program shows it; and the manual.
  void toolWindows_data() {
    QTest::addColumn<WindowMaker>("make");
    static ScreenSet screens;
    static ToolMenu menu(screens);
    for (const ToolRow &row : toolTable())
      QTest::newRow(qPrintable(row.title)) << WindowMaker([&row] {
        std::unique_ptr<QWidget> window(row.open(kSeed));
        menu.equip(window.get(), kSeed, row.helpSection);
        return window;
      });
    QTest::newRow("manual") << WindowMaker([] { return std::make_unique<HelpWindow>(); });
  }
  void toolWindows() {
    QFETCH(WindowMaker, make);
    const std::unique_ptr<QWidget> window = make();
    const QStringList found = problems(window.get());
    QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
  }

  // The tools' entries, in the screens' menus and a Tools menu: each has a
  // mnemonic of its own.
  void toolEntries() {
    QList<QChar> letters;
    for (const ToolRow &row : toolTable()) {
      const QChar letter = mnemonic(row.menuText);
      QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(row.menuText));
      letters << letter;
    }
  }

  void screens_data() {
    QTest::addColumn<int>("screen");
    const char *names[] = {"input",          "imperial",     "metric",  "coffee can",
                           "imperial print", "metric print", "web link"};
    for (int id = 0; id < int(kScreenCount); ++id)
      QTest::newRow(names[id]) << id;
  }
  void screens() {
    QFETCH(int, screen);
    test::Program p;
    p.openEveryScreen();
    const QStringList found = problems(p.screen(ScreenId(screen))->window());
    QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
  }
};

} // namespace dishwright

QTEST_MAIN(dishwright::AccessibilityTest)
#include "accessibility_test.moc"
