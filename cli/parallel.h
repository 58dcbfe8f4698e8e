// Several sessions of one folder working through a list of files at once:
// a session serves one thread, so each extra thread opens its own. Files are
// claimed in list order; each file is handled whole by one thread, so its
// reports keep their order.
#pragma once

#include "session.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orvex::cli {

// `threads` 0: one per core, at most 4.
inline unsigned thread_count(unsigned threads)
{
    if (threads > 0)
        return threads;
    unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : std::min(hw, 4u);
}

// Runs fn(session, job) for job 0..jobs-1; stops claiming new jobs once
// `stop` is set. Extra sessions that fail to open just mean fewer threads.
inline void run_jobs(Session &first, const std::string &folder, const std::optional<std::string> &password,
                     unsigned threads, size_t jobs, const std::function<void(void *inst, size_t job)> &fn,
                     const std::atomic<bool> &stop)
{
    threads = static_cast<unsigned>(std::min<size_t>(std::max(1u, threads), std::max<size_t>(1, jobs)));
    std::vector<std::unique_ptr<Session>> extra;
    for (unsigned i = 1; i < threads; ++i) {
        auto s = std::make_unique<Session>();
        if (s->open_with(folder, password ? password->c_str() : nullptr) != EXIT_OK)
            break;
        extra.push_back(std::move(s));
    }
    std::atomic<size_t> next{0};
    auto work = [&](void *inst) {
        for (;;) {
            if (stop.load())
                return;
            size_t j = next.fetch_add(1);
            if (j >= jobs)
                return;
            fn(inst, j);
        }
    };
    std::vector<std::thread> pool;
    for (auto &s : extra)
        pool.emplace_back(work, s->handle());
    work(first.handle());
    for (auto &t : pool)
        t.join();
}

} // namespace orvex::cli
