// VESK container kind: the 128-byte container header, then plain access to
// the embedded objects by offset.
#include "file.h"

#include "common/format_internal.h"
#include "file/file_internal.h"
#include "header.h"
#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using orvex::fmt::ErrnoKeeper;
using orvex::fmt::Fd;
using namespace orvex::file;

namespace {

int vesk_open(file_t *file, int os_flags, int file_flags, void *priv)
{
    (void)file_flags;
    (void)priv;
    if (check_open_args(file, os_flags) != 0)
        return -1;
    if (do_lstat(file->path, &file->st) != 0) {
        if (errno != ENOENT) {
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: stat, %s", file->path, strerror(errno));
            return -1;
        }
        std::memset(&file->st, 0, sizeof file->st);
    }

    if (wants_write(os_flags)) {
        if (ensure_parent_dir(file->path) != 0)
            return -1;
        file->fd = do_open(file->path, native_open_flags(os_flags) | O_NOFOLLOW, 0644);
        if (file->fd < 0) {
            ErrnoKeeper keep;
            OLOG(OLOG_ERROR, "%s: open, %s", file->path, strerror(errno));
            return -1;
        }
        return 0;
    }

    if (!S_ISREG(file->st.st_mode)) {
        OLOG(OLOG_ERROR, "%s: not a regular file", file->path);
        errno = ENOENT;
        return -1;
    }
    Fd fd(do_open(file->path, native_open_flags(os_flags), 0644));
    if (!fd) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "%s: open, %s", file->path, strerror(errno));
        return -1;
    }
    uint8_t raw[VESK_HDR_SIZE];
    if (pread_full(fd.get(), raw, sizeof raw, 0) != 0) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "vesk.read, %s", strerror(errno));
        return -1;
    }
    str_t codeword{raw, VESK_HDR_SIZE, VESK_HDR_SIZE, 0, 0};
    vesk_hdr_t *hdr = vesk_hdr_unmarshal(&codeword);
    if (!hdr) {
        ErrnoKeeper keep;
        OLOG(OLOG_ERROR, "str_copy_from_data: %s", strerror(errno));
        return -1;
    }
    if (hdr->magic != VESK_MAGIC) {
        OLOG(OLOG_ERROR, "%s: unexpected magic 0x%08X", file->path, hdr->magic);
        vesk_hdr_destroy(hdr);
        errno = EPROTO;
        return -1;
    }
    file->hdr = hdr;
    file->fd = fd.release();
    return 0;
}

int vesk_close(file_t *file)
{
    vesk_hdr_destroy(static_cast<vesk_hdr_t *>(file->hdr));
    file->hdr = nullptr;
    int rc = 0;
    if (file->fd >= 0 && ::close(file->fd) != 0)
        rc = -1;
    file->fd = -1;
    return rc;
}

} // namespace

extern "C" const struct file_operations vesk_operations = {
    .open = vesk_open,
    .close = vesk_close,
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
