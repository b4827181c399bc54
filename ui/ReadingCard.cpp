#include "ReadingCard.h"

#include "ChartWheel.h"
#include "WindowLook.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#ifdef QUORVIS_SVG_CARD
#include <QSvgGenerator>
#endif

namespace {

const QColor Ink(62, 24, 148);
const QColor Nadir(190, 0, 0);
const QColor Quiet(90, 90, 90);

QFont cardFont(int pixelSize, bool bold = false)
{
    return DrawingFont(pixelSize, bold);
}

// Draws `text` wrapped to `width` at `top` and returns the top of the next line.
qreal paragraph(QPainter &p, qreal top, qreal width, const QString &text)
{
    const QRectF box(40, top, width, 1000);
    QRectF used;
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
    return top + used.height() + 6;
}

} // namespace

void ReadingCard::paint(QPainter &p, const QRectF &page) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = qMin(page.width() / LogicalPage.width(), page.height() / LogicalPage.height());
    p.translate(page.center());
    p.scale(scale, scale);
    p.translate(-LogicalPage.width() / 2.0, -LogicalPage.height() / 2.0);

    const qreal width = LogicalPage.width() - 80;
    p.setPen(Ink);
    p.setFont(cardFont(30, true));
    p.drawText(QRectF(40, 30, width, 44), Qt::AlignHCenter | Qt::AlignVCenter, title);

    ChartWheel::paint(p, QPointF(LogicalPage.width() / 2.0, 350), 500, angles, wholeSignHouse);

    qreal top = 620;
    p.setPen(Nadir);
    p.setFont(cardFont(28, true));
    top = paragraph(p, top, width, nadir) + 4;
    p.setPen(Qt::black);
    p.setFont(cardFont(19));
    for (const QString &line : results)
        top = paragraph(p, top, width, line);
    if (!interpretation.isEmpty()) {
        top += 8;
        p.setPen(Ink);
        p.setFont(cardFont(19, true));
        top = paragraph(p, top, width, interpretationTitle);
        p.setPen(Qt::black);
        p.setFont(cardFont(17));
        top = paragraph(p, top, width, interpretation);
    }

    top += 14;
    p.setPen(Ink);
    p.setFont(cardFont(17, true));
    top = paragraph(p, top, width, QCoreApplication::translate("ReadingCard", "Data used"));
    p.setPen(Qt::black);
    p.setFont(cardFont(16));
    for (const QString &line : dataUsed)
        top = paragraph(p, top, width, line);

    p.setPen(Quiet);
    p.setFont(cardFont(14));
    p.drawText(QRectF(40, LogicalPage.height() - 50, width, 24), Qt::AlignLeft | Qt::AlignVCenter,
               credit() + QStringLiteral("   ·   Quorvis v1.0"));
    p.restore();
}

QString ReadingCard::text() const
{
    QStringList lines{title, QString(), nadir};
    lines << results;
    if (!interpretation.isEmpty())
        lines << QString() << interpretationTitle << interpretation;
    lines << QString() << QCoreApplication::translate("ReadingCard", "Data used") << dataUsed << QString()
          << credit();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QImage ReadingCard::image(QSize size) const
{
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter p(&out);
    paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return out;
}

// Into a QSaveFile, so that a card that cannot be written whole (a full disk) leaves no cut-off file behind and
// the system's reason is kept.
bool ReadingCard::save(const QString &path, QSize pngSize, QString *why) const
{
    const QString ending = QFileInfo(path).suffix().toLower();
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    enum class Kind { Png, Svg, Pdf } kind;
    if (ending == QLatin1String("png"))
        kind = Kind::Png;
#ifdef QUORVIS_SVG_CARD
    else if (ending == QLatin1String("svg"))
        kind = Kind::Svg;
#endif
    else if (ending == QLatin1String("pdf"))
        kind = Kind::Pdf;
    else
        return fail(QCoreApplication::translate("ReadingCard", "A reading can be saved as %1, not as “%2”.")
                        .arg(formats(), ending.isEmpty() ? path : QLatin1Char('.') + ending));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    bool painted = true;
    switch (kind) {
    case Kind::Png:
        painted = image(pngSize).save(&file, "PNG");
        break;
    case Kind::Svg: {
#ifdef QUORVIS_SVG_CARD
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(LogicalPage);
        svg.setViewBox(QRect(QPoint(0, 0), LogicalPage));
        svg.setTitle(title);
        svg.setDescription(text());
        QPainter p;
        painted = p.begin(&svg);
        if (painted) {
            p.fillRect(QRect(QPoint(0, 0), LogicalPage), Qt::white);
            paint(p, QRectF(QPoint(0, 0), LogicalPage));
            painted = p.end();
        }
#endif
        break;
    }
    case Kind::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Quorvis v1.0"));
        QPainter p;
        painted = p.begin(&pdf);
        if (painted) {
            paint(p, QRectF(pdf.pageLayout().paintRectPixels(pdf.resolution()))
                         .translated(-pdf.pageLayout().paintRectPixels(pdf.resolution()).topLeft()));
            painted = p.end();
        }
        break;
    }
    }
    if (!painted && file.error() == QFileDevice::NoError)
        return fail(QCoreApplication::translate("ReadingCard", "The card could not be drawn."));
    if (!painted || !file.commit())
        return fail(file.errorString());
    return true;
}

bool ReadingCard::savesAs(const QString &ending)
{
    const QString e = ending.toLower();
#ifdef QUORVIS_SVG_CARD
    if (e == QLatin1String("svg"))
        return true;
#endif
    return e == QLatin1String("png") || e == QLatin1String("pdf");
}

QString ReadingCard::formats()
{
#ifdef QUORVIS_SVG_CARD
    return QCoreApplication::translate("ReadingCard", "%1, %2 or %3", "the endings a card can be saved with")
        .arg(QStringLiteral(".png"), QStringLiteral(".svg"), QStringLiteral(".pdf"));
#else
    return QCoreApplication::translate("ReadingCard", "%1 or %2", "the endings a card can be saved with")
        .arg(QStringLiteral(".png"), QStringLiteral(".pdf"));
#endif
}
