#include "platform/Dataset.h"
#include "platform/DbConnection.h"
#include "platform/SqliteStatement.h"
#include <QDateTime>
#include <QLocale>
#include <QHash>
#include <algorithm>
#include <limits>

namespace {

using K = DatabaseError::Kind;

QString kindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text:
        return QStringLiteral("текст");
    case FieldKind::AutoInc:
        return QStringLiteral("счётчик");
    case FieldKind::DateTime:
        return QStringLiteral("дата и время");
    }
    return {};
}

// The column kinds of the engine's declared types (SQLite affinity rules).
bool typeFits(FieldKind kind, const QString& declared, bool soleKey)
{
    const QString t = declared.toUpper();
    switch (kind) {
    case FieldKind::Text:
        return !t.contains(QLatin1String("INT"))
            && (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("TEXT"))
                || t.contains(QLatin1String("CLOB")));
    case FieldKind::AutoInc:
        return t == QLatin1String("INTEGER") && soleKey;
    case FieldKind::DateTime:
        return t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME"));
    }
    return false;
}

int digits(const QString& t, int from, int count)
{
    int v = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

// A local date and time. Asking the C library for the zone offset costs a
// file check per call, so the offset of each whole day without a clock
// change is asked once and kept.
QDateTime localDateTime(QDate date, QTime time)
{
    constexpr int kTransition = std::numeric_limits<int>::min();
    thread_local QHash<qint64, int> offsetOfDay;
    if (offsetOfDay.size() > 8192)
        offsetOfDay.clear();
    auto it = offsetOfDay.constFind(date.toJulianDay());
    if (it == offsetOfDay.constEnd()) {
        const int start = QDateTime(date, QTime(0, 0)).offsetFromUtc();
        const int end = QDateTime(date, QTime(23, 59, 59)).offsetFromUtc();
        it = offsetOfDay.insert(date.toJulianDay(), start == end ? start : kTransition);
    }
    if (*it == kTransition)
        return QDateTime(date, time);
    return QDateTime(date, time, Qt::OffsetFromUTC, *it);
}

// The engine stores dates as "yyyy-MM-dd HH:mm:ss" (or the date alone);
// read field by field, since a results list holds many thousands of them.
QDateTime parseStoredDateTime(const QString& t)
{
    if (t.size() < 10 || t.at(4) != u'-' || t.at(7) != u'-')
        return {};
    const QDate date(digits(t, 0, 4), digits(t, 5, 2), digits(t, 8, 2));
    if (!date.isValid())
        return {};
    if (t.size() == 10)
        return date.startOfDay();
    if (t.size() < 16 || (t.at(10) != u' ' && t.at(10) != u'T') || t.at(13) != u':')
        return {};
    const int seconds = t.size() >= 19 && t.at(16) == u':' ? digits(t, 17, 2) : 0;
    int msec = 0;
    if (t.size() > 19) {
        if (t.at(19) != u'.' || t.size() < 21)
            return {};
        const QString frac = t.mid(20, 3).leftJustified(3, u'0');
        msec = digits(frac, 0, 3);
    }
    const QTime time(digits(t, 11, 2), digits(t, 14, 2), seconds, msec);
    return time.isValid() ? localDateTime(date, time) : QDateTime();
}

// Cut to `size` characters without splitting a surrogate pair.
QString cutText(const QString& s, int size)
{
    if (size <= 0 || s.size() <= size)
        return s;
    int n = size;
    if (s.at(n - 1).isHighSurrogate())
        --n;
    return s.left(n);
}

} // namespace

Dataset::Dataset(DbConnection* connection, QList<FieldDef> fields, QObject* parent)
    : QObject(parent), connection_(connection), fields_(std::move(fields))
{
    if (connection_)
        connection_->attach(this);
}

Dataset::~Dataset()
{
    if (active_) {
        state_ = State::Browse;
        active_ = false;
        if (connection_)
            connection_->datasetClosed();
    }
    if (connection_)
        connection_->detach(this);
}

void Dataset::setTableName(const QString& table)
{
    if (table == table_)
        return;
    close();
    table_ = table;
}

bool Dataset::active() const
{
    return active_ && (!table_.isEmpty() || joinedSql() == openedSql_);
}

QString Dataset::sourceName() const
{
    if (!table_.isEmpty())
        return table_;
    return baseTable_.isEmpty() ? QStringLiteral("запрос") : baseTable_;
}

