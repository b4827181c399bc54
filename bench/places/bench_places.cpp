// The gazetteer's two costs a user can feel: its first use (the first search, the set-up of the compiled-in
// index included, measured in fresh processes, this program started again with --first-load) and one
// keystroke's search (every prefix of 500 place names, typed one letter at a time); and the cost of resolving
// one wall time. Prints a Markdown table; nothing is asserted.
#include "GazetteerData.h"
#include "Places.h"
#include "Samples.h"
#include "WallTime.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace quorvis::places;
using Stopwatch = std::chrono::steady_clock;

namespace {

double Microseconds(Stopwatch::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// CPU time, which the other work on a shared machine disturbs far less than wall time.
double ThreadCpuMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

void Row(const char *what, std::vector<double> values, const char *unit, double scale)
{
    const bench::Summary s = bench::Summarise(std::move(values));
    std::printf("| %s | %zu | %.3f | %.3f | %.3f | %s |\n", what, s.count, s.median / scale, s.p99 / scale,
                s.max / scale, unit);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--first-load"))) {
        const double cpuStart = ThreadCpuMicroseconds();
        const auto start = Stopwatch::now();
        const size_t count = Gazetteer::instance().search(u"Lon", 10).size();
        std::printf("%.1f %.1f %zu\n", Microseconds(Stopwatch::now() - start),
                    ThreadCpuMicroseconds() - cpuStart, count);
        return 0;
    }
    const int loads = args.size() > 1 ? args.at(1).toInt() : 20;

    std::vector<double> loadTimes, loadCpuTimes;
    for (int i = 0; i < loads; ++i) {
        QProcess child;
        child.start(app.applicationFilePath(), {QStringLiteral("--first-load")});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "bench_places: the first-load run failed\n");
            return 1;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().split(' ');
        loadTimes.push_back(figures.value(0).toDouble());
        loadCpuTimes.push_back(figures.value(1).toDouble());
    }

    const Gazetteer &gazetteer = Gazetteer::instance();
    const auto &places = gazetteer.places();
    std::vector<double> keystrokes;
    size_t found = 0;
    for (size_t i = 0; i < 500; ++i) {
        const QString &name = places[i * (places.size() / 500)].name;
        for (qsizetype length = 1; length <= name.size(); ++length) {
            const auto start = Stopwatch::now();
            found += gazetteer.search(QStringView(name).left(length), 10).size();
            keystrokes.push_back(Microseconds(Stopwatch::now() - start));
        }
    }

    // The same typed in Russian and in German, the names the languages give (GeoNames's where they give
    // none), and the names shown for each of those places.
    std::vector<double> otherKeystrokes, shownNames;
    for (const char16_t *language : {u"ru", u"de"})
        for (size_t i = 0; i < 500; ++i) {
            const Place &place = places[i * (places.size() / 500)];
            auto start = Stopwatch::now();
            const QString name = gazetteer.shown(place, language).name;
            shownNames.push_back(Microseconds(Stopwatch::now() - start));
            for (qsizetype length = 1; length <= name.size(); ++length) {
                start = Stopwatch::now();
                found += gazetteer.search(QStringView(name).left(length), 10).size();
                otherKeystrokes.push_back(Microseconds(Stopwatch::now() - start));
            }
        }

    // Wall times every 3 hours 17 minutes from 1900 on, in the zones of the first 50 places.
    std::vector<double> resolutions;
    std::vector<PlaceClock> clocks;
    for (size_t i = 0; i < 50; ++i)
        clocks.emplace_back(*Clock::zone(places[i].zone), 10.0);
    QDateTime wall(QDate(1900, 1, 1), QTime(0, 30), Qt::UTC);
    for (int i = 0; i < 10000; ++i, wall = wall.addSecs(3 * 3600 + 17 * 60)) {
        const auto start = Stopwatch::now();
        found += size_t(clocks[size_t(i) % clocks.size()].resolve(wall.date(), wall.time()).readings.size());
        resolutions.push_back(Microseconds(Stopwatch::now() - start));
    }

    std::printf("| measure | runs | median | p99 | max | unit |\n|---|---|---|---|---|---|\n");
    Row("gazetteer's first search, set-up included, wall (fresh process; target < 5 ms)", loadTimes, "ms",
        1000.0);
    Row("gazetteer's first search, set-up included, CPU", loadCpuTimes, "ms", 1000.0);
    Row("one keystroke's search over all places (target p99 < 1 ms)", keystrokes, "µs", 1.0);
    Row("one keystroke's search, the names in Russian and German (target p99 < 1 ms)", otherKeystrokes, "µs",
        1.0);
    Row("one place's names as shown in Russian or German", shownNames, "µs", 1.0);
    Row("one wall time resolved to UT", resolutions, "µs", 1.0);
    std::printf("\n%zu places; %zu hits and readings; the compiled-in index is %td bytes.\n", places.size(),
                found, quorvis_gazetteer_index_end - quorvis_gazetteer_index);
    return 0;
}
