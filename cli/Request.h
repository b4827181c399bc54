// What a quorvis-exact command line asks for, checked: a place search, or a reading for a local date and time
// at a place whose clock is an IANA zone or a fixed UTC offset. Every refusal is one sentence for stderr.
#pragma once

#include "Places.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

#include <optional>

namespace quorvis::cli {

struct Request
{
    enum class Action { Help, SearchPlaces, Reading };
    Action action = Action::Reading;
    bool json = false;
    QString helpText;

    QString searchText; // SearchPlaces, and --place for a Reading

    // Reading
    QDate date;
    QTime time;
    places::Place place; // from the gazetteer, or only coordinates (and zone) from --lat/--lon
    bool placeFromGazetteer = false;
    QTimeZone zone; // valid unless utcOffsetSeconds is set
    std::optional<int> utcOffsetSeconds;
};

struct ParsedRequest
{
    Request request;
    QString error; // one line; empty when the request is good
};

// arguments as main() received them, the program name first.
ParsedRequest ParseRequest(const QStringList &arguments);

} // namespace quorvis::cli
