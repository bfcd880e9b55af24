// courseshell-convert: real Jet 4 files read back equal to what mdb-export
// prints; the course tables in the program's schema with every value; broken
// input refused with a clear message and nothing written.
#include "converter/Conversion.h"
#include "converter/JetSource.h"
#include "platform/DatabasePassword.h"
#include "platform/ShellError.h"
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

const QString kTestData = QStringLiteral(JET4_TESTDATA_DIR);
const QString kConverter = QStringLiteral(CONVERTER_PATH);
const QString kBaseSql = QStringLiteral(COURSE_SOURCE_DIR "/Base.sql");

// One field of mdb-export's CSV: quoted for text, bare for numbers and Null.
struct CsvField {
    bool quoted = false;
    QString text;
};
using CsvRow = QList<CsvField>;

QList<CsvRow> parseCsv(const QString& csv)
{
    QList<CsvRow> rows;
    CsvRow row;
    CsvField field;
    bool inQuotes = false;
    bool any = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                field.text += '"';
                ++i;
            } else if (c == '"')
                inQuotes = false;
            else
                field.text += c;
            continue;
        }
        any = true;
        if (c == '"') {
            inQuotes = true;
            field.quoted = true;
        } else if (c == ',') {
            row << field;
            field = {};
        } else if (c == '\n') {
            row << field;
            rows << row;
            row = {};
            field = {};
            any = false;
        } else
            field.text += c;
    }
    if (any)
        rows << (row << field);
    return rows;
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qWarning() << program << args << p.readAllStandardError();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray digest(const QString& path)
{
    return QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256).toHex();
}

// Every file under dir with its content digest: what "nothing written" means.
QMap<QString, QByteArray> snapshot(const QString& dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        files.insert(QDir(dir).relativeFilePath(f), digest(f));
    }
    return files;
}

QStringList filesIn(const QString& dir)
{
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    names.sort(Qt::CaseSensitive);
    return names;
}

// A second connection to the result, as the program would open it.
class Readback {
public:
    explicit Readback(const QString& path)
        : name_(QStringLiteral("readback%1").arg(++count_))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        ok_ = db.open();
    }
    ~Readback()
    {
        QSqlDatabase::database(name_).close();
        QSqlDatabase::removeDatabase(name_);
    }
    bool ok() const { return ok_; }
    QSqlQuery query(const QString& sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name_));
        if (!q.exec(sql))
            qWarning() << sql << q.lastError().text();
        return q;
    }
    QStringList column(const QString& sql) const
    {
        QStringList values;
        QSqlQuery q = query(sql);
        while (q.next())
            values << (q.value(0).isNull() ? QStringLiteral("<null>") : q.value(0).toString());
        return values;
    }
    QVariant value(const QString& sql) const
    {
        QSqlQuery q = query(sql);
        return q.next() ? q.value(0) : QVariant();
    }

private:
    QString name_;
    bool ok_ = false;
    static inline int count_ = 0;
};

// Compares one stored value with the field mdb-export printed for it.
QString mismatch(const QString& type, const QVariant& stored, const CsvField& printed)
{
    const auto differs = [&] {
        return QStringLiteral("stored %1 %2, mdb-export printed %3%4")
            .arg(type, stored.toString(), printed.quoted ? "quoted " : "", printed.text);
    };
    if (type == "null")
        return !printed.quoted && printed.text.isEmpty() ? QString() : differs();
    if (type == "text") {
        // mdb-export prints an empty text as it prints Null.
        if (stored.toString().isEmpty())
            return printed.text.isEmpty() ? QString() : differs();
        return printed.quoted && printed.text == stored.toString() ? QString() : differs();
    }
    if (type == "blob")
        return printed.text.compare(QString::fromLatin1(stored.toByteArray().toHex()), Qt::CaseInsensitive) == 0
            ? QString() : differs();
    bool ok = false;
    const double expected = printed.text.toDouble(&ok);
    if (!ok || printed.quoted)
        return differs();
    if (type == "integer")
        return expected == stored.toDouble() ? QString() : differs();
    // A real: as close as the printed digits can say.
    const double got = stored.toDouble();
    return std::fabs(got - expected) <= 1e-7 * std::max(1.0, std::fabs(expected)) ? QString() : differs();
}

