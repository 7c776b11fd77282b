#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QProcess>
#include <QTest>

#include "Harness.h"
#include "TestMain.h"
#include "platform/qt/QtInstance.h"

class QtInstanceTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Sandbox> box;
  QProcess server;
  QString display;

  // The real program on the test's X server, copied into a folder of the sandbox: its files
  // then live beside the copy. The runtime folder is one of the sandbox, or none: Qt then makes
  // its own in TMPDIR.
  QProcess* Start(const QString& runtime = "runtime", const QString& folder = "program") {
    auto* process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", display);
    env.insert("HOME", box->Path("home"));
    env.insert("XDG_CONFIG_HOME", box->Path("config"));
    env.insert("XDG_RUNTIME_DIR", box->Path(runtime));
    env.insert("TMPDIR", box->Path("home"));
    if (runtime.isEmpty()) env.remove("XDG_RUNTIME_DIR");
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(box->Path(folder + "/vellcmdline"), {});
    return process;
  }
  bool Shows(QProcess* process) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    tool.setProcessEnvironment(env);
    tool.start("xdotool",
               {"search", "--onlyvisible", "--pid", QString::number(process->processId())});
    tool.waitForFinished(20000);
    return !tool.readAllStandardOutput().trimmed().isEmpty();
  }
  QString Ini() const { return box->Path("config/VellCmdLine/VellCmdLine.ini"); }

 private slots:
  void initTestCase() { StartXvfb(server, "1280x800", display); }
  void cleanupTestCase() {
    server.terminate();
    server.waitForFinished(20000);
  }

  void init() {
    box = std::make_unique<Sandbox>();
    QVERIFY(QFile::copy(VELLCMDLINE, box->Path("program/vellcmdline")));
    WriteFile(box->Path("program/history.cfg"), " one  \r\ntwo\r\n");
  }

  // Two instances in one process: the later one's request reaches the first through the event
  // loop.
  void activation_reachesTheFirst() {
    int activated = 0;
    QtInstance first(
        box->Bytes("program"), [&] { ++activated; }, [] {});
    QCOMPARE(first.IsAnotherRunning(), AnotherInstance::No);
    QtInstance other(
        box->Bytes("program"), [] {}, [] {});
    QCOMPARE(other.IsAnotherRunning(), AnotherInstance::Yes);
    QVERIFY(other.ActivateByTitle(other.Title()));
    QTRY_COMPARE(activated, 1);
  }

  // A second start over the same files, whatever its runtime folder, touches no file or setting
  // and ends; a signal that ends a session closes the first, which saves.
  void secondStart_exitsAndTheFirstSavesOnASignal_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("secondRuntime");
    QTest::newRow("SIGTERM") << SIGTERM << "runtime";
    QTest::newRow("SIGHUP") << SIGHUP << "runtime";
    QTest::newRow("SIGTERM, another runtime folder") << SIGTERM << "home";
    QTest::newRow("SIGTERM, no runtime folder") << SIGTERM << "";
  }
  void secondStart_exitsAndTheFirstSavesOnASignal() {
    QFETCH(int, signal);
    QFETCH(QString, secondRuntime);
    QProcess* first = Start();
    // Up once the first show has written the whole geometry, "Left" last.
    QTRY_VERIFY_WITH_TIMEOUT(ReadFile(Ini()).contains("Left="), 20000);
    QVERIFY(QFileInfo::exists(box->Path("program/vellcmdline.lock")));
    const QByteArray settings = ReadFile(Ini());
    QProcess* second = Start(secondRuntime);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(ReadFile(Ini()), settings);
    QCOMPARE(first->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(first->processId()), signal);
    QVERIFY(first->waitForFinished(20000));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
    QCOMPARE(ReadFile(box->Path("program/history.cfg")), QByteArray("one\r\ntwo\r\n"));
  }

  // Two copies of the program, each with its files beside it, run side by side.
  void copiesInTwoFolders_bothRun() {
    QVERIFY(QDir(box->Path(".")).mkdir("copy"));
    QVERIFY(QFile::copy(VELLCMDLINE, box->Path("copy/vellcmdline")));
    QProcess* first = Start();
    QTRY_VERIFY_WITH_TIMEOUT(Shows(first), 20000);
    QProcess* second = Start("runtime", "copy");
    QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning || Shows(second), 20000);
    QCOMPARE(second->state(), QProcess::Running);
    QCOMPARE(first->state(), QProcess::Running);
    for (QProcess* process : {first, second}) {
      process->terminate();
      QVERIFY(process->waitForFinished(20000));
    }
  }

  // Fifty times two starts at the same moment: each time exactly one strip stays.
  void simultaneousStarts_leaveOneRunning() {
    for (int round = 0; round < 50; ++round) {
      QFile::remove(Ini());
      QProcess* a = Start();
      QProcess* b = Start();
      QTRY_VERIFY_WITH_TIMEOUT(
          a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, 20000);
      QProcess* ended = a->state() == QProcess::NotRunning ? a : b;
      QProcess* running = ended == a ? b : a;
      QCOMPARE(ended->exitCode(), 0);
      // The strip that stays has shown itself once it has written its geometry.
      QTRY_VERIFY_WITH_TIMEOUT(ReadFile(Ini()).contains("Left="), 20000);
      QVERIFY2(running->state() == QProcess::Running, qPrintable(QString::number(round)));
      ::kill(static_cast<pid_t>(running->processId()), SIGINT);
      QVERIFY(running->waitForFinished(20000));
      delete a;
      delete b;
    }
  }
};

VELL_QTEST_MAIN(QtInstanceTest)
#include "QtInstanceTest.moc"
