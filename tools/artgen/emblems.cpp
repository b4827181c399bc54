#include "emblems.h"

#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

constexpr qreal degree = std::numbers::pi / 180.0;

QPainterPath shape(const std::vector<Pt> &pts) { return smoothClosed(pts); }
QPainterPath curve(const std::vector<Pt> &pts) { return smoothOpen(pts); }
// Outlines are written as "x,y x,y ..." with a ! after a point where the outline turns a sharp corner.
QPainterPath shape(const char *pts) { return smoothClosed(points(pts)); }
QPainterPath curve(const char *pts) { return smoothOpen(points(pts)); }

QPainterPath polyline(const std::vector<QPointF> &pts)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts.begin(), pts.end())));
    return path;
}

// A shape drawn about its own origin, turned and moved into place.
QPainterPath placed(const QPainterPath &local, QPointF origin, qreal degrees)
{
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.rotate(degrees);
    return t.map(local);
}

// Short engraved lines across a tapered band, like the growth rings of a horn.
void cutRidges(Engraving &e, const std::vector<QPointF> &c, qreal w0, qreal w1, int step, qreal lineWidth)
{
    for (std::size_t i = step; i + 2 < c.size(); i += step) {
        const QPointF d = c[i + 1] - c[i - 1];
        const qreal len = std::hypot(d.x(), d.y());
        const QPointF n(-d.y() / len, d.x() / len);
        const qreal half = (w0 + (w1 - w0) * qreal(i) / (c.size() - 1)) * 0.36;
        QPainterPath ridge;
        ridge.moveTo(c[i] + n * half);
        ridge.lineTo(c[i] - n * half);
        e.cutLine(ridge, lineWidth);
    }
}

QPainterPath star(QPointF c, qreal outer, qreal inner, int points, qreal turnDeg = -90)
{
    std::vector<QPointF> pts;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = (turnDeg + i * 180.0 / points) * degree;
        const qreal r = i % 2 == 0 ? outer : inner;
        pts.push_back(c + QPointF(std::cos(a), std::sin(a)) * r);
    }
    return polygon(pts);
}

void aries(Engraving &e)
{
    // The horns come out from behind the head and curl down beside the cheeks.
    const auto centre = spiral({136, 92}, 33, 7, 218, 686, 120);
    std::vector<QPointF> left;
    for (const QPointF &p : centre)
        left.emplace_back(200 - p.x(), p.y());
    for (const auto &line : {centre, left}) {
        e.inlay(taper(line, 17, 5), 1.3);
        cutRidges(e, line, 17, 5, 8, 1.3);
    }

    const QPainterPath face = shape(
        "100,68 111,70 117,80 115,98 110,116 108,130 104,139 100,141 96,139 92,130 90,116 85,98 83,80 89,70");
    e.inlay(face, 1.6);
    e.cut(withMirror(ellipse({108, 94}, 3.4, 2.0, 25)));
    e.cut(withMirror(ellipse({104.5, 133}, 2.2, 1.3, 65)));
    e.cutLine(curve({{100, 100}, {100, 124}}), 1.0);
}

void taurus(Engraving &e)
{
    const QPainterPath horn = taper(curve("106,86 122,84 135,77 142,66 142,55 137,46"), 14, 3);
    e.fill(withMirror(horn));
    const QPainterPath ear = shape("116,94 130,92 142,99! 130,105 116,103");
    e.inlay(withMirror(ear));
    const QPainterPath head = shape("100,82 114,82 121,89 121,100 116,113 114,125 117,135 111,145 100,147 "
                                    "89,145 83,135 86,125 84,113 79,100 79,89 86,82");
    e.inlay(head);

    e.cut(withMirror(ellipse({108.5, 104}, 3.6, 2.2, 18)));
    e.cutLine(curve({{86, 126}, {100, 121}, {114, 126}}), 1.4);
    e.cut(withMirror(ellipse({94.5, 136}, 3.0, 2.0, -30)));
    for (qreal x : {92.0, 100.0, 108.0}) {
        const auto curl = spiral({x, 90}, 4, 0.8, -90, 250, 30);
        e.cutLine(polyline(curl), 1.1);
    }

    const QPainterPath ring = outline(circle({100, 148}, 7), 2.6);
    e.inlay(ring, 1.3);
}