// A database held in memory: the course tables exactly as a test wants
// them, read through the same mapping as libmdb's rows.
class FixtureSource : public TableSource {
public:
    struct Table {
        SourceTable def;
        std::vector<SourceRow> rows;
    };
    Table& add(const QString& name, std::vector<SourceColumn> columns)
    {
        tables_.push_back({{name, std::move(columns), 0}, {}});
        return tables_.back();
    }
    void addRow(Table& t, SourceRow row) { t.rows.push_back(std::move(row)); }
    Table& table(const QString& name)
    {
        for (Table& t : tables_)
            if (t.def.name == name)
                return t;
        qFatal("no fixture table %s", qPrintable(name));
    }
    const std::vector<SourceTable>& tables() const override
    {
        defs_.clear();
        for (const Table& t : tables_) {
            defs_.push_back(t.def);
            defs_.back().rowCount = qint64(t.rows.size());
        }
        return defs_;
    }
    void readRows(const SourceTable& def, const RowHandler& handle) override
    {
        for (const Table& t : tables_)
            if (t.def.name == def.name)
                for (const SourceRow& r : t.rows)
                    handle(r);
    }

private:
    std::list<Table> tables_;
    mutable std::vector<SourceTable> defs_;
};

// The sample course's own database, built from course/Base.sql, handed over
// as if its rows came from a Jet file: what a teacher's course holds.
class SampleCourse : public TableSource {
public:
    explicit SampleCourse(const QString& path)
        : db_(path)
    {
        for (const char* name : {"Users", "Vopros", "Rezult"}) {
            SourceTable t{name, {}, 0};
            QSqlQuery info = db_.query(QString("SELECT name, type FROM pragma_table_info('%1')").arg(name));
            while (info.next()) {
                const QString type = info.value(1).toString();
                SourceColumn c{info.value(0).toString(), ColumnKind::Text, 0, 0, 0};
                if (type.startsWith("VARCHAR"))
                    c.size = type.mid(8).chopped(1).toInt();
                else
                    c.kind = type == "DATETIME" ? ColumnKind::DateTime : ColumnKind::LongInteger;
                t.columns.push_back(c);
            }
            t.rowCount = db_.value(QString("SELECT count(*) FROM %1").arg(name)).toLongLong();
            tables_.push_back(t);
        }
    }
    const std::vector<SourceTable>& tables() const override { return tables_; }
    void readRows(const SourceTable& table, const RowHandler& handle) override
    {
        QSqlQuery rows = db_.query(QString("SELECT * FROM %1 ORDER BY rowid").arg(table.name));
        SourceRow row(table.columns.size());
        while (rows.next()) {
            for (int c = 0; c < int(row.size()); ++c)
                row[size_t(c)] = rows.value(c).isNull() ? QVariant() : rows.value(c);
            handle(row);
        }
    }

private:
    Readback db_;
    std::vector<SourceTable> tables_;
};

SourceColumn text(const QString& name, int size) { return {name, ColumnKind::Text, size, 0, 0}; }
SourceColumn number(const QString& name) { return {name, ColumnKind::LongInteger, 4, 0, 0}; }
SourceColumn date(const QString& name) { return {name, ColumnKind::DateTime, 8, 0, 0}; }
QVariant str(const char* s) { return QString::fromUtf8(s); }
QVariant num(qint64 n) { return n; }
const QVariant Null;

// The course tables as a Windows course has them, with the names' letter
// case of an old file, Null and empty text, gaps in the codes.
void fillCourse(FixtureSource& s)
{
    auto& users = s.add("USERS", {text("Login", 255), text("password", 255), text("Fam", 30), text("Imya", 20),
                                  text("Otch", 30), text("Group", 20)});
    s.addRow(users, {str("Chiefexaminer"), str("K0rn"), str("Петров"), str("Пётр"), str(""), str("Кафедра")});
    s.addRow(users, {str("student"), str("student"), str("Иванов"), str("Иван"), Null, str("ТК-21")});
    auto& vopros = s.add("Vopros", {number("code"), text("Tekst", 255), text("ans1", 255), text("ans2", 255),
                                    text("ans3", 255), text("ans4", 255), text("ans5", 255)});
    s.addRow(vopros, {num(1), str("Что такое «сигнал»?"), str("Процесс"), str("Канал"), str("Код"), str("Шум"),
                      str("Бод")});
    s.addRow(vopros, {num(7), QString(255, QChar(0x0416)), str("a"), str("b"), str("c"), str("d"), str("e")});
    s.addRow(vopros, {num(121), str("Last"), str("1"), str("2"), str("3"), str("4"), Null});
    auto& rezult = s.add("Rezult", {number("Kod"), text("user", 50), text("result", 50), date("datatest")});
    s.addRow(rezult, {num(3), str("student"), str("85"), str("2008-03-30 02:30:00")});
    s.addRow(rezult, {num(10), str("student"), str("100"), str("2009-12-31 23:59:59")});
    s.addRow(rezult, {num(11), str("Сидоров"), str("45"), Null});
}

