#pragma once
#include <QLabel>

// A label that acts as a menu item: a click (left press and release both on
// the label), the release of any button with its position, and pointer moves.
class MenuLabel : public QLabel {
    Q_OBJECT
public:
    explicit MenuLabel(QWidget* parent = nullptr);
    // Sizes the label to its text around the centre it was laid out with, so
    // a font wider or narrower than the designed one neither clips nor shifts.
    void fitToText();

signals:
    void clicked();
    void mouseUp(Qt::MouseButton button, QPoint position);
    void mouseMoved(QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool leftPressedHere_ = false;
};