void gemini(Engraving &e)
{
    const QPainterPath robe = shape("74,78 86,78 90,84 90,100 95,142! 65,142! 70,100 70,84");
    const QPainterPath outerArm = taper(curve({{73, 82}, {67, 98}, {65, 114}}), 6.5, 5);
    const QPainterPath innerArm = taper(curve({{86, 82}, {94, 96}, {100, 102}}), 6.5, 5.5);
    const QPainterPath hair = shape("72,64 74,57 80,55 86,57 88,64 84,60 76,60");

    e.fill(withMirror(outerArm));
    e.fill(withMirror(innerArm));
    e.fill(circle({100, 103}, 4.5));
    e.inlay(withMirror(robe), 1.3);
    e.fill(withMirror(circle({80, 66}, 8.5)));
    e.cutLine(withMirror(hair), 1.1);
    e.cutLine(withMirror(curve({{70, 100}, {80, 102}, {90, 100}})), 1.3);
    e.cutLine(withMirror(curve({{77, 104}, {75, 122}, {73, 140}})), 1.0);
    e.cutLine(withMirror(curve({{84, 104}, {86, 122}, {88, 140}})), 1.0);
    e.fill(withMirror(star({80, 46}, 6.5, 2.0, 4)));
}

void cancer(Engraving &e)
{
    const QPainterPath leg = taper(curve({{124, 106}, {140, 98}, {150, 112}}), 5, 2);
    for (int i = 0; i < 4; ++i) {
        const QPainterPath shifted = QTransform::fromTranslate(0, i * 8.5).map(leg);
        e.fill(withMirror(rotated(shifted, {124, 106 + i * 8.5}, i * 14.0)));
    }

    // A pincer drawn pointing up from its wrist at the origin.
    QPainterPath claw = ellipse({0, -11}, 10, 12);
    claw.addPath(taper(curve({{-6, -16}, {-8, -28}, {-1, -37}}), 10, 2));
    claw.addPath(taper(curve({{6, -16}, {8, -25}, {4, -31}}), 7, 2));
    claw.setFillRule(Qt::WindingFill);
    const QPainterPath rightClaw = placed(claw.simplified(), {136, 74}, 24);
    const QPainterPath arm = taper(curve({{118, 96}, {130, 90}, {136, 76}}), 8, 7);
    e.fill(withMirror(arm));
    e.inlay(withMirror(rightClaw), 1.4);

    e.line(withMirror(curve({{106, 92}, {108, 84}})), 3);
    e.fill(withMirror(circle({108.5, 82}, 3.6)));

    const QPainterPath shell =
        shape("100,90 116,91 128,98 132,108 125,120 113,127 100,128 87,127 75,120 68,108 72,98 84,91");
    e.inlay(shell);
    e.cutLine(withMirror(curve({{100, 97}, {92, 103}, {87, 114}})), 1.3);
    e.cutLine(withMirror(curve({{100, 97}, {84, 98}, {76, 106}})), 1.1);
    e.cutLine(curve({{100, 104}, {100, 121}}), 1.1);
}

