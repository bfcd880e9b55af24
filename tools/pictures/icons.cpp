// Icons: the application icon and the small pictures of buttons, tree and
// navigator. Small icons are drawn at their own size on half-pixel
// coordinates, so one-pixel outlines stay crisp instead of being blurred by a
// downscale.
#include "paint.h"

#include <QRadialGradient>
#include <cmath>
#include <iterator>

namespace pics {

namespace {

void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &edge, qreal width = 1.0)
{
    p.setPen(QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// Palette shared by the small icons.
const QColor kBlueLight(0x86, 0xbc, 0xf0), kBlue(0x2c, 0x66, 0xb4), kBlueEdge(0x17, 0x3d, 0x78);
const QColor kGreenLight(0x96, 0xdc, 0x74), kGreen(0x35, 0x96, 0x2c), kGreenEdge(0x1e, 0x5c, 0x1a);
const QColor kRedLight(0xf4, 0x8a, 0x7a), kRed(0xc8, 0x2a, 0x22), kRedEdge(0x7a, 0x14, 0x10);

QLinearGradient diag(const QRectF &r, const QColor &a, const QColor &b)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// ---------------------------------------------------------------- app icon

void drawBookIcon(QPainter &p, int size)
{
    const bool tiny = size <= 32;
    const bool small = size <= 48;
    p.scale(size / 256.0, size / 256.0);
    const qreal lw = tiny ? 8.0 : small ? 5.5 : 3.0; // outline width in 256-units

    // Ground shadow.
    QRadialGradient sh(QPointF(128, 232), 120);
    sh.setColorAt(0, QColor(0, 20, 40, 70));
    sh.setColorAt(1, QColor(0, 20, 40, 0));
    p.save();
    p.translate(0, 232);
    p.scale(1, 0.16);
    p.translate(0, -232);
    p.setPen(Qt::NoPen);
    p.setBrush(sh);
    p.drawEllipse(QPointF(128, 232), 120, 120);
    p.restore();

    // Cover.
    QPainterPath cover;
    cover.moveTo(10, 108);
    cover.cubicTo(50, 100, 100, 108, 128, 124);
    cover.cubicTo(156, 108, 206, 100, 246, 108);
    cover.lineTo(246, 222);
    cover.cubicTo(206, 214, 156, 218, 128, 236);
    cover.cubicTo(100, 218, 50, 214, 10, 222);
    cover.closeSubpath();
    QLinearGradient cg(QPointF(0, 100), QPointF(0, 236));
    cg.setColorAt(0, QColor(0x2f, 0x6c, 0xb8));
    cg.setColorAt(1, QColor(0x16, 0x3c, 0x78));
    fillOutlined(p, cover, cg, QColor(0x0e, 0x28, 0x52), lw);

    // Pages: a few stacked sheets give the book its thickness.
    auto page = [](bool left, qreal drop) {
        const qreal s = left ? -1 : 1;
        QPainterPath path;
        path.moveTo(128, 112 + drop);
        path.cubicTo(128 + s * 30, 92 + drop, 128 + s * 76, 84 + drop, 128 + s * 108, 92 + drop);
        path.lineTo(128 + s * 108, 204 + drop);
        path.cubicTo(128 + s * 76, 196 + drop, 128 + s * 30, 204 + drop, 128, 222 + drop);
        path.closeSubpath();
        return path;
    };
    const int layers = tiny ? 1 : 3;
    for (int side = 0; side < 2; ++side)
        for (int i = layers; i >= 0; --i) {
            const bool left = side == 0;
            QLinearGradient g(QPointF(128, 0), QPointF(left ? 20 : 236, 0));
            const QColor spine = i ? QColor(0xd8, 0xcf, 0xb8) : QColor(0xe9, 0xe1, 0xcc);
            g.setColorAt(0, spine);
            g.setColorAt(0.18, i ? QColor(0xee, 0xe7, 0xd4) : QColor(0xfb, 0xf8, 0xf0));
            g.setColorAt(1, i ? QColor(0xe6, 0xde, 0xc8) : QColor(0xff, 0xfe, 0xfa));
            fillOutlined(p, page(left, i * 4.0), g, QColor(0x8a, 0x7c, 0x62), lw * 0.7);
        }

    // Text lines, bending down towards the spine as the page does.
    auto textLine = [&](bool left, qreal y, qreal len) {
        QPainterPath l;
        const int steps = 24;
        for (int i = 0; i <= steps; ++i) {
            const qreal u = qreal(i) / steps * len;    // 0 at the outer margin
            const qreal fromSpine = 14 + 82 * (1 - u); // 14 keeps clear of the fold
            const qreal x = left ? 128 - fromSpine : 128 + fromSpine;
            const qreal bend = 18 * std::pow(1 - fromSpine / 110.0, 3.0);
            const QPointF pt(x, y + bend);
            if (i == 0)
                l.moveTo(pt);
            else
                l.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(l);
    };
    if (!tiny) {
        p.setPen(QPen(QColor(0x7f, 0x8d, 0xa6), small ? 7 : 4.5, Qt::SolidLine, Qt::RoundCap));
        const int lines = small ? 4 : 6;
        for (int i = 0; i < lines; ++i)
            textLine(true, 112 + i * (small ? 20 : 15), (i % 3 == 2) ? 0.55 : (i % 2 ? 0.85 : 0.95));
    }

    // Right page: a signal trace.
    {
        QPainterPath wave;
        for (int i = 0; i <= 80; ++i) {
            const qreal x = 142 + i * 1.0;
            const qreal env = std::sin(M_PI * i / 80.0);
            const qreal y = 156 - 4 + (x - 142) * -0.05 + env * 26 * std::sin(i / 80.0 * 4 * M_PI);
            if (i == 0)
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xe0, 0x6a, 0x1a), tiny ? 12 : small ? 9 : 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(wave);
        if (!small) {
            p.setPen(QPen(QColor(0x7f, 0x8d, 0xa6), 4.5, Qt::SolidLine, Qt::RoundCap));
            textLine(false, 172, 0.9);
            textLine(false, 187, 0.6);
        }
    }

    // Broadcast arcs rising from the spine.
    const QPointF src(128, 96);
    const int arcs = tiny ? 2 : 3;
    for (int i = 0; i < arcs; ++i) {
        const qreal r = (tiny ? 36 : 30) + i * (tiny ? 34 : 26);
        const QRectF box(src.x() - r, src.y() - r, 2 * r, 2 * r);
        const qreal w = tiny ? 16 : small ? 12 : 11;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x0b, 0x4a, 0x5e), w + lw, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(box, 50 * 16, 80 * 16);
        QLinearGradient ag(QPointF(0, src.y() - r - w), QPointF(0, src.y() - r + w));
        ag.setColorAt(0, QColor(0x6c, 0xe0, 0xe4));
        ag.setColorAt(1, QColor(0x1a, 0x9c, 0xb4));
        p.setPen(QPen(QBrush(ag), w, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(box, 50 * 16, 80 * 16);
    }
    QRadialGradient dot(src - QPointF(4, 4), 16);
    dot.setColorAt(0, QColor(0xff, 0xe2, 0xa0));
    dot.setColorAt(1, QColor(0xe0, 0x7a, 0x1a));
    fillOutlined(p, [&] { QPainterPath d; d.addEllipse(src - QPointF(0, 6), tiny ? 15 : 12, tiny ? 15 : 12); return d; }(),
                 dot, QColor(0x7a, 0x38, 0x08), lw);
}

} // namespace

QImage appIcon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    drawBookIcon(p, size);
    return img;
}

// ------------------------------------------------------------ viewer toolbar

QImage printIcon()
{
    QImage img = canvas(32, 28);
    QPainter p(&img);
    prepare(p);

    // Sheet going in at the back.
    QPainterPath in;
    in.addRect(QRectF(8.5, 1.5, 14, 10));
    fillOutlined(p, in, vertical(QRectF(0, 1, 0, 10), QColor(255, 255, 255), QColor(0xe4, 0xea, 0xf2)), QColor(0x70, 0x7c, 0x8e));
    drawTextLines(p, QRectF(10.5, 4.5, 10, 6), 3, 2, QColor(0x9a, 0xa8, 0xbc));

    // Body.
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 9.5, 28, 12), 2.5, 2.5);
    QLinearGradient bg(QPointF(0, 9.5), QPointF(0, 21.5));
    bg.setColorAt(0, QColor(0xf0, 0xf3, 0xf8));
    bg.setColorAt(0.5, QColor(0xc8, 0xd1, 0xde));
    bg.setColorAt(1, QColor(0x8e, 0x9c, 0xb2));
    fillOutlined(p, body, bg, QColor(0x45, 0x53, 0x68));
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.drawLine(QPointF(3.5, 10.5), QPointF(27.5, 10.5));
    // Paper slot and status light.
    p.setPen(QPen(QColor(0x45, 0x53, 0x68), 1));
    p.drawLine(QPointF(6, 17.5), QPointF(23, 17.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xc0, 0x40));
    p.drawEllipse(QPointF(5, 13.5), 1.2, 1.2);

    // Printed sheet coming out in front.
    QPainterPath out;
    out.moveTo(7.5, 17.5);
    out.lineTo(21.5, 17.5);
    out.lineTo(22.5, 26.5);
    out.lineTo(6.5, 26.5);
    out.closeSubpath();
    fillOutlined(p, out, vertical(QRectF(0, 17, 0, 10), QColor(0xf4, 0xf7, 0xfb), QColor(255, 255, 255)), QColor(0x70, 0x7c, 0x8e));
    drawTextLines(p, QRectF(9.5, 21, 10, 4), 2, 2.5, QColor(0x9a, 0xa8, 0xbc));

    // Green tick: the job is done.
    drawTick(p, QPointF(18.5, 18.5), QPointF(22.5, 23.5), QPointF(30, 12.5), 2.6, QColor(0x3c, 0xb0, 0x2e), QColor(0x16, 0x52, 0x12));
    return img;
}

QImage previewIcon()
{
    QImage img = canvas(25, 27);
    QPainter p(&img);
    prepare(p);
    drawSheet(p, QRectF(1.5, 1.5, 17, 22), 5);
    drawTextLines(p, QRectF(4.5, 6.5, 10, 14), 6, 2.5, QColor(0x8c, 0x9a, 0xb0));
    drawMagnifier(p, QPointF(14.5, 15.5), 5.0, 1.6, 5.5);
    return img;
}

QImage findIcon()
{
    QImage img = canvas(31, 31);
    QPainter p(&img);
    prepare(p);
    const QColor edge(0x14, 0x1c, 0x28);

    auto barrel = [&](qreal cx) {
        // Eyepiece.
        QPainterPath eye;
        eye.addRoundedRect(QRectF(cx - 3.5, 2.5, 7, 7), 1.5, 1.5);
        fillOutlined(p, eye, diag(eye.boundingRect(), QColor(0x7a, 0x86, 0x96), QColor(0x2c, 0x34, 0x40)), edge);
        // Tube.
        QPainterPath tube;
        tube.addRoundedRect(QRectF(cx - 6, 8.5, 12, 18), 3, 3);
        QLinearGradient tg(QPointF(cx - 6, 0), QPointF(cx + 6, 0));
        tg.setColorAt(0, QColor(0x5a, 0x66, 0x78));
        tg.setColorAt(0.35, QColor(0x8c, 0x98, 0xaa));
        tg.setColorAt(1, QColor(0x26, 0x2e, 0x3a));
        fillOutlined(p, tube, tg, edge);
        // Objective lens.
        QRadialGradient lens(QPointF(cx - 1.6, 21.5), 6);
        lens.setColorAt(0, QColor(0xd8, 0xf0, 0xff));
        lens.setColorAt(0.5, QColor(0x5a, 0x9c, 0xd8));
        lens.setColorAt(1, QColor(0x1c, 0x3c, 0x6c));
        QPainterPath glass;
        glass.addEllipse(QPointF(cx, 23), 4.6, 4.6);
        fillOutlined(p, glass, lens, edge);
        p.setPen(QPen(QColor(255, 255, 255, 210), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(cx - 3, 20, 6, 6), 110 * 16, 60 * 16);
    };
    barrel(8.5);
    barrel(22.5);
    // Bridge with its focus wheel.
    QPainterPath bridge;
    bridge.addRoundedRect(QRectF(13.5, 11.5, 4, 7), 1, 1);
    fillOutlined(p, bridge, vertical(bridge.boundingRect(), QColor(0x9a, 0xa6, 0xb6), QColor(0x3a, 0x44, 0x52)), edge);
    p.setPen(QPen(QColor(0xe0, 0xe6, 0xee, 160), 1));
    p.drawLine(QPointF(14.5, 14.5), QPointF(16.5, 14.5));
    return img;
}

static QImage zoomIcon(int w, int h, bool plus)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    const QPointF c(11.5, h == 30 ? 12.0 : 11.5);
    drawMagnifier(p, c, 8.0, 2.2, 6.8);
    p.setPen(QPen(QColor(0x17, 0x3d, 0x78), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-4.2, 0), c + QPointF(4.2, 0));
    if (plus)
        p.drawLine(c + QPointF(0, -4.2), c + QPointF(0, 4.2));
    return img;
}

QImage zoomOutIcon() { return zoomIcon(29, 29, false); }
QImage zoomInIcon() { return zoomIcon(29, 30, true); }

// ---------------------------------------------------------------- tree

QImage treeFolder()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    const QColor edge(0x9a, 0x68, 0x14);
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.0, 3.5);
    back.lineTo(7.5, 5.0);
    back.lineTo(14.5, 5.0);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    fillOutlined(p, back, vertical(QRectF(0, 3, 0, 11), QColor(0xf0, 0xc0, 0x5a), QColor(0xd0, 0x96, 0x2a)), edge);
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(2.8, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(14.5, 13.5);
    front.closeSubpath();
    fillOutlined(p, front, vertical(QRectF(0, 7, 0, 7), QColor(0xff, 0xe6, 0x9a), QColor(0xf2, 0xb8, 0x44)), edge);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(3.6, 8.5), QPointF(14.2, 8.5));
    return img;
}

