#pragma once

class QByteArray;
class QWidget;

// Gives a shown top-level window the keyboard on X at the user's request, also when the
// request reached the program without an X event (a second start): Qt asks with the time of
// the last event it saw, which the server and window managers refuse once another client has
// taken the focus since. Does nothing on other platforms.
void FocusOnX(QWidget& window);

// Whether a native event is X's close request (WM_DELETE_WINDOW, what a close box or
// `wmctrl -c` sends).
bool IsCloseRequestOnX(const QByteArray& eventType, const void* message);
