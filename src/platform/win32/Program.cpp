#include "platform/win32/Program.h"

Program::Program(const Services& services)
    : menu_(services.platform), window_(menu_), form_(window_, menu_, services) {
  window_.Bind(&form_);
  menu_.SetWindow(window_.hwnd());
}

// The form goes before the window, which still receives messages while it is destroyed.
Program::~Program() { window_.Bind(nullptr); }

void Program::Start() {
  form_.Form_Load();
  window_.Show();
}

void Program::Dispatch(MSG& msg) {
  if (window_.PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int Program::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}
