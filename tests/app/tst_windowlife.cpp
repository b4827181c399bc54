// The life of the windows: closing a working window brings up the promotion window instead of ending the
// program; Back puts it away; closing the promotion window unloads everything and ends the event loop.
#include "Program.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class WindowLifeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::unique_ptr<Program> program;

    void read()
    {
        frmMain *main = program->existingMainWindow();
        askForReading(main);
        QVERIFY(program->existingDisplayWindow()->isVisible());
    }
    void back() { program->existingDisplayWindow()->findChild<QPushButton *>("cmdBack")->click(); }
    // Runs `step` inside the application's event loop; true when the step ended it (the program's shutdown).
    // The application loop, not a local one: leaving it resets the "quit now" state for the next test.
    bool endsEventLoop(const std::function<void()> &step)
    {
        QTimer::singleShot(0, this, step);
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
        timeout.start(500);
        return QApplication::exec() == 0;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init()
    {
        Program::Environment env;
        env.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        env.lockFile = dir.filePath(QStringLiteral("quorvis.lock"));
        program = std::make_unique<Program>(env);
        QVERIFY(program->StartProgram());
    }
    void cleanup()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void closingTheMainWindowBringsUpThePromotion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "close";
        QTest::newRow("File, Exit") << "menu";
        QTest::newRow("covered Exit button") << "button";
    }
    void closingTheMainWindowBringsUpThePromotion()
    {
        QFETCH(QString, how);
        frmMain *main = program->existingMainWindow();
        const bool ended = endsEventLoop([&] {
            if (how == "close")
                main->close();
            else if (how == "menu")
                main->findChild<QAction *>("mnuExit")->trigger();
            else
                main->findChild<QPushButton *>("cmdExit")->click();
        });
        QVERIFY(!ended);
        QVERIFY(!program->existingMainWindow());
        QVERIFY(program->existingPromotionWindow() && program->existingPromotionWindow()->isVisible());
        QVERIFY(program->existingPromotionWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!program->isExiting());
    }

    void closingTheResultKeepsTheMainWindowHidden()
    {
        read();
        const bool ended = endsEventLoop([&] { program->existingDisplayWindow()->close(); });
        QVERIFY(!ended);
        QVERIFY(!program->existingDisplayWindow());
        QVERIFY(program->existingMainWindow() && !program->existingMainWindow()->isVisible());
        QVERIFY(program->existingPromotionWindow()->isVisible());
    }

    void backBringsUpNoPromotion()
    {
        read();
        QVERIFY(!program->existingPromotionWindow()); // a reading makes none either
        back();
        QVERIFY(program->existingMainWindow()->isVisible());
        QVERIFY(!program->existingDisplayWindow());
        QVERIFY(!program->existingPromotionWindow());
    }

    void aShownPromotionIsPutAwayByAReadingAndByBack()
    {
        program->showPromotionWindow();
        QPointer<frmPromotion> promotion = program->existingPromotionWindow();
        read();
        QVERIFY(!promotion->isVisible());
        program->showPromotionWindow();
        back();
        QVERIFY(program->existingMainWindow()->isVisible());
        QCOMPARE(program->existingPromotionWindow(), promotion);
        QVERIFY(!promotion->isVisible());
    }

    void promotionTextIsFixedForTheRun()
    {
        read();
        program->existingDisplayWindow()->close();
        frmPromotion *promotion = program->existingPromotionWindow();
        QVERIFY(promotion && promotion->isVisible());
        const int text = promotion->promotionTextNumber();
        program->existingMainWindow()->show();
        read();
        program->existingDisplayWindow()->close();
        QCOMPARE(program->existingPromotionWindow(), promotion);
        QVERIFY(promotion->isVisible());
        QCOMPARE(promotion->promotionTextNumber(), text);
    }

    void closingThePromotionEndsEverything_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit button") << false;
        QTest::newRow("close box") << true;
    }
    void closingThePromotionEndsEverything()
    {
        QFETCH(bool, closeBox);
        read();
        program->existingDisplayWindow()->close(); // main stays loaded and hidden
        QPointer<frmMain> main = program->existingMainWindow();
        QPointer<frmPromotion> promotion = program->existingPromotionWindow();
        QVERIFY(main && promotion);
        const bool ended = endsEventLoop([&] {
            if (closeBox)
                promotion->close();
            else
                promotion->findChild<QPushButton *>("cmdClose")->click();
        });
        QVERIFY(ended);
        QVERIFY(program->isExiting());
        QVERIFY(program->loadedWindows().isEmpty());
        QVERIFY(visibleTopLevels().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull());
        QVERIFY(promotion.isNull());
    }

    void exitProgramUnloadsHiddenWindowsAndMayBeReentered()
    {
        read(); // main hidden, result shown
        QPointer<frmMain> main = program->existingMainWindow();
        QVERIFY(!main->isVisible());
        const bool ended = endsEventLoop([&] {
            program->ExitProgram();
            program->ExitProgram();
        });
        QVERIFY(ended);
        QVERIFY(program->loadedWindows().isEmpty());
        QVERIFY(visibleTopLevels().isEmpty());
        // Unload handlers that ask for the promotion window during shutdown get none.
        QVERIFY(!program->existingPromotionWindow());
    }
};

QTEST_MAIN(WindowLifeTest)
#include "tst_windowlife.moc"
