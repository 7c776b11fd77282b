#include <gtest/gtest.h>

#include "platform/posix/WordSplit.h"

namespace {

struct SplitCase {
  const char* name;
  const char* text;
  std::vector<std::string> words;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class WordSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(WordSplitTest, split) { EXPECT_EQ(SplitWords(GetParam().text), GetParam().words); }

INSTANTIATE_TEST_SUITE_P(
    Words, WordSplitTest,
    testing::Values(
        SplitCase{"empty", "", {}}, SplitCase{"blanksOnly", " \t ", {}},
        SplitCase{"blanksSeparate", "  -v \tx.txt ", {"-v", "x.txt"}},
        SplitCase{"doubleQuotesKeepSpaces", "\"a b\" c", {"a b", "c"}},
        SplitCase{"singleQuotesKeepEverything", "'a \"b\" \\c'", {"a \"b\" \\c"}},
        SplitCase{"quotesJoinAWord", "pre\"mid dle\"'post'", {"premid dlepost"}},
        SplitCase{"emptyQuotesMakeAWord", "\"\" ''", {"", ""}},
        SplitCase{"escapesInsideDoubleQuotes", "\"\\\" \\\\ \\$ \\` \\n\"", {"\" \\ $ ` \\n"}},
        SplitCase{"backslashOutsideQuotes", "a\\ b \\'c", {"a b", "'c"}},
        SplitCase{"nothingIsExpanded", "$HOME ~ *.txt `id`", {"$HOME", "~", "*.txt", "`id`"}},
        SplitCase{"unclosedQuoteRunsToTheEnd", "a \"b c", {"a", "b c"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
