#include "platform/SqliteStatement.h"
#include <QDateTime>

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    rc_ = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt_, nullptr);
}

void SqliteStatement::bind(int index, const QVariant& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        return;
    case QMetaType::Double:
        sqlite3_bind_double(stmt_, index, value.toDouble());
        return;
    case QMetaType::QDateTime: {
        const QByteArray t = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
        sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        return;
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

QString SqliteStatement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(stmt_, i));
}

QString SqliteStatement::columnTable(int i) const
{
    return QString::fromUtf8(sqlite3_column_table_name(stmt_, i));
}

QString SqliteStatement::columnOrigin(int i) const
{
    return QString::fromUtf8(sqlite3_column_origin_name(stmt_, i));
}

QString SqliteStatement::text(int i) const
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)),
                             sqlite3_column_bytes(stmt_, i));
}

QString quoteIdentifier(const QString& name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}
