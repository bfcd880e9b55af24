#include "converter/JetSource.h"
#include "platform/ShellError.h"
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mdbtools.h>
#include <unistd.h>

namespace {

// A row lives on one 4 KiB page, so a value other than a memo or an OLE
// object formats to well under this. Memos are formatted whole into their
// buffer; one that fills it was cut by libmdb and is refused.
constexpr size_t kFieldBuffer = 64 * 1024;
constexpr size_t kMemoBuffer = 4 * 1024 * 1024;
constexpr int kRowOffsetMask = 0x1fff;
constexpr int kJetPageSize = 4096;

ColumnKind kindOf(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL: return ColumnKind::Boolean;
    case MDB_BYTE: return ColumnKind::Byte;
    case MDB_INT: return ColumnKind::Integer;
    case MDB_LONGINT: return ColumnKind::LongInteger;
    case MDB_MONEY: return ColumnKind::Currency;
    case MDB_FLOAT: return ColumnKind::Single;
    case MDB_DOUBLE: return ColumnKind::Double;
    case MDB_DATETIME: return ColumnKind::DateTime;
    case MDB_BINARY: return ColumnKind::Binary;
    case MDB_TEXT: return ColumnKind::Text;
    case MDB_OLE: return ColumnKind::OleObject;
    case MDB_MEMO: return ColumnKind::Memo;
    case MDB_REPID: return ColumnKind::ReplicationId;
    case MDB_NUMERIC: return ColumnKind::Decimal;
    default: return ColumnKind::Unknown;
    }
}

QString fromUtf8(const char* text) { return QString::fromUtf8(text); }

struct TableDefDeleter {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefDeleter>;

MdbColumn* columnAt(MdbTableDef* t, unsigned i)
{
    return static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
}

// libmdb reports a page it cannot read on stderr and carries on as if the
// table or the catalogue ended there. What it says while a file is read is
// caught, so that a damaged file is refused instead of half converted.
class LibmdbDiagnostics {
public:
    LibmdbDiagnostics()
    {
        std::fflush(stderr);
        capture_ = std::tmpfile();
        saved_ = ::dup(STDERR_FILENO);
        if (capture_ && saved_ >= 0)
            ::dup2(::fileno(capture_), STDERR_FILENO);
    }
    ~LibmdbDiagnostics()
    {
        restore();
        if (capture_)
            std::fclose(capture_);
    }
    LibmdbDiagnostics(const LibmdbDiagnostics&) = delete;
    LibmdbDiagnostics& operator=(const LibmdbDiagnostics&) = delete;

    // Raises ShellError when libmdb met a damaged page; passes any other
    // remark on to stderr.
    void check(const QString& fileName)
    {
        restore();
        if (!capture_)
            return;
        std::rewind(capture_);
        QByteArray said;
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, capture_)) > 0)
            said.append(buffer, qsizetype(n));
        std::fclose(capture_);
        capture_ = nullptr;
        const QString text = QString::fromLocal8Bit(said).trimmed();
        if (text.isEmpty())
            return;
        if (text.contains(QLatin1String("beyond EOF")))
            throw ShellError(QStringLiteral("%1 обрезан: в файле нет страниц, на которые ссылается сама база. "
                                            "Скопируйте файл заново").arg(fileName));
        for (const char* sign : {"error", "unable", "failed", "unrecognized", "warning"})
            if (text.contains(QLatin1String(sign), Qt::CaseInsensitive))
                throw ShellError(QStringLiteral("%1 повреждён (libmdb: %2)")
                                     .arg(fileName, text.section(QLatin1Char('\n'), 0, 0).trimmed()));
        std::fputs(said.constData(), stderr);
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }
    std::FILE* capture_ = nullptr;
    int saved_ = -1;
};

QByteArray readOle(MdbHandle* mdb, MdbColumn* col, const QString& where)
{
    // The bound buffer holds the field's 12-byte header; libmdb reads the
    // object's chunks into the same buffer one page at a time.
    char header[MDB_MEMO_OVERHEAD];
    std::memcpy(header, col->bind_ptr, MDB_MEMO_OVERHEAD);
    // The top two bits flag where the object lives; the rest is its length.
    const quint32 declared = quint32(mdb_get_int32(header, 0)) & 0x3fffffffu;
    QByteArray bytes;
    size_t len = mdb_ole_read(mdb, col, header, kFieldBuffer);
    bytes.append(static_cast<const char*>(col->bind_ptr), qsizetype(len));
    while ((len = mdb_ole_read_next(mdb, col, header)) > 0)
        bytes.append(static_cast<const char*>(col->bind_ptr), qsizetype(len));
    if (quint32(bytes.size()) != declared)
        throw ShellError(QStringLiteral("%1: объект OLE прочитан не целиком (%2 байт из %3) — файл повреждён")
                             .arg(where).arg(bytes.size()).arg(declared));
    return bytes;
}

