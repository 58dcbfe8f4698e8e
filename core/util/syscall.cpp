// File calls over UTF-8 library paths. On POSIX the file system takes UTF-8
// bytes as they are, so each call maps the separators, checks the length and
// hands the path to the C library; results and errno are the platform's.
#include "native_path.h"

#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(_WIN32)
#error "the Windows file layer (wide calls with long-path prefixes) is not part of this build"
#endif

using orvex::util::keep_errno;
using orvex::util::NativePath;

extern "C" int path_to_native(const char *path, char *out, size_t outlen) noexcept
{
    if (!path || !out || outlen == 0) {
        errno = EINVAL;
        return -1;
    }
    size_t len = std::strlen(path);
    if (len > ORVEX_MAX_PATH || len >= outlen) {
        errno = ENAMETOOLONG;
        return -1;
    }
    for (size_t i = 0; i < len; ++i)
        out[i] = path[i] == '\\' ? '/' : path[i];
    out[len] = '\0';
    return 0;
}

extern "C" int do_lstat(const char *path, orvex_lstat_t *st) noexcept
{
    NativePath p(path);
    return p.ok() ? ::lstat(p.c_str(), st) : -1;
}

// POSIX names are bytes, so unlike a narrow code-page call this reaches every
// UTF-8 name; it follows a final symbolic link where do_lstat does not.
extern "C" int do_stat(const char *path, orvex_stat_t *st) noexcept
{
    NativePath p(path);
    return p.ok() ? ::stat(p.c_str(), st) : -1;
}

extern "C" int do_rename(const char *old_path, const char *new_path) noexcept
{
    NativePath from(old_path);
    if (!from.ok())
        return -1;
    NativePath to(new_path);
    return to.ok() ? ::rename(from.c_str(), to.c_str()) : -1;
}

extern "C" int do_rmdir(const char *path) noexcept
{
    NativePath p(path);
    return p.ok() ? ::rmdir(p.c_str()) : -1;
}

extern "C" int do_unlink(const char *path) noexcept
{
    NativePath p(path);
    return p.ok() ? ::unlink(p.c_str()) : -1;
}

extern "C" int do_remove(const char *path) noexcept
{
    NativePath p(path);
    return p.ok() ? std::remove(p.c_str()) : -1;
}

extern "C" orvex_dir_t *do_opendir(const char *path) noexcept
{
    NativePath p(path);
    return p.ok() ? ::opendir(p.c_str()) : nullptr;
}

extern "C" orvex_dirent_t *do_readdir(orvex_dir_t *dir) noexcept
{
    if (!dir) {
        errno = EINVAL;
        return nullptr;
    }
    return ::readdir(dir);
}

extern "C" int do_closedir(orvex_dir_t *dir) noexcept
{
    if (!dir) {
        errno = EINVAL;
        return -1;
    }
    return ::closedir(dir);
}

// Descriptors are close-on-exec: a library must not hand its open files to a
// program the host process starts.
extern "C" int do_open(const char *path, int flags, int mode) noexcept
{
    NativePath p(path);
    return p.ok() ? ::open(p.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode)) : -1;
}

extern "C" int do_access(const char *path, int mode) noexcept
{
    NativePath p(path);
    return p.ok() ? ::access(p.c_str(), mode) : -1;
}

// POSIX has no hidden attribute: a leading dot hides a name. Setting or
// clearing the flag therefore changes nothing and succeeds when the path
// exists, so callers that hide their working files work unchanged.
extern "C" int do_set_hidden_flag(const char *path, int set) noexcept
{
    (void)set;
    NativePath p(path);
    if (!p.ok())
        return -1;
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "%s: lstat, %s", path, std::strerror(errno)); });
        return -1;
    }
    return 0;
}

// Flushes the file's data (not its metadata) to the disk.
extern "C" int do_fdatasync(int fd) noexcept
{
    return ::fdatasync(fd);
}

// Sets the end of file of `fd` at `length` and leaves the file position
// there. A failure of either step is reported.
extern "C" int do_fallocate(int fd, int64_t offset, int64_t length) noexcept
{
    (void)offset;
    if (length < 0) {
        errno = EINVAL;
        return -1;
    }
    if (::lseek(fd, static_cast<off_t>(length), SEEK_SET) < 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "lseek: fd %d, %s", fd, std::strerror(errno)); });
        return -1;
    }
    if (::ftruncate(fd, static_cast<off_t>(length)) != 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "ftruncate: fd %d to %lld, %s", fd, static_cast<long long>(length),
                              std::strerror(errno)); });
        return -1;
    }
    return 0;
}

extern "C" int do_allocate(const char *path, int64_t offset, int64_t length) noexcept
{
    int fd = do_open(path, O_WRONLY | O_CREAT, 0666);
    if (fd < 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "open: %s, %s", path ? path : "(null)", std::strerror(errno)); });
        return -1;
    }
    int rc = do_fallocate(fd, offset, length);
    int err = errno;
    if (::close(fd) != 0 && rc == 0)
        return -1;
    errno = err;
    return rc;
}

extern "C" int do_fsync(const char *path) noexcept
{
    int fd = do_open(path, O_RDONLY, 0);
    if (fd < 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "open: %s, %s", path ? path : "(null)", std::strerror(errno)); });
        return -1;
    }
    int rc = ::fsync(fd);
    int err = errno;
    ::close(fd);
    if (rc != 0) {
        OLOG(OLOG_ERROR, "fsync: %s, %s", path, std::strerror(err));
        errno = err;
        return -1;
    }
    return 0;
}
