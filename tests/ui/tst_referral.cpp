// The refer-a-friend form: prompts that clear and come back with the focus, the space filter of the two
// e-mail fields, the checks with their messages in their order, and a request whose query gives back exactly
// what was typed.
#include "FakeHost.h"
#include "TestSupport.h"

#include "ProgramHost.h"
#include "SiteAddresses.h"
#include "frmPromotion.h"
#include "modTellAFriend.h"
#include "reading.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrlQuery>
#include <QtTest>

using modTellAFriend::Referral;
Q_DECLARE_METATYPE(Referral)

namespace {

const QString Untouched = QStringLiteral("<untouched>");
const QStringList QueryKeys = {"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};

QString withoutOuterSpaces(QString s)
{
    while (s.startsWith(u' '))
        s.remove(0, 1);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

// The window under test, shown and active, with its fields at hand.
struct Form
{
    FakeHost host;
    frmPromotion window{host};
    QLineEdit *name = nullptr, *email = nullptr, *friendName = nullptr, *friendEmail = nullptr;
    QPlainTextEdit *message = nullptr;
    QPushButton *submit = nullptr, *exitButton = nullptr;

    bool open()
    {
        name = window.findChild<QLineEdit *>(QStringLiteral("txtName"));
        email = window.findChild<QLineEdit *>(QStringLiteral("txtEmail"));
        friendName = window.findChild<QLineEdit *>(QStringLiteral("txtFriendName"));
        friendEmail = window.findChild<QLineEdit *>(QStringLiteral("txtFriendEmail"));
        message = window.findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"));
        submit = window.findChild<QPushButton *>(QStringLiteral("cmdSubmit"));
        exitButton = window.findChild<QPushButton *>(QStringLiteral("cmdClose"));
        if (!name || !email || !friendName || !friendEmail || !message || !submit || !exitButton)
            return false;
        window.show();
        window.activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; });
    }
    ~Form() { window.hide(); }

    // Tabs into the message field, replaces what it holds by typing `text` (Enter for each line break), and
    // tabs on, as the only way a user reaches the hidden field.
    void typeMessage(const QString &text)
    {
        message->setFocus(Qt::TabFocusReason);
        message->selectAll();
        QTest::keyClick(message, Qt::Key_Delete);
        const QStringList lines =
            QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(message, Qt::Key_Return);
            for (const QChar c : lines[i]) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(message, c.toLatin1());
                else // no key code for it: a key event that carries the letter only
                    QTest::sendKeyEvent(QTest::Click, message, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
        exitButton->setFocus(Qt::TabFocusReason);
    }
};

} // namespace

class ReferralTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void cleanup() { QVERIFY2(visibleTopLevels().isEmpty(), "a window was left open"); }

    void submit_data();
    void submit();
    void submitAgainSendsAgain();
    void referralChecks_data();
    void referralChecks();
    void addressRoundTrip_data();
    void addressRoundTrip();
    void formRoundTrip();
    void prompts_data();
    void prompts();
    void messagePrompt();
    void spaceFilter_data();
    void spaceFilter();
    void trimSpaces_data();
    void trimSpaces();
};

