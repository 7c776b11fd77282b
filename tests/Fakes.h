#pragma once

// Fakes for every service and view the core talks to. Each records what it was asked, so a
// test can check what was read, written, run and shown.

#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "about/frmabout.h"
#include "aliaseditor/Associations.h"
#include "commandwindow/CmdLine.h"
#include "data/History.h"
#include "platform/Listings.h"
#include "platform/Services.h"

class FakeShell : public Shell {
 public:
  ShellResult Execute(const ShellRequest& request) override {
    requests.push_back(request);
    return result;
  }
  ShellResult result;  // started
  std::vector<ShellRequest> requests;
};

class FakeSettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override {
    reads.push_back(key);
    const auto found = values.find(application + "/" + section + "/" + key);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override {
    writes.push_back(key + "=" + value);
    if (failWrites) return false;
    values[application + "/" + section + "/" + key] = value;
    return true;
  }
  // Under the program's own application and section.
  void Set(const std::string& key, const std::string& value) {
    values["VellCmdLine/Defaults/" + key] = value;
  }
  std::optional<std::string> Get(const std::string& key) const {
    const auto found = values.find("VellCmdLine/Defaults/" + key);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }

  std::map<std::string, std::string> values;
  std::vector<std::string> reads;
  std::vector<std::string> writes;
  bool failWrites = false;
  std::string unusable;
  std::string UnusableFile() const override { return unusable; }
};

class FakeFiles : public Files {
 public:
  std::string PathOf(std::string_view name) const override {
    return "C:\\Vell\\" + std::string(name);
  }
  std::string ShippedPathOf(std::string_view name) const override {
    return shippedFolder + std::string(name);
  }
  bool IsFile(const std::string& path) override { return files.count(path) != 0; }
  std::optional<std::string> Read(const std::string& path) override {
    reads.push_back(path);
    const auto found = files.find(path);
    if (found == files.end() || unreadable.count(path)) return std::nullopt;
    return found->second;
  }
  bool Replace(const std::string& path, std::string_view contents) override {
    replaced.push_back(path);
    if (failReplace) return false;
    files[path] = std::string(contents);
    return true;
  }

  void Put(std::string_view name, std::string contents) { files[PathOf(name)] = contents; }
  std::optional<std::string> Get(std::string_view name) const {
    const auto found = files.find(PathOf(name));
    if (found == files.end()) return std::nullopt;
    return found->second;
  }

  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;
  std::string shippedFolder = "C:\\Vell\\";  // where the program is
  std::vector<std::string> reads;
  std::vector<std::string> replaced;
  bool failReplace = false;
};

class FakeMsgBox : public MsgBox {
 public:
  struct Shown {
    std::string text, caption;
    MsgBoxButtons buttons;
  };
  MsgBoxResult Show(const std::string& text, const std::string& caption,
                    MsgBoxButtons buttons) override {
    shown.push_back({text, caption, buttons});
    if (onShow) onShow();
    if (answers.empty()) return MsgBoxResult::OK;
    const MsgBoxResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : shown) texts.push_back(box.text);
    return texts;
  }
  std::vector<Shown> shown;
  std::deque<MsgBoxResult> answers;  // OK once they run out
  std::function<void()> onShow;      // what happens while the box is open
};

class FakeCommonDialog : public CommonDialog {
 public:
  std::optional<std::string> ShowOpen(const std::vector<FileFilter>& filters,
                                      const std::string& initialFile) override {
    openCalls.push_back({filters, initialFile});
    return Next(files);
  }
  std::optional<std::uint32_t> ShowColor(std::uint32_t initial) override {
    colorInitials.push_back(initial);
    return Next(colors);
  }
  // Nothing queued means the user cancels.
  std::deque<std::optional<std::string>> files;
  std::deque<std::optional<std::uint32_t>> colors;
  std::vector<std::pair<std::vector<FileFilter>, std::string>> openCalls;
  std::vector<std::uint32_t> colorInitials;

 private:
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto next = queue.front();
    queue.pop_front();
    return next;
  }
};

class FakeInstance : public Instance {
 public:
  AnotherInstance IsAnotherRunning() override { return another; }
  std::string Title() override { return title; }
  void SetTitle(const std::string& newTitle) override { title = newTitle; }
  bool ActivateByTitle(const std::string& wanted) override {
    activated.push_back(wanted);
    return activationSucceeds;
  }
  void EndNow() override { ++ended; }

