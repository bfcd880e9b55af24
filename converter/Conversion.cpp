#include "converter/Conversion.h"
#include "converter/JetSource.h"
#include "platform/ConnectionString.h"
#include "platform/CoursePath.h"
#include "platform/ShellError.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kDatabaseName = QStringLiteral("Base.mdb");

bool sameContent(const QString& a, const QString& b)
{
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!fa.atEnd())
        if (fa.read(chunk) != fb.read(chunk))
            return false;
    return true;
}

void syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Keeps the original under its backup name: a hard link where the file
// system has them (instant, and the original's bytes are untouched),
// otherwise a copy.
QString keepOriginal(const QString& database)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QString backup = backupPathFor(database);
        if (QFileInfo::exists(backup))
            return backup;  // the same content, kept from an earlier run
        if (::link(QFile::encodeName(database).constData(), QFile::encodeName(backup).constData()) == 0)
            return backup;
        if (errno == EEXIST)
            continue;  // appeared meanwhile: choose again
        if (!QFile::copy(database, backup) || !sameContent(database, backup))
            throw ShellError(QStringLiteral("Не удаётся сохранить исходный файл как %1").arg(backup));
        return backup;
    }
    throw ShellError(QStringLiteral("Не удаётся выбрать имя для копии исходного файла %1").arg(database));
}

QString databasePassword()
{
    return ConnectionString(kCourseConnectionString).value(QStringLiteral("Jet OLEDB:Database Password"));
}

} // namespace

QString databaseFileFor(const QString& argument)
{
    const QString path = resolveWindowsPath(argument);
    if (QFileInfo(path).isDir())
        return resolveWindowsPath(QDir(path).filePath(kDatabaseName));
    return path;
}

QString backupPathFor(const QString& database)
{
    const QFileInfo info(database);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = info.dir().filePath(info.completeBaseName()) + QStringLiteral(".jet4");
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? stem + suffix : QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix);
        if (!QFileInfo::exists(candidate) || sameContent(candidate, database))
            return candidate;
    }
}

ConversionResult replaceWithSqlite(TableSource& source, const QString& database,
                                   const ConvertOptions& options, const ProgressLine& progress)
{
    const QFileInfo info(database);
    QTemporaryFile temp(info.dir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(info.fileName())));
    if (!temp.open())
        throw ShellError(QStringLiteral("Не удаётся создать временный файл в папке %1: %2")
                             .arg(info.absolutePath(), temp.errorString()));
    temp.close();

    ConversionResult result;
    result.database = info.absoluteFilePath();
    result.tables = writeSqliteDatabase(source, temp.fileName(), databasePassword(), options, progress);
    // Readable by whoever could read the original, as course folders are shared.
    QFile::setPermissions(temp.fileName(), QFile::permissions(database));
    syncPath(temp.fileName(), O_RDONLY);

    result.backup = keepOriginal(database);
    if (::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(database).constData()) != 0)
        throw ShellError(QStringLiteral("Не удаётся заменить %1: %2. Исходный файл не изменён")
                             .arg(database, systemError()));
    temp.setAutoRemove(false);
    syncPath(info.absolutePath(), O_RDONLY | O_DIRECTORY);
    return result;
}

ConversionResult convertJetDatabase(const QString& database, const ConvertOptions& options,
                                    const ProgressLine& progress)
{
    if (!QFileInfo(database).isFile())
        throw ShellError(QStringLiteral("Нет файла %1").arg(database));
    JetSource source(database);
    if (progress)
        progress(QStringLiteral("%1: таблиц %2").arg(QFileInfo(database).fileName()).arg(source.tables().size()));
    return replaceWithSqlite(source, database, options, progress);
}

int runConverter(const QStringList& arguments, const std::function<void(const QString&)>& out,
                 const std::function<void(const QString&)>& err)
{
    const QString usage = QStringLiteral(
        "Использование: courseshell-convert [--plain] [--keep-long] <папка курса или файл .mdb>\n"
        "Преобразует базу данных курса Base.mdb формата Access (Jet 4) в базу SQLite,\n"
        "с которой работает программа. Исходный файл сохраняется рядом (Base.jet4.mdb).\n"
        "  --plain      перенести таблицы как есть: файл не обязан быть базой курса\n"
        "  --keep-long  сохранять целиком тексты длиннее поля программы, а не отказываться");
    ConvertOptions options;
    QStringList positional;
    for (const QString& a : arguments) {
        if (a == QLatin1String("--plain"))
            options.requireCourseTables = false;
        else if (a == QLatin1String("--keep-long"))
            options.keepLongValues = true;
        else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            out(usage);
            return 0;
        } else if (a.startsWith(QLatin1Char('-'))) {
            err(QStringLiteral("courseshell-convert: неизвестный параметр %1\n%2").arg(a, usage));
            return 2;
        } else
            positional << a;
    }
    if (positional.size() != 1) {
        err(usage);
        return 2;
    }

    const QString database = databaseFileFor(positional.front());
    try {
        if (!QFileInfo(database).isFile())
            throw ShellError(QStringLiteral("Нет файла %1").arg(database));
        QFile file(database);
        if (file.open(QIODevice::ReadOnly) && detectFileFormat(file.read(100)) == FileFormat::Sqlite) {
            out(QStringLiteral("%1 уже база данных SQLite: преобразовывать нечего").arg(database));
            return 0;
        }
        file.close();
        out(QStringLiteral("Преобразование %1").arg(database));
        const ConversionResult r = convertJetDatabase(database, options, out);
        qint64 rows = 0;
        for (const CopiedTable& t : r.tables)
            rows += t.rows;
        out(QStringLiteral("Готово: %1 теперь база данных SQLite (таблиц %2, строк %3).\n"
                           "Исходный файл Jet 4 сохранён как %4")
                .arg(r.database)
                .arg(r.tables.size())
                .arg(rows)
                .arg(QFileInfo(r.backup).fileName()));
        // The result has the original's permissions; a course database the
        // program cannot write to cannot take registrations or results.
        if (!QFileInfo(r.database).isWritable())
            out(QStringLiteral("Внимание: %1 только для чтения — программа не сможет сохранять "
                               "регистрации и результаты, пока файлу не разрешат запись")
                    .arg(QFileInfo(r.database).fileName()));
        return 0;
    } catch (const std::exception& e) {
        err(QStringLiteral("courseshell-convert: %1.\nНичего не изменено").arg(errorText(e)));
        return 1;
    }
}
