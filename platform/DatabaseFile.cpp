#include "platform/DatabaseFile.h"
#include "platform/DatabaseError.h"
#include "platform/DatabasePassword.h"
#include <QFile>
#include <sqlite3.h>

void writeDatabaseFile(const QString& path, const QString& sqlScript, const QString& password)
{
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString error;
    if (rc == SQLITE_OK) {
        // The file is renamed into place only when complete: no journal or
        // syncing needed while it is built.
        sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
        const QByteArray script = (sqlScript + QLatin1Char('\n') + passwordSetupSql(password)).toUtf8();
        char* msg = nullptr;
        rc = sqlite3_exec(db, script.constData(), nullptr, nullptr, &msg);
        if (rc != SQLITE_OK)
            error = QString::fromUtf8(msg ? msg : sqlite3_errmsg(db));
        sqlite3_free(msg);
    } else {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        QFile::remove(temp);
        throw DatabaseError(QStringLiteral("Не удалось создать базу данных «%1»: %2").arg(path, error));
    }
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        throw DatabaseError(QStringLiteral("Не удалось записать файл базы данных «%1»").arg(path));
    }
}
