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

  // The real program, copied into the sandbox: its files then live beside the copy. Without a
  // runtime folder, XDG_RUNTIME_DIR is unset and a file stands where Qt would make its own.
  QProcess* Start(bool runtimeFolder = true) {
    auto* process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", box->Path("home"));
    env.insert("XDG_CONFIG_HOME", box->Path("config"));
    env.insert("XDG_RUNTIME_DIR", box->Path("runtime"));
    if (!runtimeFolder) {
      env.remove("XDG_RUNTIME_DIR");
      env.insert("TMPDIR", box->Path("home"));
      WriteFile(
          box->Path("home/runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name),
          "not a folder");
    }
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(box->Path("program/vellcmdline"), {});
    return process;
  }
  QString Ini() const { return box->Path("config/VellCmdLine/VellCmdLine.ini"); }

 private slots:
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
        box->Bytes("runtime"), box->Bytes("config"), [&] { ++activated; }, [] {});
    QCOMPARE(first.IsAnotherRunning(), AnotherInstance::No);
    QtInstance other(
        box->Bytes("runtime"), box->Bytes("config"), [] {}, [] {});
    QCOMPARE(other.IsAnotherRunning(), AnotherInstance::Yes);
    QVERIFY(other.ActivateByTitle(other.Title()));
    QTRY_COMPARE(activated, 1);
  }

  // A second start touches no file or setting and ends; a signal that ends a session closes the
  // first, which saves.
  void secondStart_exitsAndTheFirstSavesOnASignal_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("runtimeFolder");
    QTest::newRow("SIGTERM") << SIGTERM << true;
    QTest::newRow("SIGHUP") << SIGHUP << true;
    QTest::newRow("SIGTERM, no runtime folder") << SIGTERM << false;
  }
  void secondStart_exitsAndTheFirstSavesOnASignal() {
    QFETCH(int, signal);
    QFETCH(bool, runtimeFolder);
    QProcess* first = Start(runtimeFolder);
    // Up once the first show has written the whole geometry, "Left" last.
    QTRY_VERIFY_WITH_TIMEOUT(ReadFile(Ini()).contains("Left="), 20000);
    QCOMPARE(QFileInfo::exists(box->Path("config/VellCmdLine/vellcmdline.lock")), !runtimeFolder);
    const QByteArray settings = ReadFile(Ini());
    QProcess* second = Start(runtimeFolder);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(ReadFile(Ini()), settings);
    QCOMPARE(first->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(first->processId()), signal);
    QVERIFY(first->waitForFinished(20000));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
    QCOMPARE(ReadFile(box->Path("program/history.cfg")), QByteArray("one\r\ntwo\r\n"));
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
