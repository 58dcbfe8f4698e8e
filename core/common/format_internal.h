// Internal helpers of the on-disk formats of the core library: RAII owners,
// big-endian access, the errno-preserving C edge and the corruption report.
// Never installed; included by core sources only.
#pragma once

#include "util/str.h"
#include "zlog.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <unistd.h>

namespace orvex::fmt {

// ---- RAII owners --------------------------------------------------------

struct StrDeleter {
    void operator()(str_t *s) const noexcept { str_put(s); }
};
using StrPtr = std::unique_ptr<str_t, StrDeleter>;

struct FreeDeleter {
    void operator()(void *p) const noexcept { std::free(p); }
};
template <class T> using MallocPtr = std::unique_ptr<T, FreeDeleter>;

// An owned file descriptor; close() keeps the caller's errno intact.
class Fd {
public:
    Fd() noexcept = default;
    explicit Fd(int fd) noexcept : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    Fd(Fd &&o) noexcept : fd_(o.release()) {}
    Fd &operator=(Fd &&o) noexcept
    {
        if (this != &o) {
            reset();
            fd_ = o.release();
        }
        return *this;
    }
    int get() const noexcept { return fd_; }
    explicit operator bool() const noexcept { return fd_ >= 0; }
    int release() noexcept
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset() noexcept
    {
        if (fd_ >= 0) {
            int saved = errno;
            ::close(fd_);
            errno = saved;
        }
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

// Keeps errno across a scope (cleanup on failure paths must not clobber it).
class ErrnoKeeper {
public:
    ErrnoKeeper() noexcept : saved_(errno) {}
    ~ErrnoKeeper() { errno = saved_; }
    ErrnoKeeper(const ErrnoKeeper &) = delete;
    ErrnoKeeper &operator=(const ErrnoKeeper &) = delete;

private:
    int saved_;
};

// ---- big-endian access --------------------------------------------------

inline void put_be16(uint8_t *p, uint16_t v) noexcept
{
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v);
}
inline void put_be32(uint8_t *p, uint32_t v) noexcept
{
    for (int i = 3; i >= 0; --i, v >>= 8)
        p[i] = static_cast<uint8_t>(v);
}
inline void put_be64(uint8_t *p, uint64_t v) noexcept
{
    for (int i = 7; i >= 0; --i, v >>= 8)
        p[i] = static_cast<uint8_t>(v);
}
inline uint32_t get_be32(const uint8_t *p) noexcept
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}
inline uint64_t get_be64(const uint8_t *p) noexcept
{
    return (uint64_t{get_be32(p)} << 32) | get_be32(p + 4);
}

// ---- errors -------------------------------------------------------------

// Runs `body` at an extern "C" edge: no exception escapes, allocation
// failure becomes ENOMEM, anything else EIO, and `fail` is returned.
template <class R, class F> R c_edge(R fail, F &&body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc &) {
        errno = ENOMEM;
    } catch (...) {
        errno = EIO;
    }
    return fail;
}

} // namespace orvex::fmt

// Logs an on-disk inconsistency at level 1 and sets errno; the caller
// returns its failure value.
#define ORVEX_CORRUPT(err, ...)              \
    do {                                     \
        OLOG(OLOG_ERROR, __VA_ARGS__);       \
        errno = (err);                       \
    } while (0)
