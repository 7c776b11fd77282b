#pragma once

#include <QAbstractListModel>
#include <string>

class History;

// Text1's list as a view over the core's History: rows are read from it when drawn, never
// copied. The core changes the History first and tells afterwards, so the row count is kept
// here and follows each change inside its begin/end pair.
class HistoryModel : public QAbstractListModel {
  Q_OBJECT
 public:
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The entry's bytes, as the core holds them.
  std::string_view Entry(int row) const;

  void Reset(const History& list);
  void Appended();
  void FrontRemoved();

 private:
  const History* list_ = nullptr;
  int rows_ = 0;
};