  AnotherInstance another = AnotherInstance::No;
  bool activationSucceeds = true;
  std::string title = "Vell Command Line";
  std::vector<std::string> activated;
  int ended = 0;
};

class FakeScreen : public Screen {
 public:
  float Width() override { return width; }
  float Height() override { return height; }
  std::vector<Rect> Monitors() override { return monitors; }
  float width = 19200;  // 1280 x 1024 pixels at 96 dpi
  float height = 15360;
  std::vector<Rect> monitors{{0, 0, 19200, 15360}};
};

class FakeGlobalHotkey : public GlobalHotkey {
 public:
  HotkeyRegistration Register(const Hotkey& hotkey, std::function<void()> callback) override {
    registered.push_back(hotkey);
    pressed = std::move(callback);
    return result;
  }
  HotkeyRegistration result = HotkeyRegistration::Registered;
  std::vector<Hotkey> registered;
  std::function<void()> pressed;
};

// Folders by path; the programs on PATH and the applications as set.
class FakeListings : public Listings {
 public:
  std::string start = "/home/u", home = "/home/u";
  std::map<std::string, std::vector<FolderEntry>> folders;
  std::vector<std::string> programs;
  std::vector<Application> applications;
  std::vector<std::string> read;  // the folders asked for
  PathStyle style = PathStyle::Posix;

  PathStyle Style() override { return style; }
  std::string StartFolder() override { return start; }
  std::string HomeFolder() override { return home; }
  std::vector<FolderEntry> Folder(const std::string& path) override {
    read.push_back(path);
    const auto found = folders.find(path);
    return found == folders.end() ? std::vector<FolderEntry>{} : found->second;
  }
  const std::vector<std::string>& Programs() override {
    ++asked;
    return programs;
  }
  const std::vector<Application>& Applications() override {
    ++asked;
    return applications;
  }
  int asked = 0;  // how often the programs or the applications were asked for
};

class FakeCmdLineView : public CmdLineView {
 public:
  std::string Text() override { return text; }
  // As in the real boxes, a text set into the box, or a new set of rows, ends the pick.
  void SetText(const std::string& newText) override {
    text = newText;
    cursor = text.size();
    index = -1;
  }
  std::size_t SelStart() override { return std::min(cursor, text.size()); }
  void SetSelStart(std::size_t position) override { cursor = position; }
  // A change that does not leave the rows as its notification said is a broken contract.
  void ListReset(const Narrowing& newRows, const std::function<void()>& change) override {
    rows = &newRows;
    change();
    list.clear();
    for (std::size_t row = 0; row < rows->size(); ++row) list.emplace_back((*rows)[row]);
    index = -1;
    shownRow.reset();
    ++resets;
  }
  void ListAppend(const std::function<void()>& change) override {
    const std::size_t before = rows->size();
    change();
    if (rows->size() != before + 1) std::abort();
    list.emplace_back((*rows)[rows->size() - 1]);
  }
  void ListRemove(std::size_t row, const std::function<void()>& change) override {
    const std::size_t before = rows->size();
    change();
    if (rows->size() != before - 1 || row >= list.size()) std::abort();
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
  }
  void ListShowRow(std::size_t row) override { shownRow = row; }
  int ListIndex() override { return index; }
  void SetClipboard(const std::string& newText) override { clipboard = newText; }
  void SetReadOnly(bool on) override { readOnly = on; }
  void SetColors(Color newFore, Color newBack) override {
    fore = newFore;
    back = newBack;
  }
  Rect WindowRect() override { return window; }
  void Move(const Rect& outer) override {
    window = outer;
    moves.push_back(outer);
  }
  float ScaleWidth() override { return scaleWidth; }
  float ScaleHeight() override { return scaleHeight; }
  void Layout(const Rect& newText1, const Rect& newCommand2) override {
    text1 = newText1;
    command2 = newCommand2;
  }
  void SetTopmost(bool on) override { topmost.push_back(on); }
  bool SystemMove() override {
    ++systemMoves;
    if (moveTo) window = *moveTo;
    return moveEndsOnReturn;
  }
  std::optional<int> PopupMenu() override {
    ++popups;
    return chosenRow;
  }
  bool BringToFront() override {
    calls.push_back("BringToFront");
    return !modalOpen;
  }
  void SelectText1() override { calls.push_back("SelectText1"); }

