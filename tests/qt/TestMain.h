#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// QTEST_MAIN with the user's directories moved into a temporary one first, so that nothing a
// test runs (the program, Qt's own dialogs) reads or writes the real home.
#define VELL_QTEST_MAIN(TestObject)                                                       \
  int main(int argc, char** argv) {                                                       \
    QTemporaryDir home;                                                                   \
    const QByteArray path = QFile::encodeName(home.path());                               \
    qputenv("HOME", path);                                                                \
    qputenv("XDG_CONFIG_HOME", path + "/.config");                                        \
    qputenv("XDG_RUNTIME_DIR", path);                                                     \
    QApplication app(argc, argv);                                                         \
    TestObject test;                                                                      \
    return QTest::qExec(&test, argc, argv);                                               \
  }
