#include <QClipboard>
#include <QFont>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSessionManager>
#include <QTest>
#include <csignal>

#include "Answers.h"
#include "Harness.h"
#include "TestMain.h"
#include "platform/qt/HistoryModel.h"

namespace {
const char kMarkerScript[] = "#!/bin/sh\necho \"$@\" > \"$MARKER\"\n";

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint local) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, local, widget->mapToGlobal(local),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
}  // namespace

class CmdLineWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Harness> h;
  QString marker;
  const QByteArray path = qgetenv("PATH");

  void MakeMarkerScript(const QString& path) {
    WriteFile(path, kMarkerScript);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

 private slots:
  void init() {
    h = std::make_unique<Harness>();
    marker = h->box.Path("home/marker");
    qputenv("MARKER", marker.toLocal8Bit());
    MakeMarkerScript(h->box.Path("program/mark"));
  }
  void cleanup() {
    h.reset();
    qputenv("PATH", path);
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
  }

  void enter_startsTheProgramAndRecordsTheLine() {
    h->Start();
    h->Run("\"" + h->box.Path("program/mark") + "\" one 'two three'");
    QTRY_COMPARE(ReadFile(marker), QByteArray("one two three\n"));
    QCOMPARE(h->Edit()->text(), QString());
    QCOMPARE(h->List()->model()->rowCount(), 1);
    QCOMPARE(h->List()->model()->index(0, 0).data().toString(),
             "\"" + h->box.Path("program/mark") + "\" one 'two three'");
  }

  void missingProgram_showsNotFoundAndKeepsTheText() {
    h->Start();
    Answers answers;
    QString text, title;
    answers.Modal<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      title = box->windowTitle();
      box->button(QMessageBox::Ok)->click();
    });
    h->Run("no-such-program --now");
    QVERIFY(answers.Done());
    QCOMPARE(text,
             "This command was not found\n\nIf you wish to run a shell command, precede it with "
             "the symbol %, which hands it to sh -c");
    QCOMPARE(title, "Vell Command Line");
    QCOMPARE(h->Edit()->text(), "no-such-program --now");
    QCOMPARE(h->List()->model()->rowCount(), 0);
  }

  void percentForm_runsThroughSh() {
    h->Start();
    h->Run("%echo $((40+2)) > \"$MARKER\"");
    QTRY_COMPARE(ReadFile(marker), QByteArray("42\n"));
    QCOMPARE(h->List()->model()->rowCount(), 1);
  }

  // What the box shows is what runs: a paste keeps its first line, in the middle of a text too;
  // a recalled entry goes in the same way; a line far beyond 32,767 characters runs whole.
  void pastes_runWhatTheBoxShows_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    const QString echo = "%echo a > \"$MARKER\"";
    QTest::newRow("two lines") << "" << echo + "\ntouch hidden\n" << echo;
    QTest::newRow("cr lf and controls") << "" << echo + "\x1b\r\ntouch hidden" << echo;
    QTest::newRow("del") << ""
                         << "%echo a\x7f > \"$MARKER\"" << echo;
    QTest::newRow("into a text") << "%echo  > \"$MARKER\""
                                 << "a\ntouch hidden"
                                 << "%echo a > \"$MARKER\"";
    QTest::newRow("long line") << ""
                               << "%echo " + QString(40000, 'x') + " > \"$MARKER\""
                               << "%echo " + QString(40000, 'x') + " > \"$MARKER\"";
  }
  void pastes_runWhatTheBoxShows() {
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    h->Start();
    h->Edit()->setText(before);
    h->Edit()->setCursorPosition(std::min<int>(6, before.size()));
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(h->Edit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h->Edit()->text(), shown);
    QTest::keyClick(h->Edit(), Qt::Key_Return);
    QTRY_VERIFY(QFile::exists(marker));
    QTRY_COMPARE(ReadFile(marker),
                 (shown.startsWith("%echo x") ? QString(40000, 'x') : "a").toLatin1() + "\n");
    QCOMPARE(static_cast<HistoryModel*>(h->List()->model())->Entry(0), shown.toStdString());
    QVERIFY(!QFile::exists(h->box.Path("home/hidden")));
  }

  // An alias runs its target, also with the rest of a line as its arguments; the line is recorded.
  void alias_resolvesAndTheNameIsRecorded() {
    WriteFile(h->ProgramFile("aliases.cfg"),
              ("mk`\"" + h->box.Path("program/mark") + "\" via alias\r\nmp`" +
               h->box.Path("program/mark") + "\r\n")
                  .toLocal8Bit());
    h->Start();
    h->Run("mk");
    QTRY_COMPARE(ReadFile(marker), QByteArray("via alias\n"));
    QFile::remove(marker);
    h->Run("mp notes.txt 'two words;' && x");
    QTRY_COMPARE(ReadFile(marker), QByteArray("notes.txt two words; && x\n"));
    QCOMPARE(h->List()->model()->index(0, 0).data().toString(), "mk");
    QCOMPARE(h->List()->model()->index(1, 0).data().toString(), "mp notes.txt 'two words;' && x");
  }

  // Lines go back to disk as they came, bytes that are not UTF-8 included.
  void exit_writesHistoryByteForByte() {
    const QByteArray history("first\r\ncaf\xe9 \xff\r\n%echo x\r\n");
    WriteFile(h->ProgramFile("history.cfg"), history);
    h->Start();
    QCOMPARE(h->List()->model()->rowCount(), 3);
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QCOMPARE(h->window.Text(), std::string("caf\xe9 \xff"));
    QTest::keyClick(h->Edit(), Qt::Key_Up);
    QCOMPARE(h->Edit()->text(), "first");
    // With no row picked, Down picks the row picked last, as on Windows.
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QTest::keyClick(h->Edit(), Qt::Key_Backspace);
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QCOMPARE(h->window.Text(), std::string("caf\xe9 \xff"));
    h->Run("  exit ");
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), history);
  }

  // The files are kept apart from the executable: what came beside it is read while the program
  // directory has no copy, and saves go to the program directory only.
  void shippedFiles_areReadUntilTheProgramDirectoryHasCopies() {
    WriteFile(h->box.Path("exe/permhist.cfg"), "shipped entry\r\n");
    WriteFile(h->box.Path("exe/aliases.cfg"), "bye`exit\r\n");
    h->Start();
    QCOMPARE(h->List()->model()->rowCount(), 1);
    QCOMPARE(h->List()->model()->index(0, 0).data().toString(), "shipped entry");
    h->Run("bye");
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("shipped entry\r\n"));
    QCOMPARE(QDir(h->box.Path("exe")).entryList(QDir::Files),
             (QStringList{"aliases.cfg", "permhist.cfg"}));
  }

  // A row shows the start of a long entry only; a click still recalls the whole entry, and it
  // goes back to disk unchanged. Multi-byte characters make the cut fall inside them.
  void longEntry_showsItsStartAndRecallsWhole() {
    QByteArray entry = "%echo ";
    while (entry.size() < (1 << 20)) entry += "caf\xc3\xa9 \xe2\x82\xac \xf0\x9d\x84\x9e x";
    const QByteArray history = "short\r\n" + entry + "\r\n";
    WriteFile(h->ProgramFile("history.cfg"), history);
    h->Start();
    QAbstractItemView* list = h->List();
    const QString shown = list->model()->index(1, 0).data().toString();
    QVERIFY(shown.size() <= 1001);
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(QString::fromUtf8(entry).startsWith(shown.chopped(1)));
    QVERIFY(shown.size() > 100);
    QCOMPARE(list->model()->index(0, 0).data().toString(), "short");
    // Plain ASCII rows skip text shaping; others, with their marks and scripts, keep it.
    QVERIFY(list->model()->index(0, 0).data(Qt::FontRole).value<QFont>().styleStrategy() &
            QFont::PreferNoShaping);
    QVERIFY(list->model()->index(1, 0).data(Qt::FontRole).isNull());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    // The box shows the same start, and holds the entry whole until an edit replaces it.
    QCOMPARE(h->Edit()->text(), shown);
    QCOMPARE(h->window.Text(), entry.toStdString());
    QTest::keyClick(h->Edit(), Qt::Key_Right);
    QCOMPARE(h->window.Text(), entry.toStdString());
    QTest::keyClicks(h->Edit(), "x");
    QCOMPARE(h->Edit()->text(), "x");
    QCOMPARE(h->window.Text(), "x");
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QTest::keyClick(h->Edit(), Qt::Key_Backspace);
    QCOMPARE(h->window.Text(), "");
    h->Run("exit");
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), history);
  }

  void clickOnEntry_putsItIntoTheBox() {
    WriteFile(h->ProgramFile("history.cfg"), "alpha\r\nbeta\r\n");
    h->Start();
    QAbstractItemView* list = h->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    QCOMPARE(h->Edit()->text(), "beta");
  }

  QStringList Rows() {
    QStringList rows;
    for (int row = 0; row < h->List()->model()->rowCount(); ++row)
      rows << h->List()->model()->index(row, 0).data().toString();
    return rows;
  }

  // Typing narrows the list, the newest match in view; Enter runs the typed text, not a row
  // that contains it, and the emptied box shows every entry again. A long first row does not
  // widen the rows beyond the list.
  void typing_narrowsTheListAndEnterRunsTheTypedText() {
    const QByteArray wide = "entry 19 " + QByteArray(300, 'x');
    QByteArray history;
    for (int i = 0; i < 200; ++i)
      history += (i == 19 ? wide : "entry " + QByteArray::number(i)) + "\r\n";
    history += "%echo typed > \"$MARKER\"; echo picked > \"$MARKER\"\r\n";
    WriteFile(h->ProgramFile("history.cfg"), history);
    h->Start();
    QTest::keyClicks(h->Edit(), "ENTRY 19");
    QCOMPARE(Rows(),
             (QStringList{wide, "entry 190", "entry 191", "entry 192", "entry 193", "entry 194",
                          "entry 195", "entry 196", "entry 197", "entry 198", "entry 199"}));
    QAbstractItemView* list = h->List();
    QVERIFY(list->sizeHintForIndex(list->model()->index(0, 0)).width() <=
            list->viewport()->width());
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(10, 0))));
    QVERIFY(!list->viewport()->rect().intersects(list->visualRect(list->model()->index(0, 0))));
    // Emptied, the box shows the whole list from its start, as at start-up.
    h->Edit()->selectAll();
    QTest::keyClick(h->Edit(), Qt::Key_Backspace);
    QCOMPARE(list->model()->rowCount(), 201);
    QTRY_VERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(0, 0))));
    h->Run("%echo typed > \"$MARKER\"");
    QTRY_COMPARE(ReadFile(marker), QByteArray("typed\n"));
    QCOMPARE(h->Edit()->text(), QString());
    QCOMPARE(list->model()->rowCount(), 202);
    QCOMPARE(Rows().last(), "%echo typed > \"$MARKER\"");
  }

  // Tab completes the path that ends at the cursor in a "%" line, quoted as /bin/sh reads it,
  // after a character of two bytes; the completed line runs. Shift+Tab completes nothing.
  void tab_completesAPathAndTheLineRuns() {
    QDir().mkpath(h->box.Path("home/the dir"));
    WriteFile(h->box.Path("home/the dir/mark it.sh"), "echo \"$1\" > \"$MARKER\"\n");
    h->Start();
    QTest::keyClicks(h->Edit(), "%: ");
    QTest::sendKeyEvent(QTest::Click, h->Edit(), Qt::Key_Eacute, QString("\u00e9"), {});
    QTest::keyClicks(h->Edit(), "; sh the x");
    h->Edit()->setCursorPosition(12);
    QTest::keyClick(h->Edit(), Qt::Key_Tab);
    QCOMPARE(h->Edit()->text(), "%: \u00e9; sh 'the dir'/ x");
    QCOMPARE(h->Edit()->cursorPosition(), 19);
    QTest::keyClick(h->Edit(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(h->Edit()->text(), "%: \u00e9; sh 'the dir'/ x");
    h->Edit()->setCursorPosition(19);
    QTest::keyClicks(h->Edit(), "m");
    QTest::keyClick(h->Edit(), Qt::Key_Tab);
    QCOMPARE(h->Edit()->text(), "%: \u00e9; sh 'the dir/mark it.sh'  x");
    QTest::keyClick(h->Edit(), Qt::Key_Return);
    QTRY_COMPARE(ReadFile(marker), QByteArray("x\n"));
  }

  // Tab on the first word completes a program on PATH.
  void tab_completesAProgramOnPath() {
    QDir().mkpath(h->box.Path("bin"));
    MakeMarkerScript(h->box.Path("bin/vellmarker"));
    qputenv("PATH", QFile::encodeName(h->box.Path("bin")) + ":" + path);
    h->Start();
    QTest::keyClicks(h->Edit(), "vellma");
    QTest::keyClick(h->Edit(), Qt::Key_Tab);
    QCOMPARE(h->Edit()->text(), "vellmarker ");
    QTest::keyClick(h->Edit(), Qt::Key_Return);
    QTRY_COMPARE(ReadFile(marker), QByteArray("\n"));
  }

  // Part of an installed application's name offers it after the matching entries: its name (a
  // line break in it shown as its picture), then what it runs, drawn beyond the name. A click puts
  // its line in the box, which runs.
  void applicationName_offersARowWhosePickRuns() {
    const QString mark = h->box.Path("program/mark");
    QDir().mkpath(h->box.Path("home/data/applications"));
    WriteFile(
        h->box.Path("home/data/applications/vell-marker.desktop"),
        ("[Desktop Entry]\nType=Application\nName=Vell\\nMarker\nExec=" + mark + " from-app %U\n")
            .toUtf8());
    qputenv("XDG_DATA_HOME", QFile::encodeName(h->box.Path("home/data")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(h->box.Path("nothing")));
    WriteFile(h->ProgramFile("history.cfg"), "marker notes\r\n");
    h->Start();
    QTest::keyClicks(h->Edit(), "MARKER");
    QCOMPARE(Rows(), (QStringList{"marker notes", "Vell\u240aMarker"}));
    QAbstractItemView* list = h->List();
    const QModelIndex entry = list->model()->index(0, 0), app = list->model()->index(1, 0);
    QCOMPARE(app.data(HistoryModel::kRunsRole).toString(), "\"" + mark + "\" from-app");
    QVERIFY(!entry.data(HistoryModel::kRunsRole).isValid());
    const auto inkEnd = [&](const QModelIndex& index) {
      const QImage row = list->viewport()->grab(list->visualRect(index)).toImage();
      const QRgb back = row.pixel(row.width() - 1, row.height() / 2);
      int end = 0;
      for (int x = 0; x < row.width(); ++x)
        for (int y = 0; y < row.height(); ++y)
          if (row.pixel(x, y) != back) end = x;
      return end;
    };
    const QFontMetrics metrics = list->fontMetrics();
    QVERIFY(inkEnd(entry) < metrics.horizontalAdvance("marker notes") + 10);
    QVERIFY(inkEnd(app) > metrics.horizontalAdvance("Vell Marker   \"/tmp"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(app).center());
    QCOMPARE(h->Edit()->text(), "\"" + mark + "\" from-app");
    QTest::keyClick(h->Edit(), Qt::Key_Return);
    QTRY_COMPARE(ReadFile(marker), QByteArray("from-app\n"));
  }

  // Picks step through the narrowed rows without narrowing them further.
  void downThenEnter_runsThePickedEntry() {
    WriteFile(h->ProgramFile("history.cfg"),
              "%echo one > \"$MARKER\"\r\nother\r\n%echo two > \"$MARKER\"\r\n");
    h->Start();
    QTest::keyClicks(h->Edit(), "ECHO");
    QCOMPARE(h->List()->model()->rowCount(), 2);
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QCOMPARE(h->Edit()->text(), "%echo two > \"$MARKER\"");
    QCOMPARE(h->List()->model()->rowCount(), 2);
    QTest::keyClick(h->Edit(), Qt::Key_Return);
    QTRY_COMPARE(ReadFile(marker), QByteArray("two\n"));
    QCOMPARE(h->List()->model()->rowCount(), 3);
  }

  // Shift+Delete removes the picked entry, by key or after a click, puts it on the clipboard and
  // puts back the typed text; without a pick it removes nothing.
  void shiftDelete_removesThePickedEntry() {
    WriteFile(h->ProgramFile("history.cfg"), "alpha\r\nbeta\r\nalphabet\r\ngamma\r\n");
    h->Start();
    QTest::keyClicks(h->Edit(), "alp");
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    // An edit after a pick ends it, even one back to the typed text.
    h->Edit()->setSelection(3, 2);
    QTest::keyClick(h->Edit(), Qt::Key_Backspace);
    QTest::keyClick(h->Edit(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Rows(), (QStringList{"alpha", "alphabet"}));
    QTest::keyClick(h->Edit(), Qt::Key_Down);
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(h->Edit(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Rows(), QStringList{"alphabet"});
    QCOMPARE(h->Edit()->text(), "alp");
    QCOMPARE(QGuiApplication::clipboard()->text(), "alpha");
    QTest::keyClick(h->Edit(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Rows(), QStringList{"alphabet"});
    h->Edit()->selectAll();
    QTest::keyClick(h->Edit(), Qt::Key_Backspace);
    QCOMPARE(h->List()->model()->rowCount(), 3);
    QAbstractItemView* list = h->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(2, 0)).center());
    QCOMPARE(h->Edit()->text(), "gamma");
    QTest::keyClick(h->Edit(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Rows(), (QStringList{"beta", "alphabet"}));
    QCOMPARE(h->Edit()->text(), "");
    h->Run("exit");
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("beta\r\nalphabet\r\n"));
  }

  // The list is the core's history: the oldest entry makes room at the limit.
  void fullHistory_dropsTheOldestEntry() {
    QByteArray history;
    for (int i = 0; i < 32767; ++i) history += "entry " + QByteArray::number(i) + "\r\n";
    WriteFile(h->ProgramFile("history.cfg"), history);
    h->Start();
    QAbstractItemModel* model = h->List()->model();
    QCOMPARE(model->rowCount(), 32767);
    h->Run("%true");
    QCOMPARE(model->rowCount(), 32767);
    QCOMPARE(model->index(0, 0).data().toString(), "entry 1");
    QCOMPARE(model->index(32766, 0).data().toString(), "%true");
  }

  void firstShow_writesTheGeometry() {
    h->Start();
    // The designed 268 x 86 pixels, centred on the offscreen platform's 800 x 800 screen.
    QCOMPARE(h->window.frameGeometry(), QRect(266, 357, 268, 86));
    QCOMPARE(h->Setting("Width"), "4020");
    QCOMPARE(h->Setting("Height"), "1290");
    QCOMPARE(h->Setting("Left"), "3990");
    QCOMPARE(h->Setting("Top"), "5355");
  }

  void startUp_restoresGeometryAndColours() {
    h->SetSetting("Left", "1500");
    h->SetSetting("Top", "750");
    h->SetSetting("Width", "6000");
    h->SetSetting("Height", "1500");
    h->SetSetting("Back", "255");
    h->Start();
    QCOMPARE(h->window.geometry(), QRect(100, 50, 400, 100));
    QCOMPARE(h->Edit()->palette().color(QPalette::Base), QColor(255, 0, 0));
    // Text1 fills the client area (inside a 4-pixel border) right of the 100-twip (7-pixel) gap.
    QCOMPARE(h->window.findChild<QWidget*>("Text1")->geometry(), QRect(7, 0, 385, 92));
  }

  // Without a window manager the border drag is done from mouse moves.
  void borderDrag_resizesAndWritesTheGeometry() {
    h->Start();
    const QRect before = h->window.geometry();
    const QPoint edge(before.width() - 1, before.height() / 2);
    SendMouse(&h->window, QEvent::MouseButtonPress, Qt::LeftButton, edge);
    SendMouse(&h->window, QEvent::MouseMove, Qt::LeftButton, edge + QPoint(60, 0));
    SendMouse(&h->window, QEvent::MouseButtonRelease, Qt::LeftButton, edge + QPoint(60, 0));
    QCOMPARE(h->window.geometry(), before.adjusted(0, 0, 60, 0));
    QCOMPARE(h->Setting("Width"), "4920");
  }

  void rightDragOnCommand2_movesAndWritesThePosition() {
    h->Start();
    const QRect before = h->window.geometry();
    h->SetSetting("Width", "0");
    QWidget* command2 = h->Command2();
    SendMouse(command2, QEvent::MouseButtonPress, Qt::RightButton, QPoint(3, 3));
    SendMouse(command2, QEvent::MouseMove, Qt::RightButton, QPoint(33, 23));
    QCOMPARE(h->Setting("Left"), "3990");
    SendMouse(command2, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(33, 23));
    QCOMPARE(h->window.geometry(), before.translated(30, 20));
    QCOMPARE(h->Setting("Left"), "4440");
    QCOMPARE(h->Setting("Top"), "5655");
    QCOMPARE(h->Setting("Width"), "0");
  }

  // Command2 is no tab stop, but a click gives it the focus and Space then opens the menu.
  void command2_takesTheFocusOnAClickAndSpaceOpensTheMenu() {
    h->Start();
    QCOMPARE(h->window.windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48)}));
    for (const bool byKey : {false, true}) {
      Answers answers;
      answers.Menu({"mnuHist"});
      if (byKey)
        QTest::keyClick(h->Command2(), Qt::Key_Space);
      else
        QTest::mouseClick(h->Command2(), Qt::LeftButton);
      QVERIFY(answers.Done());
      QCOMPARE(QApplication::focusWidget(), h->Command2());
    }
  }

  // Tab visits Command1 and the box when nothing completes there; Command2 is no tab stop.
  void tab_visitsTheDesignedTabStops() {
    qputenv("PATH", QFile::encodeName(h->box.Path("nothing")));
    h->Start();
    h->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h->window));
    h->window.findChild<QWidget*>("Command1")->setFocus();
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Text1Edit", "Command1", "Text1Edit"}));
  }

  // A value written just before an end is on disk once the program has ended, whichever way:
  // the end does not wait for the flush interval.
  void end_rightAfterAWrite_keepsTheValue_data() {
    QTest::addColumn<QString>("end");
    QTest::newRow("EXIT") << "exit";
    QTest::newRow("SIGTERM") << "signal";
    QTest::newRow("display gone") << "display";
  }
  void end_rightAfterAWrite_keepsTheValue() {
    QFETCH(QString, end);
    h->Start();
    const QString before = h->Setting("Top");
    const QString value = QString::number(before.toInt() + 123);
    h->SetSetting("Top", value);
    QCOMPARE(h->SettingOnDisk("Top"), before);
    if (end == "exit") h->Run("exit");
    if (end == "signal") {
      std::raise(SIGTERM);
      QTRY_COMPARE(h->ends, 1);
    }
    if (end == "display") h->program.CloseWithoutDisplay();
    QCOMPARE(h->ends, 1);
    QCOMPARE(h->SettingOnDisk("Top"), value);
  }

  void closeRequest_takesTheClosePath() {
    h->Start();
    h->Run("%true");
    h->window.close();
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("%true\r\n"));
  }

  // A session manager's save request, before a logout that may still be cancelled, saves and
  // ends nothing; the session's end (Qt's quit, as at the manager's Die) takes the close path.
  void sessionEnd_savesWhenAskedAndEndsWhenItEnds() {
    h->Start();
    h->Run("%true");
    auto* manager = qApp->findChild<QSessionManager*>();
    QVERIFY(manager);
    emit qApp->commitDataRequest(*manager);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("%true\r\n"));
    QCOMPARE(h->ends, 0);
    h->Run("%echo");
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("%true\r\n%echo\r\n"));
  }
};

VELL_QTEST_MAIN(CmdLineWindowTest)
#include "CmdLineWindowTest.moc"
