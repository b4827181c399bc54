// A long session, in-process: readings one after another through the keyboard, as a person at the window
// makes them: the name typed into the empty name field, Enter for the reading, Enter on the result window's
// Back. Reports the resident memory and the heap in use along the way, so that a cache that fills or a
// leak shows as growth between the samples. Nothing is timed.
//
//   bench_soak [READINGS] [--every N] [--idle-s S] [--pixmap-cache-kib N]
//
// Default: 800 readings, a sample every 50. --idle-s leaves the event loop running S seconds after the last
// reading and samples again: Qt's pixmap cache forgets the names of pictures it no longer holds on a 30-second
// timer, which a person's session, unlike this one, gives it many times over. --pixmap-cache-kib sets that
// cache's limit before the first window, to see how much of the growth is the cache's.
#include "Program.h"
#include "Scratch.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
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

// In use on the heap, small blocks and mapped large ones.
long heapKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

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
    int readings = 800, every = 50, idleSeconds = 0, pixmapCacheKiB = -1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--every") && i + 1 < argc)
            every = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--idle-s") && i + 1 < argc)
            idleSeconds = std::max(0, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--pixmap-cache-kib") && i + 1 < argc)
            pixmapCacheKiB = std::atoi(argv[++i]);
        else if (argv[i][0] != '-')
            readings = std::max(1, std::atoi(argv[i]));
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (pixmapCacheKiB >= 0)
        QPixmapCache::setCacheLimit(pixmapCacheKiB);

    QTemporaryDir scratch;
    Program::Environment env = bench::ScratchEnvironment(scratch, true);

    int failures = 0;
    std::vector<Sample> samples;
    std::optional<Sample> idle;
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
        if (idleSeconds > 0 && !failures) {
            QTest::qWait(idleSeconds * 1000);
            idle = Sample{readings, statusKiB("VmRSS:"), heapKiB()};
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
    // Growth a reading over each half of the session: a bounded cache fills and stops, a leak goes on.
    const auto rate = [&](int from, int to, long Sample::*field) {
        const Sample *a = &samples.front(), *b = &samples.front();
        for (const Sample &s : samples) {
            if (s.reading <= from)
                a = &s;
            if (s.reading <= to)
                b = &s;
        }
        return b->reading > a->reading ? double(b->*field - a->*field) / (b->reading - a->reading) : 0.0;
    };
    const int half = readings / 2;
    std::printf("a reading, readings 1 to %d: resident %+.2f KiB, heap %+.2f KiB; readings %d to %d: resident "
                "%+.2f KiB, heap %+.2f KiB\n",
                half, rate(1, half, &Sample::rss), rate(1, half, &Sample::heap), half, readings,
                rate(half, readings, &Sample::rss), rate(half, readings, &Sample::heap));
    if (idle)
        std::printf("after %d s idle: resident %ld KiB, heap in use %ld KiB\n", idleSeconds, idle->rss, idle->heap);
    std::printf("peak resident %ld KiB\n", statusKiB("VmHWM:"));
    if (failures) {
        std::printf("the session stopped: a reading or Back did not go through\n");
        return 1;
    }
    return 0;
}
