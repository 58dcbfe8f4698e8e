// Shared pieces of the descriptor-backed file kinds (plain file, container,
// vault): flag translation, parent-directory creation and full reads/writes.
#pragma once

#include "file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace orvex::file {

// The runtime's open flags as callers pass them (OS_O_*) to this platform's.
int native_open_flags(int os_flags) noexcept;

inline int access_mode(int os_flags) noexcept { return os_flags & OS_O_ACCMODE; }
inline bool wants_write(int os_flags) noexcept
{
    return access_mode(os_flags) == OS_O_WRONLY || access_mode(os_flags) == OS_O_RDWR;
}

// The arguments every kind's open checks first: a path, and an access mode
// other than the invalid fourth one. 0, or -1 with EINVAL (and a log line
// for a missing path).
int check_open_args(const file_t *file, int os_flags) noexcept;

// The directory part of a path: up to its last separator; a lone separator
// when that is the first character; "." when there is none.
std::string dirname_of(const char *path);

// Creates the parent directory of `path` (with its parents) when missing.
// 0, or -1 with errno and a log line.
int ensure_parent_dir(const char *path) noexcept;

// Full transfers on a descriptor: the byte count (short only at end of file
// for reads), or -1 with errno. size*nmemb overflow gives EOVERFLOW.
ssize_t fd_read(file_t *file, void *ptr, size_t size, size_t nmemb) noexcept;
ssize_t fd_write(file_t *file, const void *ptr, size_t size, size_t nmemb) noexcept;
int64_t fd_seek(file_t *file, int64_t offset, int whence) noexcept;
// Exactly `len` bytes at `offset`; -1 with EIO at end of file.
int pread_full(int fd, void *buf, size_t len, uint64_t offset) noexcept;

} // namespace orvex::file
