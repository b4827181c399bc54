// Order statistics of a benchmark's samples, shared by the benchmark programs: the nearest rank of the sorted
// samples for each quantile (no interpolation), the largest, and the mean.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <vector>

namespace bench {

struct Summary
{
    std::size_t count = 0;
    double median = 0, p90 = 0, p99 = 0, max = 0, mean = 0;
};

inline Summary Summarise(std::vector<double> samples)
{
    Summary s;
    s.count = samples.size();
    if (samples.empty())
        return s;
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[static_cast<std::size_t>(std::lround(q * static_cast<double>(samples.size() - 1)))];
    };
    s.median = at(0.5);
    s.p90 = at(0.9);
    s.p99 = at(0.99);
    s.max = samples.back();
    s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    return s;
}

} // namespace bench
