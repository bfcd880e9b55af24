#pragma once
// Whole numbers typed by the user, read the strict way: an optional sign and
// decimal digits, nothing else, within the range of int.
#include <QString>

// Raises "'<text>' is not a valid integer value" for anything else.
int integerFromText(const QString& text);
