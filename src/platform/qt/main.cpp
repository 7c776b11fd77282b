// Vell Command Line on a Linux desktop: wires the core to the Qt windows and the services.
#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "commandwindow/CmdLine.h"
#include "platform/posix/PosixFiles.h"
#include "platform/qt/CmdLineWindow.h"
#include "platform/qt/MenuWindow.h"
#include "platform/qt/PosixShell.h"
#include "platform/qt/ProgramDirectory.h"
#include "platform/qt/QtCommonDialog.h"
#include "platform/qt/QtMsgBox.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QuitSignals.h"
#include "platform/qt/SingleInstance.h"

int main(int argc, char** argv) {
  // The strip places itself where it was left; under Wayland a window cannot, so X (XWayland
  // on a Wayland desktop) is preferred wherever it is there.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);

  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const std::string directory = ProgramDirectory(
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
      QFile::encodeName(config).toStdString());

  PosixShell shell(QFile::encodeName(QDir::homePath()).toStdString());
  QtSettingsStore store(config);
  PosixFiles files(directory);
  QtMsgBox msgbox;
  QtCommonDialog dialog;
  QtScreen screen;

  CmdLineWindow window;
  MenuWindow menu(&window);
  // Ending is immediate: everything the program keeps has been written by then.
  SingleInstance instance(
      QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
          .toStdString(),
      [&window] { window.Activate(); },
      [] {
        std::fflush(nullptr);
        std::_Exit(0);
      });
  const Services services{shell, store, files, msgbox, dialog, instance, screen};

  CmdLine form(window, menu, services);
  window.Attach(form, menu);
  menu.Attach(form.Menu());
  QuitSignals quitSignals([&form] { form.Form_QueryUnload(); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                   [&form](QSessionManager&) { form.Form_QueryUnload(); });

  form.Form_Load();
  QDir().mkpath(QFile::decodeName(directory.c_str()));
  window.show();
  return app.exec();
}
