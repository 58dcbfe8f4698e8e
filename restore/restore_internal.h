// Internals of the restore engine shared by its sources: RAII owners for the
// handles it opens, the errno-preserving C edge, positional reads, the
// semaphore of the saver queue and the pieces of the pipeline. Never
// installed.
#pragma once

#include "restore-ctx.h"
#include "util/str.h"
#include "zlog.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>

namespace orvex::restore {

// ---- RAII owners --------------------------------------------------------

struct StrDeleter {
    void operator()(str_t *s) const noexcept { str_put(s); }
};
using StrPtr = std::unique_ptr<str_t, StrDeleter>;

struct FreeDeleter {
    void operator()(void *p) const noexcept { std::free(p); }
};
template <class T> using MallocPtr = std::unique_ptr<T, FreeDeleter>;

struct FileDeleter {
    void operator()(file_t *f) const noexcept
    {
        int saved = errno;
        file_close(f);
        errno = saved;
    }
};
using FilePtr = std::unique_ptr<file_t, FileDeleter>;

struct ChunkHdrDeleter {
    void operator()(chunk_hdr_t *h) const noexcept { chunk_hdr_destroy(h); }
};
using ChunkHdrPtr = std::unique_ptr<chunk_hdr_t, ChunkHdrDeleter>;

// Keeps errno across cleanup that may call into the system.
class ErrnoKeeper {
public:
    ErrnoKeeper() noexcept : saved_(errno) {}
    ~ErrnoKeeper() { errno = saved_; }
    ErrnoKeeper(const ErrnoKeeper &) = delete;
    ErrnoKeeper &operator=(const ErrnoKeeper &) = delete;

private:
    int saved_;
};

inline int fail_errno(int err) noexcept
{
    errno = err;
    return -1;
}

// The system's text for errno without the thread-unsafe strerror buffer.
inline const char *errtext(int err) noexcept
{
    static thread_local char buf[128];
#if defined(_WIN32)
    strerror_s(buf, sizeof buf, err);
    return buf;
#else
    // GNU strerror_r may return a static string instead of filling buf.
    auto r = strerror_r(err, buf, sizeof buf);
    if constexpr (std::is_same_v<decltype(r), char *>)
        return r;
    else
        return buf;
#endif
}

// Exactly `len` bytes at absolute `offset` of `file`: 0, or -1 with errno
// (EIO for a short read). Uses a positional read on a plain descriptor so
// that no shared position is involved.
int read_at(file_t *file, void *buf, uint64_t len, uint64_t offset) noexcept;

// Size of the file behind `file` in bytes (the kind's logical size when
// known, else a fresh stat), -1 on failure.
int64_t file_bytes(file_t *file) noexcept;

// Marks the run as failed; read with fail_flag.
inline void set_fail(instance_t *instance) noexcept
{
    if (instance)
        std::atomic_ref<int>(instance->fail).store(1, std::memory_order_relaxed);
}
inline bool fail_flag(instance_t *instance) noexcept
{
    return std::atomic_ref<int>(instance->fail).load(std::memory_order_relaxed) != 0;
}

// Counting semaphore behind instance_t.saver_sems.
class Semaphore {
public:
    explicit Semaphore(int count) : count_(count) {}
    void wait()
    {
        std::unique_lock<std::mutex> lock(m_);
        cv_.wait(lock, [this] { return count_ > 0; });
        --count_;
    }
    void post()
    {
        {
            std::lock_guard<std::mutex> lock(m_);
            ++count_;
        }
        cv_.notify_one();
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    int count_;
};

// Decodes one chunk. The plain bytes go to `dst` when it is given (it must
// hold the chunk's plain size, at most `dst_capacity` bytes; a larger chunk
// fails with EOVERFLOW before anything is written) or to a new malloc'ed
// buffer returned through `out` otherwise. e->chunksize <= 0 takes the
// header's size and writes it back. `file` or `buffer` (+ `bufsize`) is the
// source. 0 or -1 with errno.
int fetch_chunk(file_t *file, const uint8_t *buffer, uint64_t bufsize, chunkbase_t *e, int do_ecc, crypter_t *cry,
                uint64_t *sig, uint8_t *dst, uint64_t dst_capacity, uint8_t **out) noexcept;

// Vault switching over an explicit cache slot (a context's or a worker's).
file_t *switch_vault(vault_cache_t **cache, bool short_vaultpath, const char *vaultdir, file_t *vault,
                     uint32_t old_hid, uint64_t old_vid, uint32_t new_hid, uint64_t new_vid, bool first_in) noexcept;

// The context's vault list (ordered (hid, vid) pairs of the descriptor).
int vaultlist_delete(restore_ctx_t *ctx, uint32_t hid, uint64_t vid) noexcept;
// Calls fn(hid, vid) for each vault in ascending vid; stops with -1 when fn
// returns non-zero.
int vaultlist_iter(restore_ctx_t *ctx, int (*fn)(uint32_t, uint64_t, void *), void *arg) noexcept;

// Closes a worker's current vault and its cache of open vaults.
void worker_close_vaults(restore_worker_t *w) noexcept;
// Row callback of the restore searches (HID, VID, VOS, FOS, CKS); the call
// after the last row flushes the worker's bucket.
int callback_restore_row(file_t *file, struct sqlite3_stmt *stmt, void *datap) noexcept;

// Pipeline (pipeline.cpp).
int create_restore_semaphores(instance_t *instance) noexcept;
void destroy_restore_semaphores(instance_t *instance) noexcept;
int create_restore_threadpools(instance_t *instance) noexcept;
void destroy_restore_threadpools(instance_t *instance) noexcept;
int restore_worker_open_files(restore_worker_t *workers, int num_workers, int scheme, file_t *file,
                              const char *file_p, const char *descriptor_p) noexcept;
void restore_worker_close_files(restore_worker_t *workers, int num_workers) noexcept;
int prepare_files_for_restore(instance_t *instance, const char *file, const char *descriptor, int scheme,
                              int check_integrity) noexcept;
void close_files_for_restore(instance_t *instance) noexcept;
void set_chunks_range(instance_t *instance) noexcept;
int set_partial_range(instance_t *instance, uint8_t *buf, uint64_t len, uint64_t offset, int dirty) noexcept;
int start_and_wait_threads(thpool_ *restorers, thpool_ *savers, counter_t *counter, restore_worker_t *workers,
                           int num_workers, int scheme) noexcept;
int run_pipeline(instance_t *instance) noexcept;
int check_file_integrity(instance_t *instance) noexcept;

} // namespace orvex::restore
