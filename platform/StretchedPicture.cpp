#include "platform/StretchedPicture.h"
#include <QMouseEvent>

StretchedPicture::StretchedPicture(QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
    setMouseTracking(true);
}

void StretchedPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QLabel::mouseMoveEvent(event);
}
