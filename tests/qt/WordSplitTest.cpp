#include <QTest>

#include "platform/qt/WordSplit.h"

class WordSplitTest : public QObject {
  Q_OBJECT
 private slots:
  void split_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("blanks only") << " \t " << QStringList{};
    QTest::newRow("blanks separate") << "  -v \tx.txt " << QStringList{"-v", "x.txt"};
    QTest::newRow("double quotes keep spaces") << "\"a b\" c" << QStringList{"a b", "c"};
    QTest::newRow("single quotes keep everything") << "'a \"b\" \\c'" << QStringList{"a \"b\" \\c"};
    QTest::newRow("quotes join a word") << "pre\"mid dle\"'post'" << QStringList{"premid dlepost"};
    QTest::newRow("empty quotes make a word") << "\"\" ''" << QStringList{"", ""};
    QTest::newRow("escapes inside double quotes") << "\"\\\" \\\\ \\$ \\` \\n\""
                                                  << QStringList{"\" \\ $ ` \\n"};
    QTest::newRow("backslash outside quotes") << "a\\ b \\'c" << QStringList{"a b", "'c"};
    QTest::newRow("nothing is expanded") << "$HOME ~ *.txt `id`"
                                         << QStringList{"$HOME", "~", "*.txt", "`id`"};
    QTest::newRow("unclosed quote runs to the end") << "a \"b c" << QStringList{"a", "b c"};
  }
  void split() {
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList got;
    for (const std::string& word : SplitWords(text.toStdString()))
      got << QString::fromStdString(word);
    QCOMPARE(got, words);
  }
};

QTEST_APPLESS_MAIN(WordSplitTest)
#include "WordSplitTest.moc"
