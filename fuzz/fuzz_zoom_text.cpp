// The viewer's zoom text on anything typed into the zoom box: a number or
// the conversion error, and the magnifier steps always land on the box's
// list (or the floor below it). A second line onwards replaces the list.
#include "platform/IntegerText.h"
#include "platform/ShellError.h"
#include "viewer/PageZoom.h"
#include <cstdint>
#include <cstdlib>

namespace {

const QStringList kZoomList{QStringLiteral("75%"), QStringLiteral("100%"),
                            QStringLiteral("125%"), QStringLiteral("150%"), QStringLiteral("175%")};

void checkStep(const QStringList& list, const QString& text, const QString& result, bool out)
{
    if (list.isEmpty() ? result != text : !(list.contains(result) || (out && result == kZoomFloorText)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));
    const QString text = lines.first();
    const QStringList list = lines.size() > 1 ? lines.mid(1) : kZoomList;
    try {
        const int n = zoomNumber(text);
        QString digits = text;
        digits.remove(digits.indexOf(QLatin1Char('%')), text.contains(QLatin1Char('%')) ? 1 : 0);
        if (integerFromText(digits) != n)
            std::abort();
        if (zoomNumber(QString::number(n) + QLatin1Char('%')) != n)
            std::abort();
    } catch (const ShellError&) {
    }
    try {
        checkStep(list, text, zoomedInText(list, text), false);
    } catch (const ShellError&) {
    }
    try {
        checkStep(list, text, zoomedOutText(list, text), true);
    } catch (const ShellError&) {
    }
    return 0;
}