void leo(Engraving &e)
{
    // Far legs, wing and tail behind; then the body with the near legs; mane and head in front.
    e.fill(taper(curve({{90, 110}, {84, 126}, {80, 140}}), 9, 6));
    e.fill(ellipse({77, 142}, 5.5, 2.6));
    e.fill(taper(curve({{120, 110}, {114, 126}, {112, 140}}), 10, 6));
    e.fill(ellipse({109, 142}, 5.5, 2.6));

    const std::array<qreal, 5> lengths = {56, 54, 48, 40, 31};
    for (int i = 0; i < 5; ++i) {
        const qreal len = lengths[i];
        const QPainterPath feather =
            shape({{0, -3}, {len * 0.55, -5.5}, {len, 0, true}, {len * 0.55, 5}, {0, 3}});
        e.inlay(placed(feather, {102, 92}, -96 + i * 15.0), 1.2);
    }
    e.inlay(shape("92,96 93,80 100,69 112,63 122,66 118,78 108,90"), 1.2);
    e.cutLine(curve({{98, 84}, {104, 76}, {114, 70}}), 1.0);

    e.fill(taper(curve("136,104 148,108 154,98 150,86 155,77"), 4, 2.6));
    e.fill(ellipse({156, 74}, 3.6, 6.5, 25));

    const QPainterPath body =
        shape("72,98 86,90 100,93 116,94 130,94 139,100 140,110 137,120 134,130 131,137 132,143! 116,143! "
              "122,136 124,126 120,119 108,118 94,118 84,119 82,130 82,143! 66,143! 73,136 73,122 70,110");
    e.inlay(body, 1.2);
    e.cutLine(curve({{122, 104}, {130, 112}, {130, 122}}), 1.0);
    e.cutLine(curve({{120, 143}, {121, 140}}), 1.0);
    e.cutLine(curve({{70, 143}, {71, 140}}), 1.0);

    std::vector<Pt> mane;
    for (int i = 0; i < 12; ++i) {
        const qreal tip = (i * 30.0 + 8) * degree;
        const qreal valley = (i * 30.0 + 20) * degree;
        mane.push_back({76 + 23 * std::cos(tip), 88 + 25 * std::sin(tip), true});
        mane.push_back({76 + 16 * std::cos(valley), 88 + 17 * std::sin(valley)});
    }
    e.inlay(shape(mane), 1.2);
    for (int i = 0; i < 7; ++i) {
        const qreal a = (-80 + i * 30.0) * degree;
        e.cutLine(curve({{76 + 12 * std::cos(a), 88 + 13 * std::sin(a)},
                         {76 + 18 * std::cos(a + 0.2), 88 + 19 * std::sin(a + 0.2)}}),
                  1.1);
    }

    const QPainterPath head =
        shape("76,72 66,70 58,73 52,78 47,84 47,89 52,92 56,97 63,99 71,96 77,90 79,80");
    e.inlay(head, 1.3);
    e.inlay(circle({74, 69}, 4.5), 1.1);
    e.cut(circle({74, 69}, 1.8));
    e.cut(ellipse({61, 80}, 2.8, 1.5, -12));
    e.cutLine(curve({{57, 78}, {62, 76}, {67, 78}}), 0.9);
    e.cut(ellipse({48.5, 85}, 1.8, 1.3));
    e.cutLine(curve({{48, 91}, {53, 92}, {59, 91}}), 1.0);
}

void virgo(Engraving &e)
{
    e.zoom({100, 100}, 1.15);
    // The ear of wheat she holds, behind her arm.
    e.line(curve("108,138 116,108 124,80 128,62"), 2.2);
    for (int i = 0; i < 6; ++i) {
        const qreal t = i / 5.0;
        const QPointF at(123 + 5 * t, 84 - 22 * t);
        const QPainterPath grain = ellipse({0, -5}, 2.6, 5.5);
        e.fill(placed(grain, at, -40 + 5 * t));
        e.fill(placed(grain, at + QPointF(1, 0), 30 + 5 * t));
    }
    e.fill(ellipse({129, 58}, 2.4, 5, 15));
    e.fill(shape("114,112 124,104 132,100! 124,110 115,116"));

    const QPainterPath hair = shape("90,56 98,51 106,54 108,62 100,60 94,66 93,82 92,98 84,106! 86,90 86,72");
    const QPainterPath gown = shape("93,74 103,74 108,84 105,98 109,120 118,144! 78,144! 87,120 91,98 89,84");
    e.fill(gown);
    e.inlay(shape("92,58 102,55 107,60 108,65 110,69 106,70 104,74 96,73 93,66"), 1.0);
    e.inlay(hair, 1.2);
    e.inlay(taper(curve({{104, 80}, {110, 93}, {118, 96}}), 6, 5), 1.2);
    e.cutLine(curve({{91, 98}, {98, 100}, {105, 98}}), 1.3);
    e.cutLine(curve({{96, 104}, {94, 124}, {90, 142}}), 1.0);
    e.cutLine(curve({{101, 104}, {104, 124}, {108, 142}}), 1.0);
}

