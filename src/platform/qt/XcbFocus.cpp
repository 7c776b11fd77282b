#include "platform/qt/XcbFocus.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (reply) atom = reply->atom;
  std::free(reply);
  return atom;
}
}  // namespace

void FocusOnX(QWidget& window) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (QGuiApplication::platformName() != "xcb" || !x11 || !x11->connection() || !window.isVisible())
    return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());

  // A window manager: ask it as a pager would, which it honours as the user's own request.
  if (const xcb_atom_t atom = Atom(connection, "_NET_ACTIVE_WINDOW"); atom != XCB_ATOM_NONE) {
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem;
         xcb_screen_next(&screens)) {
      xcb_client_message_event_t message{};
      message.response_type = XCB_CLIENT_MESSAGE;
      message.format = 32;
      message.window = id;
      message.type = atom;
      message.data.data32[0] = 2;  // source: a pager
      message.data.data32[1] = XCB_CURRENT_TIME;
      xcb_send_event(connection, 0, screens.data->root,
                     XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                     reinterpret_cast<const char*>(&message));
    }
  }
  // No window manager: the focus is set directly.
  xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
  xcb_flush(connection);
}

bool IsCloseRequestOnX(const QByteArray& eventType, const void* message) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  static const xcb_atom_t protocols = Atom(x11->connection(), "WM_PROTOCOLS");
  static const xcb_atom_t close = Atom(x11->connection(), "WM_DELETE_WINDOW");
  const auto* client = static_cast<const xcb_client_message_event_t*>(message);
  return client->format == 32 && client->type == protocols && client->data.data32[0] == close;
}
