#pragma once
// Links and pictures inside course pages name files as the original desktop
// found them: "Images\Pic1.JPG" for images/pic1.jpg. The browser engine asks
// for them exactly; this interceptor sends each file request that names no
// existing file to the file resolveWindowsPath finds for it.
//
// Pages in the course's old code page (no declared character set, bytes
// not UTF-8) are sent to a UTF-8 copy of themselves instead, whose <base>
// keeps their links and pictures pointing into the course folder.
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineProfile;

class CourseUrlInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    // Runs on the browser's IO thread; touches nothing but the file system.
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// The file a file: URL should load, or an empty URL when it is fine as it is
// (it exists exactly, is not a file: URL, or nothing better exists).
QUrl resolvedCourseUrl(const QUrl& url);

// For a file: URL of such a page, the URL of its UTF-8 copy (made on first
// need in a folder of this process); otherwise an empty URL.
QUrl recodedPageUrl(const QUrl& url);

// Makes the profile resolve course file names; the interceptor belongs to it.
void resolveCourseFileNames(QWebEngineProfile* profile);
