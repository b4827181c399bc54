// The answers of quorvis-exact, as text for people or as one JSON object for scripts.
#pragma once

#include "Request.h"

#include <QString>

namespace quorvis::cli {

struct Report
{
    int exitStatus = 0;
    QString out;   // for stdout
    QString error; // one line for stderr when exitStatus != 0
};

// Resolves the local time, computes the angles for each instant it may stand for, and writes them up.
Report MakeReadingReport(const Request &request);
// The first matches of a place search.
Report MakePlacesReport(const Request &request);

} // namespace quorvis::cli
