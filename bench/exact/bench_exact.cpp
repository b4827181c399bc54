// Exact-nadir window benchmark, in-process:
//   open    File, Find My Exact Nadir on a fresh program to the window shown with the list of places for the
//           first letter typed, the gazetteer's first load included (target < 100 ms). Each round is a new
//           process, since the gazetteer stays loaded for the life of one: run it several times.
//   change  a changed input (the birth time, one minute on) to the results shown, over a London reading, with
//           the events of showing them processed (target < 5 ms); the same for the two-hour slot mode; and
//           the reading alone, without the window, for comparison.
//
//   bench_exact [CHANGES]        (default 2000; any Qt platform, offscreen or xcb)
#include "ExactReading.h"
#include "Program.h"
#include "Samples.h"
#include "frmExact.h"
#include "frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename T> T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void report(const char *what, std::vector<double> us)
{
    const bench::Summary s = bench::Summarise(std::move(us));
    std::printf("| %s | %zu | %.0f | %.0f | %.0f | %.0f |\n", what, s.count, s.median, s.p99, s.max, s.mean);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int changes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;

    Program program;
    frmMain &main = program.mainWindow();
    main.show();
    QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    main.findChild<QAction *>(QStringLiteral("mnuFindExactNadir"))->trigger();
    frmExact *w = program.existingExactWindow();
    auto *place = child<QLineEdit>(w, "txtPlace");
    QTest::keyClick(place, Qt::Key_L);
    QCoreApplication::processEvents();
    const double openUs = static_cast<double>(clock.nsecsElapsed()) / 1000.0;
    auto *list = child<QAbstractItemView>(w, "lstPlaces");
    if (!list->isVisible())
        std::fprintf(stderr, "bench_exact: no place list after the first letter\n");

    QTest::keyClicks(place, QStringLiteral("ondon"));
    QTest::keyClick(place, Qt::Key_Escape);
    QTest::keyClick(place, Qt::Key_Return);
    auto *time = child<QLineEdit>(w, "txtTime");
    QTime typed(10, 30);
    auto *ic = child<QLabel>(w, "lblIC");

    std::printf("| measure | n | median µs | p99 µs | max µs | mean µs |\n|---|---|---|---|---|---|\n");
    report("open, first letter's places shown (gazetteer load included)", {openUs});
    for (const bool slotOnly : {false, true}) {
        quorvis::exact::Request in;
        in.date = QDate(1990, 8, 1);
        QTime at(10, 30);
        in.slot = 9;
        in.latitude = 51.50853;
        in.longitude = -0.12574;
        in.clock = quorvis::places::Clock::zone(u"Europe/London");
        std::vector<double> us;
        for (int i = 0; i < changes; ++i) {
            at = at.addSecs(60);
            in.time = slotOnly ? std::nullopt : std::optional(at);
            in.slot = (in.slot + 1) % 12;
            clock.restart();
            const quorvis::exact::Result r = quorvis::exact::Compute(in);
            us.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
            if (!r.ok())
                std::fprintf(stderr, "bench_exact: no reading computed\n");
        }
        report(slotOnly ? "slot reading computed alone, no window" : "reading computed alone, no window", us);
    }
    for (const bool slotOnly : {false, true}) {
        child<QCheckBox>(w, "chkSlotOnly")->setChecked(slotOnly);
        auto *slot = child<QComboBox>(w, "cmbSlot");
        std::vector<double> us;
        us.reserve(static_cast<std::size_t>(changes));
        QString seen;
        for (int i = 0; i < changes; ++i) {
            clock.restart();
            if (slotOnly)
                slot->setCurrentIndex((slot->currentIndex() + 1) % slot->count());
            else
                time->setText((typed = typed.addSecs(60)).toString(u"HH:mm"));
            QCoreApplication::processEvents();
            us.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
            seen = ic->text();
        }
        report(slotOnly ? "slot changed, results shown" : "time changed, results shown", us);
        if (seen.isEmpty())
            std::fprintf(stderr, "bench_exact: no Imum Coeli shown\n");
    }
    return 0;
}
