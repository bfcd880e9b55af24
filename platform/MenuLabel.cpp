#include "platform/MenuLabel.h"
#include <QMouseEvent>

MenuLabel::MenuLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void MenuLabel::fitToText()
{
    ensurePolished();
    const int width = fontMetrics().horizontalAdvance(text()) + 2 * margin() + 2;
    const QRect g = geometry();
    setGeometry(g.center().x() - width / 2, g.top(), width, g.height());
}

void MenuLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressedHere_ = true;
    event->accept();
}

void MenuLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool inside = rect().contains(pos);
    const bool left = event->button() == Qt::LeftButton;
    // Only a left press keeps the pointer on the label until release; the
    // release of another button belongs to the label only when it is over it.
    if (left || inside)
        emit mouseUp(event->button(), pos);
    if (left) {
        const bool click = leftPressedHere_ && inside;
        leftPressedHere_ = false;
        if (click)
            emit clicked();
    }
    event->accept();
}

void MenuLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    event->accept();
}
