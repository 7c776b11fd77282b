#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <QTest>

#include "Harness.h"
#include "TestMain.h"
#include "commandwindow/Dispatch.h"
#include "platform/qt/PosixShell.h"

namespace {
// A script that writes its working directory, its arguments and whether its standard input
// is open on a terminal-less /dev/null into the marker file.
const char kRecorder[] =
    "#!/bin/sh\n"
    "{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; readlink /proc/$$/fd/0; } > \"$MARKER.tmp\"\n"
    "mv \"$MARKER.tmp\" \"$MARKER\"\n";

void MakeScript(const QString& path, const QByteArray& text) {
  WriteFile(path, text);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Children of this process that have ended but were never reaped.
int Zombies() {
  int count = 0;
  DIR* proc = ::opendir("/proc");
  while (dirent* entry = ::readdir(proc)) {
    const QByteArray stat = ReadFile(QString("/proc/%1/stat").arg(entry->d_name));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 1 && fields[0] == "Z" && fields[1].toInt() == ::getpid()) ++count;
  }
  ::closedir(proc);
  return count;
}

int OpenDescriptors() { return static_cast<int>(QDir("/proc/self/fd").count()); }
}  // namespace

class PosixShellTest : public QObject {
  Q_OBJECT
  Sandbox box;
  QString marker;

 private slots:
  void init() {
    marker = box.Path("home/marker");
    QFile::remove(marker);
    qputenv("MARKER", marker.toLocal8Bit());
    qputenv("PATH", box.Path("bin").toLocal8Bit() + ":/usr/bin:/bin");
    QDir(box.root.path()).mkpath("bin");
    MakeScript(box.Path("bin/recorder"), kRecorder);
    MakeScript(box.Path("program/recorder"), kRecorder);
  }

  void codes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::newRow("missing program") << "no-such-program" << 2;
    QTest::newRow("missing file by path") << box.Path("program/none") << 2;
    QTest::newRow("missing folder in path") << box.Path("nowhere/none") << 3;
    QTest::newRow("file as folder") << box.Path("program/recorder/x") << 3;
    QTest::newRow("line with blanks is one name") << "recorder -v" << 2;
  }
  void codes() {
    QFETCH(QString, file);
    QFETCH(int, code);
    PosixShell shell(box.Bytes("home"));
    QCOMPARE(shell.Execute(ShellRequest{file.toStdString(), "", 1, {}}), code);
  }

  // Programs start in the home folder with their parameters split as a shell splits words.
  void programs_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("by path") << box.Path("program/recorder") << "-v \"a b\" 'c$d'"
                             << QStringList{"[-v]", "[a b]", "[c$d]"};
    QTest::newRow("on PATH") << "recorder"
                             << "" << QStringList{};
  }
  void programs() {
    QFETCH(QString, file);
    QFETCH(QString, parameters);
    QFETCH(QStringList, arguments);
    PosixShell shell(box.Bytes("home"));
    QCOMPARE(shell.Execute(ShellRequest{file.toStdString(), parameters.toStdString(), 1, {}}), 42);
    QTRY_VERIFY(QFile::exists(marker));
    const QStringList lines = QString(ReadFile(marker)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), box.Path("home"));
    QCOMPARE(lines.mid(1, lines.size() - 2), arguments);
    QCOMPARE(lines.last(), QString("/dev/null"));
    QCOMPARE(Zombies(), 0);
  }

  // A thousand commands in a row leave neither a zombie nor an open descriptor behind.
  void manyCommands_leaveNoZombieAndNoDescriptor() {
    PosixShell shell(box.Bytes("home"));
    const int descriptors = OpenDescriptors();
    for (int i = 0; i < 1000; ++i)
      QCOMPARE(shell.Execute(ShellRequest{"/bin/true", "", 1, {}}), 42);
    QCOMPARE(shell.Execute(ShellRequest{"/no/such/program", "", 1, {}}), 3);
    QCOMPARE(OpenDescriptors(), descriptors);
    QCOMPARE(Zombies(), 0);
  }

  void interpreter_runsTheRestThroughSh() {
    PosixShell shell(box.Bytes("home"));
    QCOMPARE(shell.Execute(FormShellRequest("%echo $((6*7)) > \"$MARKER\"")), 42);
    QTRY_COMPARE(ReadFile(marker), QByteArray("42\n"));
  }

  // Documents, folders and URLs go to xdg-open, or answer 31 when there is none.
  void documents_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("document") << box.Path("program/notes.txt");
    QTest::newRow("folder") << box.Path("program");
    QTest::newRow("url") << "https://example.org/a b";
  }
  void documents() {
    QFETCH(QString, target);
    WriteFile(box.Path("program/notes.txt"), "text");
    PosixShell shell(box.Bytes("home"));
    QCOMPARE(shell.Execute(ShellRequest{target.toStdString(), "", 1, {}}), 31);
    MakeScript(box.Path("bin/xdg-open"), kRecorder);
    QCOMPARE(shell.Execute(ShellRequest{target.toStdString(), "", 1, {}}), 42);
    QTRY_VERIFY(QFile::exists(marker));
    QCOMPARE(QString(ReadFile(marker)).split('\n').at(1), "[" + target + "]");
    QFile::remove(box.Path("bin/xdg-open"));
  }

  // The answer does not wait for the program, which outlives the call in a session of its own.
  void started_isNotWaitedFor() {
    PosixShell shell(box.Bytes("home"));
    const QString pidFile = box.Path("home/pid");
    QCOMPARE(
        shell.Execute(FormShellRequest("%echo $$ > " + pidFile.toStdString() + "; exec sleep 30")),
        42);
    QTRY_VERIFY(!ReadFile(pidFile).isEmpty());
    const pid_t child = ReadFile(pidFile).trimmed().toInt();
    QVERIFY(::getsid(child) != ::getsid(0));
    QVERIFY(::getppid() != child);
    QVERIFY(::kill(child, SIGTERM) == 0);
  }
};

VELL_QTEST_MAIN(PosixShellTest)
#include "PosixShellTest.moc"
