// A list model that holds many short rows compactly: all texts in one buffer.
#pragma once

#include <QAbstractListModel>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dishwright {

class RowListModel : public QAbstractListModel {
  Q_OBJECT

public:
  using QAbstractListModel::QAbstractListModel;

  // Adds a row without telling the views; publish() tells them once. A listing of
  // a million rows so costs one model reset instead of a million inserts.
  void appendQuietly(std::string_view row);
  void publish();

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QString rowText(int row) const;

private:
  std::string text_;
  std::vector<std::uint32_t> ends_; // end of each row in text_ (listings stay far below 4 GiB)
  int published_ = 0;
};

} // namespace dishwright