void ReferralTest::submit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message"); // Untouched: never tabbed into
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("expected"); // the message shown, or empty when the request goes out
    QTest::addColumn<QString>("sentMessage");

    struct Case
    {
        const char *tag, *name, *email, *message, *friendName, *friendEmail, *expected, *sent;
    };
    const char *const distinct = "Please Enter Distinct Email Addresses";
    const char *const proper = "Please Enter Proper Email Address";
    const char *const noName = "Please Enter Your Name";
    const char *const noMessage = "Please Enter Your Message";
    const char *const noFriend = "Please Enter Your Friend's Name";
    const char *const untouched = nullptr;
    const char *const start = "Your Message\r\n";
    const char *const ann = "ann@example.org";
    const char *const bob = "bob@example.org";
    // clang-format off
    const Case cases[] = {
        {"both e-mails empty",                   "Ann",         "",                   untouched, "Bob", "",                       distinct, ""},
        {"both e-mails still their prompts",     "Ann",         "Your Email Address", untouched, "Bob", "Friend's Email Address", proper,   ""},
        {"e-mails the same but for spaces",      "Ann",         "  ann@example.org ", untouched, "Bob", ann,                      distinct, ""},
        {"sender e-mail without full stop",      "Ann",         "a@b",                untouched, "Bob", bob,                      proper,   ""},
        {"sender e-mail without at sign",        "Ann",         "ann.example.org",    untouched, "Bob", bob,                      proper,   ""},
        {"friend e-mail without at sign",        "Ann",         ann,                  untouched, "Bob", "bob.example.org",        proper,   ""},
        {"friend e-mail without full stop",      "Ann",         ann,                  untouched, "Bob", "bob@example",            proper,   ""},
        {"e-mails checked before the name",      "Your Name",   "Your Email Address", untouched, "Bob", "Friend's Email Address", proper,   ""},
        {"name still its prompt",                "Your Name",   ann,                  untouched, "Bob", bob,                      noName,   ""},
        {"name only spaces",                     "   ",         ann,                  untouched, "Bob", bob,                      noName,   ""},
        {"name prompt between spaces",           "  Your Name ", ann,                 untouched, "Bob", bob,                      noName,   ""},
        {"name checked before the message",      "Your Name",   ann,                  "",        "Bob", bob,                      noName,   ""},
        {"message emptied by the user",          "Ann",         ann,                  "",        "Bob", bob,                      noMessage, ""},
        {"message only spaces",                  "Ann",         ann,                  "   ",     "Bob", bob,                      noMessage, ""},
        {"message typed as its prompt",          "Ann",         ann,                  "Your Message", "Bob", bob,                 noMessage, ""},
        {"friend's name still its prompt",       "Ann",         ann,                  untouched, "Friend's Name", bob,            noFriend, ""},
        {"friend's name empty",                  "Ann",         ann,                  untouched, "",    bob,                      noFriend, ""},
        {"all filled, message untouched",        "Ann",         ann,                  untouched, "Bob", bob,                      "",       start},
        {"e-mails differing in case only",       "Ann",         "Ann@Example.org",    untouched, "Bob", ann,                      "",       start},
        {"name sent without its outer spaces",   "  Ann Smith  ", ann,                untouched, "Bob", bob,                      "",       start},
        {"a tab is not trimmed away",            "\t",          ann,                  untouched, "Bob", bob,                      "",       start},
        {"message with & and a line break",      "Ann",         ann,                  "Fish & chips\r\ntonight?", "Bob", bob,     "",       "Fish & chips\r\ntonight?"},
    };
    // clang-format on
    for (const Case &c : cases)
        QTest::newRow(c.tag) << c.name << c.email << (c.message ? QString::fromUtf8(c.message) : Untouched)
                             << c.friendName << c.friendEmail << c.expected << c.sent;
}

