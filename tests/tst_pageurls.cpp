// Links and pictures inside a course page copied from Windows load although
// their names differ from the files in letter case or use "\".
#include "platform/CourseUrlInterceptor.h"
#include "tests/support/CourseFolder.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

QByteArray png(int width)
{
    QImage image(width, 3, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QVariant evaluate(QWebEnginePage& page, const QString& script)
{
    QVariant result;
    bool done = false;
    page.runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("no answer");
    return result;
}

bool load(QWebEnginePage& page, const QUrl& url)
{
    QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
    page.load(url);
    return finished.wait(20000) && finished.front().front().toBool();
}

// Windows-1251 bytes of ASCII and Russian letters.
QByteArray cp1251(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x80)
            bytes += char(u);
        else if (u >= 0x410 && u <= 0x44F)
            bytes += char(0xC0 + (u - 0x410));
        else if (u == 0x401)
            bytes += char(0xA8);
        else if (u == 0x451)
            bytes += char(0xB8);
    }
    return bytes;
}

} // namespace

class PageUrlsTest : public QObject {
    Q_OBJECT
private slots:
    void resolvedUrls_data()
    {
        QTest::addColumn<QString>("asked");  // relative to the course folder
        QTest::addColumn<QString>("loads");  // empty: left as it is
        QTest::newRow("exact") << "HTML/page1_L.html" << "";
        QTest::newRow("other case") << "html/PAGE1_L.HTML" << "HTML/page1_L.html";
        QTest::newRow("backslash kept in the path") << "html\\page1_l.html" << "HTML/page1_L.html";
        QTest::newRow("missing") << "html/none.html" << "";
    }
    void resolvedUrls()
    {
        QFETCH(QString, asked);
        QFETCH(QString, loads);
        CourseFolder folder;
        folder.write("HTML/page1_L.html", "<p>1</p>");
        QUrl url = QUrl::fromLocalFile(folder.file(asked));
        url.setFragment("part2");
        const QUrl resolved = resolvedCourseUrl(url);
        if (loads.isEmpty()) {
            QVERIFY(resolved.isEmpty());
            return;
        }
        QCOMPARE(resolved.toLocalFile(), folder.file(loads));
        QCOMPARE(resolved.fragment(), QString("part2"));
        QVERIFY(resolvedCourseUrl(QUrl("https://example.org/HTML/x")).isEmpty());
    }

    void pageFindsItsPicturesAndLinks()
    {
        CourseFolder folder;
        folder.write("HTML/images/pic.png", png(17));
        folder.write("HTML/telecom/page2_L.html", "<html><head><title>Вторая</title></head><body>2</body></html>");
        folder.write("HTML/page1_L.html",
                     "<html><head><title>Первая</title></head><body>"
                     "<img id=a src=\"IMAGES\\Pic.PNG\"><img id=b src=\"Images/pic.png\">"
                     "<a id=next href=\"Telecom\\PAGE2_L.HTML\">next</a></body></html>");
        QWebEngineProfile profile;
        resolveCourseFileNames(&profile);
        QWebEnginePage page(&profile);
        QVERIFY(load(page, QUrl::fromLocalFile(folder.file("html/Page1_l.HTML"))));
        QCOMPARE(page.title(), QString("Первая"));
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, "document.getElementById('a').naturalWidth").toInt(), 17, 10000);
        QCOMPARE(evaluate(page, "document.getElementById('b').naturalWidth").toInt(), 17);

        QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
        evaluate(page, "document.getElementById('next').click()");
        QVERIFY(finished.wait(20000));
        QCOMPARE(page.title(), QString("Вторая"));
    }

    void pagesInTheOldCodePageReadAsWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mode");  // document.compatMode
        // Mostly Latin text with a few Russian letters: the engine's own guess
        // takes such bytes for a Western code page.
        const QString body = QStringLiteral("<p id=t>TCP/IP, UDP, HTTP and DNS: the protocol stack of the Internet, ёж</p>"
                                            "<img id=a src=\"images/pic.png\"><a id=next href=\"Page2.html\">2</a>"
                                            "<a id=inpage href=\"#part2\">down</a><p id=part2>2</p>");
        const QString plain = "<html><head><title>Т</title></head><body>" + body + "</body></html>";
        QTest::newRow("Windows-1251, no charset") << cp1251(plain) << "BackCompat";
        QTest::newRow("Windows-1251 with a doctype") << cp1251("<!DOCTYPE html>\n" + plain) << "CSS1Compat";
        QTest::newRow("UTF-8, no charset") << plain.toUtf8() << "BackCompat";
        QTest::newRow("Windows-1251 declared")
            << cp1251("<html><head><meta charset=\"windows-1251\"></head><body>" + body + "</body></html>")
            << "BackCompat";
    }
    void pagesInTheOldCodePageReadAsWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mode);
        CourseFolder folder;
        folder.write("HTML/images/pic.png", png(17));
        folder.write("HTML/Page2.html", "<html><head><title>Second</title></head><body>2</body></html>");
        folder.write("HTML/page1.html", bytes);
        QWebEngineProfile profile;
        resolveCourseFileNames(&profile);
        QWebEnginePage page(&profile);
        QVERIFY(load(page, QUrl::fromLocalFile(folder.file("HTML/page1.html"))));
        QCOMPARE(evaluate(page, "document.getElementById('t').textContent").toString(),
                 QString("TCP/IP, UDP, HTTP and DNS: the protocol stack of the Internet, ёж"));
        QCOMPARE(evaluate(page, "document.compatMode").toString(), mode);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, "document.getElementById('a').naturalWidth").toInt(), 17, 10000);
        // A link to a place in the page stays in the page.
        const QUrl shown = page.url();
        evaluate(page, "document.getElementById('inpage').click()");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(page, "location.hash").toString(), QString("#part2"), 10000);
        QTest::qWait(200);
        QCOMPARE(page.url().adjusted(QUrl::RemoveFragment), shown.adjusted(QUrl::RemoveFragment));
        QVERIFY(evaluate(page, "document.getElementById('part2') !== null").toBool());
        QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
        evaluate(page, "document.getElementById('next').click()");
        QVERIFY(finished.wait(20000));
        QCOMPARE(page.title(), QString("Second"));
        // The page on disk is never rewritten.
        QCOMPARE(fileBytes(folder.file("HTML/page1.html")), bytes);
    }

    void withoutItThePictureIsMissing()
    {
        // The case the interceptor exists for: the engine alone finds nothing.
        CourseFolder folder;
        folder.write("HTML/images/pic.png", png(17));
        folder.write("HTML/page1_L.html", "<html><body><img id=a src=\"IMAGES/Pic.PNG\"></body></html>");
        QWebEngineProfile profile;
        QWebEnginePage page(&profile);
        QVERIFY(load(page, QUrl::fromLocalFile(folder.file("HTML/page1_L.html"))));
        QTest::qWait(300);
        QCOMPARE(evaluate(page, "document.getElementById('a').naturalWidth").toInt(), 0);
    }
};

SHELL_TEST_MAIN(PageUrlsTest)
#include "tst_pageurls.moc"
