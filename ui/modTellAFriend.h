// The refer-a-friend request: checks the stored referral values and opens the referral page with them.
#pragma once

#include <QString>

class QWidget;

namespace modTellAFriend {

struct Referral
{
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

} // namespace modTellAFriend
