// Other processes on the same course database: concurrent writers lose no
// row and surface no error; a writer killed mid-write loses nothing it
// confirmed and leaves no half row; a full disk refuses the write and leaves
// the file whole.
#include "tests/support/CourseFolder.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "platform/DatabaseError.h"
#include "testing/CourseDatabase.h"
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <sqlite3.h>

namespace {

// Every row of `sql` as text, through a raw connection of the test's own.
QList<QStringList> rows(const QString& path, const QString& sql)
{
    QList<QStringList> out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                QStringList row;
                for (int c = 0; c < sqlite3_column_count(st); ++c)
                    row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
                out.append(row);
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
}

// Starts one db_writer per argument list, all at once, and waits for each:
// every one must end well with nothing on stderr. Their stdout, in order.
QList<QByteArray> runWriters(const QList<QStringList>& arguments)
{
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const QStringList& args : arguments) {
        auto p = std::make_unique<QProcess>();
        p->start(DB_WRITER, args);
        writers.push_back(std::move(p));
    }
    QList<QByteArray> out;
    for (auto& p : writers) {
        if (!p->waitForFinished(240000)) {
            QTest::qFail("a writer did not finish", __FILE__, __LINE__);
            return {};
        }
        const QByteArray err = p->readAllStandardError();
        if (!err.isEmpty() || p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0) {
            QTest::qFail(qPrintable(QString("writer %1 failed (exit %2): %3")
                                        .arg(p->arguments().value(2)).arg(p->exitCode()).arg(QString::fromUtf8(err))),
                         __FILE__, __LINE__);
            return {};
        }
        out.append(p->readAllStandardOutput());
    }
    return out;
}

// A rollback journal that the next open must play back: one whose header
// was completed once its pages were safely written. A journal still
// without it is left over from before the file was touched, and harmless.
bool hotJournal(const QString& database)
{
    QFile f(database + "-journal");
    return f.open(QIODevice::ReadOnly) && f.read(8) == QByteArray::fromHex("d9d505f920a163d7");
}

// The values of every row of a dataset, read through the program's code.
QList<QVariantMap> datasetRows(Dataset* ds)
{
    QList<QVariantMap> out;
    for (ds->first(); !ds->eof(); ds->next()) {
        QVariantMap row;
        for (const FieldDef& f : ds->fields())
            row.insert(f.name, ds->value(f.name));
        out.append(row);
    }
    return out;
}

} // namespace

