#include "platform/qt/CmdLineWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "commandwindow/CmdLine.h"
#include "platform/qt/Colors.h"
#include "platform/qt/DesignedOrder.h"
#include "platform/qt/MenuWindow.h"
#include "platform/qt/Twips.h"
#include "platform/qt/XcbFocus.h"

namespace {
int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return vbLeftButton;
    case Qt::RightButton:
      return vbRightButton;
    case Qt::MiddleButton:
      return vbMiddleButton;
    default:
      return 0;
  }
}
}  // namespace

CmdLineWindow::CmdLineWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      client_(new QWidget(this)),
      command1_(new QPushButton(">", client_)),
      text1_(new SimpleCombo(history_, client_)),
      command2_(new QPushButton(client_)) {
  setObjectName("CmdLine");
  setWindowTitle(QString());
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    // Read as PNG by name: finding the format out would load every image format plugin.
    QImageReader reader(QString(":/icons/vellcmdline-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  setWindowIcon(icon);
  setMouseTracking(true);
  // The sizable border shows the window's frame colour; the client area its background.
  setAutoFillBackground(true);
  QPalette frame = palette();
  frame.setColor(QPalette::Window, frame.color(QPalette::Mid));
  setPalette(frame);
  client_->setAutoFillBackground(true);
  client_->setPalette(QPalette());
  client_->setMouseTracking(true);

  command1_->setObjectName("Command1");
  command1_->setGeometry(ToPixels(CmdLine::kCommand1));
  text1_->setObjectName("Text1");
  text1_->setGeometry(ToPixels(CmdLine::kText1));
  command2_->setObjectName("Command2");
  command2_->setGeometry(ToPixels(CmdLine::kCommand2));
  SetStackingOrder(*this, CmdLine::kControls);
  // Command2 is no tab stop, but a click gives it the focus, and Space then opens the menu.
  SetTabOrder(*this, CmdLine::kControls);

  resize(ToPixels(CmdLine::kClientWidth) + 2 * kBorder,
         ToPixels(CmdLine::kClientHeight) + 2 * kBorder);

  client_->installEventFilter(this);
  command2_->installEventFilter(this);
  moveSettled_.setSingleShot(true);
  moveSettled_.setInterval(300);
  connect(&moveSettled_, &QTimer::timeout, this, [this] {
    if (form_) form_->MoveEnded();
  });
}

void CmdLineWindow::Attach(CmdLine& form, MenuWindow& menu) {
  form_ = &form;
  menu_ = &menu;
  // Enter in the command box clicks the default button.
  connect(text1_, &SimpleCombo::returnPressed, command1_, &QPushButton::click);
  connect(text1_, &SimpleCombo::edited, this, [this] { form_->Text1_Change(); });
  connect(text1_, &SimpleCombo::picked, this, [this] { form_->Text1_Click(); });
  text1_->Edit()->installEventFilter(this);
  connect(command1_, &QPushButton::clicked, this, [this] { form_->Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { form_->Command2_Click(); });
}

bool CmdLineWindow::BringToFront() {
  // A dialog or message box keeps the keyboard while it is open.
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* front = modal ? modal : this;
  front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
  front->show();
  front->raise();
  front->activateWindow();
  FocusOnX(*front);
  return !modal;
}

void CmdLineWindow::SelectText1() {
  text1_->Edit()->setFocus(Qt::OtherFocusReason);
  text1_->Edit()->selectAll();
}

std::string CmdLineWindow::Text() { return text1_->Text(); }

void CmdLineWindow::SetText(const std::string& text) { text1_->SetText(text); }

std::size_t CmdLineWindow::SelStart() { return text1_->Cursor(); }

void CmdLineWindow::SetSelStart(std::size_t position) { text1_->SetCursor(position); }

void CmdLineWindow::ListReset(const Narrowing& rows, const std::function<void()>& change) {
  history_.Reset(rows, change);
}

void CmdLineWindow::ListAppend(const std::function<void()>& change) { history_.Append(change); }

void CmdLineWindow::ListRemove(std::size_t row, const std::function<void()>& change) {
  history_.Remove(static_cast<int>(row), change);
}

void CmdLineWindow::ListShowRow(std::size_t row) { text1_->ScrollToRow(static_cast<int>(row)); }

int CmdLineWindow::ListIndex() { return text1_->PickedRow(); }

void CmdLineWindow::SetReadOnly(bool readOnly) { text1_->Edit()->setReadOnly(readOnly); }

void CmdLineWindow::SetClipboard(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromLocal8Bit(text));
}

void CmdLineWindow::SetColors(Color fore, Color back) {
  text1_->SetColors(ToQColor(fore), ToQColor(back));
}

Rect CmdLineWindow::WindowRect() { return ToTwips(frameGeometry()); }

void CmdLineWindow::Move(const Rect& outer) { setGeometry(ToPixels(outer)); }

float CmdLineWindow::ScaleWidth() { return ToTwips(width() - 2 * kBorder); }

float CmdLineWindow::ScaleHeight() { return ToTwips(height() - 2 * kBorder); }

void CmdLineWindow::Layout(const Rect& text1, const Rect& command2) {
  text1_->setGeometry(ToPixels(text1));
  command2_->setGeometry(ToPixels(command2));
}

void CmdLineWindow::SetTopmost(bool topmost) {
  // setWindowFlags would make a new native window, which has not had the keyboard and which a
  // window manager places anew; the window that is there takes the flag instead.
  const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost);
  overrideWindowFlags(flags);
  if (QWindow* window = windowHandle()) window->setFlags(flags);
  // The change comes from the menu, whose button took the focus: the box gets it back.
  if (isVisible()) text1_->Edit()->setFocus(Qt::OtherFocusReason);
}

bool CmdLineWindow::SystemMove() {
  startGeometry_ = geometry();
  // On X11 Qt hands the window manager a left-button move, which the release of the right
  // button does not end: there, as without a window manager, the strip follows the pointer
  // itself while Command2 holds it. On Wayland only the compositor can move a window.
  if (QGuiApplication::platformName() == "wayland" && windowHandle() &&
      windowHandle()->startSystemMove()) {
    drag_ = Drag::SystemMove;
    return false;
  }
  drag_ = Drag::Move;
  return false;
}

std::optional<int> CmdLineWindow::PopupMenu() { return menu_->Exec(QCursor::pos()); }

void CmdLineWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  client_->setGeometry(kBorder, kBorder, std::max(0, width() - 2 * kBorder),
                       std::max(0, height() - 2 * kBorder));
  if (form_) form_->Form_Resize();
}

void CmdLineWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (drag_ == Drag::SystemMove) moveSettled_.start();
}

// Every close request takes the close path, which ends the program.
void CmdLineWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (form_) form_->Form_QueryUnload();
}

// Qt drops the window system's close request while a modal window is open; taken here, it
// takes the close path all the same, from the event loop as a signal's does.
bool CmdLineWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  if (!form_ || !IsCloseRequestOnX(eventType, message))
    return QWidget::nativeEvent(eventType, message, result);
  QTimer::singleShot(0, this, [this] { form_->Form_QueryUnload(); });
  return true;
}

Qt::Edges CmdLineWindow::EdgesAt(const QPoint& position) const {
  Qt::Edges edges;
  if (position.x() < kBorder) edges |= Qt::LeftEdge;
  if (position.x() >= width() - kBorder) edges |= Qt::RightEdge;
  if (position.y() < kBorder) edges |= Qt::TopEdge;
  if (position.y() >= height() - kBorder) edges |= Qt::BottomEdge;
  return edges;
}

void CmdLineWindow::mousePressEvent(QMouseEvent* event) {
  if (drag_ == Drag::SystemMove) EndDrag();
  // The controls cover the client area: the border around it is the strip's background for
  // the other buttons.
  if (event->button() != Qt::LeftButton) {
    if (form_) form_->Form_MouseDown(ButtonCode(event->button()));
    return;
  }
  const Qt::Edges edges = EdgesAt(event->position().toPoint());
  if (!edges) return;
  if (windowHandle() && windowHandle()->startSystemResize(edges)) return;
  drag_ = Drag::Resize;
  edges_ = edges;
  pressed_ = event->globalPosition().toPoint();
  startGeometry_ = geometry();
}

