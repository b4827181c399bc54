#include "ChartWheel.h"

#include "ExactReading.h"
#include "ExactTexts.h"
#include "WindowLook.h"
#include "reading.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// The program's purple for lines and glyphs, a deep red for the Imum Coeli, on a pale ground that reads the
// same on the window and on paper.
const QColor Ink(62, 24, 148);
const QColor Nadir(190, 0, 0);
const QColor Ground(255, 255, 232);
const QColor Shade(232, 226, 246);
const QColor FourthHouse(190, 0, 0, 34); // the Imum Coeli's red, lightly

constexpr qreal Outer = 96;   // outer edge of the sign ring
constexpr qreal Inner = 74;   // inner edge of the sign ring
constexpr qreal GlyphAt = 85; // radius of the sign glyphs

QString glyph(int sign) { return QString(QChar(0x2648 + sign)) + QChar(0xFE0E); }

QString degreesText(double longitude)
{
    const quorvis::SignPosition p = quorvis::ToSignPosition(longitude);
    return QStringLiteral("%1°%2′ ").arg(p.degrees).arg(p.minutes, 2, 10, QLatin1Char('0')) + glyph(p.sign);
}

struct Frame
{
    double asc = 0; // the longitude at nine o'clock

    // Screen angle in degrees, anticlockwise from three o'clock.
    qreal angle(double longitude) const { return 180.0 + (longitude - asc); }
    QPointF at(double longitude, qreal radius) const
    {
        const qreal a = qDegreesToRadians(angle(longitude));
        return {radius * qCos(a), -radius * qSin(a)};
    }
};

// The texts' sizes in the wheel's units; the smallest sets the wheel's least size on screen.
constexpr int NameSize = 9, NadirNameSize = 10, DegreesSize = 9, GlyphSize = 13, HouseSize = 10;
constexpr int SmallestText = 9;

// An axis end's label: its name over its degrees, inside the ring, beside the axis.
struct AxisLabel
{
    double longitude = 0;
    QString name;
    bool emphasised = false;
    QRectF box; // where it is drawn
};

QFont nameFont(const AxisLabel &l) { return DrawingFont(l.emphasised ? NadirNameSize : NameSize, true); }
QFont degreesFont(const AxisLabel &l) { return DrawingFont(DegreesSize, l.emphasised); }

QSizeF labelSize(const AxisLabel &l)
{
    const QFontMetricsF name(nameFont(l)), degrees(degreesFont(l));
    return {qMax(name.horizontalAdvance(l.name), degrees.horizontalAdvance(degreesText(l.longitude))) + 2,
            name.height() + degrees.height()};
}

// Each label takes the place, nearest the ring first and on either side of its axis, that overlaps nothing
// placed before it (the house number, the labels before it), within the inner circle. Where the axes crowd,
// the labels are placed again in the other orders, and the order that leaves the least overlap wins.
qreal overlapWith(const QRectF &box, const std::vector<QRectF> &taken)
{
    qreal area = 0;
    for (const QRectF &other : taken) {
        const QRectF both = box.intersected(other);
        area += both.isEmpty() ? 0 : both.width() * both.height();
    }
    const qreal corner =
        std::hypot(qMax(qAbs(box.left()), qAbs(box.right())), qMax(qAbs(box.top()), qAbs(box.bottom())));
    return area + (corner > Inner - 1 ? 1e6 * (corner - Inner + 1) : 0);
}

qreal placeInOrder(const Frame &f, std::vector<AxisLabel> &labels, std::vector<QRectF> taken)
{
    qreal total = 0;
    for (AxisLabel &label : labels) {
        const QSizeF size = labelSize(label);
        const QPointF across = f.at(label.longitude + 90, 1);
        const qreal clearance = 2 + (qAbs(across.x()) * size.width() + qAbs(across.y()) * size.height()) / 2;
        qreal best = -1;
        for (qreal radius = Inner - 24; radius >= 12 && best != 0; radius -= 7)
            for (const int side : {1, -1}) {
                QRectF box(QPointF(), size);
                box.moveCenter(f.at(label.longitude, radius) + across * clearance * side);
                const qreal cost = overlapWith(box, taken);
                if (best < 0 || cost < best) {
                    best = cost;
                    label.box = box;
                }
                if (best == 0)
                    break;
            }
        total += best;
        taken.push_back(label.box);
    }
    return total;
}

