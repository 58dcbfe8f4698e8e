// Worker thread pool on the standard library's threads. One mutex guards the
// queue and both counts; threads sleep on a condition variable between jobs.
// Destroying a pool joins its threads (no polling), and each pool has its own
// keep-alive flag so destroying one never stops another.
#include "thpool.h"

#include "zlog.h"

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <pthread.h>
#endif

namespace {

struct job {
    void (*function)(int, void *);
    void *arg;
};

} // namespace

struct thpool_ {
    std::mutex lock;
    std::condition_variable has_jobs;
    std::condition_variable threads_all_idle;
    std::deque<job> jobqueue;
    int num_threads_alive = 0;
    int num_threads_working = 0;
    bool keepalive = true;
    std::vector<std::thread> threads;
};

namespace {

void name_thread(int id)
{
#if defined(__linux__)
    char name[16];
    std::snprintf(name, sizeof(name), "thread-pool-%d", id);
    pthread_setname_np(pthread_self(), name);
#else
    (void)id;
    std::fputs("thread_do(): pthread_setname_np is not supported on this system\n", stderr);
#endif
}

void thread_do(thpool_ *pool, int id)
{
    name_thread(id);
    std::unique_lock<std::mutex> guard(pool->lock);
    pool->num_threads_alive++;
    pool->threads_all_idle.notify_all(); // thpool_init waits for every thread
    for (;;) {
        pool->has_jobs.wait(guard, [pool] { return !pool->keepalive || !pool->jobqueue.empty(); });
        if (!pool->keepalive)
            break;
        job j = pool->jobqueue.front();
        pool->jobqueue.pop_front();
        pool->num_threads_working++;
        guard.unlock();
        j.function(id, j.arg);
        guard.lock();
        if (--pool->num_threads_working == 0 && pool->jobqueue.empty())
            pool->threads_all_idle.notify_all();
    }
    pool->num_threads_alive--;
}

void stop_and_join(thpool_ *pool)
{
    {
        std::lock_guard<std::mutex> guard(pool->lock);
        pool->keepalive = false;
        pool->jobqueue.clear(); // queued jobs never run
    }
    pool->has_jobs.notify_all();
    for (auto &t : pool->threads)
        if (t.joinable())
            t.join();
}

} // namespace

extern "C" {

thpool_ *thpool_init(int num_threads) noexcept
{
    if (num_threads < 0)
        num_threads = 0;
    auto *pool = new (std::nothrow) thpool_;
    if (!pool) {
        std::fputs("thpool_init(): Could not allocate memory for thread pool\n", stderr);
        errno = ENOMEM;
        return nullptr;
    }
    try {
        pool->threads.reserve(static_cast<size_t>(num_threads));
        for (int n = 0; n < num_threads; n++)
            pool->threads.emplace_back(thread_do, pool, n);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "thpool_init(): Could not start threads: %s\n", e.what());
        stop_and_join(pool);
        delete pool;
        errno = EAGAIN;
        return nullptr;
    }
    std::unique_lock<std::mutex> guard(pool->lock);
    pool->threads_all_idle.wait(guard, [pool, num_threads] { return pool->num_threads_alive == num_threads; });
    return pool;
}

int thpool_add_work(thpool_ *pool, void (*function_p)(int, void *), void *arg_p) noexcept
{
    if (!pool || !function_p) {
        errno = EINVAL;
        return -1;
    }
    try {
        std::lock_guard<std::mutex> guard(pool->lock);
        if (!pool->keepalive) {
            errno = EINVAL;
            return -1;
        }
        pool->jobqueue.push_back(job{function_p, arg_p});
    } catch (const std::bad_alloc &) {
        std::fputs("thpool_add_work(): Could not allocate memory for new job\n", stderr);
        errno = ENOMEM;
        return -1;
    }
    pool->has_jobs.notify_one();
    return 0;
}

void thpool_wait(thpool_ *pool) noexcept
{
    if (!pool)
        return;
    std::unique_lock<std::mutex> guard(pool->lock);
    // A pool without threads never drains its queue; waiting would hang.
    if (pool->num_threads_alive == 0)
        return;
    pool->threads_all_idle.wait(guard,
                                [pool] { return pool->jobqueue.empty() && pool->num_threads_working == 0; });
}

void thpool_destroy(thpool_ *pool) noexcept
{
    if (!pool)
        return;
    stop_and_join(pool);
    delete pool;
}

void thpool_pause(thpool_ *) noexcept {}

void thpool_resume(thpool_ *) noexcept {}

int thpool_num_threads_working(thpool_ *pool) noexcept
{
    if (!pool)
        return 0;
    std::lock_guard<std::mutex> guard(pool->lock);
    return pool->num_threads_working;
}

thpool_ *threadpool_get(int num_threads) noexcept
{
    if (num_threads == 0) {
        OLOG(OLOG_ERROR, "number of threads is zero");
        errno = EINVAL;
        return nullptr;
    }
    thpool_ *pool = thpool_init(num_threads);
    if (!pool)
        OLOG(OLOG_ERROR, "thpool_init: %s", std::strerror(errno));
    return pool;
}

void threadpool_put(thpool_ *pool) noexcept
{
    if (pool)
        thpool_destroy(pool);
}

} // extern "C"
