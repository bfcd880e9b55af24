// Faults of the course database met at the program's start and in the
// middle of a session (sign-in, registration, storing a result, editing in
// a grid): a message that names the fault and the file, the file left as
// the fault made it, and the same step succeeding once the fault is gone.
#include "platform/DBGrid.h"
#include "platform/DBNavigator.h"
#include "platform/Dataset.h"
#include "platform/DbConnection.h"
#include "shell/ScreenRegistry.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit14.h"
#include "testing/Unit5.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestingCourse.h"
#include "ui_Unit12.h"
#include "ui_Unit13.h"
#include "ui_Unit14.h"
#include "ui_Unit5.h"
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>
#include <atomic>
#include <csignal>
#include <optional>
#include <sqlite3.h>
#include <sys/resource.h>
#include <thread>

namespace {

const QString kFile = QStringLiteral("Base.mdb");

QByteArray jetFile()
{
    QByteArray jet(4096, '\0');
    jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    return jet;
}

// The sample database protected by another password, as bytes.
QByteArray otherPasswordFile()
{
    CourseFolder scratch;
    writeSampleDatabase(scratch.file(kFile), {}, QStringLiteral("другой"));
    return fileBytes(scratch.file(kFile));
}

// Writes over the file in place, as another program saving into it does;
// connections already open keep their descriptor to the same file.
void overwrite(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.resize(0) || f.write(bytes) != bytes.size())
        qFatal("cannot overwrite %s", qPrintable(path));
}

// A second program holding the write lock, so that readers and writers
// wait for it.
class OtherWriter {
public:
    explicit OtherWriter(const QString& path)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &db_);
        locked_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~OtherWriter() { release(); }
    bool locked() const { return locked_; }
    void release()
    {
        if (!db_)
            return;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
    bool locked_ = false;
};

// A file fault put on the course database under the open program, and
// taken off again. `connection` is the screen's own, for the faults that
// live in a connection (read-only, a short busy timeout).
class Fault {
public:
    Fault(QString kind, QString sql, DbConnection* connection)
        : kind_(std::move(kind)), sql_(std::move(sql)), connection_(connection)
    {
    }
    ~Fault() { remove(); }

