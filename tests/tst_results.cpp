// Completing a test and what follows: the stored result, the summary, the
// results list of each role, the results filter and the administrator tools.
#include "platform/Dataset.h"
#include "platform/DbConnection.h"
#include "shell/ScreenRegistry.h"
#include "shell/Unit1.h"
#include "testing/TestRun.h"
#include "testing/Unit13.h"
#include "testing/Unit14.h"
#include "testing/Unit22.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestingCourse.h"
#include "ui_Unit13.h"
#include "platform/DBGrid.h"
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <optional>

namespace {

const QString kAdmin = QStringLiteral("Chiefexaminer");
const QString kAdminPassword = QStringLiteral("Admin2026");
const QString kLongLogin = QString(60, QChar(u'д'));

QVariant fromFile(const QString& sql) { return scalar(QStringLiteral("Base.mdb"), sql); }

// The results list as "user:result" in list order.
QStringList listed(TForm13* t)
{
    Dataset& q = *t->data().resultsQuery;
    QStringList out;
    for (int row = 0; row < q.recordCount(); ++row)
        out << q.valueAt(row, q.fieldIndex("user")).toString() + ":" + q.valueAt(row, q.fieldIndex("result")).toString();
    return out;
}

// The cell's editor, opened as a double click would.
QLineEdit* openCellEditor(DBGrid* grid, int row, int column)
{
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    return grid->findChild<QLineEdit*>();
}

// The administrator types 55 over petrov's 45 in the list and presses
// "Перейти"; what the file then holds.
QString storeTypedResult(TForm13* t)
{
    QLineEdit* editor = openCellEditor(t->ui().DBGrid3, 3, 2);
    if (!editor)
        return QStringLiteral("no editor");
    typeInto(editor, "55");
    QTest::mouseClick(t->ui().BitBtn6, Qt::LeftButton);
    return fromFile("SELECT result FROM Rezult WHERE user = 'petrov' ORDER BY Kod DESC LIMIT 1").toString();
}

bool questionAreaVisible(TForm13* t)
{
    auto& u = t->ui();
    return u.Panel1->isVisible() && u.Memo1->isVisible() && u.Panel2->isVisible() && u.BitBtn1->isVisible()
        && u.BitBtn5->isVisible() && u.Label5->isVisible() && u.Label9->isVisible();
}

bool questionAreaHidden(TForm13* t)
{
    auto& u = t->ui();
    return !u.Panel1->isVisible() && !u.Memo1->isVisible() && !u.Panel2->isVisible() && !u.BitBtn1->isVisible()
        && !u.BitBtn5->isVisible() && !u.Label5->isVisible() && !u.Label9->isVisible();
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
    std::optional<TestingCourse> course;
private slots:
    void init() { course.emplace(QString("INSERT INTO Users (Login, Password) VALUES ('%1', 'long');").arg(kLongLogin)); }
    void cleanup() { course.reset(); }

    // clicksPerQuestion answers per question, each right when `right`.
    void completion_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("clicksPerQuestion");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("correctCount");
        QTest::addColumn<QString>("shown");
        QTest::newRow("20 of 20") << true << 1 << "100" << "20" << "100.00";
        QTest::newRow("none right") << false << 1 << "0" << "0" << "0.00";
        QTest::newRow("each answered twice: over 100") << true << 2 << "200" << "40" << "200.00";
    }
    void completion()
    {
        QFETCH(bool, right);
        QFETCH(int, clicksPerQuestion);
        QFETCH(QString, stored);
        QFETCH(QString, correctCount);
        QFETCH(QString, shown);
        ModalAnswerer answers;
        bool listedWhenSummaryShown = false;
        TForm13* t = nullptr;
        answers.queue([&](QMessageBox* box) {
            // The new row is in the list before the summary is closed, and
            // the question area is still on screen.
            listedWhenSummaryShown = t->data().resultsQuery->recordCount() == 5 && questionAreaVisible(t);
            box->button(QMessageBox::Ok)->click();
        });
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        t = signIn("student", "student");
        for (int question = 1; question <= 20; ++question) {
            QVERIFY(waitForStep(t));
            QVERIFY(!t->ui().DBGrid3->isVisible());
            for (int click = 0; click < clicksPerQuestion; ++click)
                QTest::mouseClick(answerButtons(t)[right ? correctLetter(t) : (correctLetter(t) + 1) % 5], Qt::LeftButton);
        }
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        const BoxRecord& box = answers.boxes()[0];
        QCOMPARE(box.text, "Вы набрали " + correctCount + " правильных ответов, что составляет " + shown
                               + " % от общей успеваемости");
        QCOMPARE(box.caption, QString("Электронный интерактивный учебник"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::Ok);
        QVERIFY(listedWhenSummaryShown);

        QCOMPARE(fromFile("SELECT count(*) FROM Rezult").toInt(), 5);
        QCOMPARE(fromFile("SELECT user || ':' || result FROM Rezult ORDER BY Kod DESC LIMIT 1").toString(),
                 "student:" + stored);
        const QDateTime at = QDateTime::fromString(
            fromFile("SELECT datatest FROM Rezult ORDER BY Kod DESC LIMIT 1").toString(), Qt::ISODate);
        QVERIFY2(at >= before && at <= QDateTime::currentDateTime().addSecs(1), qPrintable(at.toString()));

        // The student's results view: own rows only, best first, read-only.
        auto& u = t->ui();
        QVERIFY(u.DBGrid3->isVisible());
        QVERIFY(u.DBGrid3->isReadOnly());
        QVERIFY(!u.DBNavigator1->isVisible());
        QVERIFY(!u.GroupBox1->isVisible());
        QVERIFY(!u.BitBtn14->isVisible());
        QVERIFY(questionAreaHidden(t));
        QVERIFY(!t->timer().isActive());
        QStringList expected{"student:85", "student:60", "student:" + stored};
        std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return a.section(':', 1).toInt() > b.section(':', 1).toInt();
        });
        QCOMPARE(listed(t), expected);