void Dataset::requireActive() const
{
    if (!active())
        throw DatabaseError(QStringLiteral("Набор данных «%1» закрыт").arg(sourceName()), K::State);
}

int Dataset::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Dataset::requireField(int index, const QString& name) const
{
    if (index < 0)
        throw DatabaseError(QStringLiteral("В наборе данных «%1» нет поля «%2»").arg(sourceName(), name), K::Schema);
}

void Dataset::checkTable(const QString& table, const QList<int>& fieldsToCheck) const
{
    struct Column {
        QString name, type;
        int pk;
    };
    QList<Column> columns;
    int keys = 0;
    {
        SqliteStatement st(connection_->handle(), QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table)));
        if (!st.ok())
            throw connection_->errorFor(st.prepareCode(), table, false);
        int rc;
        while ((rc = st.step()) == SQLITE_ROW) {
            columns.append({st.text(1), st.text(2), int(st.int64(5))});
            if (columns.back().pk)
                ++keys;
        }
        if (rc != SQLITE_DONE)
            throw connection_->errorFor(rc, table, false);
    }
    const QString path = connection_->filePath();
    if (columns.isEmpty())
        throw DatabaseError(QStringLiteral("В базе данных «%1» нет таблицы «%2»").arg(path, table), K::Schema);
    for (int f : fieldsToCheck) {
        const FieldDef& def = fields_[f];
        auto it = std::find_if(columns.begin(), columns.end(), [&](const Column& c) {
            return c.name.compare(def.name, Qt::CaseInsensitive) == 0;
        });
        if (it == columns.end())
            throw DatabaseError(QStringLiteral("В таблице «%1» базы данных «%2» нет поля «%3»").arg(table, path, def.name),
                                K::Schema);
        if (!typeFits(def.kind, it->type, it->pk && keys == 1))
            throw DatabaseError(QStringLiteral("Поле «%1» таблицы «%2» базы данных «%3» имеет тип «%4», а нужен тип «%5»")
                                    .arg(def.name, table, path, it->type, kindName(def.kind)),
                                K::Schema);
    }
}

QVariant Dataset::readColumn(const SqliteStatement& st, int column, int field) const
{
    if (st.isNull(column))
        return {};
    switch (fields_[field].kind) {
    case FieldKind::Text:
        return st.text(column);
    case FieldKind::AutoInc:
        return int(st.int64(column));
    case FieldKind::DateTime: {
        const QString t = st.text(column);
        const QDateTime d = parseStoredDateTime(t);
        return d.isValid() ? QVariant(d) : QVariant(t);
    }
    }
    return {};
}

