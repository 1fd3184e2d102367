// The program in German: Qt's own buttons, the builder's tools and the menus
// speak it; the seven screens keep every English text they have.
#include "app/translations.h"
#include "screens/screen_style.h"
#include "screens/window_menu_bar.h"
#include "tests/screens/screen_fixture.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace dishwright {
namespace {

const DesignSeed kSeed{0.4, 1.2, DishSizeUnit::Metres, 2304};

// What a window shows and says below its menu bar: its title, every label and
// button, and the names and descriptions a screen reader reads.
QStringList textsOf(const QWidget *window) {
  QStringList texts{window->windowTitle()};
  for (const QWidget *w : window->findChildren<QWidget *>()) {
    if (qobject_cast<const QMenuBar *>(w) || qobject_cast<const QMenu *>(w))
      continue;
    if (const auto *label = qobject_cast<const QLabel *>(w))
      texts << label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
      texts << button->text();
    texts << w->accessibleName() << w->accessibleDescription();
  }
  return texts;
}

QList<QStringList> everyScreensTexts() {
  test::Program p;
  p.openEveryScreen();
  QList<QStringList> texts;
  for (int id = 0; id < int(kScreenCount); ++id)
    texts << textsOf(p.screen(ScreenId(id))->window());
  return texts;
}

QStringList titlesOf(const QMenuBar *bar) {
  QStringList titles;
  for (const QAction *title : bar->actions())
    titles << title->text().remove(QLatin1Char('&'));
  return titles;
}

} // namespace

class TranslationTest : public QObject {
  Q_OBJECT

private slots:
  // The screens as they are in English, then the German catalogues installed.
  void initTestCase() {
    useScreenStyle();
    english_ = everyScreensTexts();
    installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany));
  }

  // Qt's own catalogue: the standard buttons of every message box and dialog.
  void qtsOwnButtonsSpeakGerman() {
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove('&'), QString("Ja"));
    QCOMPARE(box.button(QDialogButtonBox::No)->text().remove('&'), QString("Nein"));
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Abbrechen"));
  }

  // The program's own: a tool window's title, menu bar and menus.
  void toolWindowSpeaksGerman() {
    ScreenSet screens;
    ToolMenu menu(screens);
    for (const ToolRow &row : toolTable())
      menu.addTool(row);
    const ToolRow &row = toolTable().at(1); // measuring a dish
    const std::unique_ptr<QWidget> window(row.open(kSeed));
    menu.equip(window.get(), kSeed, row.helpSection);
    QCOMPARE(window->windowTitle(), QString("Spiegel vermessen"));
    const auto *bar = window->findChild<QMenuBar *>();
    QVERIFY(bar);
    QCOMPARE(titlesOf(bar), QStringList({"Datei", "Werkzeuge", "Hilfe"}));
    QStringList tools;
    for (const QAction *entry : windowMenu(bar, WindowMenu::Tools)->actions())
      tools << entry->text().remove('&');
    QVERIFY2(tools.contains("Erreger und Wirkungsgrad..."), qPrintable(tools.join(", ")));
  }

  // Every text of the seven screens as it was in English; only the menu bar
  // above them (not counted here) is in German.
  void screensKeepTheirEnglishTexts() {
    QVERIFY(english_.value(0).contains("FEET"));
    const QList<QStringList> german = everyScreensTexts();
    QCOMPARE(german.size(), english_.size());
    for (int id = 0; id < german.size(); ++id)
      QCOMPARE(german[id], english_[id]);
    test::Program p;
    QCOMPARE(titlesOf(p.screen(ScreenId::Input)->window()->findChild<QMenuBar *>()),
             QStringList({"Datei", "Werkzeuge", "Hilfe"}));
  }

private:
  QList<QStringList> english_;
};

} // namespace dishwright

QTEST_MAIN(dishwright::TranslationTest)
#include "translation_test.moc"
