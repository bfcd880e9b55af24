#include "platform/CInt.h"
#include <QRegularExpression>
#include <cmath>
#include <sqlite3.h>

namespace {

constexpr double kMin = -32768;
constexpr double kMax = 32767;

double roundHalfEven(double d)
{
    double r = std::floor(d);
    const double diff = d - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    return r;
}

// Whole numbers written as plain digits, as every stored result is: read
// straight from the engine's bytes. Anything else takes the full path.
bool plainInteger(const unsigned char* p, int n, long long& out)
{
    int i = 0;
    while (i < n && p[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (p[i] == '-' || p[i] == '+'))
        negative = p[i++] == '-';
    const int start = i;
    long long v = 0;
    while (i < n && p[i] >= '0' && p[i] <= '9' && i - start < 12)
        v = v * 10 + (p[i++] - '0');
    if (i == start)
        return false;
    while (i < n && p[i] == ' ')
        ++i;
    if (i != n)
        return false;
    out = negative ? -v : v;
    return true;
}

void cintFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        long long v;
        if (plainInteger(sqlite3_value_text(argv[0]), sqlite3_value_bytes(argv[0]), v) && v >= kMin && v <= kMax) {
            sqlite3_result_int(ctx, int(v));
            return;
        }
    }
    CIntResult r;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(ctx);
        return;
    case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_value_int64(argv[0]);
        if (v < kMin || v > kMax)
            r.error = QStringLiteral("CInt: переполнение: %1 вне диапазона от -32768 до 32767").arg(v);
        else
            r.value = int(v);
        break;
    }
    case SQLITE_FLOAT:
        r = cintOfNumber(sqlite3_value_double(argv[0]));
        break;
    case SQLITE_TEXT:
        r = cintOfText(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                                         sqlite3_value_bytes(argv[0])));
        break;
    default:
        r.error = QStringLiteral("CInt: несоответствие типов: двоичные данные не являются числом");
        break;
    }
    if (r.value) {
        sqlite3_result_int(ctx, *r.value);
    } else {
        const QByteArray msg = r.error.toUtf8();
        sqlite3_result_error(ctx, msg.constData(), int(msg.size()));
    }
}

} // namespace

CIntResult cintOfNumber(double number)
{
    if (!std::isfinite(number))
        return {std::nullopt, QStringLiteral("CInt: переполнение: значение вне диапазона от -32768 до 32767")};
    const double r = roundHalfEven(number);
    if (r < kMin || r > kMax)
        return {std::nullopt, QStringLiteral("CInt: переполнение: %1 вне диапазона от -32768 до 32767")
                                  .arg(number, 0, 'g', 17)};
    return {int(r), {}};
}

CIntResult cintOfText(const QString& text)
{
    // Either decimal separator is accepted: results are written with the
    // locale's one, which differs between machines sharing the file.
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch()) {
        return {std::nullopt, t.isEmpty()
                                  ? QStringLiteral("CInt: несоответствие типов: пустая строка не является числом")
                                  : QStringLiteral("CInt: несоответствие типов: «%1» не является числом").arg(text)};
    }
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    CIntResult r = cintOfNumber(c.toDouble());
    if (!r.value)
        r.error = QStringLiteral("CInt: переполнение: «%1» вне диапазона от -32768 до 32767").arg(text);
    return r;
}

void registerCInt(sqlite3* db)
{
    sqlite3_create_function_v2(db, "CInt", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, cintFunction,
                               nullptr, nullptr, nullptr);
}
