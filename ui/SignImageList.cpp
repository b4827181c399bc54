#include "SignImageList.h"

#include "reading.h"

QString SignImageList::pictureName(int position)
{
    if (position < 1 || position > Count)
        return {};
    const std::string_view sign = quorvis::ZodiacSigns[static_cast<std::size_t>(position - 1)];
    return QString::fromLatin1(sign.data(), static_cast<qsizetype>(sign.size())).toLower() +
           QLatin1String(".jpg");
}

QPixmap SignImageList::picture(int position, qreal devicePixelRatio)
{
    const QString name = pictureName(position);
    if (name.isEmpty())
        return {};
    const bool hiDpi = devicePixelRatio > 1.0;
    QString path = QLatin1String(":/signs/") + name;
    if (hiDpi)
        path.insert(path.size() - 4, QLatin1String("@2x"));
    QPixmap pixmap(path);
    if (hiDpi)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}
