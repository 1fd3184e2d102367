// A side view of the measured surface: the points, the fitted parabola through
// them, and below, each point's half path-length error, magnified.
#pragma once

#include "calc/physics/surface_fit.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace dishwright {

class SurfacePlot : public QWidget {
  Q_OBJECT
public:
  explicit SurfacePlot(QWidget *parent = nullptr);

  // The points to draw (in the unit `unitSymbol` names), and the fit when there is one.
  void setData(std::vector<SurfacePoint> points, std::optional<SurfaceFit> fit,
               const QString &unitSymbol);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  // The rectangle the profile and the residual strip each take.
  void drawProfile(QPainter &painter, const QRectF &area) const;
  void drawResiduals(QPainter &painter, const QRectF &area) const;

  std::vector<SurfacePoint> points_;
  std::optional<SurfaceFit> fit_;
  QString unit_;
  double rMin_ = 0, rMax_ = 1, zMin_ = 0, zMax_ = 1;
};

} // namespace dishwright
