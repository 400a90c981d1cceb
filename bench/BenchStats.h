#pragma once

#include <algorithm>
#include <vector>

/// The middle value of timed runs; steadier than the mean on a busy machine.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}
