#include "drawkit.h"

#include <QPainterPathStroker>
#include <QStringList>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

QPointF at(const Pt &p) { return {p.x, p.y}; }

QPointF tangent(const std::vector<Pt> &pts, std::size_t i, bool closed)
{
    const std::size_t n = pts.size();
    if (pts[i].corner)
        return {};
    if (!closed && (i == 0 || i + 1 == n))
        return i == 0 ? (at(pts[1]) - at(pts[0])) * 0.5 : (at(pts[n - 1]) - at(pts[n - 2])) * 0.5;
    return (at(pts[(i + 1) % n]) - at(pts[(i + n - 1) % n])) * 0.5;
}

QPainterPath catmullRom(const std::vector<Pt> &pts, bool closed)
{
    QPainterPath path;
    if (pts.size() < 2)
        return path;
    path.moveTo(at(pts[0]));
    const std::size_t n = pts.size();
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const std::size_t j = (i + 1) % n;
        path.cubicTo(at(pts[i]) + tangent(pts, i, closed) / 3.0, at(pts[j]) - tangent(pts, j, closed) / 3.0,
                     at(pts[j]));
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPointF unitNormal(QPointF d)
{
    const qreal len = std::hypot(d.x(), d.y());
    return len > 0 ? QPointF(-d.y() / len, d.x() / len) : QPointF();
}

} // namespace

QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

std::vector<Pt> points(std::string_view text)
{
    std::vector<Pt> out;
    const QStringList tokens = QString::fromLatin1(text.data(), text.size()).split(' ', Qt::SkipEmptyParts);
    for (QString token : tokens) {
        const bool corner = token.endsWith('!');
        if (corner)
            token.chop(1);
        const QStringList xy = token.split(',');
        bool okX = false;
        bool okY = false;
        if (xy.size() == 2)
            out.push_back({xy[0].toDouble(&okX), xy[1].toDouble(&okY), corner});
        if (!okX || !okY)
            qFatal("bad point '%s' in outline", qPrintable(token));
    }
    return out;
}

QPainterPath smoothClosed(const std::vector<Pt> &pts) { return catmullRom(pts, true); }
QPainterPath smoothOpen(const std::vector<Pt> &pts) { return catmullRom(pts, false); }

std::vector<QPointF> samples(const QPainterPath &path, int count)
{
    std::vector<QPointF> out;
    for (int i = 0; i <= count; ++i)
        out.push_back(path.pointAtPercent(qreal(i) / count));
    return out;
}

std::vector<QPointF> spiral(QPointF centre, qreal r0, qreal r1, qreal fromDeg, qreal toDeg, int count)
{
    std::vector<QPointF> out;
    for (int i = 0; i <= count; ++i) {
        const qreal t = qreal(i) / count;
        const qreal a = (fromDeg + (toDeg - fromDeg) * t) * std::numbers::pi / 180.0;
        const qreal r = r0 + (r1 - r0) * t;
        out.push_back(centre + QPointF(std::cos(a), std::sin(a)) * r);
    }
    return out;
}

QPainterPath taper(const std::vector<QPointF> &centre, qreal w0, qreal w1)
{
    const std::size_t n = centre.size();
    if (n < 2)
        return {};
    std::vector<qreal> along(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        const QPointF d = centre[i] - centre[i - 1];
        along[i] = along[i - 1] + std::hypot(d.x(), d.y());
    }
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF d = centre[std::min(i + 1, n - 1)] - centre[i > 0 ? i - 1 : 0];
        const qreal half = (w0 + (w1 - w0) * along[i] / along[n - 1]) / 2;
        left.push_back(centre[i] + unitNormal(d) * half);
        right.push_back(centre[i] - unitNormal(d) * half);
    }
    QPainterPath band;
    band.moveTo(left.front());
    for (std::size_t i = 1; i < n; ++i)
        band.lineTo(left[i]);
    for (std::size_t i = n; i-- > 0;)
        band.lineTo(right[i]);
    band.closeSubpath();
    band.addEllipse(centre.front(), w0 / 2, w0 / 2);
    band.addEllipse(centre.back(), w1 / 2, w1 / 2);
    band.setFillRule(Qt::WindingFill);
    return band.simplified();
}

QPainterPath taper(const QPainterPath &centre, qreal w0, qreal w1)
{
    return taper(samples(centre, 64), w0, w1);
}

QPainterPath outline(const QPainterPath &line, qreal width, Qt::PenCapStyle cap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath mirrored(const QPainterPath &path, qreal axisX)
{
    return QTransform(-1, 0, 0, 1, 2 * axisX, 0).map(path);
}

QPainterPath withMirror(const QPainterPath &path, qreal axisX)
{
    QPainterPath both = path;
    both.addPath(mirrored(path, axisX));
    both.setFillRule(Qt::WindingFill);
    return both;
}

QPainterPath rotated(const QPainterPath &path, QPointF centre, qreal degrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

QPainterPath circle(QPointF centre, qreal r)
{
    QPainterPath path;
    path.addEllipse(centre, r, r);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return rotated(path, centre, degrees);
}

QPainterPath polygon(const std::vector<QPointF> &pts)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts.begin(), pts.end())));
    path.closeSubpath();
    return path;
}

void Engraving::fill(const QPainterPath &path)
{
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillPath(path, gold);
}

void Engraving::cut(const QPainterPath &path)
{
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.fillPath(path, Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Engraving::cutLine(const QPainterPath &line, qreal width, Qt::PenCapStyle cap)
{
    cut(outline(line, width, cap));
}

void Engraving::line(const QPainterPath &line, qreal width, Qt::PenCapStyle cap)
{
    fill(outline(line, width, cap));
}

void Engraving::inlay(const QPainterPath &path, qreal gap)
{
    cut(outline(path, 2 * gap));
    fill(path);
}

void Engraving::zoom(QPointF centre, qreal factor)
{
    p.translate(centre);
    p.scale(factor, factor);
    p.translate(-centre);
}