static void treeSheetBase(QPainter &p)
{
    prepare(p);
    drawSheet(p, QRectF(2.5, 0.5, 11, 15), 4);
}

QImage treeSheet()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    treeSheetBase(p);
    return img;
}

QImage treeDrawing()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    treeSheetBase(p);
    // A small landscape: sky, sun, hill.
    const QRectF pic(4.5, 5.5, 7, 8);
    p.setPen(QPen(QColor(0x5a, 0x74, 0x96), 1));
    p.setBrush(vertical(pic, QColor(0x9c, 0xd2, 0xf6), QColor(0xd8, 0xee, 0xfc)));
    p.drawRect(pic);
    p.save();
    p.setClipRect(pic.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xb8, 0x2a));
    p.drawEllipse(QPointF(9.5, 8.0), 1.3, 1.3);
    QPainterPath hill;
    hill.moveTo(4.5, 13.5);
    hill.cubicTo(6, 9.5, 8, 10, 12, 12);
    hill.lineTo(12, 14);
    hill.lineTo(4.5, 14);
    p.setBrush(QColor(0x4c, 0xa8, 0x3a));
    p.drawPath(hill);
    p.restore();
    return img;
}

QImage treeText()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    treeSheetBase(p);
    drawTextLines(p, QRectF(4.5, 5.5, 7, 8), 5, 2, QColor(0x4a, 0x64, 0x8c));
    return img;
}

