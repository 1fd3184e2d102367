#include "tools/menu/design_actions.h"

#include "screens/screen_set.h"
#include "tools/menu/design_document.h"

#include <QAction>
#include <QWidget>

namespace dishwright {

void addDesignActions(DesignDocument &document, ScreenSet &screens) {
  QObject::connect(
      &screens, &ScreenSet::screenLoaded, &document, [&document](ScreenId, QWidget *window) {
        auto *open = new QAction(QObject::tr("&Open design..."), window);
        open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
        auto *save = new QAction(QObject::tr("&Save design"), window);
        save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
        auto *saveAs = new QAction(QObject::tr("Save design &as..."), window);
        for (QAction *action : {open, save})
          action->setAutoRepeat(false); // a held key asks once
        QObject::connect(open, &QAction::triggered, &document, &DesignDocument::openWithDialog);
        QObject::connect(save, &QAction::triggered, &document, &DesignDocument::save);
        QObject::connect(saveAs, &QAction::triggered, &document, &DesignDocument::saveAsWithDialog);
        window->addActions({open, save, saveAs});
      });
}

} // namespace dishwright
