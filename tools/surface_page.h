// The surface part of "Measure a dish": points measured across the dish, the best
// parabola through them, and what the surface's error costs in gain.
#pragma once

#include "calc/common/length_unit.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QTableView;

namespace dishwright {

class PointTableModel;
class ResultGrid;
class SurfacePlot;

class SurfacePage : public QWidget {
  Q_OBJECT
public:
  SurfacePage(LengthUnit unit, double frequencyMHz, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // Replaces the table by the "r z" lines of `text`; on a malformed line the table
  // stays as it was and the message says which line.
  void pastePoints(const QString &text);
  // The f/D of the fitted parabola (the diameter twice the farthest radius measured).
  std::optional<double> fd() const { return fd_; }
  QTableView *table() const { return table_; }
  QLineEdit *frequencyField() const { return frequency_; }
  ResultGrid *results() const { return results_; }
  QLabel *message() const { return message_; }

signals:
  void resultChanged();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void pasteFromClipboard();
  void update();

  LengthUnit unit_;
  PointTableModel *model_;
  QTableView *table_;
  SurfacePlot *plot_;
  QLineEdit *frequency_;
  QLabel *message_;
  ResultGrid *results_;
  std::optional<double> fd_;
};

} // namespace dishwright
