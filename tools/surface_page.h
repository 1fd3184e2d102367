// The surface part of "Measure a dish": points measured across the dish, the best
// parabola through them, and what the surface's error costs in gain.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/surface_fit.h"
#include "tools/tool_page.h"

#include <optional>

class QLineEdit;
class QTableView;

namespace dishwright {

class PointTableModel;
class SurfacePlot;

class SurfacePage : public ToolPage {
  Q_OBJECT
public:
  SurfacePage(LengthUnit unit, double frequencyMHz, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // Replaces the table by the "r z" lines of `text`; on a malformed line the table
  // stays as it was and the message says which line.
  void pastePoints(const QString &text);
  // The f/D of the fitted parabola (the diameter twice the farthest radius measured).
  std::optional<double> fd() const;
  QTableView *table() const { return table_; }
  QLineEdit *frequencyField() const { return frequency_; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void compute() override;
  void forget() override;
  void draw() override;

private:
  void pasteFromClipboard();

  LengthUnit unit_;
  PointTableModel *model_;
  QTableView *table_;
  SurfacePlot *plot_;
  QLineEdit *frequency_;
  std::vector<SurfacePoint> points_; // as last read from the table, unit_
  std::optional<SurfaceFit> fit_;
};

} // namespace dishwright
