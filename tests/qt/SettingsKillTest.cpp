// A process writing the settings is killed at random moments: every time, the settings file
// still reads, and a value whose write had returned before the kill is there after it.
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include "Harness.h"
#include "TestMain.h"

class SettingsKillTest : public QObject {
  Q_OBJECT

 private slots:
  void killedWriter_losesNoWrittenValue() {
    Sandbox box;
    const QString ini = box.Path("config/VellCmdLine/VellCmdLine.ini");
    QRandomGenerator random(7);
    long stored = -1;
    int acknowledged = 0;
    for (int kill = 0; kill < 200; ++kill) {
      QProcess writer;
      writer.start(SETTINGSWRITER, {box.Path("config"), QString::number(stored + 1)});
      QVERIFY(writer.waitForStarted());
      QTest::qSleep(static_cast<int>(random.bounded(40)));
      writer.kill();
      QVERIFY(writer.waitForFinished());
      const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
      long last = stored;
      for (const QByteArray& line : lines)
        if (!line.isEmpty()) last = line.toLong(), ++acknowledged;

      QSettings settings(ini, QSettings::IniFormat);
      QCOMPARE(settings.status(), QSettings::NoError);
      if (last < 0 && !settings.contains("Defaults/Top")) continue;  // killed before any write
      const long now = settings.value("Defaults/Top").toString().toLong();
      QVERIFY2(now >= last, qPrintable(QString("kill %1: %2 < %3").arg(kill).arg(now).arg(last)));
      stored = now;
    }
    QVERIFY(acknowledged > 0);  // the kills did fall among the writes
  }
};

VELL_QTEST_MAIN(SettingsKillTest)
#include "SettingsKillTest.moc"
