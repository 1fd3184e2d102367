#include "row_list_model.h"

namespace dishwright {

void RowListModel::appendQuietly(std::string_view row) {
  text_.append(row);
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void RowListModel::publish() {
  beginResetModel();
  published_ = static_cast<int>(ends_.size());
  endResetModel();
}

int RowListModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : published_;
}

QString RowListModel::rowText(int row) const {
  std::size_t begin = row == 0 ? 0 : ends_[static_cast<std::size_t>(row) - 1];
  std::size_t end = ends_[static_cast<std::size_t>(row)];
  return QString::fromLatin1(text_.data() + begin, static_cast<qsizetype>(end - begin));
}

QVariant RowListModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= published_)
    return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return rowText(index.row());
  return {};
}

} // namespace dishwright
