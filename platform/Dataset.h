#pragma once
// A dataset over one table or one SQL query of a connection, with the
// semantics the screens rely on: a static snapshot read at open that shows
// its own inserts, edits and deletions (each stored in the file at once, in
// its own BEGIN IMMEDIATE transaction) and not other connections' rows until
// reopened; a record filter callback; Lookup over all rows; text fields cut
// to their declared size when assigned. Values reach the engine only as
// bound parameters.
#include "platform/DbField.h"
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <vector>

class DbConnection;

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using FilterFunction = std::function<bool(const Dataset& ds, const QVariantMap& row)>;

    Dataset(DbConnection* connection, QList<FieldDef> fields, QObject* parent = nullptr);
    ~Dataset() override;

    void setTableName(const QString& table);  // table dataset
    QString tableName() const { return table_; }
    QStringList& sql() { return sql_; }       // query dataset: lines joined with "\n"

    // open() on an open dataset does nothing; a query whose text changed
    // since it was opened counts as closed, as changing the text closes it.
    void open();
    void close();
    bool active() const;
    State state() const { return active() ? state_ : State::Inactive; }
    // Whether rows can be stored through it (a table, or a query over the
    // columns of one table).
    bool canModify() const { return updatable_ && !readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    DbConnection* connection() const { return connection_; }

    int recordCount() const { return int(visible_.size()); }
    int recNo() const { return cur_; }
    void first();
    void last();
    void next();
    void prior();
    void setRecNo(int row);
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    QVariant value(const QString& field) const;
    void setValue(const QString& field, const QVariant& value);
    // The value shown in visible row `row`, column `field` (edit buffer for
    // the row being edited).
    QVariant valueAt(int row, int field) const;
    int fieldIndex(const QString& name) const;
    bool modified() const { return modified_; }

    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    // Posts or cancels a pending edit, as moving off the row does.
    void checkBrowseMode();
    void refresh();

    QVariant lookup(const QString& keyField, const QVariant& key, const QString& resultField) const;

    void setOnFilterRecord(FilterFunction f);
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    void refilter();

    const QList<FieldDef>& fields() const { return fields_; }
    // The table (or "query") an error message names.
    QString sourceName() const;

signals:
    void dataChanged();            // rows added, removed or re-read
    void recordChanged(int row);   // values of one visible row
    void currentChanged();
    void stateChanged();
    // Emitted before the dataset stores or leaves an edit: controls with a
    // value still being typed hand it over now.
    void updateRecord();

private:
    friend class DbConnection;
    struct Row {
        qint64 rowid = 0;
        QVariantList values;
    };
    void readRows(std::vector<Row>& out, QString& baseTable) const;
    void checkTable(const QString& table, const QList<int>& fieldsToCheck) const;
    QVariant readColumn(const class SqliteStatement& st, int column, int field) const;
    QVariant converted(int field, const QVariant& value) const;
    bool accepts(const Row& row) const;
    void rebuildVisible(int keepRowIndex);
    void beginInsert(int visiblePos);
    void dropCurrentRow();  // from the snapshot only
    void setState(State s);
    void moveTo(int row);
    void requireField(int index, const QString& name) const;
    void requireActive() const;
    template <class F> void write(F&& statements);
    QString joinedSql() const { return sql_.join(QLatin1Char('\n')); }
    int rowIndexOfCurrent() const { return cur_ < 0 ? -1 : visible_[cur_]; }

    DbConnection* connection_;
    QList<FieldDef> fields_;
    QString table_;
    QStringList sql_;
    QString openedSql_;
    QString baseTable_;     // where rows are stored; empty: read-only query
    bool updatable_ = false;
    bool readOnly_ = false;
    bool active_ = false;
    State state_ = State::Inactive;
    std::vector<Row> rows_;
    std::vector<int> visible_;  // indexes into rows_
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    QVariantList buffer_;
    std::vector<bool> changedFields_;
    bool modified_ = false;
    FilterFunction filter_;
    bool filtered_ = false;
};
