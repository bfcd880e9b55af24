#pragma once
#include <QLabel>

// A picture stretched to its rectangle that reports pointer moves over it.
class StretchedPicture : public QLabel {
    Q_OBJECT
public:
    explicit StretchedPicture(QWidget* parent = nullptr);

signals:
    void mouseMoved(QPoint position);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