void Dataset::readRows(std::vector<Row>& out, QString& baseTable) const
{
    sqlite3* db = connection_->handle();
    QList<int> all;
    for (int i = 0; i < fields_.size(); ++i)
        all.append(i);
    QString text;
    std::vector<int> columnOf(fields_.size(), -1);
    bool withRowid = false;
    if (!table_.isEmpty()) {
        checkTable(table_, all);
        QStringList names;
        for (const FieldDef& f : fields_)
            names.append(quoteIdentifier(f.name));
        text = QStringLiteral("SELECT rowid%1%2 FROM %3 ORDER BY rowid")
                   .arg(names.isEmpty() ? QString() : QStringLiteral(", "), names.join(QStringLiteral(", ")),
                        quoteIdentifier(table_));
        for (int i = 0; i < fields_.size(); ++i)
            columnOf[i] = i + 1;
        baseTable = table_;
        withRowid = true;
    } else {
        const QString declared = joinedSql();
        SqliteStatement probe(db, declared);
        if (!probe.ok())
            throw connection_->errorFor(probe.prepareCode(), QStringLiteral("запрос"), false);
        QString origin;
        bool oneTable = true;
        for (int i = 0; i < fields_.size(); ++i) {
            for (int c = 0; c < probe.columnCount(); ++c)
                if (probe.columnName(c).compare(fields_[i].name, Qt::CaseInsensitive) == 0)
                    columnOf[i] = c;
            if (columnOf[i] < 0)
                throw DatabaseError(QStringLiteral("Запрос к базе данных «%1» не возвращает поле «%2»")
                                        .arg(connection_->filePath(), fields_[i].name),
                                    K::Schema);
            const QString t = probe.columnTable(columnOf[i]);
            if (t.isEmpty() || (!origin.isEmpty() && t != origin)
                || probe.columnOrigin(columnOf[i]).compare(fields_[i].name, Qt::CaseInsensitive) != 0)
                oneTable = false;
            origin = t;
        }
        text = declared;
        // A query over the columns of one table stores its edits in that
        // table: the rows carry the table's rowid in an extra first column.
        if (oneTable && !origin.isEmpty()) {
            checkTable(origin, all);
            const QString trimmed = declared.trimmed();
            const QString afterSelect = trimmed.mid(6).trimmed();
            if (trimmed.left(6).compare(QLatin1String("select"), Qt::CaseInsensitive) == 0
                && !afterSelect.startsWith(QLatin1String("distinct"), Qt::CaseInsensitive)) {
                const QString withId = QStringLiteral("SELECT %1.rowid, %2").arg(quoteIdentifier(origin), trimmed.mid(6));
                SqliteStatement check(db, withId);
                if (check.ok()) {
                    text = withId;
                    withRowid = true;
                    baseTable = origin;
                    for (int& c : columnOf)
                        ++c;
                }
            }
        }
    }
    SqliteStatement st(db, text);
    if (!st.ok())
        throw connection_->errorFor(st.prepareCode(), sourceName(), false);
    int rc;
    while ((rc = st.step()) == SQLITE_ROW) {
        Row row;
        row.rowid = withRowid ? st.int64(0) : 0;
        row.values.reserve(fields_.size());
        for (int i = 0; i < fields_.size(); ++i)
            row.values.append(readColumn(st, columnOf[i], i));
        out.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw connection_->errorFor(rc, baseTable.isEmpty() ? sourceName() : baseTable, false);
}

void Dataset::open()
{
    if (active())
        return;
    if (active_)
        close();
    if (!connection_)
        throw DatabaseError(QStringLiteral("Набор данных не связан с базой данных"), K::State);
    if (table_.isEmpty() && sql_.isEmpty())
        throw DatabaseError(QStringLiteral("Для набора данных не задана ни таблица, ни запрос"), K::State);
    connection_->open();
    std::vector<Row> rows;
    QString base;
    try {
        readRows(rows, base);
    } catch (...) {
        connection_->datasetClosed();
        throw;
    }
    rows_ = std::move(rows);
    baseTable_ = base;
    updatable_ = !base.isEmpty();
    openedSql_ = joinedSql();
    active_ = true;
    state_ = State::Browse;
    emit stateChanged();
    rebuildVisible(-1);
}

void Dataset::close()
{
    if (!active_)
        return;
    active_ = false;
    state_ = State::Inactive;
    rows_.clear();
    visible_.clear();
    buffer_.clear();
    modified_ = false;
    cur_ = -1;
    eof_ = bof_ = true;
    emit dataChanged();
    emit currentChanged();
    emit stateChanged();
    if (connection_)
        connection_->datasetClosed();
}

bool Dataset::accepts(const Row& row) const
{
    if (!filtered_ || !filter_)
        return true;
    QVariantMap map;
    for (int i = 0; i < fields_.size(); ++i)
        map.insert(fields_[i].name, row.values[i]);
    return filter_(*this, map);
}

void Dataset::rebuildVisible(int keepRowIndex)
{
    std::vector<int> v;
    v.reserve(rows_.size());
    for (int i = 0; i < int(rows_.size()); ++i)
        if (accepts(rows_[i]))
            v.push_back(i);
    visible_ = std::move(v);
    cur_ = visible_.empty() ? -1 : 0;
    if (keepRowIndex >= 0) {
        auto it = std::find(visible_.begin(), visible_.end(), keepRowIndex);
        if (it != visible_.end())
            cur_ = int(it - visible_.begin());
    }
    bof_ = true;
    eof_ = visible_.empty();
    emit dataChanged();
    emit currentChanged();
}

void Dataset::moveTo(int row)
{
    const int before = cur_;
    cur_ = row;
    if (cur_ != before)
        emit currentChanged();
}

void Dataset::first()
{
    requireActive();
    checkBrowseMode();
    moveTo(visible_.empty() ? -1 : 0);
    bof_ = true;
    eof_ = visible_.empty();
}

void Dataset::last()
{
    requireActive();
    checkBrowseMode();
    moveTo(int(visible_.size()) - 1);
    eof_ = true;
    bof_ = visible_.empty();
}

void Dataset::next()
{
    requireActive();
    checkBrowseMode();
    if (cur_ + 1 < int(visible_.size())) {
        moveTo(cur_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void Dataset::prior()
{
    requireActive();
    checkBrowseMode();
    if (cur_ > 0) {
        moveTo(cur_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void Dataset::setRecNo(int row)
{
    requireActive();
    if (row < 0 || row >= int(visible_.size()) || row == cur_)
        return;
    checkBrowseMode();
    // A cancelled insert may have removed a row before `row`.
    if (row >= int(visible_.size()))
        return;
    moveTo(row);
    bof_ = eof_ = false;
}

QVariant Dataset::value(const QString& field) const
{
    const int i = fieldIndex(field);
    requireField(i, field);
    if (cur_ < 0)
        return {};
    return valueAt(cur_, i);
}

QVariant Dataset::valueAt(int row, int field) const
{
    if (row < 0 || row >= int(visible_.size()) || field < 0 || field >= fields_.size())
        return {};
    if (row == cur_ && (state_ == State::Edit || state_ == State::Insert))
        return buffer_[field];
    return rows_[visible_[row]].values[field];
}

QVariant Dataset::converted(int field, const QVariant& value) const
{
    const FieldDef& def = fields_[field];
    if (value.isNull())
        return {};
    switch (def.kind) {
    case FieldKind::Text:
        return cutText(value.toString(), def.size);
    case FieldKind::AutoInc:
        break;
    case FieldKind::DateTime: {
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().startOfDay();
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        QDateTime d = parseStoredDateTime(t);
        const QLocale locale;
        if (!d.isValid())
            d = locale.toDateTime(t, locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ')
                                         + locale.timeFormat(QLocale::LongFormat).remove(QStringLiteral(" t")));
        if (!d.isValid())
            d = locale.toDateTime(t, QLocale::ShortFormat);
        if (!d.isValid()) {
            const QDate date = locale.toDate(t, QLocale::ShortFormat);
            if (date.isValid())
                d = date.startOfDay();
        }
        if (!d.isValid())
            throw DatabaseError(QStringLiteral("«%1» не является датой и временем (поле «%2» таблицы «%3»)")
                                    .arg(t, def.name, sourceName()),
                                K::BadValue);
        return d;
    }
    }
    return {};
}

void Dataset::setValue(const QString& field, const QVariant& value)
{
    requireActive();
    const int i = fieldIndex(field);
    requireField(i, field);
    if (state_ != State::Edit && state_ != State::Insert)
        throw DatabaseError(QStringLiteral("Запись таблицы «%1» не открыта для правки").arg(sourceName()), K::State);
    if (fields_[i].kind == FieldKind::AutoInc)
        throw DatabaseError(QStringLiteral("Поле «%1» таблицы «%2» заполняет база данных: изменить его нельзя")
                                .arg(fields_[i].name, sourceName()),
                            K::State);
    buffer_[i] = converted(i, value);
    changedFields_[i] = true;
    modified_ = true;
    emit recordChanged(cur_);
}

void Dataset::setState(State s)
{
    if (state_ == s)
        return;
    state_ = s;
    emit stateChanged();
}

void Dataset::beginInsert(int visiblePos)
{
    if (!canModify())
        throw DatabaseError(QStringLiteral("Набор данных «%1» только для чтения").arg(sourceName()), K::ReadOnly);
    const int ri = visiblePos < int(visible_.size()) ? visible_[visiblePos] : int(rows_.size());
    Row row;
    for (int i = 0; i < fields_.size(); ++i)
        row.values.append(QVariant());
    rows_.insert(rows_.begin() + ri, std::move(row));
    for (int& v : visible_)
        if (v >= ri)
            ++v;
    visible_.insert(visible_.begin() + visiblePos, ri);
    cur_ = visiblePos;
    bof_ = eof_ = false;
    buffer_ = rows_[ri].values;
    changedFields_.assign(fields_.size(), false);
    modified_ = false;
    emit dataChanged();
    emit currentChanged();
    setState(State::Insert);
}

void Dataset::insert()
{
    requireActive();
    checkBrowseMode();
    beginInsert(cur_ < 0 ? 0 : cur_);
}

void Dataset::append()
{
    requireActive();
    checkBrowseMode();
    beginInsert(int(visible_.size()));
}

void Dataset::edit()
{
    requireActive();
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (!canModify())
        throw DatabaseError(QStringLiteral("Набор данных «%1» только для чтения").arg(sourceName()), K::ReadOnly);
    if (visible_.empty()) {
        beginInsert(0);
        return;
    }
    buffer_ = rows_[visible_[cur_]].values;
    changedFields_.assign(fields_.size(), false);
    modified_ = false;
    setState(State::Edit);
}

template <class F>
void Dataset::write(F&& statements)
{
    sqlite3* db = connection_ ? connection_->handle() : nullptr;
    if (!db)
        throw DatabaseError(QStringLiteral("Нет соединения с базой данных: «%1» не сохранено").arg(sourceName()), K::State);
    int rc = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw connection_->errorFor(rc, sourceName(), true);
    try {
        statements(db);
        rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            throw connection_->errorFor(rc, sourceName(), true);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void Dataset::post()
{
    requireActive();
    emit updateRecord();
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    Row& row = rows_[visible_[cur_]];
    std::vector<int> changed;
    for (int i = 0; i < fields_.size(); ++i)
        if (changedFields_[i] && fields_[i].kind != FieldKind::AutoInc)
            changed.push_back(i);
    const QString table = quoteIdentifier(baseTable_);
    const auto step = [this](SqliteStatement& st) {
        if (!st.ok())
            throw connection_->errorFor(st.prepareCode(), sourceName(), true);
        const int rc = st.step();
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            throw connection_->errorFor(rc, sourceName(), true);
        return rc;
    };
    if (state_ == State::Edit) {
        if (!changed.empty()) {
            // Optimistic locking: a text column changed here must still hold
            // what was read, or someone else's edit of it would be lost.
            QStringList sets, checks;
            std::vector<int> checked;
            for (int i : changed) {
                sets.append(quoteIdentifier(fields_[i].name) + QStringLiteral(" = ?"));
                if (fields_[i].kind == FieldKind::Text) {
                    checks.append(QStringLiteral(" AND %1 IS ?").arg(quoteIdentifier(fields_[i].name)));
                    checked.push_back(i);
                }
            }
            write([&](sqlite3* db) {
                SqliteStatement st(db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                                           .arg(table, sets.join(QStringLiteral(", ")), checks.join(QString())));
                int n = 1;
                for (int i : changed)
                    st.bind(n++, buffer_[i]);
                st.bind(n++, row.rowid);
                for (int i : checked)
                    st.bind(n++, row.values[i]);
                step(st);
                if (sqlite3_changes(db) == 0)
                    throw DatabaseError(QStringLiteral("Запись таблицы «%1» базы данных «%2» не найдена: её удалили или "
                                                       "изменили после того, как таблица была прочитана; изменения "
                                                       "не сохранены")
                                            .arg(sourceName(), connection_->filePath()),
                                        K::RowMissing);
            });
            row.values = buffer_;
        }
    } else {
        QStringList names, marks, all;
        for (int i : changed) {
            names.append(quoteIdentifier(fields_[i].name));
            marks.append(QStringLiteral("?"));
        }
        for (const FieldDef& f : fields_)
            all.append(quoteIdentifier(f.name));
        QVariantList stored;
        qint64 rowid = 0;
        write([&](sqlite3* db) {
            SqliteStatement ins(db, names.isEmpty()
                                        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
            int n = 1;
            for (int i : changed)
                ins.bind(n++, buffer_[i]);
            step(ins);
            rowid = sqlite3_last_insert_rowid(db);
            // Read back what the engine stored: the counter it assigned.
            SqliteStatement back(db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(all.join(QStringLiteral(", ")), table));
            back.bind(1, rowid);
            if (step(back) == SQLITE_ROW)
                for (int i = 0; i < fields_.size(); ++i)
                    stored.append(readColumn(back, i, i));
        });
        row.rowid = rowid;
        row.values = stored.size() == fields_.size() ? stored : buffer_;
    }
    buffer_.clear();
    modified_ = false;
    setState(State::Browse);
    emit recordChanged(cur_);
}

void Dataset::dropCurrentRow()
{
    const int ri = visible_[cur_];
    rows_.erase(rows_.begin() + ri);
    visible_.erase(visible_.begin() + cur_);
    for (int& v : visible_)
        if (v > ri)
            --v;
    cur_ = std::min(cur_, int(visible_.size()) - 1);
}

void Dataset::cancel()
{
    if (state_ == State::Edit) {
        buffer_.clear();
        modified_ = false;
        setState(State::Browse);
        emit recordChanged(cur_);
    } else if (state_ == State::Insert) {
        dropCurrentRow();
        eof_ = bof_ = visible_.empty();
        buffer_.clear();
        modified_ = false;
        setState(State::Browse);
        emit dataChanged();
        emit currentChanged();
    }
}

void Dataset::checkBrowseMode()
{
    if (active())
        emit updateRecord();
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    if (modified_)
        post();
    else
        cancel();
}

void Dataset::remove()
{
    requireActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (visible_.empty())
        throw DatabaseError(QStringLiteral("В наборе данных «%1» нет записи для удаления").arg(sourceName()), K::State);
    if (!canModify())
        throw DatabaseError(QStringLiteral("Набор данных «%1» только для чтения").arg(sourceName()), K::ReadOnly);
    cancel();
    const int ri = visible_[cur_];
    write([&](sqlite3* db) {
        SqliteStatement st(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(baseTable_)));
        if (!st.ok())
            throw connection_->errorFor(st.prepareCode(), sourceName(), true);
        st.bind(1, rows_[ri].rowid);
        const int rc = st.step();
        if (rc != SQLITE_DONE)
            throw connection_->errorFor(rc, sourceName(), true);
    });
    dropCurrentRow();
    eof_ = visible_.empty() || cur_ == int(visible_.size()) - 1;
    bof_ = visible_.empty();
    emit dataChanged();
    emit currentChanged();
}

void Dataset::refresh()
{
    requireActive();
    checkBrowseMode();
    std::vector<Row> fresh;
    QString base;
    readRows(fresh, base);
    const qint64 currentId = cur_ >= 0 ? rows_[visible_[cur_]].rowid : -1;
    if (updatable_) {
        // Only the rows held already: rows stored meanwhile by others stay
        // out until the dataset is opened again; rows deleted meanwhile go.
        QHash<qint64, int> byId;
        byId.reserve(int(fresh.size()));
        for (int i = 0; i < int(fresh.size()); ++i)
            byId.insert(fresh[i].rowid, i);
        std::vector<Row> kept;
        kept.reserve(rows_.size());
        for (Row& r : rows_) {
            const auto it = byId.constFind(r.rowid);
            if (it != byId.constEnd())
                kept.push_back(std::move(fresh[*it]));
        }
        rows_ = std::move(kept);
    } else {
        rows_ = std::move(fresh);
    }
    int keep = -1;
    for (int i = 0; i < int(rows_.size()) && currentId >= 0; ++i)
        if (rows_[i].rowid == currentId)
            keep = i;
    rebuildVisible(keep);
}

QVariant Dataset::lookup(const QString& keyField, const QVariant& key, const QString& resultField) const
{
    requireActive();
    const int k = fieldIndex(keyField);
    requireField(k, keyField);
    const int r = fieldIndex(resultField);
    requireField(r, resultField);
    if (key.isNull())
        return {};
    const int pending = state_ == State::Insert ? visible_[cur_] : -1;
    const FieldKind kind = fields_[k].kind;
    const QString keyText = key.toString();
    const qint64 keyNumber = key.toLongLong();
    const QDateTime keyDate = kind == FieldKind::DateTime ? converted(k, key).toDateTime() : QDateTime();
    // Rows with equal keys come in snapshot order, so the first stored wins.
    for (int i = 0; i < int(rows_.size()); ++i) {
        if (i == pending)
            continue;
        const QVariant& v = rows_[i].values[k];
        if (v.isNull())
            continue;
        // Text compares in place: no copy per row of a long users table.
        const bool equal = kind == FieldKind::Text
                               ? (v.typeId() == QMetaType::QString ? *static_cast<const QString*>(v.constData()) == keyText
                                                                   : v.toString() == keyText)
                           : kind == FieldKind::AutoInc ? v.toLongLong() == keyNumber
                                                        : v.toDateTime() == keyDate;
        if (equal)
            return rows_[i].values[r];
    }
    return {};
}

void Dataset::setOnFilterRecord(FilterFunction f)
{
    filter_ = std::move(f);
    if (filtered_ && active())
        refilter();
}

void Dataset::setFiltered(bool on)
{
    if (active())
        checkBrowseMode();
    filtered_ = on;
    if (active())
        rebuildVisible(-1);
}

void Dataset::refilter()
{
    if (!active())
        return;
    checkBrowseMode();
    rebuildVisible(-1);
}
