// Placeholder until the gazetteer lands.
#include "Places.h"

namespace quorvis::places {
QString Place::displayName() const { return name; }
struct Gazetteer::Index {};
Gazetteer::Gazetteer() = default;
const Gazetteer &Gazetteer::instance()
{
    static const Gazetteer g;
    return g;
}
std::vector<const Place *> Gazetteer::search(QStringView, int) const { return {}; }
WallTimeResolution ResolveWallTime(QDate, QTime, const QTimeZone &, double) { return {}; }
WallTimeResolution ResolveWallTime(QDate, QTime, int) { return {}; }
bool ParseUtcOffset(QStringView, int *) { return false; }
QString FormatUtcOffset(int) { return {}; }
} // namespace quorvis::places
