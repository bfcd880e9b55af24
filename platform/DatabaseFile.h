#pragma once
// Writes a course database file from SQL text and protects it with a
// database password. The file appears complete or not at all: it is built
// beside the target and renamed into place.
#include <QString>

void writeDatabaseFile(const QString& path, const QString& sqlScript, const QString& password);
