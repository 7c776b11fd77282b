#include <gtest/gtest.h>

#include "data/Conversions.h"

namespace {

template <typename T>
struct Case {
  const char* text;
  std::optional<T> expected;
};

TEST(TextToBoolean, acceptsWordsAndNumbers) {
  const Case<bool> cases[] = {
      {"True", true},       {"False", false},   {"true", true},        {"FALSE", false},
      {"0", false},         {"1", true},        {"-1", true},          {"0.0", false},
      {" 2 ", true},        {"", std::nullopt}, {"yes", std::nullopt}, {"Truth", std::nullopt},
      {"1x", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToBoolean(c.text), c.expected) << c.text;
}

TEST(TextToInteger, roundsHalvesToEvenAndChecksRange) {
  const Case<std::int16_t> cases[] = {
      {"1950", 1950},
      {" 1950 ", 1950},
      {"-1", -1},
      {"0.5", 0},
      {"1.5", 2},
      {"2.5", 2},
      {"-2.5", -2},
      {"3.49", 3},
      {"32767", 32767},
      {"-32768", -32768},
      {"32767.5", std::nullopt},
      {"40000", std::nullopt},
      {"-32768.6", std::nullopt},
      {"1e3", 1000},
      {"+7", 7},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"1,950", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"0x10", std::nullopt},
      {".", std::nullopt},
      {"1e", std::nullopt},
      {"1e99999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInteger(c.text), c.expected) << c.text;
}

TEST(TextToSingle, rejectsWhatAFloatCannotHold) {
  EXPECT_EQ(TextToSingle("4020"), 4020.0f);
  EXPECT_EQ(TextToSingle("1e38"), 1e38f);
  EXPECT_EQ(TextToSingle("1e39"), std::nullopt);
  EXPECT_EQ(TextToSingle("-1e39"), std::nullopt);
  EXPECT_EQ(TextToSingle("x"), std::nullopt);
}

TEST(TextToColor, roundsToASigned32BitValue) {
  const Case<std::uint32_t> cases[] = {
      {"255", 255u},
      {"16711680", 16711680u},
      {" 16777215 ", 16777215u},
      {"-2147483648", 0x80000000u},
      {"-1", 0xFFFFFFFFu},
      {"2147483648", std::nullopt},  // beyond a signed 32-bit value once rounded to a single
      {"?", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToColor(c.text), c.expected) << c.text;
}

// Stored numbers as the settings hold them, and back: system colours by their Windows index.
TEST(ColorOfNumber, readsRgbAndTheSystemColoursThatHaveARole) {
  const std::pair<std::uint32_t, std::optional<Color>> cases[] = {
      {255u, Color::OfRgb(255)},
      {16711680u, Color::OfRgb(16711680)},
      {0x80000008u, Color::Of(ColorRole::WindowText)},
      {0x80000005u, Color::Of(ColorRole::WindowBackground)},
      {0x8000000Du, std::nullopt},
      {0x800000FFu, std::nullopt},
      {0x80000000u, std::nullopt},
  };
  for (const auto& [number, color] : cases) {
    EXPECT_EQ(ColorOfNumber(number), color) << number;
    if (color) {
      EXPECT_EQ(NumberOfColor(*color), number) << number;
    }
  }
}

TEST(NumberToText, writesTheShortestDecimal) {
  EXPECT_EQ(NumberToText(1950.0f), "1950");
  EXPECT_EQ(NumberToText(-15.0f), "-15");
  EXPECT_EQ(NumberToText(0.5f), "0.5");
  EXPECT_EQ(NumberToText(1234.25f), "1234.25");
  EXPECT_EQ(NumberToText(0.1f), "0.1");
  EXPECT_EQ(NumberToText(-0.0f), "0");
  EXPECT_EQ(NumberToText(100000000.0f), "100000000");
}

TEST(NumberToText, roundTripsThroughTheReadConversions) {
  for (const float value : {0.0f, 1.0f, -1.0f, 4020.0f, 12345.5f, -32768.0f, 0.1f, 1e7f})
    EXPECT_EQ(TextToSingle(NumberToText(value)), value) << value;
}

TEST(ColorToText, writesSignedDecimal) {
  EXPECT_EQ(ColorToText(16711680u), "16711680");
  EXPECT_EQ(ColorToText(0x80000005u), "-2147483643");
  EXPECT_EQ(TextToColor(ColorToText(16711680u)), 16711680u);
}

TEST(BooleanToText, writesTrueOrFalse) {
  EXPECT_EQ(BooleanToText(true), "True");
  EXPECT_EQ(BooleanToText(false), "False");
  EXPECT_EQ(TextToBoolean(BooleanToText(true)), true);
}

}  // namespace
