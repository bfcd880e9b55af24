// Backgrounds and plates: the main menu picture, the light window background,
// the menu strip and the purple button face.
#include "paint.h"

#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <vector>

namespace pics {

namespace {

// The main menu shows its bitmap stretched to 807 × 508 (placed 5 px above
// the client area). It is painted in those display coordinates, at twice the
// resolution, and only then squeezed to the stored 691 × 519, so circles come
// out round on screen.
constexpr int kMenuW = 807, kMenuH = 508;
constexpr int kMenuStoredW = 691, kMenuStoredH = 519;
// Frosted panel behind the column of menu strips (display coordinates).
const QRectF kMenuPanel(462, 126, 271, 342);
// Where the strips lie, to sample the colour the strip's corners blend into.
const QRectF kStripColumn(477, 141, 241, 313);

const QColor kNavyTop(0x14, 0x2c, 0x4a);
const QColor kNavyBottom(0x1d, 0x45, 0x6c);
const QColor kSteel(0x2f, 0x62, 0x8c);
const QColor kTeal(0x84, 0xd8, 0xe8);
const QColor kGold(0xf3, 0xc8, 0x72);

struct Node {
    QPointF pos;
    qreal size;
    bool warm;
};

std::vector<Node> networkNodes()
{
    // Hand-placed so the cluster reads as a composed illustration; a seeded
    // jitter keeps it from looking laid out on a grid.
    const QPointF base[] = {
        {92, 138},  {168, 96},  {262, 122}, {340, 92},  {372, 188}, {300, 208},
        {212, 232}, {126, 228}, {70, 306},  {158, 318}, {246, 330}, {334, 296},
        {388, 362}, {292, 398}, {190, 408}, {104, 392},
    };
    QRandomGenerator rng(20240517u);
    std::vector<Node> nodes;
    int i = 0;
    for (const QPointF &b : base) {
        const QPointF jitter(rng.bounded(18.0) - 9.0, rng.bounded(18.0) - 9.0);
        // Squeezed into the band below the code card.
        const QPointF at(b.x(), 168 + (b.y() - 92) * 0.78);
        const bool hub = (i == 6 || i == 2 || i == 11 || i == 15);
        nodes.push_back({at + jitter, hub ? 5.5 : 2.6 + rng.bounded(1.6), i == 6 || i == 11});
        ++i;
    }
    return nodes;
}

std::vector<std::pair<int, int>> networkEdges(const std::vector<Node> &nodes)
{
    // Each node joins its three nearest neighbours: a mesh, as in a real
    // backbone, rather than a star.
    std::vector<std::pair<int, int>> edges;
    const int n = int(nodes.size());
    for (int i = 0; i < n; ++i) {
        std::vector<std::pair<qreal, int>> d;
        for (int j = 0; j < n; ++j)
            if (j != i) {
                const QPointF v = nodes[j].pos - nodes[i].pos;
                d.push_back({v.x() * v.x() + v.y() * v.y(), j});
            }
        std::sort(d.begin(), d.end());
        for (int k = 0; k < 3; ++k) {
            const int a = std::min(i, d[k].second), b = std::max(i, d[k].second);
            if (std::find(edges.begin(), edges.end(), std::make_pair(a, b)) == edges.end())
                edges.push_back({a, b});
        }
    }
    return edges;
}

void drawGlowDot(QPainter &p, const QPointF &c, qreal r, const QColor &col)
{
    QRadialGradient g(c, r * 4.5);
    g.setColorAt(0, withAlpha(col, 120));
    g.setColorAt(0.35, withAlpha(col, 40));
    g.setColorAt(1, withAlpha(col, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r * 4.5, r * 4.5);
    QRadialGradient core(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    core.setColorAt(0, QColor(255, 255, 255));
    core.setColorAt(1, col);
    p.setBrush(core);
    p.drawEllipse(c, r, r);
}

QPainterPath curlyBrace(const QPointF &top, qreal height, qreal depth, bool opening)
{
    // One brace as a single stroke: two S-curves meeting at the middle point.
    const qreal s = opening ? 1 : -1;
    const qreal h = height / 2;
    const QPointF mid(top.x() - s * depth, top.y() + h);
    QPainterPath path(top + QPointF(s * depth * 0.6, 0));
    path.cubicTo(top + QPointF(-s * depth * 0.1, 0), top + QPointF(0, h * 0.1), top + QPointF(0, h * 0.45));
    path.cubicTo(top + QPointF(0, h * 0.85), mid + QPointF(s * depth * 0.3, 0), mid);
    path.cubicTo(mid + QPointF(s * depth * 0.3, 0), top + QPointF(0, h * 1.15), top + QPointF(0, h * 1.55));
    path.cubicTo(top + QPointF(0, h * 1.9), top + QPointF(-s * depth * 0.1, height), top + QPointF(s * depth * 0.6, height));
    return path;
}

void drawWaves(QPainter &p, qreal fadeFrom, qreal fadeTo, qreal width)
{
    struct Wave {
        qreal base, amp, period, phase, pen;
        QColor col;
        int alpha;
    };
    const Wave waves[] = {
        {448, 16, 210, 0.0, 2.2, kTeal, 120},
        {456, 11, 150, 1.3, 1.4, QColor(0xb9, 0xe6, 0xf0), 90},
        {440, 22, 290, 2.4, 1.2, kTeal, 70},
        {466, 8, 120, 0.6, 1.0, kGold, 80},
    };
    for (const Wave &w : waves) {
        QPainterPath path;
        for (qreal x = -10; x <= width + 10; x += 2) {
            // The amplitude swells towards the left, where the illustration is.
            const qreal env = 0.55 + 0.45 * std::cos(std::min(1.0, x / fadeTo) * M_PI / 2);
            const QPointF pt(x, w.base + w.amp * env * std::sin(2 * M_PI * x / w.period + w.phase));
            if (x <= -10)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        QLinearGradient g(QPointF(0, 0), QPointF(fadeTo, 0));
        g.setColorAt(0, withAlpha(w.col, w.alpha));
        g.setColorAt(fadeFrom / fadeTo, withAlpha(w.col, w.alpha));
        g.setColorAt(1, withAlpha(w.col, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(g), w.pen, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
}

void drawCodeCard(QPainter &p, const QRectF &r)
{
    // A small translucent "editor" with coloured bars for lines of code:
    // reads as programming without carrying any text.
    QPainterPath card;
    card.addRoundedRect(r, 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawPath(card);
    const QColor dots[] = {QColor(0xf0, 0x8a, 0x7e), kGold, QColor(0x9c, 0xdc, 0x8e)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(dots[i], 130));
        p.drawEllipse(QPointF(r.left() + 12 + i * 10, r.top() + 11), 3, 3);
    }
    p.setPen(QPen(QColor(255, 255, 255, 36), 1));
    p.drawLine(QPointF(r.left() + 1, r.top() + 22), QPointF(r.right() - 1, r.top() + 22));
    struct Bar {
        int indent;
        qreal len;
        QColor col;
    };
    const Bar bars[] = {
        {0, 46, QColor(0xc7, 0x9c, 0xf0)}, {0, 28, kTeal},     {1, 62, QColor(0x9c, 0xdc, 0x8e)},
        {1, 38, kGold},                     {2, 50, kTeal},     {1, 20, QColor(0xc7, 0x9c, 0xf0)},
        {0, 12, QColor(0xe0, 0xe6, 0xee)},
    };
    qreal y = r.top() + 33;
    for (const Bar &b : bars) {
        const qreal x = r.left() + 14 + b.indent * 14;
        p.setPen(QPen(withAlpha(b.col, 120), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(std::min(r.right() - 14, x + b.len), y));
        // A second token on some lines, as keywords and names alternate.
        if (b.len > 25 && b.len < 55) {
            const qreal x2 = x + b.len + 9;
            p.setPen(QPen(QColor(255, 255, 255, 60), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x2, y), QPointF(std::min(r.right() - 14, x2 + 16), y));
        }
        y += 11;
    }
}

void drawAntenna(QPainter &p, const QPointF &foot, qreal h)
{
    // A slim radio mast with a few broadcast arcs: the telecom half of the theme.
    const QPointF top(foot.x(), foot.y() - h);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 95), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mast;
    mast.moveTo(foot + QPointF(-h * 0.22, 0));
    mast.lineTo(top);
    mast.lineTo(foot + QPointF(h * 0.22, 0));
    for (int i = 1; i <= 3; ++i) {
        const qreal t = i / 4.0;
        const qreal y = top.y() + h * t, half = h * 0.22 * t;
        mast.moveTo(QPointF(foot.x() - half, y));
        mast.lineTo(QPointF(foot.x() + half, y));
    }
    p.drawPath(mast);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 9 + i * 9;
        p.setPen(QPen(withAlpha(kTeal, 150 - i * 35), 1.6, Qt::SolidLine, Qt::RoundCap));
        const QRectF box(top.x() - r, top.y() - r, 2 * r, 2 * r);
        p.drawArc(box, -40 * 16, 80 * 16);
        p.drawArc(box, 140 * 16, 80 * 16);
    }
    drawGlowDot(p, top, 2.6, kGold);
}

QImage paintMenuScene()
{
    const int k = 2;
    QImage img(kMenuW * k, kMenuH * k, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    p.scale(k, k);

    // Base: deep navy, lifting to steel blue at the lower right.
    QLinearGradient base(QPointF(0, 0), QPointF(kMenuW, kMenuH));
    base.setColorAt(0, kNavyTop);
    base.setColorAt(0.6, kNavyBottom);
    base.setColorAt(1, kSteel);
    p.fillRect(QRectF(0, 0, kMenuW, kMenuH), base);

    // Soft light behind the illustration.
    QRadialGradient glow(QPointF(230, 290), 300);
    glow.setColorAt(0, QColor(0x4d, 0x8d, 0xbf, 120));
    glow.setColorAt(0.6, QColor(0x3a, 0x74, 0xa6, 40));
    glow.setColorAt(1, QColor(0x3a, 0x74, 0xa6, 0));
    p.fillRect(QRectF(0, 0, kMenuW, kMenuH), glow);

    // Faint dot grid, fading out towards the menu column.
    for (int y = 12; y < kMenuH; y += 22)
        for (int x = 12; x < kMenuW; x += 22) {
            const qreal fade = std::clamp(1.0 - (x - 300) / 200.0, 0.25, 1.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, int(14 * fade)));
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }

    const auto nodes = networkNodes();
    const QPointF hub = nodes[6].pos;

    // Signal spreading from the central hub.
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 7; ++i) {
        const qreal r = 34 * i;
        p.setPen(QPen(QColor(255, 255, 255, std::max(4, 34 - i * 4)), 1.0));
        p.drawEllipse(hub, r, r);
    }

    // Code braces around the network.
    p.setPen(QPen(QColor(255, 255, 255, 34), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curlyBrace(QPointF(36, 138), 300, 18, true));
    p.drawPath(curlyBrace(QPointF(428, 138), 300, 18, false));

    drawCodeCard(p, QRectF(60, 22, 150, 104));

    // Links.
    const auto edges = networkEdges(nodes);
    for (const auto &[a, b] : edges) {
        QLinearGradient g(nodes[a].pos, nodes[b].pos);
        g.setColorAt(0, withAlpha(kTeal, 110));
        g.setColorAt(0.5, withAlpha(kTeal, 55));
        g.setColorAt(1, withAlpha(kTeal, 110));
        p.setPen(QPen(QBrush(g), 1.3));
        p.drawLine(nodes[a].pos, nodes[b].pos);
    }
    // Packets travelling along a few links, with short fading trails.
    QRandomGenerator rng(77u);
    for (size_t i = 0; i < edges.size(); i += 3) {
        const QPointF a = nodes[edges[i].first].pos, b = nodes[edges[i].second].pos;
        const qreal t = 0.3 + rng.bounded(0.4);
        const QPointF at = a + (b - a) * t, tail = a + (b - a) * std::max(0.0, t - 0.18);
        QLinearGradient g(tail, at);
        g.setColorAt(0, withAlpha(kGold, 0));
        g.setColorAt(1, withAlpha(kGold, 200));
        p.setPen(QPen(QBrush(g), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, at);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xf0, 0xc8));
        p.drawEllipse(at, 1.8, 1.8);
    }
    for (const Node &n : nodes) {
        if (n.size > 5) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(withAlpha(n.warm ? kGold : kTeal, 120), 1.2));
            p.drawEllipse(n.pos, n.size + 5, n.size + 5);
        }
        drawGlowDot(p, n.pos, n.size, n.warm ? kGold : kTeal);
    }

    drawAntenna(p, QPointF(60, 500), 64);
    drawWaves(p, 300, 640, kMenuW);

    // Frosted panel for the menu column.
    QPainterPath panel;
    panel.addRoundedRect(kMenuPanel, 14, 14);
    for (int i = 6; i >= 1; --i) {
        QPainterPath sh;
        sh.addRoundedRect(kMenuPanel.adjusted(-i, -i + 3, i, i + 3), 14 + i, 14 + i);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 10, 25, 7));
        p.drawPath(sh);
    }
    QLinearGradient pg(kMenuPanel.topLeft(), kMenuPanel.bottomLeft());
    pg.setColorAt(0, QColor(255, 255, 255, 38));
    pg.setColorAt(1, QColor(255, 255, 255, 18));
    p.setBrush(pg);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawPath(panel);
    // A thin gold rule along the top of the panel ties it to the strips.
    QLinearGradient rule(kMenuPanel.topLeft(), kMenuPanel.topRight());
    rule.setColorAt(0, withAlpha(kGold, 0));
    rule.setColorAt(0.5, withAlpha(kGold, 170));
    rule.setColorAt(1, withAlpha(kGold, 0));
    p.setPen(QPen(QBrush(rule), 1.4));
    p.drawLine(QPointF(kMenuPanel.left() + 30, kMenuPanel.top() + 9), QPointF(kMenuPanel.right() - 30, kMenuPanel.top() + 9));
    p.drawLine(QPointF(kMenuPanel.left() + 30, kMenuPanel.bottom() - 9), QPointF(kMenuPanel.right() - 30, kMenuPanel.bottom() - 9));
    p.end();
    return img;
}

QColor meanColour(const QImage &img, const QRect &r)
{
    qint64 sr = 0, sg = 0, sb = 0, n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb px = img.pixel(x, y);
            sr += qRed(px);
            sg += qGreen(px);
            sb += qBlue(px);
            ++n;
        }
    return QColor(int(sr / n), int(sg / n), int(sb / n));
}

} // namespace

