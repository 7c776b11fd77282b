#include <sys/stat.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "Answers.h"
#include "Harness.h"
#include "TestMain.h"
#include "data/SharedDialog.h"
#include "platform/qt/Colors.h"

class QtServicesTest : public QObject {
  Q_OBJECT
  Sandbox box;

 private slots:
  // Each value reads back at once; a run of writes reaches the file in one flush, soon after
  // the first of them, and then nothing waits.
  void settings_writesOfARunFlushOnce() {
    const QString path = box.Path("config/VellCmdLine/VellCmdLine.ini");
    QtSettingsStore store(box.Path("config"));
    QCOMPARE(store.Read("VellCmdLine", "Defaults", "Top"), std::nullopt);
    for (int top = 1900; top < 1980; ++top) {
      QVERIFY(store.Write("VellCmdLine", "Defaults", "Top", std::to_string(top)));
      QCOMPARE(store.Read("VellCmdLine", "Defaults", "Top"), std::to_string(top));
    }
    QVERIFY(store.Write("VellCmdLine", "Defaults", "Fore", "?"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(QTest::qWaitFor([&] { return !store.Unflushed(); }));
    const QString text = ReadFile(path);
    QVERIFY(text.contains("[Defaults]"));
    QVERIFY(text.contains("Top=1979"));
    QtSettingsStore nextRun(box.Path("config"));
    QCOMPARE(nextRun.Read("VellCmdLine", "Defaults", "Fore"), std::optional<std::string>("?"));

    // The next run of writes waits for a flush of its own.
    QVERIFY(store.Write("VellCmdLine", "Defaults", "Top", "7"));
    QCOMPARE(ReadFile(path), text.toUtf8());
    store.Flush();
    QVERIFY(!store.Unflushed());
    QVERIFY(ReadFile(path).contains("Top=7"));
  }

  void settings_failedWriteIsReported() {
    WriteFile(box.Path("config/Blocked"), "a file where the folder should be");
    QtSettingsStore store(box.Path("config"));
    QVERIFY(!store.Write("Blocked", "Defaults", "Top", "1"));
  }

  // A settings file that is not an ordinary one is never opened (a FIFO would block forever):
  // the run keeps its values in memory, says so, and leaves the file as it was.
  void settings_notAnOrdinaryFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("device") << "device";
    QTest::newRow("link to an ordinary file") << "link";
  }
  void settings_notAnOrdinaryFile() {
    QFETCH(QString, kind);
    Sandbox here;
    QVERIFY(QDir().mkpath(here.Path("config/VellCmdLine")));
    const QString path = here.Path("config/VellCmdLine/VellCmdLine.ini");
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo") QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    if (kind == "folder") QVERIFY(QDir().mkdir(path));
    if (kind == "device") QVERIFY(QFile::link("/dev/null", path));
    if (kind == "link") {
      WriteFile(here.Path("elsewhere.ini"), "[Defaults]\nTop=7\n");
      QVERIFY(QFile::link(here.Path("elsewhere.ini"), path));
    }
    struct stat before, after;
    QCOMPARE(::lstat(name.constData(), &before), 0);
    const bool ordinary = kind == "link";
    const auto read = [](QtSettingsStore& store) {
      return store.Read("VellCmdLine", "Defaults", "Top");
    };

    QtSettingsStore store(here.Path("config"));
    QCOMPARE(read(store), ordinary ? std::optional<std::string>("7") : std::nullopt);
    QCOMPARE(store.Write("VellCmdLine", "Defaults", "Top", "8"), ordinary);
    QCOMPARE(read(store), std::optional<std::string>("8"));
    QtSettingsStore nextRun(here.Path("config"));
    QCOMPARE(read(nextRun), ordinary ? std::optional<std::string>("8") : std::nullopt);
    if (ordinary) {
      QCOMPARE(store.UnusableFile(), "");
      return;
    }
    QCOMPARE(store.UnusableFile(), name.toStdString());
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
  }

  // A value as a user writes it by hand: an unquoted "," or ";" is part of it (the INI syntax
  // would read a list, or a comment); a value the program wrote reads as written.
  void settings_handWrittenValues_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("comma") << QByteArray("Hotkey=Ctrl+Alt+,") << "Ctrl+Alt+,";
    QTest::newRow("semicolon") << QByteArray("Hotkey = Ctrl+Alt+;") << "Ctrl+Alt+;";
    QTest::newRow("quoted") << QByteArray("Hotkey=\"Ctrl+Alt+,\"") << "Ctrl+Alt+,";
    QTest::newRow("plain") << QByteArray("Hotkey=Ctrl+Alt+Space") << "Ctrl+Alt+Space";
  }
  void settings_handWrittenValues() {
    QFETCH(QByteArray, line);
    QFETCH(QString, value);
    Sandbox here;
    QVERIFY(QDir().mkpath(here.Path("config/VellCmdLine")));
    WriteFile(here.Path("config/VellCmdLine/VellCmdLine.ini"),
              "[Other]\nHotkey=Ctrl+,\n[Defaults]\n; a comment\n" + line + "\nTop=5\n");
    QtSettingsStore store(here.Path("config"));
    QCOMPARE(store.Read("VellCmdLine", "Defaults", "Hotkey"), value.toStdString());
    QCOMPARE(store.Read("VellCmdLine", "Defaults", "Top"), std::optional<std::string>("5"));
    QVERIFY(store.Write("VellCmdLine", "Defaults", "Hotkey", "Alt+;"));
    QCOMPARE(store.Read("VellCmdLine", "Defaults", "Hotkey"), std::optional<std::string>("Alt+;"));
    store.Flush();
    QtSettingsStore nextRun(here.Path("config"));
    QCOMPARE(nextRun.Read("VellCmdLine", "Defaults", "Hotkey"),
             std::optional<std::string>("Alt+;"));
  }