void placeLabels(const Frame &f, std::vector<AxisLabel> &labels, const std::vector<QRectF> &taken)
{
    std::vector<int> order(labels.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<AxisLabel> best;
    qreal least = -1;
    do {
        std::vector<AxisLabel> tried;
        for (const int i : order)
            tried.push_back(labels[std::size_t(i)]);
        const qreal overlap = placeInOrder(f, tried, taken);
        if (least < 0 || overlap < least) {
            least = overlap;
            best = tried;
        }
    } while (least > 0 && std::next_permutation(order.begin(), order.end()));
    labels = best;
}

// Where the wheel's texts of a chart go: the fourth whole-sign house's number, then the axis labels around
// it.
struct TextLayout
{
    std::optional<QRectF> house;
    std::vector<AxisLabel> labels;
};

TextLayout layOut(const Frame &f, const quorvis::ChartAngles &angles, std::optional<int> wholeSignHouse)
{
    TextLayout layout;
    std::vector<QRectF> marked;
    if (wholeSignHouse) {
        const QPointF c = f.at(30.0 * *wholeSignHouse + 15, Inner - 10);
        layout.house = QRectF(c - QPointF(6, 7), QSizeF(12, 14));
        marked.push_back(*layout.house);
    }
    layout.labels = {{angles.ic, ChartWheel::tr("IC", "Imum Coeli, on the wheel"), true, {}},
                     {angles.asc, ChartWheel::tr("ASC", "Ascendant, on the wheel"), false, {}},
                     {angles.mc, ChartWheel::tr("MC", "Midheaven, on the wheel"), false, {}},
                     {angles.dsc, ChartWheel::tr("DSC", "Descendant, on the wheel"), false, {}}};
    placeLabels(f, layout.labels, marked);
    return layout;
}

void drawLabel(QPainter &p, const AxisLabel &l)
{
    p.setPen(l.emphasised ? Nadir : Ink);
    const QFontMetricsF name(nameFont(l));
    p.setFont(nameFont(l));
    p.drawText(QRectF(l.box.topLeft(), QSizeF(l.box.width(), name.height())), Qt::AlignCenter, l.name);
    p.setFont(degreesFont(l));
    p.drawText(l.box.adjusted(0, name.height(), 0, 0), Qt::AlignCenter, degreesText(l.longitude));
}

} // namespace

ChartWheel::ChartWheel(QWidget *parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(tr("Chart wheel"));
    setAccessibleDescription(describe(m_angles));
}

void ChartWheel::setAngles(std::optional<quorvis::ChartAngles> angles, std::optional<int> wholeSignHouse)
{
    m_angles = angles;
    m_wholeSignHouse = angles ? wholeSignHouse : std::nullopt;
    setAccessibleDescription(describe(m_angles, m_wholeSignHouse));
    update();
}

QString ChartWheel::describe(const std::optional<quorvis::ChartAngles> &angles,
                             std::optional<int> wholeSignHouse)
{
    if (!angles)
        return tr("No chart yet: give the date, the time and the place of birth.");
    using quorvis::exact::SignPositionText;
    const QString described = tr("Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4")
                                  .arg(SignPositionText(angles->asc), SignPositionText(angles->mc),
                                       SignPositionText(angles->dsc), SignPositionText(angles->ic));
    if (!wholeSignHouse)
        return described;
    return tr("%1; the fourth house counted by whole signs, marked: %2", "%1: the angles")
        .arg(described, quorvis::exact::SignName(*wholeSignHouse));
}

