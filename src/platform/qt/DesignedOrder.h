#pragma once

#include <QWidget>
#include <span>

#include "platform/Control.h"

// Puts a window's designed controls, found by object name, in their designed order.
// Tab: the tab stops in tab order; a control that is no tab stop takes the focus from a click.
void SetTabOrder(QWidget& window, std::span<const Control> controls);
// Stacking: as listed, top first.
void SetStackingOrder(QWidget& window, std::span<const Control> controls);
