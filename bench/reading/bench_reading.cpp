// Reading benchmark, in-process: the time from the find button's click to the result window being shown, over
// many readings with varying inputs, going Back after each one as a user would. Each reading builds a new
// result window (the previous one is unloaded by Back), so the figure covers the window's construction, the
// reading itself and showing it.
//
// "shown" stops the clock when click() returns (the result window is visible by then); "drawn" stops it after
// the events the show posted (expose, layout, first paint) have been processed as well.
//
//   bench_reading [READINGS]        (default 1000; any Qt platform, offscreen or xcb)
#include "Program.h"
#include "Samples.h"
#include "Scratch.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <map>
#include <string>
#include <vector>

namespace {

const char *const Names[] = {"ANN",        "JOHN SMITH", "MARIA",    "LEE",        "A",
                             "ROBERT KAY", "SAM",        "OLIVIA R", "PETER PAUL", "Z"};

template <typename T> T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Qt's messages, counted rather than printed a thousand times (offscreen says it cannot raise a window).
std::map<QString, int> &messages()
{
    static std::map<QString, int> seen;
    return seen;
}

void countMessage(QtMsgType, const QMessageLogContext &, const QString &text) { ++messages()[text]; }

// Drains what the last step posted, deferred deletions of unloaded windows included.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(countMessage);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    const int readings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir scratch;
    Program::Environment env = bench::ScratchEnvironment(scratch, false);
    int draw = 0;
    env.random = [&draw](int lowest, int highest) { return lowest + (draw++ % (highest - lowest + 1)); };

    // A message box would mean the inputs were refused; answer it so the run ends, and count it.
    int refused = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, &app, [&refused] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++refused;
            modal->close();
        }
    });
    answerer.start(20);

    int failures = 0;
    std::vector<double> shownUs, drawnUs;
    shownUs.reserve(std::size_t(readings));
    drawnUs.reserve(std::size_t(readings));
    long rssAfterFirst = 0;
    long rssAfterAll = 0;
    long rssWithoutPixmapCache = 0;
    {
        Program program(env);
        frmMain &main = program.mainWindow();
        main.show();
        if (!QTest::qWaitForWindowExposed(&main))
            qFatal("the main window was not exposed");

        QLineEdit *name = child<QLineEdit>(&main, "txtName");
        QComboBox *day = child<QComboBox>(&main, "cmbDate");
        QComboBox *month = child<QComboBox>(&main, "cmbMonth");
        QComboBox *year = child<QComboBox>(&main, "cmbYear");
        QComboBox *slot = child<QComboBox>(&main, "cmbTime");
        QPushButton *proceed = child<QPushButton>(&main, "cmdProceed");

        QElapsedTimer clock;
        for (int i = 0; i < readings; ++i) {
            // Every month, time slot and a spread of years and days, always a date that exists.
            const int m = i % 12;
            const int y = year->count() > 0 ? (i * 37) % year->count() : 0;
            year->setCurrentIndex(y);
            month->setCurrentIndex(m);
            const int days = QDate(year->currentText().toInt(), m + 1, 1).daysInMonth();
            day->setCurrentIndex((i * 7) % days);
            slot->setCurrentIndex((i * 5) % slot->count());
            name->setText(QLatin1String(Names[std::size_t(i) % std::size(Names)]));
            settle();

            clock.start();
            proceed->click();
            const qint64 shownNs = clock.nsecsElapsed();
            frmDisplay *display = program.existingDisplayWindow();
            const bool shown = display && display->isVisible();
            settle();
            const qint64 drawnNs = clock.nsecsElapsed();
            if (!shown || child<QLabel>(display, "lblNadirDesc")->text().isEmpty()) {
                ++failures;
                if (!display)
                    continue;
            }
            shownUs.push_back(double(shownNs) / 1e3);
            drawnUs.push_back(double(drawnNs) / 1e3);

            child<QPushButton>(display, "cmdBack")->click();
            settle();
            if (program.existingDisplayWindow() || !main.isVisible())
                ++failures;
            if (i == 0) {
                malloc_trim(0);
                rssAfterFirst = residentKiB();
            }
        }
        rssAfterAll = residentKiB();
        // Fusion caches the button faces it draws under keys that include the palette, and every new result
        // window brings new palettes; the cache is bounded, so this part of the growth stops at its limit.
        QPixmapCache::clear();
        malloc_trim(0);
        rssWithoutPixmapCache = residentKiB();
        // Every unloaded result window must have been deleted, or the growth above is theirs.
        int displays = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            displays += qobject_cast<frmDisplay *>(w) != nullptr;
        if (displays > 0) {
            std::printf("%d result window(s) still exist after going Back\n", displays);
            ++failures;
        }
    }
    settle();

    if (shownUs.empty()) {
        std::printf("no reading was shown\n");
        return 1;
    }
    const bench::Summary shown = bench::Summarise(shownUs);
    const bench::Summary drawn = bench::Summarise(drawnUs);
    std::printf("platform %s, %d readings, first one %.0f us (shown) / %.0f us (drawn)\n",
                qPrintable(QGuiApplication::platformName()), readings, shownUs.front(), drawnUs.front());
    std::printf("| reading, click to result window | median (us) | p90 (us) | max (us) | mean (us) |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    std::printf("| shown | %.0f | %.0f | %.0f | %.0f |\n", shown.median, shown.p90, shown.max, shown.mean);
    std::printf("| shown and drawn | %.0f | %.0f | %.0f | %.0f |\n", drawn.median, drawn.p90, drawn.max,
                drawn.mean);
    std::printf(
        "resident memory after the first reading %ld KiB, after all %ld KiB (growth %+ld KiB; %+ld KiB "
        "once Qt's pixmap cache, bounded at %d KiB, is emptied)\n",
        rssAfterFirst, rssAfterAll, rssAfterAll - rssAfterFirst, rssWithoutPixmapCache - rssAfterFirst,
        QPixmapCache::cacheLimit());
    for (const auto &[text, count] : messages())
        std::printf("Qt said %d time(s): %s\n", count, qPrintable(text));
    if (failures || refused) {
        std::printf("%d reading(s) failed, %d refused with a message\n", failures, refused);
        return 1;
    }
    return 0;
}
