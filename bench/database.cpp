// The course database at scale: opening the results query with its
// ORDER BY CInt over 100,000 results against the sqlite3 shell running the
// same SQL on the same file, Lookup over 10,000 users against one indexless
// SELECT on the file, and the resident memory a 100,000-row snapshot costs.
//   bench_database <cint extension module>
#include "bench/BenchTable.h"
#include "platform/DatabaseFile.h"
#include "testing/CourseDatabase.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>
#include <vector>

namespace {

long rssKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void fill(const QString& path, int results, int users)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Rezult (user, result, datatest) VALUES (?, ?, ?)", -1, &st, nullptr);
    for (int i = 0; i < results; ++i) {
        const QByteArray user = "student" + QByteArray::number(i % users);
        const QByteArray result = QByteArray::number((i * 37) % 101);
        // Results spread over a thousand days, at every second of the day.
        const QByteArray date = QDateTime(QDate(2024, 1, 1).addDays(i % 1000), QTime(0, 0).addSecs(i * 13 % 86400))
                                    .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
        sqlite3_bind_text(st, 1, user.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, result.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db, "INSERT INTO Users (Login, Password, Fam, Imya, Otch, \"Group\") VALUES (?, 'secret', "
                           "'Фамилия', 'Имя', 'Отчество', 'ТК-21')", -1, &st, nullptr);
    for (int i = 0; i < users; ++i) {
        const QByteArray login = "student" + QByteArray::number(i);
        sqlite3_bind_text(st, 1, login.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_database <cint extension>\n");
        return 2;
    }
    const QString extension = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile sql(QStringLiteral(COURSE_SQL));
    sql.open(QIODevice::ReadOnly);
    writeDatabaseFile(dir.filePath("Base.mdb"), QString::fromUtf8(sql.readAll()), QStringLiteral("K#m4t"));
    constexpr int kResults = 100000;
    constexpr int kUsers = 10000;
    fill(dir.filePath("Base.mdb"), kResults, kUsers);

    {
        // First, while the heap is fresh: what one snapshot of Rezult costs.
        DbConnection c;
        c.open();
        const long before = rssKb();
        Dataset results(&c, resultTableFields());
        results.setTableName(QStringLiteral("Rezult"));
        results.open();
        const long after = rssKb();
        // Floor: the bytes of the rows' texts themselves, as UTF-16.
        qint64 textBytes = 0;
        for (int i = 0; i < results.recordCount(); ++i) {
            results.setRecNo(i);
            for (const char* f : {"user", "result"})
                textBytes += results.value(f).toString().size() * 2;
            textBytes += 8;  // the date
        }
        benchRow("100,000-row Rezult snapshot, resident / its data", (after - before) / 1024.0,
                 textBytes / 1048576.0, "MB");
    }

    QObject owner;
    TestingData testing = openTestingData(&owner);
    Dataset* query = testing.resultsQuery;
    query->sql().insert(1, QStringLiteral("ORDER BY CInt([result]) desc"));
    std::vector<double> opens;
    for (int i = 0; i < 5; ++i) {
        query->close();
        QElapsedTimer t;
        t.start();
        query->open();
        opens.push_back(t.nsecsElapsed() / 1e6);
    }
    std::vector<double> shell;
    const QString sqlText = query->sql().join('\n');
    for (int i = 0; i < 5; ++i) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral("sqlite3"),
                {QStringLiteral("-batch"), QStringLiteral("-cmd"), QStringLiteral(".load ") + extension,
                 dir.filePath("Base.mdb"), sqlText});
        p.waitForFinished(-1);
        shell.push_back(t.nsecsElapsed() / 1e6);
        if (p.exitCode() != 0)
            std::fprintf(stderr, "sqlite3: %s\n", p.readAllStandardError().constData());
    }
    benchRow("results query ORDER BY CInt, 100,000 rows / sqlite3 shell", median(opens), median(shell), "ms");

    RegistrationData reg = openRegistrationData(&owner);
    constexpr int kLookups = 200;
    QElapsedTimer t;
    t.start();
    int found = 0;
    for (int i = 0; i < kLookups; ++i)
        found += !reg.users->lookup("Login", QString("student%1").arg((i * 7919) % kUsers), "Password").isNull();
    const double hitUs = t.nsecsElapsed() / 1e3 / kLookups;
    t.restart();
    for (int i = 0; i < kLookups; ++i)
        found += !reg.users->lookup("Login", QStringLiteral("nobody"), "Password").isNull();
    const double missUs = t.nsecsElapsed() / 1e3 / kLookups;
    // Floor: the same search as one prepared SELECT on the file.
    sqlite3* raw = nullptr;
    sqlite3_open(QFile::encodeName(dir.filePath("Base.mdb")).constData(), &raw);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(raw, "SELECT Password FROM Users WHERE Login = ? ORDER BY Login LIMIT 1", -1, &st, nullptr);
    auto rawLookup = [&](const QByteArray& login) {
        sqlite3_bind_text(st, 1, login.constData(), -1, SQLITE_TRANSIENT);
        const bool hit = sqlite3_step(st) == SQLITE_ROW;
        sqlite3_reset(st);
        return hit;
    };
    t.restart();
    for (int i = 0; i < kLookups; ++i)
        found += rawLookup("student" + QByteArray::number((i * 7919) % kUsers));
    const double rawHitUs = t.nsecsElapsed() / 1e3 / kLookups;
    t.restart();
    for (int i = 0; i < kLookups; ++i)
        found += rawLookup("nobody");
    const double rawMissUs = t.nsecsElapsed() / 1e3 / kLookups;
    sqlite3_finalize(st);
    sqlite3_close(raw);
    if (found != 2 * kLookups)
        std::fprintf(stderr, "lookup found %d of %d\n", found, 2 * kLookups);
    benchRow("Lookup over 10,000 users, hit / one SELECT", hitUs, rawHitUs, "us");
    benchRow("Lookup over 10,000 users, miss / one SELECT", missUs, rawMissUs, "us");

    return 0;
}
