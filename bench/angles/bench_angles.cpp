// Angle benchmark: one ComputeAngles call (sidereal time, nutation and obliquity through ERFA, then the MC
// and ASC formulas), timed call by call over random instants and places so no two calls share an input. Wall
// time moves with whatever else the machine runs; the thread's CPU time much less, so both are shown.
//
//   bench_angles [CALLS]        (default 20000)
#include "Samples.h"
#include "angles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <utility>
#include <vector>

namespace {

double ThreadCpuMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

void PrintRow(const char *label, std::vector<double> micros)
{
    const bench::Summary s = bench::Summarise(std::move(micros));
    std::printf("| %s | %.2f | %.2f | %.2f | %.2f | %.2f |\n", label, s.median, s.p90, s.p99, s.max, s.mean);
}

} // namespace

int main(int argc, char **argv)
{
    const int calls = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    std::mt19937_64 random(2026);
    std::uniform_int_distribution<std::int64_t> instants(quorvis::FirstChartInstant,
                                                         quorvis::LastChartInstant);
    std::uniform_real_distribution<double> latitudes(-66.0, 66.0), longitudes(-180.0, 180.0);
    struct Input
    {
        std::int64_t ut;
        double latitude, longitude;
    };
    std::vector<Input> inputs(static_cast<std::size_t>(calls));
    for (Input &input : inputs)
        input = {instants(random), latitudes(random), longitudes(random)};

    std::vector<double> wall, cpu;
    wall.reserve(inputs.size());
    cpu.reserve(inputs.size());
    double sink = 0;
    for (const Input &input : inputs) {
        const double cpuStart = ThreadCpuMicros();
        const auto start = std::chrono::steady_clock::now();
        const quorvis::AnglesResult result =
            quorvis::ComputeAngles(input.ut, input.latitude, input.longitude);
        const auto stop = std::chrono::steady_clock::now();
        cpu.push_back(ThreadCpuMicros() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        sink += result.angles.asc;
    }
    std::printf("| %d calls | median µs | p90 µs | p99 µs | max µs | mean µs |\n", calls);
    std::printf("| --- | --- | --- | --- | --- | --- |\n");
    PrintRow("wall", std::move(wall));
    PrintRow("thread CPU", std::move(cpu));
    std::fprintf(stderr, "(checksum %.6f)\n", sink);
    return 0;
}
