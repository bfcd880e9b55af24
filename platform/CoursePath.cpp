#include "platform/CoursePath.h"
#include <QDir>
#include <QFileInfo>

namespace {

// The one entry of dir whose name equals name ignoring case, or an empty
// string when there is none or the choice would be a guess.
QString caseInsensitiveEntry(const QString& dir, const QString& name)
{
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QString found;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {};
        found = entry;
    }
    return found;
}

} // namespace

QString resolveWindowsPath(const QString& path)
{
    QString slashed = path;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString wanted = QDir::cleanPath(QDir::current().absoluteFilePath(slashed));
    if (QFileInfo::exists(wanted))
        return wanted;

    const QStringList parts = wanted.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = QStringLiteral("/");
    for (const QString& part : parts) {
        const QString exact = QDir(resolved).filePath(part);
        if (QFileInfo::exists(exact)) {
            resolved = exact;
            continue;
        }
        const QString entry = caseInsensitiveEntry(resolved, part);
        if (entry.isEmpty())
            return wanted;
        resolved = QDir(resolved).filePath(entry);
    }
    return resolved;
}

QString courseFilePath(const QString& relative)
{
    return resolveWindowsPath(relative);
}
