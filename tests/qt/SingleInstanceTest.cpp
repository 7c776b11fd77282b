#include <signal.h>

#include <QProcess>
#include <QTest>

#include "Harness.h"
#include "TestMain.h"

class SingleInstanceTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Sandbox> box;

  // The real program, copied into the sandbox: its files then live beside the copy.
  QProcess* Start() {
    auto* process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", box->Path("home"));
    env.insert("XDG_CONFIG_HOME", box->Path("config"));
    env.insert("XDG_RUNTIME_DIR", box->Path("runtime"));
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

  // In one process: the second lock fails and its activation reaches the first.
  void secondInstance_activatesTheFirst() {
    int activated = 0;
    SingleInstance first(
        box->Bytes("runtime"), [&] { ++activated; }, [] {});
    QCOMPARE(first.IsAnotherRunning(), AnotherInstance::No);
    SingleInstance second(
        box->Bytes("runtime"), [] {}, [] {});
    QCOMPARE(second.IsAnotherRunning(), AnotherInstance::Yes);
    QVERIFY(second.ActivateByTitle(second.Title()));
    QTRY_COMPARE(activated, 1);
  }

  // A second start touches no file or setting and ends; SIGTERM closes the first, which saves.
  void secondStart_exitsAndTheFirstSavesOnSigterm() {
    QProcess* first = Start();
    // Up once the first show has written the whole geometry, "Left" last.
    QTRY_VERIFY_WITH_TIMEOUT(ReadFile(Ini()).contains("Left="), 20000);
    const QByteArray settings = ReadFile(Ini());
    QProcess* second = Start();
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(ReadFile(Ini()), settings);
    QCOMPARE(first->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    QVERIFY(first->waitForFinished(20000));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
    QCOMPARE(ReadFile(box->Path("program/history.cfg")), QByteArray("one\r\ntwo\r\n"));
  }

  // Fifty times two starts at the same moment: each time exactly one strip stays.
  void simultaneousStarts_leaveOneRunning() {
    for (int round = 0; round < 50; ++round) {
      QProcess* a = Start();
      QProcess* b = Start();
      QTRY_VERIFY_WITH_TIMEOUT(
          a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, 20000);
      QProcess* ended = a->state() == QProcess::NotRunning ? a : b;
      QProcess* running = ended == a ? b : a;
      QCOMPARE(ended->exitCode(), 0);
      QTest::qWait(200);
      QVERIFY2(running->state() == QProcess::Running, qPrintable(QString::number(round)));
      ::kill(static_cast<pid_t>(running->processId()), SIGINT);
      QVERIFY(running->waitForFinished(20000));
      delete a;
      delete b;
    }
  }
};

VELL_QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
