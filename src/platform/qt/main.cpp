// Vell Command Line on a Linux desktop: prepares the process, then runs the program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/posix/UserHome.h"
#include "platform/qt/Program.h"

namespace {

// Qt aborts (a core dump) when no platform plugin can start: no display at all, or one that
// cannot be reached. Its messages are held while the application object is made, so that a
// failure ends with one line and an exit code, and a start prints what it printed before.
struct HeldMessage {
  QtMsgType type;
  const char* category;  // Qt's categories are static strings
  QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtMessages = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) return heldMessages.push_back({type, context.category, text});
  const auto value = [](const char* name) {
    const char* set = std::getenv(name);
    return set && *set ? set : "not set";
  };
  std::fprintf(stderr,
               "vellcmdline: no display to show the strip on (DISPLAY %s, WAYLAND_DISPLAY %s, "
               "QT_QPA_PLATFORM %s)\n",
               value("DISPLAY"), value("WAYLAND_DISPLAY"), value("QT_QPA_PLATFORM"));
  std::_Exit(1);
}

void ReleaseMessages() {
  qInstallMessageHandler(qtMessages);
  for (const HeldMessage& message : heldMessages)
    qtMessages(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
               message.text);
  heldMessages.clear();
}

// Qt's xcb plugin calls exit(1) when the X connection breaks (the server ends, a logout without
// a session manager): no signal, no event, no return from exec(). An exit handler is the one
// place left to take the close path from; the program is main's local, alive while exit runs.
// The close ends through _Exit, as every other end does, so this runs once.
Program* closeOnExit = nullptr;
int endCode = 0;

void CloseOnExit() {
  if (!closeOnExit) return;
  endCode = 1;
  closeOnExit->CloseWithoutDisplay();
}

}  // namespace

int main(int argc, char** argv) {
  // Qt takes an unset or empty HOME for "/", where programs would then start; the user
  // database knows the real one.
  SetHomeWhenUnset();

  // The strip places itself where it was left; under Wayland a window cannot, so X (XWayland
  // on a Wayland desktop) is preferred wherever it is there. Chosen by argument: a
  // QT_QPA_PLATFORM set here would reach every program started from the strip.
  std::vector<char*> arguments(argv, argv + argc);
  char platformOption[] = "-platform", xcb[] = "xcb";
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    arguments.insert(arguments.begin() + (argc > 0 ? 1 : 0), {platformOption, xcb});
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);

  qtMessages = qInstallMessageHandler(HoldMessage);
  QApplication app(count, arguments.data());
  ReleaseMessages();
  // A platform that shows nothing would hold the lock with a strip nobody sees, and every later
  // start would only activate it.
  if (const QString platform = QGuiApplication::platformName();
      platform == "offscreen" || platform == "minimal") {
    std::fprintf(
        stderr, "vellcmdline: the platform \"%s\" shows no windows; start the strip on a display\n",
        qPrintable(platform));
    return 1;
  }
  app.setQuitOnLastWindowClosed(false);
  // The desktop matches the strip's window to its installed entry and icon by this id.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vellcmdline.VellCmdLine"));

  // Ending is immediate: everything the program keeps has been written by then.
  Program program(ProgramFolders::OfUser(), [] {
    std::fflush(nullptr);
    std::_Exit(endCode);
  });
  closeOnExit = &program;
  std::atexit(CloseOnExit);

  program.Start();
  const int code = app.exec();
  closeOnExit = nullptr;
  return code;
}
