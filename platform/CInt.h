#pragma once
// The engine's integer conversion CInt: numbers and numeric text rounded half
// to even into the 16-bit integer range; anything else is a type mismatch.
#include <QString>
#include <optional>

struct sqlite3;

struct CIntResult {
    std::optional<int> value;  // empty: the error below
    QString error;
};
CIntResult cintOfText(const QString& text);
CIntResult cintOfNumber(double number);

// Registers CInt(x) on one connection; NULL converts to NULL.
void registerCInt(sqlite3* db);
