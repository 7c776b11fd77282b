#include <gtest/gtest.h>

#include "Fakes.h"
#include "data/Application.h"
#include "data/Hotkey.h"

namespace {

constexpr float kDesignedWidth = 4020;
constexpr float kDesignedHeight = 1290;
constexpr float kCentreLeft = (19200 - kDesignedWidth) / 2;
constexpr float kCentreTop = (15360 - kDesignedHeight) / 2;

TEST(Startup, aSecondInstanceActivatesTheFirstAndTouchesNothing) {
  for (const bool found : {true, false}) {
    FakeProgram p;
    p.instance.another = AnotherInstance::Yes;
    p.instance.activationSucceeds = found;
    p.files.Put("history.cfg", "a\r\n");
    p.form.Form_Load();
    EXPECT_EQ(p.instance.title, "... duplicate instance.");
    EXPECT_EQ(p.instance.activated, std::vector<std::string>{"Vell Command Line"});
    EXPECT_EQ(p.instance.ended, 1);
    EXPECT_TRUE(p.store.reads.empty());
    EXPECT_TRUE(p.files.reads.empty());
    EXPECT_TRUE(p.view.moves.empty());
    EXPECT_TRUE(p.hotkey.registered.empty());
    // A close request while it ends must not write the history either.
    p.form.Form_QueryUnload();
    EXPECT_TRUE(p.files.replaced.empty());
    EXPECT_EQ(p.instance.ended, 1);
  }
}

TEST(Startup, readsTheSettingsInOrderThenAliasesThenHistory) {
  FakeProgram p;
  p.files.Put("aliases.cfg", "");
  p.files.Put("history.cfg", "");
  p.files.Put("permhist.cfg", "");
  p.form.Form_Load();
  EXPECT_EQ(p.store.reads,
            (std::vector<std::string>{"Ontop", "Top", "Left", "Fore", "Back", "Height", "Width",
                                      "History", "PHistory", "Hotkey"}));
  EXPECT_EQ(p.files.reads,
            (std::vector<std::string>{"C:\\Vell\\aliases.cfg", "C:\\Vell\\history.cfg",
                                      "C:\\Vell\\permhist.cfg"}));
  EXPECT_TRUE(p.store.writes.empty());
}

TEST(Files, theProgramDirectoryIsBesideTheProgramWhereTheUserCanWrite) {
  EXPECT_EQ(ChooseProgramDirectory("C:\\Tools\\Vell", true, "C:\\Users\\u\\AppData", '\\'),
            "C:\\Tools\\Vell");
  EXPECT_EQ(
      ChooseProgramDirectory("C:\\Program Files\\Vell", false, "C:\\Users\\u\\AppData", '\\'),
      "C:\\Users\\u\\AppData\\VellCmdLine");
  EXPECT_EQ(ChooseProgramDirectory("/opt/vell", false, "/home/u/.config/", '/'),
            "/home/u/.config/VellCmdLine");
}

// The program's folder cannot be written, so its files are elsewhere: each file is read from
// beside the program until the user has a copy of it, and written to the user's folder only.
TEST(Startup, readsTheCopyBesideTheProgramUntilTheUserHasOne) {
  const struct {
    const char* name;
    bool userCopies;
    const char* target;
    std::vector<std::string> list;
  } cases[] = {
      {"shipped only", false, "shipped.exe", {"shipped history", "shipped entry"}},
      {"the user's copies", true, "mine.exe", {"my history", "my entry"}},
  };
  for (const auto& c : cases) {
    FakeProgram p;
    p.files.shippedFolder = "D:\\Share\\";
    p.files.files["D:\\Share\\aliases.cfg"] = "a`shipped.exe\r\n";
    p.files.files["D:\\Share\\history.cfg"] = "shipped history\r\n";
    p.files.files["D:\\Share\\permhist.cfg"] = "shipped entry\r\n";
    if (c.userCopies) {
      p.files.Put("aliases.cfg", "a`mine.exe\r\n");
      p.files.Put("history.cfg", "my history\r\n");
      p.files.Put("permhist.cfg", "my entry\r\n");
    }
    p.form.Form_Load();
    EXPECT_EQ(p.form.Aliases().ResolveAlias("a"), c.target) << c.name;
    EXPECT_EQ(p.view.list, c.list) << c.name;
    p.form.Form_QueryUnload();
    EXPECT_EQ(p.files.replaced, std::vector<std::string>{"C:\\Vell\\history.cfg"}) << c.name;
  }
}

TEST(Startup, firstRunCentresTheDesignedWindowNotOnTop) {
  FakeProgram p;
  p.form.Form_Load();
  EXPECT_EQ(p.view.topmost, std::vector<bool>{false});
  EXPECT_FALSE(p.menuView.checked);
  ASSERT_EQ(p.view.moves.size(), 1u);
  EXPECT_EQ(p.view.window.Left, kCentreLeft);
  EXPECT_EQ(p.view.window.Top, kCentreTop);
  EXPECT_EQ(p.view.window.Width, kDesignedWidth);
  EXPECT_EQ(p.view.window.Height, kDesignedHeight);
  EXPECT_EQ(p.view.fore, kWindowText);
  EXPECT_EQ(p.view.back, kWindowBackground);
}

struct OnTopCase {
  const char* stored;
  bool topmost;
};

TEST(Startup, onTopSetsTheCheckMarkAndTheWindowBeforeItShows) {
  const OnTopCase cases[] = {{"True", true}, {"False", false}, {"1", true},
                             {"0", false},   {"-1", true},     {"maybe", false}};
  for (const auto& c : cases) {
    FakeProgram p;
    p.store.Set("Ontop", c.stored);
    p.form.Form_Load();
    EXPECT_EQ(p.menuView.checked, c.topmost) << c.stored;
    EXPECT_EQ(p.form.Menu().OnTopChecked(), c.topmost) << c.stored;
    EXPECT_EQ(p.view.topmost, std::vector<bool>{c.topmost}) << c.stored;
  }
}

struct PositionCase {
  const char* name;
  friend void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }
  std::optional<std::string> top, left;
  float expectedTop, expectedLeft;
};

class StartupPositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(StartupPositionTest, restoresOrCentresEachCoordinate) {
  const auto& c = GetParam();
  FakeProgram p;
  p.view.window.Left = 7;  // the designed position
  p.view.window.Top = 9;
  if (c.top) p.store.Set("Top", *c.top);
  if (c.left) p.store.Set("Left", *c.left);
  p.form.Form_Load();
  EXPECT_EQ(p.view.window.Top, c.expectedTop);
  EXPECT_EQ(p.view.window.Left, c.expectedLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartupPositionTest,
    testing::Values(PositionCase{"bothStored", "1950", "300", 1950, 300},
                    PositionCase{"topMinusOneCentres", "-1", "300", kCentreTop, 300},
                    PositionCase{"leftMinusOneCentres", "1950", "-1", 1950, kCentreLeft},
                    PositionCase{"topComparesAsANumber", "-1.0", "300", kCentreTop, 300},
                    PositionCase{"leftComparesAsText", "1950", "-1.0", 1950, -1},
                    PositionCase{"roundsHalvesToEven", " 1950.5 ", "300.5", 1950, 300},
                    PositionCase{"topOutOf32BitRangeKeepsDesigned", "3e9", "300", 9, 300},
                    PositionCase{"leftNotANumberKeepsDesigned", "1950", "abc", 1950, 7},
                    PositionCase{"topEmptyKeepsDesigned", "", "300", 9, 300}),
    [](const auto& info) { return info.param.name; });

struct PlaceCase {
  const char* name;
  const char *top, *left;
  bool centred;
};

// Two 4K monitors side by side: positions far beyond 16 bits of twips are kept, and a strip
// with no more than a sliver on either monitor is centred.
TEST(Startup, keepsAnyPositionOnAMonitorAndCentresALostStrip) {
  const PlaceCase cases[] = {
      {"secondMonitor", "30000", "90000", false},
      {"rightEdge", "1000", "111000", false},  // 600 of 4020 twips still on the screen
      {"monitorGone", "1000", "120000", true},
      {"leftSliver", "1000", "-4000", true},  // 20 twips: less than a grip
      {"topSliver", "-1200", "300", true},    // 90 twips
      {"bottomSliver", "32300", "300", true},
      {"partlyAboveTheTop", "-1000", "-3000", false},
  };
  for (const auto& c : cases) {
    FakeProgram p;
    p.screen.monitors = {{0, 0, 57600, 32400}, {57600, 0, 57600, 32400}};
    p.store.Set("Top", c.top);
    p.store.Set("Left", c.left);
    p.form.Form_Load();
    if (c.centred) {
      EXPECT_EQ(p.view.window.Left, kCentreLeft) << c.name;
      EXPECT_EQ(p.view.window.Top, kCentreTop) << c.name;
    } else {
      EXPECT_EQ(p.view.window.Left, std::stof(c.left)) << c.name;
      EXPECT_EQ(p.view.window.Top, std::stof(c.top)) << c.name;
    }
  }
}

struct ColorCase {
  std::optional<std::string> fore, back;
  Color expectedFore, expectedBack;
};

TEST(Startup, restoresColoursAndKeepsTheDesignedOnesOtherwise) {
  const ColorCase cases[] = {
      {"?", "255", kWindowText, Color::OfRgb(255)},
      {" 16711680 ", std::nullopt, Color::OfRgb(16711680), kWindowBackground},
      {"red", "1e40", kWindowText, kWindowBackground},
      {"0", "?", Color::OfRgb(0), kWindowBackground},
      {"-2147483648", "-2147483640", kWindowText, kWindowBackground},  // system colours
  };
  for (const auto& c : cases) {
    FakeProgram p;
    if (c.fore) p.store.Set("Fore", *c.fore);
    if (c.back) p.store.Set("Back", *c.back);
    p.form.Form_Load();
    EXPECT_EQ(p.form.Text1.ForeColor(), c.expectedFore);
    EXPECT_EQ(p.form.Text1.BackColor(), c.expectedBack);
    EXPECT_EQ(p.view.fore, c.expectedFore);
    EXPECT_EQ(p.view.back, c.expectedBack);
  }
}

struct SizeCase {
  std::optional<std::string> height, width;
  float expectedHeight, expectedWidth;
};

TEST(Startup, restoresTheSizeOnlyWhenBothAreSet) {
  const SizeCase cases[] = {
      {"3000", "4500", 3000, 4500},
      {"0", "4500", kDesignedHeight, kDesignedWidth},
      {"3000", std::nullopt, kDesignedHeight, kDesignedWidth},
      {"3000", "wide", kDesignedHeight, kDesignedWidth},
      {"-3000", "4500", kDesignedHeight, kDesignedWidth},
      {"1500.5", "4500.25", 1500.5, 4500.25},
      // A strip too small to use gets one line of the box and a grip beside the menu button,
      // with its border; one larger than the desktop the desktop's size.
      {"1", "1", 315 + 120, 900 + 120},
      {"1e-30", "10", 315 + 120, 900 + 120},
      {"1e30", "99999", 15360, 19200},
  };
  for (const auto& c : cases) {
    FakeProgram p;
    if (c.height) p.store.Set("Height", *c.height);
    if (c.width) p.store.Set("Width", *c.width);
    p.form.Form_Load();
    EXPECT_EQ(p.view.window.Height, c.expectedHeight);
    EXPECT_EQ(p.view.window.Width, c.expectedWidth);
  }
}

TEST(Startup, centringUsesTheDesignedSizeNotTheSavedOne) {
  FakeProgram p;
  p.store.Set("Height", "3000");
  p.store.Set("Width", "6000");
  p.form.Form_Load();
  EXPECT_EQ(p.view.window.Top, kCentreTop);
  EXPECT_EQ(p.view.window.Left, kCentreLeft);
}

struct SwitchCase {
  std::optional<std::string> history, permanent;
  std::vector<std::string> list;
};

TEST(Startup, historySwitchesTurnOffOnlyWithOne) {
  const SwitchCase cases[] = {
      {std::nullopt, std::nullopt, {"h", "p"}},
      {"1", std::nullopt, {"p"}},
      {std::nullopt, "1", {"h"}},
      {"1", "1", {}},
      {"2", "0", {"h", "p"}},
      {"off", "1.2", {"h"}},  // 1.2 rounds to 1
      {" 1 ", "0.6", {}},
  };
  for (const auto& c : cases) {
    FakeProgram p;
    p.files.Put("history.cfg", "h\r\n");
    p.files.Put("permhist.cfg", "p\r\n");
    if (c.history) p.store.Set("History", *c.history);
    if (c.permanent) p.store.Set("PHistory", *c.permanent);
    p.form.Form_Load();
    EXPECT_EQ(p.view.list, c.list) << c.history.value_or("-") << " " << c.permanent.value_or("-");
  }
}

// A bad line and a file that cannot be read show the one message and skip the history.
TEST(Startup, aBadAliasLineSkipsTheHistory) {
  for (const bool unreadable : {false, true}) {
    FakeProgram p;
    p.store.Set("Ontop", "True");
    p.store.Set("Top", "100");
    p.store.Set("Hotkey", "Ctrl+Alt+H");
    p.files.Put("aliases.cfg", "np`notepad\r\nbad\r\n");
    if (unreadable) p.files.unreadable.insert(p.files.PathOf("aliases.cfg"));
    p.files.Put("history.cfg", "h\r\n");
    p.form.Form_Load();
    ASSERT_EQ(p.msgbox.shown.size(), 1u);
    EXPECT_EQ(p.msgbox.shown[0].text,
              "There was a problem with one of your aliases.  Please fix the file or remove it.");
    EXPECT_EQ(p.msgbox.shown[0].caption, "Vell Command Line");
    EXPECT_EQ(p.msgbox.shown[0].buttons, MsgBoxButtons::OK);
    EXPECT_TRUE(p.view.list.empty());
    EXPECT_EQ(p.view.window.Top, 100);
    EXPECT_EQ(p.view.topmost, std::vector<bool>{true});
    EXPECT_EQ(p.form.Aliases().ResolveAlias("np"), unreadable ? "np" : "notepad");
    EXPECT_EQ(p.files.reads, std::vector<std::string>{"C:\\Vell\\aliases.cfg"});
    // The strip stays reachable by its hotkey.
    EXPECT_EQ(p.hotkey.registered.size(), 1u);
  }
}

struct HotkeyCase {
  std::optional<std::string> stored;
  HotkeyRegistration registration;
  std::size_t registered;  // keys handed to the platform
  const char* message;     // the start of the one message; none when empty
};

TEST(Startup, theHotkeyIsRegisteredLastOrSaysOnceWhyNot) {
  const HotkeyCase cases[] = {
      {std::nullopt, HotkeyRegistration::Registered, 0, ""},
      {"", HotkeyRegistration::Registered, 0, ""},
      {"   ", HotkeyRegistration::Registered, 0, ""},
      {"Ctrl+Alt+Space", HotkeyRegistration::Registered, 1, ""},
      {" ctrl+alt+h ", HotkeyRegistration::Registered, 1, ""},
      {"Ctrl+Alt", HotkeyRegistration::Registered, 0, "The hotkey \"Ctrl+Alt\" is not one"},
      {"Shift+A", HotkeyRegistration::Registered, 0, "The hotkey \"Shift+A\" is not one"},
      {"Ctrl+Alt+Space", HotkeyRegistration::Taken, 1,
       "The hotkey Ctrl+Alt+Space could not be registered"},
      {"Ctrl+Alt+Space", HotkeyRegistration::Unavailable, 1,
       "This desktop gives programs no hotkey"},
      // A message quotes only the start of a long value.
      {"Ctrl+Alt+" + std::string(1000000, 'x'), HotkeyRegistration::Registered, 0,
       "The hotkey \"Ctrl+Alt+xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" is not one"},
      {"Ctrl+Alt+" + std::string(1000, ' ') + "H", HotkeyRegistration::Taken, 1,
       "The hotkey Ctrl+Alt+                               ... could not be registered"},
  };
  for (const HotkeyCase& c : cases) {
    const std::string name = c.stored.value_or("absent").substr(0, 20) + std::string(" ") +
                             std::to_string(static_cast<int>(c.registration));
    FakeProgram p;
    p.files.Put("history.cfg", "h\r\n");
    if (c.stored) p.store.Set("Hotkey", *c.stored);
    p.hotkey.result = c.registration;
    p.form.Form_Load();
    EXPECT_EQ(p.hotkey.registered.size(), c.registered) << name;
    if (*c.message) {
      ASSERT_EQ(p.msgbox.shown.size(), 1u) << name;
      EXPECT_EQ(p.msgbox.shown[0].text.rfind(c.message, 0), 0u)
          << p.msgbox.shown[0].text.substr(0, 200);
      EXPECT_EQ(p.msgbox.shown[0].caption, "Vell Command Line");
    } else {
      EXPECT_TRUE(p.msgbox.shown.empty()) << name;
    }
    // Everything else of start-up has happened before.
    EXPECT_EQ(p.view.list, std::vector<std::string>{"h"}) << name;
    EXPECT_TRUE(p.view.calls.empty()) << name;
  }
}

// A settings file the store could not use is said last, whatever came before.
TEST(Startup, anUnusableSettingsFileIsSaidLast) {
  FakeProgram p;
  p.store.unusable = "/home/u/.config/VellCmdLine/VellCmdLine.ini";
  p.store.Set("Hotkey", "Shift+A");
  p.form.Form_Load();
  ASSERT_EQ(p.msgbox.shown.size(), 2u);
  EXPECT_EQ(p.msgbox.shown[1].text,
            "The settings file /home/u/.config/VellCmdLine/VellCmdLine.ini is not an ordinary "
            "file: the program starts with its default settings and keeps none of the changes.");
}

TEST(Startup, theRegisteredKeyIsTheParsedOneAndActivatesTheStrip) {
  FakeProgram p;
  p.store.Set("Hotkey", "Ctrl+Alt+H");
  p.form.Form_Load();
  ASSERT_EQ(p.hotkey.registered,
            (std::vector<Hotkey>{{kHotkeyCtrl | kHotkeyAlt, static_cast<HotkeyKey>('H')}}));
  p.hotkey.pressed();
  EXPECT_EQ(p.view.calls, (std::vector<std::string>{"BringToFront", "SelectText1"}));
}

}  // namespace
