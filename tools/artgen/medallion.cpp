#include "medallion.h"

#include "emblems.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <vector>

namespace {

constexpr QPointF centre(100, 100);
constexpr qreal rimOuter = 90;
constexpr qreal rimInner = 78;

// Two passes of a box blur over the alpha channel of a black shadow image.
QImage blurredShadow(const QImage &layer, int radius, int opacity)
{
    const int w = layer.width();
    const int h = layer.height();
    std::vector<int> a(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x)
            a[std::size_t(y) * w + x] = qAlpha(line[x]);
    }
    std::vector<int> tmp(a.size());
    const auto pass = [&](bool horizontal) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = horizontal ? std::clamp(x + k, 0, w - 1) : x;
                    const int yy = horizontal ? y : std::clamp(y + k, 0, h - 1);
                    sum += a[std::size_t(yy) * w + xx];
                }
                tmp[std::size_t(y) * w + x] = sum / (2 * radius + 1);
            }
        a.swap(tmp);
    };
    for (int i = 0; i < 2; ++i) {
        pass(true);
        pass(false);
    }
    QImage shadow(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgba(0, 0, 0, a[std::size_t(y) * w + x] * opacity / 255);
    }
    return shadow;
}

void paintGround(QPainter &p)
{
    QRadialGradient ground(centre, 142);
    ground.setColorAt(0.0, QColor(0x7a, 0x16, 0x1a));
    ground.setColorAt(1.0, QColor(0x4a, 0x09, 0x0d));
    p.fillRect(QRectF(0, 0, 200, 200), ground);

    QRadialGradient dropShadow(centre + QPointF(0, 3), rimOuter + 6);
    dropShadow.setColorAt(0.88, QColor(0, 0, 0, 120));
    dropShadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(dropShadow);
    p.drawEllipse(centre + QPointF(0, 3), rimOuter + 6, rimOuter + 6);
}

void paintRim(QPainter &p)
{
    QLinearGradient ochre(40, 15, 160, 185);
    ochre.setColorAt(0.0, QColor(0xf0, 0xc0, 0x5a));
    ochre.setColorAt(0.45, QColor(0xc4, 0x86, 0x2a));
    ochre.setColorAt(1.0, QColor(0x7a, 0x4a, 0x12));
    QPainterPath ring = circle(centre, rimOuter) - circle(centre, rimInner);
    p.fillPath(ring, ochre);

    // A bevel: light on the upper left of the outer edge, shade on the inner edge.
    QLinearGradient bevel(40, 15, 160, 185);
    bevel.setColorAt(0.0, QColor(255, 240, 200, 200));
    bevel.setColorAt(0.5, QColor(255, 240, 200, 0));
    bevel.setColorAt(1.0, QColor(60, 30, 0, 160));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bevel), 1.2));
    p.drawEllipse(centre, rimOuter - 0.8, rimOuter - 0.8);
    p.setPen(QPen(QColor(0x3a, 0x1c, 0x04, 180), 1.0));
    p.drawEllipse(centre, rimInner + 0.5, rimInner + 0.5);
    p.setPen(QPen(QColor(0x5c, 0x32, 0x0a, 150), 0.8));
    p.drawEllipse(centre, (rimOuter + rimInner) / 2, (rimOuter + rimInner) / 2);
}

void paintField(QPainter &p)
{
    QRadialGradient field(centre + QPointF(-14, -18), rimInner + 18);
    field.setColorAt(0.0, QColor(0x8c, 0x1c, 0x20));
    field.setColorAt(0.7, QColor(0x5a, 0x0c, 0x11));
    field.setColorAt(1.0, QColor(0x36, 0x05, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawEllipse(centre, rimInner, rimInner);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc8, 0x92, 0x3a, 200), 0.9));
    p.drawEllipse(centre, rimInner - 4.5, rimInner - 4.5);
}

QImage paintEmblemLayer(int sign, int scale)
{
    QImage layer = blankImage(200 * scale, 200 * scale);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient gold(70, 45, 130, 155);
    gold.setColorAt(0.0, QColor(0xfd, 0xf1, 0xc8));
    gold.setColorAt(0.5, QColor(0xf0, 0xcf, 0x7e));
    gold.setColorAt(1.0, QColor(0xc9, 0x96, 0x3e));
    Engraving e(p, gold);
    drawEmblem(sign, e);
    return layer;
}

} // namespace

QImage renderSign(int sign, int scale)
{
    QImage image = blankImage(200 * scale, 200 * scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paintGround(p);
    paintRim(p);
    paintField(p);

    const QImage emblem = paintEmblemLayer(sign, scale);
    p.resetTransform();
    p.drawImage(QPointF(1.0 * scale, 1.6 * scale), blurredShadow(emblem, scale + 1, 170));
    p.drawImage(QPointF(0, 0), emblem);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}
