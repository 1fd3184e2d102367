#include "screens/row_list_model.h"

namespace dishwright {

void RowListModel::appendQuietly(std::string_view row) {
  if (blocks_.empty() || blocks_.back().size() + row.size() > kBlockSize) {
    blocks_.emplace_back();
    blocks_.back().reserve(kBlockSize);
  }
  std::string &block = blocks_.back();
  const auto number = static_cast<std::uint32_t>(blocks_.size() - 1);
  starts_.push_back(number << kBlockBits | static_cast<std::uint32_t>(block.size()));
  block.append(row);
}

void RowListModel::publish() {
  beginResetModel();
  published_ = static_cast<int>(starts_.size());
  endResetModel();
}

int RowListModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : published_;
}

QString RowListModel::rowText(int row) const {
  const auto i = static_cast<std::size_t>(row);
  const std::uint32_t start = starts_[i];
  const std::string &block = blocks_[start >> kBlockBits];
  const std::size_t begin = start & (kBlockSize - 1);
  std::size_t end = block.size();
  if (i + 1 < starts_.size() && (starts_[i + 1] >> kBlockBits) == (start >> kBlockBits))
    end = starts_[i + 1] & (kBlockSize - 1);
  return QString::fromLatin1(block.data() + begin, static_cast<qsizetype>(end - begin));
}

QVariant RowListModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= published_)
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return rowText(index.row());
  return {};
}

} // namespace dishwright
