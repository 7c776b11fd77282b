#pragma once

#include <QLineEdit>
#include <QListView>
#include <QWidget>
#include <cstddef>
#include <string>

class HistoryModel;

// A combo box of the simple style: an edit line with its list always shown below it. A click
// on an entry puts that entry into the edit line, as Recall does for a row its owner picks.
class SimpleCombo : public QWidget {
  Q_OBJECT
 public:
  explicit SimpleCombo(HistoryModel& model, QWidget* parent = nullptr);

  // The edit line's text as bytes: a recalled or set text the user has not edited comes back
  // exactly as it went in.
  std::string Text() const;
  void SetText(const std::string& text);
  // The cursor in the edit line, in bytes of Text(); setting it selects nothing.
  std::size_t Cursor() const;
  void SetCursor(std::size_t position);
  // Invalid colours leave the palette's own.
  void SetColors(const QColor& fore, const QColor& back);
  // The row picked into the edit line, or -1: a set text or new rows end the pick.
  int PickedRow() const;
  void ScrollToRow(int row);
  // Picks the row as a click does: into the edit line, selected, and in view.
  void Recall(int row);

  QLineEdit* Edit() { return edit_; }

 signals:
  void returnPressed();
  // The user changed the edit line's text; a pick from the list is no change.
  void edited();
  // The user picked a row into the edit line.
  void picked();

 protected:
  // Presses end here, so that a right click on the box never reaches the window below it.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Puts bytes into the edit line, whole or, when a long entry, as their start.
  void Show(std::string bytes);
  // The user changed the edit line's text: that ends a pick.
  void Edited();

  HistoryModel& model_;
  QLineEdit* edit_;
  QListView* list_;
  std::string bytes_;
  QString shown_;
};
