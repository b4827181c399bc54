// Every menu entry and advertising label of the two working windows opens exactly its page, and nothing else
// of the program changes when it does.
#include "Program.h"
#include "SiteAddresses.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {
QString page(const char *base, const char *path) { return QLatin1String(base) + QLatin1String(path); }
} // namespace

class LinksTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;

    QMainWindow *openWindow(const QString &which)
    {
        frmMain &main = program->mainWindow();
        main.show();
        if (which == QLatin1String("main"))
            return &main;
        askForReading(&main);
        return program->existingDisplayWindow();
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init() { program = std::make_unique<Program>(); }
    void cleanup()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void opensItsPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("url");
        const QString help = page(ProductSiteAddress, "/quorvis-help.html");
        const QString home = page(MakerSiteAddress, "");
        const QString download = page(ProductSiteAddress, "/download-quorvis.html");
        const QString donate = page(HelpSiteAddress, "/donate.html");
        const QString full = page(HelpSiteAddress, "/fully-branded.html");
        const QString cobrand = page(HelpSiteAddress, "/co-brand.html");
        for (const char *window : {"main", "display"}) {
            auto row = [&](const char *control, const QString &url) {
                QTest::addRow("%s %s", window, control)
                    << QString::fromLatin1(window) << QString::fromLatin1(control) << url;
            };
            row("mnuOnline", help);
            row("mnuVisit", home);
            row("mnuUpdate", download);
            row("mnuDonate", donate);
            row("mnuMakeMoneyOnline", full);
            row("Label61", home);
            row("lblCobrand", cobrand);
            row("lblFullBrand", full);
        }
    }
    void opensItsPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, url);
        QMainWindow *w = openWindow(window);
        QVERIFY(w);
        UrlRecorder recorder;
        MessageAnswerer answerer;
        if (auto *action = w->findChild<QAction *>(control)) {
            action->trigger();
        } else {
            auto *label = w->findChild<QLabel *>(control);
            QVERIFY(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            label->raise(); // the two adverts share one place; click the one under test
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        }
        QCOMPARE(recorder.strings(), QStringList{url});
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(w->isVisible());
    }

    // The menu bar's own commands act at once and have no drop-down list; the last one is kept but hidden.
    void menuBarCommands_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main") << "main";
        QTest::newRow("display") << "display";
    }
    void menuBarCommands()
    {
        QFETCH(QString, window);
        QMainWindow *w = openWindow(window);
        QStringList captions;
        for (QAction *a : w->menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        auto *donate = w->findChild<QAction *>("mnuDonate");
        auto *money = w->findChild<QAction *>("mnuMakeMoneyOnline");
        QVERIFY(!donate->menu());
        QVERIFY(!money->menu());
        QVERIFY(donate->isVisible());
        QVERIFY(!money->isVisible());
        QStringList help;
        for (QAction *a : w->findChild<QMenu *>("mnuHelp")->actions())
            help << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(help,
                 (QStringList{"&Online Help", "&Visit Us Online", "-",
                              window == "main" ? "Check for Software &Update" : "&Check for Software Update",
                              "-", "&About Software"}));
    }
};

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
