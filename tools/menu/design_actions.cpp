#include "tools/menu/design_actions.h"

#include "tools/menu/design_document.h"
#include "tools/menu/file_menu.h"

#include <QWidget>

namespace dishwright {

void addDesignActions(DesignDocument &document, FileMenu &menu) {
  // The document's dialogs find their own parent: the window in front.
  QObject::connect(&menu, &FileMenu::openDesignRequested, &document,
                   [&document](QWidget *) { document.openWithDialog(); });
  QObject::connect(&menu, &FileMenu::saveDesignRequested, &document,
                   [&document](QWidget *) { document.save(); });
  QObject::connect(&menu, &FileMenu::saveDesignAsRequested, &document,
                   [&document](QWidget *) { document.saveAsWithDialog(); });
  QObject::connect(&menu, &FileMenu::recentDesignRequested, &document,
                   [&document](QWidget *, const QString &path) { document.open(path); });
  QObject::connect(&document, &DesignDocument::recentDesignsChanged, &menu,
                   &FileMenu::setRecentDesigns);
  menu.setRecentDesigns(document.recentDesigns());
}

} // namespace dishwright
