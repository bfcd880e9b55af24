#include "converter/CourseWriter.h"
#include "platform/DatabasePassword.h"
#include "platform/ShellError.h"
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <memory>
#include <cmath>
#include <limits>
#include <optional>
#include <sqlite3.h>

namespace {

QString quoted(const QString& identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

bool sameName(const QString& a, const QString& b)
{
    // Jet and SQLite both compare names without regard to letter case.
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

class Sqlite {
public:
    explicit Sqlite(const QString& path)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK) {
            const QString why = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("нет памяти");
            sqlite3_close(db_);
            throw ShellError(QStringLiteral("Не удаётся создать %1: %2").arg(path, why));
        }
    }
    ~Sqlite() { sqlite3_close_v2(db_); }
    Sqlite(const Sqlite&) = delete;
    Sqlite& operator=(const Sqlite&) = delete;

    void exec(const QString& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const QString why = QString::fromUtf8(error ? error : sqlite3_errmsg(db_));
            sqlite3_free(error);
            throw ShellError(QStringLiteral("Ошибка SQLite: %1 (%2)").arg(why, sql.left(200)));
        }
    }
    sqlite3* handle() const { return db_; }
    QString lastError() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }
    void close()
    {
        if (sqlite3_close(db_) != SQLITE_OK)
            throw ShellError(QStringLiteral("Не удаётся закрыть новую базу: %1").arg(lastError()));
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Sqlite& db, const QString& sql)
    {
        if (sqlite3_prepare_v2(db.handle(), sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw ShellError(QStringLiteral("Ошибка SQLite: %1 (%2)").arg(db.lastError(), sql));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value)
    {
        const int i = index + 1;
        switch (value.typeId()) {
        case QMetaType::QString: {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text(stmt_, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::LongLong:
        case QMetaType::Int:
            sqlite3_bind_int64(stmt_, i, value.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(stmt_, i, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            // An empty object is not Null: SQLite binds a blob without data as one.
            const QByteArray bytes = value.toByteArray();
            if (bytes.isEmpty())
                sqlite3_bind_zeroblob(stmt_, i, 0);
            else
                sqlite3_bind_blob(stmt_, i, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            sqlite3_bind_null(stmt_, i);
            break;
        }
    }
    // The SQLite result code: SQLITE_DONE when the row was stored.
    int step()
    {
        const int rc = sqlite3_step(stmt_);
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        return rc;
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Whether a column of numeric affinity stores this decimal text exactly:
// SQLite turns it into an integer, or into a real that keeps only 15
// significant digits.
bool numericAffinityKeeps(const QString& decimal)
{
    QString digits = decimal;
    digits.remove(QLatin1Char('-'));
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        if (digits.endsWith(QLatin1Char('.')))
            return digits.size() - 1 <= 18;  // a whole number: a 64-bit integer
        digits.remove(point, 1);
    }
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits.size() <= (point >= 0 ? 15 : 18);
}

bool isDecimalKind(ColumnKind k) { return k == ColumnKind::Currency || k == ColumnKind::Decimal; }

QString sqlType(const SourceColumn& c, bool exactText)
{
    // A decimal column holding a value a number would round is kept as
    // text, the digits exactly as the file has them.
    if (exactText)
        return QStringLiteral("DECIMAL TEXT");
    switch (c.kind) {
    case ColumnKind::Boolean: return QStringLiteral("BOOLEAN");
    case ColumnKind::Byte:
    case ColumnKind::Integer:
    case ColumnKind::LongInteger: return QStringLiteral("INTEGER");
    case ColumnKind::Currency: return QStringLiteral("DECIMAL(19,4)");
    case ColumnKind::Decimal: return QStringLiteral("DECIMAL(%1,%2)").arg(c.precision).arg(c.scale);
    case ColumnKind::Single: return QStringLiteral("FLOAT");
    case ColumnKind::Double: return QStringLiteral("DOUBLE");
    case ColumnKind::DateTime: return QStringLiteral("DATETIME");
    case ColumnKind::Text: return QStringLiteral("VARCHAR(%1)").arg(c.size);
    case ColumnKind::Memo: return QStringLiteral("TEXT");
    case ColumnKind::ReplicationId: return QStringLiteral("VARCHAR(38)");
    case ColumnKind::Binary:
    case ColumnKind::OleObject: return QStringLiteral("BLOB");
    case ColumnKind::Unknown: break;
    }
    return {};
}

bool isWholeNumberKind(ColumnKind k)
{
    return k == ColumnKind::Byte || k == ColumnKind::Integer || k == ColumnKind::LongInteger;
}

bool isNumberKind(ColumnKind k)
{
    return isWholeNumberKind(k) || k == ColumnKind::Currency || k == ColumnKind::Decimal
        || k == ColumnKind::Single || k == ColumnKind::Double;
}

bool fits(CourseField::Kind target, ColumnKind source)
{
    switch (target) {
    case CourseField::Text:
        return source == ColumnKind::Text || source == ColumnKind::Memo || isNumberKind(source);
    case CourseField::AutoNumber:
        return isNumberKind(source);
    case CourseField::DateTime:
        return source == ColumnKind::DateTime;
    }
    return false;
}

QString expectedKind(CourseField::Kind target)
{
    switch (target) {
    case CourseField::Text: return QStringLiteral("текст");
    case CourseField::AutoNumber: return QStringLiteral("целое число (счётчик)");
    case CourseField::DateTime: return QStringLiteral("дата и время");
    }
    return {};
}

// A column of the target table and where its values come from.
struct Mapping {
    QString target;
    std::vector<QString> targetColumns;
    std::vector<int> sourceIndex;  // per target column
    const CourseTableSchema* course = nullptr;  // null for a plain copy
    std::vector<bool> exactText = {};  // per target column of a plain copy
};

struct Plan {
    const SourceTable* table;
    std::vector<Mapping> targets;
};

QString describe(const SourceTable& table, qint64 row, const QString& field)
{
    return QStringLiteral("Таблица %1, строка %2, поле %3").arg(table.name).arg(row).arg(field);
}

std::optional<qint64> wholeNumber(const QVariant& v)
{
    if (v.typeId() == QMetaType::LongLong)
        return v.toLongLong();
    bool ok = false;
    const double d = v.typeId() == QMetaType::Double ? v.toDouble() : v.toString().toDouble(&ok);
    if (v.typeId() != QMetaType::Double && !ok)
        return std::nullopt;
    if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) > 1e15)
        return std::nullopt;
    return qint64(d);
}

QString numberAsText(const QVariant& v)
{
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

// The value to store in a course field, or a ShellError saying why it does
// not fit.
QVariant courseValue(const CourseField& field, const QVariant& v, const ConvertOptions& options,
                     const SourceTable& table, qint64 row)
{
    switch (field.kind) {
    case CourseField::Text: {
        if (!v.isValid())
            return v;
        const QString text = v.typeId() == QMetaType::QString ? v.toString() : numberAsText(v);
        if (text.size() > field.size && !options.keepLongValues)
            throw ShellError(QStringLiteral("%1: значение длиной %2 знаков не помещается в %3 знаков "
                                            "(«%4…»). Сократите его или запустите с --keep-long, "
                                            "чтобы сохранить целиком")
                                 .arg(describe(table, row, field.name))
                                 .arg(text.size())
                                 .arg(field.size)
                                 .arg(text.left(40)));
        return text;
    }
    case CourseField::AutoNumber: {
        if (!v.isValid())
            throw ShellError(QStringLiteral("%1: номер пуст, а каждая строка должна иметь свой номер")
                                 .arg(describe(table, row, field.name)));
        const std::optional<qint64> n = wholeNumber(v);
        if (!n || *n < std::numeric_limits<qint32>::min() || *n > std::numeric_limits<qint32>::max())
            throw ShellError(QStringLiteral("%1: значение %2 не помещается в номер (целое число от %3 до %4)")
                                 .arg(describe(table, row, field.name), v.toString())
                                 .arg(std::numeric_limits<qint32>::min())
                                 .arg(std::numeric_limits<qint32>::max()));
        return *n;
    }
    case CourseField::DateTime:
        return v;
    }
    return v;
}

Plan planCourseTable(const CourseTableSchema& schema, const SourceTable& table)
{
    Plan plan{&table, {}};
    Mapping course{schema.name, {}, {}, &schema};
    QStringList missing;
    QStringList wrongKind;
    std::vector<bool> used(table.columns.size(), false);
    for (const CourseField& field : schema.fields) {
        int found = -1;
        for (size_t i = 0; i < table.columns.size(); ++i)
            if (sameName(table.columns[i].name, field.name))
                found = int(i);
        if (found < 0) {
            missing << field.name;
            continue;
        }
        used[size_t(found)] = true;
        const SourceColumn& column = table.columns[size_t(found)];
        if (!fits(field.kind, column.kind))
            wrongKind << QStringLiteral("%1 имеет тип %2, а нужен %3")
                             .arg(column.name, columnKindName(column.kind), expectedKind(field.kind));
        course.targetColumns.push_back(field.name);
        course.sourceIndex.push_back(found);
    }
    if (!missing.isEmpty())
        throw ShellError(QStringLiteral("В таблице %1 нет полей: %2").arg(table.name, missing.join(QStringLiteral(", "))));
    if (!wrongKind.isEmpty())
        throw ShellError(QStringLiteral("В таблице %1 поле %2").arg(table.name, wrongKind.join(QStringLiteral("; поле "))));
    plan.targets.push_back(course);
    // Columns the program does not use would be lost in its schema: the
    // whole original table is kept beside it as well.
    if (std::find(used.begin(), used.end(), false) != used.end()) {
        Mapping whole{table.name + QStringLiteral("_jet4"), {}, {}, nullptr};
        for (size_t i = 0; i < table.columns.size(); ++i) {
            whole.targetColumns.push_back(table.columns[i].name);
            whole.sourceIndex.push_back(int(i));
        }
        plan.targets.push_back(whole);
    }
    return plan;
}

Plan planPlainTable(const SourceTable& table)
{
    Mapping whole{table.name, {}, {}, nullptr};
    for (size_t i = 0; i < table.columns.size(); ++i) {
        whole.targetColumns.push_back(table.columns[i].name);
        whole.sourceIndex.push_back(int(i));
    }
    return Plan{&table, {whole}};
}

QString createSql(const Mapping& m, const SourceTable& table)
{
    if (m.course)
        return m.course->createSql;
    QStringList columns;
    for (size_t i = 0; i < m.targetColumns.size(); ++i) {
        const QString type = sqlType(table.columns[size_t(m.sourceIndex[i])], !m.exactText.empty() && m.exactText[i]);
        columns << (type.isEmpty() ? quoted(m.targetColumns[i]) : quoted(m.targetColumns[i]) + QLatin1Char(' ') + type);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(m.target), columns.join(QStringLiteral(", ")));
}

QString insertSql(const Mapping& m)
{
    QStringList columns;
    QStringList marks;
    for (const QString& c : m.targetColumns) {
        columns << quoted(c);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quoted(m.target), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

// Reads a table with decimal columns once ahead, to learn which of them
// hold a value that numeric storage would round.
void chooseDecimalStorage(TableSource& source, Plan& p)
{
    const SourceTable& table = *p.table;
    std::vector<bool> exact(table.columns.size(), false);
    bool any = false;
    for (const SourceColumn& c : table.columns)
        any = any || isDecimalKind(c.kind);
    if (!any)
        return;
    source.readRows(table, [&](const SourceRow& row) {
        for (size_t c = 0; c < row.size(); ++c)
            if (isDecimalKind(table.columns[c].kind) && row[c].isValid() && !numericAffinityKeeps(row[c].toString()))
                exact[c] = true;
    });
    for (Mapping& m : p.targets) {
        if (m.course)
            continue;
        for (int index : m.sourceIndex)
            m.exactText.push_back(exact[size_t(index)]);
    }
}

std::vector<Plan> plan(TableSource& source, const ConvertOptions& options)
{
    const std::vector<SourceTable>& tables = source.tables();
    std::vector<Plan> plans;
    std::vector<bool> planned(tables.size(), false);
    if (options.requireCourseTables) {
        QStringList missing;
        for (const CourseTableSchema& schema : courseTableSchemas()) {
            size_t i = 0;
            while (i < tables.size() && !sameName(tables[i].name, schema.name))
                ++i;
            if (i == tables.size()) {
                missing << schema.name;
                continue;
            }
            planned[i] = true;
            plans.push_back(planCourseTable(schema, tables[i]));
        }
        if (!missing.isEmpty())
            throw ShellError(QStringLiteral("В базе нет таблиц курса: %1. Если это не база курса, "
                                            "а другие данные Access, запустите с --plain, "
                                            "чтобы перенести её таблицы как есть")
                                 .arg(missing.join(QStringLiteral(", "))));
    }
    for (size_t i = 0; i < tables.size(); ++i)
        if (!planned[i])
            plans.push_back(planPlainTable(tables[i]));

    QStringList names{QString::fromLatin1(kMetaTable)};
    for (const Plan& p : plans)
        for (const Mapping& m : p.targets) {
            if (m.target.startsWith(QStringLiteral("sqlite_"), Qt::CaseInsensitive))
                throw ShellError(QStringLiteral("Таблицу %1 нельзя перенести: имена на «sqlite_» SQLite "
                                                "оставляет за собой").arg(m.target));
            for (const QString& taken : names)
                if (sameName(taken, m.target))
                    throw ShellError(QStringLiteral("Таблицу %1 нельзя перенести: имя %2 уже занято")
                                         .arg(p.table->name, m.target));
            names << m.target;
        }
    return plans;
}

} // namespace

const std::vector<CourseTableSchema>& courseTableSchemas()
{
    static const std::vector<CourseTableSchema> schemas{
        {QStringLiteral("Users"),
         QStringLiteral("CREATE TABLE Users (Login VARCHAR(255), Password VARCHAR(255), Fam VARCHAR(30), "
                        "Imya VARCHAR(20), Otch VARCHAR(30), \"Group\" VARCHAR(20))"),
         {{QStringLiteral("Login"), CourseField::Text, 255},
          {QStringLiteral("Password"), CourseField::Text, 255},
          {QStringLiteral("Fam"), CourseField::Text, 30},
          {QStringLiteral("Imya"), CourseField::Text, 20},
          {QStringLiteral("Otch"), CourseField::Text, 30},
          {QStringLiteral("Group"), CourseField::Text, 20}}},
        {QStringLiteral("Vopros"),
         QStringLiteral("CREATE TABLE Vopros (code INTEGER PRIMARY KEY AUTOINCREMENT, Tekst VARCHAR(255), "
                        "ans1 VARCHAR(255), ans2 VARCHAR(255), ans3 VARCHAR(255), ans4 VARCHAR(255), "
                        "ans5 VARCHAR(255))"),
         {{QStringLiteral("code"), CourseField::AutoNumber, 0},
          {QStringLiteral("Tekst"), CourseField::Text, 255},
          {QStringLiteral("ans1"), CourseField::Text, 255},
          {QStringLiteral("ans2"), CourseField::Text, 255},
          {QStringLiteral("ans3"), CourseField::Text, 255},
          {QStringLiteral("ans4"), CourseField::Text, 255},
          {QStringLiteral("ans5"), CourseField::Text, 255}}},
        {QStringLiteral("Rezult"),
         QStringLiteral("CREATE TABLE Rezult (Kod INTEGER PRIMARY KEY AUTOINCREMENT, \"user\" VARCHAR(50), "
                        "\"result\" VARCHAR(50), datatest DATETIME)"),
         {{QStringLiteral("Kod"), CourseField::AutoNumber, 0},
          {QStringLiteral("user"), CourseField::Text, 50},
          {QStringLiteral("result"), CourseField::Text, 50},
          {QStringLiteral("datatest"), CourseField::DateTime, 0}}},
    };
    return schemas;
}

std::vector<CopiedTable> writeSqliteDatabase(TableSource& source, const QString& path,
                                             const QString& password, const ConvertOptions& options,
                                             const ProgressLine& progress)
{
    std::vector<Plan> plans = plan(source, options);
    for (Plan& p : plans)
        chooseDecimalStorage(source, p);

    Sqlite db(path);
    // The file is private until it is renamed into place, and discarded on
    // any failure: no journal is needed while it is built.
    db.exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"));
    db.exec(QStringLiteral("BEGIN"));
    for (const Plan& p : plans)
        for (const Mapping& m : p.targets)
            db.exec(createSql(m, *p.table));
    db.exec(passwordSetupSql(password));

    std::vector<CopiedTable> copied;
    for (const Plan& p : plans) {
        const SourceTable& table = *p.table;
        std::vector<std::unique_ptr<Statement>> inserts;
        for (const Mapping& m : p.targets)
            inserts.push_back(std::make_unique<Statement>(db, insertSql(m)));
        qint64 row = 0;
        QElapsedTimer sinceProgress;
        sinceProgress.start();
        source.readRows(table, [&](const SourceRow& values) {
            ++row;
            for (size_t t = 0; t < p.targets.size(); ++t) {
                const Mapping& m = p.targets[t];
                Statement& insert = *inserts[t];
                for (size_t c = 0; c < m.targetColumns.size(); ++c) {
                    const QVariant& v = values[size_t(m.sourceIndex[c])];
                    insert.bind(int(c), m.course ? courseValue(m.course->fields[c], v, options, table, row) : v);
                }
                const int rc = insert.step();
                if (rc == SQLITE_CONSTRAINT && m.course)
                    throw ShellError(QStringLiteral("%1: номер %2 уже есть в другой строке, а номера должны "
                                                    "быть разными")
                                         .arg(describe(table, row, m.targetColumns[0]),
                                              values[size_t(m.sourceIndex[0])].toString()));
                if (rc != SQLITE_DONE)
                    throw ShellError(QStringLiteral("Таблица %1, строка %2: ошибка SQLite: %3")
                                         .arg(table.name).arg(row).arg(db.lastError()));
            }
            if (progress && sinceProgress.elapsed() >= options.progressIntervalMs) {
                progress(QStringLiteral("%1: %2 из %3 строк…").arg(table.name).arg(row).arg(table.rowCount));
                sinceProgress.restart();
            }
        });
        for (const Mapping& m : p.targets) {
            copied.push_back({table.name, m.target, row});
            if (progress)
                progress(m.target == table.name
                             ? QStringLiteral("%1: строк %2").arg(table.name).arg(row)
                             : QStringLiteral("%1 → %2: строк %3").arg(table.name, m.target).arg(row));
        }
    }
    db.exec(QStringLiteral("COMMIT"));
    db.close();
    return copied;
}
