#include "tools/menu/builder_tools.h"

#include "calc/common/figure_text.h"
#include "screens/screen_set.h"
#include "tools/feed/feed_window.h"
#include "tools/measure/measure_window.h"
#include "tools/menu/tool_menu.h"
#include "tools/menu/tool_table.h"
#include "tools/sun/sun_predict_page.h"
#include "tools/sun/sun_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <optional>

namespace dishwright {
namespace {

// Hands the gain of the feed window worked in last to every sun window, open or
// opened later, whose gain the user has not typed over.
class FeedGainRelay : public QObject {
public:
  using QObject::QObject;

  void watch(FeedWindow *feed) {
    const auto take = [this](double gainDbi) {
      latestDbi_ = gainDbi;
      for (const QPointer<SunWindow> &sun : suns_)
        offer(sun);
    };
    if (const auto gain = feed->gainDbi()) // worked out as the window was made
      take(*gain);
    connect(feed, &FeedWindow::gainChanged, this, take);
  }
  void serve(SunWindow *sun) {
    suns_.removeAll(nullptr);
    suns_.append(sun);
    offer(sun);
  }

private:
  void offer(SunWindow *sun) const {
    if (sun && latestDbi_ && !sun->predictPage()->gainTyped())
      sun->setPredictedGain(*latestDbi_, QObject::tr("the Feed and efficiency window"));
  }

  std::optional<double> latestDbi_;
  QList<QPointer<SunWindow>> suns_;
};

// The measure windows open; a closed one is gone with its points already.
QList<MeasureWindow *> openMeasureWindows() {
  QList<MeasureWindow *> open;
  for (QWidget *window : QApplication::topLevelWidgets())
    if (auto *measure = qobject_cast<MeasureWindow *>(window); measure && measure->isVisible())
      open << measure;
  return open;
}

} // namespace

bool askToQuit(QWidget *over, const QString &question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("dishwright"), question,
                  QMessageBox::Cancel, over);
  QPushButton *quit = box.addButton(QObject::tr("&Quit"), QMessageBox::DestructiveRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec(); // the whole program waits for the answer
  return box.clickedButton() == quit;
}

void addBuilderTools(ToolMenu &menu, ScreenSet &screens, QuitQuestion ask) {
  for (const ToolRow &row : toolTable())
    menu.addTool(row);
  // Each window made is linked to the others: a measured f/D the user takes goes
  // into the input screen, a feed's gain into the sun windows.
  auto *relay = new FeedGainRelay(&menu);
  QObject::connect(&menu, &ToolMenu::toolOpened, relay, [&screens, &menu, relay](QWidget *window) {
    if (auto *measure = qobject_cast<MeasureWindow *>(window)) {
      QObject::connect(measure, &MeasureWindow::fdChosen, &screens, [&screens](double fd) {
        screens.putInput(Field::FdRatio, QString::fromStdString(figureText(fd, kFdDigits)));
      });
      QObject::connect(measure, &MeasureWindow::feedWindowOpened, relay,
                       [relay, &menu](FeedWindow *feed, const DesignSeed &seed) {
                         menu.equip(feed, seed, QStringLiteral("feed"));
                         relay->watch(feed);
                       });
    } else if (auto *feed = qobject_cast<FeedWindow *>(window)) {
      relay->watch(feed);
    } else if (auto *sun = qobject_cast<SunWindow *>(window)) {
      relay->serve(sun);
    }
  });
  screens.setQuitGuard([ask = std::move(ask)](QWidget *over) {
    const QList<MeasureWindow *> windows = openMeasureWindows();
    std::size_t points = 0;
    for (const MeasureWindow *window : windows)
      points += window->enteredPointCount();
    if (points == 0)
      return true;
    if (!ask(over, points == 1
                       ? QObject::tr("Quit and discard the 1 measured point?")
                       : QObject::tr("Quit and discard the %1 measured points?").arg(points)))
      return false;
    for (MeasureWindow *window : windows) // the windows closing as the program ends ask no more
      window->agreeToDiscard();
    return true;
  });
}

} // namespace dishwright
