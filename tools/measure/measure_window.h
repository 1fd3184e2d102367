// "Measure a dish": where the focus of a dish the builder owns lies, for a
// prime-focus dish, an offset dish, or from points measured across its surface.
#pragma once

#include "tools/kit/design_seed.h"
#include "tools/measure/measured_dish.h"

#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace dishwright {

class FeedWindow;
class OffsetPage;
class PrimeFocusPage;
class SurfacePage;

class MeasureWindow : public QWidget {
  Q_OBJECT
public:
  // Starts in inches, or in mm for a metric design, with the design's diameter and
  // frequency filled in.
  explicit MeasureWindow(const DesignSeed &seed, QWidget *parent = nullptr);

  QComboBox *unitChooser() const { return unit_; }
  QTabWidget *tabs() const { return tabs_; }
  PrimeFocusPage *primeFocusPage() const { return prime_; }
  OffsetPage *offsetPage() const { return offset_; }
  SurfacePage *surfacePage() const { return surface_; }
  QPushButton *useFdButton() const { return useFd_; }
  QPushButton *feedButton() const { return feed_; }
  // Points the user typed or pasted into the surface table, which closing the
  // window throws away.
  std::size_t enteredPointCount() const;

  // Asked over the window before it closes with entered points, by any route
  // (Escape, Ctrl+W, the close box, the window manager's Alt+F4): true closes.
  // By default a message box whose default button, Cancel, keeps them.
  using CloseQuestion = std::function<bool(QWidget *over, const QString &question)>;
  void setCloseQuestion(CloseQuestion ask) { askToClose_ = std::move(ask); }
  // The user has agreed to lose the points already (ending the program asked):
  // closing asks no more.
  void agreeToDiscard() { discardAgreed_ = true; }

signals:
  // The user chose the f/D of the page shown ("Use this f/D"), a ratio.
  void fdChosen(double fd);
  // "Feed for this f/D..." opened `window` on the dish shown (its f/D and
  // diameter, in feet or metres as it was measured in inches or in cm or mm) at
  // the design's frequency, a window of its own that deletes itself on closing;
  // `seed` is that dish.
  void feedWindowOpened(dishwright::FeedWindow *window, const dishwright::DesignSeed &seed);

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  std::optional<MeasuredDish> shownDish() const;
  void updateUseButton();
  void openFeedWindow();

  QComboBox *unit_;
  QTabWidget *tabs_;
  PrimeFocusPage *prime_;
  OffsetPage *offset_;
  SurfacePage *surface_;
  QLabel *chosen_;
  QPushButton *useFd_;
  QPushButton *feed_;
  DesignSeed seed_; // the design's frequency, for the feed window
  CloseQuestion askToClose_;
  bool discardAgreed_ = false;
};

} // namespace dishwright
