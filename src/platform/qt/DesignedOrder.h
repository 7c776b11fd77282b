#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QWidget>
#include <span>

#include "platform/Control.h"

// Puts a window's designed controls, found by object name, in their designed order.
// Tab: the tab stops in tab order; a control that is no tab stop takes the focus from a click.
void SetTabOrder(QWidget& window, std::span<const Control> controls);
// Stacking: as listed, top first.
void SetStackingOrder(QWidget& window, std::span<const Control> controls);
// The key handlers' key code of a key (0 for keys they do not take) and their shift state.
int KeyCodeOf(int qtKey);
int ShiftOf(Qt::KeyboardModifiers modifiers);
// A window of the program closes on the keys that close a dialog, as its close box does.
bool ClosesDialog(QDialog& dialog, const QKeyEvent& key);
