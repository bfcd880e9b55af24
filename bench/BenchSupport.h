#pragma once
// Small helpers the benchmarks share: a monotonic clock and the median.
#include <algorithm>
#include <ctime>
#include <vector>

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

template <class T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
