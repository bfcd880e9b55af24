#pragma once
// Paths of course files are constants relative to the course folder, the
// process's current directory, written with "\" as on the original desktop.
#include <QString>

// "docs\Отладка.wmv" -> "<current dir>/docs/Отладка.wmv"
QString courseFilePath(const QString& relative);
