#include "ChartWheel.h"

#include "ExactReading.h"
#include "ExactTexts.h"
#include "WindowLook.h"
#include "reading.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

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

QFont wheelFont(qreal pixelSize, bool bold = false)
{
    return DrawingFont(qMax(1, qRound(pixelSize)), bold);
}

// An axis end's label: its name over its degrees, inside the ring, beside the axis.
void axisLabel(QPainter &p, const Frame &f, double longitude, const QString &name, bool emphasised)
{
    // Beside the axis, clear of it: as far off as the label's half-extent across the axis, plus a margin.
    constexpr qreal halfWidth = 22, halfHeight = 9;
    const QPointF across = f.at(longitude + 90, 1);
    const qreal clearance = 2 + qAbs(across.x()) * halfWidth + qAbs(across.y()) * halfHeight;
    const QPointF centre = f.at(longitude, Inner - 20) + across * clearance;
    const QRectF box(centre - QPointF(halfWidth, halfHeight), QSizeF(2 * halfWidth, 2 * halfHeight));
    p.setPen(emphasised ? Nadir : Ink);
    p.setFont(wheelFont(emphasised ? 8 : 7, true));
    p.drawText(box.adjusted(0, 0, 0, -9), Qt::AlignHCenter | Qt::AlignBottom, name);
    p.setFont(wheelFont(emphasised ? 7.5 : 6.5, emphasised));
    p.drawText(box.adjusted(0, 9, 0, 0), Qt::AlignHCenter | Qt::AlignTop, degreesText(longitude));
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
    if (angles && wholeSignHouse) {
        p.setBrush(FourthHouse);
        p.drawPie(circle(Inner), qRound(f.angle(30.0 * *wholeSignHouse) * 16), 30 * 16);
        p.setPen(Nadir);
        p.setFont(wheelFont(9, true));
        const QPointF c = f.at(30.0 * *wholeSignHouse + 15, Inner - 10);
        p.drawText(QRectF(c - QPointF(8, 8), QSizeF(16, 16)), Qt::AlignCenter, QStringLiteral("4"));
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
    p.setFont(wheelFont(12));
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

        axisLabel(p, f, angles->asc, tr("ASC", "Ascendant, on the wheel"), false);
        axisLabel(p, f, angles->dsc, tr("DSC", "Descendant, on the wheel"), false);
        axisLabel(p, f, angles->mc, tr("MC", "Midheaven, on the wheel"), false);
        axisLabel(p, f, angles->ic, tr("IC", "Imum Coeli, on the wheel"), true);
    }
    p.restore();
}
