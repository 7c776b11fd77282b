#include "platform/win32/Win32Instance.h"

#include <vector>

#include "data/Application.h"
#include "platform/win32/NativeControl.h"

namespace {

constexpr const char* kClass = "VellCmdLineApp";
constexpr const char* kMutex = "Local\\VellCmdLine.Instance";
// Posted by a later start to the running program's hidden window.
constexpr UINT kActivate = WM_APP + 1;

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND hwnd, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  return process;
}

// The window to bring forward for a found one: itself when visible, else the frontmost visible,
// enabled window of its program (the strip, or a modal dialog that is open over it).
HWND Presented(HWND found, const std::vector<HWND>& windows) {
  if (IsWindowVisible(found)) return found;
  for (HWND hwnd : windows)
    if (ProcessOf(hwnd) == ProcessOf(found) && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
      return hwnd;
  return nullptr;
}

}  // namespace

Win32Instance::Win32Instance() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
  wc.lpszClassName = kClass;
  RegisterClassExA(&wc);
  window_.reset(CreateWindowExA(0, kClass, kApplicationTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, wc.hInstance, this));
}

LRESULT CALLBACK Win32Instance::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  auto* self = WindowObject<Win32Instance>(hwnd, message, lParam);
  if (message == kActivate && self && self->activate_) {
    self->activate_();
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

AnotherInstance Win32Instance::IsAnotherRunning() {
  mutex_.reset(CreateMutexA(nullptr, FALSE, kMutex));
  if (!mutex_) return AnotherInstance::CannotTell;
  return GetLastError() == ERROR_ALREADY_EXISTS ? AnotherInstance::Yes : AnotherInstance::No;
}

std::string Win32Instance::Title() { return WindowText(window_.get()); }

void Win32Instance::SetTitle(const std::string& title) {
  SetWindowTextA(window_.get(), title.c_str());
}

bool Win32Instance::ActivateByTitle(const std::string& title) {
  const auto windows = TopLevelWindows();
  HWND found = nullptr;
  for (HWND hwnd : windows)
    if (WindowText(hwnd) == title) {
      found = hwnd;
      break;
    }
  if (!found)
    for (HWND hwnd : windows)
      if (WindowText(hwnd).starts_with(title)) {
        found = hwnd;
        break;
      }
  if (!found) return false;
  // The running program brings its strip forward itself, with the keyboard in the command box;
  // this start, which the user just made, lends it the right to take the foreground.
  if (ClassOf(found) == kClass) {
    AllowSetForegroundWindow(ProcessOf(found));
    PostMessageA(found, kActivate, 0, 0);
  }
  HWND target = Presented(found, windows);
  return target && SetForegroundWindow(target);
}

void Win32Instance::EndNow() { ExitProcess(0); }
