// The twelve sign emblems, drawn in gold on the engraving layer inside a medallion of radius 78 at (100,
// 100).
#pragma once

#include "drawkit.h"

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 12> signNames = {
    "aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
    "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces",
};

// sign is the place in zodiac order, 0 for Aries to 11 for Pisces.
void drawEmblem(int sign, Engraving &e);
