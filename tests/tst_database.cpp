// The course database engine: the connection string, faults that must be
// reported without touching the file, the snapshot rules of datasets, field
// sizes, Lookup, the record filter and CInt.
#include "platform/DbConnection.h"
#include "platform/Dataset.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace {

const QList<FieldDef> kUserFields = {{"Login", FieldKind::Text, 255}, {"Password", FieldKind::Text, 255},
                                     {"Fam", FieldKind::Text, 30},    {"Imya", FieldKind::Text, 20},
                                     {"Otch", FieldKind::Text, 30},   {"Group", FieldKind::Text, 20}};
const QList<FieldDef> kQuestionFields = {{"code", FieldKind::AutoInc}, {"Tekst", FieldKind::Text, 255},
                                         {"ans1", FieldKind::Text, 255}};
const QList<FieldDef> kResultFields = {{"Kod", FieldKind::AutoInc}, {"user", FieldKind::Text, 50},
                                       {"result", FieldKind::Text, 50}, {"datatest", FieldKind::DateTime}};

QString connectionWith(const QString& key, const QString& value)
{
    const ConnectionString cs(kCourseConnectionString);
    QStringList parts;
    for (const auto& [k, v] : cs.pairs()) {
        const QString raw = v.isEmpty() ? QStringLiteral("\"\"") : v;
        parts.append(k + QLatin1Char('=') + (k == key ? value : raw));
    }
    return parts.join(QLatin1Char(';'));
}

std::unique_ptr<Dataset> tableOf(DbConnection& c, const QString& table, QList<FieldDef> fields)
{
    auto ds = std::make_unique<Dataset>(&c, std::move(fields));
    ds->setTableName(table);
    ds->open();
    return ds;
}

QStringList column(Dataset& ds, const QString& field)
{
    QStringList out;
    for (int i = 0; i < ds.recordCount(); ++i)
        out.append(ds.valueAt(i, ds.fieldIndex(field)).toString());
    return out;
}

