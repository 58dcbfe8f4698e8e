// The generic file object: file_open/file_close, existence checks, the
// format checker and the header dump; plus the helpers every
// descriptor-backed kind shares.
#include "file.h"

#include "common/format_internal.h"
#include "file/file_internal.h"
#include "util/syscall.h"
#include "vaultfile.h"
#include "zlog.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using orvex::fmt::ErrnoKeeper;

// The descriptor kind is built from its own sources; a weak reference lets
// the format checker and the header dump tell when it is absent instead of
// failing to link.
#pragma weak descriptor_operations

namespace orvex::file {

int check_open_args(const file_t *file, int os_flags) noexcept
{
    if (!file->path) {
        OLOG(OLOG_ERROR, "path is null");
        errno = EINVAL;
        return -1;
    }
    if (access_mode(os_flags) == OS_O_ACCMODE) {
        errno = EINVAL;
        return -1;
    }
    return 0;
}

int native_open_flags(int os_flags) noexcept
{
    int flags = 0;
    switch (access_mode(os_flags)) {
    case OS_O_WRONLY:
        flags = O_WRONLY;
        break;
    case OS_O_RDWR:
        flags = O_RDWR;
        break;
    default:
        flags = O_RDONLY;
        break;
    }
    if (os_flags & 0x0008)
        flags |= O_APPEND;
    if (os_flags & OS_O_CREAT)
        flags |= O_CREAT;
    if (os_flags & OS_O_TRUNC)
        flags |= O_TRUNC;
    if (os_flags & 0x0400)
        flags |= O_EXCL;
    return flags;
}

std::string dirname_of(const char *path)
{
    std::string p(path);
    size_t cut = p.find_last_of("\\/");
    if (cut == std::string::npos)
        return ".";
    if (cut == 0)
        return p.substr(0, 1);
    return p.substr(0, cut);
}

int ensure_parent_dir(const char *path) noexcept
{
    std::string dir;
    try {
        dir = dirname_of(path);
    } catch (...) {
        errno = ENOMEM;
        return -1;
    }
    if (do_access(dir.c_str(), F_OK) == 0)
        return 0;
    if (errno != ENOENT) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: access, %s", dir.c_str(), strerror(errno));
        return -1;
    }
    if (mkdir_p(dir.c_str()) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: mkdir, %s", dir.c_str(), strerror(errno));
        return -1;
    }
    return 0;
}

namespace {

bool total_bytes(size_t size, size_t nmemb, size_t *total)
{
    if (nmemb != 0 && size > SSIZE_MAX / nmemb) {
        errno = EOVERFLOW;
        return false;
    }
    *total = size * nmemb;
    return true;
}

bool check_transfer(const file_t *file, const void *ptr, size_t size, size_t nmemb, size_t *total)
{
    if (!file || file->fd < 0) {
        errno = EBADF;
        return false;
    }
    if (!total_bytes(size, nmemb, total))
        return false;
    if (!ptr && *total > 0) {
        errno = EINVAL;
        return false;
    }
    return true;
}

} // namespace

