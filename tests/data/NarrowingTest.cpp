#include <gtest/gtest.h>

#include "data/Narrowing.h"

namespace {

struct NarrowCase {
  const char* name;
  friend void PrintTo(const NarrowCase& c, std::ostream* os) { *os << c.name; }
  std::string text;
  std::vector<std::size_t> positions;
};

class MatchingPositionsTest : public testing::TestWithParam<NarrowCase> {};

TEST_P(MatchingPositionsTest, findsTheEntriesThatContainTheText) {
  History list;
  // 4 and 5 are "café" and "CAFÉ" in UTF-8: only their ASCII letters fold.
  for (const char* entry : {"notepad readme.txt", "Calc", "cmd /c DIR", "", "caf\xc3\xa9",
                            "CAF\xc3\x89", "calc", "a[1]", "x\xff", "aaab"})
    list.Append(entry);
  EXPECT_EQ(MatchingPositions(list, GetParam().text), GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MatchingPositionsTest,
    testing::Values(NarrowCase{"emptyTextIsInEveryEntry", "", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                    NarrowCase{"noMatch", "zz", {}},
                    NarrowCase{"asciiLettersInEitherCase", "CALC", {1, 6}},
                    NarrowCase{"anywhereInTheEntry", "dir", {2}},
                    NarrowCase{"atTheEnd", ".TXT", {0}}, NarrowCase{"spaceIsAByte", " ", {0, 2}},
                    NarrowCase{"longerThanAnyEntry", "notepad readme.txt!", {}},
                    NarrowCase{"aPartialMatchIsNoStartToSkip", "aab", {9}},
                    NarrowCase{"asciiPartOfBothCases", "caf", {4, 5}},
                    NarrowCase{"accentedLowerOnlyItself", "\xc3\xa9", {4}},
                    NarrowCase{"accentedUpperOnlyItself", "caf\xc3\x89", {5}},
                    NarrowCase{"onlyLettersFold", "{1}", {}},
                    NarrowCase{"aByteAbove127", "\xff", {8}}),
    [](const auto& info) { return info.param.name; });

TEST(RowLengthTest, cutsRowsAtAThousandCharactersAndKeepsASurrogatePairWhole) {
  EXPECT_EQ(RowLength(std::string_view(std::string(1000, 'a'))), 1000u);
  EXPECT_EQ(RowLength(std::string_view(std::string(5000, 'a'))), 1000u);
  // U+1F600 as its two UTF-16 units, the first of them the 1,000th character.
  const std::u16string pair = std::u16string(999, u'a') + u"\xD83D\xDE00" + u"b";
  EXPECT_EQ(RowLength(std::u16string_view(pair)), 999u);
  const std::u16string fits = std::u16string(998, u'a') + u"\xD83D\xDE00";
  EXPECT_EQ(RowLength(std::u16string_view(fits)), 1000u);
}

}  // namespace
