// A real can drawn to scale from the side, cut open: the closed back, the walls,
// the open mouth, and the probe at its place and length.
#pragma once

#include "calc/physics/can_check.h"

#include <QWidget>

#include <optional>

namespace dishwright {

class CanDrawing : public QWidget {
  Q_OBJECT
public:
  explicit CanDrawing(QWidget *parent = nullptr);

  // The can of inside diameter `diameter` and its check (lengths in the unit
  // `unitSymbol` names); nothing drawn without a check.
  void setCan(double diameter, std::optional<CanCheck> check, const QString &unitSymbol);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void drawDimension(QPainter &painter, QPointF from, QPointF to, const QString &text) const;

  double diameter_ = 0;
  std::optional<CanCheck> check_;
  QString unit_;
};

} // namespace dishwright