// Whether an object's property block can be walked to its end. It is
// "MR2" (or "KKD") and records that each begin with their length (32 bits)
// and type: a list of names (0x80), each a 16-bit length and the name, then
// property records (0, 1, 2): a header with its length, a name, and entries
// of a 16-bit length, a type, the index of their name and the value's size.
// libmdb walks all of it by those lengths and indexes alone: a zero length
// keeps it allocating forever, a name index past the list reads outside it.
bool propertyBlockWhole(const char* block, size_t size)
{
    const auto u16 = [block](size_t at) { return quint16(quint8(block[at]) | quint8(block[at + 1]) << 8); };
    if (size < 4)
        return false;
    qint64 names = -1;  // none read yet
    size_t pos = 4;
    while (pos < size) {
        if (size - pos < 6)
            return false;
        const qint64 length = mdb_get_int32(const_cast<char*>(block), int(pos));
        if (length < 6 || quint64(length) > size - pos)
            return false;
        const size_t body = pos + 6, end = pos + size_t(length);
        const int type = u16(pos + 4);
        if (type == 0x80) {
            names = 0;
            for (size_t at = body; at < end; ++names) {
                if (end - at < 2 || u16(at) > end - at - 2)
                    return false;
                at += 2 + u16(at);
            }
        } else if (type <= 2) {
            if (names < 0 || end - body < 6 || u16(body + 4) > end - body - 6)
                return false;
            for (size_t at = body + 6 + u16(body + 4); at < end;) {
                if (end - at < 8)
                    return false;
                const size_t entry = u16(at);
                if (entry < 8 || entry > end - at || u16(at + 6) > entry - 8 || u16(at + 4) >= names)
                    return false;
                at += entry;
            }
        }
        pos = end;
    }
    return true;
}

// Whether the catalogue's property blocks are whole, walked before libmdb
// reads the catalogue (opened the way mdb_read_catalog opens it).
bool propertyBlocksWhole(MdbHandle* mdb)
{
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::snprintf(objects.object_name, sizeof objects.object_name, "%s", "MSysObjects");
    TableDef def(mdb_read_table(&objects));
    if (!def || !mdb_read_columns(def.get()))
        return true;  // reading the catalogue reports it
    MdbTableDef* t = def.get();
    MdbColumn* props = nullptr;
    int column = 0;
    for (unsigned c = 0; c < t->num_cols && !props; ++c)
        if (std::strcmp(columnAt(t, c)->name, "LvProp") == 0) {
            props = columnAt(t, c);
            column = int(c) + 1;
        }
    if (!props)
        return true;
    std::unique_ptr<char[]> bound(new char[kMemoBuffer]);
    int length = 0;
    mdb_bind_column(t, column, bound.get(), &length);
    mdb_rewind_table(t);
    while (mdb_fetch_row(t)) {
        if (length <= 0)
            continue;
        size_t size = 0;
        std::unique_ptr<char, void (*)(void*)> block(static_cast<char*>(mdb_ole_read_full(mdb, props, &size)), std::free);
        if (block && !propertyBlockWhole(block.get(), size))
            return false;
    }
    return true;
}

} // namespace

struct JetSource::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

