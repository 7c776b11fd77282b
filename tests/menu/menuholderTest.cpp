#include <gtest/gtest.h>

#include "Fakes.h"

namespace {

struct Started : FakeProgram {
  Started() { form.Form_Load(); }
  menuholder& menu() { return form.Menu(); }
};

TEST(menuholder, theMenuTableHoldsTheDesignedItemsInOrder) {
  std::vector<std::string> captions;
  for (int i = 0; i < menuholder::kMenuCount; ++i)
    captions.push_back(std::string(menuholder::kMenu[i].Level ? "  " : "") +
                       menuholder::kMenu[i].Caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"Browse...", "-", "Define aliases...", "-", "On Top",
                                      "Clear Command History", "Colors", "  Change Text Color...",
                                      "  Change Background Color", "  Use Windows' Default Colors",
                                      "-", "About this application...", "Exit"}));
  // On Linux the caption that names Windows names the desktop; every other one is the same.
  FakeProgram onWindows, onLinux(Platform::Linux);
  for (int i = 0; i < menuholder::kMenuCount; ++i) {
    const MenuItem& item = menuholder::kMenu[i];
    EXPECT_EQ(std::string(menuholder::Caption(i, Platform::Windows)), item.Caption);
    EXPECT_EQ(std::string(menuholder::Caption(i, Platform::Linux)),
              i == 9 ? "Use the Desktop's Default Colors" : item.Caption);
    const bool command = std::string(item.Caption) != "-" && std::string(item.Name) != "mnuColors";
    EXPECT_EQ(item.Click != nullptr, command) << item.Name;
    EXPECT_EQ(item.Checkable, std::string(item.Name) == "mnuontop") << item.Name;
  }
}

TEST(menuholder, theTreeHangsTheColourItemsUnderColors) {
  std::vector<std::string> shown;
  for (const MenuEntry& entry : menuholder::Tree()) {
    shown.push_back(menuholder::kMenu[entry.Row].Name);
    for (const MenuEntry& inner : entry.Entries)
      shown.push_back(std::string("  ") + menuholder::kMenu[inner.Row].Name);
    EXPECT_EQ(menuholder::kMenu[entry.Row].SubMenu(), !entry.Entries.empty());
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{"mnuBrowse", "sep", "mnualias", "s5", "mnuontop", "mnuHist",
                                      "mnuColors", "  ChgTxtColor", "  ChgBkgColro",
                                      "  mnudefaultclr", "sep2", "mnuAbout", "mnuExit"}));
}

TEST(menuholder, menuItemsReachTheirHandlersThroughTheTable) {
  Started p;
  p.view.chosenRow = 4;  // "On Top"
  p.form.Command2_Click();
  EXPECT_TRUE(p.menuView.checked);
  p.view.chosenRow = 6;  // "Colors", which holds the sub-menu
  p.form.Command2_Click();
  p.view.chosenRow = 13;  // past the table
  p.form.Command2_Click();
  EXPECT_TRUE(p.menuView.checked);
  EXPECT_EQ(p.store.writes, std::vector<std::string>{"Ontop=True"});
}

