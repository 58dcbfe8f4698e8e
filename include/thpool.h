/* Worker thread pool: a fixed number of threads and one first-in-first-out
 * job queue. Every job receives the number (0 .. n-1) of the pool thread that
 * runs it, so jobs may index per-thread state without locks: a thread runs
 * one job at a time. Any data two jobs share must be guarded by the caller. */
#ifndef ORVEX_THPOOL_H
#define ORVEX_THPOOL_H

#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef struct thpool_ thpool_;

/* Starts `num_threads` threads (negative counts as 0) and returns once all
 * run. NULL when memory or threads run out. */
ORVEX_COMMON_API thpool_ *thpool_init(int num_threads) ORVEX_NOEXCEPT;
/* Appends a job; 0, or -1 when it cannot be queued (the caller must then do
 * the work itself or fail). Not allowed once thpool_destroy has begun. */
ORVEX_COMMON_API int thpool_add_work(thpool_ *pool, void (*function_p)(int, void *), void *arg_p) ORVEX_NOEXCEPT;
/* Blocks until the queue is empty and no thread is working; the pool keeps
 * running. NULL returns at once. */
ORVEX_COMMON_API void thpool_wait(thpool_ *pool) ORVEX_NOEXCEPT;
/* Lets running jobs finish, drops queued jobs without running them, stops
 * and joins the threads and frees the pool. NULL is ignored. Other pools
 * are not affected. */
ORVEX_COMMON_API void thpool_destroy(thpool_ *pool) ORVEX_NOEXCEPT;
/* No effect on running or queued jobs. */
ORVEX_COMMON_API void thpool_pause(thpool_ *pool) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void thpool_resume(thpool_ *pool) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int thpool_num_threads_working(thpool_ *pool) ORVEX_NOEXCEPT;

/* The logging wrapper the libraries call: 0 threads gives NULL with EINVAL. */
ORVEX_COMMON_API thpool_ *threadpool_get(int num_threads) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void threadpool_put(thpool_ *pool) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