// Negative days count back while the fraction stays the time forward from
// midnight. libmdb's own formatting gives up on dates before 1899-12-30.
QString jetDateText(double value)
{
    const double whole = std::trunc(value);
    qint64 days = qint64(whole);
    qint64 seconds = std::llround(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    const QDateTime when(QDate(1899, 12, 30).addDays(days), QTime(0, 0).addSecs(int(seconds)));
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString columnKindName(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Boolean: return QStringLiteral("Boolean");
    case ColumnKind::Byte: return QStringLiteral("Byte");
    case ColumnKind::Integer: return QStringLiteral("Integer");
    case ColumnKind::LongInteger: return QStringLiteral("Long Integer");
    case ColumnKind::Currency: return QStringLiteral("Currency");
    case ColumnKind::Single: return QStringLiteral("Single");
    case ColumnKind::Double: return QStringLiteral("Double");
    case ColumnKind::DateTime: return QStringLiteral("Date/Time");
    case ColumnKind::Binary: return QStringLiteral("Binary");
    case ColumnKind::Text: return QStringLiteral("Text");
    case ColumnKind::OleObject: return QStringLiteral("OLE Object");
    case ColumnKind::Memo: return QStringLiteral("Memo");
    case ColumnKind::ReplicationId: return QStringLiteral("Replication ID");
    case ColumnKind::Decimal: return QStringLiteral("Decimal");
    case ColumnKind::Unknown: break;
    }
    return QStringLiteral("unknown");
}

FileFormat detectFileFormat(const QByteArray& head)
{
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileFormat::Sqlite;
    if (head.size() > 0x14 && head.mid(4, 16) == QByteArrayLiteral("Standard ACE DB\0"))
        return FileFormat::Ace;
    if (head.size() > 0x14 && head.mid(4, 16) == QByteArrayLiteral("Standard Jet DB\0")) {
        switch (head[0x14]) {
        case 0: return FileFormat::Jet3;
        case 1: return FileFormat::Jet4;
        default: return FileFormat::Other;
        }
    }
    return FileFormat::Other;
}

QString fileFormatDescription(FileFormat format)
{
    switch (format) {
    case FileFormat::Jet4: return QStringLiteral("база данных Jet 4 (Access 2000–2003)");
    case FileFormat::Jet3: return QStringLiteral("база данных Jet 3 (Access 97)");
    case FileFormat::Ace: return QStringLiteral("база данных Access 2007 или новее (.accdb)");
    case FileFormat::Sqlite: return QStringLiteral("база данных SQLite");
    case FileFormat::Other: break;
    }
    return QStringLiteral("не база данных Access");
}

JetSource::JetSource(const QString& path)
    : handle_(std::make_unique<Handle>())
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ShellError(QStringLiteral("Не удаётся открыть %1: %2").arg(path, file.errorString()));
    const FileFormat format = detectFileFormat(file.read(kJetPageSize));
    if (format != FileFormat::Jet4)
        throw ShellError(QStringLiteral("%1 не является базой данных Jet 4: это %2")
                             .arg(name, fileFormatDescription(format)));
    // Jet writes whole pages; a file that ends inside one was cut short.
    if (file.size() < 2 * kJetPageSize || file.size() % kJetPageSize != 0)
        throw ShellError(QStringLiteral("%1 обрезан: %2 байт — не целое число страниц базы Jet 4 "
                                        "по %3 байт. Скопируйте файл заново")
                             .arg(name).arg(file.size()).arg(kJetPageSize));
    file.close();

    fileName_ = name;
    LibmdbDiagnostics diagnostics;
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    handle_->mdb = mdb;
    // A failure below may be the consequence of a page libmdb could not
    // read; what it said names the cause better.
    const auto fail = [&](const QString& message) {
        diagnostics.check(name);
        throw ShellError(message);
    };
    if (!mdb)
        fail(QStringLiteral("%1: библиотека libmdb не смогла открыть файл как базу Jet 4").arg(name));
    mdb_set_boolean_fmt_numbers(mdb);
    mdb_set_bind_size(mdb, kMemoBuffer);

    if (!propertyBlocksWhole(mdb))
        fail(QStringLiteral("%1 повреждён: свойства объектов базы записаны с ошибкой").arg(name));
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        fail(QStringLiteral("%1: не удаётся прочитать список таблиц — файл повреждён или зашифрован").arg(name));
    }
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry))
            continue;
        TableDef def(mdb_read_table(entry));
        if (!def || !mdb_read_columns(def.get())) {
            const QString table = fromUtf8(entry->object_name);
            fail(QStringLiteral("%1: не удаётся прочитать описание таблицы %2 — файл повреждён").arg(name, table));
        }
        SourceTable table;
        table.name = fromUtf8(def->name);
        table.rowCount = def->num_rows;
        for (unsigned c = 0; c < def->num_cols; ++c) {
            const MdbColumn* col = columnAt(def.get(), c);
            SourceColumn column;
            column.name = fromUtf8(col->name);
            column.kind = kindOf(col->col_type);
            // Jet 4 stores text as UTF-16: two bytes a character.
            column.size = column.kind == ColumnKind::Text ? col->col_size / 2 : col->col_size;
            column.precision = col->col_prec;
            column.scale = col->col_scale;
            table.columns.push_back(column);
        }
        tables_.push_back(std::move(table));
    }
    diagnostics.check(name);
}

JetSource::~JetSource() = default;

