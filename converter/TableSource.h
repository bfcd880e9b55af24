#pragma once
// The tables of a database being converted, as the reader hands them over:
// what the writer needs and no more, so that the mapping into the course
// database can be driven by rows from any source.
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

// The column types of a Jet 4 file.
enum class ColumnKind {
    Boolean,
    Byte,
    Integer,      // 16 bits
    LongInteger,  // 32 bits; also the auto-numbers
    Currency,
    Single,
    Double,
    DateTime,
    Binary,
    Text,
    OleObject,
    Memo,
    ReplicationId,
    Decimal,
    Unknown,
};

QString columnKindName(ColumnKind kind);

struct SourceColumn {
    QString name;
    ColumnKind kind = ColumnKind::Unknown;
    int size = 0;  // characters of a Text column, bytes of a Binary one
    int precision = 0;  // of a Decimal column
    int scale = 0;
};

struct SourceTable {
    QString name;
    std::vector<SourceColumn> columns;
    qint64 rowCount = 0;  // as the file's table definition states it
};

// One row, a value per column in column order. The value is
//   an invalid QVariant  for Null,
//   QString              for Text, Memo, ReplicationId, and for Currency and
//                        Decimal as exact decimal text ("3.5000"),
//   QString              "YYYY-MM-DD HH:MM:SS" for DateTime, the wall-clock
//                        time the file holds (Jet stores no time zone),
//   qint64               for Boolean (0 or 1), Byte, Integer, LongInteger,
//   double               for Single and Double,
//   QByteArray           for Binary and OleObject.
using SourceRow = std::vector<QVariant>;
using RowHandler = std::function<void(const SourceRow&)>;

class TableSource {
public:
    virtual ~TableSource() = default;
    // User tables only, in the file's order.
    virtual const std::vector<SourceTable>& tables() const = 0;
    // Every row of the table in the file's order. Raises ShellError when the
    // rows cannot be read whole.
    virtual void readRows(const SourceTable& table, const RowHandler& handle) = 0;
};