// ---------------------------------------------------------- administrator

QImage searchGoIcon()
{
    QImage img = canvas(23, 31);
    QPainter p(&img);
    prepare(p);
    // Funnel: the results filter.
    QPainterPath funnel;
    funnel.moveTo(1.5, 3.5);
    funnel.lineTo(21.5, 3.5);
    funnel.lineTo(13.5, 11.5);
    funnel.lineTo(13.5, 17.0);
    funnel.lineTo(9.5, 19.5);
    funnel.lineTo(9.5, 11.5);
    funnel.closeSubpath();
    QLinearGradient fg(QPointF(1.5, 0), QPointF(21.5, 0));
    fg.setColorAt(0, QColor(0x5a, 0x9c, 0xe0));
    fg.setColorAt(0.4, QColor(0xa8, 0xd4, 0xf8));
    fg.setColorAt(1, QColor(0x24, 0x5c, 0xa8));
    fillOutlined(p, funnel, fg, kBlueEdge);
    QPainterPath rim;
    rim.addEllipse(QRectF(1.5, 1.5, 20, 4));
    fillOutlined(p, rim, vertical(rim.boundingRect(), QColor(0x2a, 0x5a, 0x9c), QColor(0xc8, 0xe4, 0xfc)), kBlueEdge);

    // Arrow: "go".
    QPainterPath arrow;
    arrow.moveTo(1.5, 22.5);
    arrow.lineTo(11.5, 22.5);
    arrow.lineTo(11.5, 19.5);
    arrow.lineTo(20.5, 25.0);
    arrow.lineTo(11.5, 30.0);
    arrow.lineTo(11.5, 27.5);
    arrow.lineTo(1.5, 27.5);
    arrow.closeSubpath();
    fillOutlined(p, arrow, vertical(QRectF(0, 19.5, 0, 11), kGreenLight, kGreen), kGreenEdge);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(2.5, 23.5), QPointF(11, 23.5));
    return img;
}

