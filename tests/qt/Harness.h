#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/Program.h"

// A temporary tree: program directory, home, configuration and runtime directories, and the
// executable's folder.
struct Sandbox {
  QTemporaryDir root;
  QString Path(const QString& name) const { return root.filePath(name); }
  std::string Bytes(const QString& name) const { return Path(name).toStdString(); }
  Sandbox() {
    for (const char* name : {"program", "home", "config", "runtime", "exe"})
      QDir(root.path()).mkdir(name);
    QFile::setPermissions(Path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
};

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Xvfb on a free display number, which it writes to its standard output; the display's name
// goes to `display`. Without -noreset the last client to go (an xdotool) resets the server, and
// a strip connecting then fails.
inline void StartXvfb(QProcess& server, const QString& size, QString& display) {
  server.setStandardErrorFile(QProcess::nullDevice());
  server.start("Xvfb",
               {"-displayfd", "1", "-screen", "0", size + "x24", "-nolisten", "tcp", "-noreset"});
  QVERIFY2(server.waitForStarted(), "Xvfb is missing: make deps installs it");
  QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
  display = ":" + server.readLine().trimmed();
}

// The whole program in this process, with the real services, in the sandbox's folders; ending
// is only counted.
struct Harness {
  Sandbox box;
  int ends = 0;
  Program program{{box.Bytes("program"), box.Bytes("home"), box.Bytes("config"), box.Bytes("exe")},
                  [this] { ++ends; }};
  CmdLineWindow& window = program.Window();

  void Start() {
    program.Start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }

  QString ProgramFile(const char* name) const { return box.Path("program/") + name; }

  // The value as the INI file on disk holds it once the store's pending flush has come.
  QString Setting(const char* key) {
    const QtSettingsStore& store = program.Store();
    [&] { QVERIFY(QTest::qWaitFor([&] { return !store.Unflushed(); })); }();
    return SettingOnDisk(key);
  }
  // The value as the INI file on disk holds it now, or a null string: what a crash would leave.
  QString SettingOnDisk(const char* key) const {
    const QString text = ReadFile(box.Path("config/VellCmdLine/VellCmdLine.ini"));
    const auto match =
        QRegularExpression(QString("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption)
            .match(text);
    return match.hasMatch() ? match.captured(1) : QString();
  }
  void SetSetting(const char* key, const QString& value) {
    program.Store().Write("VellCmdLine", "Defaults", key, value.toStdString());
  }

  QLineEdit* Edit() { return window.findChild<QLineEdit*>("Text1Edit"); }
  QAbstractItemView* List() { return window.findChild<QAbstractItemView*>("Text1List"); }
  QWidget* Command2() { return window.findChild<QWidget*>("Command2"); }

  // Types the line into Text1 and presses Enter.
  void Run(const QString& line) {
    Edit()->clear();
    QTest::keyClicks(Edit(), line);
    QTest::keyClick(Edit(), Qt::Key_Return);
  }
};
