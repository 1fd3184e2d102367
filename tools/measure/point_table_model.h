// The measured points of the surface window as a two-column table (radius, depth)
// the user types into or pastes into; one empty row at the end takes a new point.
//
// A row is two numbers and two small tags: a million pasted points take 32 MB. A
// cell keeps the text typed into it only when that text is not how the number
// reads back anyway ("1.50", " 12"; or not a number at all).
#pragma once

#include "calc/physics/surface_fit.h"

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace dishwright {

// A block of cells, rows and columns counted from 0, both ends included.
struct CellRange {
  int top = 0, bottom = 0, left = 0, right = 0;
};

class PointTableModel : public QAbstractTableModel {
  Q_OBJECT
  struct Cell {
    double value = 0;
    std::int32_t text = -2; // kBlank, kShortest, or the typed text's place in texts_
    bool number = false;
  };
  struct Row {
    Cell cell[2];
  };

public:
  using QAbstractTableModel::QAbstractTableModel;

  // Rows saved to be put back as they were (see save() and restore()).
  class Saved {
    friend class PointTableModel;
    int first_ = 0;
    std::size_t rowCount_ = 0; // rows of points when saved, the typing row not counted
    std::vector<Row> rows_;
  };

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // Rows `first` on take `points`, both cells of each; the rows below are kept and
  // the table grows when the points reach past its end. One change.
  void setPointsAt(int first, const std::vector<SurfacePoint> &points);
  // Blanks every cell of `cells` (the typing row is left alone); a blank row is
  // left out of the fit. One change.
  void clearCells(const std::vector<CellRange> &cells);
  // Removes every row.
  void clear();
  // Every row's two cells as shown (blank cells ""), and every row replaced by
  // such texts, as typed: a design file keeps what the user typed. One change.
  std::vector<std::pair<QString, QString>> cellTexts() const;
  void setCellTexts(const std::vector<std::pair<QString, QString>> &rows);
  // Rows `first` to `last` (cut to the rows there are), and how many rows there are.
  Saved save(int first, int last) const;
  // Puts back what save() kept: the rows as they were and the number of rows.
  void restore(const Saved &saved);

  // Rows of points, the typing row not counted.
  int pointRowCount() const { return static_cast<int>(rows_.size()); }
  // Rows holding anything typed or pasted, half-filled ones too.
  std::size_t filledRowCount() const;
  // The points of the filled rows; blank rows are skipped. Throws InputError
  // naming the first row with a cell that is not a number or a missing cell:
  // row 3: the depth "x" is not a number.
  std::vector<SurfacePoint> points() const;

signals:
  // Once after each change of the points, however many cells it touched.
  void pointsChanged();

private:
  static constexpr std::int32_t kBlank = -2;
  static constexpr std::int32_t kShortest = -1; // shown as the number's shortest text
  QString cellText(const Cell &cell) const;
  Cell typedCell(const QString &text);
  void resizeRows(std::size_t count);

  std::vector<Row> rows_;
  // Typed texts cells point to; only added to, so that saved rows stay valid.
  std::vector<QString> texts_;
};

} // namespace dishwright