QImage menuBackground(QColor *stripSurround)
{
    QImage scene = paintMenuScene();
    QImage img = scene.scaled(kMenuStoredW, kMenuStoredH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32);
    applyPaper(img, 0.035f, 0.012f, 90.f, 11u);
    applyVignette(img, 0.28f);
    if (stripSurround) {
        const qreal sx = qreal(kMenuStoredW) / kMenuW, sy = qreal(kMenuStoredH) / kMenuH;
        const QRect col(int(kStripColumn.left() * sx), int(kStripColumn.top() * sy),
                        int(kStripColumn.width() * sx), int(kStripColumn.height() * sy));
        *stripSurround = meanColour(img, col);
    }
    return img;
}

QImage windowBackground()
{
    const int w = 688, h = 515;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);

    QLinearGradient base(QPointF(0, 0), QPointF(w * 0.6, h));
    base.setColorAt(0, QColor(0xf3, 0xf4, 0xfc));
    base.setColorAt(0.55, QColor(0xe5, 0xe8, 0xf8));
    base.setColorAt(1, QColor(0xd6, 0xdb, 0xf2));
    p.fillRect(img.rect(), base);

    QRadialGradient light(QPointF(w * 0.3, h * 0.25), w * 0.7);
    light.setColorAt(0, QColor(255, 255, 255, 120));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), light);

    const QColor ink(0x6a, 0x72, 0xb0);

    // Waves along the bottom, very faint.
    for (int i = 0; i < 5; ++i) {
        QPainterPath path;
        const qreal base_y = h - 70 + i * 12, amp = 14 - i * 1.5, period = 260 - i * 25;
        for (int x = -4; x <= w + 4; x += 2) {
            const QPointF pt(x, base_y + amp * std::sin(2 * M_PI * x / period + i * 0.8));
            if (x == -4)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(ink, 34 - i * 4), 1.4));
        p.drawPath(path);
    }

    // A faint mesh in the upper right corner, thinning out towards the
    // middle where labels and fields sit.
    QRandomGenerator rng(4242u);
    auto fade = [&](const QPointF &pt) {
        const qreal d = std::hypot((w - pt.x()) / 340.0, pt.y() / 280.0);
        return std::clamp(1.0 - d, 0.0, 1.0);
    };
    // Dart throwing: random points kept only if not too close to another,
    // which spaces them evenly without looking like a grid.
    std::vector<QPointF> pts;
    for (int tries = 0; tries < 3000 && pts.size() < 26; ++tries) {
        const QPointF c(w - rng.bounded(340.0), rng.bounded(280.0));
        if (fade(c) < 0.12)
            continue;
        bool clear = true;
        for (const QPointF &q : pts)
            clear = clear && std::hypot(c.x() - q.x(), c.y() - q.y()) > 50;
        if (clear)
            pts.push_back(c);
    }
    for (size_t i = 0; i < pts.size(); ++i) {
        std::vector<std::pair<qreal, size_t>> near;
        for (size_t j = 0; j < pts.size(); ++j)
            if (j != i)
                near.push_back({std::hypot(pts[i].x() - pts[j].x(), pts[i].y() - pts[j].y()), j});
        std::sort(near.begin(), near.end());
        for (size_t k = 0; k < 3 && k < near.size(); ++k) {
            const size_t j = near[k].second;
            if (j < i && k < 2)
                continue; // drawn from the other end already, most likely
            const int alpha = int(60 * std::min(fade(pts[i]), fade(pts[j])));
            p.setPen(QPen(withAlpha(ink, alpha), 1.0));
            p.drawLine(pts[i], pts[j]);
        }
    }
    for (const QPointF &pt : pts) {
        const qreal f = fade(pt);
        p.setPen(QPen(withAlpha(ink, int(100 * f)), 1.0));
        p.setBrush(QColor(255, 255, 255, int(210 * f)));
        p.drawEllipse(pt, 2.4 + 1.6 * f, 2.4 + 1.6 * f);
    }
    p.end();

    applyPaper(img, 0.018f, 0.008f, 70.f, 23u);
    return img;
}

