#include "platform/LocaleText.h"
#include <QLocale>
#include <QRegularExpression>

QString longTimeText(const QTime& time)
{
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    // Drop the time zone field ("t", "tt", ...) and the blanks around it,
    // leaving quoted literal text alone.
    static const QRegularExpression zone(QStringLiteral("('[^']*')|\\s*t+\\s*"));
    QString result;
    qsizetype last = 0;
    for (auto it = zone.globalMatch(format); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result += format.mid(last, m.capturedStart() - last);
        if (m.capturedLength(1) > 0)
            result += m.captured(1);
        else if (m.capturedStart() > 0 && m.capturedEnd() < format.size())
            result += QLatin1Char(' ');
        last = m.capturedEnd();
    }
    result += format.mid(last);
    return QLocale().toString(time, result.trimmed());
}

QString shortDateText(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}
