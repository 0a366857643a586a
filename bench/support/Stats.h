#pragma once

#include <algorithm>
#include <vector>

namespace av::bench {

// The value below which the given share of the samples lie (nearest rank).
inline double percentile(std::vector<double> samples, double share) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(share * double(samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

inline double median(std::vector<double> samples) {
    return percentile(std::move(samples), 0.5);
}

} // namespace av::bench
