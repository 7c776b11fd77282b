// The real program, copied into a sandbox, on a real X server (Xvfb) that each case starts for
// itself (with openbox where a case needs a window manager), driven with xdotool as a user
// would: how it ends, where it comes back, the windows it opens, On Top, and its start without
// a display.
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QProcess>
#include <QTest>

#include "Harness.h"
#include "TestMain.h"
#include "aliaseditor/Associations.h"

namespace {
// Qt's DPI on Xvfb is 96: 15 twips a pixel.
int Pixels(float twips) { return static_cast<int>(twips / 15); }
QPoint Centre(const Rect& twips) {
  return {Pixels(twips.Left + twips.Width / 2), Pixels(twips.Top + twips.Height / 2)};
}
QPoint EditorControl(std::string_view name) {
  for (const Associations::Control& control : Associations::kControls)
    if (name == control.Name) return Centre(control.Position);
  return {};
}
}  // namespace

class XServerTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Sandbox> box;
  QProcess* server = nullptr;
  QString display;
  QProcess* strip = nullptr;
  QProcess* other = nullptr;    // another program's window
  QProcess* manager = nullptr;  // a window manager, where a case needs one

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY", "HOME"})
      env.remove(name);
    if (!display.isEmpty()) env.insert("DISPLAY", display);
    env.insert("XDG_CONFIG_HOME", box->Path("config"));
    env.insert("XDG_RUNTIME_DIR", box->Path("runtime"));
    env.insert("XDG_CACHE_HOME", box->Path("home/cache"));
    return env;
  }

  void StartServer(const QString& size) {
    server = new QProcess(this);
    StartXvfb(*server, size, display);
  }

  // The strip, started without HOME, as a service manager may start it; up once it is mapped.
  void StartStrip() {
    strip = new QProcess(this);
    strip->setProcessEnvironment(Environment());
    strip->start(box->Path("program/vellcmdline"), {});
    QTRY_VERIFY_WITH_TIMEOUT(strip->state() == QProcess::NotRunning || Visible().size() == 1,
                             20000);
    QCOMPARE(strip->state(), QProcess::Running);
  }

  // A strip of its own (its own folders, lock and settings) stands for another program.
  void StartOther() {
    QVERIFY(QFile::copy(VELLCMDLINE, box->Path("other/vellcmdline")));
    QProcessEnvironment env = Environment();
    env.insert("XDG_CONFIG_HOME", box->Path("other/config"));
    other = new QProcess(this);
    other->setProcessEnvironment(env);
    other->start(box->Path("other/vellcmdline"), {});
    QTRY_VERIFY_WITH_TIMEOUT(!WindowsOf(other).isEmpty(), 20000);
  }

  // openbox, up once wmctrl finds it.
  void StartWindowManager() {
    manager = new QProcess(this);
    manager->setProcessEnvironment(Environment());
    manager->setStandardOutputFile(QProcess::nullDevice());
    manager->setStandardErrorFile(QProcess::nullDevice());
    manager->start("openbox", {});
    QVERIFY2(manager->waitForStarted(), "openbox is missing");
    int code = 1;
    QTRY_VERIFY_WITH_TIMEOUT((Tool("wmctrl", {"-m"}, &code), code == 0), 20000);
  }

  QByteArray Tool(const QString& program, const QStringList& arguments, int* code = nullptr) {
    QProcess tool;
    tool.setProcessEnvironment(Environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(20000)) qWarning("%s is missing or hangs", qPrintable(program));
    if (code) *code = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    return tool.readAllStandardOutput();
  }
  QByteArray Xdotool(const QStringList& arguments) { return Tool("xdotool", arguments); }
  // The strip's mapped windows.
  QList<QByteArray> Visible() { return WindowsOf(strip); }
  QList<QByteArray> WindowsOf(QProcess* process) {
    QList<QByteArray> windows;
    for (const QByteArray& line :
         Xdotool({"search", "--onlyvisible", "--pid", QString::number(process->processId())})
             .split('\n'))
      if (!line.isEmpty()) windows << line;
    return windows;
  }
  QByteArray Focus() { return Xdotool({"getwindowfocus"}).trimmed(); }
  // A mapped window with the title, or none.
  QByteArray Titled(const QString& title) {
    return Xdotool({"search", "--onlyvisible", "--name", title}).trimmed();
  }
  // The window the given one is transient for, as xdotool names windows.
  QByteArray TransientFor(const QByteArray& window) {
    const QByteArray line = Tool("xprop", {"-id", window, "WM_TRANSIENT_FOR"});
    return QByteArray::number(line.mid(line.indexOf("# ") + 2).trimmed().toULong(nullptr, 16));
  }
  QRect Geometry(const QByteArray& window) {
    QMap<QByteArray, int> geometry;
    for (const QByteArray& line : Xdotool({"getwindowgeometry", "--shell", window}).split('\n'))
      if (const int equals = line.indexOf('='); equals > 0)
        geometry[line.left(equals)] = line.mid(equals + 1).toInt();
    return {geometry["X"], geometry["Y"], geometry["WIDTH"], geometry["HEIGHT"]};
  }
  void Click(const QByteArray& window, QPoint at, int button = 1) {
    Xdotool({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()),
             "click", QString::number(button)});
  }
  // Command2 opens the menu, where the keys choose.
  void Choose(const QByteArray& window, const QStringList& keys) {
    Click(window,
          QPoint(CmdLineWindow::kBorder, CmdLineWindow::kBorder) + Centre(CmdLine::kCommand2));
    QTRY_COMPARE_WITH_TIMEOUT(Visible().size(), 2, 20000);
    Xdotool(QStringList{"key"} + keys);
  }
  // Types the line into Text1 and presses Enter.
  void Type(const QByteArray& window, const QString& line) {
    Click(window, QPoint(CmdLineWindow::kBorder, CmdLineWindow::kBorder) + Centre(CmdLine::kText1));
    Xdotool({"type", line});
    Xdotool({"key", "Return"});
  }

 private slots:
  void init() {
    box = std::make_unique<Sandbox>();
    QVERIFY(QFile::copy(VELLCMDLINE, box->Path("program/vellcmdline")));
  }

  void cleanup() {
    if (strip && QTest::currentTestFailed())
      qWarning("the strip's stderr: %s", strip->readAllStandardError().constData());
    for (QProcess* process : {strip, other, manager, server})
      if (process && process->state() != QProcess::NotRunning) {
        process->terminate();
        process->waitForFinished(20000);
      }
    delete strip;
    delete other;
    delete manager;
    delete server;
    strip = other = manager = server = nullptr;
    display.clear();
  }

  // A command run, an alias added in the open alias editor, then the end: both are on disk.
  void end_keepsTheEditorsAliasesAndTheHistory_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("historyWritable");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("SIGTERM") << "TERM" << true << 0;
    QTest::newRow("SIGHUP") << "HUP" << true << 0;
    QTest::newRow("X server gone") << "X" << true << 1;
    // No message box on a dead display: the failure goes to stderr and the strip still ends.
    QTest::newRow("X server gone, history unwritable") << "X" << false << 1;
  }
  void end_keepsTheEditorsAliasesAndTheHistory() {
    QFETCH(QString, end);
    QFETCH(bool, historyWritable);
    QFETCH(int, exitCode);
    StartServer("1280x800");
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;
    const QByteArray window = Visible().first();
    if (!historyWritable) QVERIFY(QDir().mkdir(box->Path("program/history.cfg")));

    // The command saves the environment a program started from the strip gets.
    const QString childEnv = box->Path("child.env");
    const QString command = QString("%env>%1.tmp;mv %1.tmp %1").arg(childEnv);
    const QPoint border(CmdLineWindow::kBorder, CmdLineWindow::kBorder);
    Click(window, border + Centre(CmdLine::kText1));
    Xdotool({"type", command});
    Xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(childEnv), 20000);
    const QByteArray environment = ReadFile(childEnv);
    QVERIFY(!environment.contains("QT_QPA_PLATFORM="));
    QVERIFY(environment.contains("\nHOME=" + QByteArray(::getpwuid(::getuid())->pw_dir) + "\n"));

    // Command2 opens the menu; the second item down is "Define aliases...".
    Click(window, border + Centre(CmdLine::kCommand2));
    QTRY_COMPARE_WITH_TIMEOUT(Visible().size(), 2, 20000);
    Xdotool({"key", "Down", "Down", "Return"});
    QByteArray editor;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(editor = Xdotool({"search", "--onlyvisible", "--name", "^Aliases$"}).trimmed()).isEmpty(),
        20000);
    Xdotool({"key", "Tab"});
    Xdotool({"type", "np"});
    Xdotool({"key", "Tab"});
    Xdotool({"type", "/usr/bin/true"});
    Click(editor, EditorControl("Command1"));
    // The X events come in order: a context menu opened after the click shows that it was done.
    Click(editor, EditorControl("Text1(0)"), 3);
    QTRY_COMPARE_WITH_TIMEOUT(Visible().size(), 3, 20000);
    Xdotool({"key", "Escape"});
    QTRY_COMPARE_WITH_TIMEOUT(Visible().size(), 2, 20000);

    if (end == "X")
      server->terminate();
    else
      ::kill(static_cast<pid_t>(strip->processId()), end == "HUP" ? SIGHUP : SIGTERM);
    QVERIFY(strip->waitForFinished(20000));
    const QByteArray errors = strip->readAllStandardError();
    QCOMPARE(strip->exitStatus(), QProcess::NormalExit);
    QCOMPARE(strip->exitCode(), exitCode);
    QVERIFY(ReadFile(box->Path("program/aliases.cfg")).split('\n').contains("np`/usr/bin/true\r"));
    if (historyWritable)
      QCOMPARE(ReadFile(box->Path("program/history.cfg")), command.toLocal8Bit() + "\r\n");
    else
      QVERIFY2(errors.contains("history could not be saved"), errors.constData());
  }

  // Called from the keyboard while another program has it, the strip takes the focus with the
  // box's text selected: what is typed then replaces it.
  void activation_focusesTheBoxWithItsTextSelected_data() {
    QTest::addColumn<QString>("by");
    QTest::newRow("a second start") << "start";
    QTest::newRow("the hotkey") << "hotkey";
    QTest::newRow("the hotkey with NumLock on") << "NumLock";
  }
  void activation_focusesTheBoxWithItsTextSelected() {
    QFETCH(QString, by);
    QVERIFY(QDir().mkpath(box->Path("config/VellCmdLine")));
    QVERIFY(QDir().mkpath(box->Path("other")));
    if (by != "start")
      WriteFile(box->Path("config/VellCmdLine/VellCmdLine.ini"), "[Defaults]\nHotkey=Ctrl+Alt+H\n");
    StartServer("1280x800");
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;
    const QByteArray window = Visible().first();
    const QPoint text1 =
        QPoint(CmdLineWindow::kBorder, CmdLineWindow::kBorder) + Centre(CmdLine::kText1);
    Click(window, text1);
    Xdotool({"type", "old"});
    StartOther();
    if (QTest::currentTestFailed()) return;
    const QByteArray otherWindow = WindowsOf(other).first();
    Click(otherWindow, text1);
    QTRY_COMPARE_WITH_TIMEOUT(Focus(), otherWindow, 20000);

    if (by == "start") {
      QProcess second;
      second.setProcessEnvironment(Environment());
      second.start(box->Path("program/vellcmdline"), {});
      QVERIFY(second.waitForFinished(20000));
      QCOMPARE(second.exitCode(), 0);
    } else {
      if (by == "NumLock") Xdotool({"key", "Num_Lock"});
      Xdotool({"key", "ctrl+alt+h"});
      if (by == "NumLock") Xdotool({"key", "Num_Lock"});
    }
    QTRY_COMPARE_WITH_TIMEOUT(Focus(), window, 20000);
    const QString marker = box->Path("marker");
    Xdotool({"type", "%touch " + marker});
    Xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
  }

  // A key that another program has grabbed: one message at start-up, then the strip without it.
  void hotkey_heldByAnotherProgram_isSaidOnce() {
    for (const char* config : {"config/VellCmdLine", "other/config/VellCmdLine"}) {
      QVERIFY(QDir().mkpath(box->Path(config)));
      WriteFile(box->Path(config) + "/VellCmdLine.ini", "[Defaults]\nHotkey=Ctrl+Alt+H\n");
    }
    StartServer("1280x800");
    if (QTest::currentTestFailed()) return;
    StartOther();
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;
    const QByteArray message = Visible().first();
    QCOMPARE(Xdotool({"getwindowname", message}).trimmed(), QByteArray("Vell Command Line"));
    QTRY_COMPARE_WITH_TIMEOUT(Focus(), message, 20000);
    Xdotool({"key", "Return"});
    // No second message: the window after it is the strip.
    QTRY_VERIFY_WITH_TIMEOUT(Visible().size() == 1 && Visible().first() != message, 20000);
    QVERIFY(Xdotool({"getwindowname", Visible().first()}).trimmed() != "Vell Command Line");
  }

  // Stored values that would hide the strip or drop its place; (-1, -1): any place on the screen.
  void restoredGeometry_isVisibleAndUsable_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("Width=1, Height=1")
        << "1280x800" << QByteArray("Width=1\nHeight=1\n") << QPoint(-1, -1);
    QTest::newRow("beyond 16 bits on 3840x2160")
        << "3840x2160" << QByteArray("Left=45000\nTop=30000\n") << QPoint(3000, 2000);
  }
  void restoredGeometry_isVisibleAndUsable() {
    QFETCH(QString, screen);
    QFETCH(QByteArray, settings);
    QFETCH(QPoint, position);
    QVERIFY(QDir().mkpath(box->Path("config/VellCmdLine")));
    WriteFile(box->Path("config/VellCmdLine/VellCmdLine.ini"), "[Defaults]\n" + settings);
    StartServer(screen);
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;

    const QRect placed = Geometry(Visible().first());
    const QStringList size = screen.split('x');
    QVERIFY2(QRect(0, 0, size[0].toInt(), size[1].toInt()).contains(placed),
             qPrintable(QString("%1,%2 %3x%4")
                            .arg(placed.x())
                            .arg(placed.y())
                            .arg(placed.width())
                            .arg(placed.height())));
    // One line of the command box high, and the menu button and a few characters wide.
    QVERIFY(placed.height() >= Pixels(CmdLine::kLeastClient.Height) + 2 * CmdLineWindow::kBorder);
    QVERIFY(placed.width() >= Pixels(CmdLine::kLeastClient.Width) + 2 * CmdLineWindow::kBorder);
    if (position.x() >= 0) QCOMPARE(placed.topLeft(), position);
  }

  // Without a display, with one that nobody serves, or on a platform that shows nothing: one
  // line and an exit code, no abort, and no lock that would send later starts to a strip
  // nobody sees.
  void noDisplay_endsWithOneLine_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("platform");
    int unused = 1000;
    while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(unused)) ||
           QFile::exists(QString("/tmp/.X%1-lock").arg(unused)))
      ++unused;
    QTest::newRow("none") << QString() << QString();
    QTest::newRow("nobody serves it") << QString(":%1").arg(unused) << QString();
    QTest::newRow("offscreen") << QString() << "offscreen";
    QTest::newRow("minimal") << QString() << "minimal";
  }
  void noDisplay_endsWithOneLine() {
    QFETCH(QString, display);
    QFETCH(QString, platform);
    this->display = display;
    strip = new QProcess(this);
    QProcessEnvironment env = Environment();
    if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
    strip->setProcessEnvironment(env);
    strip->start(box->Path("program/vellcmdline"), {});
    QVERIFY(strip->waitForFinished(20000));
    QCOMPARE(strip->exitStatus(), QProcess::NormalExit);
    QVERIFY(strip->exitCode() != 0);
    const QByteArray errors = strip->readAllStandardError();
    QVERIFY2(errors.count('\n') == 1 && errors.endsWith('\n'), errors.constData());
    QVERIFY(!QFile::exists(box->Path("program/vellcmdline.lock")));
  }

  // Every window the program opens belongs to the strip: a window manager keeps it above the
  // strip, also an On Top one.
  void windows_belongToTheStrip_data() {
    QTest::addColumn<QStringList>("menu");  // keys in the menu; none: a line that is not found
    QTest::addColumn<QString>("title");
    QTest::newRow("a message") << QStringList() << "^Vell Command Line$";
    QTest::newRow("Browse") << QStringList{"Down", "Return"} << "^Open$";
    QTest::newRow("the alias editor") << QStringList{"Down", "Down", "Return"} << "^Aliases$";
    QTest::newRow("a colour") << QStringList{"Down", "Down",  "Down",  "Down",
                                             "Down", "Right", "Return"}
                              << "^Select Color$";
    QTest::newRow("About") << QStringList{"Down", "Down", "Down", "Down", "Down", "Down", "Return"}
                           << "^About\\.\\.\\.$";
  }
  void windows_belongToTheStrip() {
    QFETCH(QStringList, menu);
    QFETCH(QString, title);
    StartServer("1280x800");
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;
    const QByteArray window = Visible().first();
    if (menu.isEmpty())
      Type(window, "vell-no-such-program");
    else
      Choose(window, menu);
    QByteArray opened;
    QTRY_VERIFY_WITH_TIMEOUT(!(opened = Titled(title)).isEmpty(), 20000);
    QCOMPARE(TransientFor(opened), window);
  }

  // On Top changed: the strip stays where it was, above the others where a window manager
  // stacks, and the box keeps the keyboard.
  void onTop_keepsThePlaceAndTheKeyboard_data() {
    QTest::addColumn<bool>("windowManager");
    QTest::newRow("no window manager") << false;
    QTest::newRow("openbox") << true;
  }
  void onTop_keepsThePlaceAndTheKeyboard() {
    QFETCH(bool, windowManager);
    StartServer("1280x800");
    if (QTest::currentTestFailed()) return;
    if (windowManager) StartWindowManager();
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;
    const QByteArray before = Visible().first();
    const QRect place = Geometry(before);
    Choose(before, {"Down", "Down", "Down", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(
        ReadFile(box->Path("config/VellCmdLine/VellCmdLine.ini")).contains("Ontop=True"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(Visible().size(), 1, 20000);
    const QByteArray after = Visible().first();
    if (windowManager)
      QTRY_VERIFY_WITH_TIMEOUT(
          Tool("xprop", {"-id", after, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(Geometry(after), place, 20000);
    const QString marker = box->Path("marker");
    Xdotool({"type", "%touch " + marker});
    Xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
  }

  // The window manager's close (wmctrl -c) while a window of the program is open takes the
  // close path, as SIGTERM does: the history is saved and the program ends.
  void closeRequest_withAWindowOpen_endsAndSaves_data() {
    QTest::addColumn<QStringList>("menu");  // keys in the menu; none: a line that is not found
    QTest::addColumn<QString>("title");
    QTest::newRow("a message") << QStringList() << "^Vell Command Line$";
    QTest::newRow("the alias editor") << QStringList{"Down", "Down", "Return"} << "^Aliases$";
    QTest::newRow("About") << QStringList{"Down", "Down", "Down", "Down", "Down", "Down", "Return"}
                           << "^About\\.\\.\\.$";
  }
  void closeRequest_withAWindowOpen_endsAndSaves() {
    QFETCH(QStringList, menu);
    QFETCH(QString, title);
    StartServer("1280x800");
    if (QTest::currentTestFailed()) return;
    StartWindowManager();
    if (QTest::currentTestFailed()) return;
    StartStrip();
    if (QTest::currentTestFailed()) return;
    const QByteArray window = Visible().first();
    const QString marker = box->Path("marker");
    Type(window, "%touch " + marker);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    if (menu.isEmpty())
      Type(window, "vell-no-such-program");
    else
      Choose(window, menu);
    QTRY_VERIFY_WITH_TIMEOUT(!Titled(title).isEmpty(), 20000);
    Tool("wmctrl", {"-i", "-c", window});
    QVERIFY(strip->waitForFinished(20000));
    QCOMPARE(strip->exitCode(), 0);
    QCOMPARE(ReadFile(box->Path("program/history.cfg")),
             ("%touch " + marker).toLocal8Bit() + "\r\n");
  }
};

VELL_QTEST_MAIN(XServerTest)
#include "XServerTest.moc"
