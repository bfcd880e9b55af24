// Course paths on a case-sensitive disk resolve as on the original desktop,
// and pages without a declared character set read as the course's code page.
#include "platform/CoursePath.h"
#include "platform/PageText.h"
#include "tests/support/CourseFolder.h"
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

QByteArray cp1251(const QString& text)
{
    QStringEncoder encode("windows-1251");
    return encode(text);
}

} // namespace

class PathsTest : public QObject {
    Q_OBJECT
private slots:
    void resolvesAsWindowsWould_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");  // relative to the course folder
        QTest::addColumn<bool>("exists");
        QTest::newRow("exact") << "HTML\\telecom\\page1_L.html" << "HTML/telecom/page1_L.html" << true;
        QTest::newRow("every component in other case")
            << "html\\TELECOM\\PAGE1_L.HTML" << "HTML/telecom/page1_L.html" << true;
        QTest::newRow("mixed separators") << "Html/telecom\\Page1_l.html" << "HTML/telecom/page1_L.html" << true;
        QTest::newRow("cyrillic letters in other case") << "DOCS\\отладка.WMV" << "docs/Отладка.wmv" << true;
        QTest::newRow("dot-dot") << "html\\Telecom\\..\\..\\audio\\MOVVE.WAV" << "Audio/movve.wav" << true;
        QTest::newRow("folder in other case") << "html\\telecom" << "HTML/telecom" << true;
        QTest::newRow("exact wins over a case twin") << "pair\\Same.txt" << "pair/Same.txt" << true;
        QTest::newRow("its twin keeps its own name") << "pair\\same.txt" << "pair/same.txt" << true;
        QTest::newRow("two case matches: no guess") << "pair\\SAME.TXT" << "pair/SAME.TXT" << false;
        QTest::newRow("exact folder wins over its twin") << "Twin\\a.txt" << "Twin/a.txt" << true;
        QTest::newRow("twin folder holds its own file") << "twin\\a.txt" << "twin/a.txt" << true;
        QTest::newRow("missing file stays as asked") << "html\\nothing.html" << "html/nothing.html" << false;
        QTest::newRow("missing folder stays as asked") << "nofolder\\page1_L.html" << "nofolder/page1_L.html" << false;
        QTest::newRow("file is not a folder") << "audio\\movve.wav\\x" << "audio/movve.wav/x" << false;
    }
    void resolvesAsWindowsWould()
    {
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QFETCH(bool, exists);
        CourseFolder folder;
        for (const char* f : {"HTML/telecom/page1_L.html", "docs/Отладка.wmv", "Audio/movve.wav", "pair/Same.txt",
                              "pair/same.txt", "Twin/a.txt", "twin/a.txt"})
            folder.write(QString::fromUtf8(f), f);
        const QString path = courseFilePath(asked);
        QCOMPARE(path, folder.file(found));
        QCOMPARE(QFileInfo::exists(path), exists);
        // Each file holds its own name: a twin never hands over the other's.
        if (exists && QFileInfo(path).isFile()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), found);
        }
    }

    void absolutePathsResolveToo()
    {
        CourseFolder folder;
        folder.write("HTML/JS/page8.html", "x");
        QCOMPARE(resolveWindowsPath(folder.path() + "/html/js/PAGE8.html"), folder.file("HTML/JS/page8.html"));
        QCOMPARE(resolveWindowsPath(folder.path() + "\\Html\\Js\\page8.HTML"), folder.file("HTML/JS/page8.html"));
    }

    void pageText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("declared");
        const QString ru = QStringLiteral("Лекция 1. Сигналы и каналы — «связь»");
        const QString page = "<html><body>" + ru + "</body></html>";
        QTest::newRow("undeclared UTF-8") << page.toUtf8() << page << QByteArray();
        QTest::newRow("undeclared Windows-1251") << cp1251(page) << page << QByteArray();
        QTest::newRow("undeclared ASCII") << QByteArray("<p>abc</p>") << QString("<p>abc</p>") << QByteArray();
        const QString metaCp = "<html><head><meta charset=\"windows-1251\"></head><body>" + ru + "</body></html>";
        QTest::newRow("meta charset windows-1251") << cp1251(metaCp) << metaCp << QByteArray("windows-1251");
        const QString httpEquiv = "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                                  "charset=KOI8-R\"></HEAD><BODY>Сигналы и каналы</BODY></HTML>";
        QStringEncoder koi8("koi8-r");
        QTest::newRow("http-equiv KOI8-R") << QByteArray(koi8(httpEquiv)) << httpEquiv << QByteArray("koi8-r");
        const QString metaUtf8 = "<meta charset='utf-8'><p>" + ru;
        QTest::newRow("meta charset utf-8") << metaUtf8.toUtf8() << metaUtf8 << QByteArray("utf-8");
        QTest::newRow("UTF-8 byte order mark")
            << QByteArray("\xEF\xBB\xBF") + page.toUtf8() << page << QByteArray("utf-8");
        const QString unknown = "<meta charset=\"x-nonexistent\"><p>" + ru;
        QTest::newRow("unknown charset: the course's code page")
            << cp1251(unknown) << unknown << QByteArray("x-nonexistent");
        // Browsers look for a declaration in the first 1024 bytes only.
        const QString late = "<!--" + QString(1100, 'x') + "--><meta charset=\"koi8-r\"><p>" + ru;
        QTest::newRow("declaration past 1024 bytes is not one") << cp1251(late) << late << QByteArray();
    }
    void pageText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QByteArray, declared);
        QCOMPARE(declaredPageCharset(bytes), declared);
        QCOMPARE(decodePageText(bytes), text);
        QCOMPARE(pageTextAsUtf8(bytes), text.toUtf8());
    }

    void everyWindows1251LetterDecodes()
    {
        // The built-in table against the system's converter, byte by byte.
        QStringDecoder system("windows-1251");
        QVERIFY(system.isValid());
        for (int b = 0xC0; b <= 0xFF; ++b) {
            const QByteArray one(3, char(b));
            QCOMPARE(decodePageText(one), system(one));
        }
        QCOMPARE(decodePageText("\xA8\xB8\xB9"), QStringLiteral("Ёё№"));
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "tst_paths.moc"
