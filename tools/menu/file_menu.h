// The File menu of every window: the design file's entries and Quit. The design
// entries only ask: whatever reads and writes design files connects to the
// signals here, and until a signal has a receiver its entries stay disabled.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace dishwright {

class FileMenu : public QObject {
  Q_OBJECT

public:
  explicit FileMenu(QObject *parent = nullptr);

  // What Quit does, with the window it was chosen in: by default nothing (the
  // builder's tools set ScreenSet::quit).
  void setQuit(std::function<void(QWidget *over)> quit) { quit_ = std::move(quit); }

  // The designs opened or saved lately, newest first, as "Recent designs" lists
  // them in every window (the list is empty until this is called).
  void setRecentDesigns(const QStringList &paths);
  const QStringList &recentDesigns() const { return recent_; }

  // Puts the entries into `menu`, the File menu of `window`, and keeps them up to
  // date while the window lives. Keys the window answers itself (the templates
  // window saves its PDF on Ctrl+S) stay the window's: those entries show no key
  // there, so that no key means two things.
  void fill(QMenu *menu, QWidget *window);

signals:
  // The entries, chosen in window `over` (for its dialogs): Open design...
  // (Ctrl+O), Save design (Ctrl+S), Save design as... (Ctrl+Shift+S) and one of
  // the recent designs.
  void openDesignRequested(QWidget *over);
  void saveDesignRequested(QWidget *over);
  void saveDesignAsRequested(QWidget *over);
  void recentDesignRequested(QWidget *over, const QString &path);

protected:
  // An entry is enabled exactly while its signal has a receiver.
  void connectNotify(const QMetaMethod &signal) override;
  void disconnectNotify(const QMetaMethod &signal) override;

private:
  enum Entry { Open, Save, SaveAs, Recent, EntryCount };
  struct Filled {
    QPointer<QAction> entries[EntryCount];
    QPointer<QMenu> recentMenu;
    QPointer<QWidget> window;
  };
  bool handled(Entry entry) const;
  void updateEntries();
  void fillRecent(Filled &filled);

  QList<Filled> filled_;
  QStringList recent_;
  std::function<void(QWidget *over)> quit_;
};

} // namespace dishwright
