// A test run on the testing screen, driven through its buttons: the
// deferred step, the answer arrangements, judging, the counters and the
// early finish.
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/TestRun.h"
#include "testing/Unit13.h"
#include "testing/Unit22.h"
#include "platform/Dataset.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestingCourse.h"
#include "ui_Unit13.h"
#include <optional>

namespace {

// Draws of the testing module: question codes 1, 2, 3, ... in turn, so a
// test's row is 1 to 23; arrangements from `arrangements`, then arrangement 1.
struct FixedDraws {
    QList<int> arrangements;
    int nextCode = 0;
    qsizetype usedArrangements = 0;
    void install()
    {
        testingRandom::setSource([this](int n) {
            if (n == 5)
                return usedArrangements < arrangements.size() ? arrangements[usedArrangements++] - 1 : 0;
            return nextCode++;
        });
    }
    ~FixedDraws() { testingRandom::setSource({}); }
};

QString bank(int code, const QString& field)
{
    return scalar("Base.mdb", QString("SELECT %1 FROM Vopros WHERE code = %2").arg(field).arg(code)).toString();
}

void press(TForm13* t, int letter)
{
    QTest::mouseClick(answerButtons(t)[letter], Qt::LeftButton);
}

} // namespace

class TestScreenTest : public QObject {
    Q_OBJECT
    std::optional<TestingCourse> course;
    std::optional<FixedDraws> draws;
private slots:
    void init()
    {
        draws.emplace();
        draws->install();
        course.emplace();
        draws->nextCode = 0;  // the sign-in's row: 1, 2, ..., 23
    }
    void cleanup()
    {
        course.reset();
        draws.reset();
    }

    void creationResetsTheStateAndFirstStepShowsQuestionOne()
    {
        QVERIFY(!screens().Form13->timer().isActive());  // the start-up instance's invisible step
        QCOMPARE(testState().AskedCount, 1);
        testState().CorrectCount = 7;
        testState().WrongCount = 3;
        TForm13* t = signIn("student", "student");
        QCOMPARE(testState().AskedCount, 0);
        QCOMPARE(testState().CorrectCount, 0);
        QCOMPARE(testState().WrongCount, 0);
        QCOMPARE(testState().CurrentCode, 1);
        QVERIFY(t->timer().isActive());
        QVERIFY(waitForStep(t));
        auto& u = t->ui();
        QCOMPARE(u.Label29->text(), QString("1"));
        QCOMPARE(u.Label22->text(), QString());
        QCOMPARE(u.Memo1->toPlainText(), bank(1, "Tekst"));
        QCOMPARE(u.Label23->text(), bank(1, "ans1"));
        QCOMPARE(testState().CurrentCode, 2);
        for (QPushButton* b : answerButtons(t))
            QCOMPARE(b->text().size(), 1);
        QVERIFY(u.Memo1->isVisible());
        QVERIFY(u.BitBtn5->isVisible());
        QVERIFY(!u.BitBtn14->isVisible());
    }