ssize_t fd_read(file_t *file, void *ptr, size_t size, size_t nmemb) noexcept
{
    size_t total = 0;
    if (!check_transfer(file, ptr, size, nmemb, &total))
        return -1;
    size_t got = 0;
    auto *p = static_cast<uint8_t *>(ptr);
    while (got < total) {
        ssize_t n = ::read(file->fd, p + got, total - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: read %zu bytes, %s", file->path ? file->path : "", total, strerror(errno));
            return -1;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

ssize_t fd_write(file_t *file, const void *ptr, size_t size, size_t nmemb) noexcept
{
    size_t total = 0;
    if (!check_transfer(file, ptr, size, nmemb, &total))
        return -1;
    size_t put = 0;
    const auto *p = static_cast<const uint8_t *>(ptr);
    while (put < total) {
        ssize_t n = ::write(file->fd, p + put, total - put);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: write %zu bytes, %s", file->path ? file->path : "", total, strerror(errno));
            return -1;
        }
        put += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(put);
}

int64_t fd_seek(file_t *file, int64_t offset, int whence) noexcept
{
    if (!file || file->fd < 0) {
        errno = EBADF;
        return -1;
    }
    off_t pos = ::lseek(file->fd, static_cast<off_t>(offset), whence);
    return pos == static_cast<off_t>(-1) ? -1 : static_cast<int64_t>(pos);
}

int pread_full(int fd, void *buf, size_t len, uint64_t offset) noexcept
{
    if (offset > static_cast<uint64_t>(INT64_MAX) - len) {
        errno = EOVERFLOW;
        return -1;
    }
    auto *p = static_cast<uint8_t *>(buf);
    size_t got = 0;
    while (got < len) {
        ssize_t n = ::pread(fd, p + got, len - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0) {
            errno = EIO;
            return -1;
        }
        got += static_cast<size_t>(n);
    }
    return 0;
}

} // namespace orvex::file

namespace {

void free_object(file_t *file)
{
    orvex_mutex_destroy(&file->writebatch_mutex);
    orvex_mutex_destroy(&file->mutex);
    std::free(file->path);
    std::free(file);
}

// Removes what a FILE_FLAG_REMOVE object leaves behind: a directory tree
// (links inside are removed as links), or the entry itself.
void remove_path(const char *path)
{
    orvex_lstat_t st;
    if (do_lstat(path, &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        if (rmdir_rf(path, 1) != 0)
            OLOG(OLOG_ERROR, "%s: rmdir, %s", path, strerror(errno));
    } else if (do_unlink(path) != 0) {
        OLOG(OLOG_ERROR, "%s: unlink, %s", path, strerror(errno));
    } else {
        OLOG(OLOG_DEBUG, "remove %s", path);
    }
}

const struct file_operations *descriptor_kind()
{
    const struct file_operations *kind = &descriptor_operations;
    return kind;
}

int stat_kind(const char *path, mode_t *mode)
{
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    orvex_lstat_t st;
    if (do_lstat(path, &st) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: stat, %s", path, strerror(errno));
        return -1;
    }
    *mode = st.st_mode;
    return 0;
}

} // namespace

extern "C" file_t *file_open(const char *path, const struct file_operations *fops, int os_flags, int file_flags,
                             void *priv) noexcept
{
    if (!fops) {
        OLOG(OLOG_ERROR, "fops is assigned");
        errno = EINVAL;
        return nullptr;
    }
    if (orvex::file::access_mode(os_flags) == OS_O_ACCMODE) {
        OLOG(OLOG_ERROR, "%s: os_flags is not assigned", path ? path : "(null)");
        errno = EINVAL;
        return nullptr;
    }
    auto *file = static_cast<file_t *>(std::calloc(1, sizeof(file_t)));
    if (!file) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    if (path) {
        file->path = strdup(path);
        if (!file->path) {
            OLOG(OLOG_ERROR, "%s: strdup, %s", path, strerror(ENOMEM));
            std::free(file);
            errno = ENOMEM;
            return nullptr;
        }
    }
    file->fd = -1;
    file->flags = file_flags;
    file->fops = fops;
    orvex_mutex_init(&file->mutex);
    orvex_mutex_init(&file->writebatch_mutex);

    if (fops->open && fops->open(file, os_flags, file_flags, priv) != 0) {
        ErrnoKeeper keep;
        free_object(file);
        return nullptr;
    }
    // Kinds with a header other than the container's install a filehdr_t
    // whose file size is the logical size.
    if (file->hdr && fops != &vesk_operations)
        file->size = static_cast<const filehdr_t *>(file->hdr)->filesize;
    else
        file->size = static_cast<uint64_t>(file->st.st_size);
    return file;
}

extern "C" int file_close(file_t *file) noexcept
{
    if (!file)
        return 0;
    int rc = 0, err = 0;
    if (file->fops && file->fops->close) {
        rc = file->fops->close(file);
        err = errno;
    }
    if ((file->flags & FILE_FLAG_REMOVE) && file->path)
        remove_path(file->path);
    free_object(file);
    if (rc != 0)
        errno = err;
    return rc;
}

extern "C" int is_file_regular(const char *path) noexcept
{
    mode_t mode = 0;
    if (stat_kind(path, &mode) != 0)
        return -1;
    return S_ISREG(mode) ? 1 : 0;
}

extern "C" int is_dir_exist(const char *path) noexcept
{
    mode_t mode = 0;
    if (stat_kind(path, &mode) != 0)
        return -1;
    return S_ISDIR(mode) ? 1 : 0;
}

extern "C" int is_file_exist(const char *path) noexcept
{
    if (!path) {
        errno = EINVAL;
        return -1;
    }
    orvex_lstat_t st;
    if (do_lstat(path, &st) == 0)
        return 1;
    return errno == ENOENT ? 0 : -1;
}

extern "C" int orvex_format_checker(const char *path, int filetype) noexcept
{
    const struct file_operations *fops = nullptr;
    int os_flags = 0;
    if (filetype == 0) {
        fops = descriptor_kind();
        os_flags = OS_O_RDWR;
    } else if (filetype == 1) {
        fops = &vaultfile_operations;
        os_flags = OS_O_BINARY;
    } else {
        errno = EINVAL;
        return -1;
    }
    if (is_file_regular(path) != 1) {
        if (errno == 0)
            errno = EINVAL;
        return -1;
    }
    if (!fops) {
        errno = ENOSYS;
        return -1;
    }
    file_t *file = file_open(path, fops, os_flags, 0, nullptr);
    if (!file) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: open failed, %s", path, strerror(errno));
        return -1;
    }
    file_close(file);
    return 0;
}

extern "C" char *orvex_header_dump(const char *path) noexcept
{
    if (!path) {
        errno = EINVAL;
        return nullptr;
    }
    const bool is_descriptor = check_extension(path, "ovd") == 0;
    const bool is_vault = !is_descriptor && check_extension(path, "ovt") == 0;
    if (!is_descriptor && !is_vault) {
        errno = EINVAL;
        return nullptr;
    }
    if (is_descriptor && !descriptor_kind()) {
        errno = ENOSYS;
        return nullptr;
    }
    file_t *file = is_descriptor ? file_open(path, descriptor_kind(), OS_O_RDWR, 0, nullptr)
                                 : file_open(path, &vaultfile_operations, OS_O_BINARY, 0, nullptr);
    if (!file) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: open failed, %s", path, strerror(errno));
        return nullptr;
    }
    char *text = file->fops->print_hdr ? file->fops->print_hdr(file) : nullptr;
    if (is_vault && vaultfile_verify(file, true) != 0)
        OLOG(OLOG_ERROR, "%s: check vault", path);
    ErrnoKeeper keep;
    file_close(file);
    return text;
}
