#include "appicon.h"

#include "drawkit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr QPointF centre(128, 128);
constexpr QColor violet(0x3e, 0x18, 0x94);

} // namespace

QImage renderIcon(int size)
{
    QImage image = blankImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    // Everything is drawn on a 256 grid; px converts a wanted width in device pixels back to grid units.
    const qreal px = 256.0 / size;
    const bool small = size < 32;
    const bool fine = size >= 48;
    const qreal discR = small ? 126 : 120;

    if (fine) {
        QRadialGradient shadow(centre + QPointF(0, 4), discR + 6);
        shadow.setColorAt(0.9, QColor(0, 0, 0, 90));
        shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(centre + QPointF(0, 4), discR + 6, discR + 6);
    }

    QRadialGradient disc(centre + QPointF(-30, -40), discR * 1.5);
    disc.setColorAt(0.0, QColor(0x6c, 0x40, 0xd2));
    disc.setColorAt(0.45, violet);
    disc.setColorAt(1.0, QColor(0x22, 0x08, 0x5a));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, discR, discR);

    QLinearGradient gold(60, 40, 196, 230);
    gold.setColorAt(0.0, QColor(0xff, 0xe9, 0x9a));
    gold.setColorAt(0.5, QColor(0xf2, 0xbe, 0x3c));
    gold.setColorAt(1.0, QColor(0xc8, 0x8a, 0x1c));

    if (fine)
        p.fillPath(outline(circle(centre, discR - 6), std::max(3.0, 1.0 * px)),
                   QColor(0xf2, 0xbe, 0x3c, 150));

    const qreal wheelR = small ? 78 : 84;
    const qreal ringW = std::max(small ? 20.0 : 13.0, 1.4 * px);
    p.fillPath(outline(circle(centre, wheelR), ringW), gold);

    if (fine) {
        // The twelve house lines from a small hub to the ring, and the horizon drawn stronger.
        QPainterPath spokes;
        for (int i = 0; i < 12; ++i) {
            const qreal a = i * std::numbers::pi / 6;
            const QPointF d(std::cos(a), std::sin(a));
            spokes.moveTo(centre + d * 22);
            spokes.lineTo(centre + d * wheelR);
        }
        spokes.addEllipse(centre, 22, 22);
        p.fillPath(outline(spokes, std::max(3.5, 0.9 * px), Qt::FlatCap), QColor(0xf2, 0xbe, 0x3c, 170));
        QPainterPath horizon;
        horizon.moveTo(centre + QPointF(-wheelR, 0));
        horizon.lineTo(centre + QPointF(wheelR, 0));
        p.fillPath(outline(horizon, std::max(7.0, 1.2 * px), Qt::FlatCap), gold);
    }

    // The marker: a broad arrowhead in the lower half of the wheel, its point on the lowest point of the
    // ring.
    const qreal tipY = centre.y() + wheelR - (small ? 2 : 4);
    const qreal halfW = small ? 56 : (fine ? 40 : 46);
    const qreal topY = small ? centre.y() - 20 : (fine ? centre.y() + 20 : centre.y() + 6);
    const QPainterPath arrow =
        polygon({{centre.x() - halfW, topY}, {centre.x() + halfW, topY}, {centre.x(), tipY}});
    if (!small)
        p.fillPath(outline(arrow, fine ? 14 : 1.5 * px), QColor(0x22, 0x08, 0x5a));
    p.fillPath(arrow, gold);
    if (fine) {
        // The nadir itself, a bright bead where the arrow meets the ring.
        const QPointF nadir(centre.x(), centre.y() + wheelR);
        p.fillPath(circle(nadir, 19), QColor(0x22, 0x08, 0x5a));
        p.fillPath(circle(nadir, 13), QColor(0xff, 0xf4, 0xc8));
    }
    p.end();
    return image;
}
