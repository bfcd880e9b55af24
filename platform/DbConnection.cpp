#include "platform/DbConnection.h"
#include "platform/CInt.h"
#include "platform/DatabasePassword.h"
#include "platform/Dataset.h"
#include "platform/SqliteStatement.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QRandomGenerator>
#include <QSqlError>
#include <QThread>
#include <cerrno>
#include <chrono>

namespace {

const QString kProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");

int nextConnectionNumber()
{
    static int n = 0;
    return ++n;
}

// ADO's Mode values that grant no writing.
bool modeIsReadOnly(const QString& mode)
{
    const QString m = mode.toLower();
    return m.contains(QLatin1String("read")) && !m.contains(QLatin1String("write"));
}

} // namespace

DbConnection::DbConnection(QObject* parent, QString connectionString)
    : QObject(parent), connectionString_(std::move(connectionString)),
      connectionName_(QStringLiteral("courseshell-%1").arg(nextConnectionNumber()))
{
}

DbConnection::~DbConnection()
{
    close();
    for (Dataset* ds : std::as_const(datasets_))
        ds->connection_ = nullptr;
}

QString DbConnection::fileName() const
{
    return QFileInfo(path_).fileName();
}

QSqlDatabase DbConnection::database() const
{
    return QSqlDatabase::database(connectionName_, false);
}

void DbConnection::setBusyTimeout(int ms)
{
    busyMs_ = ms;
}

void DbConnection::checkFile() const
{
    const QFileInfo info(path_);
    if (!info.exists())
        throw DatabaseError(QStringLiteral("Не найден файл базы данных «%1»").arg(path_),
                            DatabaseError::Kind::FileMissing);
    QFile f(path_);
    if (info.isDir() || !f.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Не удалось прочитать файл базы данных «%1»").arg(path_),
                            DatabaseError::Kind::NotADatabase);
    const QByteArray head = f.read(100);
    // Jet and ACE files: 00 01 00 00, then the format's name at offset 4.
    if (head.startsWith(QByteArray("\x00\x01\x00\x00", 4))
        && (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB")) {
        throw DatabaseError(
            QStringLiteral("Файл «%1» — база данных Microsoft Access (Jet). Эта программа работает с "
                           "базой другого формата: преобразуйте файл командой courseshell-convert %2")
                .arg(path_, info.fileName()),
            DatabaseError::Kind::JetFormat);
    }
    if (!head.startsWith(QByteArray("SQLite format 3\0", 16)))
        throw DatabaseError(QStringLiteral("Файл «%1» не является базой данных курса").arg(path_),
                            DatabaseError::Kind::NotADatabase);
}

void DbConnection::open()
{
    if (handle_)
        return;
    QString source, password;
    bool readOnly = false;
    try {
        const ConnectionString cs(connectionString_);
        if (cs.value(QStringLiteral("Provider")).compare(kProvider, Qt::CaseInsensitive) != 0)
            throw DatabaseError(QStringLiteral("Поставщик данных «%1» не поддерживается")
                                    .arg(cs.value(QStringLiteral("Provider"))));
        source = cs.value(QStringLiteral("Data Source"));
        password = cs.value(QStringLiteral("Jet OLEDB:Database Password"));
        readOnly = modeIsReadOnly(cs.value(QStringLiteral("Mode")));
    } catch (const DatabaseError&) {
        throw;
    } catch (const ShellError& e) {
        throw DatabaseError(e.message());
    }
    if (source.isEmpty())
        throw DatabaseError(QStringLiteral("В строке подключения не указан файл базы данных (Data Source)"));
    source.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path_ = QDir::cleanPath(QDir::current().absoluteFilePath(source));
    readOnly_ = readOnly;
    checkFile();

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        db.setDatabaseName(path_);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs_);
        if (readOnly_)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open()) {
            const QString text = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            throw DatabaseError(QStringLiteral("Не удалось открыть базу данных «%1»: %2").arg(path_, text));
        }
        const QVariant h = db.driver()->handle();
        handle_ = *static_cast<sqlite3* const*>(h.constData());
    }
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_handler(handle_, waitForLock, this);
    registerCInt(handle_);
    try {
        checkPassword(password);
    } catch (...) {
        handle_ = nullptr;
        {
            QSqlDatabase db = database();
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName_);
        throw;
    }
}

void DbConnection::checkPassword(const QString& password)
{
    PasswordRecord stored;
    bool found = false;
    {
        SqliteStatement st(handle_, QStringLiteral("SELECT key, value FROM %1 WHERE key IN "
                                                   "('password_salt', 'password_hash')")
                                        .arg(QLatin1String(kMetaTable)));
        if (st.ok()) {
            int rc;
            while ((rc = st.step()) == SQLITE_ROW) {
                if (st.text(0) == QLatin1String("password_salt"))
                    stored.salt = st.text(1);
                else
                    stored.hash = st.text(1);
                found = true;
            }
            if (rc != SQLITE_DONE)
                throw errorFor(rc, QString::fromLatin1(kMetaTable), false);
        } else if ((st.prepareCode() & 0xff) != SQLITE_ERROR) {
            throw errorFor(st.prepareCode(), QString::fromLatin1(kMetaTable), false);
        }
    }
    // A file without a password record is open to an empty password only.
    const bool matches = found ? passwordMatches(stored, password) : password.isEmpty();
    if (!matches)
        throw DatabaseError(QStringLiteral("Неверный пароль базы данных «%1»").arg(path_),
                            DatabaseError::Kind::WrongPassword);
}

