#pragma once

#include <QColor>
#include <cstdint>

// A colour value 0x00BBGGRR, or 0x80000000 plus a system colour index, as the widgets draw it.
// A system colour this port does not know gives an invalid QColor: keep the default then.
QColor ToQColor(std::uint32_t value);
// An RGB colour as 0x00BBGGRR.
std::uint32_t FromQColor(const QColor& color);
