#pragma once
// Turning a course folder's Jet 4 Base.mdb into the SQLite Base.mdb the
// program opens, in place: the original is kept beside the result under a
// name that says what it is, and the new file appears only whole.
#include "converter/CourseWriter.h"
#include <QStringList>

struct ConversionResult {
    QString database;  // the converted file, now SQLite
    QString backup;    // the original Jet file, kept
    std::vector<CopiedTable> tables;
};

// The file a command-line argument names: a folder means its Base.mdb (its
// letter case as the folder has it).
QString databaseFileFor(const QString& argument);

// "Base.mdb" -> "Base.jet4.mdb", or "Base.jet4-2.mdb" and so on when that
// name is taken by a different file: an existing backup is never replaced.
// An existing file with the same content is reused.
QString backupPathFor(const QString& database);

// Reads rows from source and replaces database with the SQLite result.
// Raises ShellError; then nothing has been written: database, the folder
// and any backup are as they were.
ConversionResult replaceWithSqlite(TableSource& source, const QString& database,
                                   const ConvertOptions& options, const ProgressLine& progress);

// The whole command: checks the file, reads it with libmdb, converts it.
ConversionResult convertJetDatabase(const QString& database, const ConvertOptions& options,
                                    const ProgressLine& progress);

// courseshell-convert's main: messages to out and err, the exit status back.
int runConverter(const QStringList& arguments, const std::function<void(const QString&)>& out,
                 const std::function<void(const QString&)>& err);
