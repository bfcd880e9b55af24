#pragma once
// Writes the tables of a source database into a new SQLite file that the
// program opens as its course database: Users, Vopros and Rezult in the
// program's own schema, every other table copied with matching column types,
// and the database password of the connection string.
#include "converter/TableSource.h"
#include <QStringList>

struct ConvertOptions {
    // Off: the file need not be a course database; its tables are copied as
    // they are (with the password), for moving other Access data.
    bool requireCourseTables = true;
    // A course text longer than its field's size is refused unless this is
    // on; then it is stored whole, as the program reads stored values whole.
    bool keepLongValues = false;
    // How often a long table reports how far it has got.
    qint64 progressIntervalMs = 1000;
};

struct CopiedTable {
    QString source;
    QString target;
    qint64 rows = 0;
};

using ProgressLine = std::function<void(const QString&)>;

// One field of a course table, as the program's datasets declare it.
struct CourseField {
    enum Kind { Text, AutoNumber, DateTime };
    QString name;
    Kind kind = Text;
    int size = 0;  // characters, for Text
};

struct CourseTableSchema {
    QString name;
    QString createSql;  // exactly as the program's own course database has it
    std::vector<CourseField> fields;
};

const std::vector<CourseTableSchema>& courseTableSchemas();

// Creates the database at path, which must not exist or be empty. Raises
// ShellError, naming the table, row and field, for anything that cannot be
// converted faithfully; the caller then discards the file.
std::vector<CopiedTable> writeSqliteDatabase(TableSource& source, const QString& path,
                                             const QString& password, const ConvertOptions& options,
                                             const ProgressLine& progress);
