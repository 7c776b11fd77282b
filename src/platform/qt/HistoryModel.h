#pragma once

#include <QAbstractListModel>
#include <functional>
#include <string>
#include <string_view>

class Narrowing;

// Text1's list as a view over the core's rows of the history: entries are read from it when
// drawn, never copied. A candidate row displays its name and gives what it runs under
// kRunsRole, which only candidates have. Each change of the rows runs between the model's begin
// and end notifications.
class HistoryModel : public QAbstractListModel {
  Q_OBJECT
 public:
  // An entry as a row shows it: whole, or cut as the core's RowLength says, with an ellipsis.
  static QString Shown(std::string_view entry);
  static constexpr int kRunsRole = Qt::UserRole;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The bytes a row puts in the box, as the core holds them: the entry, or what a candidate runs.
  std::string_view Entry(int row) const;

  void Reset(const Narrowing& rows, const std::function<void()>& change);
  void Append(const std::function<void()>& change);
  void Remove(int row, const std::function<void()>& change);

 private:
  const Narrowing* rows_ = nullptr;
};
