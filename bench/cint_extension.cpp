// CInt as an SQLite loadable extension, so the sqlite3 shell can run the
// results query exactly as the program does: the floor of that figure.
#include "platform/CInt.h"
#include <sqlite3.h>

extern "C" int sqlite3_extension_init(sqlite3* db, char**, const void*)
{
    registerCInt(db);
    return SQLITE_OK;
}
