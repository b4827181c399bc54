// One whole session as a user would have it, from start to exit: a reading, Back, a second reading, the
// About window, closing to the promotion window, a referral, its links, and Exit. Built with the sanitizers,
// it shows that no step leaks or touches freed memory, including the shutdown's deferred deletions.
#include "Program.h"
#include "SiteAddresses.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

class SessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void wholeSession()
    {
        QTemporaryDir dir;
        Program::Environment env;
        env.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        env.lockFile = dir.filePath(QStringLiteral("quorvis.lock"));
        auto program = std::make_unique<Program>(env);
        UrlRecorder recorder;
        MessageAnswerer answerer;
        QVERIFY(program->StartProgram());

        QStringList steps;
        QTimer::singleShot(0, this, [&] {
            frmMain *main = program->existingMainWindow();
            QTest::keyClicks(main->findChild<QLineEdit *>("txtName"), QStringLiteral("ann lee"));
            main->findChild<QComboBox *>("cmbMonth")->setCurrentIndex(7);
            main->findChild<QComboBox *>("cmbTime")->setCurrentIndex(9);
            QTest::keyClick(main->findChild<QLineEdit *>("txtName"), Qt::Key_Return);
            steps << program->existingDisplayWindow()->nadirSign();

            QTest::mouseClick(program->existingDisplayWindow()->findChild<QPushButton *>("cmdBack"),
                              Qt::LeftButton);
            main->findChild<QComboBox *>("cmbTime")->setCurrentIndex(0);
            main->findChild<QPushButton *>("cmdProceed")->click();
            frmDisplay *display = program->existingDisplayWindow();
            steps << display->nadirSign();

            QTimer::singleShot(0, this, [] {
                if (QWidget *about = QApplication::activeModalWidget())
                    about->findChild<QPushButton *>("cmdOK")->click();
            });
            display->findChild<QAction *>("mnuAbout")->trigger();
            steps << QStringLiteral("about closed");

            QTest::keyClick(display, Qt::Key_Escape);
            frmPromotion *promotion = program->existingPromotionWindow();
            steps << (promotion->isVisible() ? QStringLiteral("promotion") : QStringLiteral("no promotion"));

            const std::pair<const char *, const char *> fields[] = {{"txtName", "Ann Lee"},
                                                                    {"txtEmail", "ann@example.org"},
                                                                    {"txtFriendName", "Bo & Co"},
                                                                    {"txtFriendEmail", "bo@example.org"}};
            for (const auto &[field, text] : fields) {
                auto *edit = promotion->findChild<QLineEdit *>(QLatin1String(field));
                edit->setFocus(Qt::TabFocusReason);
                edit->clear();
                QTest::keyClicks(edit, QLatin1String(text));
            }
            promotion->findChild<QPushButton *>("cmdSubmit")->click();
            promotion->findChild<QAbstractButton *>("Check1")->click();
            promotion->findChild<QPushButton *>("cmdClose")->click();
        });
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);

        QCOMPARE(steps, (QStringList{"Aquarius", "Scorpio", "about closed", "promotion"}));
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(recorder.urls.size(), 2);
        const QUrlQuery query(recorder.urls.first());
        QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), QStringLiteral("Bo & Co"));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
                 QStringLiteral("Your Message\r\n"));
        QCOMPARE(recorder.urls.last(), QUrl(QString::fromLatin1(MakerSiteAddress)));
        QVERIFY(program->loadedWindows().isEmpty());
        program.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
