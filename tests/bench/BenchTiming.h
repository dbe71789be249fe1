#pragma once
// Timing for the benchmarks: the time of one call, and the best times of two
// rivals over rounds that alternate between them, so that both meet the same
// state of a shared machine.
#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>

namespace bench {

// Seconds per call of work, called for at least 30 ms.
inline double CallTime(const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    int calls = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    do {
        work();
        ++calls;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < 0.03);
    return elapsed / calls;
}

inline double BestTime(const std::function<void()>& work, int rounds = 15) {
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) best = std::min(best, CallTime(work));
    return best;
}

inline std::pair<double, double> BestTimes(const std::function<void()>& ours, const std::function<void()>& theirs,
                                           int rounds = 15) {
    double bestOurs = 1e9, bestTheirs = 1e9;
    for (int round = 0; round < rounds; ++round) {
        bestOurs = std::min(bestOurs, CallTime(ours));
        bestTheirs = std::min(bestTheirs, CallTime(theirs));
    }
    return {bestOurs, bestTheirs};
}

}  // namespace bench
