// What a quorvis-exact command line asks for, checked: a place search, or a reading for a local date and time
// at a place whose clock is a tz database zone or a fixed UTC offset. Every refusal is one line for stderr.
#pragma once

#include "ExactReading.h"

#include <QString>
#include <QStringList>

namespace quorvis::cli {

struct Request
{
    enum class Action { Help, SearchPlaces, Reading };
    Action action = Action::Reading;
    bool json = false;
    QString helpText;
    QString searchText; // SearchPlaces, and --place for a Reading
    QString notice;     // one line for stderr beside the answer: which of several places a bare name took
    exact::Request reading;
};

struct ParsedRequest
{
    Request request;
    QString error; // one line; empty when the request is good
};

// arguments as main() received them, the program name first.
ParsedRequest ParseRequest(const QStringList &arguments);

} // namespace quorvis::cli
