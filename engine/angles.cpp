// Placeholder until the angles land.
#include "angles.h"

namespace quorvis {
AnglesResult ComputeAngles(std::int64_t, double, double) { return {}; }
ChartAngles AnglesFromRamc(double, double, double) { return {}; }
SignPosition ToSignPosition(double) { return {}; }
std::string FormatSignPosition(double) { return {}; }
} // namespace quorvis
