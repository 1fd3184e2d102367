// The measured points of the surface window as a two-column table (radius, depth)
// the user types into or pastes into; one empty row at the end takes a new point.
#pragma once

#include "calc/physics/surface_fit.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace dishwright {

class PointTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // Replaces every row by `points`.
  void setPoints(const std::vector<SurfacePoint> &points);
  void clear();
  // The points of the filled rows; blank rows are skipped. Throws InputError
  // naming the first row with a cell that is not a number or a missing cell:
  // row 3: the depth "x" is not a number.
  std::vector<SurfacePoint> points() const;

private:
  struct Row {
    QString text[2];
    // Read when the text is set, so that a long table refits within a frame.
    std::optional<double> value[2];
    bool blank[2] = {true, true};
  };
  std::vector<Row> rows_;
};

} // namespace dishwright
