#pragma once
// What the benchmarks measure with: wall-clock seconds of a piece of work, and the
// process's peak resident memory so far.

#include <chrono>
#include <functional>
#include <sys/resource.h>

inline double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline long peak_megabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
