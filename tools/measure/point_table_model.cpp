#include "tools/measure/point_table_model.h"

#include "calc/common/decimal_text.h"
#include "calc/common/input_error.h"
#include "calc/common/shown_text.h"

#include <QLocale>

#include <algorithm>

namespace dishwright {
namespace {

const char *const kColumnWords[] = {"radius", "depth"};

QString shortestText(double value) {
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

int PointTableModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size()) + 1;
}

int PointTableModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : 2;
}

QString PointTableModel::cellText(const Cell &cell) const {
  if (cell.text == kBlank)
    return {};
  if (cell.text == kShortest)
    return shortestText(cell.value);
  return texts_[static_cast<std::size_t>(cell.text)];
}

QVariant PointTableModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
    return {};
  const auto row = static_cast<std::size_t>(index.row());
  return row < rows_.size() ? cellText(rows_[row].cell[index.column()]) : QString();
}

PointTableModel::Cell PointTableModel::typedCell(const QString &text) {
  Cell cell;
  if (text.trimmed().isEmpty())
    return cell;
  const auto value = decimalValue(text.toStdString());
  cell.number = value.has_value();
  cell.value = value.value_or(0);
  if (cell.number && shortestText(cell.value) == text) {
    cell.text = kShortest;
  } else {
    cell.text = static_cast<std::int32_t>(texts_.size());
    texts_.push_back(text);
  }
  return cell;
}

bool PointTableModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  if (!index.isValid() || role != Qt::EditRole)
    return false;
  const auto row = static_cast<std::size_t>(index.row());
  const QString text = value.toString();
  if (row == rows_.size()) {
    if (text.trimmed().isEmpty())
      return false;
    resizeRows(rows_.size() + 1); // the typing row becomes a point; a new one follows it
  }
  rows_[row].cell[index.column()] = typedCell(text);
  emit dataChanged(index, index);
  emit pointsChanged();
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

// Rows are added after the typing row, which itself takes the first new point, so
// that a view keeps its place; they go from the end.
void PointTableModel::resizeRows(std::size_t count) {
  const int old = pointRowCount();
  const int wanted = static_cast<int>(count);
  if (wanted > old) {
    beginInsertRows(QModelIndex(), old + 1, wanted);
    rows_.resize(count);
    endInsertRows();
  } else if (wanted < old) {
    beginRemoveRows(QModelIndex(), wanted, old - 1);
    rows_.resize(count);
    endRemoveRows();
  }
}

void PointTableModel::setPointsAt(int first, const std::vector<SurfacePoint> &points) {
  if (points.empty())
    return;
  const auto start = std::min(static_cast<std::size_t>(std::max(first, 0)), rows_.size());
  resizeRows(std::max(rows_.size(), start + points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    Row &r = rows_[start + i];
    r.cell[0] = {points[i].r, kShortest, true};
    r.cell[1] = {points[i].z, kShortest, true};
  }
  const int top = static_cast<int>(start);
  emit dataChanged(index(top, 0), index(top + static_cast<int>(points.size()) - 1, 1));
  emit pointsChanged();
}

void PointTableModel::clearCells(const std::vector<CellRange> &cells) {
  int top = pointRowCount(), bottom = -1;
  for (const CellRange &range : cells) {
    const int first = std::max(range.top, 0), last = std::min(range.bottom, pointRowCount() - 1);
    const int left = std::max(range.left, 0), right = std::min(range.right, 1);
    for (int row = first; row <= last; ++row)
      for (int column = left; column <= right; ++column)
        rows_[static_cast<std::size_t>(row)].cell[column] = Cell();
    if (first <= last)
      top = std::min(top, first), bottom = std::max(bottom, last);
  }
  if (bottom < top)
    return;
  emit dataChanged(index(top, 0), index(bottom, 1));
  emit pointsChanged();
}

void PointTableModel::clear() {
  if (rows_.empty())
    return;
  beginResetModel();
  rows_.clear();
  endResetModel();
  emit pointsChanged();
}

std::vector<std::pair<QString, QString>> PointTableModel::cellTexts() const {
  std::vector<std::pair<QString, QString>> texts;
  texts.reserve(rows_.size());
  for (const Row &row : rows_)
    texts.emplace_back(cellText(row.cell[0]), cellText(row.cell[1]));
  return texts;
}

void PointTableModel::setCellTexts(const std::vector<std::pair<QString, QString>> &rows) {
  beginResetModel();
  rows_.clear(); // texts_ only grows: the undo steps point into it
  rows_.reserve(rows.size());
  for (const auto &[radius, depth] : rows)
    rows_.push_back({{typedCell(radius), typedCell(depth)}});
  endResetModel();
  emit pointsChanged();
}

PointTableModel::Saved PointTableModel::save(int first, int last) const {
  Saved saved;
  saved.rowCount_ = rows_.size();
  saved.first_ = std::max(first, 0);
  last = std::min(last, pointRowCount() - 1);
  if (saved.first_ <= last)
    saved.rows_.assign(rows_.begin() + saved.first_, rows_.begin() + last + 1);
  return saved;
}

void PointTableModel::restore(const Saved &saved) {
  resizeRows(saved.rowCount_);
  std::copy(saved.rows_.begin(), saved.rows_.end(), rows_.begin() + saved.first_);
  if (!saved.rows_.empty())
    emit dataChanged(index(saved.first_, 0),
                     index(saved.first_ + static_cast<int>(saved.rows_.size()) - 1, 1));
  emit pointsChanged();
}

std::size_t PointTableModel::filledRowCount() const {
  return static_cast<std::size_t>(std::count_if(rows_.begin(), rows_.end(), [](const Row &r) {
    return r.cell[0].text != kBlank || r.cell[1].text != kBlank;
  }));
}

std::vector<SurfacePoint> PointTableModel::points() const {
  std::vector<SurfacePoint> points;
  points.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Cell *cell = rows_[i].cell;
    if (cell[0].text == kBlank && cell[1].text == kBlank)
      continue;
    const auto where = [i] { return "row " + std::to_string(i + 1) + ": "; };
    for (int c = 0; c < 2; ++c) {
      if (cell[c].text == kBlank)
        throw InputError(where() + "type the " + kColumnWords[c] + " too");
      if (!cell[c].number)
        throw InputError(where() + "the " + kColumnWords[c] + " " +
                         quotedText(cellText(cell[c]).toStdString()) + " is not a number");
    }
    points.push_back({cell[0].value, cell[1].value});
  }
  return points;
}

} // namespace dishwright
