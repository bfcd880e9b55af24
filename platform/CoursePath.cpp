#include "platform/CoursePath.h"
#include <QDir>

QString courseFilePath(const QString& relative)
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}
