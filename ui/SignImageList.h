// The twelve sign pictures, in zodiac order at positions 1 to 12, compiled in as resources.
// A picture is decoded only when a reading asks for it, in the resolution the screen needs.
#pragma once

#include <QPixmap>
#include <QString>

class SignImageList
{
public:
    static constexpr int Count = 12;
    static constexpr int PictureSize = 200; // device-independent pixels, square

    // "aries.jpg" .. "pisces.jpg"; empty for a position outside 1..12.
    static QString pictureName(int position);
    // The picture at `position`, drawn for `devicePixelRatio`; a null pixmap for a position outside 1..12.
    static QPixmap picture(int position, qreal devicePixelRatio = 1.0);
};
