#include "tests/support/TestDatabase.h"
#include "platform/DatabaseFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

QString sampleSql()
{
    QFile f(QStringLiteral(COURSE_SQL));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", COURSE_SQL);
    return QString::fromUtf8(f.readAll());
}

void writeSampleDatabase(const QString& path, const QString& extraSql, const QString& password)
{
    writeDatabaseFile(path, sampleSql(), password);
    QString error;
    if (!extraSql.isEmpty() && !execute(path, extraSql, &error))
        qFatal("extra SQL failed: %s", qPrintable(error));
}

QVariant scalar(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    QVariant result;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 10000);
        sqlite3_stmt* st = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
            switch (sqlite3_column_type(st, 0)) {
            case SQLITE_INTEGER:
                result = qlonglong(sqlite3_column_int64(st, 0));
                break;
            case SQLITE_NULL:
                break;
            default:
                result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return result;
}

bool execute(const QString& path, const QString& sql, QString* error)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_busy_timeout(db, 10000);
        char* msg = nullptr;
        ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &msg) == SQLITE_OK;
        if (!ok && error)
            *error = QString::fromUtf8(msg ? msg : "");
        sqlite3_free(msg);
    }
    sqlite3_close(db);
    return ok;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void enterSampleCourse()
{
    static QTemporaryDir dir;
    writeSampleDatabase(dir.filePath(QStringLiteral("Base.mdb")));
    QDir::setCurrent(dir.path());
}