void addUser(Dataset& users, const QString& login, const QString& password = QStringLiteral("p"))
{
    users.append();
    users.setValue("Login", login);
    users.setValue("Password", password);
    users.post();
}

} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void exactConnectionStringOpensTheSampleFile()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c;
        c.open();
        QVERIFY(c.connected());
        QCOMPARE(c.filePath(), folder.file("Base.mdb"));
        c.open();  // opening an open connection does nothing
        auto users = tableOf(c, "Users", kUserFields);
        QCOMPARE(users->lookup("Login", "Chiefexaminer", "Login").toString(), QString("Chiefexaminer"));
        auto questions = tableOf(c, "Vopros", kQuestionFields);
        QCOMPARE(questions->recordCount(), 121);
        QVERIFY(c.database().isOpen());
        c.close();
        QVERIFY(!c.connected());
        QVERIFY(!users->active());
    }

    // The file the build lays out beside the program.
    void builtSampleDatabaseOpensWithTheCourseConnection()
    {
        CourseFolder folder;
        QVERIFY(QFile::copy(BUILT_DATABASE, folder.file("Base.mdb")));
        DbConnection c;
        auto users = tableOf(c, "Users", kUserFields);
        QCOMPARE(users->lookup("Login", "Chiefexaminer", "Password").toString(), QString("Admin2026"));
        QCOMPARE(tableOf(c, "Vopros", kQuestionFields)->recordCount(), 121);
        QCOMPARE(scalar(folder.file("Base.mdb"), "PRAGMA journal_mode").toString(), QString("delete"));
        QVERIFY(!fileBytes(folder.file("Base.mdb")).contains("K#m4t"));  // the password is not kept in clear
    }

    void openFaultsAreNamedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: the sample database
        QTest::addColumn<QString>("extraSql");
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QList<FieldDef>>("fields");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("mentions");
        const QString std = kCourseConnectionString;
        const int schema = int(DatabaseError::Kind::Schema);
        QTest::newRow("missing file") << QByteArray() << QString() << connectionWith("Data Source", "Nowhere.mdb")
                                      << "Users" << kUserFields << int(DatabaseError::Kind::FileMissing)
                                      << QStringList{"Nowhere.mdb", "Не найден"};
        QTest::newRow("not a database") << QByteArray("Это обычный текст, а не база данных\n") << QString() << std
                                        << "Users" << kUserFields << int(DatabaseError::Kind::NotADatabase)
                                        << QStringList{"Base.mdb", "не является базой данных"};
        QByteArray jet(2048, '\0');
        jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
        QTest::newRow("jet file") << jet << QString() << std << "Users" << kUserFields
                                  << int(DatabaseError::Kind::JetFormat)
                                  << QStringList{"Base.mdb", "courseshell-convert Base.mdb"};
        QTest::newRow("wrong password") << QByteArray() << QString() << connectionWith("Jet OLEDB:Database Password", "k#m4t")
                                        << "Users" << kUserFields << int(DatabaseError::Kind::WrongPassword)
                                        << QStringList{"Base.mdb", "пароль"};
        QTest::newRow("no password stored") << QByteArray() << QString("DROP TABLE CourseShellMeta;") << std << "Users"
                                            << kUserFields << int(DatabaseError::Kind::WrongPassword)
                                            << QStringList{"Base.mdb", "пароль"};
        QTest::newRow("missing table") << QByteArray() << QString("DROP TABLE Users;") << std << "Users"
                                       << kUserFields << schema << QStringList{"Base.mdb", "«Users»"};
        QTest::newRow("missing field") << QByteArray() << QString("ALTER TABLE Users DROP COLUMN Otch;") << std
                                       << "Users" << kUserFields << schema << QStringList{"«Users»", "«Otch»"};
        QTest::newRow("field of another kind")
            << QByteArray()
            << QString("DROP TABLE Vopros; CREATE TABLE Vopros (code TEXT, Tekst VARCHAR(255), ans1 VARCHAR(255));")
            << std << "Vopros" << kQuestionFields << schema << QStringList{"«Vopros»", "«code»", "счётчик"};
        QTest::newRow("date stored as text column")
            << QByteArray()
            << QString("DROP TABLE Rezult; CREATE TABLE Rezult (Kod INTEGER PRIMARY KEY, user VARCHAR(50), "
                       "result VARCHAR(50), datatest VARCHAR(30));")
            << std << "Rezult" << kResultFields << schema << QStringList{"«Rezult»", "«datatest»"};
    }
    void openFaultsAreNamedAndChangeNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, extraSql);
        QFETCH(QString, connection);
        QFETCH(QString, table);
        QFETCH(QList<FieldDef>, fields);
        QFETCH(int, kind);
        QFETCH(QStringList, mentions);
        CourseFolder folder;
        if (content.isEmpty())
            writeSampleDatabase(folder.file("Base.mdb"), extraSql);
        else
            folder.write("Base.mdb", content);
        const QByteArray before = fileBytes(folder.file("Base.mdb"));
        DbConnection c(nullptr, connection);
        try {
            c.open();
            tableOf(c, table, fields);
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QCOMPARE(int(e.kind()), kind);
            for (const QString& m : mentions)
                QVERIFY2(e.message().contains(m), qPrintable(e.message()));
        }
        QCOMPARE(fileBytes(folder.file("Base.mdb")), before);
    }

    void queryOverAMissingTableIsNamed()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"), "DROP TABLE Rezult;");
        DbConnection c;
        Dataset q(&c, {{"user", FieldKind::Text, 50}});
        q.sql() << "select result,datatest,user from Rezult";
        try {
            q.open();
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::Schema);
            QVERIFY2(e.message().contains("Rezult"), qPrintable(e.message()));
        }
    }

    // A write the engine refuses leaves the file as it was and the dataset
    // in its editing state with the typed values, so nothing typed is lost.
    void refusedWriteKeepsFileAndBuffer_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("kind");
        QTest::newRow("read-only") << "readonly" << int(DatabaseError::Kind::ReadOnly);
        QTest::newRow("locked past the busy timeout") << "locked" << int(DatabaseError::Kind::Locked);
        QTest::newRow("row deleted by another connection") << "deleted" << int(DatabaseError::Kind::RowMissing);
        QTest::newRow("same field changed by another connection") << "changed" << int(DatabaseError::Kind::RowMissing);
    }
    void refusedWriteKeepsFileAndBuffer()
    {
        QFETCH(QString, fault);
        QFETCH(int, kind);
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        DbConnection c(nullptr, fault == "readonly" ? connectionWith("Mode", "Read") : kCourseConnectionString);
        c.setBusyTimeout(200);
        auto users = tableOf(c, "Users", kUserFields);
        sqlite3* other = nullptr;
        if (fault == "locked") {
            sqlite3_open(QFile::encodeName(path).constData(), &other);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        if (fault == "deleted")
            QVERIFY(execute(path, "DELETE FROM Users WHERE Login = 'student'"));
        if (fault == "changed")
            QVERIFY(execute(path, "UPDATE Users SET Fam = 'Смирнов' WHERE Login = 'student'"));
        const QByteArray before = fileBytes(path);
        users->last();
        users->edit();
        users->setValue("Fam", "Петров");
        try {
            users->post();
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QCOMPARE(int(e.kind()), kind);
            QVERIFY2(e.message().contains("Base.mdb"), qPrintable(e.message()));
        }
        QCOMPARE(users->state(), Dataset::State::Edit);
        QCOMPARE(users->value("Fam").toString(), QString("Петров"));
        if (other) {
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }
        QCOMPARE(fileBytes(path), before);
        if (fault == "locked") {
            // Once the other writer is gone the same edit is stored.
            users->post();
            QCOMPARE(scalar(path, "SELECT Fam FROM Users WHERE Login = 'student'").toString(), QString("Петров"));
        }
    }

    void editsOfDifferentFieldsByTwoConnectionsBothStay()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        DbConnection c;
        auto users = tableOf(c, "Users", kUserFields);
        QVERIFY(execute(path, "UPDATE Users SET Imya = 'Пётр' WHERE Login = 'student'"));
        users->last();
        users->edit();
        users->setValue("Fam", "Петров");
        users->post();
        QCOMPARE(scalar(path, "SELECT Fam || ' ' || Imya FROM Users WHERE Login = 'student'").toString(),
                 QString("Петров Пётр"));
    }

    void readOnlyInsertIsRefusedBeforeTyping()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c(nullptr, connectionWith("Mode", "Read"));
        auto users = tableOf(c, "Users", kUserFields);
        users->append();
        users->setValue("Login", "new");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, users->post());
        QCOMPARE(users->state(), Dataset::State::Insert);
        QCOMPARE(scalar(folder.file("Base.mdb"), "SELECT count(*) FROM Users").toInt(), 2);
    }

    // Two connections on one file, as two screens of the program have.
    void snapshotRules_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("mine");    // logins my dataset shows afterwards
        QTest::addColumn<QStringList>("theirs");  // logins the other dataset shows afterwards
        const QStringList both{"Chiefexaminer", "student"};
        QTest::newRow("own insert seen, other's not") << "insert" << QStringList{"Chiefexaminer", "student", "new"} << both;
        QTest::newRow("other's insert seen after reopen") << "insert+reopen" << QStringList{"Chiefexaminer", "student", "new"}
                                                          << QStringList{"Chiefexaminer", "student", "new"};
        QTest::newRow("refresh re-reads held rows only") << "insert+edit+refresh"
                                                         << QStringList{"Chiefexaminer", "student2", "new"}
                                                         << QStringList{"Chiefexaminer", "student2"};
        QTest::newRow("deleted row gone from its own dataset only") << "delete" << QStringList{"Chiefexaminer"} << both;
        QTest::newRow("row deleted elsewhere leaves on refresh") << "delete+refresh" << QStringList{"Chiefexaminer"}
                                                                 << QStringList{"Chiefexaminer"};
    }
    void snapshotRules()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, mine);
        QFETCH(QStringList, theirs);
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection a, b;
        auto my = tableOf(a, "Users", kUserFields);
        auto other = tableOf(b, "Users", kUserFields);
        if (step.startsWith("insert"))
            addUser(*my, "new");
        if (step.contains("edit")) {
            my->setRecNo(1);
            my->edit();
            my->setValue("Login", "student2");
            my->post();
        }
        if (step.startsWith("delete")) {
            my->last();
            my->remove();
        }
        if (step.endsWith("reopen")) {
            other->close();
            other->open();
        }
        if (step.endsWith("refresh"))
            other->refresh();
        QCOMPARE(column(*my, "Login"), mine);
        QCOMPARE(column(*other, "Login"), theirs);
    }

    void textIsCutWhenAssignedAndReadWhole()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        DbConnection c;
        auto wide = tableOf(c, "Users", kUserFields);
        QList<FieldDef> narrowFields = kUserFields;
        narrowFields[0].size = 30;
        const QString login40 = QString("пользователь_с_очень_длинным_логином_40").leftJustified(40, 'x');
        addUser(*wide, login40);
        QCOMPARE(scalar(path, "SELECT Login FROM Users WHERE rowid = 3").toString(), login40);
        auto narrow = tableOf(c, "Users", narrowFields);
        QCOMPARE(narrow->lookup("Login", login40, "Login").toString(), login40);  // read whole
        narrow->last();
        narrow->edit();
        narrow->setValue("Login", login40 + "!");
        QCOMPARE(narrow->value("Login").toString(), login40.left(30));  // cut on assignment
        narrow->post();
        QCOMPARE(scalar(path, "SELECT Login FROM Users WHERE rowid = 3").toString(), login40.left(30));

        auto questions = tableOf(c, "Vopros", kQuestionFields);
        questions->append();
        questions->setValue("Tekst", QString(300, QChar(0x0439)));
        questions->post();
        QCOMPARE(questions->value("code").toInt(), 122);  // the engine's counter, read back
        QCOMPARE(scalar(path, "SELECT length(Tekst) FROM Vopros WHERE code = 122").toInt(), 255);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, (questions->edit(), questions->setValue("code", 5)));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("password");
        QTest::newRow("exact hit") << "student" << QVariant("student");
        QTest::newRow("none") << "nobody" << QVariant();
        QTest::newRow("letter case counts") << "STUDENT" << QVariant();
        QTest::newRow("several equal keys: first stored") << "twin" << QVariant("first");
        QTest::newRow("apostrophe") << "o'brien" << QVariant("irish");
        QTest::newRow("sql metacharacters") << "x' OR '1'='1" << QVariant("inject");
        QTest::newRow("like wildcards are plain") << "%_" << QVariant("wild");
        QTest::newRow("no trimming") << "student " << QVariant();
    }
    void lookup()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, password);
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c;
        auto users = tableOf(c, "Users", kUserFields);
        for (const auto& [login, pw] : {std::pair{"twin", "first"}, {"o'brien", "irish"}, {"twin", "second"},
                                        {"x' OR '1'='1", "inject"}, {"%_", "wild"}})
            addUser(*users, login, pw);
        users->setOnFilterRecord([](const Dataset&, const QVariantMap& row) { return row["Login"] == "%_"; });
        users->setFiltered(true);
        QCOMPARE(users->recordCount(), 1);
        QCOMPARE(users->lookup("Login", key, "Password"), password);  // the filter does not apply
        QCOMPARE(users->recNo(), 0);                                     // and the current row stays
        QCOMPARE(users->value("Login").toString(), QString("%_"));
    }

    void filterFollowsOutsideStateOnlyWhenReevaluated()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c;
        auto users = tableOf(c, "Users", kUserFields);
        QString wanted = "student";
        users->setOnFilterRecord([&](const Dataset&, const QVariantMap& row) { return row["Login"] == wanted; });
        users->first();
        users->setFiltered(true);
        QCOMPARE(column(*users, "Login"), QStringList{"student"});
        QCOMPARE(users->recNo(), 0);
        wanted = "Chiefexaminer";
        QCOMPARE(column(*users, "Login"), QStringList{"student"});
        users->refilter();
        QCOMPARE(column(*users, "Login"), QStringList{"Chiefexaminer"});
        wanted.clear();
        users->refilter();
        QCOMPARE(users->recordCount(), 0);
        QCOMPARE(users->recNo(), -1);
        QVERIFY(users->eof() && users->bof());
        users->setFiltered(false);
        QCOMPARE(users->recordCount(), 2);
    }

    void cint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value");  // invalid: an error containing `error`
        QTest::addColumn<QString>("error");
        QTest::newRow("integer") << "65" << QVariant(65) << "";
        QTest::newRow("spaces") << " 40 " << QVariant(40) << "";
        QTest::newRow("negative") << "-7" << QVariant(-7) << "";
        QTest::newRow("2.5 to even") << "2.5" << QVariant(2) << "";
        QTest::newRow("3.5 to even") << "3.5" << QVariant(4) << "";
        QTest::newRow("-2.5 to even") << "-2.5" << QVariant(-2) << "";
        QTest::newRow("2.51 up") << "2.51" << QVariant(3) << "";
        QTest::newRow("decimal comma") << "7,5" << QVariant(8) << "";
        QTest::newRow("upper bound") << "32767" << QVariant(32767) << "";
        QTest::newRow("lower bound") << "-32768" << QVariant(-32768) << "";
        QTest::newRow("above range") << "32768" << QVariant() << "переполнение";
        QTest::newRow("below range") << "-32768.6" << QVariant() << "переполнение";
        QTest::newRow("not a number") << "abc" << QVariant() << "несоответствие типов";
        QTest::newRow("empty") << "" << QVariant() << "несоответствие типов";
        QTest::newRow("number then text") << "5 баллов" << QVariant() << "несоответствие типов";
    }
    void cint()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        QFETCH(QString, error);
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c;
        c.open();
        QSqlQuery q(c.database());
        QVERIFY(q.prepare("SELECT CInt(?)"));
        q.addBindValue(text);
        const bool ok = q.exec() && q.next();
        if (value.isValid()) {
            QVERIFY2(ok, qPrintable(q.lastError().text()));
            QCOMPARE(q.value(0).toInt(), value.toInt());
        } else {
            QVERIFY(!ok);
            QVERIFY2(q.lastError().databaseText().contains(error), qPrintable(q.lastError().databaseText()));
        }
    }

    void resultsOrderNumericallyThroughTheEditableQuery()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path, "DELETE FROM Rezult; INSERT INTO Rezult (user, result, datatest) VALUES "
                                  "('a', '5', '2026-01-01 10:00:00'), ('b', '100', '2026-01-02 10:00:00'), "
                                  "('c', '65', '2026-01-03 10:00:00'), ('d', '40', '2026-01-04 10:00:00');");
        DbConnection c;
        Dataset q(&c, {{"user", FieldKind::Text, 50}, {"datatest", FieldKind::DateTime}, {"result", FieldKind::Text, 50}});
        q.sql() << "select result,datatest,user from Rezult";
        q.open();
        q.sql().insert(1, "ORDER BY CInt([result]) desc");
        QVERIFY(!q.active());  // changing the text closes the query
        q.open();
        QCOMPARE(column(q, "result"), (QStringList{"100", "65", "40", "5"}));
        QCOMPARE(q.value("datatest").toDateTime(), QDateTime(QDate(2026, 1, 2), QTime(10, 0)));
        // Edits through the query are stored in Rezult.
        q.edit();
        q.setValue("result", "abc");
        q.post();
        QCOMPARE(scalar(path, "SELECT result FROM Rezult WHERE user = 'b'").toString(), QString("abc"));
        q.close();
        try {
            q.open();
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.message().contains("«abc»"), qPrintable(e.message()));
        }
        QVERIFY(!q.active());
    }

    void dateFieldRefusesTextThatIsNoDate()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c;
        auto results = tableOf(c, "Rezult", kResultFields);
        results->append();
        results->setValue("user", "a");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, results->setValue("datatest", "вчера"));
        QCOMPARE(results->state(), Dataset::State::Insert);
        results->setValue("datatest", QDateTime(QDate(2026, 3, 1), QTime(9, 30, 5)));
        results->post();
        QCOMPARE(scalar(folder.file("Base.mdb"), "SELECT datatest FROM Rezult WHERE user = 'a'").toString(),
                 QString("2026-03-01 09:30:05"));
    }

    void connectionWithoutKeepClosesWithItsLastDataset()
    {
        CourseFolder folder;
        writeSampleDatabase(folder.file("Base.mdb"));
        DbConnection c;
        c.setKeepConnection(false);
        auto users = tableOf(c, "Users", kUserFields);
        auto questions = tableOf(c, "Vopros", kQuestionFields);
        users->close();
        QVERIFY(c.connected());
        questions->close();
        QVERIFY(!c.connected());
        questions->open();  // opening a dataset connects again
        QVERIFY(c.connected());
    }

    void navigationPostsPendingEditsAndCancelDropsThem()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        DbConnection c;
        auto users = tableOf(c, "Users", kUserFields);
        users->edit();
        users->setValue("Imya", "Пётр");
        users->next();
        QCOMPARE(users->state(), Dataset::State::Browse);
        QCOMPARE(scalar(path, "SELECT Imya FROM Users WHERE Login = 'Chiefexaminer'").toString(), QString("Пётр"));
        users->edit();
        users->setValue("Imya", "Сидор");
        users->cancel();
        QCOMPARE(users->value("Imya").toString(), QString("Иван"));
        users->insert();  // an insert nobody typed into leaves nothing behind
        QCOMPARE(users->recordCount(), 3);
        users->first();
        QCOMPARE(users->recordCount(), 2);
        QCOMPARE(scalar(path, "SELECT count(*) FROM Users").toInt(), 2);
    }
};

SHELL_TEST_MAIN(DatabaseTest)
#include "tst_database.moc"
