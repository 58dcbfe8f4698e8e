// Thread pool overhead: 100,000 empty jobs on 2 threads, in jobs per second,
// against the simplest correct two-thread queue (one mutex, one condition
// variable, a deque) measured in the same run.
#include "thpool.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kJobs = 100000;
constexpr int kRounds = 5;

void empty_job(int, void *) {}

double run_pool()
{
    thpool_ *pool = thpool_init(2);
    auto t0 = Clock::now();
    for (int i = 0; i < kJobs; i++)
        thpool_add_work(pool, empty_job, nullptr);
    thpool_wait(pool);
    double s = std::chrono::duration<double>(Clock::now() - t0).count();
    thpool_destroy(pool);
    return s;
}

// The baseline: two threads draining a mutex-guarded deque.
double run_baseline()
{
    std::mutex m;
    std::condition_variable cv, idle;
    std::deque<void (*)(int, void *)> q;
    bool stop = false;
    int busy = 0;
    std::vector<std::thread> threads;
    for (int id = 0; id < 2; id++) {
        threads.emplace_back([&, id] {
            std::unique_lock<std::mutex> lock(m);
            for (;;) {
                cv.wait(lock, [&] { return stop || !q.empty(); });
                if (stop)
                    return;
                auto fn = q.front();
                q.pop_front();
                busy++;
                lock.unlock();
                fn(id, nullptr);
                lock.lock();
                if (--busy == 0 && q.empty())
                    idle.notify_all();
            }
        });
    }
    auto t0 = Clock::now();
    for (int i = 0; i < kJobs; i++) {
        {
            std::lock_guard<std::mutex> lock(m);
            q.push_back(empty_job);
        }
        cv.notify_one();
    }
    {
        std::unique_lock<std::mutex> lock(m);
        idle.wait(lock, [&] { return q.empty() && busy == 0; });
    }
    double s = std::chrono::duration<double>(Clock::now() - t0).count();
    {
        std::lock_guard<std::mutex> lock(m);
        stop = true;
    }
    cv.notify_all();
    for (auto &t : threads)
        t.join();
    return s;
}

} // namespace

int main()
{
    double pool = 1e9, base = 1e9;
    for (int r = 0; r < kRounds; r++) {
        pool = std::min(pool, run_pool());
        base = std::min(base, run_baseline());
    }
    std::printf("%d empty jobs on 2 threads, best of %d rounds\n", kJobs, kRounds);
    std::printf("thpool          %12.0f jobs/s\n", kJobs / pool);
    std::printf("baseline queue  %12.0f jobs/s\n", kJobs / base);
    std::printf("ratio (thpool / baseline) %.3f\n", base / pool);
    return 0;
}
