#include <gtest/gtest.h>

#include "Fakes.h"
#include "completion/Candidates.h"
#include "completion/Completion.h"

namespace {

TEST(CommonBeginning, sharesLettersWithCaseOnlyOnPosix) {
  using enum PathStyle;
  using Names = std::vector<std::string>;
  const std::tuple<Names, PathStyle, const char*> cases[] = {
      {{}, Posix, ""},
      {{"firefox"}, Posix, "firefox"},
      {{"firefox", "firewall", "fire"}, Posix, "fire"},
      {{"Music", "music"}, Posix, ""},
      {{"Music", "music", "Musik"}, Windows, "Musi"},
      {{"Program Files", "program data"}, Windows, "Program "},
      {{"caf\xc3\xa9", "caf\xc3\xa8"}, Posix, "caf\xc3"},
  };
  for (const auto& [names, style, common] : cases)
    EXPECT_EQ(CommonBeginning(names, style), common) << testing::PrintToString(names);
}

struct TabCase {
  const char* line;
  std::size_t cursor;
  const char* after;  // the line after Tab, "|" at the cursor; nullptr: Tab completes nothing
  std::vector<std::string> choices = {};
};

TEST(CompleteAtCursor, completesTheWordAsAShellDoes) {
  FakeListings listings;
  listings.programs = {"firefox", "firewall-config", "gedit", "git"};
  listings.folders["/home/u"] = {
      {"Documents", true}, {"My Notes.txt", false}, {".bashrc", false}, {"gittalk", false}};
  listings.folders["/home/u/Documents/"] = {
      {"a b", true}, {"report.odt", false}, {"report.pdf", false}};
  listings.folders["/usr/"] = {{"bin", true}, {"lib", true}, {"lib64", true}};
  listings.folders["/home/u/My Dir/"] = {{"it's.txt", false}};
  const std::vector<std::string> aliases = {"np", "gi", ""};
  const TabCase cases[] = {
      {"fi", 2, "fire|", {}},
      {"firef", 5, "firefox |"},
      {"ged", 3, "gedit |"},
      {"np", 2, "np |"},
      {"g", 1, "g|", {"gedit", "gi", "git", "gittalk"}},
      {"Doc", 3, "Documents/|"},
      {"xdg-open Doc", 12, "xdg-open Documents/|"},
      {"gedit Documents/rep", 19, "gedit Documents/report.|"},
      {"gedit Documents/report.",
       23,
       "gedit Documents/report.|",
       {"Documents/report.odt", "Documents/report.pdf"}},
      {"gedit My", 8, "gedit 'My Notes.txt' |"},
      {"gedit ~/Documents/a", 19, "gedit ~/'Documents/a b'/|"},
      {"gedit ~", 7, "gedit ~/|"},
      {"gedit 'My Dir'/it", 17, "gedit 'My Dir/it'\\''s.txt' |"},
      {"gedit .ba", 9, "gedit .bashrc |"},
      {"gedit ", 6, "gedit |", {"Documents", "My Notes.txt", "gittalk"}},
      {"ls /usr/li x", 10, "ls /usr/lib| x"},
      {"%cat /usr/lib6", 14, "%cat /usr/lib64/|"},
      {"%ls | fire", 10, "%ls | fire|", {"firefox", "firewall-config"}},
      {"gedit nothing", 13, nullptr},
      {"gedit /no/such/", 15, nullptr},
      {"/usr/b", 6, "/usr/bin/|"},
  };
  const auto several =
      CompleteAtCursor("gedit Documents/report. x", 23, PathStyle::Posix, aliases, listings);
  ASSERT_EQ(several->Choices.size(), 2u);
  EXPECT_EQ(several->Choices[1].Line, "gedit Documents/report.pdf  x");
  for (const auto& c : cases) {
    const auto done = CompleteAtCursor(c.line, c.cursor, PathStyle::Posix, aliases, listings);
    if (!c.after) {
      EXPECT_FALSE(done) << c.line;
      continue;
    }
    ASSERT_TRUE(done) << c.line;
    std::string shown = done->Line;
    shown.insert(done->Cursor, "|");
    EXPECT_EQ(shown, c.after) << c.line;
    std::vector<std::string> choices;
    for (const Candidate& choice : done->Choices) choices.push_back(choice.Name);
    EXPECT_EQ(choices, c.choices) << c.line;
  }
}

TEST(CompleteAtCursor, windowsQuotesWithDoubleQuotesAndIgnoresCase) {
  FakeListings listings;
  listings.start = "C:\\Users\\u";
  listings.programs = {"notepad.exe", "NOTEPAD++.exe"};
  listings.folders["C:\\"] = {
      {"Program Files", true}, {"Program Files (x86)", true}, {"pagefile.sys", false}};
  listings.folders["C:\\Program Files\\"] = {{"Tool", true}};
  listings.folders["C:\\Users\\u"] = {{"Desktop", true}};
  const std::tuple<const char*, const char*> cases[] = {
      {"note", "notepad|"},
      {"C:\\pro", "\"C:\\Program Files|"},
      {"\"C:\\Program Files\\t", "\"C:\\Program Files\\Tool\\|"},
      {"type C:\\PAGE", "type C:\\pagefile.sys |"},
      {"desk", "Desktop\\|"},
  };
  for (const auto& [line, after] : cases) {
    const auto done =
        CompleteAtCursor(line, std::string_view(line).size(), PathStyle::Windows, {}, listings);
    ASSERT_TRUE(done) << line;
    std::string shown = done->Line;
    shown.insert(done->Cursor, "|");
    EXPECT_EQ(shown, after) << line;
  }
}

TEST(LineOfExec, dropsFieldCodesAndNeedsNoShellForPlainWords) {
  const std::pair<const char*, const char*> cases[] = {
      {"firefox %u", "firefox"},
      {"gimp-2.10 %U", "gimp-2.10"},
      {"libreoffice --writer %U", "\"libreoffice\" --writer"},
      {"app --icon %i --name %c --file %k %f %F %d %D %n %N %v %m", "\"app\" --icon --name --file"},
      {"printf 100%% %%u", "\"printf\" 100% %u"},
      {"\"/opt/My App/run\" --x=\"a b\" %F", "\"/opt/My App/run\" '--x=a b'"},
      {"sh -c \"echo \\\"hi\\\" \\$HOME\"", "\"sh\" -c 'echo \"hi\" $HOME'"},
      {"prog \"\"", "\"prog\" ''"},
      {"%f", ""},
      {"\"we\\\"ird\" x", "%'we\"ird' x"},
      {"%%prog", "\"%prog\""},
      {"run %z", "\"run\" %z"},
  };
  for (const auto& [exec, line] : cases) EXPECT_EQ(LineOfExec(exec), line) << exec;
}

TEST(MatchCandidates, applicationsFirstThenAliasesAndProgramsEachOnceAndNoneRanBefore) {
  History history;
  history.Append("firefox");
  const std::vector<Application> apps = {{"Text Editor", "gedit"},
                                         {"Firefox Web Browser", "firefox"},
                                         {"LibreOffice Writer", "\"libreoffice\" --writer"},
                                         {"Fire Drill", "\"drill\" --fire"},
                                         {"Wildfire", "wildfire"}};
  const std::vector<std::string> aliases = {"fi", "f", "Fire"};
  const std::vector<std::string> programs = {"firewall-config", "fire", "Firefly", "ffmpeg"};
  std::vector<std::string> rows;
  for (const Candidate& c :
       MatchCandidates(" fire", history, apps, aliases, programs, PathStyle::Posix))
    rows.push_back(c.Name + "=" + c.Line);
  EXPECT_EQ(rows, (std::vector<std::string>{"Fire Drill=\"drill\" --fire", "Wildfire=wildfire",
                                            "fire=fire", "firewall-config=firewall-config"}));
  rows.clear();
  for (const Candidate& c :
       MatchCandidates("FIRE", history, apps, aliases, programs, PathStyle::Windows))
    rows.push_back(c.Name);
  EXPECT_EQ(rows, (std::vector<std::string>{"Fire Drill", "Wildfire", "fire", "Firefly",
                                            "firewall-config"}));
  EXPECT_TRUE(MatchCandidates("  ", history, apps, aliases, programs, PathStyle::Posix).empty());

  std::vector<std::string> many;
  for (int i = 0; i < 80; ++i) many.push_back("prog" + std::to_string(100 + i));
  const auto limited = MatchCandidates("prog", history, {}, {}, many, PathStyle::Posix);
  ASSERT_EQ(limited.size(), 50u);
  EXPECT_EQ(limited.front().Name, "prog100");
  EXPECT_EQ(limited.back().Name, "prog149");
}

}  // namespace
