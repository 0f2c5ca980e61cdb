#pragma once
// The clock of every time the benchmark takes, and the few order statistics it prints.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace tw::bench {

using SteadyClock = std::chrono::steady_clock;

//! The value below which `fraction` of the values lie (nearest rank); 0 for none.
inline double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    const auto rank = std::size_t(std::ceil(fraction * double(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

inline double median(const std::vector<double>& values) { return percentile(values, 0.5); }
inline double maximum(const std::vector<double>& values) { return percentile(values, 1.0); }

template <typename Duration>
double inMs(Duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace tw::bench
