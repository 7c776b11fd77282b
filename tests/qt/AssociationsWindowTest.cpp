#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "Answers.h"
#include "Harness.h"
#include "TestMain.h"
#include "platform/qt/AssociationsWindow.h"

namespace {
QLineEdit* Box(QDialog* dialog, int index) {
  return dialog->findChild<QLineEdit*>(QString("Text1(%1)").arg(index));
}
QListWidget* List1(QDialog* dialog) { return dialog->findChild<QListWidget*>("List1"); }
QPushButton* Button(QDialog* dialog, const char* name) {
  return dialog->findChild<QPushButton*>(name);
}
QStringList Entries(QDialog* dialog) {
  QStringList entries;
  for (int i = 0; i < List1(dialog)->count(); ++i) entries << List1(dialog)->item(i)->text();
  return entries;
}
void Add(QDialog* dialog, const QString& name, const QString& target) {
  QTest::keyClicks(Box(dialog, 0), name);
  QTest::keyClicks(Box(dialog, 1), target);
  QTest::mouseClick(Button(dialog, "Command1"), Qt::LeftButton);
}
}  // namespace

class AssociationsWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Harness> h;

  // Opens "Define aliases..." and runs the steps inside the editor, then closes it; the
  // windows that the steps open are answered by what `inside` adds.
  void Edit(std::function<void(QDialog*)> steps, std::function<void(Answers&)> inside) {
    Answers answers;
    answers.Menu({"mnualias"});
    answers.Modal<AssociationsWindow>([steps](AssociationsWindow* dialog) {
      steps(dialog);
      dialog->close();
    });
    inside(answers);
    QTest::mouseClick(h->Command2(), Qt::LeftButton);
    QVERIFY(answers.Done());
  }

 private slots:
  void init() {
    h = std::make_unique<Harness>();
  }
  void cleanup() { h.reset(); }

  void window_asDesigned() {
    Edit(
        [](QDialog* dialog) {
          QCOMPARE(dialog->windowTitle(), "Aliases");
          QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
          QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
          QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
          QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
          // Focus order: List1, Text1(0), Text1(1), Add, "...".
          QStringList order;
          QWidget* widget = List1(dialog);
          for (int i = 0; i < 5; ++i, widget = widget->nextInFocusChain()) {
            while (widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
            order << widget->objectName();
          }
          QCOMPARE(order, (QStringList{"List1", "Text1(0)", "Text1(1)", "Command1", "Command2"}));
          // Enter does nothing.
          QTest::keyClick(Box(dialog, 0), Qt::Key_Return);
          QVERIFY(dialog->isVisible());
        },
        [](Answers&) {});
  }

  void addRemoveBrowse_writeAliasesOnClose() {
    WriteFile(h->ProgramFile("aliases.cfg"), "np`notepad.exe\r\n");
    WriteFile(h->box.Path("home/big tool"), "");
    h->Start();
    QStringList afterAdd, afterRemove;
    QString label, browsed, question;
    Edit([&](QDialog* dialog) {
      Add(dialog, "  ed ", " vim  ");
      Add(dialog, "ls", "%ls -l");
      afterAdd = Entries(dialog);
      QListWidget* list = List1(dialog);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(1)).center());
      label = dialog->findChild<QLabel*>("Label2")->text();
      // A double-click: press and release, then the second press.
      const QPoint first = list->visualItemRect(list->item(0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
      afterRemove = Entries(dialog);
      QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
      browsed = Box(dialog, 1)->text();
    }, [&](Answers& answers) {
      answers.Modal<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        box->button(QMessageBox::Ok)->click();
      });
      answers.Modal<QFileDialog>([&](QFileDialog* dialog) {
        Answers::Open(dialog, h->box.Path("home/big tool"));
      });
    });
    QCOMPARE(afterAdd, (QStringList{"np", "ed", "ls"}));
    QCOMPARE(label, "vim");
    QCOMPARE(question, "Are you sure you wish to remove this alias?");
    QCOMPARE(afterRemove, (QStringList{"ed", "ls"}));
    QCOMPARE(browsed, "\"" + h->box.Path("home/big tool") + "\"");
    QCOMPARE(ReadFile(h->ProgramFile("aliases.cfg")), QByteArray("ed`vim\r\nls`%ls -l\r\n"));
  }

  // Delete in the list removes the selected alias after the double-click's question; Escape
  // closes the editor as its close box does, and it saves.
  void keyboard_deleteRemovesAndEscapeCloses() {
    WriteFile(h->ProgramFile("aliases.cfg"), "a`1\r\nb`2\r\n");
    h->Start();
    QString question;
    bool closed = false;
    Edit([&](QDialog* dialog) {
      List1(dialog)->setCurrentRow(0);
      QTest::keyClick(List1(dialog), Qt::Key_Delete);
      QTest::keyClick(Box(dialog, 0), Qt::Key_Escape);
      closed = !dialog->isVisible();
    }, [&](Answers& answers) {
      answers.Modal<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        box->button(QMessageBox::Ok)->click();
      });
    });
    QCOMPARE(question, "Are you sure you wish to remove this alias?");
    QVERIFY(closed);
    QCOMPARE(ReadFile(h->ProgramFile("aliases.cfg")), QByteArray("b`2\r\n"));
  }

  void emptyFields_areRefused() {
    h->Start();
    QString message;
    QStringList entries;
    Edit([&](QDialog* dialog) {
      Add(dialog, "   ", "vim");
      entries = Entries(dialog);
    }, [&](Answers& answers) {
      answers.Modal<QMessageBox>([&](QMessageBox* box) {
        message = box->text();
        box->button(QMessageBox::Ok)->click();
      });
    });
    QCOMPARE(message, "You must properly define the alias first.");
    QCOMPARE(entries, QStringList{""});
  }
};

VELL_QTEST_MAIN(AssociationsWindowTest)
#include "AssociationsWindowTest.moc"
