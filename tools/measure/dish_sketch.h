// A dish drawn to scale from the side with its focus: a round dish with the
// straightedge across its rim, or an offset dish as the part of a larger one it
// is cut from. It shows where the feed goes and what the feed must light.
#pragma once

#include "calc/physics/dish_measure.h"

#include <QWidget>

#include <optional>

namespace dishwright {

class DishSketch : public QWidget {
  Q_OBJECT
public:
  explicit DishSketch(QWidget *parent = nullptr);

  // A prime-focus dish of `diameter` and `depth`, lengths in the unit
  // `unitSymbol` names; nothing drawn without one.
  void setPrimeFocus(double diameter, double depth, std::optional<PrimeFocusDish> dish,
                     const QString &unitSymbol);
  // An offset dish, as measureOffset gave it.
  void setOffset(std::optional<OffsetDish> dish, const QString &unitSymbol);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  // The drawing's own lengths: across the axis (y) and along it (z, up).
  struct View {
    QRectF area;
    double yMin, zMin, scale;
    QPointF at(double y, double z) const {
      return {area.left() + (y - yMin) * scale, area.bottom() - (z - zMin) * scale};
    }
  };
  View fit(const QRectF &area, double yMin, double yMax, double zMin, double zMax) const;
  void drawParabola(QPainter &painter, const View &view, double from, double to) const;
  void drawFocus(QPainter &painter, const View &view, double rimA, double rimB,
                 const QString &label) const;
  void drawOffsetFeed(QPainter &painter, const View &view) const;
  void drawFeed(QPainter &painter, const QPointF &focus, const QPointF &aim) const;

  double diameter_ = 0, depth_ = 0;
  std::optional<PrimeFocusDish> prime_;
  std::optional<OffsetDish> offset_;
  QString unit_;
};

} // namespace dishwright