std::vector<QRectF> ChartWheel::textBoxes(const quorvis::ChartAngles &angles,
                                          std::optional<int> wholeSignHouse)
{
    const TextLayout layout = layOut(Frame{angles.asc}, angles, wholeSignHouse);
    std::vector<QRectF> boxes;
    if (layout.house)
        boxes.push_back(*layout.house);
    for (const AxisLabel &label : layout.labels)
        boxes.push_back(label.box);
    return boxes;
}

QSize ChartWheel::minimumSizeHint() const
{
    // Its smallest text no smaller than 8 points on this screen.
    const int side = qCeil(200.0 * 8.0 * logicalDpiY() / 72.0 / SmallestText);
    return {side, side};
}

void ChartWheel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal side = qMin(width(), height());
    paint(p, QRectF(rect()).center(), side, m_angles, m_wholeSignHouse);
}

void ChartWheel::paint(QPainter &p, QPointF centre, qreal side,
                       const std::optional<quorvis::ChartAngles> &angles, std::optional<int> wholeSignHouse)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(centre);
    p.scale(side / 200.0, side / 200.0);

    const Frame f{angles ? angles->asc : 0.0};
    const auto circle = [](qreal r) { return QRectF(-r, -r, 2 * r, 2 * r); };

    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Ground);
    p.drawEllipse(circle(Outer + 2));
    p.setPen(Qt::NoPen);
    p.setBrush(Shade);
    for (int sign = 0; sign < 12; sign += 2)
        p.drawPie(circle(Outer), qRound(f.angle(30.0 * sign) * 16), 30 * 16);
    p.setBrush(Ground);
    p.drawEllipse(circle(Inner));
    // The house number sits in its house by the ring; the axis labels keep clear of it.
    const std::optional<TextLayout> texts =
        angles ? std::optional(layOut(f, *angles, wholeSignHouse)) : std::nullopt;
    if (texts && texts->house) {
        p.setBrush(FourthHouse);
        p.drawPie(circle(Inner), qRound(f.angle(30.0 * *wholeSignHouse) * 16), 30 * 16);
        p.setPen(Nadir);
        p.setFont(DrawingFont(HouseSize, true));
        p.drawText(*texts->house, Qt::AlignCenter, QStringLiteral("4"));
        p.setPen(Qt::NoPen);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 0.6));
    p.drawEllipse(circle(Outer));
    p.drawEllipse(circle(Inner));
    for (int sign = 0; sign < 12; ++sign)
        p.drawLine(f.at(30.0 * sign, Inner), f.at(30.0 * sign, Outer));
    p.setPen(QPen(Ink, 0.3));
    for (int degree = 0; degree < 360; ++degree) {
        const qreal length = degree % 10 == 0 ? 4.5 : degree % 5 == 0 ? 3 : 1.6;
        p.drawLine(f.at(degree, Outer), f.at(degree, Outer - length));
    }

    p.setPen(Ink);
    p.setFont(DrawingFont(GlyphSize));
    for (int sign = 0; sign < 12; ++sign) {
        const QPointF c = f.at(30.0 * sign + 15, GlyphAt);
        p.drawText(QRectF(c - QPointF(8, 8), QSizeF(16, 16)), Qt::AlignCenter, glyph(sign));
    }

    if (angles) {
        p.setPen(QPen(Ink, 1.0));
        p.drawLine(f.at(angles->asc, Inner), f.at(angles->dsc, Inner));
        p.drawLine(QPointF(0, 0), f.at(angles->mc, Inner));
        p.setPen(QPen(Nadir, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), f.at(angles->ic, Outer));
        p.setBrush(Nadir);
        p.setPen(Qt::NoPen);
        p.drawEllipse(f.at(angles->ic, Outer), 2.6, 2.6);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(0, 0), 1.6, 1.6);

        for (const AxisLabel &label : texts->labels)
            drawLabel(p, label);
    }
    p.restore();
}
