// Plain file kind: restore output and extracted databases.
#include "file.h"

#include "common/format_internal.h"
#include "file/file_internal.h"
#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using orvex::fmt::ErrnoKeeper;
using namespace orvex::file;

namespace {

int raw_open(file_t *file, int os_flags, int file_flags, void *priv)
{
    (void)file_flags;
    (void)priv;
    if (check_open_args(file, os_flags) != 0)
        return -1;
    int flags = native_open_flags(os_flags);
    if (wants_write(os_flags)) {
        if (ensure_parent_dir(file->path) != 0)
            return -1;
        // A link already sitting where output goes is never written through.
        flags |= O_NOFOLLOW;
    } else if (do_lstat(file->path, &file->st) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: stat, %s", file->path, strerror(errno));
        return -1;
    }
    file->fd = do_open(file->path, flags, 0644);
    if (file->fd < 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: open, os_flags=%d, %s", file->path, os_flags, strerror(errno));
        return -1;
    }
    if (fstat(file->fd, &file->st) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: stat, %s", file->path, strerror(errno));
        ::close(file->fd);
        file->fd = -1;
        return -1;
    }
    return 0;
}

int raw_close(file_t *file)
{
    int rc = 0;
    if (file->fd >= 0 && ::close(file->fd) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: close, %s", file->path ? file->path : "", strerror(errno));
        rc = -1;
    }
    file->fd = -1;
    return rc;
}

int raw_commit(file_t *file)
{
    if (file->fd < 0) {
        errno = EBADF;
        return -1;
    }
    return do_fdatasync(file->fd);
}

int raw_ftruncate(file_t *file, uint64_t size)
{
    if (file->fd < 0) {
        errno = EBADF;
        return -1;
    }
    if (size > static_cast<uint64_t>(INT64_MAX)) {
        errno = EFBIG;
        return -1;
    }
    return ::ftruncate(file->fd, static_cast<off_t>(size)) == 0 ? 0 : -1;
}

int raw_fallocate(file_t *, uint64_t)
{
    return 0;
}

void raw_update_cksum(file_t *file, uint64_t hash)
{
    orvex::MutexLock lock(&file->mutex);
    file->cksum += hash;
}

} // namespace

extern "C" const struct file_operations rawfile_operations = {
    .open = raw_open,
    .close = raw_close,
    .insert = nullptr,
    .count = nullptr,
    .iter = nullptr,
    ._delete = nullptr,
    .search = nullptr,
    .update = nullptr,
    .query = nullptr,
    .reset = nullptr,
    .read = fd_read,
    .seek = fd_seek,
    .write = fd_write,
    ._commit = raw_commit,
    .ftruncate64 = raw_ftruncate,
    .fallocate = raw_fallocate,
    .findmax = nullptr,
    .print_hdr = nullptr,
    .update_cksum = raw_update_cksum,
    .iter_zero_refcount_vaults = nullptr,
    .iter_chunks = nullptr,
    .iter_vaults = nullptr,
    .get_mapdb_maxrid = nullptr,
    .getchunk = nullptr,
    .setdirty = nullptr,
    .getdirty = nullptr,
    .update_filesize = nullptr,
    .read_ranged_chunks = nullptr,
    .get_mapdb_filesize = nullptr,
    .get_frag_ratio = nullptr,
    .list = nullptr,
    .getpath = nullptr,
    .uprefcount = nullptr,
    .downrefcount = nullptr,
    .setino = nullptr,
};