// The three CREATE TABLE statements of the program's own database source.
QStringList baseSqlSchema()
{
    QStringList statements;
    for (const QString& line : QString::fromUtf8(fileBytes(kBaseSql)).split('\n'))
        if (line.startsWith("CREATE TABLE"))
            statements << line.chopped(1);
    return statements;
}

struct Folder {
    QTemporaryDir dir;
    QString base() const { return dir.filePath("Base.mdb"); }
};

} // namespace

class ConverterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("mdb-export").isEmpty(), "mdb-export (Debian mdbtools) is needed");
    }

    void everyValueEqualsMdbExport_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* f : {"testV2000.mdb", "testUnicodeCompV2003.mdb", "fixedTextTestV2000.mdb", "adox_jet4.mdb",
                              "emptyJet4.mdb"})
            QTest::newRow(f) << QString(f);
    }
    void everyValueEqualsMdbExport()
    {
        if (!QFileInfo(kTestData).isDir())
            QSKIP("the Jet 4 test databases are not on this machine");
        QFETCH(QString, file);
        Folder folder;
        const QString original = kTestData + "/" + file;
        QVERIFY(QFile::copy(original, folder.base()));
        QFile::setPermissions(folder.base(), QFile::ReadOwner | QFile::WriteOwner);
        ConvertOptions plain;
        plain.requireCourseTables = false;
        const ConversionResult r = convertJetDatabase(folder.base(), plain, {});

        // The original is kept byte for byte, and read from there.
        QCOMPARE(QFileInfo(r.backup).fileName(), QString("Base.jet4.mdb"));
        QCOMPARE(digest(r.backup), digest(original));
        const QStringList tables = run("mdb-tables", {"-1", original}).split('\n', Qt::SkipEmptyParts);
        Readback db(folder.base());
        QVERIFY(db.ok());
        QStringList stored = db.column("SELECT name FROM sqlite_master WHERE type = 'table' AND name <> '"
                                       + QString(kMetaTable) + "' AND name NOT LIKE 'sqlite%' ORDER BY rowid");
        QCOMPARE(stored, tables);

        const QString format = "%Y-%m-%d %H:%M:%S";
        for (const QString& table : tables) {
            const QList<CsvRow> printed =
                parseCsv(run("mdb-export", {"-D", format, "-T", format, "-b", "hex", original, table}));
            QVERIFY(!printed.isEmpty());
            QStringList header;
            for (const CsvField& f : printed.front())
                header << f.text;
            QSqlQuery columns = db.query(QString("SELECT * FROM \"%1\" LIMIT 0").arg(table));
            QStringList storedHeader;
            for (int i = 0; i < columns.record().count(); ++i)
                storedHeader << columns.record().fieldName(i);
            QCOMPARE(storedHeader, header);

            QStringList select;
            for (const QString& c : header)
                select << QString("typeof(\"%1\"), \"%1\"").arg(c);
            QSqlQuery rows = db.query(QString("SELECT %1 FROM \"%2\" ORDER BY rowid").arg(select.join(", "), table));
            int n = 1;
            while (rows.next()) {
                QVERIFY2(n < printed.size(), qPrintable(table + ": more rows than mdb-export prints"));
                const CsvRow& expected = printed[n];
                QCOMPARE(expected.size(), header.size());
                for (int c = 0; c < header.size(); ++c) {
                    const QString why = mismatch(rows.value(2 * c).toString(), rows.value(2 * c + 1), expected[c]);
                    QVERIFY2(why.isEmpty(), qPrintable(QString("%1 row %2 %3: %4").arg(table).arg(n).arg(header[c], why)));
                }
                ++n;
            }
            QCOMPARE(n, int(printed.size()));
        }
        // The password of the connection string guards the result.
        const PasswordRecord record{db.value("SELECT value FROM CourseShellMeta WHERE key = 'password_salt'").toString(),
                                    db.value("SELECT value FROM CourseShellMeta WHERE key = 'password_hash'").toString()};
        QVERIFY(passwordMatches(record, "K#m4t"));
        QVERIFY(!passwordMatches(record, "k#m4t"));
    }

    void nonLatinTextIntact()
    {
        if (!QFileInfo(kTestData).isDir())
            QSKIP("the Jet 4 test databases are not on this machine");
        Folder folder;
        QVERIFY(QFile::copy(kTestData + "/testUnicodeCompV2003.mdb", folder.base()));
        QFile::setPermissions(folder.base(), QFile::ReadOwner | QFile::WriteOwner);
        ConvertOptions plain;
        plain.requireCourseTables = false;
        convertJetDatabase(folder.base(), plain, {});
        Readback db(folder.base());
        QCOMPARE(db.column("SELECT \"Unicode\" FROM \"Table\" WHERE ID IN (3, 4, 5) ORDER BY ID"),
                 (QStringList{"Мир", QString::fromUtf16(u"ϰαὶ τ\u1F79τ' ἐγὼ Κ\u1F7Bϰλωπα"), "漢字仮名交じり文"}));
    }

    void nullKeptApartFromEmptyText()
    {
        if (!QFileInfo(kTestData).isDir())
            QSKIP("the Jet 4 test databases are not on this machine");
        // The test files hold no Null: the second row of testV2000's Table1
        // is edited here the way Jet stores one. Its null mask loses the
        // bits of C (Byte) and F (Double); A's start moves to B's, leaving
        // A an empty text that is not Null.
        QByteArray jet = fileBytes(kTestData + "/testV2000.mdb");
        const qsizetype row = 27 * 4096 + 3977;  // page 27, row 1, 47 bytes
        QCOMPARE(jet.mid(row + 33, 14).toHex(' '), QByteArray("61 00 62 00 25 00 23 00 21 00 02 00 ff 00"));
        jet[row + 41] = 0x23;
        jet[row + 45] = char(0xff & ~(1 << 2) & ~(1 << 5));
        Folder folder;
        QFile f(folder.base());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(jet);
        f.close();
        ConvertOptions plain;
        plain.requireCourseTables = false;
        convertJetDatabase(folder.base(), plain, {});
        Readback db(folder.base());
        QCOMPARE(db.column("SELECT typeof(A) || ':' || A || ' ' || B || ' ' || typeof(C) || ' ' || typeof(F) || ' ' || "
                           "E FROM Table1 ORDER BY rowid"),
                 (QStringList{"text:abcdefg hijklmnop integer real 333333333", "text: b null null 0"}));
    }

    void courseTablesInTheProgramsSchema()
    {
        Folder folder;
        const QByteArray jet = "stands for the original Jet file";
        QFile f(folder.base());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(jet);
        f.close();
        FixtureSource source;
        fillCourse(source);
        // A table of the teacher's own, beside the course's.
        auto& notes = source.add("Заметки", {{"Текст", ColumnKind::Memo, 0, 0, 0}, {"Балл", ColumnKind::Double, 8, 0, 0},
                                             {"Готово", ColumnKind::Boolean, 0, 0, 0},
                                             {"Сумма", ColumnKind::Currency, 8, 0, 0},
                                             {"Файл", ColumnKind::OleObject, 0, 0, 0}});
        source.addRow(notes, {QString(5000, QChar(0x044F)), 0.1, num(1), str("1234567890123.4567"),
                              QByteArray("\x00\x01\xff", 3)});
        source.addRow(notes, {Null, Null, num(0), Null, Null});
        source.addRow(notes, {str(""), 0.0, num(0), str("0"), QByteArray()});
        QStringList lines;
        const ConversionResult r =
            replaceWithSqlite(source, folder.base(), ConvertOptions{}, [&](const QString& l) { lines << l; });
        QCOMPARE(fileBytes(folder.dir.filePath("Base.jet4.mdb")), jet);
        QCOMPARE(lines, (QStringList{"USERS → Users: строк 2", "Vopros: строк 3", "Rezult: строк 3", "Заметки: строк 3"}));
        QCOMPARE(filesIn(folder.dir.path()),
                 (QStringList{"Base.jet4.mdb", "Base.mdb"}));

        Readback db(folder.base());
        QVERIFY(db.ok());
        QStringList schema = db.column("SELECT sql FROM sqlite_master WHERE name IN ('Users', 'Vopros', 'Rezult') "
                                       "ORDER BY rowid");
        QCOMPARE(schema, baseSqlSchema());

        QCOMPARE(db.column("SELECT Login || '|' || Password || '|' || Fam || '|' || Imya || '|' || "
                           "coalesce(Otch, '<null>') || '|' || \"Group\" FROM Users ORDER BY rowid"),
                 (QStringList{"Chiefexaminer|K0rn|Петров|Пётр||Кафедра", "student|student|Иванов|Иван|<null>|ТК-21"}));
        QCOMPARE(db.column("SELECT typeof(Otch) FROM Users ORDER BY rowid"), (QStringList{"text", "null"}));
        QCOMPARE(db.column("SELECT code FROM Vopros ORDER BY code"), (QStringList{"1", "7", "121"}));
        QCOMPARE(db.value("SELECT Tekst FROM Vopros WHERE code = 7").toString(), QString(255, QChar(0x0416)));
        QCOMPARE(db.value("SELECT Tekst FROM Vopros WHERE code = 1").toString(), QString("Что такое «сигнал»?"));
        QCOMPARE(db.value("SELECT typeof(ans5) FROM Vopros WHERE code = 121").toString(), QString("null"));
        QCOMPARE(db.column("SELECT Kod || ' ' || \"user\" || ' ' || \"result\" || ' ' || coalesce(datatest, '<null>') "
                           "FROM Rezult ORDER BY Kod"),
                 (QStringList{"3 student 85 2008-03-30 02:30:00", "10 student 100 2009-12-31 23:59:59",
                              "11 Сидоров 45 <null>"}));

        // What the program asks of it: the sign-in lookup, a student's
        // results best first, and new rows numbered after the largest.
        QCOMPARE(db.value("SELECT Password FROM Users WHERE Login = 'student'").toString(), QString("student"));
        QCOMPARE(db.column("SELECT \"result\" FROM Rezult WHERE \"user\" = 'student' ORDER BY CAST(\"result\" AS "
                           "INTEGER) DESC"),
                 (QStringList{"100", "85"}));
        {
            QSqlDatabase w = QSqlDatabase::addDatabase("QSQLITE", "writer");
            w.setDatabaseName(folder.base());
            QVERIFY(w.open());
            QSqlQuery q(w);
            QVERIFY(q.exec("INSERT INTO Vopros (Tekst) VALUES ('new')"));
            QVERIFY(q.exec("INSERT INTO Rezult (\"user\", \"result\", datatest) VALUES ('x', '5', '2026-12-10 10:00:00')"));
            QVERIFY(q.exec("SELECT (SELECT max(code) FROM Vopros), (SELECT max(Kod) FROM Rezult)") && q.next());
            QCOMPARE(q.value(0).toInt(), 122);
            QCOMPARE(q.value(1).toInt(), 12);
            w.close();
        }
        QSqlDatabase::removeDatabase("writer");
        QCOMPARE(r.tables.size(), size_t(4));
        QCOMPARE(db.value("SELECT sql FROM sqlite_master WHERE name = 'Заметки'").toString(),
                 QString("CREATE TABLE \"Заметки\" (\"Текст\" TEXT, \"Балл\" DOUBLE, \"Готово\" BOOLEAN, "
                         "\"Сумма\" DECIMAL TEXT, \"Файл\" BLOB)"));
        QSqlQuery notesRows = db.query("SELECT * FROM \"Заметки\" ORDER BY rowid");
        QVERIFY(notesRows.next());
        QCOMPARE(notesRows.value(0).toString(), QString(5000, QChar(0x044F)));
        QCOMPARE(notesRows.value(1).toDouble(), 0.1);
        QCOMPARE(notesRows.value(2).toInt(), 1);
        // 17 significant digits: a number would round them, so the column
        // keeps its decimals as text.
        QCOMPARE(notesRows.value(3).toString(), QString("1234567890123.4567"));
        QCOMPARE(notesRows.value(4).toByteArray(), QByteArray("\x00\x01\xff", 3));
        QVERIFY(notesRows.next());
        QVERIFY(notesRows.value(0).isNull() && notesRows.value(1).isNull() && notesRows.value(3).isNull()
                && notesRows.value(4).isNull());
        QCOMPARE(db.column("SELECT typeof(\"Текст\") || ' ' || typeof(\"Файл\") || ' ' || length(\"Файл\") "
                           "FROM \"Заметки\" WHERE rowid = 3"),
                 QStringList{"text blob 0"});
    }

    void theSampleCourseComesOutAsItWent()
    {
        Folder folder;
        const QString built = folder.dir.filePath("built.sqlite");
        QProcess sqlite;
        sqlite.setStandardInputFile(kBaseSql);
        sqlite.start("sqlite3", {"-bail", built});
        QVERIFY(sqlite.waitForFinished(60000) && sqlite.exitCode() == 0);
        QFile(folder.base()).open(QIODevice::WriteOnly);
        {
            SampleCourse course(built);
            replaceWithSqlite(course, folder.base(), ConvertOptions{}, {});
        }
        Readback before(built);
        Readback after(folder.base());
        for (const char* table : {"Users", "Vopros", "Rezult"}) {
            const QString all = QString("SELECT quote(%1) FROM %2 ORDER BY rowid");
            QStringList columns;
            QSqlQuery info = before.query(QString("SELECT name FROM pragma_table_info('%1')").arg(table));
            while (info.next())
                columns << '"' + info.value(0).toString() + '"';
            const QString select = all.arg(columns.join(") || ',' || quote("), table);
            const QStringList rows = before.column(select);
            QVERIFY(rows.size() >= 2);
            QCOMPARE(after.column(select), rows);
        }
        QCOMPARE(after.column("SELECT sql FROM sqlite_master WHERE name IN ('Users', 'Vopros', 'Rezult') ORDER BY rowid"),
                 before.column("SELECT sql FROM sqlite_master WHERE name IN ('Users', 'Vopros', 'Rezult') ORDER BY rowid"));
    }

    void extraColumnsOfACourseTableAreKeptToo()
    {
        Folder folder;
        QFile(folder.base()).open(QIODevice::WriteOnly);
        FixtureSource source;
        fillCourse(source);
        auto& users = source.table("USERS");
        users.def.columns.insert(users.def.columns.begin(), number("ID"));
        users.rows[0].insert(users.rows[0].begin(), num(1));
        users.rows[1].insert(users.rows[1].begin(), num(2));
        replaceWithSqlite(source, folder.base(), ConvertOptions{}, {});
        Readback db(folder.base());
        QCOMPARE(db.value("SELECT sql FROM sqlite_master WHERE name = 'Users'").toString(), baseSqlSchema()[0]);
        QCOMPARE(db.column("SELECT ID || ' ' || Login FROM USERS_jet4 ORDER BY rowid"),
                 (QStringList{"1 Chiefexaminer", "2 student"}));
    }

    void longTablesReportHowFarTheyHaveGot()
    {
        Folder folder;
        QFile(folder.base()).open(QIODevice::WriteOnly);
        FixtureSource source;
        fillCourse(source);
        ConvertOptions everyRow;
        everyRow.progressIntervalMs = 0;
        QStringList lines;
        replaceWithSqlite(source, folder.base(), everyRow, [&](const QString& l) { lines << l; });
        QCOMPARE(lines.mid(lines.indexOf("USERS → Users: строк 2") + 1, 4),
                 (QStringList{"Vopros: 1 из 3 строк…", "Vopros: 2 из 3 строк…", "Vopros: 3 из 3 строк…",
                              "Vopros: строк 3"}));
    }

    void longTextsKeptWholeOnRequest()
    {
        Folder folder;
        QFile(folder.base()).open(QIODevice::WriteOnly);
        FixtureSource source;
        fillCourse(source);
        source.table("Vopros").rows[0][1] = QString(300, 'q');
        ConvertOptions keep;
        keep.keepLongValues = true;
        replaceWithSqlite(source, folder.base(), keep, {});
        Readback db(folder.base());
        QCOMPARE(db.value("SELECT length(Tekst) FROM Vopros WHERE code = 1").toInt(), 300);
    }

    void courseDataThatDoesNotFitIsRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");     // -1: change the columns instead
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing table") << "Rezult" << -1 << -1 << QVariant() << "В базе нет таблиц курса: Rezult";
        QTest::newRow("missing column") << "Vopros" << -1 << 6 << QVariant() << "В таблице Vopros нет полей: ans5";
        QTest::newRow("text too long") << "Rezult" << 0 << 1 << QVariant(QString(51, 'u'))
                                       << "Таблица Rezult, строка 1, поле user: значение длиной 51 знаков не "
                                          "помещается в 50 знаков";
        QTest::newRow("code missing") << "Vopros" << 1 << 0 << QVariant()
                                      << "Таблица Vopros, строка 2, поле code: номер пуст";
        QTest::newRow("code repeated") << "Vopros" << 2 << 0 << QVariant(qint64(7))
                                       << "Таблица Vopros, строка 3, поле code: номер 7 уже есть в другой строке";
        QTest::newRow("code beyond 32 bits") << "Rezult" << 2 << 0 << QVariant(qint64(1) << 31)
                                             << "Таблица Rezult, строка 3, поле Kod: значение 2147483648 не "
                                                "помещается в номер";
        QTest::newRow("code with a fraction") << "Vopros" << 0 << 0 << QVariant(1.5)
                                              << "Таблица Vopros, строка 1, поле code: значение 1.5 не помещается";
    }
    void courseDataThatDoesNotFitIsRefused()
    {
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        Folder folder;
        QFile f(folder.base());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("jet");
        f.close();
        FixtureSource source;
        fillCourse(source);
        auto& t = source.table(table);
        if (row < 0 && column < 0)
            t.def.name = table + "_old";
        else if (row < 0)
            t.def.columns.erase(t.def.columns.begin() + column);
        else {
            if (value.typeId() == QMetaType::Double)
                t.def.columns[size_t(column)].kind = ColumnKind::Double;
            t.rows[size_t(row)][size_t(column)] = value;
        }
        const QMap<QString, QByteArray> before = snapshot(folder.dir.path());
        try {
            replaceWithSqlite(source, folder.base(), ConvertOptions{}, {});
            QFAIL("converted what does not fit");
        } catch (const ShellError& e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
        QCOMPARE(snapshot(folder.dir.path()), before);
    }

    void wrongColumnTypesAreNamed()
    {
        Folder folder;
        QFile(folder.base()).open(QIODevice::WriteOnly);
        FixtureSource source;
        fillCourse(source);
        source.table("Vopros").def.columns[0].kind = ColumnKind::Text;
        source.table("Vopros").def.columns[1].kind = ColumnKind::OleObject;
        source.table("Rezult").def.columns[3].kind = ColumnKind::Text;
        try {
            replaceWithSqlite(source, folder.base(), ConvertOptions{}, {});
            QFAIL("converted columns of the wrong type");
        } catch (const ShellError& e) {
            QCOMPARE(e.message(), QString("В таблице Vopros поле code имеет тип Text, а нужен целое число (счётчик); "
                                          "поле Tekst имеет тип OLE Object, а нужен текст"));
        }
    }

    void brokenInputGetsAClearMessageAndNothingWritten_data()
    {
        QTest::addColumn<QString>("source");     // test database to start from, or empty
        // Content when there is no source; else the length to cut to, or
        // "@<offset>:<hex>" bytes to put in at an offset.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a database") << QString() << QByteArray("<html>not a database</html>") << QStringList()
                                        << "Base.mdb не является базой данных Jet 4: это не база данных Access";
        QByteArray ace(4096, '\0');
        ace.replace(4, 16, QByteArray("Standard ACE DB\0", 16));
        QTest::newRow("Access 2007 file") << QString() << ace << QStringList()
                                          << "Base.mdb не является базой данных Jet 4: это база данных Access 2007";
        QByteArray jet3(4096, '\0');
        jet3.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
        QTest::newRow("Access 97 file") << QString() << jet3 << QStringList()
                                        << "Base.mdb не является базой данных Jet 4: это база данных Jet 3";
        QTest::newRow("cut inside a page") << "testV2000.mdb" << QByteArray("100000") << QStringList{"--plain"}
                                           << "Base.mdb обрезан: 100000 байт";
        // libmdb would end the catalogue or a table quietly at the cut.
        QTest::newRow("cut inside the catalogue") << "testUnicodeCompV2003.mdb" << QByteArray("16384")
                                                  << QStringList{"--plain"} << "Base.mdb обрезан: в файле нет страниц";
        QTest::newRow("cut after the catalogue's first page") << "testV2000.mdb" << QByteArray("32768")
                                                              << QStringList{"--plain"}
                                                              << "Base.mdb обрезан: в файле нет страниц";
        QTest::newRow("cut in the tables") << "testV2000.mdb" << QByteArray("262144") << QStringList{"--plain"}
                                           << "Base.mdb обрезан: в файле нет страниц";
        // Property blocks of the catalogue that libmdb would walk forever
        // (lengths of 0) or read past (a name index beyond the names).
        QTest::newRow("object properties: record of length 0")
            << "fixedTextTestV2000.mdb" << QByteArray("@133236:00000000") << QStringList()
            << "Base.mdb повреждён: свойства объектов";
        QTest::newRow("object properties: entry of length 0")
            << "fixedTextTestV2000.mdb" << QByteArray("@133382:0000") << QStringList()
            << "Base.mdb повреждён: свойства объектов";
        QTest::newRow("object properties: name index past the names")
            << "fixedTextTestV2000.mdb" << QByteArray("@133386:ff7f") << QStringList()
            << "Base.mdb повреждён: свойства объектов";
        QTest::newRow("no course tables") << "testUnicodeCompV2003.mdb" << QByteArray() << QStringList()
                                          << "В базе нет таблиц курса: Users, Vopros, Rezult";
        QTest::newRow("users without the course's fields")
            << "fixedTextTestV2000.mdb" << QByteArray() << QStringList()
            << "В таблице users нет полей: Login, Password, Fam, Imya, Otch, Group";
        QTest::newRow("no file") << QString() << QByteArray() << QStringList() << "Нет файла";
    }
    void brokenInputGetsAClearMessageAndNothingWritten()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        if (!source.isEmpty() && !QFileInfo(kTestData).isDir())
            QSKIP("the Jet 4 test databases are not on this machine");
        Folder folder;
        if (!source.isEmpty()) {
            QByteArray content = fileBytes(kTestData + "/" + source);
            if (bytes.startsWith('@')) {
                const QList<QByteArray> patch = bytes.mid(1).split(':');
                content.replace(patch[0].toInt(), patch[1].size() / 2, QByteArray::fromHex(patch[1]));
            } else if (!bytes.isEmpty()) {
                content.truncate(bytes.toInt());
            }
            QFile f(folder.base());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        } else if (!bytes.isEmpty()) {
            QFile f(folder.base());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const QMap<QString, QByteArray> before = snapshot(folder.dir.path());
        QProcess p;
        p.start(kConverter, args << folder.dir.path());
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(err.startsWith("courseshell-convert: " + message), qPrintable(err));
        QVERIFY2(err.trimmed().endsWith("Ничего не изменено"), qPrintable(err));
        QCOMPARE(snapshot(folder.dir.path()), before);
    }

    void commandConvertsAFolderAndKeepsEarlierBackups()
    {
        if (!QFileInfo(kTestData).isDir())
            QSKIP("the Jet 4 test databases are not on this machine");
        Folder folder;
        // Copied from Windows: the name in capitals, and a backup of some
        // earlier attempt already there with other content.
        const QString original = kTestData + "/testV2000.mdb";
        QVERIFY(QFile::copy(original, folder.dir.filePath("BASE.MDB")));
        QFile::setPermissions(folder.dir.filePath("BASE.MDB"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QFile earlier(folder.dir.filePath("BASE.jet4.MDB"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier backup");
        earlier.close();

        QProcess p;
        p.start(kConverter, {"--plain", folder.dir.path()});
        QVERIFY(p.waitForFinished(60000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(out.contains("Table1: строк 2\n"), qPrintable(out));
        QVERIFY2(out.contains("Исходный файл Jet 4 сохранён как BASE.jet4-2.MDB"), qPrintable(out));
        QCOMPARE(fileBytes(folder.dir.filePath("BASE.jet4.MDB")), QByteArray("an earlier backup"));
        QCOMPARE(digest(folder.dir.filePath("BASE.jet4-2.MDB")), digest(original));
        QCOMPARE(QFile::permissions(folder.dir.filePath("BASE.MDB")),
                 QFile::permissions(folder.dir.filePath("BASE.jet4-2.MDB")));
        QCOMPARE(filesIn(folder.dir.path()),
                 (QStringList{"BASE.MDB", "BASE.jet4-2.MDB", "BASE.jet4.MDB"}));
        QCOMPARE(detectFileFormat(fileBytes(folder.dir.filePath("BASE.MDB")).left(100)), FileFormat::Sqlite);

        // A second run finds nothing to do and changes nothing.
        const QMap<QString, QByteArray> before = snapshot(folder.dir.path());
        p.start(kConverter, {folder.dir.filePath("base.mdb")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains("уже база данных SQLite"));
        QCOMPARE(snapshot(folder.dir.path()), before);
    }

    void jetDates_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("day zero") << 0.0 << "1899-12-30 00:00:00";
        QTest::newRow("noon next day") << 1.5 << "1899-12-31 12:00:00";
        QTest::newRow("before day zero") << -1.25 << "1899-12-29 06:00:00";
        QTest::newRow("a night in spring") << 39537.104166666664 << "2008-03-30 02:30:00";
        QTest::newRow("just short of a second") << 39537.104166655 << "2008-03-30 02:30:00";
        QTest::newRow("rounds into the next day") << 39537.9999999 << "2008-03-31 00:00:00";
        QTest::newRow("last second Jet holds") << 2958465.999988426 << "9999-12-31 23:59:59";
    }
    void jetDates()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(jetDateText(value), text);
    }

    void commandLineMistakesShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown option") << QStringList{"--force", "."};
        QTest::newRow("two databases") << QStringList{"a.mdb", "b.mdb"};
    }
    void commandLineMistakesShowTheUsage()
    {
        QFETCH(QStringList, args);
        QProcess p;
        p.start(kConverter, args);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("Использование: courseshell-convert"));
    }

    void backupNames_data()
    {
        QTest::addColumn<QStringList>("present");  // "name=content"
        QTest::addColumn<QString>("chosen");
        QTest::newRow("free") << QStringList{} << "Base.jet4.mdb";
        QTest::newRow("taken by another file") << QStringList{"Base.jet4.mdb=other"} << "Base.jet4-2.mdb";
        QTest::newRow("two taken") << QStringList{"Base.jet4.mdb=other", "Base.jet4-2.mdb=another"}
                                   << "Base.jet4-3.mdb";
        QTest::newRow("same content reused") << QStringList{"Base.jet4.mdb=other", "Base.jet4-2.mdb=jet"}
                                             << "Base.jet4-2.mdb";
    }
    void backupNames()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, chosen);
        Folder folder;
        present << "Base.mdb=jet";
        for (const QString& p : present) {
            QFile f(folder.dir.filePath(p.section('=', 0, 0)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(p.section('=', 1).toUtf8());
        }
        QCOMPARE(backupPathFor(folder.base()), folder.dir.filePath(chosen));
    }
};

QTEST_GUILESS_MAIN(ConverterTest)
#include "tst_converter.moc"