void libra(Engraving &e)
{
    e.fill(shape("86,135! 114,135! 122,145! 78,145!"));
    e.fill(polygon({{97.5, 76}, {102.5, 76}, {103.5, 135}, {96.5, 135}}));
    e.fill(circle({100, 60}, 5));
    e.fill(polygon({{98, 62}, {102, 62}, {102, 72}, {98, 72}}));
    e.fill(taper(curve({{54, 76}, {100, 72}, {146, 76}}), 4.5, 4.5));
    e.fill(withMirror(circle({54, 76}, 4)));
    e.inlay(circle({100, 74}, 6.5), 1.2);
    e.cut(circle({100, 74}, 2.5));

    QPainterPath chains;
    chains.moveTo(54, 78);
    chains.lineTo(40, 114);
    chains.moveTo(54, 78);
    chains.lineTo(68, 114);
    e.line(withMirror(chains), 1.6);
    const QPainterPath pan = shape("36,113! 72,113! 66,122 54,126 42,122");
    e.fill(withMirror(pan));
    e.cutLine(withMirror(curve({{40, 117}, {54, 119}, {68, 117}})), 1.0);
    e.cutLine(curve({{84, 140}, {116, 140}}), 1.2);
}

void scorpio(Engraving &e)
{
    const auto tailLine = samples(curve("118,114 136,104 144,84 138,64 122,56 108,62"), 80);
    e.fill(taper(tailLine, 12, 7));
    cutRidges(e, tailLine, 14, 9, 16, 1.3);
    e.fill(ellipse({106, 63}, 6, 5, 20));
    e.fill(taper(curve({{104, 66}, {98, 70}, {97, 78}}), 5, 1));

    for (int i = 0; i < 4; ++i) {
        const qreal x = 78 + i * 10.0;
        e.fill(taper(curve({{x, 122}, {x - 7 + i * 2.0, 130}, {x - 10 + i * 4.0, 142}}), 3.4, 1.8));
    }
    const QPainterPath armTop = taper(curve({{70, 112}, {58, 104}, {50, 104}}), 5, 4.5);
    const QPainterPath armLow = taper(curve({{70, 118}, {58, 124}, {50, 126}}), 5, 4.5);
    e.fill(armTop);
    e.fill(armLow);
    QPainterPath claw = ellipse({0, -9}, 7, 10);
    claw.addPath(taper(curve({{-5, -13}, {-6, -22}, {-1, -29}}), 7, 1.6));
    claw.addPath(taper(curve({{5, -13}, {6, -20}, {3, -25}}), 5, 1.6));
    claw.setFillRule(Qt::WindingFill);
    e.inlay(placed(claw.simplified(), {52, 104}, -70), 1.2);
    e.inlay(placed(claw.simplified(), {52, 126}, -110), 1.2);

    const QPainterPath body = shape("62,116 68,109 84,107 108,107 124,111 128,118 110,126 84,126 68,124");
    e.inlay(body, 1.2);
    for (qreal x : {80.0, 91.0, 102.0, 113.0})
        e.cutLine(curve({{x, 108}, {x + 2, 117}, {x, 125}}), 1.2);
    e.cut(circle({68, 113}, 1.5));
}

