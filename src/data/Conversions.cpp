#include "data/Conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "data/TextLines.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape by hand: from_chars alone would also take "inf", "nan" and hex digits.
bool IsDecimal(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

// Rounds to nearest, halves to even, and checks the range of the integer type.
template <typename Int>
std::optional<Int> RoundToInteger(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  if (!IsDecimal(s)) return std::nullopt;
  if (s.front() == '+') s.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<bool> TextToBoolean(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  if (EqualsUpper(s, "TRUE")) return true;
  if (EqualsUpper(s, "FALSE")) return false;
  const auto number = TextToNumber(s);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::int16_t> TextToInteger(std::string_view text) {
  const auto number = TextToNumber(text);
  if (!number) return std::nullopt;
  return RoundToInteger<std::int16_t>(*number);
}

std::optional<std::int32_t> TextToLong(std::string_view text) {
  const auto number = TextToNumber(text);
  if (!number) return std::nullopt;
  return RoundToInteger<std::int32_t>(*number);
}

std::optional<float> TextToSingle(std::string_view text) {
  const auto number = TextToNumber(text);
  if (!number || std::fabs(*number) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*number);
}

std::optional<std::uint32_t> TextToColor(std::string_view text) {
  const auto single = TextToSingle(text);
  if (!single) return std::nullopt;
  const auto value = RoundToInteger<std::int32_t>(*single);
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

namespace {
struct SystemColor {
  std::uint32_t Index;
  ColorRole Role;
};
constexpr std::uint32_t kSystemColor = 0x80000000u;
constexpr SystemColor kSystemColors[] = {{8, ColorRole::WindowText},
                                         {5, ColorRole::WindowBackground}};
}  // namespace

std::optional<Color> ColorOfNumber(std::uint32_t number) {
  if (!(number & kSystemColor)) return Color::OfRgb(number);
  for (const SystemColor& system : kSystemColors)
    if (system.Index == (number & ~kSystemColor)) return Color::Of(system.Role);
  return std::nullopt;
}

std::uint32_t NumberOfColor(Color color) {
  for (const SystemColor& system : kSystemColors)
    if (system.Role == color.Role) return kSystemColor | system.Index;
  return color.Rgb;
}

std::string NumberToText(float value) {
  if (!std::isfinite(value) || value == 0) return "0";
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string ColorToText(std::uint32_t color) {
  return std::to_string(static_cast<std::int32_t>(color));
}

std::string BooleanToText(bool value) { return value ? "True" : "False"; }
