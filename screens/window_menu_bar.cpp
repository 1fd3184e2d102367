#include "screens/window_menu_bar.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QSet>
#include <QTabBar>

namespace dishwright {
namespace {

const char *objectNameOf(WindowMenu which) {
  switch (which) {
  case WindowMenu::File:
    return "fileMenu";
  case WindowMenu::Tools:
    return "toolsMenu";
  case WindowMenu::Help:
    return "helpMenu";
  }
  return "";
}

// The letter after a single '&', lower case; none for "&&" or no mnemonic.
QChar mnemonicOf(const QString &text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&'))
      continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// The Alt+letters the controls of `window` answer.
QSet<QChar> mnemonicsIn(const QWidget *window) {
  QSet<QChar> letters;
  for (const QWidget *w : window->findChildren<QWidget *>()) {
    if (w->window() != window)
      continue;
    QString text;
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
      text = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(w); label && label->buddy())
      text = label->text();
    else if (const auto *box = qobject_cast<const QGroupBox *>(w))
      text = box->title();
    else if (const auto *tabs = qobject_cast<const QTabBar *>(w))
      for (int i = 0; i < tabs->count(); ++i)
        letters << mnemonicOf(tabs->tabText(i));
    letters << mnemonicOf(text);
  }
  letters.remove(QChar());
  return letters;
}

} // namespace

QMenuBar *makeWindowMenuBar(QWidget *window) {
  auto *bar = new QMenuBar(window);
  bar->setObjectName(QStringLiteral("menuBar"));
  bar->setAccessibleName(QObject::tr("Menu bar"));
  const QString titles[] = {QObject::tr("&File"), QObject::tr("&Tools"), QObject::tr("&Help")};
  const WindowMenu menus[] = {WindowMenu::File, WindowMenu::Tools, WindowMenu::Help};
  for (int i = 0; i < 3; ++i) {
    QMenu *menu = bar->addMenu(titles[i]);
    menu->setObjectName(QLatin1String(objectNameOf(menus[i])));
  }
  return bar;
}

QMenu *windowMenu(const QMenuBar *bar, WindowMenu which) {
  return bar ? bar->findChild<QMenu *>(QLatin1String(objectNameOf(which)),
                                       Qt::FindDirectChildrenOnly)
             : nullptr;
}

void yieldTakenMnemonics(QMenuBar *bar, const QWidget *window) {
  const QSet<QChar> taken = mnemonicsIn(window);
  for (QAction *title : bar->actions())
    if (QString text = title->text(); taken.contains(mnemonicOf(text)))
      title->setText(text.remove(QLatin1Char('&')));
}

} // namespace dishwright
