// Other processes on the same course database: concurrent writers lose no
// row and surface no error; a full disk refuses the write and leaves the
// file whole.
#include "tests/support/CourseFolder.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestMain.h"
#include "platform/DatabaseError.h"
#include <QProcess>

class DbProcessTest : public QObject {
    Q_OBJECT
private slots:
    void concurrentWritersStoreEveryRowOnce()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path, "DELETE FROM Rezult;");
        constexpr int kWriters = 4;
        constexpr int kRows = 100;
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int w = 0; w < kWriters; ++w) {
            auto p = std::make_unique<QProcess>();
            p->start(DB_WRITER, {"insert", folder.path(), QString("writer%1").arg(w), QString::number(kRows)});
            writers.push_back(std::move(p));
        }
        for (auto& p : writers) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->readAllStandardError(), QByteArray());
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(scalar(path, "SELECT count(*) FROM Rezult").toInt(), kWriters * kRows);
        QCOMPARE(scalar(path, "SELECT count(DISTINCT user || '/' || result) FROM Rezult").toInt(), kWriters * kRows);
        QCOMPARE(scalar(path, "PRAGMA integrity_check").toString(), QString("ok"));
    }

    void fullDiskRefusesTheWriteAndKeepsTheFile()
    {
        CourseFolder folder;
        const QString path = folder.file("Base.mdb");
        writeSampleDatabase(path);
        const qint64 size = QFileInfo(path).size();
        QProcess p;
        p.start(DB_WRITER, {"fill", folder.path(), QString::number(size + 16 * 1024)});
        QVERIFY(p.waitForFinished(120000));
        const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        QVERIFY2(p.exitCode() == 0, qPrintable(out.join(" | ") + p.readAllStandardError()));
        QCOMPARE(out.value(1).toInt(), int(DatabaseError::Kind::DiskFull));
        QVERIFY2(out.value(2).contains("Нет места на диске") && out.value(2).contains("Vopros"), qPrintable(out.value(2)));
        const int posted = out.value(0).toInt();
        QVERIFY(posted > 0);
        QCOMPARE(scalar(path, "PRAGMA integrity_check").toString(), QString("ok"));
        QCOMPARE(scalar(path, "SELECT count(*) FROM Vopros").toInt(), 121 + posted);
        QVERIFY(!QFile::exists(path + "-journal"));
    }
};

SHELL_TEST_MAIN(DbProcessTest)
#include "tst_dbprocess.moc"