TEST(mnuontop_Click, togglesTheWindowTheCheckMarkAndTheSetting) {
  Started p;
  p.menu().mnuontop_Click();
  EXPECT_EQ(p.view.topmost, (std::vector<bool>{false, true}));
  EXPECT_TRUE(p.menuView.checked);
  EXPECT_EQ(p.store.Get("Ontop"), "True");
  p.menu().mnuontop_Click();
  EXPECT_EQ(p.view.topmost, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(p.menuView.checked);
  EXPECT_EQ(p.store.Get("Ontop"), "False");
}

TEST(mnuontop_Click, storedFalseThenOneToggleStoresTrue) {
  FakeProgram p;
  p.store.Set("Ontop", "False");
  p.form.Form_Load();
  p.form.Menu().mnuontop_Click();
  EXPECT_EQ(p.store.Get("Ontop"), "True");
}

TEST(mnuBrowse_Click, putsTheChosenPathUnquotedAndRunsNothing) {
  Started p;
  p.view.text = "typed";
  p.menu().mnuBrowse_Click();  // cancelled before any file was chosen
  EXPECT_EQ(p.view.text, "typed");
  p.dialog.files.push_back(std::string("/home/me/My Tools/run me.sh"));
  p.menu().mnuBrowse_Click();
  EXPECT_EQ(p.view.text, "/home/me/My Tools/run me.sh");
  EXPECT_TRUE(p.shell.requests.empty());
  EXPECT_EQ(p.dialog.openCalls[0].first,
            (std::vector<FileFilter>{{"All Files", {"*.*"}},
                                     {"Executable Files", {"*.exe", "*.com", "*.bat"}},
                                     {"Batch Files", {"*.bat"}},
                                     {"Screen Savers", {"*.scr"}}}));
  EXPECT_EQ(p.dialog.openCalls[0].second, "");
  p.view.text = "";
  p.menu().mnuBrowse_Click();  // a cancel now gives the file chosen last
  EXPECT_EQ(p.dialog.openCalls[2].second, "/home/me/My Tools/run me.sh");
  EXPECT_EQ(p.view.text, "/home/me/My Tools/run me.sh");
}

TEST(ColourCommands, applyAndStoreTheChosenColour) {
  Started p;
  p.dialog.colors = {16711680u, 255u};
  p.menu().ChgBkgColro_Click();
  EXPECT_EQ(p.view.back, Color::OfRgb(16711680));
  EXPECT_EQ(p.store.Get("Back"), "16711680");
  p.menu().ChgTxtColor_Click();
  EXPECT_EQ(p.view.fore, Color::OfRgb(255));
  EXPECT_EQ(p.store.Get("Fore"), "255");
  EXPECT_EQ(p.dialog.colorInitials, (std::vector<std::uint32_t>{0u, 16711680u}));

  FakeProgram next;  // the next start restores them
  next.store = p.store;
  next.form.Form_Load();
  EXPECT_EQ(next.view.fore, Color::OfRgb(255));
  EXPECT_EQ(next.view.back, Color::OfRgb(16711680));
}

TEST(ColourCommands, aCancelChangesNothing) {
  Started p;
  p.menu().ChgTxtColor_Click();
  p.menu().ChgBkgColro_Click();
  EXPECT_EQ(p.view.fore, kWindowText);
  EXPECT_EQ(p.view.back, kWindowBackground);
  EXPECT_TRUE(p.store.writes.empty());
}

TEST(ColourCommands, aFailedWriteKeepsTheNewColourShown) {
  Started p;
  p.store.failWrites = true;
  p.dialog.colors = {255u};
  p.menu().ChgTxtColor_Click();
  EXPECT_EQ(p.view.fore, Color::OfRgb(255));
  EXPECT_EQ(p.store.Get("Fore"), std::nullopt);
}

TEST(mnudefaultclr_Click, showsTheSystemColoursAndStoresQuestionMarks) {
  FakeProgram p;
  p.store.Set("Fore", "255");
  p.store.Set("Back", "0");
  p.form.Form_Load();
  p.form.Menu().mnudefaultclr_Click();
  EXPECT_EQ(p.view.fore, Color::Of(ColorRole::WindowText));
  EXPECT_EQ(p.view.back, Color::Of(ColorRole::WindowBackground));
  EXPECT_EQ(p.store.writes, (std::vector<std::string>{"Fore=?", "Back=?"}));
  FakeProgram next;
  next.store = p.store;
  next.form.Form_Load();
  EXPECT_EQ(next.view.fore, kWindowText);
  EXPECT_EQ(next.view.back, kWindowBackground);
}

TEST(mnuHist_Click, emptiesTheListAndTheBoxAndTheNextSave) {
  FakeProgram p;
  p.files.Put("history.cfg", "a\r\nb\r\n");
  p.form.Form_Load();
  p.view.text = "half typed";
  p.form.Menu().mnuHist_Click();
  EXPECT_TRUE(p.view.list.empty());
  EXPECT_EQ(p.view.text, "");
  EXPECT_EQ(p.files.Get("history.cfg"), "a\r\nb\r\n");
  p.Run("after");
  p.form.Menu().mnuExit_Click();
  EXPECT_EQ(p.files.Get("history.cfg"), "after\r\n");
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(mnuExit_Click, withHistoryOneEndsWithoutWriting) {
  FakeProgram p;
  p.store.Set("History", "1");
  p.form.Form_Load();
  p.form.Menu().mnuExit_Click();
  EXPECT_TRUE(p.files.replaced.empty());
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(mnuAbout_Click, showsTheAboutBoxEachTime) {
  Started p;
  p.menu().mnuAbout_Click();
  p.menu().mnuAbout_Click();
  EXPECT_EQ(p.menuView.aboutShown, 2);
  EXPECT_EQ(p.menuView.aboutTitle, "Vell CommandLine For 32 bit Windows");
  FakeProgram onLinux(Platform::Linux);
  onLinux.form.Menu().mnuAbout_Click();
  EXPECT_EQ(onLinux.menuView.aboutTitle, "Vell CommandLine For Linux");
}

// A font too wide for its box narrows until the text fits, and no further than its floor.
TEST(frmabout, fontsNarrowUntilTheTextFits) {
  const auto upTo = [](float largest) { return [largest](float size) { return size <= largest; }; };
  EXPECT_EQ(frmabout::LabelFontSize(8, true, upTo(9)), 8);
  EXPECT_EQ(frmabout::LabelFontSize(8, true, upTo(7.6f)), 7.5f);
  EXPECT_EQ(frmabout::LabelFontSize(8, true, upTo(0)), 6);
  EXPECT_EQ(frmabout::LabelFontSize(8, false, upTo(0)), 8);  // a wrapped label keeps its font
  const auto upToPixels = [](int largest) { return [largest](int size) { return size <= largest; }; };
  EXPECT_EQ(frmabout::HeadingSize(67, upToPixels(40)), 36);
  EXPECT_EQ(frmabout::HeadingSize(67, upToPixels(30)), 28);  // 36, 32, then 28 fits
  EXPECT_EQ(frmabout::HeadingSize(67, upToPixels(0)), 7);
}

}  // namespace
