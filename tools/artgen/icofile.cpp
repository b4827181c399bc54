#include "icofile.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

bool writeIco(const QString &path, const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.width() > 256 || image.height() > 256 || !image.save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A dimension of 256 is written as 0.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return out.status() == QDataStream::Ok && file.flush();
}
