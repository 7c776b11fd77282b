// A process writing the settings is killed at random moments: every time, the settings file
// still reads and never goes back to an older value; and a value written before a pause is on
// disk within the flush interval, before any end.
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include "Harness.h"
#include "TestMain.h"

class SettingsKillTest : public QObject {
  Q_OBJECT

 private slots:
  void killedWriter_leavesAReadableFileAndFlushedValues() {
    Sandbox box;
    const QString ini = box.Path("config/VellCmdLine/VellCmdLine.ini");
    const auto onDisk = [&] {
      QSettings settings(ini, QSettings::IniFormat);
      return std::make_pair(settings.status(), settings.value("Defaults/Top", -1).toLongLong());
    };
    QRandomGenerator random(7);
    qint64 stored = -1;
    int acknowledged = 0, paused = 0;
    for (int kill = 0; kill < 120; ++kill) {
      // Every fourth writer stops after a few writes and waits: its last value must reach the
      // file while it still runs.
      const bool pause = kill % 4 == 0;
      const qint64 count = pause ? 1 + random.bounded(20) : 1000000;
      QProcess writer;
      writer.start(SETTINGSWRITER,
                   {box.Path("config"), QString::number(stored + 1), QString::number(count)});
      QVERIFY(writer.waitForStarted());
      if (pause) {
        QTRY_COMPARE_WITH_TIMEOUT(onDisk().second, stored + count, 20000);
        ++paused;
      } else {
        QTest::qSleep(static_cast<int>(random.bounded(400)));
      }
      writer.kill();
      QVERIFY(writer.waitForFinished());
      for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
        if (!line.isEmpty()) ++acknowledged;

      const auto [status, now] = onDisk();
      QCOMPARE(status, QSettings::NoError);
      if (stored < 0 && now < 0) continue;  // killed before any flush
      QVERIFY2(now >= stored,
               qPrintable(QString("kill %1: %2 < %3").arg(kill).arg(now).arg(stored)));
      stored = now;
    }
    QVERIFY(acknowledged > 0);  // the kills did fall among the writes
    QVERIFY(paused > 0);
  }
};

VELL_QTEST_MAIN(SettingsKillTest)
#include "SettingsKillTest.moc"
