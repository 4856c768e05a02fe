#pragma once
// The middle of a benchmark's rounds: one slow round (the machine busy
// elsewhere) does not move it.

#include <algorithm>
#include <cmath>
#include <vector>

// Not a number for no rounds: 0 would read as a figure. The benchmarks fail
// before they print a median of nothing.
inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? std::nan("") : v[v.size() / 2];
}