void DbConnection::close()
{
    if (closing_)
        return;
    closing_ = true;
    for (Dataset* ds : QList<Dataset*>(datasets_))
        ds->close();
    closing_ = false;
    if (!handle_)
        return;
    handle_ = nullptr;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

void DbConnection::datasetClosed()
{
    if (keep_ || closing_ || !handle_)
        return;
    for (Dataset* ds : std::as_const(datasets_))
        if (ds->active())
            return;
    close();
}

// Waits for another connection's lock in short, jittered steps until the
// busy timeout has passed. The engine's own timeout backs off to 100 ms
// sleeps, so a writer that has waited long keeps losing the lock to
// newcomers that poll faster, and with many writers one of them starves past
// the timeout. Steps of equal length give every waiter the same chance.
int DbConnection::waitForLock(void* self, int attempt)
{
    auto* c = static_cast<DbConnection*>(self);
    const qint64 now = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch()).count();
    if (attempt == 0)
        c->busySince_ = now;
    if (now - c->busySince_ >= c->busyMs_)
        return 0;
    QThread::usleep(500 + QRandomGenerator::global()->bounded(1500));
    return 1;
}

DatabaseError DbConnection::errorFor(int rc, const QString& what, bool writing) const
{
    using K = DatabaseError::Kind;
    const QString engine = handle_ ? QString::fromUtf8(sqlite3_errmsg(handle_)) : QString();
    const QString lost = writing ? QStringLiteral("изменения в «%1» не сохранены").arg(what)
                                 : QStringLiteral("«%1» прочитать не удалось").arg(what);
    const int sysErr = handle_ ? sqlite3_system_errno(handle_) : 0;
    // The file renamed, deleted or written over since the connection was
    // made: the engine only knows it cannot use it, the file tells what
    // became of it.
    const auto fileFault = [&](const QString& otherwise, K kind) {
        try {
            checkFile();
        } catch (const DatabaseError& e) {
            return DatabaseError(e.message() + QStringLiteral(": ") + lost, e.kind());
        }
        return DatabaseError(otherwise, kind);
    };
    if (rc == SQLITE_READONLY_DBMOVED)
        return fileFault(QStringLiteral("Файл базы данных «%1» заменён другим после открытия: %2").arg(path_, lost),
                         K::FileMissing);
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError(QStringLiteral("База данных «%1» занята другим пользователем дольше %2 с: %3")
                                 .arg(path_).arg(busyMs_ / 1000.0, 0, 'g', 3).arg(lost),
                             K::Locked);
    case SQLITE_READONLY:
        return DatabaseError(QStringLiteral("Файл базы данных «%1» доступен только для чтения: %2").arg(path_, lost),
                             K::ReadOnly);
    case SQLITE_FULL:
        return DatabaseError(QStringLiteral("Нет места на диске для базы данных «%1»: %2").arg(path_, lost),
                             K::DiskFull);
    case SQLITE_IOERR:
        if (sysErr == ENOSPC || sysErr == EFBIG || rc == SQLITE_IOERR_WRITE)
            return DatabaseError(QStringLiteral("Нет места на диске для базы данных «%1»: %2").arg(path_, lost),
                                 K::DiskFull);
        return DatabaseError(QStringLiteral("Ошибка чтения или записи файла «%1»: %2").arg(path_, lost));
    case SQLITE_CANTOPEN:
        return DatabaseError(QStringLiteral("Нет доступа на запись к папке базы данных «%1»: %2").arg(path_, lost),
                             K::ReadOnly);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return fileFault(QStringLiteral("Файл «%1» повреждён или не является базой данных курса").arg(path_),
                         K::NotADatabase);
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
        return DatabaseError(QStringLiteral("База данных «%1» не приняла значение: %2 (%3)").arg(path_, engine, lost),
                             K::BadValue);
    default:
        if (engine.startsWith(QLatin1String("no such table: ")))
            return DatabaseError(QStringLiteral("В базе данных «%1» нет таблицы «%2»").arg(path_, engine.mid(15)),
                                 K::Schema);
        if (const qsizetype at = engine.indexOf(QLatin1String(" has no column named ")); at > 0)
            return DatabaseError(QStringLiteral("В базе данных «%1» нет поля «%2» (в «%3»)")
                                     .arg(path_, engine.mid(at + 21), what),
                                 K::Schema);
        if (engine.startsWith(QLatin1String("no such column: ")))
            return DatabaseError(QStringLiteral("В базе данных «%1» нет поля «%2» (в «%3»)")
                                     .arg(path_, engine.mid(16), what),
                                 K::Schema);
        return DatabaseError(QStringLiteral("Ошибка базы данных «%1» в «%2»: %3").arg(path_, what, engine));
    }
}
