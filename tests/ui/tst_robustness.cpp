// Inputs no one would type on purpose: every character of the Basic Multilingual Plane into the name field,
// by key and by input method, text dropped onto it, and a hundred thousand generated referrals through the
// request address.
#include "Messages.h"
#include "Program.h"
#include "SiteAddresses.h"
#include "TestSupport.h"
#include "frmMain.h"
#include "modTellAFriend.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QtTest>

class RobustnessTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;
    QLineEdit *name = nullptr;
    QStringList messages;

    // A value made of the characters most likely to break a query: separators, escapes, line breaks, letters
    // outside ASCII and characters outside the Basic Multilingual Plane.
    static QString randomValue(QRandomGenerator &rng)
    {
        static const QString tricky = QStringLiteral("&=#+?%/;: \r\n\t'\"<>[]{}|\\^`~!$()*,@.");
        QString out;
        const int length = rng.bounded(0, 24);
        for (int i = 0; i < length; ++i) {
            switch (rng.bounded(5)) {
            case 0:
                out += tricky.at(rng.bounded(int(tricky.size())));
                break;
            case 1:
                out += QChar(char16_t(rng.bounded(0x20, 0x7F)));
                break;
            case 2:
                out += QChar(char16_t(rng.bounded(0xA0, 0xD800))); // Latin-1 letters up to CJK
                break;
            case 3:
                out += QChar(char16_t(rng.bounded(0xE000, 0xFFFE)));
                break;
            default:
                out += QString::fromUcs4(
                    std::array<char32_t, 1>{char32_t(rng.bounded(0x10000, 0x110000))}.data(), 1);
            }
        }
        return out;
    }

    static bool onlyCapitalsAndSpaces(const QString &text)
    {
        for (QChar c : text)
            if (!((c >= u'A' && c <= u'Z') || c == u' '))
                return false;
        return true;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init()
    {
        messages.clear();
        SetMessagePresenter(
            [this](QWidget *, const QString &text, QMessageBox::Icon, QMessageBox::StandardButtons) {
                messages << text;
                return QMessageBox::Ok;
            });
        program = std::make_unique<Program>();
        program->mainWindow().show();
        name = program->mainWindow().findChild<QLineEdit *>("txtName");
        name->setFocus();
    }
    void cleanup()
    {
        SetMessagePresenter(nullptr);
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void everyBmpCharacterTyped()
    {
        int expectedRefusals = 0;
        QString expected;
        for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
            const QChar c(static_cast<char16_t>(cp));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &release);
            if ((cp >= 'A' && cp <= 'Z') || cp == ' ')
                expected += c;
            else if (cp >= 'a' && cp <= 'z')
                expected += QChar(char16_t(cp - 32));
            else if (cp != 8 && cp != 13)
                ++expectedRefusals;
        }
        QVERIFY(onlyCapitalsAndSpaces(name->text()));
        QCOMPARE(name->text(), expected);
        QCOMPARE(messages.size(), expectedRefusals);
        QVERIFY(std::all_of(messages.cbegin(), messages.cend(), [](const QString &m) {
            return m == QLatin1String("Please Enter Only Alphabet !");
        }));
    }

    void everyBmpCharacterComposed()
    {
        int refused = 0;
        for (char32_t cp = 0; cp <= 0xFFFF; cp += 1) {
            QInputMethodEvent composed;
            composed.setCommitString(QString(QChar(static_cast<char16_t>(cp))));
            QApplication::sendEvent(name, &composed);
            const bool letter = (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z') || cp == ' ';
            refused += letter ? 0 : 1;
        }
        QVERIFY(onlyCapitalsAndSpaces(name->text()));
        QCOMPARE(name->text().size(), 26 * 2 + 1);
        QCOMPARE(messages.size(), refused);
    }

    void dropsOnTheNameAreRefused_data()
    {
        QTest::addColumn<QString>("dropped");
        QTest::newRow("letters") << "ann";
        QTest::newRow("digits and signs") << "12 & <b>";
    }
    void dropsOnTheNameAreRefused()
    {
        QFETCH(QString, dropped);
        name->setText(QStringLiteral("ANN"));
        QMimeData data;
        data.setText(dropped);
        const QPoint at = name->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(name, &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(name, &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(name->text(), QStringLiteral("ANN"));
        QVERIFY(messages.isEmpty());
    }

    void referralAddressesRoundTrip()
    {
        QRandomGenerator rng(20261207);
        const QStringList keys{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
        for (int i = 0; i < 100000; ++i) {
            const modTellAFriend::Referral r{randomValue(rng), randomValue(rng), randomValue(rng),
                                             randomValue(rng), randomValue(rng)};
            const QByteArray address = modTellAFriend::BuildReferralAddress(r);
            const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
            QVERIFY2(url.isValid(), address.constData());
            QVERIFY(url.fragment().isNull());
            // Decoded as a server would: split on the separators, then percent-decode UTF-8. (QUrlQuery would
            // also do, except that it refuses Unicode noncharacters, which are still text a user can type.)
            // A leading byte-order mark is text too.
            const auto utf8 = [](const QByteArray &bytes) {
                QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
                return QString(decoder(bytes));
            };
            QList<std::pair<QString, QString>> items;
            for (const QByteArray &item : url.query(QUrl::FullyEncoded).toLatin1().split('&')) {
                const qsizetype eq = item.indexOf('=');
                QVERIFY(eq > 0);
                items.append({utf8(QByteArray::fromPercentEncoding(item.left(eq))),
                              utf8(QByteArray::fromPercentEncoding(item.mid(eq + 1)))});
            }
            QCOMPARE(items.size(), 6);
            const QStringList values{r.senderName, r.senderEmail, r.message, r.friendName, r.friendEmail};
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(items.at(k).first, keys.at(k));
                if (items.at(k).second != values.at(k))
                    QFAIL(qPrintable(QStringLiteral("value %1 of %2 came back as %3")
                                         .arg(k)
                                         .arg(QString::fromLatin1(address), items.at(k).second)));
            }
            QCOMPARE(items.at(5).first, keys.at(5));
            QCOMPARE(items.at(5).second, QLatin1String(ProductSiteAddress) + QLatin1Char('/'));
        }
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
