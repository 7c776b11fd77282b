#include <gtest/gtest.h>

#include "Fakes.h"
#include "data/AliasTable.h"

namespace {

struct LoadCase {
  const char* name;
  friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
  std::optional<std::string> file;  // nothing: no aliases.cfg
  bool loaded;
  Rows rows;
};

class LoadAliasesTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadAliasesTest, fillsTheTableFromTheFile) {
  const auto& c = GetParam();
  FakeFiles files;
  if (c.file) files.Put("aliases.cfg", *c.file);
  AliasTable table;
  EXPECT_EQ(LoadAliases(table, files), c.loaded);
  EXPECT_EQ(RowsOf(table), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadAliasesTest,
    testing::Values(
        LoadCase{"missingFileGivesOneEmptyRow", std::nullopt, true, {{"", ""}}},
        LoadCase{"emptyFileGivesNoRows", "", true, {}},
        LoadCase{"twoLines",
                 "np`notepad.exe\r\ned`C:\\Tools\\editor.exe\r\n",
                 true,
                 {{"np", "notepad.exe"}, {"ed", "C:\\Tools\\editor.exe"}}},
        LoadCase{"splitsAtTheFirstAccent",
                 "a`b`c\r\n`x\r\ny`",
                 true,
                 {{"a", "b`c"}, {"", "x"}, {"y", ""}}},
        LoadCase{"loneCrEndsALine", "a`1\rb`2", true, {{"a", "1"}, {"b", "2"}}},
        LoadCase{"loneLfEndsALine", "a`1\nb`2\n", true, {{"a", "1"}, {"b", "2"}}},
        LoadCase{"trailingBlankLineIsBad", "a`1\r\nb`2\r\n\r\n", false, {{"a", "1"}, {"b", "2"}}},
        LoadCase{"badLineStopsTheLoad", "a`1\r\nnoseparator\r\nc`3\r\n", false, {{"a", "1"}}},
        LoadCase{"badFirstLine", "junk", false, {}},
        LoadCase{"namesKeepSpacesAndCase", " NP `x ", true, {{" NP ", "x "}}}),
    [](const auto& info) { return info.param.name; });

TEST(LoadAliases, anUnreadableFileIsLikeABadFirstLine) {
  FakeFiles files;
  files.Put("aliases.cfg", "np`notepad\r\n");
  files.unreadable.insert(files.PathOf("aliases.cfg"));
  AliasTable table;
  EXPECT_FALSE(LoadAliases(table, files));
  EXPECT_EQ(table.Count(), 0);
}

TEST(ResolveAlias, matchesTheWholeTextExactlyAndTheFirstRowWins) {
  FakeFiles files;
  files.Put("aliases.cfg", "np`notepad.exe\r\nnp`write.exe\r\n`empty-name\r\nx y`spaced\r\n");
  AliasTable table;
  ASSERT_TRUE(LoadAliases(table, files));
  const std::pair<const char*, const char*> cases[] = {
      {"np", "notepad.exe"},
      {"NP", "NP"},
      {"np ", "np "},
      {"", "empty-name"},
      {"x y", "spaced"},
      {"x", "x"},
      {"np readme.txt", "np readme.txt"},
  };
  for (const auto& [text, target] : cases) EXPECT_EQ(table.ResolveAlias(text), target) << text;
}

TEST(SaveAliases, writesEveryRowWithCrLfAndReadsBackTheSame) {
  FakeFiles files;
  AliasTable table;
  table.Reset(0);
  for (const auto& [name, target] : Rows{{"np", "notepad.exe"}, {"", ""}, {"a", "b`c"}}) {
    table.AliasNames.push_back(name);
    table.AliasTargets.push_back(target);
  }
  ASSERT_TRUE(SaveAliases(table, files));
  EXPECT_EQ(files.Get("aliases.cfg"), "np`notepad.exe\r\n`\r\na`b`c\r\n");
  AliasTable back;
  ASSERT_TRUE(LoadAliases(back, files));
  EXPECT_EQ(RowsOf(back), RowsOf(table));
}

TEST(SaveAliases, keepsTheLinesABadLineLeftUnloaded) {
  FakeFiles files;
  const std::string rest = "broken line\r\nc`3\rd`4";
  files.Put("aliases.cfg", "a`1\r\n" + rest);
  AliasTable table;
  ASSERT_FALSE(LoadAliases(table, files));
  table.AliasNames.push_back("new");
  table.AliasTargets.push_back("target");
  ASSERT_TRUE(SaveAliases(table, files));
  EXPECT_EQ(files.Get("aliases.cfg"), "a`1\r\nnew`target\r\n" + rest);
}

TEST(SaveAliases, neverReplacesAFileItCouldNotRead) {
  FakeFiles files;
  files.Put("aliases.cfg", "a`1\r\n");
  files.unreadable.insert(files.PathOf("aliases.cfg"));
  AliasTable table;
  ASSERT_FALSE(LoadAliases(table, files));
  table.AliasNames.push_back("new");
  table.AliasTargets.push_back("target");
  EXPECT_FALSE(SaveAliases(table, files));
  EXPECT_TRUE(files.replaced.empty());
  EXPECT_EQ(files.Get("aliases.cfg"), "a`1\r\n");
}

TEST(SaveAliases, aFailedReplaceKeepsTheOldFile) {
  FakeFiles files;
  files.Put("aliases.cfg", "old`file\r\n");
  files.failReplace = true;
  AliasTable table;
  EXPECT_FALSE(SaveAliases(table, files));
  EXPECT_EQ(files.Get("aliases.cfg"), "old`file\r\n");
}

TEST(LoadAliases, rowsBeyondTheLimitStayInTheFile) {
  FakeFiles files;
  std::string file;
  for (int i = 0; i < AliasTable::kMaxRows + 2; ++i) file += "n" + std::to_string(i) + "`t\r\n";
  files.Put("aliases.cfg", file);
  AliasTable table;
  EXPECT_TRUE(LoadAliases(table, files));
  EXPECT_EQ(table.Count(), AliasTable::kMaxRows);
  ASSERT_TRUE(SaveAliases(table, files));
  EXPECT_EQ(files.Get("aliases.cfg"), file);
}

TEST(AliasRowProblem, refusesWhatTheFileCannotHold) {
  EXPECT_EQ(AliasRowProblem("np", "notepad.exe"), std::nullopt);
  EXPECT_EQ(AliasRowProblem("np", "a`b"), std::nullopt);
  EXPECT_NE(AliasRowProblem("n`p", "x"), std::nullopt);
  EXPECT_NE(AliasRowProblem("np", "a\rb"), std::nullopt);
  EXPECT_NE(AliasRowProblem("n\np", "x"), std::nullopt);
}

}  // namespace
