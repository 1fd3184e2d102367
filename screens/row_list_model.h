// A list model that holds many short rows compactly: the texts in large blocks.
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
  // Blocks are filled and never grown, so a long listing is never copied to a
  // larger buffer; a row's start is its block number and offset in one word.
  static constexpr int kBlockBits = 20;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
  std::vector<std::string> blocks_;
  std::vector<std::uint32_t> starts_;
  int published_ = 0;
};

} // namespace dishwright
