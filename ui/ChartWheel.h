// The chart wheel: the twelve signs as a ring with degree ticks, the Ascendant at nine o'clock and longitudes
// running anticlockwise from it, and the ASC–DSC and MC–IC axes labelled with their degrees, the IC
// emphasised. Where the sign three on from the rising sign (the fourth house counted by whole signs) is not
// the IC's, that sign's house is marked lightly.
//
// Drawn in a fixed logical square of 200 × 200 units scaled to the target, so the widget, the saved card
// (PNG, SVG, PDF) and the clipboard all come from the one paint routine and stay sharp at any scale.
#pragma once

#include "angles.h"

#include <QWidget>

#include <optional>
#include <vector>

class QPainter;

class ChartWheel : public QWidget
{
    Q_OBJECT
public:
    explicit ChartWheel(QWidget *parent = nullptr);

    // No angles: the ring alone, without axes. `wholeSignHouse`: the sign of the fourth whole-sign house, to
    // be marked.
    void setAngles(std::optional<quorvis::ChartAngles> angles, std::optional<int> wholeSignHouse = {});
    const std::optional<quorvis::ChartAngles> &angles() const { return m_angles; }
    const std::optional<int> &wholeSignHouse() const { return m_wholeSignHouse; }

    // Draws the wheel into the square of side `side` centred on `centre`.
    static void paint(QPainter &painter, QPointF centre, qreal side,
                      const std::optional<quorvis::ChartAngles> &angles,
                      std::optional<int> wholeSignHouse = {});
    // "Ascendant 14°07′ Cancer, Midheaven …, Descendant …, Imum Coeli …", and the marked house, or a note
    // that there is no chart yet.
    static QString describe(const std::optional<quorvis::ChartAngles> &angles,
                            std::optional<int> wholeSignHouse = {});

    // The boxes of the house number (when marked) and the four axis labels, in the wheel's 200-unit square
    // centred on the origin.
    static std::vector<QRectF> textBoxes(const quorvis::ChartAngles &angles,
                                         std::optional<int> wholeSignHouse);

    QSize sizeHint() const override { return {320, 320}; }
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<quorvis::ChartAngles> m_angles;
    std::optional<int> m_wholeSignHouse;
};