  std::string text;
  std::size_t cursor = 0;
  std::vector<std::string> list;  // what the list shows, kept through the notifications
  const Narrowing* rows = nullptr;
  int index = -1;                       // the row the user picked
  std::optional<std::size_t> shownRow;  // the row last scrolled into view since a reset
  int resets = 0;
  std::optional<std::string> clipboard;
  bool readOnly = false;
  Color fore = kWindowText;
  Color back = kWindowBackground;
  // The designed window: client 3900 x 1170 plus a sizing border of 4 pixels each side.
  Rect window{0, 0, 4020, 1290};
  std::vector<Rect> moves;
  float scaleWidth = 3900;
  float scaleHeight = 1170;
  Rect text1, command2;
  std::vector<bool> topmost;
  int systemMoves = 0;
  std::optional<Rect> moveTo;
  bool moveEndsOnReturn = true;
  int popups = 0;
  std::optional<int> chosenRow;  // the menu row the user chooses
  bool modalOpen = false;
  std::vector<std::string> calls;  // BringToFront, SelectText1 in the order asked
};

// The alias editor's window: the handlers get what it holds, and what they return shows.
class FakeAssociationsView {
 public:
  explicit FakeAssociationsView(Associations& form) : form_(form) {}
  void Apply(const AssociationsUpdate& update) {
    if (update.List1) {
      list = *update.List1;
      index = -1;
    }
    if (update.Added) list.push_back(*update.Added);
    for (int i = 0; i < 2; ++i)
      if (update.Text1[i]) texts[i] = *update.Text1[i];
    if (update.Label2) label2 = *update.Label2;
  }
  void List1_Click() { Apply(form_.List1_Click(index)); }
  void List1_DblClick() { Apply(form_.List1_DblClick(index)); }
  bool List1_KeyDown(int KeyCode, int Shift) {
    const auto update = form_.List1_KeyDown(KeyCode, Shift, index);
    if (update) Apply(*update);
    return update.has_value();
  }
  void Command1_Click() { Apply(form_.Command1_Click(texts[0], texts[1])); }
  void Command2_Click() { Apply(form_.Command2_Click()); }

  std::vector<std::string> list;
  int index = -1;
  std::string texts[2];
  std::string label2;

 private:
  Associations& form_;
};

class FakeMenuView : public MenuView {
 public:
  void SetOnTopChecked(bool on) override { checked = on; }
  void ShowAssociations(Associations& form, const AssociationsUpdate& shown) override {
    FakeAssociationsView view(form);
    view.Apply(shown);
    if (editorUser) editorUser(form, view);
  }
  void ShowAbout(const frmabout& about) override {
    ++aboutShown;
    aboutTitle = about.Text(0);
  }

  bool checked = false;
  int aboutShown = 0;
  std::string aboutTitle;  // Label1(0) of the last About box
  std::function<void(Associations&, FakeAssociationsView&)> editorUser;
};

// An alias table's rows 1..N as name and target pairs.
using Rows = std::vector<std::pair<std::string, std::string>>;
inline Rows RowsOf(const AliasTable& table) {
  Rows rows;
  for (int i = 1; i <= table.Count(); ++i)
    rows.emplace_back(table.AliasNames[i], table.AliasTargets[i]);
  return rows;
}

// The whole program over fakes; the files may be a real file service instead.
struct FakeProgram {
  FakeProgram() = default;
  explicit FakeProgram(Files& realFiles) : fileService(&realFiles) {}
  explicit FakeProgram(Platform on) : platform(on) {}

  FakeShell shell;
  FakeSettingsStore store;
  FakeFiles files;
  FakeMsgBox msgbox;
  FakeCommonDialog dialog;
  FakeInstance instance;
  FakeScreen screen;
  FakeGlobalHotkey hotkey;
  FakeListings listings;
  FakeCmdLineView view;
  FakeMenuView menuView;
  Files* fileService = &files;
  Platform platform = Platform::Windows;
  Services services{shell,    store,  *fileService, msgbox,   dialog,
                    instance, screen, hotkey,       listings, platform};
  CmdLine form{view, menuView, services};

  // Types a line into the command box and presses Enter.
  void Run(const std::string& line) {
    Type(line);
    form.Command1_Click();
  }
  // Types a text into the command box, in place of what it held.
  void Type(const std::string& text) {
    view.text = text;
    view.cursor = text.size();
    view.index = -1;
    form.Text1_Change();
  }
};
