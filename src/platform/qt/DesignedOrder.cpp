#include "platform/qt/DesignedOrder.h"

#include <ranges>

namespace {
// The widget that takes the focus for the control.
QWidget* Focused(QWidget& window, std::string_view name) {
  auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()));
  return widget && widget->focusProxy() ? widget->focusProxy() : widget;
}
}  // namespace

void SetTabOrder(QWidget& window, std::span<const Control> controls) {
  for (const Control& control : controls)
    if (QWidget* widget = Focused(window, control.Name); widget && !control.TabStop)
      widget->setFocusPolicy(Qt::FocusPolicy(widget->focusPolicy() & ~Qt::TabFocus));
  QWidget* previous = nullptr;
  for (const std::string_view name : TabOrder(controls)) {
    QWidget* widget = Focused(window, name);
    if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) continue;  // a label, a frame
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void SetStackingOrder(QWidget& window, std::span<const Control> controls) {
  for (const Control& control : controls | std::views::reverse)
    if (auto* widget = window.findChild<QWidget*>(control.Name)) widget->raise();
}

int KeyCodeOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Escape:
      return vbKeyEscape;
    case Qt::Key_Delete:
      return vbKeyDelete;
  }
  return 0;
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? vbShiftMask : 0) |
         (modifiers & Qt::ControlModifier ? vbCtrlMask : 0) |
         (modifiers & Qt::AltModifier ? vbAltMask : 0);
}

bool ClosesDialog(QDialog& dialog, const QKeyEvent& key) {
  if (!ClosesDialog(KeyCodeOf(key.key()), ShiftOf(key.modifiers()))) return false;
  dialog.close();
  return true;
}
