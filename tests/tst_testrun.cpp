// The rules of a test run apart from the screen: the answer arrangements,
// judging by text, the score and the texts it is stored and reported as.
#include "testing/TestRun.h"
#include <QTest>

class TestRunTest : public QObject {
    Q_OBJECT
private slots:
    void arrangements_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("letters");  // answer fields at A..E
        QTest::addColumn<int>("correctAt");
        QTest::newRow("1") << 1 << "12345" << 0;
        QTest::newRow("2") << 2 << "54213" << 3;
        QTest::newRow("3") << 3 << "23451" << 4;
        QTest::newRow("4") << 4 << "35124" << 2;
        QTest::newRow("5") << 5 << "41532" << 1;
    }
    void arrangements()
    {
        QFETCH(int, number);
        QFETCH(QString, letters);
        QFETCH(int, correctAt);
        const Answers bank{"ans1", "ans2", "ans3", "ans4", "ans5"};
        const Answers shown = arrange(bank, number);
        QString fields;
        for (const QString& s : shown)
            fields += s.right(1);
        QCOMPARE(fields, letters);
        QCOMPARE(shown[correctAt], QString("ans1"));
    }

    void judging_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<bool>("right");
        QTest::newRow("identical") << "Сигнал" << "Сигнал" << true;
        QTest::newRow("letter case") << "сигнал" << "Сигнал" << false;
        QTest::newRow("trailing blank") << "Сигнал " << "Сигнал" << false;
        QTest::newRow("both empty (code without a question)") << "" << "" << true;
        QTest::newRow("empty answer, filled correct one") << "" << "Сигнал" << false;
        QTest::newRow("wrong answer with the correct text") << "7" << "7" << true;
    }
    void judging()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, correct);
        QFETCH(bool, right);
        TestState s;
        s.CorrectCount = 4;
        s.WrongCount = 2;
        const QString verdict = judgeAnswer(s, chosen, correct);
        QCOMPARE(verdict, right ? QString("Верно") : QString("Неверно"));
        QCOMPARE(s.CorrectCount, right ? 5 : 4);
        QCOMPARE(s.WrongCount, right ? 2 : 3);
    }

    void score_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("17 of 20, point") << "C" << 17 << 20 << "85" << "85.00";
        QTest::newRow("17 of 20, comma") << "ru_RU" << 17 << 20 << "85" << "85,00";
        QTest::newRow("all right") << "ru_RU" << 20 << 20 << "100" << "100,00";
        QTest::newRow("none right") << "ru_RU" << 0 << 20 << "0" << "0,00";
        QTest::newRow("early finish after 3") << "C" << 3 << 20 << "15" << "15.00";
        QTest::newRow("counted twice: over 100, uncapped") << "ru_RU" << 27 << 20 << "135" << "135,00";
        QTest::newRow("thousands without grouping") << "ru_RU" << 250 << 20 << "1250" << "1250,00";
        QTest::newRow("thousands without grouping, de") << "de_DE" << 250 << 20 << "1250" << "1250,00";
        QTest::newRow("fraction, comma") << "ru_RU" << 1 << 8 << "12,5" << "12,50";
        QTest::newRow("fifteen digits") << "C" << 1 << 3 << "33.3333333333333" << "33.33";
        // Locales with digits of their own still store Latin digits, which
        // the results query reads as a number.
        QTest::newRow("Arabic digits locale") << "ar_EG" << 1 << 8 << "12\u066b5" << "12\u066b50";
        QTest::newRow("Persian digits locale") << "fa_IR" << 17 << 20 << "85" << "85\u066b00";
    }
    void score()
    {
        QFETCH(QString, locale);
        QFETCH(int, correct);
        QFETCH(int, asked);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QLocale loc(locale);
        const double percent = scorePercent(correct, asked);
        QCOMPARE(resultText(percent, loc), stored);
        QCOMPARE(summaryMessage(QString::number(correct), percent, loc),
                 "Вы набрали " + QString::number(correct) + " правильных ответов, что составляет " + shown
                     + " % от общей успеваемости");
    }
};

QTEST_APPLESS_MAIN(TestRunTest)
#include "tst_testrun.moc"
