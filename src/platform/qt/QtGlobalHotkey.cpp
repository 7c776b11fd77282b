#include "platform/qt/QtGlobalHotkey.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

// The usual X modifier map: Alt on Mod1, NumLock on Mod2, Super (Meta) on Mod4.
constexpr std::uint16_t kNumLock = XCB_MOD_MASK_2;
constexpr std::uint16_t kIgnored[] = {0, XCB_MOD_MASK_LOCK, kNumLock, XCB_MOD_MASK_LOCK | kNumLock};

std::uint16_t ModifierMask(unsigned modifiers) {
  std::uint16_t mask = 0;
  if (modifiers & kHotkeyCtrl) mask |= XCB_MOD_MASK_CONTROL;
  if (modifiers & kHotkeyAlt) mask |= XCB_MOD_MASK_1;
  if (modifiers & kHotkeyShift) mask |= XCB_MOD_MASK_SHIFT;
  if (modifiers & kHotkeyMeta) mask |= XCB_MOD_MASK_4;
  return mask;
}

xcb_keysym_t KeysymOf(HotkeyKey key) {
  const auto code = static_cast<unsigned>(key);
  if (code >= static_cast<unsigned>(HotkeyKey::F1)) return 0xffbe + (code - 0x200);  // XK_F1
  if (code < 0x100) return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;     // Latin-1
  switch (key) {
    case HotkeyKey::Tab:
      return 0xff09;
    case HotkeyKey::Return:
      return 0xff0d;
    case HotkeyKey::Escape:
      return 0xff1b;
    case HotkeyKey::Insert:
      return 0xff63;
    case HotkeyKey::Delete:
      return 0xffff;
    case HotkeyKey::Home:
      return 0xff50;
    case HotkeyKey::End:
      return 0xff57;
    case HotkeyKey::PageUp:
      return 0xff55;
    case HotkeyKey::PageDown:
      return 0xff56;
    case HotkeyKey::Left:
      return 0xff51;
    case HotkeyKey::Right:
      return 0xff53;
    case HotkeyKey::Up:
      return 0xff52;
    case HotkeyKey::Down:
      return 0xff54;
    case HotkeyKey::Backspace:
      return 0xff08;
    case HotkeyKey::Pause:
      return 0xff13;
    case HotkeyKey::Print:
      return 0xff61;
    default:
      return 0;
  }
}

// Every key of the keyboard that carries the symbol, at any shift level.
std::vector<std::uint8_t> KeycodesOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const int count = setup->max_keycode - setup->min_keycode + 1;
  const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
      xcb_get_keyboard_mapping_reply(
          connection,
          xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)),
          nullptr),
      &std::free);
  std::vector<std::uint8_t> keycodes;
  if (!mapping || keysym == 0) return keycodes;
  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
  const int perKeycode = mapping->keysyms_per_keycode;
  for (int i = 0; i < count; ++i)
    if (std::find(keysyms + i * perKeycode, keysyms + (i + 1) * perKeycode, keysym) !=
        keysyms + (i + 1) * perKeycode)
      keycodes.push_back(static_cast<std::uint8_t>(setup->min_keycode + i));
  return keycodes;
}

}  // namespace

QtGlobalHotkey::~QtGlobalHotkey() {
  if (!connection_) return;
  Ungrab();
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

HotkeyRegistration QtGlobalHotkey::Register(const Hotkey& hotkey, std::function<void()> pressed) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (QGuiApplication::platformName() != "xcb" || !x11 || !x11->connection())
    return HotkeyRegistration::Unavailable;
  connection_ = x11->connection();
  modifiers_ = ModifierMask(hotkey.Modifiers);
  keycodes_ = KeycodesOf(connection_, KeysymOf(hotkey.Key));
  if (keycodes_.empty()) return HotkeyRegistration::Taken;

  for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_)); screens.rem;
       xcb_screen_next(&screens))
    roots_.push_back(screens.data->root);
  // The server refuses a grab that another client holds (BadAccess).
  std::vector<xcb_void_cookie_t> grabs;
  for (const xcb_window_t root : roots_)
    for (const std::uint8_t keycode : keycodes_)
      for (const std::uint16_t ignored : kIgnored)
        grabs.push_back(xcb_grab_key_checked(connection_, 1, root, modifiers_ | ignored, keycode,
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
  bool refused = false;
  for (const xcb_void_cookie_t grab : grabs)
    if (xcb_generic_error_t* error = xcb_request_check(connection_, grab)) {
      refused = true;
      std::free(error);
    }
  if (refused) {
    Ungrab();
    connection_ = nullptr;
    return HotkeyRegistration::Taken;
  }
  pressed_ = std::move(pressed);
  QCoreApplication::instance()->installNativeEventFilter(this);
  return HotkeyRegistration::Registered;
}

void QtGlobalHotkey::Ungrab() {
  for (const xcb_window_t root : roots_)
    for (const std::uint8_t keycode : keycodes_)
      for (const std::uint16_t ignored : kIgnored)
        xcb_ungrab_key(connection_, keycode, root, modifiers_ | ignored);
  xcb_flush(connection_);
  roots_.clear();
}

bool QtGlobalHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
  const auto* press = static_cast<const xcb_key_press_event_t*>(message);
  const std::uint16_t held = press->state & 0xff & ~(XCB_MOD_MASK_LOCK | kNumLock);
  if (held == modifiers_ &&
      std::find(keycodes_.begin(), keycodes_.end(), press->detail) != keycodes_.end() &&
      std::find(roots_.begin(), roots_.end(), press->event) != roots_.end())
    // Qt takes the press's time as the user's latest when this returns, and activation asks the
    // window manager with that time: the strip comes forward once Qt has seen it.
    QTimer::singleShot(0, qApp, pressed_);
  return false;
}
