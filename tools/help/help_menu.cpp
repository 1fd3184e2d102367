#include "tools/help/help_menu.h"

#include "tools/help/about_box.h"
#include "tools/help/help_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace dishwright {

HelpMenu::~HelpMenu() { delete manual_.data(); }

void HelpMenu::fill(QMenu *menu, QWidget *window, const QString &section) {
  auto *manual = new QAction(tr("&Manual"), window);
  manual->setShortcut(QKeySequence(Qt::Key_F1));
  manual->setAutoRepeat(false);
  connect(manual, &QAction::triggered, this, [this, section] { showManual(section); });
  auto *about = new QAction(tr("&About dishwright"), window);
  about->setMenuRole(QAction::AboutRole);
  connect(about, &QAction::triggered, window, [window] { showAbout(window); });
  menu->addAction(manual);
  menu->addSeparator();
  menu->addAction(about);
}

HelpWindow *HelpMenu::showManual(const QString &section) {
  if (!manual_)
    manual_ = new HelpWindow;
  manual_->setWindowState(manual_->windowState() & ~Qt::WindowMinimized);
  manual_->show();
  manual_->showSection(section); // once shown, so the page is laid out at its width
  manual_->raise();
  manual_->activateWindow();
  return manual_;
}

} // namespace dishwright