static void drawPerson(QPainter &p, const QPointF &head, qreal r, const QRectF &body, const QColor &light,
                       const QColor &dark, const QColor &edge)
{
    QPainterPath torso;
    torso.moveTo(body.left(), body.bottom());
    torso.cubicTo(body.left(), body.top() + body.height() * 0.1, body.left() + body.width() * 0.2, body.top(),
                  body.center().x(), body.top());
    torso.cubicTo(body.right() - body.width() * 0.2, body.top(), body.right(), body.top() + body.height() * 0.1,
                  body.right(), body.bottom());
    torso.closeSubpath();
    fillOutlined(p, torso, diag(body, light, dark), edge);
    // Collar.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(body.center().x() - r * 0.5, body.top() + 1.5), QPointF(body.center().x(), body.top() + 3.5));
    p.drawLine(QPointF(body.center().x() + r * 0.5, body.top() + 1.5), QPointF(body.center().x(), body.top() + 3.5));

    QPainterPath face;
    face.addEllipse(head, r, r * 1.08);
    QRadialGradient skin(head - QPointF(r * 0.35, r * 0.4), r * 1.6);
    skin.setColorAt(0, QColor(0xff, 0xe6, 0xcc));
    skin.setColorAt(1, QColor(0xe0, 0xa6, 0x78));
    fillOutlined(p, face, skin, QColor(0x8a, 0x56, 0x34));
    // Hair cap.
    QPainterPath hair;
    hair.moveTo(head.x() - r, head.y() - r * 0.1);
    hair.cubicTo(head.x() - r, head.y() - r * 1.5, head.x() + r, head.y() - r * 1.5, head.x() + r, head.y() - r * 0.1);
    hair.cubicTo(head.x() + r * 0.4, head.y() - r * 0.7, head.x() - r * 0.4, head.y() - r * 0.6, head.x() - r, head.y() - r * 0.1);
    fillOutlined(p, hair, QColor(0x5a, 0x3a, 0x22), QColor(0x3a, 0x22, 0x12));
}

