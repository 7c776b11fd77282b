#include "commandwindow/CmdLine.h"

#include <algorithm>

#include "commandwindow/Dispatch.h"
#include "completion/Candidates.h"
#include "completion/Completion.h"
#include "data/Application.h"
#include "data/Conversions.h"
#include "data/Hotkey.h"
#include "data/TextLines.h"

namespace {

// A value written by hand may be of any length: a message quotes its start, so that the box
// stays on the screen.
std::string Beginning(std::string_view value) {
  constexpr std::size_t kQuoted = 40;
  if (value.size() <= kQuoted) return std::string(value);
  return std::string(value.substr(0, kQuoted)) + "...";
}

}  // namespace

CmdLine::CmdLine(CmdLineView& view, MenuView& menuView, const Services& services)
    : Text1(view),
      view_(view),
      services_(services),
      settings_(services.store),
      menu_(*this, menuView, services.dialog, services.store, services.files, services.msgbox,
            services.platform) {
  Text1.OfferWith([this](std::string_view text) { return OfferFor(text); });
}

// Asked at the first keystroke, not before: the listings index what they list when first asked.
std::vector<Candidate> CmdLine::OfferFor(std::string_view text) {
  Listings& listings = services_.listings;
  return MatchCandidates(text, Text1.List(), listings.Applications(), aliases_.AliasNames,
                         listings.Programs(), listings.Style());
}

void CmdLine::Form_Load() {
  Instance& instance = services_.instance;
  const AnotherInstance another = instance.IsAnotherRunning();
  shared_ = another == AnotherInstance::CannotTell;
  if (another == AnotherInstance::Yes) {
    const std::string title = instance.Title();
    instance.SetTitle(kDuplicateTitle);
    instance.ActivateByTitle(title);
    End();
    return;
  }

  if (const auto onTop = TextToBoolean(settings_.ReadSetting(kOntop)))
    menu_.SetOnTopChecked(*onTop);
  view_.SetTopmost(menu_.OnTopChecked());

  RestoreGeometry();

  if (const auto history = TextToInteger(settings_.ReadSetting(kHistory)))
    HistorySetting = *history;
  if (const auto permanent = TextToInteger(settings_.ReadSetting(kPHistory)))
    PHistorySetting = *permanent;

  if (!LoadAliases(aliases_, services_.files)) {
    // The history is not read; the hotkey still is, so that the strip stays reachable.
    Tell("There was a problem with one of your aliases.  Please fix the file or remove it.");
  } else {
    Text1.LoadList([this](History& list) {
      if (HistorySetting != 1) historyLoaded_ = LoadHistory(list, services_.files);
      if (PHistorySetting != 1) LoadPermanentHistory(list, services_.files);
    });
  }

  RegisterHotkey();
  if (const std::string file = services_.store.UnusableFile(); !file.empty())
    Tell("The settings file " + file +
         " is not an ordinary file: the program starts with its default settings and keeps none "
         "of the changes.");
}

// Off unless set; a key that cannot be had is said once and start-up goes on without it.
void CmdLine::RegisterHotkey() {
  const std::string value(TrimSpaces(settings_.ReadSetting(kHotkey)));
  if (value.empty()) return;
  const auto hotkey = ParseHotkey(value);
  const std::string text = Beginning(value);
  if (!hotkey) {
    Tell("The hotkey \"" + text +
         "\" is not one this program knows. Write it as modifiers and one key, such as "
         "Ctrl+Alt+Space, with at least Ctrl, Alt or Meta. The strip starts without a hotkey.");
    return;
  }
  switch (services_.hotkey.Register(*hotkey, [this] { Activate(); })) {
    case HotkeyRegistration::Registered:
      break;
    case HotkeyRegistration::Taken:
      Tell("The hotkey " + text +
           " could not be registered: another program may use it. The strip starts without a "
           "hotkey.");
      break;
    case HotkeyRegistration::Unavailable:
      Tell("This desktop gives programs no hotkey of their own, so " + text +
           " does nothing. A keyboard shortcut of the desktop that starts the program brings "
           "the strip to the front instead.");
      break;
  }
}

void CmdLine::Activate() {
  if (ending_) return;
  if (view_.BringToFront()) view_.SelectText1();
}