void ReferralTest::submit()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, expected);
    QFETCH(QString, sentMessage);

    UrlRecorder recorder;
    MessageAnswerer answerer;
    Form form;
    QVERIFY(form.open());
    if (message != Untouched)
        form.typeMessage(message);
    form.name->setText(name);
    form.email->setText(email);
    form.friendName->setText(friendName);
    form.friendEmail->setText(friendEmail);
    const QString shownMessage = form.message->toPlainText();

    QTest::mouseClick(form.submit, Qt::LeftButton);

    if (expected.isEmpty()) {
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(recorder.urls.size(), 1);
        const QUrlQuery query(recorder.urls.first());
        QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), withoutOuterSpaces(name));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded), withoutOuterSpaces(email));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), sentMessage);
        QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded),
                 withoutOuterSpaces(friendName));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded),
                 withoutOuterSpaces(friendEmail));
    } else {
        QCOMPARE(answerer.texts(), QStringList(expected));
        const SeenMessage &seen = answerer.seen.first();
        QCOMPARE(seen.title, QStringLiteral("Quorvis"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(seen.modal);
        QVERIFY(recorder.urls.isEmpty());
    }
    // Nothing is cleared or trimmed in the fields themselves.
    QCOMPARE(form.name->text(), name);
    QCOMPARE(form.email->text(), email);
    QCOMPARE(form.friendName->text(), friendName);
    QCOMPARE(form.friendEmail->text(), friendEmail);
    QCOMPARE(form.message->toPlainText(), shownMessage);
    QVERIFY(form.window.isVisible());
    QCOMPARE(form.host.exits, 0);
}

void ReferralTest::submitAgainSendsAgain()
{
    UrlRecorder recorder;
    MessageAnswerer answerer;
    Form form;
    QVERIFY(form.open());
    form.name->setText(QStringLiteral("Ann"));
    form.email->setText(QStringLiteral("ann@example.org"));
    form.friendName->setText(QStringLiteral("Bob"));
    form.friendEmail->setText(QStringLiteral("bob@example.org"));
    QTest::mouseClick(form.submit, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), form.submit);
    QTest::keyClick(form.submit, Qt::Key_Return); // Enter presses the focused button
    QTest::keyClick(&form.window, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(recorder.urls.size(), 3);
    QCOMPARE(recorder.urls[1], recorder.urls[0]);
    QCOMPARE(recorder.urls[2], recorder.urls[0]);
    QVERIFY(answerer.seen.isEmpty());
}

void ReferralTest::referralChecks_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("expected");
    const Referral good{"Ann", "ann@example.org", "Hello", "Bob", "bob@example.org"};
    auto with = [&good](QString Referral::*field, const char *value) {
        Referral r = good;
        r.*field = QString::fromUtf8(value);
        return r;
    };
    using R = Referral;
    // clang-format off
    QTest::newRow("all five filled")                     << good                                                   << "";
    QTest::newRow("sender's name empty")                 << with(&R::senderName, "")                               << "Please Enter Your Name";
    QTest::newRow("sender's e-mail empty")               << with(&R::senderEmail, "")                              << "Please Enter Your Email";
    QTest::newRow("sender's e-mail its prompt")          << with(&R::senderEmail, "Your Email Address")            << "Please Enter Your Email";
    QTest::newRow("message its prompt")                  << with(&R::message, "Your Message")                      << "Please Enter Your Message";
    QTest::newRow("message its prompt and a line break") << with(&R::message, "Your Message\r\n")                   << "";
    QTest::newRow("friend's name only spaces")           << with(&R::friendName, "   ")                            << "Please Enter Your Friend's Name";
    QTest::newRow("friend's e-mail its prompt")          << with(&R::friendEmail, " Friend's Email Address ")      << "Please Enter Your Friend's Email";
    QTest::newRow("friend's e-mail empty")               << with(&R::friendEmail, "")                              << "Please Enter Your Friend's Email";
    QTest::newRow("prompts compared case-sensitively")   << with(&R::senderName, "your name")                      << "";
    QTest::newRow("first failure wins")                  << R{}                                                    << "Please Enter Your Name";
    QTest::newRow("then the sender's e-mail")            << R{"Ann", "", "", "", ""}                               << "Please Enter Your Email";
    // clang-format on
}

void ReferralTest::referralChecks()
{
    QFETCH(Referral, referral);
    QFETCH(QString, expected);
    QCOMPARE(modTellAFriend::ReferralProblem(referral), expected);

    UrlRecorder recorder;
    MessageAnswerer answerer;
    modTellAFriend::TellAFriend(nullptr, referral);
    QCOMPARE(answerer.texts(), expected.isEmpty() ? QStringList() : QStringList(expected));
    QCOMPARE(recorder.urls.size(), expected.isEmpty() ? 1 : 0);
}

void ReferralTest::addressRoundTrip_data()
{
    QTest::addColumn<Referral>("referral");
    // clang-format off
    QTest::newRow("plain")                  << Referral{"Ann", "ann@example.org", "Hello", "Bob", "bob@example.org"};
    QTest::newRow("spaces inside")          << Referral{"Ann Smith", "ann@example.org", "Hi there Bob", "Bob Jones", "bob@example.org"};
    QTest::newRow("query delimiters")       << Referral{"A&B=C", "a+b@example.org", "50% off? #1 & more = fun", "taf2=x&taf3=y", "b#c?d@example.org"};
    QTest::newRow("line breaks and tabs")   << Referral{"Ann", "ann@example.org", "Line one\r\nLine two\r\n", "Bob\tJones", "bob@example.org"};
    QTest::newRow("letters outside ASCII")  << Referral{QStringLiteral("Zoë Ångström"), QStringLiteral("zoë@exämple.org"),
                                                        QStringLiteral("Grüße, 日本, привет 🙂"), QStringLiteral("Łukasz"),
                                                        QStringLiteral("łu@example.org")};
    QTest::newRow("percent signs and plus") << Referral{"%41%", "100%25@example.org", "1+1=2 %20", "+", "x%2By@example.org"};
    QTest::newRow("empty values")           << Referral{};
    // clang-format on
}

