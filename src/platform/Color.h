#pragma once

#include <cstdint>

// The desktop's own colours for a text field, which follow its theme.
enum class ColorRole : std::uint8_t {
  None,  // an RGB value
  WindowText,
  WindowBackground,
};

// A colour as a window draws it: an RGB value with red in the low byte (0x00BBGGRR), or one of
// the desktop's colours.
struct Color {
  ColorRole Role = ColorRole::None;
  std::uint32_t Rgb = 0;

  static constexpr Color OfRgb(std::uint32_t rgb) { return {ColorRole::None, rgb & 0xFFFFFFu}; }
  static constexpr Color Of(ColorRole role) { return {role, 0}; }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kWindowText = Color::Of(ColorRole::WindowText);
inline constexpr Color kWindowBackground = Color::Of(ColorRole::WindowBackground);
