// The refer-a-friend request. The promotion window stores the five trimmed field texts as the current
// referral and checks the two e-mail addresses; TellAFriend then refuses a value that is empty or still its
// field's prompt, and otherwise opens the referral page on the maker's site with the five values as query
// items.
//
// Every value is percent-encoded (UTF-8) on its way into the address, so that the page decodes exactly what
// the user typed: "&", "=", "#", "+", "?", line breaks and letters outside ASCII included.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace modTellAFriend {

// The prompts the fields start with, in English; a value equal to its prompt as the form shows it (Prompt)
// counts as not filled in.
inline constexpr char PromptName[] = QT_TRANSLATE_NOOP("modTellAFriend", "Your Name");
inline constexpr char PromptEmail[] = QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address");
inline constexpr char PromptMessage[] = QT_TRANSLATE_NOOP("modTellAFriend", "Your Message");
inline constexpr char PromptFriendName[] = QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name");
inline constexpr char PromptFriendEmail[] = QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address");

// A prompt in the language the program speaks.
QString Prompt(const char *prompt);

struct Referral
{
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Removes leading and trailing spaces (only U+0020: tabs and line breaks stay).
QString TrimSpaces(const QString &text);

// The check of the two e-mail addresses that the form makes before TellAFriend: the message to show, or an
// empty text when both pass.
QString EmailProblem(const Referral &referral);

// TellAFriend's own checks of the five values in order: the message to show, or an empty text.
QString ReferralProblem(const Referral &referral);

// The full, percent-encoded address of the referral request.
QByteArray BuildReferralAddress(const Referral &referral);

// Shows the first problem of `referral` in a message box over `parent`, or else opens the request.
void TellAFriend(QWidget *parent, const Referral &referral);

} // namespace modTellAFriend
