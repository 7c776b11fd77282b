#include <gtest/gtest.h>

#include "data/TextLines.h"

namespace {

std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  ForEachLine(bytes, [&lines](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  return lines;
}

struct LineCase {
  const char* name;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
  std::string bytes;
  std::vector<std::string> lines;
};

class ForEachLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ForEachLineTest, endsLinesAtCrLfLoneCrOrLoneLf) {
  const auto& c = GetParam();
  EXPECT_EQ(Lines(c.bytes), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ForEachLineTest,
    testing::Values(LineCase{"empty", "", {}}, LineCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                    LineCase{"loneCr", "a\rb\r", {"a", "b"}},
                    LineCase{"loneLf", "a\nb\nc", {"a", "b", "c"}},
                    LineCase{"lastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                    LineCase{"blankLines", "\r\n\r\n", {"", ""}},
                    LineCase{"crCrLf", "a\r\r\nb", {"a", "", "b"}},
                    LineCase{"lfCr", "a\n\rb", {"a", "", "b"}}, LineCase{"onlyCr", "\r", {""}},
                    LineCase{"nulKept", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}}),
    [](const auto& info) { return info.param.name; });

TEST(ForEachLine, stopsWhenTheVisitSaysSo) {
  std::vector<std::string_view> seen;
  ForEachLine("a\r\nb\r\nc", [&seen](std::string_view line) {
    seen.push_back(line);
    return line != "b";
  });
  EXPECT_EQ(seen, (std::vector<std::string_view>{"a", "b"}));
}

TEST(TrimSpaces, removesSpacesOnlyAtBothEnds) {
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimSpaces("    "), "");
  EXPECT_EQ(TrimSpaces(""), "");
}

TEST(JoinLines, endsEveryLineWithCrLfAndRoundTrips) {
  const std::vector<std::string> lines{"a", "", " b\t"};
  const std::string joined = JoinLines(lines);
  EXPECT_EQ(joined, "a\r\n\r\n b\t\r\n");
  EXPECT_EQ(Lines(joined), lines);
}

struct OneLineCase {
  std::string text;
  std::size_t cursor;
  std::string kept;
  std::size_t keptCursor;
};

TEST(KeepOneLine, keepsWhatWasInsertedUpToItsFirstBreakAndNoControlCharacter) {
  const OneLineCase cases[] = {
      {"%echo a > f\ntouch hidden", 24, "%echo a > f", 11},  // pasted into an empty box
      {"abX\nYcd", 5, "abXcd", 3},                           // "X\nY" pasted between b and c
      {"ls -la\r\n", 8, "ls -la", 6},
      {"a\rb\nc", 5, "a", 1},
      {"a\x01"
       "b\tc\x1b",
       6, "ab\tc", 4},
      {"rm\x7F x", 5, "rm x", 4},
      {"a\nb", 0, "a", 0},  // set with the cursor at the start: the first line stays
      {"\xC3\xA9\n", 3, "\xC3\xA9", 2},
      {"", 0, "", 0},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    std::size_t cursor = c.cursor;
    KeepOneLine(text, cursor);
    EXPECT_EQ(text, c.kept) << c.text;
    EXPECT_EQ(cursor, c.keptCursor) << c.text;
  }
  std::u16string wide = u"\u00e9\nx";
  std::size_t cursor = 3;
  KeepOneLine(wide, cursor);
  EXPECT_EQ(wide, u"\u00e9");
  EXPECT_EQ(cursor, 1u);
}

TEST(EqualsUpper, upperCasesAsciiLettersOnly) {
  EXPECT_TRUE(EqualsUpper("exit", "EXIT"));
  EXPECT_TRUE(EqualsUpper("ExIt", "EXIT"));
  EXPECT_FALSE(EqualsUpper("exit now", "EXIT"));
  EXPECT_FALSE(EqualsUpper("exi", "EXIT"));
  EXPECT_FALSE(EqualsUpper("\xe5xit", "EXIT"));
}

}  // namespace
