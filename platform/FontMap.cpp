#include "platform/FontMap.h"
#include <QFont>
#include <QStringList>

void installFontMap()
{
    // Caladea matches Cambria's metrics but has no Cyrillic; PT Serif does.
    QFont::insertSubstitutions(QStringLiteral("Cambria"), QStringList{"PT Serif", "Liberation Serif"});
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{"Liberation Sans"});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList{"Liberation Serif"});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), QStringList{"Andika", "DejaVu Sans"});
}
