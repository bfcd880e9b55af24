#include "paint.h"

#include <QDir>
#include <QImageWriter>
#include <QRadialGradient>
#include <QTextStream>
#include <cmath>

namespace pics {

float hashNoise(int x, int y, quint32 seed)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xffffff) / float(0xffffff);
}

static float smooth(float t) { return t * t * (3.f - 2.f * t); }

float valueNoise(float x, float y, quint32 seed)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const float fx = smooth(x - ix), fy = smooth(y - iy);
    const float a = hashNoise(ix, iy, seed), b = hashNoise(ix + 1, iy, seed);
    const float c = hashNoise(ix, iy + 1, seed), d = hashNoise(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float fbm(float x, float y, int octaves, quint32 seed)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + quint32(i) * 101u);
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void applyPaper(QImage &img, float clouds, float grain, float cloudScale, quint32 seed)
{
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const float c = fbm(x / cloudScale, y / cloudScale, 4, seed) - 0.5f;
            const float g = hashNoise(x, y, seed ^ 0x9e3779b9u) - 0.5f;
            const float f = 1.f + clouds * 2.f * c + grain * 2.f * g;
            const QRgb px = line[x];
            auto ch = [f](int v) { return qBound(0, int(std::lround(v * f)), 255); };
            line[x] = qRgba(ch(qRed(px)), ch(qGreen(px)), ch(qBlue(px)), qAlpha(px));
        }
    }
}

void applyVignette(QImage &img, float strength)
{
    const float cx = img.width() / 2.f, cy = img.height() / 2.f;
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const float dx = (x - cx) / cx, dy = (y - cy) / cy;
            const float d = std::min(1.f, (dx * dx + dy * dy) / 2.f);
            const float f = 1.f - strength * d * d;
            const QRgb px = line[x];
            line[x] = qRgba(int(qRed(px) * f), int(qGreen(px) * f), int(qBlue(px) * f), qAlpha(px));
        }
    }
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void drawSheet(QPainter &p, const QRectF &r, qreal fold, const QColor &paper)
{
    QPainterPath body;
    body.moveTo(r.left(), r.top());
    body.lineTo(r.right() - fold, r.top());
    body.lineTo(r.right(), r.top() + fold);
    body.lineTo(r.right(), r.bottom());
    body.lineTo(r.left(), r.bottom());
    body.closeSubpath();

    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, paper);
    g.setColorAt(1, mix(paper, QColor(0xc9, 0xd3, 0xe0), 0.55));
    p.setPen(QPen(QColor(0x6e, 0x7d, 0x92), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(g);
    p.drawPath(body);

    QPainterPath ear;
    ear.moveTo(r.right() - fold, r.top());
    ear.lineTo(r.right() - fold, r.top() + fold);
    ear.lineTo(r.right(), r.top() + fold);
    ear.closeSubpath();
    p.setBrush(vertical(QRectF(r.right() - fold, r.top(), fold, fold), QColor(0xe8, 0xed, 0xf4),
                        QColor(0xb4, 0xc0, 0xd0)));
    p.drawPath(ear);
}

void drawTextLines(QPainter &p, const QRectF &area, int lines, qreal pitch, const QColor &ink)
{
    p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < lines; ++i) {
        const qreal y = area.top() + i * pitch;
        // Ragged right edge so the lines read as text, not as a grid.
        const qreal shorten = (i % 3 == 2) ? area.width() * 0.35 : (i % 2 ? area.width() * 0.12 : 0);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right() - shorten, y));
    }
}

void drawMagnifier(QPainter &p, const QPointF &c, qreal r, qreal ring, qreal handle)
{
    // Handle first, so the rim overlaps its root.
    const qreal k = 0.7071;
    const QPointF root(c.x() + (r + ring * 0.3) * k, c.y() + (r + ring * 0.3) * k);
    const QPointF tip(root.x() + handle * k, root.y() + handle * k);
    const qreal hw = std::max<qreal>(2.6, ring * 1.55);
    p.setPen(QPen(QColor(0x3a, 0x24, 0x14), hw + 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root, tip);
    QLinearGradient hg(QPointF(root.x() + hw / 2, root.y() - hw / 2), QPointF(root.x() - hw / 2, root.y() + hw / 2));
    hg.setColorAt(0, QColor(0xc0, 0x7a, 0x3c));
    hg.setColorAt(1, QColor(0x6e, 0x3c, 0x18));
    p.setPen(QPen(QBrush(hg), hw, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root, tip);

    // Glass.
    QRadialGradient glass(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    glass.setColorAt(0, QColor(255, 255, 255, 235));
    glass.setColorAt(0.55, QColor(0xd6, 0xea, 0xfa, 215));
    glass.setColorAt(1, QColor(0x8d, 0xb9, 0xe0, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(c, r, r);

    // Rim: dark outline with a lighter metal body.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2c, 0x3e, 0x55), ring + 1.0));
    p.drawEllipse(c, r + ring / 2, r + ring / 2);
    QLinearGradient rim(c - QPointF(r, r), c + QPointF(r, r));
    rim.setColorAt(0, QColor(0xb8, 0xc8, 0xda));
    rim.setColorAt(1, QColor(0x4f, 0x66, 0x82));
    p.setPen(QPen(QBrush(rim), ring));
    p.drawEllipse(c, r + ring / 2, r + ring / 2);

    // Glint.
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max<qreal>(1.0, r * 0.16), Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.62, c.y() - r * 0.62, r * 1.24, r * 1.24), 100 * 16, 60 * 16);
}

void drawTick(QPainter &p, const QPointF &a, const QPointF &b, const QPointF &c, qreal width,
              const QColor &fill, const QColor &edge)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, width + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath questionMark(const QRectF &b)
{
    // A stroked hook and a dot, built from geometry so the output never
    // depends on which fonts happen to be installed.
    QPainterPath hook;
    const qreal w = b.width(), h = b.height();
    hook.moveTo(b.left() + w * 0.12, b.top() + h * 0.30);
    hook.cubicTo(b.left() + w * 0.12, b.top() + h * 0.02, b.left() + w * 0.88, b.top() + h * 0.00,
                 b.left() + w * 0.88, b.top() + h * 0.28);
    hook.cubicTo(b.left() + w * 0.88, b.top() + h * 0.48, b.left() + w * 0.50, b.top() + h * 0.50,
                 b.left() + w * 0.50, b.top() + h * 0.70);
    QPainterPathStroker st;
    st.setWidth(w * 0.26);
    st.setCapStyle(Qt::RoundCap);
    st.setJoinStyle(Qt::RoundJoin);
    QPainterPath out = st.createStroke(hook);
    out.addEllipse(QPointF(b.left() + w * 0.5, b.bottom() - w * 0.13), w * 0.15, w * 0.15);
    return out.simplified();
}

bool save(const QImage &img, const QString &dir, const QString &name, int quality)
{
    const QString path = QDir(dir).filePath(name);
    QImageWriter w(path);
    // For PNG, Qt reads "quality" as the inverse of the zlib level: 0 packs tightest.
    if (name.endsWith(QLatin1String(".png")))
        w.setQuality(0);
    else if (quality >= 0)
        w.setQuality(quality);
    const bool ok = w.write(img);
    QTextStream(stderr) << (ok ? "wrote " : "FAILED ") << path << (ok ? "" : " " + w.errorString()) << '\n';
    return ok;
}

} // namespace pics
