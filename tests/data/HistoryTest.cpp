#include <gtest/gtest.h>

#include <random>
#include <set>

#include "Fakes.h"
#include "data/History.h"
#include "data/TextLines.h"

namespace {

std::vector<std::string> EntriesOf(const History& list) { return {list.begin(), list.end()}; }

// Entries are views into the list's own storage, so a copy could outlive what it points into.
static_assert(!std::is_copy_constructible_v<History> && !std::is_copy_assignable_v<History>);

TEST(History, appendKeepsDuplicatesAndContainsIsExact) {
  History list;
  list.Append("a");
  list.Append("a");
  list.Append("B");
  EXPECT_EQ(EntriesOf(list), (std::vector<std::string>{"a", "a", "B"}));
  EXPECT_TRUE(list.Contains("B"));
  EXPECT_FALSE(list.Contains("b"));
  list.Clear();
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(list.Contains("a"));
}

// Appended entries are indexed at once; loaded ones when the index is first needed.
class HistoryRemove : public ::testing::TestWithParam<bool> {};

TEST_P(HistoryRemove, keepsAnOlderCopyFindable) {
  History list;
  if (GetParam())
    list.AppendLines("a\r\ndup\r\nb\r\ndup\r\n", false);
  else
    for (const char* entry : {"a", "dup", "b", "dup"}) list.Append(entry);
  list.Remove(3);
  EXPECT_EQ(EntriesOf(list), (std::vector<std::string>{"a", "dup", "b"}));
  EXPECT_TRUE(list.Contains("dup"));
  list.Remove(1);
  EXPECT_FALSE(list.Contains("dup"));
  list.Remove(0);
  list.Append("c");
  EXPECT_EQ(EntriesOf(list), (std::vector<std::string>{"b", "c"}));
  EXPECT_FALSE(list.Contains("a"));
  EXPECT_TRUE(list.Contains("b") && list.Contains("c"));
}
INSTANTIATE_TEST_SUITE_P(AppendedOrLoaded, HistoryRemove, ::testing::Bool());

TEST(History, aFullListDropsItsOldestEntry) {
  History list;
  for (std::size_t i = 0; i < History::kMaxEntries; ++i)
    EXPECT_FALSE(list.Append(std::to_string(i)));
  EXPECT_TRUE(list.Append("new"));
  EXPECT_EQ(list.size(), History::kMaxEntries);
  EXPECT_EQ(list[0], "1");
  EXPECT_EQ(list[list.size() - 1], "new");
  EXPECT_FALSE(list.Contains("0"));
  EXPECT_TRUE(list.Contains("new"));
}

TEST(History, aDroppedDuplicateLeavesItsLaterCopyFindable) {
  History list;
  list.Append("dup");
  for (std::size_t i = 1; i < History::kMaxEntries - 1; ++i) list.Append(std::to_string(i));
  list.Append("dup");
  list.Append("pushes the first dup out");
  EXPECT_EQ(list[0], "1");
  EXPECT_TRUE(list.Contains("dup"));
  for (int i = 0; i < 3; ++i) list.Append("more " + std::to_string(i));
  EXPECT_TRUE(list.Contains("dup"));
}

TEST(History, entriesEndInANulAndOutliveTheDropsAroundThem) {
  History list;
  std::string file;
  for (int i = 0; i < 40000; ++i) file += "  line " + std::to_string(i) + (i % 3 ? " \r\n" : "\r");
  list.AppendLines(file, false);
  list.AppendLines("  \r\nlast  ", true);
  for (int i = 0; i < 40000; ++i) list.Append(i % 2 ? "typed " + std::to_string(i) : "");
  list.AppendLines(file, true);
  ASSERT_EQ(list.size(), History::kMaxEntries);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string_view entry = list[i];
    ASSERT_EQ(entry.data()[entry.size()], '\0') << i;
    ASSERT_TRUE(entry.empty() || entry.rfind("typed ", 0) == 0 || entry.rfind("line ", 0) == 0)
        << entry;
  }
  EXPECT_EQ(list[list.size() - 1], "line 39999");
}

