// Vault directory kind: makes sure the folder that holds the vaults exists.
#include "file.h"

#include "common/format_internal.h"
#include "file/file_internal.h"
#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>

using orvex::fmt::ErrnoKeeper;

namespace {

int vaultdir_open(file_t *file, int os_flags, int file_flags, void *priv)
{
    (void)file_flags;
    (void)priv;
    if (orvex::file::check_open_args(file, os_flags) != 0)
        return -1;
    errno = 0;
    switch (ckdir(file->path)) {
    case DIR_NOEXIST:
        if (mkdir_p(file->path) != 0) {
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: mkdir, %s", file->path, strerror(errno));
            return -1;
        }
        break;
    case DIR_EMPTY:
    case DIR_NOEMPTY:
        break;
    case DIR_ERROR: {
        if (errno == 0)
            errno = EIO;
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: ckdir, %s", file->path, strerror(errno));
        return -1;
    }
    default: {
        if (errno == 0)
            errno = EIO;
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: unknown error, %s", file->path, strerror(errno));
        return -1;
    }
    }
    if (do_lstat(file->path, &file->st) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: stat, %s", file->path, strerror(errno));
        return -1;
    }
    return 0;
}

int vaultdir_close(file_t *)
{
    return 0;
}

} // namespace

extern "C" const struct file_operations vaultdir_operations = {
    .open = vaultdir_open,
    .close = vaultdir_close,
    .insert = nullptr,
    .count = nullptr,
    .iter = nullptr,
    ._delete = nullptr,
    .search = nullptr,
    .update = nullptr,
    .query = nullptr,
    .reset = nullptr,
    .read = nullptr,
    .seek = nullptr,
    .write = nullptr,
    ._commit = nullptr,
    .ftruncate64 = nullptr,
    .fallocate = nullptr,
    .findmax = nullptr,
    .print_hdr = nullptr,
    .update_cksum = nullptr,
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
