// A sign picture: the emblem in gold on a medallion with an ochre rim, on a dark red square ground.
#pragma once

#include <QImage>

// sign is the place in zodiac order (0 = Aries); scale 1 gives 200 x 200 pixels, 2 gives 400 x 400.
QImage renderSign(int sign, int scale);
