#include "platform/qt/HistoryModel.h"

#include <QFont>
#include <algorithm>

#include "data/Narrowing.h"

namespace {
// No character takes more than four bytes: the start of an entry that a row decodes holds more
// than kRowLength characters whenever the entry is longer than it.
constexpr std::size_t kDecoded = 4 * kRowLength + 4;

// A file name may hold a line break: a row shows each control character as its picture.
QString OneLine(QString text) {
  for (QChar& c : text)
    if (c.unicode() < 32) c = QChar(0x2400 + c.unicode());
  return text;
}
}  // namespace

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const auto row = static_cast<std::size_t>(index.row());
  if (rows_->IsCandidate(row)) {
    const Candidate& candidate = rows_->CandidateAt(row);
    if (role == Qt::DisplayRole) return OneLine(Shown(candidate.Name));
    if (role == kRunsRole) return OneLine(Shown(candidate.Line));
    return QVariant();
  }
  if (role == Qt::DisplayRole) return Shown(Entry(index.row()));
  if (role == Qt::FontRole) {
    // Rows of plain ASCII, as commands mostly are, are drawn without a shaping pass (so without
    // ligatures and kerning): that keeps the shaping code and its memory out of the start. Marks
    // and complex scripts are shaped as ever.
    const std::string_view entry = Entry(index.row()).substr(0, kDecoded);
    if (std::all_of(entry.begin(), entry.end(), [](char c) { return c >= ' ' && c < 0x7f; })) {
      QFont font;
      font.setStyleStrategy(QFont::PreferNoShaping);
      return font;
    }
  }
  return QVariant();
}

QString HistoryModel::Shown(std::string_view entry) {
  QString shown = QString::fromLocal8Bit(entry.data(),
                                         static_cast<qsizetype>(std::min(entry.size(), kDecoded)));
  const std::size_t length = RowLength(std::u16string_view(
      reinterpret_cast<const char16_t*>(shown.utf16()), static_cast<std::size_t>(shown.size())));
  if (length == static_cast<std::size_t>(shown.size())) return shown;
  shown.truncate(static_cast<qsizetype>(length));
  return shown + QChar(0x2026);
}

std::string_view HistoryModel::Entry(int row) const {
  return (*rows_)[static_cast<std::size_t>(row)];
}

void HistoryModel::Reset(const Narrowing& rows, const std::function<void()>& change) {
  beginResetModel();
  rows_ = &rows;
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
