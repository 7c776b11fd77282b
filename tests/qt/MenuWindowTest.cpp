#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "Answers.h"
#include "Harness.h"
#include "TestMain.h"

class MenuWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Harness> h;

  // A left click on the blank button pops the menu up and the item is chosen in it; `inside`
  // answers the windows that the command opens.
  void Choose(const QStringList& path, std::function<void(Answers&)> inside = {}) {
    Answers answers;
    answers.Menu(path);
    if (inside) inside(answers);
    QTest::mouseClick(h->Command2(), Qt::LeftButton);
    QVERIFY(answers.Done());
  }

 private slots:
  void init() {
    h = std::make_unique<Harness>();
    h->Start();
  }
  void cleanup() { h.reset(); }

  void menu_asDesigned() {
    const auto* menu = h->window.findChild<QMenu*>("main");
    QStringList items;
    for (const QAction* action : menu->actions())
      items << (action->isSeparator() ? "-" : action->text());
    QCOMPARE(items, (QStringList{"Browse...", "-", "Define aliases...", "-", "On Top",
                                 "Clear Command History", "Colors", "-",
                                 "About this application...", "Exit"}));
    QStringList colours;
    for (const QAction* action : menu->findChild<QAction*>("mnuColors")->menu()->actions())
      colours << action->text();
    QCOMPARE(colours, (QStringList{"Change Text Color...", "Change Background Color",
                                   "Use the Desktop's Default Colors"}));
  }

  void onTop_togglesFlagCheckAndSetting() {
    const QRect position = h->window.geometry();
    QAction* onTop = h->window.findChild<QAction*>("mnuontop");
    for (const bool expected : {true, false}) {
      Choose({"mnuontop"});
      QCOMPARE(h->window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
      QCOMPARE(onTop->isChecked(), expected);
      QCOMPARE(h->Setting("Ontop"), expected ? "True" : "False");
      QCOMPARE(h->window.geometry(), position);
      QVERIFY(h->window.isVisible());
    }
  }

  void colours_storeApplyAndReset() {
    struct Case {
      const char* item;
      const char* key;
      QPalette::ColorRole role;
    };
    for (const Case& c : {Case{"ChgTxtColor", "Fore", QPalette::Text},
                          Case{"ChgBkgColro", "Back", QPalette::Base}}) {
      Choose({"mnuColors", c.item}, [](Answers& answers) {
        answers.Modal<QColorDialog>([](QColorDialog* dialog) {
          dialog->setCurrentColor(QColor(0, 0, 255));
          dialog->accept();
        });
      });
      QCOMPARE(h->Setting(c.key), "16711680");
      QCOMPARE(h->Edit()->palette().color(c.role), QColor(0, 0, 255));
    }
    Choose({"mnuColors", "mnudefaultclr"});
    QCOMPARE(h->Setting("Fore"), "?");
    QCOMPARE(h->Setting("Back"), "?");
    QCOMPARE(h->Edit()->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    QCOMPARE(h->Edit()->palette().color(QPalette::Text), QPalette().color(QPalette::Text));
  }

  void clear_emptiesListAndBox() {
    h->Run("%true");
    h->Edit()->setText("half typed");
    Choose({"mnuHist"});
    QCOMPARE(h->List()->model()->rowCount(), 0);
    QCOMPARE(h->Edit()->text(), QString());
  }

  void browse_putsTheChosenPathUnquoted() {
    WriteFile(h->box.Path("home/my tool"), "");
    Choose({"mnuBrowse"}, [this](Answers& answers) {
      answers.Modal<QFileDialog>([this](QFileDialog* dialog) {
        Answers::Open(dialog, h->box.Path("home/my tool"));
      });
    });
    QCOMPARE(h->Edit()->text(), h->box.Path("home/my tool"));
    QCOMPARE(h->List()->model()->rowCount(), 0);
  }

  void about_showsTheBoxModally() {
    QString caption, title, version;
    bool closedByEscape = false;
    Choose({"mnuAbout"}, [&](Answers& answers) {
      answers.Modal<QDialog>([&](QDialog* about) {
        caption = about->windowTitle();
        title = about->findChild<QLabel*>("Label1(0)")->text();
        version = about->findChild<QLabel*>("Label1(1)")->text();
        QTest::keyClick(about, Qt::Key_Escape);
        closedByEscape = !about->isVisible();
        about->close();
      });
    });
    QCOMPARE(caption, "About...");
    QCOMPARE(title, "Vell CommandLine For Linux");
    QCOMPARE(version, "Version 2.2");
    QVERIFY(closedByEscape);
  }

  void exit_takesTheClosePath() {
    h->Run("%true");
    Choose({"mnuExit"});
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("%true\r\n"));
  }

  // Only a right click on the window's own background opens the menu.
  void rightClicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("background, right") << "client" << int(Qt::RightButton) << true;
    QTest::newRow("border, right") << "CmdLine" << int(Qt::RightButton) << true;
    QTest::newRow("border, middle") << "CmdLine" << int(Qt::MiddleButton) << false;
    QTest::newRow("background, middle") << "client" << int(Qt::MiddleButton) << false;
    QTest::newRow("command list, right") << "Text1List" << int(Qt::RightButton) << false;
    QTest::newRow("menu button, middle") << "Command2" << int(Qt::MiddleButton) << false;
  }
  void rightClicks() {
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(bool, opens);
    QWidget* widget = target == "client"    ? h->window.findChild<QWidget*>("Text1")->parentWidget()
                      : target == "CmdLine" ? static_cast<QWidget*>(&h->window)
                                            : h->window.findChild<QWidget*>(target);
    if (target == "Text1List") widget = static_cast<QAbstractItemView*>(widget)->viewport();
    // A menu that opens runs modally inside the press, and the closer ends it from there; one
    // that does not open leaves the press at once.
    bool opened = false;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        opened = true;
        menu->close();
      }
    });
    closer.start();
    QTest::mousePress(widget, Qt::MouseButton(button), {}, QPoint(2, widget->height() - 2));
    QTest::mouseRelease(widget, Qt::MouseButton(button), {}, QPoint(2, widget->height() - 2));
    QCOMPARE(opened, opens);
  }
};

VELL_QTEST_MAIN(MenuWindowTest)
#include "MenuWindowTest.moc"