QImage usersIcon()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    prepare(p);
    drawPerson(p, QPointF(21.5, 8.5), 5.0, QRectF(12.5, 15.5, 18, 12), kGreenLight, kGreen, kGreenEdge);
    drawPerson(p, QPointF(11.5, 12.5), 5.8, QRectF(1.5, 20.5, 20, 10), kBlueLight, kBlue, kBlueEdge);
    return img;
}

QImage questionBaseIcon()
{
    QImage img = canvas(28, 26);
    QPainter p(&img);
    prepare(p);
    const QRectF body(1.5, 3.5, 18, 19);
    const qreal ry = 3.0;
    const QColor edge(0x1c, 0x3a, 0x66);
    QLinearGradient side(QPointF(body.left(), 0), QPointF(body.right(), 0));
    side.setColorAt(0, QColor(0x3e, 0x72, 0xb4));
    side.setColorAt(0.35, QColor(0xa0, 0xc8, 0xf0));
    side.setColorAt(1, QColor(0x22, 0x4c, 0x88));
    QPainterPath cyl;
    cyl.moveTo(body.left(), body.top());
    cyl.lineTo(body.left(), body.bottom());
    cyl.arcTo(QRectF(body.left(), body.bottom() - ry, body.width(), 2 * ry), 180, 180);
    cyl.lineTo(body.right(), body.top());
    cyl.closeSubpath();
    fillOutlined(p, cyl, side, edge);
    // Bands between the stored layers.
    p.setBrush(Qt::NoBrush);
    for (qreal y : {body.top() + 6.5, body.top() + 12.5}) {
        p.setPen(QPen(edge, 1));
        p.drawArc(QRectF(body.left(), y - ry, body.width(), 2 * ry), 180 * 16, 180 * 16);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawArc(QRectF(body.left(), y - ry + 1, body.width(), 2 * ry), 200 * 16, 140 * 16);
    }
    QPainterPath top;
    top.addEllipse(QRectF(body.left(), body.top() - ry, body.width(), 2 * ry));
    fillOutlined(p, top, vertical(top.boundingRect(), QColor(0xd4, 0xe8, 0xfc), QColor(0x7c, 0xaa, 0xe0)), edge);

    // Question badge.
    const QPointF c(20.5, 18.0);
    QPainterPath badge;
    badge.addEllipse(c, 6.5, 6.5);
    QRadialGradient bg(c - QPointF(2, 2.5), 8);
    bg.setColorAt(0, QColor(0xff, 0xd0, 0x7a));
    bg.setColorAt(1, QColor(0xe0, 0x78, 0x10));
    fillOutlined(p, badge, bg, QColor(0x8a, 0x40, 0x04));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(questionMark(QRectF(c.x() - 3.0, c.y() - 4.6, 6.0, 9.4)));
    return img;
}