  void nameFilters_allFourInOrder() {
    const std::vector<FileFilter> filters{{"All Files", {"*.*"}},
                                          {"Executable Files", {"*.exe", "*.com", "*.bat"}},
                                          {"Batch Files", {"*.bat"}},
                                          {"Screen Savers", {"*.scr"}}};
    QCOMPARE(NameFilters(filters),
             (QStringList{"All Files (*)", "Executable Files (*.exe *.com *.bat)",
                          "Batch Files (*.bat)", "Screen Savers (*.scr)"}));
  }

  void colors() {
    const std::pair<Color, QColor> cases[] = {
        {Color::OfRgb(255), QColor(255, 0, 0)},
        {Color::OfRgb(16711680), QColor(0, 0, 255)},
        {kWindowText, QApplication::palette().color(QPalette::Text)},
        {kWindowBackground, QApplication::palette().color(QPalette::Base)},
    };
    for (const auto& [color, drawn] : cases) {
      QCOMPARE(ToQColor(color), drawn);
      if (color.Role == ColorRole::None) QCOMPARE(FromQColor(drawn), color.Rgb);
    }
  }

  void msgbox_plainWithoutIcon() {
    Answers answers;
    QMessageBox::Icon icon{};
    QString title, text;
    int buttons = 0;
    const QWidget* parent = nullptr;
    answers.Modal<QMessageBox>([&](QMessageBox* box) {
      icon = box->icon();
      title = box->windowTitle();
      text = box->text();
      buttons = box->buttons().size();
      parent = box->parentWidget();
      box->button(QMessageBox::Cancel)->click();
    });
    QWidget strip;
    QtMsgBox msgbox(strip);
    QCOMPARE(msgbox.Show("<b>a</b>\r\n\r\nb", "Vell Command Line", MsgBoxButtons::OKCancel),
             MsgBoxResult::Cancel);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(title, "Vell Command Line");
    QCOMPARE(text, "<b>a</b>\n\nb");
    QCOMPARE(buttons, 2);
    QCOMPARE(parent, &strip);
  }

  // dlg1 keeps its file over a cancel, and the colour dialog starts from the last colour.
  void commonDialog_keepsStateAcrossUses() {
    WriteFile(box.Path("home/a tool.sh"), "");
    QWidget strip;
    QtCommonDialog native(strip);
    SharedDialog dlg1(native);
    Answers answers;
    answers.Modal<QFileDialog>(
        [&](QFileDialog* dialog) { Answers::Open(dialog, box.Path("home/a tool.sh")); });
    QStringList filters;
    QString startedAt;
    answers.Modal<QFileDialog>([&](QFileDialog* dialog) {
      filters = dialog->nameFilters();
      startedAt = dialog->selectedFiles().value(0);
      dialog->reject();
    });
    dlg1.ShowOpen();
    QCOMPARE(dlg1.FileName, box.Bytes("home/a tool.sh"));
    dlg1.ShowOpen();
    QCOMPARE(dlg1.FileName, box.Bytes("home/a tool.sh"));
    QCOMPARE(startedAt, box.Path("home/a tool.sh"));
    QCOMPARE(filters.size(), 4);

    QColor initial;
    answers.Modal<QColorDialog>([](QColorDialog* dialog) {
      dialog->setCurrentColor(QColor(0, 0, 255));
      dialog->accept();
    });
    answers.Modal<QColorDialog>([&](QColorDialog* dialog) {
      initial = dialog->currentColor();
      dialog->reject();
    });
    QVERIFY(dlg1.ShowColor());
    QCOMPARE(dlg1.Color, 16711680u);
    QVERIFY(!dlg1.ShowColor());
    QCOMPARE(initial, QColor(0, 0, 255));
    QCOMPARE(dlg1.Color, 16711680u);
    QVERIFY(answers.Done());
  }
};

VELL_QTEST_MAIN(QtServicesTest)
#include "QtServicesTest.moc"
