#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Color.h"

// Conversions between settings text and the values the handlers use. A text that does not
// convert, or a value out of range, gives nothing: the caller skips that one step.

// A decimal number, with blanks around it allowed: [+|-]digits[.digits][E[+|-]digits].
std::optional<double> TextToNumber(std::string_view text);
// "True" or "False" in any letter case, or a number (0 is false, any other true).
std::optional<bool> TextToBoolean(std::string_view text);
// A signed 16-bit integer, rounded to nearest with halves to even.
std::optional<std::int16_t> TextToInteger(std::string_view text);
// A signed 32-bit integer, rounded the same way.
std::optional<std::int32_t> TextToLong(std::string_view text);
// A single-precision float; a value beyond its range does not convert.
std::optional<float> TextToSingle(std::string_view text);
// A 32-bit colour: the text as a single, rounded (halves to even) to a signed 32-bit integer.
std::optional<std::uint32_t> TextToColor(std::string_view text);
// A 32-bit colour as the settings hold it: 0x00BBGGRR, or 0x80000000 plus the index of a system
// colour as Windows numbers them (8 window text, 5 window background). Nothing for another
// system colour: the designed one stays. (Read through single precision, as TextToColor reads,
// a stored system colour is 0x80000000 or a multiple of 128 above it.)
std::optional<Color> ColorOfNumber(std::uint32_t number);
// The 32-bit number of a colour, as above.
std::uint32_t NumberOfColor(Color color);

// The shortest decimal text: 1950 for 1950, 0.5 for 0.5, no thousands separator.
std::string NumberToText(float value);
// A colour as the decimal text of a signed 32-bit integer.
std::string ColorToText(std::uint32_t color);
std::string BooleanToText(bool value);
