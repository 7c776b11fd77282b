#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commandwindow/CommandBox.h"
#include "data/AliasTable.h"
#include "data/Settings.h"
#include "menu/menuholder.h"
#include "platform/CmdLineView.h"
#include "platform/Control.h"
#include "platform/MenuView.h"
#include "platform/Services.h"

// The command window: start-up, the dispatcher, the layout and the close path.
class CmdLine : public MenuOwner {
 public:
  // The designed window: a strip without title bar, client area 3900 x 1170 twips.
  static constexpr float kClientWidth = 3900;
  static constexpr float kClientHeight = 1170;
  static constexpr Rect kCommand2{0, 0, 135, 300};     // the blank menu button
  static constexpr Rect kText1{100, 0, 1815, 315};     // the command box
  static constexpr Rect kCommand1{3990, 0, 210, 315};  // ">", the default button
  // The controls in stacking order, top first: Command2 covers Text1's left end, and Text1
  // covers Command1 (">") once the window is wider than designed.
  static constexpr Control kControls[] = {
      {"Command2", "", kCommand2, 2, false},
      {"Text1", "", kText1, 1},
      {"Command1", ">", kCommand1, 0},
  };
  // The least client area a restored strip gets: one line of the box, and the menu button
  // with a few characters beside it.
  static constexpr Rect kLeastClient{0, 0, 900, kText1.Height};
  // A strip showing less than this on every monitor (30 x 10 pixels at 96 DPI) is lost.
  static constexpr Rect kLeastVisible{0, 0, 450, 150};

  CmdLine(CmdLineView& view, MenuView& menuView, const Services& services);

  CommandBox Text1;
  // Read at start-up; 1 switches history.cfg or permhist.cfg off.
  std::int16_t HistorySetting = 0;
  std::int16_t PHistorySetting = 0;

  menuholder& Menu() { return menu_; }
  void SetBoxText(const std::string& text) override { Text1.SetText(text); }
  void ClearHistory() override { Text1.Clear(); }
  void SetForeColor(Color color) override { Text1.SetForeColor(color); }
  void SetBackColor(Color color) override { Text1.SetBackColor(color); }
  void UseSystemColors() override {
    Text1.SetForeColor(kWindowText);
    Text1.SetBackColor(kWindowBackground);
  }
  AliasTable& Aliases() override { return aliases_; }
  void SetTopmost(bool topmost) override { view_.SetTopmost(topmost); }
  void Close() override { Form_QueryUnload(); }

  void Form_Load();
  void Command1_Click();
  // The user changed Text1's text: typed, pasted, cut or dropped. A pick from the list is none.
  void Text1_Change();
  // The user picked a row of Text1's list into the box (Up, Down, a click); the view has put
  // the row's text in.
  void Text1_Click();
  // A key pressed in Text1; true when it was handled here and goes no further.
  bool Text1_KeyDown(int KeyCode, int Shift);
  // A character typed into Text1 (Backspace 8, Ctrl+V 22), before the box takes it.
  void Text1_KeyPress(int KeyAscii);
  void Form_Resize();
  void Command2_Click();
  void Command2_MouseDown(int Button);
  void Form_MouseDown(int Button);
  // The close path of every way the program ends: saves the history and ends the program.
  void Form_QueryUnload();
  // The session is ending and may yet be cancelled: saves what the close path saves, and the
  // program runs on. The close that follows when the session does end writes only what changed.
  void Form_QueryEndSession();
  // A system move that went on after Command2_MouseDown returned has ended.
  void MoveEnded();
  // The user called the strip from the keyboard (a second start, the hotkey): it comes to the
  // front ready for a new line, the old one selected so that typing replaces it.
  void Activate();

 private:
  void ExecuteCommand();
  // Pops the menu up and runs the command chosen.
  void PopupMenu();
  // Tab in Text1: completes the word at the cursor; false when nothing completes it.
  bool CompleteText1();
  std::vector<Candidate> OfferFor(std::string_view text);
  void SaveHistory();
  // The list is as the session's save wrote it (or failed to, and said so).
  bool HistorySavedForSession() const;
  void RestoreGeometry();
  void KeepReachable(Rect& window, const Rect& designed);
  void WriteGeometry(bool withSize);
  void End();
  void RegisterHotkey();
  // A message box with OK, captioned with the application title.
  void Tell(const std::string& text);

  CmdLineView& view_;
  Services services_;
  Settings settings_;
  AliasTable aliases_;
  menuholder menu_;
  // False when start-up did not read history.cfg: the close must not drop what it holds.
  bool historyLoaded_ = false;
  // No lock could be had: another instance may be writing history.cfg too.
  bool shared_ = false;
  bool ending_ = false;
  // The box's text and cursor as the last Tab left them: a Tab that finds them so again shows
  // the names that fit.
  std::optional<std::pair<std::string, std::size_t>> tabbed_;
  std::optional<std::string> sessionSaved_;  // the list's text that the session's save wrote
};
