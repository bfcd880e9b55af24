#pragma once
// A prepared statement on a connection's sqlite3 handle, finalized on scope
// exit so that no read lock outlives the call that took it.
#include <QString>
#include <QVariant>
#include <sqlite3.h>

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement() { sqlite3_finalize(stmt_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    int prepareCode() const { return rc_; }
    bool ok() const { return rc_ == SQLITE_OK && stmt_; }
    sqlite3_stmt* get() const { return stmt_; }
    void bind(int index, const QVariant& value);  // 1-based
    int step() { return sqlite3_step(stmt_); }
    int columnCount() const { return sqlite3_column_count(stmt_); }
    QString columnName(int i) const;
    QString columnTable(int i) const;
    QString columnOrigin(int i) const;
    QString text(int i) const;
    bool isNull(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }
    sqlite3_int64 int64(int i) const { return sqlite3_column_int64(stmt_, i); }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

// Double-quoted identifier.
QString quoteIdentifier(const QString& name);
