// The main menu's own behaviour: the "Тестирование" hit test, the exit
// confirmation and the hover sound.
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/Unit5.h"
#include "ui_Unit1.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestMain.h"
#include <QApplication>
#include <QCloseEvent>

namespace {
TForm1* form1() { return screens().Form1; }
Ui::TForm1& menu() { return form1()->ui(); }
}

class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { createScreens(); }
    void cleanup() { releaseScreens(); }

    // Press at `press` with `button`, release at `release`, both in the
    // label's own coordinates.
    void hitTest_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<bool>("opens");
        const int L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
        QTest::newRow("inside the label") << L << QPoint(5, 5) << QPoint(50, 10) << true;
        QTest::newRow("released 150,40 outside") << L << QPoint(5, 5) << QPoint(150, 40) << true;
        QTest::newRow("corner 1,1") << L << QPoint(5, 5) << QPoint(1, 1) << true;
        QTest::newRow("corner 192,48") << L << QPoint(5, 5) << QPoint(192, 48) << true;
        QTest::newRow("X = 0") << L << QPoint(5, 5) << QPoint(0, 10) << false;
        QTest::newRow("Y = 0 (top row)") << L << QPoint(5, 5) << QPoint(10, 0) << false;
        QTest::newRow("X = 193") << L << QPoint(5, 5) << QPoint(193, 10) << false;
        QTest::newRow("Y = 49") << L << QPoint(5, 5) << QPoint(10, 49) << false;
        QTest::newRow("left of the label") << L << QPoint(5, 5) << QPoint(-3, 10) << false;
        QTest::newRow("far away") << L << QPoint(5, 5) << QPoint(400, 300) << false;
        QTest::newRow("right button over the label") << R << QPoint(5, 5) << QPoint(20, 10) << true;
        QTest::newRow("middle button over the label") << M << QPoint(5, 5) << QPoint(20, 10) << true;
        QTest::newRow("right button on the top row") << R << QPoint(5, 5) << QPoint(20, 0) << false;
        // Only a left press keeps the pointer on the label until release.
        QTest::newRow("right button released outside") << R << QPoint(5, 5) << QPoint(150, 40) << false;
    }
    void hitTest()
    {
        QFETCH(int, button);
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(bool, opens);
        QWidget* label = menu().Label10;
        QTest::mousePress(label, Qt::MouseButton(button), {}, press);
        QTest::mouseRelease(label, Qt::MouseButton(button), {}, release);
        QCOMPARE(screenByEntry("Form5")->isVisible(), opens);
        QCOMPARE(form1()->isVisible(), !opens);
    }

    void exitBoxLooksAsItShould()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Cancel);
        QTest::mouseClick(menu().Label4, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(answers.boxes().size(), size_t(1));
        const BoxRecord& box = answers.boxes()[0];
        QCOMPARE(box.caption, QString("Выход"));
        QCOMPARE(box.text, QString("Вы действительно хотите выйти?"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.defaultButton, QMessageBox::Cancel);
        QVERIFY(!form1()->exiting());
    }

    void enterEscAndCloseBoxAnswerCancel_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << 0;
    }
    void enterEscAndCloseBoxAnswerCancel()
    {
        QFETCH(int, key);
        ModalAnswerer answers;
        if (key)
            answers.key(key);
        else
            answers.queue([](QMessageBox* box) { box->close(); });
        QTest::mouseClick(menu().Label4, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(answers.boxes().size(), size_t(1));
        QVERIFY(!form1()->exiting());
        QVERIFY(form1()->isVisible());
    }

    void exitReleaseAnywhereAfterDrag()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Cancel);
        QTest::mousePress(menu().Label4, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(menu().Label4, Qt::LeftButton, {}, QPoint(-300, -200));
        QCOMPARE(answers.boxes().size(), size_t(1));
    }

    void closeBoxThenCancelKeepsTheMenuUsable()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Cancel);
        form1()->close();
        QVERIFY(form1()->isVisible());
        QTest::mouseClick(menu().Label1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(screenByEntry("Form8")->isVisible());
    }

    void closeWhileHiddenShowsTheMenuAgainOnCancel()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Cancel);
        QTest::mouseClick(menu().Label1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!form1()->isVisible());
        // A close request addressed to the program while another screen is in use.
        QCloseEvent request;
        QApplication::sendEvent(form1(), &request);
        QVERIFY(!request.isAccepted());
        QCOMPARE(answers.boxes().size(), size_t(1));
        QVERIFY(form1()->isVisible());
        QVERIFY(screenByEntry("Form8")->isVisible());
    }

    void hoverPlaysOverStripsOnly()
    {
        CourseFolder folder;
        folder.writeSound("Audio/movve.wav");
        form1()->activateWindow();
        const int before = form1()->hoverCalls();
        // Over the syllabus strip, right of its label.
        QWidget* strip = menu().Image2;
        QTest::mouseMove(strip, QPoint(strip->width() - 5, strip->height() / 2));
        QTRY_COMPARE(form1()->hoverCalls(), before + 1);
        QCOMPARE(form1()->lastHoverOutcome(), AsyncSound::Outcome::Played);
        // Over the label lying on the same strip.
        QWidget* label = menu().btnUchebnik;
        QTest::mouseMove(label, label->rect().center());
        QTest::mouseMove(label, label->rect().center() + QPoint(2, 1));
        QCOMPARE(form1()->hoverCalls(), before + 1);
        // The exit strip plays too.
        QWidget* exitStrip = menu().Image11;
        QTest::mouseMove(exitStrip, QPoint(2, 2));
        QTRY_COMPARE(form1()->hoverCalls(), before + 2);
    }

    void aThousandMovesAllPlay()
    {
        CourseFolder folder;
        folder.writeSound("Audio/movve.wav");
        for (int i = 0; i < 1000; ++i)
            form1()->ImageMouseMove(QPoint(i % 200, 3));
        QCOMPARE(form1()->hoverCalls(), 1000);
        QCOMPARE(form1()->lastHoverOutcome(), AsyncSound::Outcome::Played);
    }

    void missingSoundGivesTheAlert()
    {
        CourseFolder folder;  // no Audio folder
        form1()->ImageMouseMove(QPoint(1, 1));
        QCOMPARE(form1()->lastHoverOutcome(), AsyncSound::Outcome::Alert);
    }

    // Last: once the program has been told to end, no later event loop runs.
    void cancelSeveralTimesThenOkEndsOnce()
    {
        ModalAnswerer answers;
        for (int i = 0; i < 3; ++i)
            answers.press(QMessageBox::Cancel);
        answers.press(QMessageBox::Ok);
        for (int i = 0; i < 3; ++i) {
            form1()->close();
            QVERIFY(!form1()->exiting());
            QVERIFY(form1()->isVisible());
        }
        QTest::mouseClick(menu().Label4, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(form1()->exiting());
        // Ending the program asks nothing more, whatever closes the window.
        form1()->close();
        QCOMPARE(answers.boxes().size(), size_t(4));
    }
};

SHELL_TEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
