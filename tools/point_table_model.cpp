#include "tools/point_table_model.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"

namespace dishwright {
namespace {

const char *const kColumnWords[] = {"radius", "depth"};

void setCell(std::optional<double> &value, bool &blank, QString &text, const QString &newText) {
  text = newText;
  value = decimalValue(newText.toStdString());
  blank = newText.trimmed().isEmpty();
}

} // namespace

int PointTableModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size()) + 1;
}

int PointTableModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant PointTableModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
    return {};
  const auto row = static_cast<std::size_t>(index.row());
  return row < rows_.size() ? rows_[row].text[index.column()] : QString();
}

bool PointTableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  if (!index.isValid() || role != Qt::EditRole)
    return false;
  const auto row = static_cast<std::size_t>(index.row());
  if (row == rows_.size()) {
    if (value.toString().trimmed().isEmpty())
      return false;
    // The typing row becomes a point; a new empty one follows it.
    beginInsertRows(QModelIndex(), index.row() + 1, index.row() + 1);
    rows_.emplace_back();
    endInsertRows();
  }
  Row &r = rows_[row];
  const int c = index.column();
  setCell(r.value[c], r.blank[c], r.text[c], value.toString());
  emit dataChanged(index, index);
  return true;
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex &index) const {
  return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole)
    return {};
  if (orientation == Qt::Vertical)
    return section + 1;
  return section == 0 ? tr("Radius r") : tr("Depth z");
}

void PointTableModel::setPoints(const std::vector<SurfacePoint> &points) {
  beginResetModel();
  rows_.assign(points.size(), Row());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double values[2] = {points[i].r, points[i].z};
    for (int c = 0; c < 2; ++c) {
      rows_[i].text[c] = QString::number(values[c], 'g', 12);
      rows_[i].value[c] = values[c];
      rows_[i].blank[c] = false;
    }
  }
  endResetModel();
}

void PointTableModel::clear() { setPoints({}); }

std::vector<SurfacePoint> PointTableModel::points() const {
  std::vector<SurfacePoint> points;
  points.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row &r = rows_[i];
    const bool *blank = r.blank;
    if (blank[0] && blank[1])
      continue;
    const auto where = [i] { return "row " + std::to_string(i + 1) + ": "; };
    for (int c = 0; c < 2; ++c) {
      if (blank[c])
        throw InputError(where() + "type the " + kColumnWords[c] + " too");
      if (!r.value[c])
        throw InputError(where() + "the " + kColumnWords[c] + " \"" + r.text[c].toStdString() +
                         "\" is not a number");
    }
    points.push_back({*r.value[0], *r.value[1]});
  }
  return points;
}

} // namespace dishwright