TEST(History, containsAgreesWithTheEntriesThroughDropsDuplicatesRemovalsAndClears) {
  History list;
  std::mt19937 random(11);
  constexpr int kTexts = 40000;
  for (int step = 1; step <= 120000; ++step) {
    list.Append("v" + std::to_string(random() % kTexts));
    if (step == 70000) list.Clear();
    if (step % 2500 == 0 && list.size() > 3)
      for (int i = 0; i < 3; ++i) list.Remove(random() % list.size());
    if (step % 10000 != 0) continue;
    const std::set<std::string> present(list.begin(), list.end());
    ASSERT_LE(list.size(), History::kMaxEntries);
    for (int t = 0; t < kTexts; ++t) {
      const std::string text = "v" + std::to_string(t);
      ASSERT_EQ(list.Contains(text), present.count(text) == 1) << text << " at step " << step;
    }
  }
}

struct LoadCase {
  const char* name;
  friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
  std::optional<std::string> history, permanent;
  std::vector<std::string> list;
};

class LoadHistoryTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadHistoryTest, readsHistoryThenNewPermanentLines) {
  const auto& c = GetParam();
  FakeFiles files;
  if (c.history) files.Put("history.cfg", *c.history);
  if (c.permanent) files.Put("permhist.cfg", *c.permanent);
  History list;
  EXPECT_TRUE(LoadHistory(list, files));
  EXPECT_TRUE(LoadPermanentHistory(list, files));
  EXPECT_EQ(EntriesOf(list), c.list);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadHistoryTest,
    testing::Values(
        LoadCase{"noFiles", std::nullopt, std::nullopt, {}},
        LoadCase{"historyKeepsItsDuplicates", "a\r\na\r\n", std::nullopt, {"a", "a"}},
        LoadCase{"permanentSkipsWhatIsThere", "b\r\na\r\n", "a\r\nc\r\nc\r\n", {"b", "a", "c"}},
        LoadCase{"caseMatters", "a\r\n", "A\r\n", {"a", "A"}},
        LoadCase{"linesAreTrimmedOfSpaces", "  a  \r\n   \r\n\tb\r\n", " a\r\n", {"a", "", "\tb"}},
        LoadCase{"emptyLineIsAnEntry", "\r\nx\r\n", std::nullopt, {"", "x"}},
        LoadCase{"anEditorsLfEndsALine", "a\nb\r\n", "c \n d\n", {"a", "b", "c", "d"}}),
    [](const auto& info) { return info.param.name; });

TEST(LoadHistory, anUnreadableFileReportsFailureAndAddsNothing) {
  FakeFiles files;
  files.Put("history.cfg", "a\r\n");
  files.unreadable.insert(files.PathOf("history.cfg"));
  History list;
  EXPECT_FALSE(LoadHistory(list, files));
  EXPECT_TRUE(list.empty());
}

TEST(LoadHistory, aLongerFileKeepsItsNewestLines) {
  FakeFiles files;
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < History::kMaxEntries + 10; ++i) lines.push_back(std::to_string(i));
  files.Put("history.cfg", JoinLines(lines));
  History list;
  ASSERT_TRUE(LoadHistory(list, files));
  EXPECT_EQ(list.size(), History::kMaxEntries);
  EXPECT_EQ(list[0], "10");
  EXPECT_EQ(list[list.size() - 1], lines.back());
  // The duplicate test, first needed after the load, knows exactly the lines that were kept.
  EXPECT_FALSE(list.Contains("9"));
  EXPECT_TRUE(list.Contains("10"));
  EXPECT_TRUE(list.Contains(lines.back()));
  EXPECT_TRUE(list.Append("new"));
  EXPECT_FALSE(list.Contains("10"));
  EXPECT_EQ(list[0], "11");
}

TEST(HistoryText, writesEveryEntryWithCrLf) {
  History list;
  for (const char* entry : {"a", "", "a", "b c"}) list.Append(entry);
  EXPECT_EQ(HistoryText(list), "a\r\n\r\na\r\nb c\r\n");
  EXPECT_EQ(HistoryText(History()), "");
}

}  // namespace
