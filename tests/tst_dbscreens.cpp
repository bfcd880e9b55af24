// The data-aware controls on the screens that own them: the users table
// editor, the question bank editor, and the declarations of each screen's
// datasets.
#include "platform/DBGrid.h"
#include "platform/DBNavigator.h"
#include "platform/DBText.h"
#include "testing/CourseDatabase.h"
#include "testing/Unit14.h"
#include "testing/Unit22.h"
#include "ui_Unit14.h"
#include "ui_Unit22.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QToolButton>
#include <sqlite3.h>

namespace {

// Types `text` into a cell through its editor and leaves the editor open.
QLineEdit* typeInto(DBGrid* grid, int row, int column, const QString& text)
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->setCurrentIndex(index);
    grid->edit(index);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    if (!editor)
        qFatal("no cell editor");
    editor->selectAll();
    editor->insert(text);  // as typed; QTest cannot type Cyrillic keys
    return editor;
}

QString cell(DBGrid* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

} // namespace

class DbScreensTest : public QObject {
    Q_OBJECT
private slots:
    void editorsLayOutTheirGridsAndNavigators_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<int>("buttons");
        QTest::newRow("users") << "TForm14"
                               << QStringList{"Логин", "Пароль", "Фамилия", "Имя", "Отчество", "Номер группы"}
                               << QList<int>{30, 30, 30, 20, 30, 20} << 10;
        QTest::newRow("questions") << "TForm22"
                                   << QStringList{"Номер вопроса", "Вопрос", "Правильный ответ", "Неправильный ответ",
                                                  "Неправильный ответ", "Неправильный ответ", "Неправильный ответ"}
                                   << QList<int>{0, 255, 255, 255, 255, 255, 255} << 9;
    }
    void editorsLayOutTheirGridsAndNavigators()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, titles);
        QFETCH(QList<int>, widths);
        QFETCH(int, buttons);
        std::unique_ptr<Screen> s;
        DBGrid* grid;
        DBNavigator* nav;
        if (screen == "TForm14") {
            auto* f = new TForm14;
            grid = f->ui().DBGrid1;
            nav = f->ui().DBNavigator1;
            s.reset(f);
        } else {
            auto* f = new TForm22;
            grid = f->ui().DBGrid1;
            nav = f->ui().DBNavigator1;
            s.reset(f);
        }
        s->show();
        QStringList shownTitles;
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            shownTitles << grid->model()->headerData(c, Qt::Horizontal).toString();
            if (widths[c] > 0)
                QCOMPARE(grid->columnWidth(c), grid->widthOfChars(widths[c]));
        }
        QCOMPARE(shownTitles, titles);
        const QStringList hints{"Первая запись", "Предыдущая запись", "Следующая запись", "Последняя запись", "Вставить",
                                "Удалить", "Иизменить", "Запомнить", "Отменить", "Обновить"};
        QStringList shownHints;
        for (int b = 0; b < DBNavigator::kButtonCount; ++b)
            if (nav->button(DBNavigator::Button(b))->isVisible())
                shownHints << nav->button(DBNavigator::Button(b))->toolTip();
        QCOMPARE(shownHints, hints.mid(0, buttons));
        s->close();
        QVERIFY(!s->isVisible());  // closing only hides
    }

    // A 40-character login registered through the registration screen's
    // dataset is stored whole and read whole by the users editor, whose own
    // Login takes only 30 characters when typed.
    void loginSizesDifferBetweenRegistrationAndEditor()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        QObject owner;
        RegistrationData reg = openRegistrationData(&owner);
        const QString login40 = QString("a").repeated(10) + QString("б").repeated(30);
        reg.users->append();
        reg.users->setValue("Login", login40);
        reg.users->post();
        QCOMPARE(scalar(path, "SELECT Login FROM Users WHERE rowid = 3").toString(), login40);

        TForm14 editor;
        DBGrid* grid = editor.ui().DBGrid1;
        editor.show();
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(cell(grid, 2, 0), login40);

        // Return hands the text over from the event loop, as typing does.
        QTest::keyClick(typeInto(grid, 0, 0, QString("x").repeated(45)), Qt::Key_Return);
        QTRY_COMPARE(editor.ADOTable1->state(), Dataset::State::Edit);
        QCOMPARE(cell(grid, 0, 0), QString("x").repeated(30));
        QCOMPARE(scalar(path, "SELECT Login FROM Users WHERE rowid = 1").toString(), QString("Chiefexaminer"));
        QTest::keyClick(grid, Qt::Key_Down);  // leaving the row stores it
        QCOMPARE(editor.ADOTable1->state(), Dataset::State::Browse);
        QCOMPARE(scalar(path, "SELECT Login FROM Users WHERE rowid = 1").toString(), QString("x").repeated(30));
    }

    void newQuestionIsCutTo255AndNumberedByTheDatabase()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        TForm22 editor;
        editor.show();
        DBGrid* grid = editor.ui().DBGrid1;
        DBNavigator* nav = editor.ui().DBNavigator1;
        nav->button(DBNavigator::Last)->click();
        nav->button(DBNavigator::Insert)->click();
        QCOMPARE(editor.ADOTable1->state(), Dataset::State::Insert);
        const int row = editor.ADOTable1->recNo();
        QVERIFY(!(grid->model()->flags(grid->model()->index(row, 0)) & Qt::ItemIsEditable));
        typeInto(grid, row, 1, QString("в").repeated(300));
        nav->button(DBNavigator::Post)->click();  // hands the open editor's text over first
        QCOMPARE(editor.ADOTable1->state(), Dataset::State::Browse);
        QCOMPARE(scalar(path, "SELECT length(Tekst) FROM Vopros WHERE code = 122").toInt(), 255);
        QCOMPARE(cell(grid, row, 0), QString("122"));
    }

    void navigatorDeletesOnlyOnOk_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("usersLeft");
        QTest::newRow("OK") << int(QMessageBox::Ok) << 1;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << 2;
    }
    void navigatorDeletesOnlyOnOk()
    {
        QFETCH(int, answer);
        QFETCH(int, usersLeft);
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        TForm14 editor;
        editor.show();
        ModalAnswerer answers;
        answers.press(QMessageBox::StandardButton(answer));
        editor.ui().DBNavigator1->button(DBNavigator::Last)->click();
        editor.ui().DBNavigator1->button(DBNavigator::Delete)->click();
        QCOMPARE(answers.boxes().size(), size_t(1));
        const BoxRecord& box = answers.boxes()[0];
        QCOMPARE(box.text, QString("Delete record?"));
        QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(scalar(path, "SELECT count(*) FROM Users").toInt(), usersLeft);
        QCOMPARE(editor.ADOTable1->recordCount(), usersLeft);
        QCOMPARE(scalar(path, "SELECT count(*) FROM Users WHERE Login = 'Chiefexaminer'").toInt(), 1);
    }

    // The administrator's typing survives a write the engine refuses: the
    // error is reported, the row stays current and in editing, and storing
    // it again later succeeds.
    void refusedRowStaysInEditing()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        TForm14 editor;
        editor.show();
        editor.ADOConnection1->setBusyTimeout(100);
        DBGrid* grid = editor.ui().DBGrid1;
        QTest::keyClick(typeInto(grid, 1, 2, "Сидоров"), Qt::Key_Return);
        QTRY_COMPARE(editor.ADOTable1->state(), Dataset::State::Edit);
        sqlite3* other = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &other);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        ModalAnswerer answers;
        QTest::keyClick(grid, Qt::Key_Up);
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        QVERIFY2(answers.boxes()[0].text.contains("занята"), qPrintable(answers.boxes()[0].text));
        QCOMPARE(answers.boxes()[0].icon, QMessageBox::Critical);
        QTRY_COMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(editor.ADOTable1->state(), Dataset::State::Edit);
        QCOMPARE(cell(grid, 1, 2), QString("Сидоров"));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        editor.ui().DBNavigator1->button(DBNavigator::Post)->click();
        QCOMPARE(scalar(path, "SELECT Fam FROM Users WHERE Login = 'student'").toString(), QString("Сидоров"));
    }

    void refreshReReadsHeldRowsOnly()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        TForm14 editor;
        editor.show();
        QVERIFY(execute(path, "UPDATE Users SET Imya = 'Пётр' WHERE Login = 'student';"
                              "INSERT INTO Users (Login) VALUES ('later');"));
        DBGrid* grid = editor.ui().DBGrid1;
        QCOMPARE(cell(grid, 1, 3), QString("Иван"));
        editor.ui().DBNavigator1->button(DBNavigator::Refresh)->click();
        QCOMPARE(cell(grid, 1, 3), QString("Пётр"));
        QCOMPARE(grid->model()->rowCount(), 2);
    }

    void readOnlyGridRefusesEditing()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        TForm14 editor;
        DBGrid* grid = editor.ui().DBGrid1;
        grid->setReadOnly(true);
        editor.show();
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable));
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClicks(grid, "zzz");
        QCOMPARE(editor.ADOTable1->state(), Dataset::State::Browse);
        QCOMPARE(cell(grid, 0, 0), QString("Chiefexaminer"));
    }

    void dbTextFollowsTheCurrentRow()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        QObject owner;
        RegistrationData reg = openRegistrationData(&owner);
        DBText text;
        text.setDataSource(reg.users, "Login");
        QCOMPARE(text.text(), QString("Chiefexaminer"));
        reg.users->next();
        QCOMPARE(text.text(), QString("student"));
        reg.users->close();
        QCOMPARE(text.text(), QString());
    }

    void screensFailToBuildWithoutTheirDatabase()
    {
        CourseFolder folder;  // no Base.mdb here
        try {
            TForm22 editor;
            QFAIL("built without a database");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::FileMissing);
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, openTestingData(nullptr));
    }

    void testingDataClosesItsConnectionWithItsDatasets()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        QObject owner;
        TestingData t = openTestingData(&owner);
        QCOMPARE(t.questions->recordCount(), 121);
        QCOMPARE(t.resultsQuery->sql(), QStringList{"select result,datatest,user from Rezult"});
        QVERIFY(t.resultsQuery->active());
        t.questions->close();
        t.results->close();
        QVERIFY(t.connection->connected());
        t.resultsQuery->close();
        QVERIFY(!t.connection->connected());
    }
};

SHELL_TEST_MAIN(DbScreensTest)
#include "tst_dbscreens.moc"
