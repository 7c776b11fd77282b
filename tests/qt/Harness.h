#pragma once

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "commandwindow/CmdLine.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixShell.h"
#include "platform/qt/CmdLineWindow.h"
#include "platform/qt/MenuWindow.h"
#include "platform/qt/QtCommonDialog.h"
#include "platform/qt/QtInstance.h"
#include "platform/qt/QtMsgBox.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSettingsStore.h"

// A temporary tree: program directory, home, configuration and runtime directories.
struct Sandbox {
  QTemporaryDir root;
  QString Path(const QString& name) const { return root.filePath(name); }
  std::string Bytes(const QString& name) const { return Path(name).toStdString(); }
  Sandbox() {
    for (const char* name : {"program", "home", "config", "runtime"}) QDir(root.path()).mkdir(name);
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

// The whole program in this process, with the real services; ending is only counted.
struct Harness {
  Sandbox box;
  PosixShell shell{box.Bytes("home")};
  QtSettingsStore store{box.Path("config")};
  PosixFiles files{box.Bytes("program")};
  QtMsgBox msgbox;
  QtCommonDialog dialog;
  QtScreen screen;
  int ends = 0;
  QtInstance instance{box.Bytes("runtime"), box.Bytes("config"), [] {}, [this] { ++ends; }};
  CmdLineWindow window;
  MenuWindow menu{&window};
  Services services{shell, store, files, msgbox, dialog, instance, screen};
  CmdLine form{window, menu, services};

  Harness() {
    window.Attach(form, menu);
    menu.Attach(form.Menu());
  }

  void Start() {
    form.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }

  QString ProgramFile(const char* name) const { return box.Path("program/") + name; }

  // The value as the INI file on disk holds it, or a null string: what a crash would leave.
  QString Setting(const char* key) const {
    const QString text = ReadFile(box.Path("config/VellCmdLine/VellCmdLine.ini"));
    const auto match =
        QRegularExpression(QString("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption)
            .match(text);
    return match.hasMatch() ? match.captured(1) : QString();
  }
  void SetSetting(const char* key, const QString& value) {
    store.Write("VellCmdLine", "Defaults", key, value.toStdString());
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
