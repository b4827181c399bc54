// The small vocabulary the emblems are drawn in: smooth outlines through a few points, tapered strokes,
// mirror images, and an engraving layer on which gold is laid down and lines are cut back out of it.
// All coordinates are in the 200 x 200 frame of a sign picture; the painter's transform does the scaling.
#pragma once

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <string_view>
#include <vector>

struct Pt
{
    qreal x;
    qreal y;
    bool corner = false;
};

// A transparent image at a fixed 96 dots per inch, so that the written files do not depend on the machine.
QImage blankImage(int width, int height);

// Reads "x,y x,y ..." where a point followed by ! is a corner; aborts on anything else.
std::vector<Pt> points(std::string_view text);

// Catmull-Rom curves through the points; a corner point gets a sharp join.
QPainterPath smoothClosed(const std::vector<Pt> &pts);
QPainterPath smoothOpen(const std::vector<Pt> &pts);

std::vector<QPointF> samples(const QPainterPath &path, int count);
std::vector<QPointF> spiral(QPointF centre, qreal r0, qreal r1, qreal fromDeg, qreal toDeg, int count);

// A band along the centre line whose width runs from w0 to w1, with round ends.
QPainterPath taper(const std::vector<QPointF> &centre, qreal w0, qreal w1);
QPainterPath taper(const QPainterPath &centre, qreal w0, qreal w1);

QPainterPath outline(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);
QPainterPath mirrored(const QPainterPath &path, qreal axisX = 100);
QPainterPath withMirror(const QPainterPath &path, qreal axisX = 100);
QPainterPath rotated(const QPainterPath &path, QPointF centre, qreal degrees);
QPainterPath circle(QPointF centre, qreal r);
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees = 0);
QPainterPath polygon(const std::vector<QPointF> &pts);

class Engraving
{
public:
    Engraving(QPainter &painter, QBrush gold) : p(painter), gold(std::move(gold)) {}

    void fill(const QPainterPath &path);
    void cut(const QPainterPath &path);
    void cutLine(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);
    void line(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);
    // Lays a shape over earlier gold with a thin cut around it, so overlapping parts stay apart.
    void inlay(const QPainterPath &path, qreal gap = 1.6);
    // Enlarges everything drawn afterwards about the given point.
    void zoom(QPointF centre, qreal factor);

private:
    QPainter &p;
    QBrush gold;
};