// Position, colours and size; each value that does not convert leaves its target as it was.
void CmdLine::RestoreGeometry() {
  Screen& screen = services_.screen;
  const Rect designed = view_.WindowRect();
  Rect window = designed;  // the designed size until the saved one is applied below

  const std::string top = settings_.ReadSetting(kTop);
  if (const auto number = TextToNumber(top)) {
    if (*number == -1) {
      window.Top = (screen.Height() - window.Height) / 2;
    } else if (const auto value = TextToLong(TrimSpaces(top))) {
      window.Top = static_cast<float>(*value);
    }
  }
  // Left is compared as text: a stored -1.0 is a position, not the centre.
  const std::string left = settings_.ReadSetting(kLeft);
  if (left == kLeft.Default) {
    window.Left = (screen.Width() - window.Width) / 2;
  } else if (const auto value = TextToLong(TrimSpaces(left))) {
    window.Left = static_cast<float>(*value);
  }

  const std::string fore = settings_.ReadSetting(kFore);
  if (fore != kSystemColors)
    if (const auto number = TextToColor(TrimSpaces(fore)))
      if (const auto color = ColorOfNumber(*number)) Text1.SetForeColor(*color);
  const std::string back = settings_.ReadSetting(kBack);
  if (back != kSystemColors)
    if (const auto number = TextToColor(TrimSpaces(back)))
      if (const auto color = ColorOfNumber(*number)) Text1.SetBackColor(*color);

  const std::string height = settings_.ReadSetting(kHeight);
  const std::string width = settings_.ReadSetting(kWidth);
  if (height != kHeight.Default && width != kWidth.Default) {
    const auto h = TextToSingle(height);
    const auto w = TextToSingle(width);
    if (h && w && *h > 0 && *w > 0) {
      window.Height = *h;
      window.Width = *w;
    }
  }
  KeepReachable(window, designed);
  view_.Move(window);
}

// A strip without title bar or task-bar button that the user cannot see or grab (a size saved
// on a tiny screen or edited by hand, a monitor removed since the last run) could never be
// reached again: it gets a usable size and, with no more than a sliver on any monitor, the
// centre of the screen.
void CmdLine::KeepReachable(Rect& window, const Rect& designed) {
  Screen& screen = services_.screen;
  const auto monitors = screen.Monitors();
  if (!monitors.empty()) {
    // The desktop is the smallest rectangle around every monitor.
    float left = monitors[0].Left, top = monitors[0].Top;
    float right = left + monitors[0].Width, bottom = top + monitors[0].Height;
    for (const Rect& m : monitors) {
      left = std::min(left, m.Left);
      top = std::min(top, m.Top);
      right = std::max(right, m.Left + m.Width);
      bottom = std::max(bottom, m.Top + m.Height);
    }
    window.Width = std::min(window.Width, right - left);
    window.Height = std::min(window.Height, bottom - top);
  }
  // The border around the client area is what the designed window has beyond its client size.
  window.Width =
      std::max(window.Width, kLeastClient.Width + std::max(0.0f, designed.Width - kClientWidth));
  window.Height = std::max(window.Height,
                           kLeastClient.Height + std::max(0.0f, designed.Height - kClientHeight));

  const auto grippable = [&](const Rect& m) {
    const float across =
        std::min(window.Left + window.Width, m.Left + m.Width) - std::max(window.Left, m.Left);
    const float down =
        std::min(window.Top + window.Height, m.Top + m.Height) - std::max(window.Top, m.Top);
    return across >= kLeastVisible.Width && down >= kLeastVisible.Height;
  };
  if (!monitors.empty() && std::none_of(monitors.begin(), monitors.end(), grippable)) {
    window.Left = (screen.Width() - window.Width) / 2;
    window.Top = (screen.Height() - window.Height) / 2;
  }
}

void CmdLine::Command1_Click() { ExecuteCommand(); }

void CmdLine::ExecuteCommand() {
  const std::string typed(TrimSpaces(Text1.Text()));
  const auto call = aliases_.ResolveAliasCall(typed);
  const std::string command(call ? call->Target : aliases_.ResolveAlias(typed));
  if (command.empty()) return;
  if (EqualsUpper(command, "EXIT")) {
    Form_QueryUnload();
    return;
  }
  if (EqualsUpper(command, "BROWSE")) {
    menu_.mnuBrowse_Click();
    return;
  }

  const ShellRequest request =
      call ? FormAliasRequest(command, call->Arguments) : FormShellRequest(command);
  if (call)
    if (const auto problem = AliasArgumentsProblem(request, call->Arguments)) {
      Tell(*problem);
      return;
    }
  const ShellResult result = services_.shell.Execute(request);
  if (result.Outcome != ShellOutcome::Started) {
    // The line stays in the box for correcting and joins no history.
    Tell(ShellFailureMessage(result, services_.platform));
    return;
  }
  Text1.Ran(typed);
  // The emptied box shows the whole list again.
  Text1.SetText(std::string());
}

void CmdLine::Text1_Change() { Text1.Edited(); }

void CmdLine::Text1_Click() { Text1.Picked(view_.ListIndex()); }

// Shift+Delete removes the entry the user picked from the list; with none picked the key is
// the edit field's own. It is also the old Cut key: the removed entry goes to the clipboard, so
// that nothing cut is lost.
bool CmdLine::Text1_KeyDown(int KeyCode, int Shift) {
  if (KeyCode == vbKeyTab && Shift == 0) return CompleteText1();
  if (KeyCode == vbKeyDelete && Shift == 0) Text1.ReplaceLong();
  if (KeyCode != vbKeyDelete || Shift != vbShiftMask) return false;
  const int row = view_.ListIndex();
  if (row < 0 || static_cast<std::size_t>(row) >= Text1.Shown().size()) return false;
  // A candidate is no past command: there is nothing to remove.
  if (!Text1.Shown().IsCandidate(static_cast<std::size_t>(row)))
    view_.SetClipboard(Text1.RemoveRow(static_cast<std::size_t>(row)));
  return true;
}

