#include "platform/qt/SimpleCombo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <limits>

#include "commandwindow/CommandBox.h"
#include "data/TextLines.h"
#include "platform/qt/HistoryModel.h"

namespace {

// Every change of the edit line passes here, typed, pasted, dropped or set: a line break or
// another control character would show as one line and reach the shell as more.
class OneLine : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
    if (std::none_of(input.cbegin(), input.cend(),
                     [](QChar c) { return IsDroppedControl(c.unicode()); }))
      return Acceptable;
    std::u16string text = input.toStdU16String();
    std::size_t cursor = static_cast<std::size_t>(position);
    KeepOneLine(text, cursor);
    input = QString::fromStdU16String(text);
    position = static_cast<int>(cursor);
    return Acceptable;
  }
};

// Rows are as wide as the list, never wider: the view sizes every row as its first one, so a
// long first row would widen them all and bring a horizontal scroll bar. A longer row ends in
// an ellipsis instead. A candidate shows its name, then dimmed what it runs, so that nobody
// takes it for a past command; an entry is drawn as the style draws any row.
class ListWideRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {0, QStyledItemDelegate::sizeHint(option, index).height()};
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QVariant runs = index.data(HistoryModel::kRunsRole);
    if (!runs.isValid()) return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QStyle* style = row.widget ? row.widget->style() : QApplication::style();
    // The margins the style leaves around an entry's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, row.widget) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &row, row.widget)
                           .adjusted(margin, 0, -margin, 0);
    const QString name = row.text;
    row.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);

    const QFontMetrics metrics(row.font);
    QColor ink = row.palette.color(row.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                      : QPalette::Text);
    painter->save();
    painter->setFont(row.font);
    painter->setPen(ink);
    const QString shownName = metrics.elidedText(name, Qt::ElideRight, text.width());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, shownName);
    ink.setAlphaF(0.5f);
    painter->setPen(ink);
    const QRect rest =
        text.adjusted(metrics.horizontalAdvance(shownName + QStringLiteral("   ")), 0, 0, 0);
    painter->drawText(rest, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(runs.toString(), Qt::ElideRight, rest.width()));
    painter->restore();
  }
};

}  // namespace

SimpleCombo::SimpleCombo(HistoryModel& model, QWidget* parent)
    : QWidget(parent), model_(model), edit_(new QLineEdit(this)), list_(new QListView(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_);
  layout->addWidget(list_, 1);
  edit_->setObjectName("Text1Edit");
  edit_->setValidator(new OneLine(edit_));
  // A command is as long as memory allows; a cut one must never run.
  edit_->setMaxLength(std::numeric_limits<int>::max());
  list_->setObjectName("Text1List");
  // Uniform rows: the view sizes one row, not 32,767 of them.
  list_->setUniformItemSizes(true);
  // The rows shown first are laid out before the first frame, the rest in batches after it.
  list_->setLayoutMode(QListView::Batched);
  list_->setItemDelegate(new ListWideRows(list_));
  list_->setModel(&model_);
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFocusProxy(edit_);
  connect(edit_, &QLineEdit::returnPressed, this, &SimpleCombo::returnPressed);
  // An edit of the user's own ends a pick, whether or not the rows change with it.
  connect(edit_, &QLineEdit::textEdited, this, &SimpleCombo::Edited);
  // A new set of rows shows from its start, as the list does at start-up.
  connect(&model_, &QAbstractItemModel::modelReset, list_, &QAbstractItemView::scrollToTop);
  connect(list_, &QListView::clicked, this,
          [this](const QModelIndex& index) { Recall(index.row()); });
}

std::string SimpleCombo::Text() const {
  const QString text = edit_->text();
  return text == shown_ ? bytes_ : text.toLocal8Bit().toStdString();
}

std::size_t SimpleCombo::Cursor() const {
  return static_cast<std::size_t>(edit_->text().left(edit_->cursorPosition()).toLocal8Bit().size());
}

void SimpleCombo::SetCursor(std::size_t position) {
  const std::string text = Text();
  edit_->setCursorPosition(static_cast<int>(
      QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(std::min(position, text.size())))
          .size()));
}

void SimpleCombo::Edited() {
  list_->clearSelection();
  list_->setCurrentIndex(QModelIndex());
  emit edited();
}

void SimpleCombo::Show(std::string bytes) {
  bytes_ = std::move(bytes);
  // Laying out megabytes would hold the interface at every paint (the cursor blinks twice a
  // second); the core holds such an entry whole and makes the edit line read-only.
  shown_ =
      CommandBox::IsLong(bytes_) ? HistoryModel::Shown(bytes_) : QString::fromLocal8Bit(bytes_);
  edit_->setText(shown_);
}

void SimpleCombo::SetText(const std::string& text) {
  Show(text);
  list_->clearSelection();
  list_->setCurrentIndex(QModelIndex());
}

void SimpleCombo::Recall(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const QModelIndex index = model_.index(row);
  list_->setCurrentIndex(index);
  ScrollToRow(row);
  Show(std::string(model_.Entry(row)));
  edit_->selectAll();
  emit picked();
}

int SimpleCombo::PickedRow() const {
  return list_->currentIndex().isValid() ? list_->currentIndex().row() : -1;
}

void SimpleCombo::ScrollToRow(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  // A batched layout (still running after a reset) would leave the row where the first batch
  // put it, if anywhere: lay the rows out whole for this scroll.
  list_->setLayoutMode(QListView::SinglePass);
  list_->scrollTo(model_.index(row));
  list_->setLayoutMode(QListView::Batched);
}

void SimpleCombo::SetColors(const QColor& fore, const QColor& back) {
  for (QWidget* widget : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(list_)}) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, fore.isValid() ? fore : QPalette().color(QPalette::Text));
    palette.setColor(QPalette::Base, back.isValid() ? back : QPalette().color(QPalette::Base));
    widget->setPalette(palette);
  }
}

void SimpleCombo::mousePressEvent(QMouseEvent* event) { event->accept(); }