    void apply()
    {
        original_ = fileBytes(kFile);
        if (kind_ == "missing") {
            QVERIFY(QFile::rename(kFile, moved()));
        } else if (kind_ == "not a database") {
            overwrite(kFile, "Это обычный текст, а не база данных\n");
        } else if (kind_ == "jet") {
            overwrite(kFile, jetFile());
        } else if (kind_ == "wrong password") {
            overwrite(kFile, otherPasswordFile());
        } else if (kind_ == "schema") {
            QString error;
            QVERIFY2(execute(kFile, sql_, &error), qPrintable(error));
        } else if (kind_ == "read-only") {
            QVERIFY(connection_ && connection_->handle());
            QCOMPARE(sqlite3_exec(connection_->handle(), "PRAGMA query_only = ON", nullptr, nullptr, nullptr), SQLITE_OK);
        } else if (kind_ == "locked") {
            QVERIFY(connection_);
            connection_->setBusyTimeout(200);
            other_.emplace(kFile);
            QVERIFY(other_->locked());
        } else if (kind_ == "disk full") {
            // Past the limit a write fails with EFBIG, as on a full disk;
            // the journal's first page already crosses it.
            getrlimit(RLIMIT_FSIZE, &saved_);
            oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{1024, saved_.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            limited_ = true;
        } else {
            QFAIL(qPrintable("unknown fault " + kind_));
        }
        applied_ = true;
    }
    // The file as the fault left it, wherever it is now.
    QByteArray bytes() const { return fileBytes(kind_ == "missing" ? moved() : kFile); }
    void remove()
    {
        if (!applied_)
            return;
        applied_ = false;
        if (kind_ == "missing")
            QFile::rename(moved(), kFile);
        else if (kind_ == "not a database" || kind_ == "jet" || kind_ == "wrong password" || kind_ == "schema")
            overwrite(kFile, original_);
        else if (kind_ == "read-only")
            sqlite3_exec(connection_->handle(), "PRAGMA query_only = OFF", nullptr, nullptr, nullptr);
        else if (kind_ == "locked")
            other_.reset();
        if (limited_) {
            setrlimit(RLIMIT_FSIZE, &saved_);
            std::signal(SIGXFSZ, oldSignal_);
            limited_ = false;
        }
    }

private:
    static QString moved() { return kFile + QStringLiteral(".moved"); }
    QString kind_, sql_;
    DbConnection* connection_;
    QByteArray original_;
    std::optional<OtherWriter> other_;
    rlimit saved_{};
    void (*oldSignal_)(int) = SIG_DFL;
    bool limited_ = false;
    bool applied_ = false;
};

// The message each fault is reported with.
QString mentionOf(const QString& kind, const QString& sql)
{
    if (kind == "missing")
        return QStringLiteral("Не найден файл базы данных");
    if (kind == "not a database")
        return QStringLiteral("не является базой данных курса");
    if (kind == "jet")
        return QStringLiteral("courseshell-convert Base.mdb");
    if (kind == "wrong password")
        return QStringLiteral("Неверный пароль");
    if (kind == "schema")
        return sql.contains("DROP TABLE") ? QStringLiteral("нет таблицы") : QStringLiteral("нет поля");
    if (kind == "read-only")
        return QStringLiteral("только для чтения");
    if (kind == "locked")
        return QStringLiteral("занята");
    return QStringLiteral("Нет места на диске");
}

Ui::TForm12& registration() { return screens().Form12->ui(); }

void fillRegistration(const QString& login)
{
    if (!screens().Form12->isVisible()) {
        openSignIn();
        clickLabel(screens().Form5->ui().Label5);
    }
    auto& r = registration();
    typeInto(r.Login, login);
    typeInto(r.Edit1, "pw");
    typeInto(r.Edit2, "Петров");
    typeInto(r.Edit4, "Петрович");
}

QLineEdit* typeIntoCell(DBGrid* grid, int row, int column, const QString& text)
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->setCurrentIndex(index);
    grid->edit(index);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    if (editor)
        typeInto(editor, text);
    return editor;
}

int count(const QString& sql) { return scalar(kFile, sql).toInt(); }

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
    std::optional<TestingCourse> course;

