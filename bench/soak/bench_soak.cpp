// A long session, in-process: readings one after another through the keyboard, as a person at the window
// makes them: the name typed into the empty name field, Enter for the reading, Enter on the result window's
// Back. Reports the resident memory and the heap in use along the way, so that a cache that fills or a
// leak shows as growth between the samples. Nothing is timed.
//
//   bench_soak [READINGS] [--every N] [--pixmap-cache-kib N]     (default 800 readings, a sample every 50)
//
// --pixmap-cache-kib sets Qt's pixmap cache limit before the first window, to see how much of the growth is
// that cache's.
#include "Program.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPixmapCache>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

const char *const Names[] = {"ANN", "JOHN SMITH", "MARIA", "LEE", "ROBERT KAY", "OLIVIA R", "PETER PAUL", "Z"};

long statusKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0)
            return std::stol(line.substr(length));
    return -1;
}

long heapKiB() { return long(mallinfo2().uordblks / 1024); }

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Sends a key to whatever has the keyboard focus in `window`, as the window system would.
void press(QWidget *window, Qt::Key key)
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

struct Sample
{
    int reading;
    long rss, heap;
};

} // namespace

int main(int argc, char *argv[])
{
    int readings = 800, every = 50, pixmapCacheKiB = -1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--every") && i + 1 < argc)
            every = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--pixmap-cache-kib") && i + 1 < argc)
            pixmapCacheKiB = std::atoi(argv[++i]);
        else if (argv[i][0] != '-')
            readings = std::max(1, std::atoi(argv[i]));
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    if (pixmapCacheKiB >= 0)
        QPixmapCache::setCacheLimit(pixmapCacheKiB);

    QTemporaryDir scratch;
    if (!scratch.isValid())
        qFatal("cannot make a scratch directory");
    Program::Environment env;
    env.settingsFile = scratch.filePath(QStringLiteral("quorvis.conf"));
    env.lockFile = scratch.filePath(QStringLiteral("quorvis.lock"));
    {
        QSettings seed(env.settingsFile, QSettings::IniFormat);
        seed.setValue(QStringLiteral("Settings/Duration"), QDate::currentDate().toString(Qt::ISODate));
    }

    int failures = 0;
    std::vector<Sample> samples;
    {
        Program program(env);
        if (!program.StartProgram())
            qFatal("the program did not start");
        frmMain &main = *program.existingMainWindow();
        if (!QTest::qWaitForWindowExposed(&main))
            qFatal("the main window was not exposed");
        settle();
        QLineEdit *name = main.findChild<QLineEdit *>(QStringLiteral("txtName"));
        if (!name)
            qFatal("no name field");
        samples.push_back({0, statusKiB("VmRSS:"), heapKiB()});

        for (int i = 1; i <= readings; ++i) {
            // The name field is emptied and the name typed; the lists keep their first entries (a date that
            // exists), as a person repeating readings for different names would leave them.
            name->setFocus(Qt::OtherFocusReason);
            name->clear();
            QTest::keyClicks(name, QLatin1String(Names[std::size_t(i) % std::size(Names)]));
            press(&main, Qt::Key_Return);
            settle();
            frmDisplay *display = program.existingDisplayWindow();
            if (!display || !display->isVisible()) {
                ++failures;
                break;
            }
            press(display, Qt::Key_Return); // the focus is on Back
            settle();
            if (program.existingDisplayWindow() || !main.isVisible()) {
                ++failures;
                break;
            }
            if (i == 1 || i % every == 0 || i == readings)
                samples.push_back({i, statusKiB("VmRSS:"), heapKiB()});
        }
    }
    settle();

    std::printf("platform %s, %d readings typed (name, Enter, Enter on Back), pixmap cache limit %d KiB\n",
                qPrintable(QGuiApplication::platformName()), readings, QPixmapCache::cacheLimit());
    std::printf("| after reading | resident (KiB) | heap in use (KiB) | resident growth since the last row (KiB) |\n");
    std::printf("|---:|---:|---:|---:|\n");
    for (std::size_t i = 0; i < samples.size(); ++i)
        std::printf("| %d | %ld | %ld | %+ld |\n", samples[i].reading, samples[i].rss, samples[i].heap,
                    i ? samples[i].rss - samples[i - 1].rss : 0L);
    if (samples.size() >= 3) {
        // The second half of the session against the first: a bounded cache is full by then, a leak is not.
        const Sample &last = samples.back();
        const Sample *half = &samples.front();
        for (const Sample &s : samples)
            if (s.reading <= last.reading / 2)
                half = &s;
        const int span = std::max(1, last.reading - half->reading);
        std::printf("second half (readings %d to %d): resident %+.2f KiB, heap %+.2f KiB a reading; peak "
                    "resident %ld KiB\n",
                    half->reading, last.reading, double(last.rss - half->rss) / span,
                    double(last.heap - half->heap) / span, statusKiB("VmHWM:"));
    }
    if (failures) {
        std::printf("the session stopped: a reading or Back did not go through\n");
        return 1;
    }
    return 0;
}
