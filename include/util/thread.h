/* Portable threading primitives for fields of public records.
 *
 * Records that cross the C interface (file objects, crypter workers, buckets,
 * counters) embed a mutex. Their headers must build on Windows and POSIX
 * alike and under a C compiler, so the field type is a typedef of this layer
 * and the four calls below are the only way the libraries touch it. Code that
 * keeps its state private (the thread pool) uses the C++ standard library
 * instead. */
#ifndef ORVEX_UTIL_THREAD_H
#define ORVEX_UTIL_THREAD_H

#if defined(_WIN32)
#include <windows.h>
typedef CRITICAL_SECTION orvex_mutex_t;

static inline int orvex_mutex_init(orvex_mutex_t *m)
{
    InitializeCriticalSection(m);
    return 0;
}
static inline int orvex_mutex_lock(orvex_mutex_t *m)
{
    EnterCriticalSection(m);
    return 0;
}
static inline int orvex_mutex_unlock(orvex_mutex_t *m)
{
    LeaveCriticalSection(m);
    return 0;
}
static inline int orvex_mutex_destroy(orvex_mutex_t *m)
{
    DeleteCriticalSection(m);
    return 0;
}
#else
#include <pthread.h>
typedef pthread_mutex_t orvex_mutex_t;

/* Each returns 0 or an errno value (the POSIX convention). */
static inline int orvex_mutex_init(orvex_mutex_t *m) { return pthread_mutex_init(m, NULL); }
static inline int orvex_mutex_lock(orvex_mutex_t *m) { return pthread_mutex_lock(m); }
static inline int orvex_mutex_unlock(orvex_mutex_t *m) { return pthread_mutex_unlock(m); }
static inline int orvex_mutex_destroy(orvex_mutex_t *m) { return pthread_mutex_destroy(m); }
#endif

#ifdef __cplusplus
namespace orvex {
/* Scoped lock over an orvex_mutex_t: C++ code never unlocks by hand. */
class MutexLock {
public:
    explicit MutexLock(orvex_mutex_t *m) noexcept : m_(m) { orvex_mutex_lock(m_); }
    ~MutexLock() { orvex_mutex_unlock(m_); }
    MutexLock(const MutexLock &) = delete;
    MutexLock &operator=(const MutexLock &) = delete;

private:
    orvex_mutex_t *m_;
};
} // namespace orvex
#endif

#endif