QImage exitIcon()
{
    QImage img = canvas(32, 28);
    QPainter p(&img);
    prepare(p);
    const QColor wood(0x6a, 0x3c, 0x1a);
    // Door frame with daylight in the opening.
    QPainterPath frame;
    frame.addRect(QRectF(3.5, 1.5, 15, 25));
    fillOutlined(p, frame, vertical(frame.boundingRect(), QColor(0xff, 0xf4, 0xd0), QColor(0xf4, 0xd6, 0x8a)), QColor(0x4a, 0x2a, 0x10), 1.4);
    // Open leaf, swung inwards on its left hinge.
    QPainterPath leaf;
    leaf.moveTo(3.5, 1.5);
    leaf.lineTo(10.5, 4.0);
    leaf.lineTo(10.5, 24.5);
    leaf.lineTo(3.5, 26.5);
    leaf.closeSubpath();
    QLinearGradient lg(QPointF(3.5, 0), QPointF(10.5, 0));
    lg.setColorAt(0, QColor(0x9a, 0x5a, 0x2a));
    lg.setColorAt(1, QColor(0xc8, 0x86, 0x4a));
    fillOutlined(p, leaf, lg, wood);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xd0, 0x50));
    p.drawEllipse(QPointF(8.8, 14.5), 1.1, 1.1);

    // Arrow out.
    QPainterPath arrow;
    arrow.moveTo(12.5, 11.5);
    arrow.lineTo(22.5, 11.5);
    arrow.lineTo(22.5, 6.5);
    arrow.lineTo(30.5, 14.0);
    arrow.lineTo(22.5, 21.5);
    arrow.lineTo(22.5, 16.5);
    arrow.lineTo(12.5, 16.5);
    arrow.closeSubpath();
    fillOutlined(p, arrow, vertical(QRectF(0, 6.5, 0, 15), kGreenLight, kGreen), kGreenEdge);
    p.setPen(QPen(QColor(255, 255, 255, 130), 1));
    p.drawLine(QPointF(13.5, 12.5), QPointF(22.5, 12.5));
    return img;
}

// ---------------------------------------------------------------- navigator

namespace {

QPainterPath triangle(qreal tipX, qreal baseX)
{
    QPainterPath t;
    t.moveTo(baseX, 3.5);
    t.lineTo(tipX, 8.0);
    t.lineTo(baseX, 12.5);
    t.closeSubpath();
    return t;
}

QImage navArrows(const QList<QPainterPath> &parts)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    for (const QPainterPath &part : parts)
        fillOutlined(p, part, vertical(QRectF(0, 3, 0, 10), kBlueLight, kBlue), kBlueEdge);
    return img;
}

QPainterPath bar(qreal x)
{
    QPainterPath b;
    b.addRect(QRectF(x, 3.5, 2, 9));
    return b;
}

} // namespace

QImage navFirst() { return navArrows({bar(2.5), triangle(5.5, 12.5)}); }
QImage navPrior() { return navArrows({triangle(4.0, 11.0)}); }
QImage navNext() { return navArrows({triangle(12.0, 5.0)}); }
QImage navLast() { return navArrows({triangle(10.5, 3.5), bar(11.5)}); }