        t->close();
        QVERIFY(screens().Form1->isVisible());
        QVERIFY(!t->data().connection->connected());
    }

    void failedStoreReportsAndAFurtherAnswerCompletes()
    {
        QVERIFY(execute("Base.mdb", "CREATE TRIGGER refuse BEFORE INSERT ON Rezult "
                                    "BEGIN SELECT RAISE(ABORT, 'results are closed'); END;"));
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        TForm13* t = signIn("student", "student");
        QVERIFY(waitForStep(t));
        t->BitBtn14Click();
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
        QVERIFY(answers.boxes()[0].text.contains("results are closed"));
        QVERIFY(waitForStep(t));
        QTest::qWait(20);
        QCOMPARE(answers.boxes().size(), size_t(1));  // reported once
        QVERIFY(questionAreaVisible(t));
        QVERIFY(!t->ui().DBGrid3->isVisible());
        QCOMPARE(fromFile("SELECT count(*) FROM Rezult").toInt(), 4);

        QVERIFY(execute("Base.mdb", "DROP TRIGGER refuse;"));
        QTest::mouseClick(t->ui().BitBtn1, Qt::LeftButton);
        QTRY_COMPARE(answers.boxes().size(), size_t(2));
        QVERIFY(answers.boxes()[1].text.startsWith("Вы набрали "));
        QCOMPARE(fromFile("SELECT count(*) FROM Rezult").toInt(), 5);
        QVERIFY(t->ui().DBGrid3->isVisible());
    }

    void studentWithALoginOverFiftySeesAnEmptyView()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        TForm13* t = signIn(kLongLogin, "long");
        QVERIFY(waitForStep(t));
        t->BitBtn14Click();
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(fromFile("SELECT user FROM Rezult ORDER BY Kod DESC LIMIT 1").toString(), kLongLogin.left(50));
        QVERIFY(t->ui().DBGrid3->isVisible());
        QCOMPARE(listed(t), QStringList());
    }

    void administratorView()
    {
        TForm13* t = signIn(kAdmin, kAdminPassword);
        auto& u = t->ui();
        QCOMPARE(t->windowTitle(), QString("Вы вошли в систему под Администратором"));
        QVERIFY(u.DBGrid3->isVisible());
        QVERIFY(!u.DBGrid3->isReadOnly());
        QVERIFY(u.DBNavigator1->isVisible());
        QVERIFY(u.GroupBox1->isVisible());
        QVERIFY(questionAreaHidden(t));
        QVERIFY(waitForStep(t));
        QVERIFY(!u.BitBtn14->isHidden());
        QCOMPARE(testState().AskedCount, 1);
        QCOMPARE(listed(t), QStringList({"petrov:100", "student:85", "student:60", "petrov:45"}));
    }

    void resultsAreOrderedByNumber()
    {
        QVERIFY(execute("Base.mdb", "DELETE FROM Rezult; INSERT INTO Rezult (user, result, datatest) VALUES "
                                    "('a', '5', '2026-01-01'), ('b', '100', '2026-01-02'), "
                                    "('c', '65', '2026-01-03'), ('d', '40', '2026-01-04');"));
        TForm13* t = signIn(kAdmin, kAdminPassword);
        QCOMPARE(listed(t), QStringList({"b:100", "c:65", "d:40", "a:5"}));
    }

    void searchTakesEffectWhenTheFilterIsTurnedOn()
    {
        TForm13* t = signIn(kAdmin, kAdminPassword);
        auto& u = t->ui();
        const auto go = [&] { QTest::mouseClick(u.BitBtn6, Qt::LeftButton); };
        go();  // empty search
        QCOMPARE(listed(t), QStringList());
        go();
        QCOMPARE(listed(t).size(), 4);
        typeInto(u.Edit1, "Student");
        go();
        QCOMPARE(listed(t), QStringList());
        go();
        typeInto(u.Edit1, "student");
        go();
        QCOMPARE(listed(t), QStringList({"student:85", "student:60"}));
        QCOMPARE(t->data().resultsQuery->recNo(), 0);
        typeInto(u.Edit1, "petrov");
        QCOMPARE(listed(t), QStringList({"student:85", "student:60"}));
        go();
        QCOMPARE(listed(t).size(), 4);
        go();
        QCOMPARE(listed(t), QStringList({"petrov:100", "petrov:45"}));
    }

    void goStoresAPendingEdit()
    {
        TForm13* t = signIn(kAdmin, kAdminPassword);
        Dataset& q = *t->data().resultsQuery;
        q.last();
        q.edit();
        q.setValue("result", "50");
        QTest::mouseClick(t->ui().BitBtn6, Qt::LeftButton);
        QCOMPARE(q.state(), Dataset::State::Browse);
        QCOMPARE(fromFile("SELECT result FROM Rezult WHERE user = 'petrov' AND result <> '100'").toString(),
                 QString("50"));
    }

    void goStoresATextTypedIntoTheList()
    {
        TForm13* t = signIn(kAdmin, kAdminPassword);
        QApplication::setActiveWindow(t);
        QVERIFY(QTest::qWaitForWindowActive(t));
        QCOMPARE(storeTypedResult(t), QString("55"));
    }

    // A date the field refuses is reported once the grid is done with the
    // cell editor: a box inside the editor's commit would run an event loop
    // that may delete the editor the toolkit goes on using afterwards.
    void refusedCellIsReportedAfterItsEditorCloses()
    {
        TForm13* t = signIn(kAdmin, kAdminPassword);
        DBGrid* grid = t->ui().DBGrid3;
        QApplication::setActiveWindow(t);
        QVERIFY(QTest::qWaitForWindowActive(t));
        ModalAnswerer answers;
        int boxesWhenClosed = -1;
        connect(grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, grid,
                [&] { boxesWhenClosed = int(answers.boxes().size()); });
        const QString before = grid->model()->index(0, 1).data().toString();
        QLineEdit* editor = openCellEditor(grid, 0, 1);  // the date
        QVERIFY(editor);
        typeInto(editor, "не дата");
        QTest::mouseClick(t->ui().Edit1, Qt::LeftButton);  // the editor loses the focus
        QCOMPARE(boxesWhenClosed, 0);
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
        QCOMPARE(grid->model()->index(0, 1).data().toString(), before);
        // The grid goes on: the next edit is stored.
        QCOMPARE(storeTypedResult(t), QString("55"));
    }

    void administratorEarlyFinish()
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        TForm13* t = signIn(kAdmin, kAdminPassword);
        auto& u = t->ui();
        QVERIFY(waitForStep(t));
        t->resize(t->width(), 900);
        QVERIFY(u.BitBtn14->isVisible());
        QTest::mouseClick(u.BitBtn14, Qt::LeftButton);
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QCOMPARE(answers.boxes()[0].text,
                 QString("Вы набрали 0 правильных ответов, что составляет 0.00 % от общей успеваемости"));
        QCOMPARE(fromFile("SELECT user || ':' || result FROM Rezult ORDER BY Kod DESC LIMIT 1").toString(),
                 QString("Chiefexaminer:0"));
        QVERIFY(u.DBGrid3->isReadOnly());
        QVERIFY(!u.GroupBox1->isVisible());
        QVERIFY(!u.BitBtn14->isVisible());
        QVERIFY(t->data().resultsQuery->filtered());
        QCOMPARE(listed(t), QStringList());  // the search field is empty
    }

    void resultThatIsNoNumberKeepsTheDeclaredLayout_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::newRow("student") << "student" << "student";
        QTest::newRow("administrator") << kAdmin << kAdminPassword;
    }
    void resultThatIsNoNumberKeepsTheDeclaredLayout()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QVERIFY(execute("Base.mdb", "INSERT INTO Rezult (user, result, datatest) VALUES ('x', 'много', '2026-01-01');"));
        ModalAnswerer answers;
        answers.press(QMessageBox::Ok);
        answers.press(QMessageBox::Ok);
        TForm13* t = signIn(login, password);
        QVERIFY(t != nullptr && t->isVisible());
        QTRY_COMPARE(answers.boxes().size(), size_t(2));  // creation, then showing
        for (const BoxRecord& box : answers.boxes()) {
            QCOMPARE(box.icon, QMessageBox::Critical);
            QVERIFY2(box.text.contains("«много» не является числом"), qPrintable(box.text));
        }
        QVERIFY(!t->data().resultsQuery->active());
        auto& u = t->ui();
        QVERIFY(questionAreaVisible(t));
        QVERIFY(!u.DBGrid3->isVisible());
        QVERIFY(!u.DBNavigator1->isVisible());
        QVERIFY(!u.GroupBox1->isVisible());
    }

    void administratorTools()
    {
        TForm13* t = signIn(kAdmin, kAdminPassword);
        auto& u = t->ui();
        QTest::mouseClick(u.BitBtn7, Qt::LeftButton);
        QVERIFY(screenByEntry("Form14")->isVisible());
        QTest::mouseClick(u.BitBtn9, Qt::LeftButton);
        QVERIFY(screenByEntry("Form22")->isVisible());
        QTest::mouseClick(u.BitBtn7, Qt::LeftButton);  // already open: nothing changes
        QVERIFY(screenByEntry("Form14")->isVisible());
        QTest::mouseClick(u.BitBtn8, Qt::LeftButton);
        QVERIFY(!t->isVisible());
        QVERIFY(!t->data().connection->connected());
        QVERIFY(screens().Form1->isVisible());
        QVERIFY(screenByEntry("Form14")->isVisible());
        QVERIFY(screenByEntry("Form22")->isVisible());
    }
};

SHELL_TEST_MAIN(ResultsTest)
#include "tst_results.moc"
