#include "platform/ConnectionString.h"
#include "platform/ShellError.h"

const QString kCourseConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=Base.mdb;Mode=Share Deny None;"
    "Persist Security Info=False;Jet OLEDB:System database=\"\";Jet OLEDB:Registry Path=\"\";"
    "Jet OLEDB:Database Password=K#m4t;Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking Mode=1;"
    "Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;"
    "Jet OLEDB:New Database Password=\"\";Jet OLEDB:Create System Database=False;"
    "Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't Copy Locale on Compact=False;"
    "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False");

namespace {

// A value in double quotes may hold ";" and "=", and "" stands for one quote.
QString unquote(const QString& raw)
{
    if (raw.size() >= 2 && raw.front() == QLatin1Char('"') && raw.back() == QLatin1Char('"'))
        return raw.mid(1, raw.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return raw;
}

} // namespace

ConnectionString::ConnectionString(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n) {
        // A key ends at the first "=" of its own pair: a ";" before it
        // closes a pair without a value (empty pairs, ";;", are allowed).
        const int eq = text.indexOf(QLatin1Char('='), i);
        const int pairEnd = text.indexOf(QLatin1Char(';'), i);
        if (eq < 0 || (pairEnd >= 0 && pairEnd < eq)) {
            const QString part = text.mid(i, (pairEnd < 0 ? n : pairEnd) - i).trimmed();
            if (part.isEmpty() && pairEnd >= 0) {
                i = pairEnd + 1;
                continue;
            }
            if (part.isEmpty())
                break;
            throw ShellError(QStringLiteral("Неверная строка подключения: после «%1» нет знака «=»").arg(part));
        }
        const QString key = text.mid(i, eq - i).trimmed();
        if (key.isEmpty())
            throw ShellError(QStringLiteral("Неверная строка подключения: пустое имя ключа"));
        int j = eq + 1;
        while (j < n && text[j] == QLatin1Char(' '))
            ++j;
        int end = j;
        if (j < n && text[j] == QLatin1Char('"')) {
            end = j + 1;
            for (;;) {
                if (end >= n)
                    throw ShellError(QStringLiteral("Неверная строка подключения: не закрыта кавычка у ключа «%1»")
                                         .arg(key));
                if (text[end] == QLatin1Char('"')) {
                    if (end + 1 < n && text[end + 1] == QLatin1Char('"')) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
            const int semi = text.indexOf(QLatin1Char(';'), end);
            if (!text.mid(end, (semi < 0 ? n : semi) - end).trimmed().isEmpty())
                throw ShellError(QStringLiteral("Неверная строка подключения: лишний текст после значения ключа «%1»")
                                     .arg(key));
            pairs_.emplace_back(key, unquote(text.mid(j, end - j)));
            i = semi < 0 ? n : semi + 1;
        } else {
            const int semi = text.indexOf(QLatin1Char(';'), j);
            end = semi < 0 ? n : semi;
            pairs_.emplace_back(key, text.mid(j, end - j).trimmed());
            i = semi < 0 ? n : semi + 1;
        }
    }
}

QString ConnectionString::value(const QString& key) const
{
    for (const auto& [k, v] : pairs_)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

bool ConnectionString::contains(const QString& key) const
{
    for (const auto& [k, v] : pairs_)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
