// The one-page reading card of the exact-nadir window: the chart wheel, the results, the data used and the
// credit for the place names. One paint routine draws it for the clipboard and PNG (raster), SVG and PDF, on
// a fixed logical page of 800 × 1131 units (A4's proportions) scaled to each target.
#pragma once

#include "angles.h"

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QRectF;

struct ReadingCard
{
    QString title;               // "Exact nadir reading for ANN"
    QString nadir;               // "Imum Coeli 14°07′ Capricorn", the emphasised line
    QStringList results;         // the nadir signs, the other angles, the slot's signs, the quick reading
    QString interpretationTitle; // "Your nadir sign, Capricorn"
    QString interpretation;      // that sign's interpretation
    QStringList dataUsed;        // date and time given, time used, place used
    std::optional<quorvis::ChartAngles> angles;
    std::optional<int> wholeSignHouse; // marked on the wheel where it is not the IC's sign

    static QString credit()
    {
        return QCoreApplication::translate("ReadingCard", "Places: GeoNames, CC BY 4.0");
    }
    static constexpr QSize LogicalPage{800, 1131};

    // Draws the card scaled to fit `page`, centred in it.
    void paint(QPainter &painter, const QRectF &page) const;
    // The card as plain text, line by line.
    QString text() const;
    QImage image(QSize size) const;
    // Writes the card as PNG (at `pngSize`), SVG or PDF, chosen by the file name's ending. False, with the
    // reason in `why`, when the ending is none of these or the file cannot be written whole.
    bool save(const QString &path, QSize pngSize = {1240, 1754}, QString *why = nullptr) const;
    // The endings save() knows: ".png, .svg or .pdf" (no SVG where it is not built).
    static QString formats();
    // Whether save() writes a file with this ending ("png", "svg", "pdf"; any case).
    static bool savesAs(const QString &ending);
};