void sagittarius(Engraving &e)
{
    // Drawn along the x axis, pointing right, then turned to point to the upper right.
    const QPointF c(96, 104);
    const qreal turn = -45;
    const auto put = [&](const QPainterPath &local) { return placed(local, c, turn); };

    const QPainterPath upper = curve("14,0 12,-18 4,-36 -8,-50 -18,-54");
    const QPainterPath lower = curve("14,0 12,18 4,36 -8,50 -18,54");
    QPainterPath string;
    string.moveTo(-18, -54);
    string.lineTo(-46, 0);
    string.lineTo(-18, 54);
    e.line(put(string), 1.3);

    e.line(put(curve({{-47, 0}, {50, 0}})), 3.2, Qt::FlatCap);
    e.fill(put(shape("68,0! 46,-8.5! 51,0! 46,8.5!")));
    for (qreal side : {-1.0, 1.0}) {
        e.fill(put(shape({{-30, side * 1.6, true},
                          {-38, side * 9, true},
                          {-51, side * 9, true},
                          {-44, side * 1.6, true}})));
        for (qreal x : {-38.0, -44.0})
            e.cutLine(put(curve({{x + 4, side * 2.5}, {x - 1, side * 8}})), 0.9);
    }

    const QPainterPath bow = taper(upper, 8, 3).united(taper(lower, 8, 3));
    e.inlay(put(bow), 1.3);
    e.fill(put(ellipse({14, 0}, 4.5, 8)));
    for (qreal y : {-5.0, -1.7, 1.7, 5.0})
        e.cutLine(put(curve({{10, y}, {19, y}})), 0.9);
}

void capricorn(Engraving &e)
{
    const auto tailLine = samples(curve("102,106 116,124 134,130 148,120 151,104 144,92"), 80);
    e.fill(taper(tailLine, 26, 6));
    for (std::size_t i = 10; i + 16 < tailLine.size(); i += 9) {
        const QPointF d = tailLine[i + 1] - tailLine[i - 1];
        const qreal a = std::atan2(d.y(), d.x()) / degree;
        e.cutLine(placed(curve({{-3, -6}, {2, 0}, {-3, 6}}), tailLine[i], a), 1.1);
    }
    // A forked fin at the end of the tail, its two lobes spread either side of the tail's last direction.
    const QPointF end = tailLine.back();
    const QPointF d = end - tailLine[tailLine.size() - 4];
    const qreal heading = std::atan2(d.y(), d.x()) / degree;
    for (qreal side : {-1.0, 1.0})
        e.fill(placed(taper(curve({{0, 0}, {9, side * 5}, {17, side * 13}}), 8, 1.5), end, heading));

    // Forelegs: the far one folded forward, the near one reaching down; small cloven hooves.
    const QPainterPath hoof = shape("-1,-3.2 6,-2.6! 5.5,3! -1,3.2");
    e.fill(taper(curve("88,102 80,114 74,120 64,118"), 11, 3.6));
    e.fill(placed(hoof, {63, 118}, 190));
    const QPainterPath body = shape("76,78 86,80 98,90 110,98 118,110 108,120 94,120 82,114 74,100");
    e.fill(body);
    e.inlay(taper(curve("98,108 90,122 86,130 78,136"), 12, 3.6), 1.2);
    e.fill(placed(hoof, {77, 136.5}, 150));
    for (const auto &[at, turn] : {std::pair{QPointF(63, 118), 190.0}, std::pair{QPointF(77, 136.5), 150.0}})
        e.cutLine(placed(curve({{2.5, 0}, {6.5, 0}}), at, turn), 1.0);

    const QPainterPath hornLine = curve("76,66 82,54 94,48 108,52 114,62");
    e.fill(taper(hornLine, 8, 2));
    cutRidges(e, samples(hornLine, 40), 8, 2, 5, 1.0);
    const QPainterPath head = shape("72,64 80,62 86,70 86,82 76,86 66,82 56,84 52,80 54,74 64,68");
    e.inlay(head, 1.3);
    e.fill(shape("58,82 62,84 60,96! 56,86"));
    e.inlay(shape("80,68 92,70 100,76! 88,76"), 1.0);
    e.cut(ellipse({70, 72}, 2.6, 1.6, -20));
    e.cutLine(curve({{86, 82}, {96, 94}, {104, 104}}), 1.1);
}

