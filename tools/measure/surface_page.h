// The surface part of "Measure a dish": points measured across the dish, the best
// parabola through them, and what the surface's error costs in gain.
#pragma once

#include "calc/common/length_unit.h"
#include "calc/physics/surface_fit.h"
#include "tools/kit/tool_page.h"
#include "tools/measure/measured_dish.h"

#include <optional>

class QJsonValue;
class QLineEdit;
class QTableView;
class QUndoStack;

namespace dishwright {

class PointTableModel;
class SurfacePlot;

class SurfacePage : public ToolPage {
  Q_OBJECT
public:
  SurfacePage(LengthUnit unit, double frequencyMHz, QWidget *parent = nullptr);

  void setUnit(LengthUnit unit);
  // Puts the "r z" lines of `text` into the table from the current row on (the
  // first row when there is none), over the rows they cover; the rows below stay
  // and the table grows as needed. On a malformed line the table stays as it was
  // and the message says which line. Undoable.
  void pastePoints(const QString &text);
  // The fitted dish: its diameter twice the farthest radius measured.
  std::optional<MeasuredDish> measured() const;
  // Rows of the table holding anything typed or pasted.
  std::size_t enteredPointCount() const;
  QTableView *table() const { return table_; }
  QLineEdit *frequencyField() const { return frequency_; }
  // Pastes, deletes, clears and typed cells, to be taken back (Ctrl+Z) and redone
  // (Ctrl+Shift+Z or Ctrl+Y).
  QUndoStack *undoStack() const { return undo_; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void compute() override;
  void forget() override;
  void draw() override;

private:
  void pasteFromClipboard();
  void typeCell(int row, int column, const QString &text);
  void deleteSelected();
  void clearAll();
  QJsonValue pointsAsJson() const;
  void setPointsFromJson(const QJsonValue &value);

  LengthUnit unit_;
  PointTableModel *model_;
  QUndoStack *undo_;
  QTableView *table_;
  SurfacePlot *plot_;
  QLineEdit *frequency_;
  std::vector<SurfacePoint> points_; // as last read from the table, unit_
  std::optional<SurfaceFit> fit_;
};

} // namespace dishwright
