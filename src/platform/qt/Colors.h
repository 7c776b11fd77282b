#pragma once

#include <QColor>
#include <cstdint>

#include "platform/Color.h"

// A colour as the widgets draw it: a role is the application palette's.
QColor ToQColor(Color color);
// An RGB colour as 0x00BBGGRR.
std::uint32_t FromQColor(const QColor& color);
