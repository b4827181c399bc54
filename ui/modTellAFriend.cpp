#include "modTellAFriend.h"

#include "Messages.h"
#include "SiteAddresses.h"
#include "modHelp.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {

namespace {

bool isMissing(const QString &value, const char *prompt)
{
    const QString trimmed = TrimSpaces(value);
    return trimmed.isEmpty() || trimmed == Prompt(prompt);
}

} // namespace

QString Prompt(const char *prompt) { return QCoreApplication::translate("modTellAFriend", prompt); }

QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString EmailProblem(const Referral &referral)
{
    const QString sender = TrimSpaces(referral.senderEmail);
    const QString friendEmail = TrimSpaces(referral.friendEmail);
    if (sender == friendEmail)
        return QCoreApplication::translate("modTellAFriend", "Please Enter Distinct Email Addresses");
    if (!sender.contains(u'@') || !friendEmail.contains(u'@'))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Proper Email Address");
    if (!sender.contains(u'.') || !friendEmail.contains(u'.'))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Proper Email Address");
    return {};
}

QString ReferralProblem(const Referral &referral)
{
    if (isMissing(referral.senderName, PromptName))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Name");
    if (isMissing(referral.senderEmail, PromptEmail))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Email");
    if (isMissing(referral.message, PromptMessage))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Message");
    if (isMissing(referral.friendName, PromptFriendName))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Friend's Name");
    if (isMissing(referral.friendEmail, PromptFriendEmail))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Friend's Email");
    return {};
}

QByteArray BuildReferralAddress(const Referral &referral)
{
    // Everything but the unreserved characters is escaped, so no value can end its item early, start a
    // fragment or be read back with "+" turned into a space.
    const auto encoded = [](const QString &value) { return QUrl::toPercentEncoding(value); };
    QByteArray address(MakerSiteAddress);
    address += "/qvms-refer-a-friend.php";
    address += "?taf1=" + encoded(referral.senderName);
    address += "&taf2=" + encoded(referral.senderEmail);
    address += "&taf3=" + encoded(referral.message);
    address += "&taf4=" + encoded(referral.friendName);
    address += "&taf5=" + encoded(referral.friendEmail);
    address += "&taf6=" + encoded(QString::fromUtf8(ProductSiteAddress) + u'/');
    return address;
}

void TellAFriend(QWidget *parent, const Referral &referral)
{
    if (const QString problem = ReferralProblem(referral); !problem.isEmpty()) {
        ShowMessage(parent, problem, QMessageBox::Critical);
        return;
    }
    modHelp::OpenAddress(QString::fromLatin1(BuildReferralAddress(referral)));
}

} // namespace modTellAFriend
