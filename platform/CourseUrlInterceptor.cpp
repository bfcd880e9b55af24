#include "platform/CourseUrlInterceptor.h"
#include "platform/CoursePath.h"
#include <QFileInfo>
#include <QWebEngineProfile>

QUrl resolvedCourseUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    const QString asked = url.toLocalFile();
    if (asked.isEmpty() || QFileInfo::exists(asked))
        return {};
    const QString found = resolveWindowsPath(asked);
    if (found == asked || !QFileInfo::exists(found))
        return {};
    QUrl resolved = QUrl::fromLocalFile(found);
    resolved.setQuery(url.query());
    resolved.setFragment(url.fragment());
    return resolved;
}

void CourseUrlInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl resolved = resolvedCourseUrl(info.requestUrl());
    if (!resolved.isEmpty())
        info.redirect(resolved);
}

void resolveCourseFileNames(QWebEngineProfile* profile)
{
    profile->setUrlRequestInterceptor(new CourseUrlInterceptor(profile));
}
