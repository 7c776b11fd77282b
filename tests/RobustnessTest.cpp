// Whatever the three files and the settings hold, start-up loads them without a crash and
// without undefined behaviour (run under the sanitizers), and what was loaded goes back intact.

#include <gtest/gtest.h>

#include <random>

#include "Fakes.h"

namespace {

std::vector<std::string> HostileContents() {
  std::vector<std::string> contents = {
      "",
      std::string(1, '\0'),
      std::string("a`b\0c\r\n\0\r\n", 10),
      "\r\r\r\n\n\n\r",
      "\n`\r",
      "`",
      std::string(1 << 20, 'x'),  // a 1 MB line
      std::string(1 << 20, '`'),
      "\"\"\"\r\n%\r\n\"\r\n",
  };
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "line" + std::to_string(i % 5000) + "`t\r\n";
  contents.push_back(many);
  std::string mixed;
  std::mt19937 random(7);
  const char pieces[] = {'\r', '\n', '`', ' ', 'a', '\0', '"', '%', '\xff'};
  for (int i = 0; i < 200000; ++i) mixed += pieces[random() % sizeof pieces];
  contents.push_back(mixed);
  return contents;
}

TEST(Robustness, anyFileContentsLoadAndTheProgramRunsOn) {
  for (const std::string& bytes : HostileContents()) {
    FakeProgram p;
    p.files.Put("aliases.cfg", bytes);
    p.files.Put("history.cfg", bytes);
    p.files.Put("permhist.cfg", bytes);
    p.form.Form_Load();
    EXPECT_LE(p.view.list.size(), History::kMaxEntries);
    EXPECT_LE(p.form.Aliases().Count(), AliasTable::kMaxRows);
    p.Run("calc");
    p.Run("\"");
    p.form.Form_QueryUnload();
    EXPECT_EQ(p.instance.ended, 1);
  }
}

TEST(Robustness, savedAliasesLoadBackAsTheSameRows) {
  for (const std::string& bytes : HostileContents()) {
    FakeProgram p;
    p.files.Put("aliases.cfg", bytes);
    p.files.Put("history.cfg", bytes);
    p.form.Form_Load();
    SaveAliases(p.form.Aliases(), p.files);
    AliasTable again;
    LoadAliases(again, p.files);
    EXPECT_EQ(again.AliasNames, p.form.Aliases().AliasNames);
    EXPECT_EQ(again.AliasTargets, p.form.Aliases().AliasTargets);
  }
}

TEST(Robustness, anySettingsTextStartsTheProgram) {
  const std::string texts[] = {"",
                               "?",
                               "-",
                               "+",
                               ".",
                               "1e",
                               "1e-400",
                               "1e400",
                               "-0",
                               "nan",
                               "-inf",
                               "0x1F",
                               "\t5\t",
                               "99999999999999999999999",
                               std::string(100000, '9'),
                               std::string("1\0", 2),
                               "\xff\xfe",
                               "True ",
                               "  -1  "};
  const char* keys[] = {"Ontop",  "Top",   "Left",    "Fore",    "Back",
                        "Height", "Width", "History", "PHistory"};
  for (const std::string& text : texts) {
    FakeProgram p;
    for (const char* key : keys) p.store.Set(key, text);
    p.form.Form_Load();
    p.form.Form_Resize();
    EXPECT_EQ(p.view.moves.size(), 1u);
  }
}

}  // namespace
