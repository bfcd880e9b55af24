// Shared drawing helpers for the picture generator: deterministic noise,
// colour mixing, gradients and the few shapes several icons reuse.
#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace pics {

// Hash-based value noise: the same seed always gives the same field, on any
// machine, without a random generator's internal state to keep in step.
float hashNoise(int x, int y, quint32 seed);
float valueNoise(float x, float y, quint32 seed);
// Fractal sum of value noise, roughly in 0..1.
float fbm(float x, float y, int octaves, quint32 seed);

QColor mix(const QColor &a, const QColor &b, qreal t);
QColor withAlpha(QColor c, int alpha);

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom);

// Soft paper look: low-frequency clouds plus fine grain, multiplied into the
// image. Strengths are fractions of full brightness.
void applyPaper(QImage &img, float clouds, float grain, float cloudScale, quint32 seed);

// Darkens the corners a little so a background feels framed.
void applyVignette(QImage &img, float strength);

// An antialiased painter with the usual hints.
void prepare(QPainter &p);

// Transparent ARGB canvas for icons.
QImage canvas(int w, int h);

// Icon parts shared by several pictures.
void drawSheet(QPainter &p, const QRectF &r, qreal fold, const QColor &paper = QColor(0xfd, 0xfd, 0xfb));
void drawTextLines(QPainter &p, const QRectF &area, int lines, qreal pitch, const QColor &ink);
void drawMagnifier(QPainter &p, const QPointF &centre, qreal radius, qreal ring, qreal handle);
void drawTick(QPainter &p, const QPointF &a, const QPointF &b, const QPointF &c, qreal width,
              const QColor &fill, const QColor &edge);
QPainterPath questionMark(const QRectF &box);

bool save(const QImage &img, const QString &dir, const QString &name, int quality = -1);

} // namespace pics
