#include <gtest/gtest.h>

#include "data/TextLines.h"

namespace {

struct SplitCase {
  const char* name;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
  std::string bytes;
  std::vector<std::string> lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, endsLinesAtCrLfOrLoneCrOnly) {
  const auto& c = GetParam();
  const auto views = SplitLines(c.bytes);
  EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, SplitLinesTest,
    testing::Values(SplitCase{"empty", "", {}}, SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"loneCr", "a\rb\r", {"a", "b"}},
                    SplitCase{"loneLfStaysInLine", "a\nb\nc", {"a\nb\nc"}},
                    SplitCase{"lastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                    SplitCase{"blankLines", "\r\n\r\n", {"", ""}},
                    SplitCase{"crCrLf", "a\r\r\nb", {"a", "", "b"}},
                    SplitCase{"lfCr", "a\n\rb", {"a\n", "b"}}, SplitCase{"onlyCr", "\r", {""}},
                    SplitCase{"nulKept", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}}),
    [](const auto& info) { return info.param.name; });

TEST(TrimSpaces, removesSpacesOnlyAtBothEnds) {
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimSpaces("    "), "");
  EXPECT_EQ(TrimSpaces(""), "");
}

TEST(JoinLines, endsEveryLineWithCrLfAndRoundTrips) {
  const std::vector<std::string> lines{"a", "", " b\n"};
  const std::string joined = JoinLines(lines);
  EXPECT_EQ(joined, "a\r\n\r\n b\n\r\n");
  const auto back = SplitLines(joined);
  EXPECT_EQ(std::vector<std::string>(back.begin(), back.end()), lines);
}

TEST(EqualsUpper, upperCasesAsciiLettersOnly) {
  EXPECT_TRUE(EqualsUpper("exit", "EXIT"));
  EXPECT_TRUE(EqualsUpper("ExIt", "EXIT"));
  EXPECT_FALSE(EqualsUpper("exit now", "EXIT"));
  EXPECT_FALSE(EqualsUpper("exi", "EXIT"));
  EXPECT_FALSE(EqualsUpper("\xe5xit", "EXIT"));
}

}  // namespace
