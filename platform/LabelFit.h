#pragma once
#include <QLabel>

// The installed substitutes of the designed fonts may run wider: a label
// keeps its left edge and grows to its text instead of losing letters.
inline void widenToText(QLabel* label)
{
    label->ensurePolished();
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}