private slots:
    void cleanup() { course.reset(); }

    // Start-up: the first screen that opens the database ends the start with
    // the "Application Error" box and exit status 1, having written nothing.
    void startup_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("mention");
        QTest::newRow("missing file") << "missing" << "" << 1 << "Не найден файл базы данных";
        QTest::newRow("not a database") << "not a database" << "" << 1 << "не является базой данных курса";
        QTest::newRow("jet file") << "jet" << "" << 1 << "courseshell-convert Base.mdb";
        QTest::newRow("wrong password") << "wrong password" << "" << 1 << "Неверный пароль";
        QTest::newRow("missing table Users") << "sql" << "DROP TABLE Users;" << 1 << "«Users»";
        QTest::newRow("missing table Vopros") << "sql" << "DROP TABLE Vopros;" << 1 << "«Vopros»";
        QTest::newRow("missing table Rezult") << "sql" << "DROP TABLE Rezult;" << 1 << "«Rezult»";
        QTest::newRow("missing field") << "sql" << "ALTER TABLE Users DROP COLUMN \"Group\";" << 1 << "«Group»";
        QTest::newRow("locked past the busy timeout") << "locked" << "" << 1 << "занята";
        QTest::newRow("locked briefly: the start waits") << "locked briefly" << "" << 0 << "";
    }
    void startup()
    {
        QFETCH(QString, fault);
        QFETCH(QString, sql);
        QFETCH(int, status);
        QFETCH(QString, mention);
        CourseFolder folder;
        const QString path = folder.file(kFile);
        if (fault == "not a database")
            folder.write(kFile, "Это обычный текст, а не база данных\n");
        else if (fault == "jet")
            folder.write(kFile, jetFile());
        else if (fault == "wrong password")
            folder.write(kFile, otherPasswordFile());
        else if (fault != "missing")
            writeSampleDatabase(path, sql);
        const QByteArray before = fileBytes(path);
        std::optional<OtherWriter> other;
        std::thread releaser;
        std::atomic<bool> holding{false};
        if (fault == "locked")
            other.emplace(path);
        if (fault == "locked briefly") {
            releaser = std::thread([&] {
                OtherWriter brief(path);
                holding = brief.locked();
                std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            });
            QTRY_VERIFY(holding);
        }

        ModalAnswerer answers;
        const int result = startScreens();
        if (releaser.joinable())
            releaser.join();
        other.reset();
        QCOMPARE(result, status);
        if (status == 0) {
            QCOMPARE(answers.boxes().size(), size_t(0));
            QVERIFY(screens().Form1);
            releaseScreens();
        } else {
            QCOMPARE(answers.boxes().size(), size_t(1));
            const BoxRecord& box = answers.boxes()[0];
            QCOMPARE(box.caption, QString("Application Error"));
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.buttons, QMessageBox::Ok);
            QVERIFY2(box.text.contains(mention) && box.text.contains("Base.mdb"), qPrintable(box.text));
            QVERIFY(!screens().Form1);  // nothing of the program stays behind
            for (QWidget* w : QApplication::topLevelWidgets())
                QVERIFY2(!w->isVisible(), w->metaObject()->className());
        }
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    // In a session: the step meets the fault, reports it in the error box,
    // stores nothing; once the fault is gone the same step stores its row.
    void midSession_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("sql");  // for schema faults
        const QStringList fileFaults{"missing", "not a database", "jet"};
        const QStringList connectionFaults{"read-only", "locked", "disk full"};
        const struct {
            const char* place;
            const char* dropTable;
            const char* dropColumn;
        } places[] = {
            {"sign-in", "DROP TABLE Vopros;", "ALTER TABLE Vopros DROP COLUMN ans3;"},
            {"registration", "DROP TABLE Users;", "ALTER TABLE Users DROP COLUMN Otch;"},
            {"result", "DROP TABLE Rezult;", "ALTER TABLE Rezult DROP COLUMN result;"},
            {"grid", "DROP TABLE Users;", "ALTER TABLE Users DROP COLUMN Fam;"},
        };
        for (const auto& p : places) {
            const QString place = p.place;
            for (const QString& f : fileFaults)
                QTest::newRow(qPrintable(place + ": " + f)) << place << f << "";
            if (place == "sign-in")
                QTest::newRow("sign-in: wrong password") << place << "wrong password" << "";
            QTest::newRow(qPrintable(place + ": missing table")) << place << "schema" << p.dropTable;
            QTest::newRow(qPrintable(place + ": missing field")) << place << "schema" << p.dropColumn;
            // Sign-in only reads; its new connection waits the full busy time.
            if (place != "sign-in")
                for (const QString& f : connectionFaults)
                    QTest::newRow(qPrintable(place + ": " + f)) << place << f << "";
        }
    }
    void midSession()
    {
        QFETCH(QString, place);
        QFETCH(QString, fault);
        QFETCH(QString, sql);
        course.emplace();
        ModalAnswerer answers;
        DbConnection* connection = nullptr;
        TForm13* testing = nullptr;
        TForm14* editor = screens().Form14;
        std::function<void()> step;   // the step that meets the fault
        std::function<void()> retry;  // the same step again
        std::function<bool()> stored; // the step's row is in the file
        const int usersBefore = count("SELECT count(*) FROM Users");
        const int resultsBefore = count("SELECT count(*) FROM Rezult");
        TForm13* startupTesting = screens().Form13;

        if (place == "sign-in") {
            step = [] { signIn("student", "student"); };
            retry = step;
            stored = [startupTesting] { return screens().Form13 != startupTesting && screens().Form13->isVisible(); };
        } else if (place == "registration") {
            connection = screens().Form12->users()->connection();
            fillRegistration("новичок");
            step = [] { clickLabel(registration().Label4); };
            retry = step;
            stored = [usersBefore] {
                return count("SELECT count(*) FROM Users") == usersBefore + 1
                    && scalar(kFile, "SELECT Login || '/' || Otch FROM Users ORDER BY rowid DESC LIMIT 1").toString()
                           == "новичок/Петрович";
            };
        } else if (place == "result") {
            testing = signIn("student", "student");
            QVERIFY(waitForStep(testing));
            connection = testing->data().connection;
            step = [testing] { testing->BitBtn14Click(); };
            retry = [testing] { QTest::mouseClick(testing->ui().BitBtn1, Qt::LeftButton); };
            stored = [resultsBefore] {
                return count("SELECT count(*) FROM Rezult") == resultsBefore + 1
                    && scalar(kFile, "SELECT user FROM Rezult ORDER BY Kod DESC LIMIT 1").toString() == "student";
            };
        } else {
            showScreen(editor);
            connection = editor->ADOConnection1;
            DBGrid* grid = editor->ui().DBGrid1;
            QLineEdit* cellEditor = typeIntoCell(grid, 1, 2, "Сидоров");
            QVERIFY(cellEditor);
            QTest::keyClick(cellEditor, Qt::Key_Return);
            QTRY_COMPARE(editor->ADOTable1->state(), Dataset::State::Edit);
            step = [grid] { QTest::keyClick(grid, Qt::Key_Up); };  // leaving the row stores it
            retry = [editor] { editor->ui().DBNavigator1->button(DBNavigator::Post)->click(); };
            stored = [] { return scalar(kFile, "SELECT Fam FROM Users WHERE Login = 'student'").toString() == "Сидоров"; };
        }

        Fault f(fault, sql, connection);
        f.apply();
        if (QTest::currentTestFailed())
            return;
        const QByteArray faulted = f.bytes();
        step();
        QTRY_COMPARE(answers.boxes().size(), size_t(1));
        const BoxRecord box = answers.boxes()[0];
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(mentionOf(fault, sql)) && box.text.contains("Base.mdb"), qPrintable(box.text));
        QTest::qWait(20);
        QCOMPARE(answers.boxes().size(), size_t(1));  // reported once
        QCOMPARE(f.bytes(), faulted);
        QVERIFY(!QFile::exists(kFile + "-journal"));
        f.remove();

        // The screen kept what was typed and is still where the step left it.
        if (place == "sign-in") {
            QCOMPARE(screens().Form13, startupTesting);
            QVERIFY(screens().Form5->isVisible());
        } else if (place == "registration") {
            QVERIFY(screens().Form12->isVisible());
            QCOMPARE(registration().Login->text(), QString("новичок"));
            QCOMPARE(screens().Form12->users()->state(), Dataset::State::Browse);
        } else if (place == "result") {
            QVERIFY(testing->isVisible());
            QVERIFY(!testing->ui().DBGrid3->isVisible());
        } else {
            QCOMPARE(editor->ADOTable1->state(), Dataset::State::Edit);
            QCOMPARE(editor->ADOTable1->value("Fam").toString(), QString("Сидоров"));
        }
        QVERIFY(!stored());

        answers.clear();
        retry();
        QTRY_VERIFY(stored());
        for (const BoxRecord& b : answers.boxes())
            QVERIFY2(b.icon != QMessageBox::Critical, qPrintable(b.text));
        QCOMPARE(scalar(kFile, "PRAGMA integrity_check").toString(), QString("ok"));
    }
};

SHELL_TEST_MAIN(FaultsTest)
#include "tst_faults.moc"
