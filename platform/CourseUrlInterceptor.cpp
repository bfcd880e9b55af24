#include "platform/CourseUrlInterceptor.h"
#include "platform/CoursePath.h"
#include "platform/PageText.h"
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QWebEngineProfile>

namespace {

// Pages larger than this are left to the engine as they are.
constexpr qint64 kLargestRecodedPage = 16 * 1024 * 1024;

// A <base> right after the doctype (anything before it would switch the
// engine to quirks mode), so relative links resolve against the original.
// The base would also send a link to a place in the page ("#part2") to the
// folder: such clicks move within the page instead.
QByteArray withBase(const QByteArray& html, const QUrl& folder)
{
    const QByteArray base = "<base href=\"" + folder.toEncoded() + "\">"
        "<script>document.addEventListener('click', function (e) {"
        " var a = e.target.closest ? e.target.closest('a[href^=\"#\"]') : null;"
        " if (a && !e.defaultPrevented) { e.preventDefault(); location.hash = a.getAttribute('href'); }"
        "});</script>";
    qsizetype at = 0;
    const QByteArray head = html.left(512).toLower();
    const qsizetype doctype = head.indexOf("<!doctype");
    if (doctype >= 0 && head.left(doctype).trimmed().isEmpty()) {
        const qsizetype end = html.indexOf('>', doctype);
        if (end >= 0)
            at = end + 1;
    }
    return html.left(at) + base + html.mid(at);
}

} // namespace

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

QUrl recodedPageUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    const QFileInfo page(url.toLocalFile());
    const QString suffix = page.suffix().toLower();
    if ((suffix != QLatin1String("html") && suffix != QLatin1String("htm")) || !page.isFile()
        || page.size() > kLargestRecodedPage)
        return {};
    QFile file(page.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!pageIsInCodePage(bytes))
        return {};

    // One copy per page and version; the folder goes with the process.
    static QTemporaryDir copies(QDir::tempPath() + QStringLiteral("/courseshell-pages-XXXXXX"));
    if (!copies.isValid())
        return {};
    const QByteArray key = QCryptographicHash::hash(
        (page.absoluteFilePath() + QString::number(page.lastModified().toMSecsSinceEpoch())).toUtf8(),
        QCryptographicHash::Sha1);
    const QString copyPath = copies.filePath(QString::fromLatin1(key.toHex()) + QStringLiteral(".html"));
    if (!QFileInfo::exists(copyPath)) {
        // The byte order mark outranks any guess the engine would make.
        QSaveFile copy(copyPath);
        if (!copy.open(QIODevice::WriteOnly))
            return {};
        copy.write("\xEF\xBB\xBF");
        copy.write(withBase(pageTextAsUtf8(bytes), QUrl::fromLocalFile(page.absolutePath() + QLatin1Char('/'))));
        if (!copy.commit())
            return {};
    }
    QUrl recoded = QUrl::fromLocalFile(copyPath);
    recoded.setQuery(url.query());
    recoded.setFragment(url.fragment());
    return recoded;
}

void CourseUrlInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    QUrl url = info.requestUrl();
    const QUrl resolved = resolvedCourseUrl(url);
    if (!resolved.isEmpty())
        url = resolved;
    const auto type = info.resourceType();
    if (type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
        || type == QWebEngineUrlRequestInfo::ResourceTypeSubFrame) {
        const QUrl recoded = recodedPageUrl(url);
        if (!recoded.isEmpty())
            url = recoded;
    }
    if (url != info.requestUrl())
        info.redirect(url);
}

void resolveCourseFileNames(QWebEngineProfile* profile)
{
    // Both viewers share the default profile: one interceptor serves them.
    if (profile->findChild<CourseUrlInterceptor*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    profile->setUrlRequestInterceptor(new CourseUrlInterceptor(profile));
}