QImage stripPlate(const QColor &surround)
{
    const int w = 173, h = 36;
    const int k = 4;
    QImage big(w * k, h * k, QImage::Format_RGB32);
    big.fill(surround);
    QPainter p(&big);
    prepare(p);
    p.scale(k, k);

    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const qreal rad = 7;
    QPainterPath plate;
    plate.addRoundedRect(r, rad, rad);

    // Cream to pale gold, light enough for maroon text at every stretch.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xff, 0xfb, 0xee));
    g.setColorAt(0.45, QColor(0xf8, 0xec, 0xcc));
    g.setColorAt(1, QColor(0xe6, 0xce, 0x96));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(plate);

    // Gloss on the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(r.left() + 2, r.top() + 1.5, r.width() - 4, r.height() * 0.46), rad - 2, rad - 2);
    p.setBrush(vertical(gloss.boundingRect(), QColor(255, 255, 255, 150), QColor(255, 255, 255, 20)));
    p.drawPath(gloss);

    // Bevel: light inner edge above, darker inner edge below, gold rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    QPainterPath inner;
    inner.addRoundedRect(r.adjusted(1.2, 1.2, -1.2, -1.2), rad - 1, rad - 1);
    p.setClipRect(QRectF(0, 0, w, h / 2.0));
    p.drawPath(inner);
    p.setClipRect(QRectF(0, h / 2.0, w, h / 2.0));
    p.setPen(QPen(QColor(0xb8, 0x93, 0x50, 120), 1.0));
    p.drawPath(inner);
    p.setClipping(false);
    p.setPen(QPen(QColor(0xa8, 0x82, 0x44), 1.1));
    p.drawPath(plate);
    p.end();

    QImage img = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    applyPaper(img, 0.01f, 0.006f, 20.f, 31u);
    return img;
}