bool CmdLine::CompleteText1() {
  if (Text1.ShowsLong()) return false;  // what the box shows is not what it holds
  const std::string text = Text1.Text();
  const std::size_t cursor = view_.SelStart();
  // Nothing typed before the cursor: Tab goes on through the controls.
  if (cursor == 0) return false;
  Listings& listings = services_.listings;
  auto done = CompleteAtCursor(text, cursor, listings.Style(), aliases_.AliasNames, listings);
  if (!done) return false;
  if (done->Choices.empty()) {
    Text1.SetText(done->Line);
    view_.SetSelStart(done->Cursor);
  } else if (tabbed_ == std::pair(text, cursor)) {
    Text1.ShowChoices(std::move(done->Choices));
  }
  tabbed_.emplace(Text1.Text(), view_.SelStart());
  return true;
}

// A character that edits replaces a long entry whole, as an edit of a selected text would.
void CmdLine::Text1_KeyPress(int KeyAscii) {
  constexpr int kPaste = 22;  // Ctrl+V
  if (KeyAscii >= 32 || KeyAscii == vbKeyBack || KeyAscii == kPaste) Text1.ReplaceLong();
}

void CmdLine::Form_Resize() {
  const float width = std::max(0.0f, view_.ScaleWidth());
  const float height = std::max(0.0f, view_.ScaleHeight());
  view_.Layout(Rect{kText1.Left, kText1.Top, std::max(0.0f, width - kText1.Left), height},
               Rect{kCommand2.Left, kCommand2.Top, kCommand2.Width, height});
  WriteGeometry(true);
}

void CmdLine::WriteGeometry(bool withSize) {
  const Rect window = view_.WindowRect();
  if (withSize) {
    settings_.WriteSetting(kHeight, NumberToText(window.Height));
    settings_.WriteSetting(kWidth, NumberToText(window.Width));
  }
  settings_.WriteSetting(kTop, NumberToText(window.Top));
  settings_.WriteSetting(kLeft, NumberToText(window.Left));
}

void CmdLine::Command2_Click() { PopupMenu(); }

void CmdLine::PopupMenu() {
  if (const auto row = view_.PopupMenu()) menu_.Run(*row);
}

void CmdLine::Command2_MouseDown(int Button) {
  if (Button != vbRightButton) return;
  if (view_.SystemMove()) MoveEnded();
}

void CmdLine::MoveEnded() { WriteGeometry(false); }

void CmdLine::Form_MouseDown(int Button) {
  if (Button == vbRightButton) PopupMenu();
}

void CmdLine::Form_QueryUnload() {
  // One close at a time: a request that comes while it runs (its failure message is open, a
  // second signal, the session's end after a close) or after it does nothing.
  if (ending_) return;
  ending_ = true;
  menu_.UnloadWindows();
  if (HistorySetting != 1 && !HistorySavedForSession()) SaveHistory();
  services_.instance.EndNow();
}

void CmdLine::Form_QueryEndSession() {
  if (ending_) return;
  menu_.SaveWindows();
  if (HistorySetting == 1 || HistorySavedForSession()) return;
  SaveHistory();
  sessionSaved_ = HistoryText(Text1.List());
}

bool CmdLine::HistorySavedForSession() const {
  return sessionSaved_ && *sessionSaved_ == HistoryText(Text1.List());
}

void CmdLine::End() {
  ending_ = true;
  services_.instance.EndNow();
}

void CmdLine::SaveHistory() {
  Files& files = services_.files;
  const std::string path = files.PathOf(kHistoryFile);
  bool saved = false;
  // The list is the whole history when start-up read history.cfg and no other instance can
  // have written it since, or when the user cleared the list.
  if (Text1.Cleared() || (historyLoaded_ && !shared_)) {
    saved = files.Replace(path, HistoryText(Text1.List()));
  } else {
    // What the file holds stays, but for the entries the user removed from the list in this run,
    // and this run's commands follow it. An entry this run only loaded comes from the file or
    // not at all: another strip may have removed it since.
    History file;
    if (LoadHistory(file, files)) {
      History merged;
      for (const std::string_view entry : file)
        if (!Text1.Removed(entry) || Text1.List().Contains(entry)) merged.Append(entry);
      for (const std::string_view entry : Text1.List())
        if (Text1.RanHere(entry) && !merged.Contains(entry)) merged.Append(entry);
      saved = files.Replace(path, HistoryText(merged));
    }
  }
  if (!saved) Tell("The command history could not be saved to " + path + ".");
}

void CmdLine::Tell(const std::string& text) {
  services_.msgbox.Show(text, kApplicationTitle, MsgBoxButtons::OK);
}