void ReferralTest::addressRoundTrip()
{
    QFETCH(Referral, referral);
    const QByteArray address = modTellAFriend::BuildReferralAddress(referral);
    QVERIFY(!address.contains(' '));
    QVERIFY(!address.contains('\r') && !address.contains('\n'));

    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(!url.hasFragment());
    QCOMPARE(url.toString(QUrl::RemoveQuery), QLatin1String(MakerSiteAddress) + "/qvms-refer-a-friend.php");

    const QUrlQuery query(url);
    QStringList keys;
    for (const auto &item : query.queryItems())
        keys << item.first;
    QCOMPARE(keys, QueryKeys);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), referral.senderName);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded), referral.senderEmail);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), referral.message);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), referral.friendName);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded), referral.friendEmail);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
             QLatin1String(ProductSiteAddress) + "/");
}

void ReferralTest::formRoundTrip()
{
    UrlRecorder recorder;
    MessageAnswerer answerer;
    Form form;
    QVERIFY(form.open());
    form.typeMessage(QStringLiteral("Dear Bob,\r\nfish & chips = 5€ + tip? #1 ünd 100%"));
    form.name->setText(QStringLiteral("  Zoë & Ann = \"us\"  "));
    form.email->setText(QStringLiteral("zoë+news@exämple.org"));
    form.friendName->setText(QStringLiteral(" Bob #2 ?\r\nJr "));
    form.friendEmail->setText(QStringLiteral("bob&co=1@example.org"));
    QTest::mouseClick(form.submit, Qt::LeftButton);
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(recorder.urls.size(), 1);

    const QUrl &url = recorder.urls.first();
    QCOMPARE(url.scheme() + "://" + url.host(), QLatin1String(MakerSiteAddress));
    QCOMPARE(url.path(), QStringLiteral("/qvms-refer-a-friend.php"));
    const QUrlQuery query(url);
    QStringList keys;
    for (const auto &item : query.queryItems())
        keys << item.first;
    QCOMPARE(keys, QueryKeys);
    const auto value = [&query](const char *key) {
        return query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    };
    QCOMPARE(value("taf1"), QStringLiteral("Zoë & Ann = \"us\""));
    QCOMPARE(value("taf2"), QStringLiteral("zoë+news@exämple.org"));
    QCOMPARE(value("taf3"), QStringLiteral("Dear Bob,\r\nfish & chips = 5€ + tip? #1 ünd 100%"));
    QCOMPARE(value("taf4"), QStringLiteral("Bob #2 ?\r\nJr"));
    QCOMPARE(value("taf5"), QStringLiteral("bob&co=1@example.org"));
    QCOMPARE(value("taf6"), QLatin1String(ProductSiteAddress) + "/");
}

void ReferralTest::prompts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("focusIn"); // false: the field has the focus and loses it
    QTest::addColumn<QString>("after");

    const QList<QPair<QString, QString>> fields = {{"txtName", "Your Name"},
                                                   {"txtEmail", "Your Email Address"},
                                                   {"txtFriendName", "Friend's Name"},
                                                   {"txtFriendEmail", "Friend's Email Address"}};
    for (const auto &[field, prompt] : fields) {
        const QByteArray f = field.toLatin1();
        // clang-format off
        QTest::addRow("%s: prompt cleared on entry", f.data())            << field << prompt             << true  << "";
        QTest::addRow("%s: prompt between spaces cleared", f.data())      << field << "  " + prompt + " " << true  << "";
        QTest::addRow("%s: own text kept on entry", f.data())             << field << "x" + prompt       << true  << "x" + prompt;
        QTest::addRow("%s: prompt back when left empty", f.data())        << field << ""                 << false << prompt;
        QTest::addRow("%s: prompt back when left with spaces", f.data())  << field << "   "              << false << prompt;
        QTest::addRow("%s: own text kept on leaving", f.data())           << field << " a "              << false << " a ";
        // clang-format on
    }
    QTest::newRow("txtName: prompt in other case kept")
        << QStringLiteral("txtName") << QStringLiteral("your name") << true << QStringLiteral("your name");
    QTest::newRow("txtName: a tab is not a space")
        << QStringLiteral("txtName") << QStringLiteral("\t") << false << QStringLiteral("\t");
}