class DbProcessTest : public QObject {
    Q_OBJECT
private slots:
    void concurrentWritersStoreEveryRowOnce()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path, "DELETE FROM Rezult;");
        constexpr int kWriters = 4;
        constexpr int kRows = 100;
        QList<QStringList> arguments;
        for (int w = 0; w < kWriters; ++w)
            arguments.append({"insert", folder.path(), QString("writer%1").arg(w), QString::number(kRows)});
        runWriters(arguments);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(scalar(path, "SELECT count(*) FROM Rezult").toInt(), kWriters * kRows);
        QCOMPARE(scalar(path, "SELECT count(DISTINCT user || '/' || result) FROM Rezult").toInt(), kWriters * kRows);
        QCOMPARE(scalar(path, "PRAGMA integrity_check").toString(), QString("ok"));
    }

    // Thirty-two students at once, each registering and finishing tests:
    // every registration and every result stored exactly once, whole, and
    // no writer ever told the database was busy.
    void manyStudentsRegisterAndStoreResultsAtOnce()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path, "DELETE FROM Rezult;");
        constexpr int kWriters = 32;
        constexpr int kSessions = 15;
        QList<QStringList> arguments;
        QSet<QString> expected;
        for (int w = 0; w < kWriters; ++w) {
            const QString tag = QString("w%1").arg(w);
            arguments.append({"session", folder.path(), tag, QString::number(kSessions)});
            for (int i = 1; i <= kSessions; ++i)
                expected.insert(QString("%1-%2").arg(tag).arg(i));
        }
        const QList<QByteArray> out = runWriters(arguments);
        if (QTest::currentTestFailed())
            return;
        for (const QByteArray& o : out)
            QCOMPARE(o.count("\nuser ") + o.count("\nresult "), 2 * kSessions);

        QCOMPARE(scalar(path, "PRAGMA integrity_check").toString(), QString("ok"));
        QSet<QString> users, results;
        for (const QStringList& u : rows(path, "SELECT Login, Password, Fam, Imya, Otch, \"Group\" FROM Users "
                                               "WHERE Login GLOB 'w*'")) {
            QVERIFY2(!users.contains(u[0]), qPrintable("stored twice: " + u[0]));
            users.insert(u[0]);
            QCOMPARE(u.mid(1), (QStringList{"пароль-" + u[0], "Фамилия", "Имя", "Отчество", "Группа"}));
        }
        QCOMPARE(users, expected);
        for (const QStringList& r : rows(path, "SELECT user, result, datatest FROM Rezult")) {
            QVERIFY2(!results.contains(r[0]), qPrintable("stored twice: " + r[0]));
            results.insert(r[0]);
            QCOMPARE(r[1], r[0].section('-', 1));
            QVERIFY2(!r[2].isEmpty(), qPrintable(r[0]));
        }
        QCOMPARE(results, expected);
    }

    // A writer killed at random moments, again and again, on one file: each
    // time the next open rolls back what it left half done, the file checks
    // whole, every row it confirmed is there once and complete, and no row
    // is there but the confirmed ones and the one it was storing.
    // DBPROCESS_SEED=<n> replays a run's sequence of delays.
    void killedWriterLosesNoConfirmedRow()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path, "DELETE FROM Rezult;");
        const quint32 seed = qEnvironmentVariableIsSet("DBPROCESS_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("DBPROCESS_SEED"))
                                 : QRandomGenerator::global()->generate();
        qInfo("killedWriterLosesNoConfirmedRow: DBPROCESS_SEED=%u", seed);
        QRandomGenerator random(seed);
        constexpr int kTrials = 100;
        int hotJournals = 0;
        int confirmedTotal = 0;
        for (int trial = 0; trial < kTrials; ++trial) {
            const QString tag = QString("k%1").arg(trial);
            QProcess writer;
            writer.start(DB_WRITER, {"session", folder.path(), tag, "100000"});
            QVERIFY(writer.waitForStarted());
            while (!writer.canReadLine())
                QVERIFY2(writer.waitForReadyRead(30000), qPrintable(writer.readAllStandardError()));
            QCOMPARE(writer.readLine(), QByteArray("ready " + tag.toUtf8() + "\n"));
            QThread::usleep(random.bounded(60000));
            writer.kill();
            QVERIFY(writer.waitForFinished(30000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            QSet<QString> confirmedUsers, confirmedResults;
            for (const QByteArray& line : writer.readAllStandardOutput().split('\n')) {
                if (line.startsWith("user "))
                    confirmedUsers.insert(QString::fromUtf8(line.mid(5)));
                else if (line.startsWith("result "))
                    confirmedResults.insert(QString::fromUtf8(line.mid(7)));
            }
            confirmedTotal += confirmedUsers.size() + confirmedResults.size();
            if (hotJournal(path))
                ++hotJournals;

            // The program's next open meets whatever the kill left behind.
            QObject owner;
            const QList<QVariantMap> users = datasetRows(openRegistrationData(&owner).users);
            const QList<QVariantMap> results = datasetRows(openTestingData(&owner).results);
            QVERIFY2(!hotJournal(path), "the hot journal was not rolled back");
            QCOMPARE(scalar(path, "PRAGMA integrity_check").toString(), QString("ok"));

            const QString context = QString("trial %1 (DBPROCESS_SEED=%2)").arg(trial).arg(seed);
            const auto ours = [&](const QString& login) { return login.startsWith(tag + "-"); };
            QSet<QString> storedUsers, storedResults;
            for (const QVariantMap& u : users) {
                const QString login = u["Login"].toString();
                if (!ours(login))
                    continue;
                QVERIFY2(!storedUsers.contains(login), qPrintable(context + ": stored twice " + login));
                storedUsers.insert(login);
                const QStringList fields{u["Password"].toString(), u["Fam"].toString(), u["Imya"].toString(),
                                         u["Otch"].toString(), u["Group"].toString()};
                QVERIFY2(fields == (QStringList{"пароль-" + login, "Фамилия", "Имя", "Отчество", "Группа"}),
                         qPrintable(context + ": half a registration " + login + ": " + fields.join('|')));
            }
            for (const QVariantMap& r : results) {
                const QString login = r["user"].toString();
                if (!ours(login))
                    continue;
                QVERIFY2(!storedResults.contains(login), qPrintable(context + ": result stored twice " + login));
                storedResults.insert(login);
                QVERIFY2(r["result"].toString() == login.section('-', 1) && r["datatest"].toDateTime().isValid(),
                         qPrintable(context + ": half a result " + login));
                QVERIFY2(storedUsers.contains(login), qPrintable(context + ": result without its user " + login));
            }
            QVERIFY2(storedUsers.contains(confirmedUsers), qPrintable(context + ": a confirmed user is missing"));
            QVERIFY2(storedResults.contains(confirmedResults), qPrintable(context + ": a confirmed result is missing"));
            QVERIFY2(storedUsers.size() <= confirmedUsers.size() + 1, qPrintable(context + ": users nobody stored"));
            QVERIFY2(storedResults.size() <= confirmedResults.size() + 1, qPrintable(context + ": results nobody stored"));
        }
        qInfo("killedWriterLosesNoConfirmedRow: %d kills, %d left a hot journal, %d rows confirmed", kTrials,
              hotJournals, confirmedTotal);
        QVERIFY2(confirmedTotal > 0, "the writer never got to store anything before it was killed");
    }

    void fullDiskRefusesTheWriteAndKeepsTheFile()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        const qint64 size = QFileInfo(path).size();
        QProcess p;
        p.start(DB_WRITER, {"fill", folder.path(), QString::number(size + 16 * 1024)});
        QVERIFY(p.waitForFinished(120000));
        const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        QVERIFY2(p.exitCode() == 0, qPrintable(out.join(" | ") + p.readAllStandardError()));
        QCOMPARE(out.value(1).toInt(), int(DatabaseError::Kind::DiskFull));
        QVERIFY2(out.value(2).contains("Нет места на диске") && out.value(2).contains("Vopros"), qPrintable(out.value(2)));
        const int posted = out.value(0).toInt();
        QVERIFY(posted > 0);
        QCOMPARE(scalar(path, "PRAGMA integrity_check").toString(), QString("ok"));
        QCOMPARE(scalar(path, "SELECT count(*) FROM Vopros").toInt(), 121 + posted);
        QVERIFY(!QFile::exists(path + "-journal"));
    }
};

SHELL_TEST_MAIN(DbProcessTest)
#include "tst_dbprocess.moc"
