#include "platform/qt/Program.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QStandardPaths>

namespace {
std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
constexpr Platform kPlatform = Platform::Linux;
}  // namespace

ProgramFolders ProgramFolders::OfUser() {
  const std::string config =
      Bytes(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  const std::string executable = Bytes(QCoreApplication::applicationDirPath());
  return {PosixFiles::ProgramDirectory(executable, config), Bytes(QDir::homePath()), config,
          executable};
}

Program::Program(const ProgramFolders& folders, std::function<void()> end)
    : directory_(folders.program),
      shell_(folders.home),
      store_(QFile::decodeName(folders.config.c_str())),
      files_(folders.program, folders.executable.empty() ? folders.program : folders.executable),
      msgbox_(window_),
      dialog_(window_),
      menu_(&window_, kPlatform),
      instance_(
          folders.program, [this] { form_.Activate(); },
          [this, end = std::move(end)] {
            // Every end passes here, and the process ends without unwinding.
            store_.Flush();
            end();
          }),
      listings_(folders.home),
      services_{shell_,    store_,  files_,  msgbox_,   dialog_,
                instance_, screen_, hotkey_, listings_, kPlatform},
      form_(window_, menu_, services_),
      quitSignals_([this] { form_.Form_QueryUnload(); }) {
  window_.Attach(form_, menu_);
  // A session manager asks to save before a logout that may still be cancelled; the session's
  // real end (Die) closes the windows, and the strip's close takes the close path.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_, [this](QSessionManager&) {
    store_.Flush();
    form_.Form_QueryEndSession();
  });
}

void Program::Start() {
  form_.Form_Load();
  QDir().mkpath(QFile::decodeName(directory_.c_str()));
  window_.show();
}

void Program::CloseWithoutDisplay() {
  // The process ends when this returns, also when a close already under way keeps this one
  // from ending it.
  store_.Flush();
  msgbox_.WithoutDisplay();
  form_.Form_QueryUnload();
}
