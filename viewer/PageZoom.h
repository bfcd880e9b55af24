#pragma once
// The zoom value of a viewer screen is text ("125%"); the magnifier buttons
// step it through the zoom box's list, read as data.
#include <QString>
#include <QStringList>

// The text with its first "%" removed, wherever it stands, read as a whole
// number; raises the conversion error for anything else.
int zoomNumber(const QString& text);
// The text the zoom box gets from a zoom in / zoom out click.
QString zoomedInText(const QStringList& list, const QString& text);
QString zoomedOutText(const QStringList& list, const QString& text);
// The text below the first list item that zooming out ends at.
inline const QString kZoomFloorText = QStringLiteral("70%");