void aquarius(Engraving &e)
{
    const QPainterPath vase = shape("-7,-30! 7,-30! 6,-24 5,-18 16,-8 18,4 12,18 5,26 8,31! -8,31! -5,26 "
                                    "-12,18 -18,4 -16,-8 -5,-18 -6,-24");
    QPainterPath lip;
    lip.addRoundedRect(QRectF(-10, -34, 20, 5), 2, 2);
    const QPainterPath handle = taper(curve("5,-21 18,-20 20,-11 15,-5"), 3, 3);
    const QPointF at(76, 78);
    const qreal turn = 118;

    const auto streamLine = samples(curve("103,92 112,100 118,112 120,128"), 40);
    e.fill(taper(streamLine, 6, 4));
    for (qreal y : {126.0, 140.0}) {
        std::vector<Pt> wave;
        for (qreal x = 52; x <= 148.01; x += 6)
            wave.push_back({x, y + 4 * std::sin((x - 52) / 24 * 2 * std::numbers::pi)});
        e.inlay(outline(curve(wave), 5, Qt::FlatCap), 1.2);
    }
    e.fill(placed(handle, at, turn));
    e.fill(placed(mirrored(handle, 0), at, turn));
    e.inlay(placed(vase, at, turn), 1.2);
    e.inlay(placed(lip, at, turn), 1.0);
    e.cutLine(placed(curve({{-16, -4}, {0, 0}, {16, -4}}), at, turn), 1.2);
    e.cutLine(placed(curve({{-17, 8}, {0, 12}, {17, 8}}), at, turn), 1.2);
    e.fill(ellipse({128, 108}, 1.8, 2.6));
    e.fill(ellipse({108, 120}, 1.6, 2.4));
}

// The fishes swim round a circle of radius 42 about the middle. Each is drawn in its own frame, nose at
// x = 62 and tail at x = -6, y across the body with negative y outwards, then bent onto the circle.
class Fish
{
public:
    explicit Fish(qreal middleDeg) : middle(middleDeg) {}

    QPointF at(qreal x, qreal y) const
    {
        const qreal a = middle * degree - (x - 28) / radius;
        return {100 + (radius - y) * std::cos(a), 100 + (radius - y) * std::sin(a)};
    }
    QPainterPath shape(const char *local, bool closed = true) const { return shape(points(local), closed); }
    QPainterPath shape(const std::vector<Pt> &local, bool closed = true) const
    {
        std::vector<Pt> pts;
        for (const Pt &p : local) {
            const QPointF q = at(p.x, p.y);
            pts.push_back({q.x(), q.y(), p.corner});
        }
        return closed ? smoothClosed(pts) : smoothOpen(pts);
    }
    void draw(Engraving &e) const
    {
        e.fill(shape("42,-11 34,-21 22,-19! 24,-9"));
        e.fill(shape({{38, 11}, {30, 18, true}, {27, 10}}));
        e.inlay(shape("62,0 58,-7 46,-13 30,-12 16,-6 8,-2! -6,-14! -1,0! -6,14! 8,2! 16,6 30,12 46,13 58,7"),
                1.2);
        e.cut(circle(at(53, -2.5), 2.4));
        e.cutLine(shape({{45, -10}, {42, 0}, {45, 10}}, false), 1.3);
        for (qreal x : {22.0, 29.0, 36.0}) {
            const qreal h = 4 + (x - 16) * 0.22;
            e.cutLine(shape({{x, -h}, {x - 3, 0}, {x, h}}, false), 1.0);
        }
        for (qreal y : {-5.0, 5.0})
            e.cutLine(shape({{5, y * 0.3}, {-2, y * 1.6}}, false), 0.9);
    }

private:
    static constexpr qreal radius = 42;
    qreal middle;
};

void pisces(Engraving &e)
{
    e.zoom({100, 100}, 1.08);
    const Fish upper(-90);
    const Fish lower(90);
    const QPointF from = upper.at(-1, 0);
    const QPointF to = lower.at(-1, 0);
    e.line(curve({{from.x(), from.y()}, {124, 88}, {100, 100}, {76, 112}, {to.x(), to.y()}}), 1.6);
    upper.draw(e);
    lower.draw(e);
    e.fill(circle({100, 100}, 3.4));
}

} // namespace

void drawEmblem(int sign, Engraving &e)
{
    using Draw = void (*)(Engraving &);
    static constexpr std::array<Draw, 12> draw = {
        aries, taurus, gemini, cancer, leo, virgo, libra, scorpio, sagittarius, capricorn, aquarius, pisces,
    };
    draw.at(sign)(e);
}
