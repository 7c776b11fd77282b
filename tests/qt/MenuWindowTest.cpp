#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QTest>

#include "Answers.h"
#include "Harness.h"

class MenuWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Harness> h;

  // A left click on the blank button pops the menu up; the answers choose in it.
  void Choose(const QStringList& path, Answers& answers) {
    answers.Menu(path);
    QTest::mouseClick(h->Command2(), Qt::LeftButton);
    QVERIFY(answers.Done());
  }

 private slots:
  void init() {
    h = std::make_unique<Harness>();
    qputenv("HOME", h->box.Path("home").toLocal8Bit());
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
                                   "Use Windows' Default Colors"}));
  }

  void onTop_togglesFlagCheckAndSetting() {
    const QRect position = h->window.geometry();
    QAction* onTop = h->window.findChild<QAction*>("mnuontop");
    for (const bool expected : {true, false}) {
      Answers answers;
      Choose({"mnuontop"}, answers);
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
      Answers answers;
      answers.Modal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(0, 0, 255));
        dialog->accept();
      });
      Choose({"mnuColors", c.item}, answers);
      QCOMPARE(h->Setting(c.key), "16711680");
      QCOMPARE(h->Edit()->palette().color(c.role), QColor(0, 0, 255));
    }
    Answers answers;
    Choose({"mnuColors", "mnudefaultclr"}, answers);
    QCOMPARE(h->Setting("Fore"), "?");
    QCOMPARE(h->Setting("Back"), "?");
    QCOMPARE(h->Edit()->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    QCOMPARE(h->Edit()->palette().color(QPalette::Text), QPalette().color(QPalette::Text));
  }

  void colours_restoredAtTheNextStart() {
    h = std::make_unique<Harness>();
    WriteFile(h->box.Path("config/VellCmdLine/VellCmdLine.ini"), "[Defaults]\nFore=255\n");
    h->Start();
    QCOMPARE(h->Edit()->palette().color(QPalette::Text), QColor(255, 0, 0));
  }

  void clear_emptiesListAndBox() {
    h->Run("%true");
    h->Edit()->setText("half typed");
    Answers answers;
    Choose({"mnuHist"}, answers);
    QCOMPARE(h->List()->model()->rowCount(), 0);
    QCOMPARE(h->Edit()->text(), QString());
  }

  void browse_putsTheChosenPathUnquoted() {
    WriteFile(h->box.Path("home/my tool"), "");
    Answers answers;
    answers.Modal<QFileDialog>([this](QFileDialog* dialog) {
      dialog->selectFile(h->box.Path("home/my tool"));
      dialog->accept();
    });
    Choose({"mnuBrowse"}, answers);
    QCOMPARE(h->Edit()->text(), h->box.Path("home/my tool"));
    QCOMPARE(h->List()->model()->rowCount(), 0);
  }

  void about_showsTheBoxModally() {
    Answers answers;
    QString caption, version;
    answers.Modal<QDialog>([&](QDialog* about) {
      caption = about->windowTitle();
      version = about->findChild<QLabel*>("Label1(1)")->text();
      about->close();
    });
    Choose({"mnuAbout"}, answers);
    QCOMPARE(caption, "About...");
    QCOMPARE(version, "Version 2.2");
  }

  void exit_takesTheClosePath() {
    h->Run("%true");
    Answers answers;
    Choose({"mnuExit"}, answers);
    QCOMPARE(h->ends, 1);
    QCOMPARE(ReadFile(h->ProgramFile("history.cfg")), QByteArray("%true\r\n"));
  }

  // Only a right click on the window's own background opens the menu.
  void rightClicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("background, right") << "client" << int(Qt::RightButton) << true;
    QTest::newRow("background, middle") << "client" << int(Qt::MiddleButton) << false;
    QTest::newRow("command list, right") << "Text1List" << int(Qt::RightButton) << false;
    QTest::newRow("menu button, middle") << "Command2" << int(Qt::MiddleButton) << false;
  }
  void rightClicks() {
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(bool, opens);
    QWidget* widget = target == "client" ? h->window.findChild<QWidget*>("Text1")->parentWidget()
                                         : h->window.findChild<QWidget*>(target);
    if (target == "Text1List") widget = static_cast<QAbstractItemView*>(widget)->viewport();
    bool opened = false;
    QTimer::singleShot(300, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        opened = true;
        menu->close();
      }
    });
    QTest::mousePress(widget, Qt::MouseButton(button), {}, QPoint(2, widget->height() - 2));
    QTest::mouseRelease(widget, Qt::MouseButton(button), {}, QPoint(2, widget->height() - 2));
    QTest::qWait(400);
    QCOMPARE(opened, opens);
  }
};

QTEST_MAIN(MenuWindowTest)
#include "MenuWindowTest.moc"
