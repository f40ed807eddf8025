#pragma once
// Spreads independent work over a few threads: fn(i) for every i in [0, count), each thread
// taking one contiguous share, this thread one of them. For work whose items touch nothing in
// common (hashing files, reading them); fn must be safe to call at once for different i.
#include <algorithm>
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

namespace hm {

// At most `maxThreads` threads in all, never more than the processors; fewer than `minPerThread`
// items a thread are not worth a thread. A share whose thread cannot be started runs here.
template <typename Fn>
void parallelFor(size_t count, size_t maxThreads, size_t minPerThread, const Fn& fn) {
    const size_t cpus = std::max<size_t>(1, std::thread::hardware_concurrency());
    const size_t threads = std::clamp<size_t>(count / std::max<size_t>(1, minPerThread), 1,
                                              std::min(maxThreads, cpus));
    const size_t share = (count + threads - 1) / std::max<size_t>(1, threads);
    auto run = [&fn, count](size_t from, size_t to) {
        for (size_t i = from; i < std::min(to, count); ++i) {
            fn(i);
        }
    };
    std::vector<std::thread> helpers;
    std::vector<size_t> left;  // shares whose thread could not be started
    for (size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(run, t * share, (t + 1) * share);
        } catch (const std::system_error&) {
            left.push_back(t);
        }
    }
    run(0, share);
    for (size_t t : left) {
        run(t * share, (t + 1) * share);
    }
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

}  // namespace hm
