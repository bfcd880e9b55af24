#include "platform/IntegerText.h"
#include "platform/ShellError.h"
#include <limits>

int integerFromText(const QString& text)
{
    const auto fail = [&] {
        return ShellError(QStringLiteral("'%1' is not a valid integer value").arg(text),
                          QStringLiteral("EConvertError"));
    };
    int pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
        negative = text[pos++] == QLatin1Char('-');
    if (pos == text.size())
        throw fail();
    // Accumulate below zero so that the most negative int still fits.
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw fail();
        value = value * 10 + (c.unicode() - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            throw fail();
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        throw fail();
    return static_cast<int>(value);
}
