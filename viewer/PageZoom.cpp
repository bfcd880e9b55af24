#include "viewer/PageZoom.h"
#include "platform/IntegerText.h"

int zoomNumber(const QString& text)
{
    QString digits = text;
    const qsizetype percent = digits.indexOf(QLatin1Char('%'));
    if (percent >= 0)
        digits.remove(percent, 1);
    return integerFromText(digits);
}

QString zoomedInText(const QStringList& list, const QString& text)
{
    const int current = zoomNumber(text);
    if (list.isEmpty())
        return text;
    if (current < zoomNumber(list.first()))
        return list.first();
    for (qsizetype i = 1; i < list.size(); ++i)
        if (zoomNumber(list[i - 1]) <= current && current < zoomNumber(list[i]))
            return list[i];
    return list.last();
}

QString zoomedOutText(const QStringList& list, const QString& text)
{
    const int current = zoomNumber(text);
    if (list.isEmpty())
        return text;
    if (current > zoomNumber(list.last()))
        return list.last();
    for (qsizetype i = list.size() - 1; i >= 1; --i) {
        const int here = zoomNumber(list[i]);
        if (current >= here || (zoomNumber(list[i - 1]) < current && current < here))
            return list[i - 1];
    }
    return kZoomFloorText;
}
