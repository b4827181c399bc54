// The program's icon: a violet disc carrying a gold horoscope wheel whose lowest point, the nadir,
// is marked by a gold arrow pointing down. Small sizes drop the fine lines and thicken the rest.
#pragma once

#include <QImage>

QImage renderIcon(int size);
