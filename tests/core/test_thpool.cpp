// Thread pool: every job once, ids within range and never shared by two
// running jobs, wait semantics, destroy dropping queued jobs, independent
// pools.
#include "thpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Tally {
    std::atomic<int> runs[100] = {};
    std::atomic<int> busy[4] = {};
    std::atomic<int> bad_id{0};
    std::atomic<int> shared_id{0};
    std::atomic<int> done{0};
};

struct JobArg {
    Tally *tally;
    int index;
};

void counting_job(int id, void *arg)
{
    auto *a = static_cast<JobArg *>(arg);
    Tally &t = *a->tally;
    if (id < 0 || id >= 4) {
        t.bad_id++;
    } else {
        if (t.busy[id].fetch_add(1) != 0)
            t.shared_id++;
        volatile int spin = 0;
        for (int i = 0; i < 2000; i++)
            spin = spin + i;
        t.busy[id].fetch_sub(1);
    }
    t.runs[a->index]++;
    t.done++;
}

TEST(ThreadPool, FourThreadsRunHundredJobsOnceEach)
{
    thpool_ *pool = threadpool_get(4);
    ASSERT_TRUE(pool);
    Tally tally;
    std::vector<JobArg> args(100);
    for (int i = 0; i < 100; i++) {
        args[static_cast<size_t>(i)] = {&tally, i};
        ASSERT_EQ(thpool_add_work(pool, counting_job, &args[static_cast<size_t>(i)]), 0);
    }
    thpool_wait(pool);
    EXPECT_EQ(tally.done.load(), 100) << "wait returns only after the last job";
    for (int i = 0; i < 100; i++)
        EXPECT_EQ(tally.runs[i].load(), 1) << i;
    EXPECT_EQ(tally.bad_id.load(), 0);
    EXPECT_EQ(tally.shared_id.load(), 0);
    EXPECT_EQ(thpool_num_threads_working(pool), 0);

    // The pool keeps running after a wait.
    Tally second;
    JobArg one{&second, 0};
    ASSERT_EQ(thpool_add_work(pool, counting_job, &one), 0);
    thpool_wait(pool);
    EXPECT_EQ(second.done.load(), 1);
    threadpool_put(pool);
}

// Blocks its thread until released, so later jobs stay queued.
struct Gate {
    std::mutex m;
    std::condition_variable cv;
    bool open = false;
    int entered = 0;
};

void gate_job(int, void *arg)
{
    auto *g = static_cast<Gate *>(arg);
    std::unique_lock<std::mutex> lock(g->m);
    g->entered++;
    g->cv.notify_all();
    g->cv.wait(lock, [g] { return g->open; });
}

void must_not_run(int, void *arg)
{
    static_cast<std::atomic<int> *>(arg)->fetch_add(1);
}

TEST(ThreadPool, DestroyDropsQueuedJobs)
{
    thpool_ *pool = thpool_init(1);
    ASSERT_TRUE(pool);
    Gate gate;
    std::atomic<int> ran{0};
    ASSERT_EQ(thpool_add_work(pool, gate_job, &gate), 0);
    {
        std::unique_lock<std::mutex> lock(gate.m);
        gate.cv.wait(lock, [&] { return gate.entered == 1; });
    }
    for (int i = 0; i < 10; i++)
        ASSERT_EQ(thpool_add_work(pool, must_not_run, &ran), 0);
    EXPECT_EQ(thpool_num_threads_working(pool), 1);
    // Destroy from another thread; once it has begun, new work is refused,
    // and the jobs queued before were dropped in the same step.
    std::thread destroyer([pool] { thpool_destroy(pool); });
    while (thpool_add_work(pool, must_not_run, &ran) == 0)
        std::this_thread::yield();
    {
        std::lock_guard<std::mutex> lock(gate.m);
        gate.open = true;
        gate.cv.notify_all();
    }
    destroyer.join();
    EXPECT_EQ(ran.load(), 0);
}

void add_one(int, void *arg)
{
    static_cast<std::atomic<int> *>(arg)->fetch_add(1);
}

TEST(ThreadPool, DestroyingOnePoolLeavesAnotherRunning)
{
    thpool_ *a = thpool_init(2), *b = thpool_init(2);
    ASSERT_TRUE(a && b);
    thpool_destroy(a);
    std::atomic<int> count{0};
    for (int i = 0; i < 50; i++)
        ASSERT_EQ(thpool_add_work(b, add_one, &count), 0);
    thpool_wait(b);
    EXPECT_EQ(count.load(), 50);
    thpool_destroy(b);
}

TEST(ThreadPool, EdgeArguments)
{
    errno = 0;
    EXPECT_EQ(threadpool_get(0), nullptr);
    EXPECT_EQ(errno, EINVAL);
    thpool_wait(nullptr);
    thpool_destroy(nullptr);
    threadpool_put(nullptr);
    thpool_ *empty = thpool_init(-3); // counts as no threads
    ASSERT_TRUE(empty);
    std::atomic<int> count{0};
    EXPECT_EQ(thpool_add_work(empty, add_one, &count), 0);
    thpool_wait(empty); // nothing could ever run it; waiting must not hang
    thpool_pause(empty);
    thpool_resume(empty);
    thpool_destroy(empty);
    EXPECT_EQ(count.load(), 0);
}

} // namespace
