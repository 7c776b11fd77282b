#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "platform/CmdLineView.h"
#include "platform/qt/HistoryModel.h"
#include "platform/qt/SimpleCombo.h"

class CmdLine;
class MenuWindow;

// The command window: a frameless strip off the task bar whose thin edge is its sizable
// border. It lays out Command2, Text1 and the hidden default button Command1 as designed and
// forwards their events to CmdLine.
class CmdLineWindow : public QWidget, public CmdLineView {
  Q_OBJECT
 public:
  // The sizable border around the client area, in pixels.
  static constexpr int kBorder = 4;

  CmdLineWindow();
  // Events reach the form from here on.
  void Attach(CmdLine& form, MenuWindow& menu);

  std::string Text() override;
  void SetText(const std::string& text) override;
  std::size_t SelStart() override;
  void SetSelStart(std::size_t position) override;
  void ListReset(const Narrowing& rows, const std::function<void()>& change) override;
  void ListAppend(const std::function<void()>& change) override;
  void ListRemove(std::size_t row, const std::function<void()>& change) override;
  void ListShowRow(std::size_t row) override;
  int ListIndex() override;
  void SetClipboard(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetColors(Color fore, Color back) override;
  Rect WindowRect() override;
  void Move(const Rect& outer) override;
  float ScaleWidth() override;
  float ScaleHeight() override;
  void Layout(const Rect& text1, const Rect& command2) override;
  void SetTopmost(bool topmost) override;
  bool SystemMove() override;
  std::optional<int> PopupMenu() override;
  bool BringToFront() override;
  void SelectText1() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A move or resize that no window manager took over is done here from mouse moves.
  enum class Drag { None, SystemMove, Move, Resize };

  Qt::Edges EdgesAt(const QPoint& position) const;
  void DragTo(const QPoint& global);
  void EndDrag();

  HistoryModel history_;
  QWidget* client_;
  QPushButton* command1_;
  SimpleCombo* text1_;
  QPushButton* command2_;
  CmdLine* form_ = nullptr;
  MenuWindow* menu_ = nullptr;

  Drag drag_ = Drag::None;
  QPoint pressed_;  // where the drag's button went down, on the desktop
  QRect startGeometry_;
  Qt::Edges edges_;
  // A window manager's move reports no end: the position is written once it stays put.
  QTimer moveSettled_;
};