QImage navInsert()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    // One outline around the whole cross, so no seams show inside it.
    const QPointF pts[] = {{6, 2}, {10, 2}, {10, 6}, {14, 6}, {14, 10}, {10, 10},
                           {10, 14}, {6, 14}, {6, 10}, {2, 10}, {2, 6}, {6, 6}};
    QPainterPath plus;
    plus.addPolygon(QPolygonF(QList<QPointF>(std::begin(pts), std::end(pts))));
    plus.closeSubpath();
    fillOutlined(p, plus, vertical(QRectF(0, 2, 0, 12), kGreenLight, kGreen), kGreenEdge);
    return img;
}

QImage navDelete()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    QPainterPath minus;
    minus.addRoundedRect(QRectF(2.0, 6.0, 12, 4), 1, 1);
    fillOutlined(p, minus, vertical(QRectF(0, 6, 0, 4), kRedLight, kRed), kRedEdge);
    return img;
}

QImage navEdit()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    p.translate(8.0, 8.0);
    p.rotate(-45);
    const QColor edge(0x5a, 0x40, 0x10);
    // Body.
    QPainterPath body;
    body.addRect(QRectF(-4.0, -2.2, 8.5, 4.4));
    QLinearGradient bg(QPointF(0, -2.2), QPointF(0, 2.2));
    bg.setColorAt(0, QColor(0xff, 0xe0, 0x70));
    bg.setColorAt(0.5, QColor(0xf4, 0xb8, 0x30));
    bg.setColorAt(1, QColor(0xc8, 0x84, 0x10));
    fillOutlined(p, body, bg, edge, 0.9);
    // Ferrule and eraser.
    QPainterPath ferrule;
    ferrule.addRect(QRectF(4.5, -2.2, 1.6, 4.4));
    fillOutlined(p, ferrule, vertical(ferrule.boundingRect(), QColor(0xe8, 0xec, 0xf0), QColor(0x88, 0x92, 0x9e)), QColor(0x50, 0x58, 0x62), 0.9);
    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(6.1, -2.2, 2.2, 4.4), 0.8, 0.8);
    fillOutlined(p, eraser, vertical(eraser.boundingRect(), QColor(0xfa, 0xb4, 0xb4), QColor(0xd8, 0x6c, 0x70)), QColor(0x7a, 0x30, 0x34), 0.9);
    // Sharpened wood and graphite.
    QPainterPath tip;
    tip.moveTo(-4.0, -2.2);
    tip.lineTo(-8.2, 0);
    tip.lineTo(-4.0, 2.2);
    tip.closeSubpath();
    fillOutlined(p, tip, QColor(0xf2, 0xd6, 0xa8), edge, 0.9);
    QPainterPath lead;
    lead.moveTo(-6.6, -0.85);
    lead.lineTo(-8.2, 0);
    lead.lineTo(-6.6, 0.85);
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x34));
    p.drawPath(lead);
    return img;
}

QImage navPost()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    drawTick(p, QPointF(2.8, 8.6), QPointF(6.2, 12.2), QPointF(13.2, 3.6), 2.4, QColor(0x3c, 0xb0, 0x2e), kGreenEdge);
    return img;
}

QImage navCancel()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    for (const QColor &c : {kRedEdge, kRed}) {
        const qreal w = c == kRedEdge ? 4.0 : 2.4;
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.0, 4.0), QPointF(12.0, 12.0));
        p.drawLine(QPointF(12.0, 4.0), QPointF(4.0, 12.0));
    }
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.2, 3.6), QPointF(7.2, 6.6));
    return img;
}

QImage navRefresh()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    const QPointF c(8.0, 8.0);
    const qreal r = 5.0;
    auto arrow = [&](qreal startDeg) {
        // Arc of 130 degrees, head at its end, pointing along the turn.
        const qreal span = 130;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDeg, span);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlueEdge, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc);
        p.setPen(QPen(QColor(0x4a, 0x88, 0xd4), 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc);
        const qreal a = qDegreesToRadians(startDeg + span);
        const QPointF end(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        const QPointF along(-std::sin(a), -std::cos(a)); // direction of travel (counter-clockwise)
        const QPointF out(std::cos(a), -std::sin(a));
        QPainterPath head;
        head.moveTo(end + along * 3.2);
        head.lineTo(end + out * 2.6);
        head.lineTo(end - out * 2.6);
        head.closeSubpath();
        fillOutlined(p, head, QColor(0x4a, 0x88, 0xd4), kBlueEdge, 0.9);
    };
    arrow(20);
    arrow(200);
    return img;
}

} // namespace pics
