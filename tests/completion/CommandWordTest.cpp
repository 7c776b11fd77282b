#include <gtest/gtest.h>

#include "completion/CommandWord.h"

namespace {

constexpr std::size_t kEnd = std::string_view::npos;

struct WordCase {
  const char* line;
  std::size_t cursor;
  PathStyle style;
  std::size_t start;
  std::string text;
  bool first, open;
};

TEST(WordAtCursor, readsTheWordAsTheLinesFormDoes) {
  using enum PathStyle;
  const WordCase cases[] = {
      {"", kEnd, Posix, 0, "", true, false},
      {"fire", kEnd, Posix, 0, "fire", true, false},
      {"  fire", kEnd, Posix, 2, "fire", true, false},
      {"gedit no", kEnd, Posix, 6, "no", false, false},
      {"gedit ", kEnd, Posix, 6, "", false, false},
      {"gedit notes.txt more", 8, Posix, 6, "no", false, false},
      {"%ls", kEnd, Posix, 1, "ls", true, false},
      {"% ls /us", kEnd, Posix, 5, "/us", false, false},
      {"%ls | gr", kEnd, Posix, 6, "gr", true, false},
      {"%ls|gr", kEnd, Posix, 4, "gr", true, false},
      {"%sort <in", kEnd, Posix, 7, "in", false, false},
      {"%a;b", kEnd, Posix, 3, "b", true, false},
      {"ls|gr", kEnd, Posix, 0, "ls|gr", true, false},  // no operators outside "%"
      {"cat 'My Fo", kEnd, Posix, 4, "My Fo", false, true},
      {"cat 'My Folder'/no", kEnd, Posix, 4, "My Folder/no", false, false},
      {"cat My\\ Fo", kEnd, Posix, 4, "My Fo", false, false},
      {"cat \"a \\\"b\\\\", kEnd, Posix, 4, "a \"b\\", false, true},
      {"cat 'it'\\''s'", kEnd, Posix, 4, "it's", false, false},
      {"\"C:\\Program Fi", kEnd, Windows, 0, "C:\\Program Fi", true, true},
      {"\"C:\\Tools\\t.exe\" C:\\Us", kEnd, Windows, 17, "C:\\Us", false, false},
      {"type a\\b", kEnd, Windows, 5, "a\\b", false, false},  // no escape
      {"%type a & no", kEnd, Windows, 10, "no", true, false},
      {"%a;b", kEnd, Windows, 1, "a;b", true, false},
  };
  for (const auto& c : cases) {
    const CommandWord word = WordAtCursor(c.line, c.cursor, c.style);
    EXPECT_EQ(word.Start, c.start) << c.line;
    EXPECT_EQ(word.Text, c.text) << c.line;
    EXPECT_EQ(word.First, c.first) << c.line;
    EXPECT_EQ(word.Open, c.open) << c.line;
  }
}

TEST(LooksLikePath, namesAPathByItsBeginningOrASeparator) {
  using enum PathStyle;
  const std::tuple<const char*, PathStyle, bool> cases[] = {
      {"/usr", Posix, true},    {"~/Doc", Posix, true},        {"~", Posix, true},
      {"./run", Posix, true},   {"../x", Posix, true},         {"src/ma", Posix, true},
      {"fire", Posix, false},   {"C:\\Us", Posix, false},      {"C:\\Us", Windows, true},
      {"d:/x", Windows, true},  {"\\\\srv\\s", Windows, true}, {".\\a", Windows, true},
      {"note", Windows, false}, {"~", Windows, false},
  };
  for (const auto& [word, style, path] : cases) EXPECT_EQ(LooksLikePath(word, style), path) << word;
}

struct QuoteCase {
  const char* name;
  PathStyle style;
  bool open;
  const char* written;
};

TEST(QuotedWord, writesANameTheLineReadsBackAsOneWord) {
  using enum PathStyle;
  const QuoteCase cases[] = {
      {"notes.txt", Posix, false, "notes.txt"},
      {"/usr/lib/x86_64-linux-gnu", Posix, false, "/usr/lib/x86_64-linux-gnu"},
      {"My Folder", Posix, false, "'My Folder'"},
      {"it's", Posix, false, "'it'\\''s'"},
      {"a$b`c\"d;e&f|g*h", Posix, false, "'a$b`c\"d;e&f|g*h'"},
      {"~/My Docs", Posix, true, "~/'My Docs'"},
      {"~/Docs", Posix, false, "~/Docs"},
      {"~", Posix, false, "~"},
      {"caf\xc3\xa9", Posix, false, "caf\xc3\xa9"},
      {"", Posix, false, "''"},
      {"notepad.exe", Windows, false, "notepad.exe"},
      {"C:\\Program Files", Windows, false, "\"C:\\Program Files\""},
      {"C:\\Program Files", Windows, true, "\"C:\\Program Files"},
      {"a&b", Windows, false, "\"a&b\""},
      {"it's", Windows, false, "\"it's\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedWord(c.name, c.style, c.open), c.written) << c.name;
}

}  // namespace