void CmdLineWindow::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::Resize) return DragTo(event->globalPosition().toPoint());
  const Qt::Edges edges = EdgesAt(event->position().toPoint());
  const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
  const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
  if (horizontal && vertical)
    setCursor(edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge)
                  ? Qt::SizeFDiagCursor
                  : Qt::SizeBDiagCursor);
  else if (horizontal)
    setCursor(Qt::SizeHorCursor);
  else if (vertical)
    setCursor(Qt::SizeVerCursor);
  else
    unsetCursor();
}

void CmdLineWindow::mouseReleaseEvent(QMouseEvent*) {
  if (drag_ != Drag::None) EndDrag();
}

void CmdLineWindow::DragTo(const QPoint& global) {
  const QPoint delta = global - pressed_;
  QRect target = startGeometry_;
  if (drag_ == Drag::Move) {
    target.moveTopLeft(startGeometry_.topLeft() + delta);
  } else {
    const int least = 2 * kBorder;
    if (edges_ & Qt::LeftEdge)
      target.setLeft(std::min(startGeometry_.left() + delta.x(), target.right() - least));
    if (edges_ & Qt::RightEdge)
      target.setRight(std::max(startGeometry_.right() + delta.x(), target.left() + least));
    if (edges_ & Qt::TopEdge)
      target.setTop(std::min(startGeometry_.top() + delta.y(), target.bottom() - least));
    if (edges_ & Qt::BottomEdge)
      target.setBottom(std::max(startGeometry_.bottom() + delta.y(), target.top() + least));
  }
  setGeometry(target);
}

void CmdLineWindow::EndDrag() {
  const Drag ended = drag_;
  drag_ = Drag::None;
  if (ended == Drag::Move || ended == Drag::SystemMove) {
    moveSettled_.stop();
    form_->MoveEnded();
  }
}

bool CmdLineWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == text1_->Edit()) {
    if (type != QEvent::KeyPress || !form_) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab completes before it moves the focus; Shift+Tab (Backtab) only moves it.
    if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier) &&
        form_->Text1_KeyDown(vbKeyTab, ShiftOf(key->modifiers())))
      return true;
    if (key->key() == Qt::Key_Delete)
      return form_->Text1_KeyDown(vbKeyDelete, ShiftOf(key->modifiers()));
    // Up and Down pick the row that the core names, as Windows' combo box picks it.
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      if (const auto row = form_->Text1.RecallRow(key->key() == Qt::Key_Up))
        text1_->Recall(static_cast<int>(*row));
      return true;
    }
    // The character the key types; a paste as Ctrl+V types it on every layout.
    const QString typed = key->matches(QKeySequence::Paste) ? QString(QChar(22)) : key->text();
    if (!typed.isEmpty()) form_->Text1_KeyPress(typed.at(0).unicode());
    return false;
  }
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease)
    return QWidget::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);

  if (watched == client_) {
    if (type == QEvent::MouseButtonPress && form_)
      form_->Form_MouseDown(ButtonCode(mouse->button()));
    return type == QEvent::MouseButtonPress;
  }
  if (watched == command2_ && form_) {
    if (type == QEvent::MouseButtonPress) {
      if (drag_ == Drag::SystemMove) EndDrag();
      pressed_ = mouse->globalPosition().toPoint();
      form_->Command2_MouseDown(ButtonCode(mouse->button()));
      // Only the left button belongs to the button itself; the others go no further.
      return mouse->button() != Qt::LeftButton;
    }
    if (type == QEvent::MouseMove && drag_ == Drag::Move) {
      DragTo(mouse->globalPosition().toPoint());
      return true;
    }
    if (type == QEvent::MouseButtonRelease && drag_ != Drag::None) {
      EndDrag();
      return mouse->button() != Qt::LeftButton;
    }
  }
  return QWidget::eventFilter(watched, event);
}