void ReferralTest::prompts()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(bool, focusIn);
    QFETCH(QString, after);
    Form form;
    QVERIFY(form.open());
    auto *edit = form.window.findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QCOMPARE(edit->accessibleName(), edit->text()); // the field starts with its prompt, which names it
    if (focusIn) {
        edit->setText(before);
        edit->setFocus(Qt::TabFocusReason);
    } else {
        edit->setFocus(Qt::TabFocusReason);
        edit->setText(before);
        form.exitButton->setFocus(Qt::TabFocusReason);
    }
    QCOMPARE(edit->text(), after);
}

void ReferralTest::messagePrompt()
{
    Form form;
    QVERIFY(form.open());
    QCOMPARE(form.message->accessibleName(), QStringLiteral("Your Message"));
    // Its start text is the prompt and a line break, so entering leaves it alone.
    QCOMPARE(form.message->toPlainText(), QStringLiteral("Your Message\n"));
    form.message->setFocus(Qt::TabFocusReason);
    QCOMPARE(form.message->toPlainText(), QStringLiteral("Your Message\n"));

    // Emptied and left, it gets the bare prompt back, which entering clears again.
    form.message->selectAll();
    QTest::keyClick(form.message, Qt::Key_Delete);
    QTest::keyClick(form.message, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.exitButton);
    QCOMPARE(form.message->toPlainText(), QStringLiteral("Your Message"));
    QTest::keyClick(form.exitButton, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.message);
    QCOMPARE(form.message->toPlainText(), QString());
}

void ReferralTest::spaceFilter_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input"); // "key": a typed space; "ime": composed text; "paste"
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("messages");
    // clang-format off
    QTest::newRow("txtEmail: typed space")                       << "txtEmail"       << "key"   << "ab"     << 1;
    QTest::newRow("txtFriendEmail: typed space")                 << "txtFriendEmail" << "key"   << "ab"     << 1;
    QTest::newRow("txtEmail: composed text with a space")        << "txtEmail"       << "ime"   << "abc@d"  << 1;
    QTest::newRow("txtFriendEmail: composed text with a space")  << "txtFriendEmail" << "ime"   << "abc@d"  << 1;
    QTest::newRow("txtEmail: pasted text passes")                << "txtEmail"       << "paste" << "abc @d" << 0;
    QTest::newRow("txtName: spaces allowed")                     << "txtName"        << "key"   << "ab "    << 0;
    QTest::newRow("txtFriendName: spaces allowed")               << "txtFriendName"  << "key"   << "ab "    << 0;
    // clang-format on
}

void ReferralTest::spaceFilter()
{
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, after);
    QFETCH(int, messages);
    MessageAnswerer answerer;
    Form form;
    QVERIFY(form.open());
    auto *edit = form.window.findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit->text(), QString()); // its prompt made way
    QTest::keyClicks(edit, QStringLiteral("ab"));

    if (input == QLatin1String("key")) {
        QTest::keyClick(edit, Qt::Key_Space);
    } else if (input == QLatin1String("ime")) {
        QInputMethodEvent composed(QString(), {});
        composed.setCommitString(QStringLiteral("c @d"));
        QApplication::sendEvent(edit, &composed);
    } else {
        QApplication::clipboard()->setText(QStringLiteral("c @d"));
        edit->paste();
    }

    QCOMPARE(answerer.texts(), QStringList(messages, QStringLiteral("Email Address Cannot Contain Space")));
    for (const SeenMessage &seen : answerer.seen) {
        QCOMPARE(seen.title, QStringLiteral("Quorvis"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(edit->text(), after);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
}

void ReferralTest::trimSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    // clang-format off
    QTest::newRow("spaces both sides")         << "  a b  "                        << "a b";
    QTest::newRow("only spaces")               << "    "                           << "";
    QTest::newRow("tabs and line breaks stay") << "\t a \r\n"                      << "\t a \r\n";
    QTest::newRow("no-break space stays")      << QStringLiteral("\u00A0a ")       << QStringLiteral("\u00A0a");
    // clang-format on
}

void ReferralTest::trimSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(modTellAFriend::TrimSpaces(text), trimmed);
}

QTEST_MAIN(ReferralTest)
#include "tst_referral.moc"
