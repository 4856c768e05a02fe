#pragma once
// The middle of a benchmark's rounds: one slow round (the machine busy
// elsewhere) does not move it.

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
