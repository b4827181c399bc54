// Start-up: the single-copy guard, the fortnightly update reminder with today's date and the stored value
// under control, stores that cannot be used, and the random choice of advertising label.
#include "Program.h"
#include "SettingsKeys.h"
#include "SiteAddresses.h"
#include "TestSupport.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QDate Today(2026, 12, 7);

const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QString DownloadPage =
    QString::fromLatin1(ProductSiteAddress) + QLatin1String("/download-quorvis.html");
} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    Program::Environment env() const
    {
        Program::Environment e;
        e.today = [] { return Today; };
        e.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
        e.lockFile = dir.filePath(QStringLiteral("quorvis.lock"));
        return e;
    }
    QVariant storedDuration() const
    {
        QSettings s(env().settingsFile, QSettings::IniFormat);
        return s.value(QLatin1String(SettingsKeys::ReminderDate));
    }
    void store(const QString &value) const
    {
        QSettings s(env().settingsFile, QSettings::IniFormat);
        s.setValue(QLatin1String(SettingsKeys::ReminderDate), value);
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }
    void cleanup() { QVERIFY(visibleTopLevels().isEmpty()); }

    void updateReminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("storedAfter");
        const QString today = QStringLiteral("2026-12-07");
        QTest::newRow("first start stores today") << "" << 0 << false << today;
        QTest::newRow("same day") << today << 0 << false << today;
        QTest::newRow("14 days before") << "2026-11-23" << 0 << false << "2026-11-23";
        QTest::newRow("14 days after") << "2026-12-21" << 0 << false << "2026-12-21";
        QTest::newRow("15 days before, Yes") << "2026-11-22" << int(QMessageBox::Yes) << true << today;
        QTest::newRow("15 days before, No") << "2026-11-22" << int(QMessageBox::No) << true << today;
        QTest::newRow("15 days after, Yes") << "2026-12-22" << int(QMessageBox::Yes) << true << today;
        QTest::newRow("15 days after, No") << "2026-12-22" << int(QMessageBox::No) << true << today;
        QTest::newRow("across a year end") << "2025-12-07" << int(QMessageBox::No) << true << today;
        QTest::newRow("far in the past") << "0100-01-01" << int(QMessageBox::No) << true << today;
        QTest::newRow("far in the future") << "9999-12-31" << int(QMessageBox::No) << true << today;
        QTest::newRow("not a date") << "soon" << 0 << false << "soon";
        QTest::newRow("a locale short date") << "07/12/26" << 0 << false << "07/12/26";
        QTest::newRow("an impossible date") << "2026-02-30" << 0 << false << "2026-02-30";
    }
    void updateReminder()
    {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, asks);
        QFETCH(QString, storedAfter);
        if (!stored.isEmpty())
            store(stored);
        UrlRecorder recorder;
        MessageAnswerer answerer(answer ? QMessageBox::StandardButton(answer) : QMessageBox::Ok);
        Program program(env());
        QVERIFY(program.StartProgram());
        QVERIFY(program.existingMainWindow() && program.existingMainWindow()->isVisible());
        if (asks) {
            QCOMPARE(answerer.texts(), QStringList{Question});
            const SeenMessage &m = answerer.seen.first();
            QCOMPARE(m.title, QStringLiteral("Quorvis"));
            QCOMPARE(m.icon, QMessageBox::Information);
            QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
            QVERIFY(m.informativeText.isEmpty());
        } else {
            QVERIFY(answerer.seen.isEmpty());
        }
        QCOMPARE(recorder.strings(), answer == QMessageBox::Yes ? QStringList{DownloadPage} : QStringList{});
        // Written through at once, not only when the program ends; a first start's date once the window has
        // been painted, so that nothing waits for the write before the window is shown.
        if (stored.isEmpty()) {
            QVERIFY(storedDuration().isNull());
            QVERIFY(QTest::qWaitForWindowExposed(program.existingMainWindow()));
            QTRY_COMPARE(storedDuration().toString(), storedAfter);
        }
        QCOMPARE(storedDuration().toString(), storedAfter);
    }

    void unusableStoresStillShowTheMainWindow_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("a directory where the file should be") << QByteArray("directory");
        QTest::newRow("random bytes") << QByteArray("random");
        QTest::newRow("an empty file") << QByteArray("empty");
        QTest::newRow("a file in a missing directory") << QByteArray("nodir");
    }
    void unusableStoresStillShowTheMainWindow()
    {
        QFETCH(QByteArray, kind);
        Program::Environment e = env();
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(e.settingsFile));
        } else if (kind == "random") {
            QFile f(e.settingsFile);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray bytes;
            QRandomGenerator rng(42);
            for (int i = 0; i < 4096; ++i)
                bytes.append(char(rng.bounded(256)));
            f.write(bytes);
        } else if (kind == "empty") {
            QFile f(e.settingsFile);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            e.settingsFile = dir.filePath(QStringLiteral("missing/deeper/settings.ini"));
        }
        MessageAnswerer answerer(QMessageBox::No);
        Program program(e);
        QVERIFY(program.StartProgram());
        QVERIFY(program.existingMainWindow() && program.existingMainWindow()->isVisible());
        // None of these holds a stored date, so the reminder has nothing to count from and stays silent.
        QVERIFY(answerer.seen.isEmpty());
    }

    void secondCopyRefusesToStart()
    {
        QLockFile firstCopy(env().lockFile);
        QVERIFY(firstCopy.tryLock(0));
        MessageAnswerer answerer;
        Program program(env());
        QVERIFY(!program.StartProgram());
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(answerer.seen.first().icon, QMessageBox::Information);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Quorvis"));
        QVERIFY(program.loadedWindows().isEmpty());
        QVERIFY(!program.existingMainWindow());
        QVERIFY(firstCopy.isLocked());
        // The guard comes first: the reminder did not run.
        QVERIFY(!storedDuration().isValid());
    }

    void lockIsReleasedWithTheProgram()
    {
        {
            Program first(env());
            QVERIFY(first.StartProgram());
        }
        MessageAnswerer answerer;
        Program second(env());
        QVERIFY(second.StartProgram());
        QVERIFY(answerer.seen.isEmpty());
    }

    void adviceLabelIsChosenAtRandom()
    {
        Program program(env());
        QVERIFY(program.StartProgram());
        frmMain *main = program.existingMainWindow();
        QWidget *central = main->centralWidget();
        const QPoint spot = main->fullBrandLabel()->geometry().center();
        int odd = 0;
        const int draws = 6000;
        for (int i = 0; i < draws; ++i) {
            program.CoBrand_Randomize();
            const int n = program.coBrandRandomNumber();
            QVERIFY(n >= 1 && n <= 6);
            QWidget *front = central->childAt(spot);
            QCOMPARE(front, n % 2 ? main->coBrandLabel() : main->fullBrandLabel());
            odd += n % 2;
        }
        // Binomial(6000, 1/2) has a standard deviation of about 39; six of them never fail in practice.
        QVERIFY2(qAbs(odd - draws / 2) < 6 * 39, qPrintable(QString::number(odd)));
    }

    void randomNumbersAreEvenlySpread()
    {
        Program program(env());
        QList<int> counts(4, 0);
        const int draws = 40000;
        for (int i = 0; i < draws; ++i) {
            const int n = program.randomNumber(0, 3);
            QVERIFY(n >= 0 && n <= 3);
            ++counts[n];
        }
        for (int c : counts)
            QVERIFY2(qAbs(c - draws / 4) < 6 * 87, qPrintable(QString::number(c)));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
