#include "platform/win32/Win32GlobalHotkey.h"

#include <commctrl.h>

namespace {

// The virtual key of a key, or 0 when this keyboard has none that types it without modifiers.
UINT VirtualKeyOf(HotkeyKey key) {
  const auto code = static_cast<unsigned>(key);
  if (code >= static_cast<unsigned>(HotkeyKey::F1))
    return VK_F1 + (code - static_cast<unsigned>(HotkeyKey::F1));
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return code;
  switch (key) {
    case HotkeyKey::Space:
      return VK_SPACE;
    case HotkeyKey::Tab:
      return VK_TAB;
    case HotkeyKey::Return:
      return VK_RETURN;
    case HotkeyKey::Escape:
      return VK_ESCAPE;
    case HotkeyKey::Insert:
      return VK_INSERT;
    case HotkeyKey::Delete:
      return VK_DELETE;
    case HotkeyKey::Home:
      return VK_HOME;
    case HotkeyKey::End:
      return VK_END;
    case HotkeyKey::PageUp:
      return VK_PRIOR;
    case HotkeyKey::PageDown:
      return VK_NEXT;
    case HotkeyKey::Left:
      return VK_LEFT;
    case HotkeyKey::Right:
      return VK_RIGHT;
    case HotkeyKey::Up:
      return VK_UP;
    case HotkeyKey::Down:
      return VK_DOWN;
    case HotkeyKey::Backspace:
      return VK_BACK;
    case HotkeyKey::Pause:
      return VK_PAUSE;
    case HotkeyKey::Print:
      return VK_SNAPSHOT;
    default:
      break;
  }
  // Punctuation sits on different keys in different layouts: the one of this layout.
  const SHORT scan = VkKeyScanA(static_cast<CHAR>(code));
  if (scan == -1 || (scan & 0xff00)) return 0;
  return static_cast<UINT>(scan & 0xff);
}

}  // namespace

Win32GlobalHotkey::~Win32GlobalHotkey() {
  if (!registered_) return;
  UnregisterHotKey(hwnd_, kId);
  RemoveWindowSubclass(hwnd_, Subclass, kId);
}

HotkeyRegistration Win32GlobalHotkey::Register(const Hotkey& hotkey,
                                               std::function<void()> pressed) {
  const UINT key = VirtualKeyOf(hotkey.Key);
  UINT modifiers = MOD_NOREPEAT;
  if (hotkey.Modifiers & kHotkeyCtrl) modifiers |= MOD_CONTROL;
  if (hotkey.Modifiers & kHotkeyAlt) modifiers |= MOD_ALT;
  if (hotkey.Modifiers & kHotkeyShift) modifiers |= MOD_SHIFT;
  if (hotkey.Modifiers & kHotkeyMeta) modifiers |= MOD_WIN;
  // Fails when another program holds the combination.
  if (!hwnd_ || !key || !RegisterHotKey(hwnd_, kId, modifiers, key))
    return HotkeyRegistration::Taken;
  registered_ = true;
  pressed_ = std::move(pressed);
  SetWindowSubclass(hwnd_, Subclass, kId, reinterpret_cast<DWORD_PTR>(this));
  return HotkeyRegistration::Registered;
}

LRESULT CALLBACK Win32GlobalHotkey::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) noexcept {
  if (message == WM_HOTKEY && wParam == kId) {
    reinterpret_cast<Win32GlobalHotkey*>(self)->pressed_();
    return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}
