#include "platform/qt/HistoryModel.h"

#include "data/History.h"

int HistoryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return QVariant();
  const std::string_view entry = Entry(index.row());
  return QString::fromLocal8Bit(entry.data(), static_cast<qsizetype>(entry.size()));
}

std::string_view HistoryModel::Entry(int row) const {
  return (*list_)[static_cast<std::size_t>(row)];
}

void HistoryModel::Reset(const History& list) {
  beginResetModel();
  list_ = &list;
  rows_ = static_cast<int>(list.size());
  endResetModel();
}

void HistoryModel::Appended() {
  beginInsertRows(QModelIndex(), rows_, rows_);
  ++rows_;
  endInsertRows();
}

void HistoryModel::FrontRemoved() {
  beginRemoveRows(QModelIndex(), 0, 0);
  --rows_;
  endRemoveRows();
}
