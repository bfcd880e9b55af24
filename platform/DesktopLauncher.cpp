#include "platform/DesktopLauncher.h"
#include "platform/CoursePath.h"
#include <QProcess>

void openInDesktop(const QString& relativePath)
{
    // xdg-open straight from PATH: the same on every display platform,
    // where the toolkit's own URL services differ.
    QProcess::startDetached(QStringLiteral("xdg-open"), {courseFilePath(relativePath)});
}