void JetSource::readRows(const SourceTable& table, const RowHandler& handle)
{
    MdbHandle* mdb = handle_->mdb;
    LibmdbDiagnostics diagnostics;
    QByteArray tableName = table.name.toUtf8();
    TableDef def(mdb_read_table_by_name(mdb, tableName.data(), MDB_TABLE));
    if (!def || !mdb_read_columns(def.get()) || def->num_cols != table.columns.size()) {
        diagnostics.check(fileName_);
        throw ShellError(QStringLiteral("Не удаётся прочитать таблицу %1").arg(table.name));
    }
    MdbTableDef* t = def.get();
    const unsigned n = t->num_cols;

    std::vector<std::unique_ptr<char[]>> buffers(n);
    std::vector<int> lengths(n, 0);
    for (unsigned c = 0; c < n; ++c) {
        const bool memo = columnAt(t, c)->col_type == MDB_MEMO;
        buffers[c].reset(new char[memo ? kMemoBuffer : kFieldBuffer]);
        buffers[c][0] = 0;
        mdb_bind_column(t, int(c) + 1, buffers[c].get(), &lengths[c]);
    }
    mdb_rewind_table(t);

    std::vector<MdbField> fields(n);
    std::vector<bool> isNull(n);
    SourceRow row(n);
    qint64 rowNumber = 0;
    while (mdb_fetch_row(t)) {
        ++rowNumber;
        // libmdb binds Null and an empty text alike as ""; the row's null
        // mask tells them apart.
        int start = 0;
        size_t size = 0;
        std::fill(isNull.begin(), isNull.end(), false);
        if (mdb_find_row(mdb, int(t->cur_row) - 1, &start, &size) == 0
            && mdb_crack_row(t, start & kRowOffsetMask, size, fields.data()) >= 0) {
            for (unsigned i = 0; i < n; ++i)
                if (fields[i].colnum >= 0 && unsigned(fields[i].colnum) < n)
                    isNull[unsigned(fields[i].colnum)] = fields[i].is_null;
        }
        for (unsigned c = 0; c < n; ++c) {
            MdbColumn* col = columnAt(t, c);
            const char* text = buffers[c].get();
            QVariant& value = row[c];
            if (col->col_type == MDB_BOOL) {
                value = qint64(text[0] == '1');
                continue;
            }
            if (isNull[c]) {
                value = QVariant();
                continue;
            }
            const auto where = [&] {
                return QStringLiteral("Таблица %1, строка %2, поле %3")
                    .arg(table.name).arg(rowNumber).arg(table.columns[c].name);
            };
            // A fixed-size value is read from the row's page where the row
            // says it is: a damaged row may point past the page.
            const auto onPage = [&](int bytes) {
                if (col->cur_value_start < 0 || bytes < 0 || col->cur_value_start + qint64(bytes) > mdb->fmt->pg_size)
                    throw ShellError(QStringLiteral("%1: значение лежит за пределами своей страницы — файл повреждён")
                                         .arg(where()));
            };
            switch (col->col_type) {
            case MDB_BYTE:
            case MDB_INT:
            case MDB_LONGINT:
                value = QByteArray(text, lengths[c]).toLongLong();
                break;
            case MDB_FLOAT:
                onPage(4);
                value = double(mdb_pg_get_single(mdb, col->cur_value_start));
                break;
            case MDB_DOUBLE:
                onPage(8);
                value = mdb_pg_get_double(mdb, col->cur_value_start);
                break;
            case MDB_DATETIME:
                onPage(8);
                value = jetDateText(mdb_pg_get_double(mdb, col->cur_value_start));
                break;
            case MDB_BINARY:
                onPage(col->cur_value_len);
                value = QByteArray(reinterpret_cast<const char*>(mdb->pg_buf) + col->cur_value_start,
                                   col->cur_value_len);
                break;
            case MDB_OLE:
                value = readOle(mdb, col, where());
                break;
            case MDB_MEMO:
                if (size_t(lengths[c]) >= kMemoBuffer - 1)
                    throw ShellError(QStringLiteral("%1: значение слишком длинное (больше %2 МБ), "
                                                    "чтобы прочитать его целиком")
                                         .arg(where()).arg(kMemoBuffer / (1024 * 1024)));
                value = QString::fromUtf8(text, lengths[c]);
                break;
            default:
                value = QString::fromUtf8(text, lengths[c]);
                break;
            }
        }
        handle(row);
    }
    diagnostics.check(fileName_);
    // libmdb ends the scan quietly at a page it cannot read: a table that
    // comes out shorter than its definition says lost rows on the way.
    if (rowNumber != table.rowCount)
        throw ShellError(QStringLiteral("Таблица %1: прочитано строк %2 из %3 — файл повреждён")
                             .arg(table.name).arg(rowNumber).arg(table.rowCount));
}
