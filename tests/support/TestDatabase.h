#pragma once
// Course database files for the suites, and a second connection of our own
// to look at them as another process would.
#include <QString>
#include <QVariant>

// The SQL source of the sample course database.
QString sampleSql();
// Base.mdb from the sample source, protected by `password`, plus `extraSql`.
void writeSampleDatabase(const QString& path, const QString& extraSql = {},
                         const QString& password = QStringLiteral("K#m4t"));
// The first column of the first row of `sql`, read through a raw SQLite
// connection that has nothing to do with the program's.
QVariant scalar(const QString& path, const QString& sql);
// Runs `sql` on such a raw connection; false and the message on failure.
bool execute(const QString& path, const QString& sql, QString* error = nullptr);
QByteArray fileBytes(const QString& path);

// Makes a temporary folder holding the sample Base.mdb the current
// directory, so that the database screens open as the program's do. The
// folder lives until the process ends.
void enterSampleCourse();