    void arrangements_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("correctAt");
        QTest::newRow("1: A") << 1 << 0;
        QTest::newRow("2: D") << 2 << 3;
        QTest::newRow("3: E") << 3 << 4;
        QTest::newRow("4: C") << 4 << 2;
        QTest::newRow("5: B") << 5 << 1;
    }
    void arrangements()
    {
        QFETCH(int, number);
        QFETCH(int, correctAt);
        draws->arrangements = {number, number};
        TForm13* t = signIn("student", "student");
        QVERIFY(waitForStep(t));
        Answers answers;
        for (int i = 0; i < 5; ++i)
            answers[i] = bank(1, QString("ans%1").arg(i + 1));
        const Answers shown = arrange(answers, number);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(answerLabels(t)[i]->text(), shown[i]);
        QCOMPARE(t->ui().Label12->text(), QString::number(number));
        QCOMPARE(testState().ArrangementNumber, 0);

        press(t, correctAt);
        QCOMPARE(t->ui().Label22->text(), QString("Верно"));
        QVERIFY(waitForStep(t));
        QCOMPARE(t->ui().Label29->text(), QString("2"));
        QCOMPARE(t->ui().Label22->text(), QString("Верно"));  // kept while question 2 is on screen
        press(t, (correctAt + 1) % 5);
        QCOMPARE(t->ui().Label22->text(), QString("Неверно"));
        QVERIFY(waitForStep(t));
        QCOMPARE(t->ui().Label20->text(), QString("1"));
        QCOMPARE(t->ui().Label21->text(), QString("1"));
    }

    void twoClicksBeforeTheTickCountTwiceAndAdvanceOnce()
    {
        TForm13* t = signIn("student", "student");
        QVERIFY(waitForStep(t));
        const int right = correctLetter(t);
        press(t, right);
        press(t, right);
        press(t, (right + 2) % 5);
        QCOMPARE(t->ui().Label22->text(), QString("Неверно"));
        QVERIFY(waitForStep(t));
        QCOMPARE(t->ui().Label29->text(), QString("2"));
        QCOMPARE(t->ui().Label20->text(), QString("2"));
        QCOMPARE(t->ui().Label21->text(), QString("1"));
    }

    void twentiethAnswerCompletesTheTest()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        TForm13* t = signIn("student", "student");
        for (int question = 1; question <= 20; ++question) {
            QVERIFY(waitForStep(t));
            QCOMPARE(t->ui().Label29->text(), QString::number(question));
            QCOMPARE(answers.boxes().size(), size_t(0));
            press(t, question % 2 ? correctLetter(t) : (correctLetter(t) + 1) % 5);
        }
        QCOMPARE(testState().CurrentCode, 21);  // cell 20, never asked
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QVERIFY(waitForStep(t));
        QCOMPARE(testState().AskedCount, 20);
        QCOMPARE(t->ui().Label29->text(), QString("20"));
        QCOMPARE(t->ui().Label20->text(), QString("10"));
        QCOMPARE(answers.boxes()[0].text.left(14), QString("Вы набрали 10 "));
        QTest::qWait(20);
        QCOMPARE(answers.boxes().size(), size_t(1));
    }

    void earlyFinishCountsTwenty()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        TForm13* t = signIn("student", "student");
        for (int question = 1; question <= 3; ++question) {
            QVERIFY(waitForStep(t));
            press(t, correctLetter(t));
        }
        QVERIFY(waitForStep(t));
        t->BitBtn14Click();
        QCOMPARE(testState().AskedCount, 20);
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QVERIFY(answers.boxes()[0].text.contains("что составляет 15.00 %"));
        QCOMPARE(scalar("Base.mdb", "SELECT result FROM Rezult ORDER BY Kod DESC LIMIT 1").toString(), QString("15"));
    }

    void codeWithoutQuestionIsEmptyAndJudgedRight()
    {
        QVERIFY(execute("Base.mdb", "DELETE FROM Vopros WHERE code = 1;"));
        TForm13* t = signIn("student", "student");
        QVERIFY(waitForStep(t));
        QCOMPARE(t->ui().Memo1->toPlainText(), QString());
        QCOMPARE(t->ui().Label23->text(), QString());
        for (QLabel* label : answerLabels(t))
            QCOMPARE(label->text(), QString());
        press(t, 4);
        QCOMPARE(t->ui().Label22->text(), QString("Верно"));
        QVERIFY(waitForStep(t));
        QCOMPARE(t->ui().Memo1->toPlainText(), bank(2, "Tekst"));
    }

    // A JavaScript course asks about tags: an answer "<script src=...>" is
    // shown as typed, never drawn as markup (or as nothing).
    void answersWithMarkupAreShownAsTyped()
    {
        QVERIFY(execute("Base.mdb", "UPDATE Vopros SET ans1 = '<script src=\"app.js\"></script>', "
                                    "ans2 = '<b>жирный</b>', ans3 = 'тег <body>', ans4 = '&amp; &lt;', "
                                    "ans5 = '<style>p{}</style>' WHERE code = 1;"));
        TForm13* t = signIn("student", "student");
        QVERIFY(waitForStep(t));
        for (QLabel* label : answerLabels(t)) {
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), qPrintable(label->text()));
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        press(t, correctLetter(t));
        QCOMPARE(t->ui().Label22->text(), QString("Верно"));
    }

    void questionEditedInTheBankIsAskedByTheNextTest()
    {
        TForm13* first = signIn("student", "student");
        QVERIFY(waitForStep(first));
        first->close();
        // The administrator edits question 1 through the question bank editor.
        Dataset& bankEditor = *screens().Form22->ADOTable1;
        bankEditor.first();
        QCOMPARE(bankEditor.value("code").toInt(), 1);
        bankEditor.edit();
        bankEditor.setValue("Tekst", "Новый текст вопроса");
        bankEditor.setValue("ans1", "Новый ответ");
        bankEditor.post();
        draws->nextCode = 0;
        TForm13* second = signIn("student", "student");
        QVERIFY(waitForStep(second));
        QCOMPARE(second->ui().Memo1->toPlainText(), QString("Новый текст вопроса"));
        QCOMPARE(second->ui().Label23->text(), QString("Новый ответ"));
    }

    void closingMidTestStoresNothing()
    {
        const int before = scalar("Base.mdb", "SELECT count(*) FROM Rezult").toInt();
        TForm13* t = signIn("student", "student");
        for (int question = 1; question <= 3; ++question) {
            QVERIFY(waitForStep(t));
            press(t, correctLetter(t));
        }
        t->close();
        QVERIFY(!t->isVisible());
        QVERIFY(!t->timer().isActive());
        QVERIFY(screens().Form1->isVisible());
        QVERIFY(!t->data().connection->connected());
        QCOMPARE(scalar("Base.mdb", "SELECT count(*) FROM Rezult").toInt(), before);
    }
};

SHELL_TEST_MAIN(TestScreenTest)
#include "tst_testscreen.moc"
