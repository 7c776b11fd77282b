#include "platform/qt/HistoryModel.h"

#include "data/History.h"

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !list_ ? 0 : static_cast<int>(list_->size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return QVariant();
  const std::string_view entry = Entry(index.row());
  return QString::fromLocal8Bit(entry.data(), static_cast<qsizetype>(entry.size()));
}

std::string_view HistoryModel::Entry(int row) const {
  return (*list_)[static_cast<std::size_t>(row)];
}

void HistoryModel::Reset(const History& list, const std::function<void()>& change) {
  beginResetModel();
  list_ = &list;
  change();
  endResetModel();
}

void HistoryModel::Append(const std::function<void()>& change) {
  beginInsertRows(QModelIndex(), rowCount(), rowCount());
  change();
  endInsertRows();
}

void HistoryModel::Remove(int row, const std::function<void()>& change) {
  beginRemoveRows(QModelIndex(), row, row);
  change();
  endRemoveRows();
}