QImage buttonFace()
{
    const int w = 173, h = 36;
    const int k = 4;
    QImage big(w * k, h * k, QImage::Format_RGB32);
    QPainter p(&big);
    prepare(p);
    p.scale(k, k);
    const QRectF r(0, 0, w, h);

    // Rich purple into deep violet; the plate fills the whole picture,
    // because the black frame behind it shows only along two edges.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xa2, 0x3f, 0xb0));
    g.setColorAt(0.5, QColor(0x80, 0x10, 0x8a));
    g.setColorAt(0.51, QColor(0x70, 0x08, 0x80));
    g.setColorAt(1, QColor(0x46, 0x0a, 0x6a));
    p.fillRect(r, g);

    // A gentle sideways sheen, so the stretched face is not flat.
    QLinearGradient side(r.topLeft(), r.topRight());
    side.setColorAt(0, QColor(20, 0, 40, 60));
    side.setColorAt(0.5, QColor(255, 255, 255, 0));
    side.setColorAt(1, QColor(20, 0, 40, 60));
    p.fillRect(r, side);

    // Gloss on the upper half, kept faint so white text stays readable.
    p.fillRect(QRectF(1.5, 1.5, w - 3, h * 0.48),
               vertical(QRectF(0, 1.5, w, h * 0.48), QColor(255, 255, 255, 90), QColor(255, 255, 255, 18)));
    // Warm glow from below, as light caught in glass.
    p.save();
    p.setClipRect(r);
    p.translate(w / 2.0, h + 4);
    p.scale(1, 0.3);
    QRadialGradient low(QPointF(0, 0), w * 0.55);
    low.setColorAt(0, QColor(0xe0, 0x7a, 0xf0, 80));
    low.setColorAt(1, QColor(0xe0, 0x7a, 0xf0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(low);
    p.drawEllipse(QPointF(0, 0), w * 0.55, w * 0.55);
    p.restore();

    // Bevel.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.drawLine(QPointF(1, 1.5), QPointF(w - 1, 1.5));
    p.setPen(QPen(QColor(0xe6, 0xa6, 0xf0, 70), 1.0));
    p.drawLine(QPointF(1.5, 1), QPointF(1.5, h - 1));
    p.setPen(QPen(QColor(0x20, 0x00, 0x30, 120), 1.0));
    p.drawLine(QPointF(1, h - 1.5), QPointF(w - 1, h - 1.5));
    p.drawLine(QPointF(w - 1.5, 1), QPointF(w - 1.5, h - 1));
    p.setPen(QPen(QColor(0x2a, 0x00, 0x3a), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.end();

    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace pics
