// The Help menu of every window: the manual (F1), opened at the section about the
// window it was asked for in, and the About box.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QWidget;

namespace dishwright {

class HelpWindow;

class HelpMenu : public QObject {
  Q_OBJECT

public:
  using QObject::QObject;
  ~HelpMenu() override;

  // Puts "Manual" (F1) and "About dishwright" into `menu`, the Help menu of
  // `window`; the manual opens at `section` (an anchor of the manual).
  void fill(QMenu *menu, QWidget *window, const QString &section);

  // Shows the one manual window at `section`, in front.
  HelpWindow *showManual(const QString &section);

private:
  QPointer<HelpWindow> manual_;
};

} // namespace dishwright
