// Conversion time of courseshell-convert's work: each Jet 4 test database,
// and a large course database generated in memory (the mapping and SQLite
// writing alone, the part that grows with a course's results). The floor of
// a test database is mdb-export printing all its tables.
#include "bench/BenchTable.h"
#include "converter/Conversion.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 15;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Users, Vopros and Rezult with as many rows as asked, made as they are read.
class GeneratedCourse : public TableSource {
public:
    GeneratedCourse(qint64 users, qint64 results)
    {
        const auto text = [](const char* n, int size) { return SourceColumn{n, ColumnKind::Text, size, 0, 0}; };
        const SourceColumn counter{"code", ColumnKind::LongInteger, 4, 0, 0};
        tables_.push_back({"Users", {text("Login", 255), text("Password", 255), text("Fam", 30), text("Imya", 20),
                                     text("Otch", 30), text("Group", 20)}, users});
        tables_.push_back({"Vopros", {counter, text("Tekst", 255), text("ans1", 255), text("ans2", 255),
                                      text("ans3", 255), text("ans4", 255), text("ans5", 255)}, 121});
        SourceColumn kod = counter;
        kod.name = "Kod";
        tables_.push_back({"Rezult", {kod, text("user", 50), text("result", 50),
                                      {"datatest", ColumnKind::DateTime, 8, 0, 0}}, results});
    }
    const std::vector<SourceTable>& tables() const override { return tables_; }
    void readRows(const SourceTable& table, const RowHandler& handle) override
    {
        SourceRow row(table.columns.size());
        for (qint64 i = 1; i <= table.rowCount; ++i) {
            const QString n = QString::number(i);
            if (table.name == "Users")
                row = {"student" + n, "пароль" + n, "Иванов", "Иван", "Иванович", "ТК-21"};
            else if (table.name == "Vopros")
                row = {i, "Вопрос номер " + n + " о сетях связи и языке JavaScript?", "Верный ответ",
                       "Неверный ответ 1", "Неверный ответ 2", "Неверный ответ 3", "Неверный ответ 4"};
            else
                row = {i, "student" + QString::number(i % 1000), QString::number(i % 101),
                       QStringLiteral("2026-11-%1 10:15:00").arg(1 + i % 28, 2, 10, QChar('0'))};
            handle(row);
        }
    }

private:
    std::vector<SourceTable> tables_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString testData = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    ConvertOptions plain;
    plain.requireCourseTables = false;

    for (const QFileInfo& f : QDir(testData).entryInfoList({"*.mdb"}, QDir::Files, QDir::Size)) {
        std::vector<double> ms;
        for (int run = 0; run < kRuns; ++run) {
            QTemporaryDir dir;
            const QString copy = dir.filePath("Base.mdb");
            QFile::copy(f.filePath(), copy);
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            QElapsedTimer t;
            t.start();
            convertJetDatabase(copy, plain, {});
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::vector<double> exportMs;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer t;
            t.start();
            QProcess tables;
            tables.start(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), f.filePath()});
            tables.waitForFinished(-1);
            for (const QByteArray& table : tables.readAllStandardOutput().split('\n')) {
                if (table.isEmpty())
                    continue;
                QProcess exp;
                exp.setStandardOutputFile(QProcess::nullDevice());
                exp.start(QStringLiteral("mdb-export"), {f.filePath(), QString::fromUtf8(table)});
                exp.waitForFinished(-1);
            }
            exportMs.push_back(t.nsecsElapsed() / 1e6);
        }
        const QByteArray name = QStringLiteral("convert %1 (%2 KiB) / mdb-export")
                                    .arg(f.fileName()).arg(f.size() / 1024).toUtf8();
        benchRow(name.constData(), median(ms), median(exportMs), "ms");
    }

    for (const qint64 results : {10000, 100000}) {
        std::vector<double> ms;
        for (int run = 0; run < 5; ++run) {
            QTemporaryDir dir;
            const QString base = dir.filePath("Base.mdb");
            QFile(base).open(QIODevice::WriteOnly);
            GeneratedCourse course(1000, results);
            QElapsedTimer t;
            t.start();
            replaceWithSqlite(course, base, ConvertOptions{}, {});
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        const double m = median(ms);
        const QByteArray name = QStringLiteral("convert a course with %1 results").arg(results).toUtf8();
        benchFigure(name.constData(), m, "ms");
    }
    return 0;
}
