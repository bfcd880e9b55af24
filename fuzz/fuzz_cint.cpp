// CInt on any value: the SQL function (with its fast path for plain digits)
// and the conversions it falls back on agree, and every result is a 16-bit
// integer or a message.
#include "platform/CInt.h"
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sqlite3.h>

namespace {

sqlite3* database()
{
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        if (sqlite3_open(":memory:", &d) != SQLITE_OK)
            std::abort();
        registerCInt(d);
        return d;
    }();
    return db;
}

void checkRange(const CIntResult& r)
{
    if (r.value ? (*r.value < -32768 || *r.value > 32767 || !r.error.isEmpty()) : r.error.isEmpty())
        std::abort();
}

// CInt(?) with the value bound as text; nullopt for an SQL error.
std::optional<int> sqlCInt(const uint8_t* text, size_t size)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(database(), "SELECT CInt(?)", -1, &st, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_bind_text(st, 1, reinterpret_cast<const char*>(text), int(size), SQLITE_TRANSIENT);
    std::optional<int> out;
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW)
        out = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        const CIntResult r = cintOfNumber(d);
        checkRange(r);
        if (r.value && std::fabs(d - *r.value) > 0.5)
            std::abort();
    }
    // Text with a NUL is cut there by the engine's text functions: compare
    // on what both sides see.
    const size_t len = strnlen(reinterpret_cast<const char*>(data), size);
    const CIntResult direct = cintOfText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(len)));
    checkRange(direct);
    if (QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(len)).toUtf8()
        == QByteArray(reinterpret_cast<const char*>(data), qsizetype(len))) {
        const std::optional<int> viaSql = sqlCInt(data, len);
        if (viaSql != direct.value)
            std::abort();
    }
    return 0;
}
