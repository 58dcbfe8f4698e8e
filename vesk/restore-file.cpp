// Restoring and verifying one entry of a container: the lookup in the
// export database, the checks of the entry's name and byte ranges, folders,
// links and special files, stored files, and the interface calls with their
// destination checks and reports. Deduplicated files are rebuilt in
// restore-dedup.cpp.
//
// A file is written into a pending file (util/pending_file.h) and named
// only once complete, so a failure never leaves a partial file under the
// destination's name and never loses a file it was to replace.
#include "vesk_internal.h"

#include "util/syscall.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <string_view>

using namespace orvex::vesk;

namespace orvex::vesk {

namespace {

// Copies the row the search found (valid only during the call).
int take_entry(file_t *, sqlite3_stmt *stmt, void *data)
{
    const auto *row = static_cast<const exportdb_data_t *>(data);
    auto *e = static_cast<Entry *>(row->user_data);
    const char *path = row->path ? row->path : "";
    // A NUL inside the stored path would make it look shorter than it is.
    if (static_cast<size_t>(sqlite3_column_bytes(stmt, 0)) != std::strlen(path))
        return VESK_CORRUPT("%s: entry name holds a NUL byte", path);
    e->path = path;
    e->size = row->size;
    e->mtime = row->mtime;
    e->filetype = row->filetype;
    e->lnk = row->lnk ? row->lnk : "";
    e->store = {row->store_offset, row->store_size};
    e->descriptor = {row->descriptor_offset, row->descriptor_size};
    e->shm = {row->descriptor_shm_offset, row->descriptor_shm_size};
    e->wal = {row->descriptor_wal_offset, row->descriptor_wal_size};
    e->sparse = {row->sparse_offset, row->sparse_size};
    return 0;
}

// A name that may become one file or folder name inside a destination:
// not empty, not "." or "..", no separator or NUL (on Windows also no ':'
// and no reserved device name).
bool is_safe_name(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
#if defined(_WIN32)
    if (name.find(':') != std::string_view::npos)
        return false;
    std::string stem(name.substr(0, name.find('.')));
    for (char &c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char *r : {"CON", "PRN", "AUX", "NUL", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
                          "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"})
        if (stem == r)
            return false;
#endif
    return true;
}

// Every name on the entry's path must be one a caller can turn into a
// destination path: a hostile export database must not steer a restore out
// of its destination.
int check_names(const Entry &e)
{
    std::string_view rest(e.path);
    while (!rest.empty()) {
        if (rest.front() != '\\')
            return fail(EINVAL);
        rest.remove_prefix(1);
        size_t cut = rest.find('\\');
        std::string_view name = rest.substr(0, cut);
        if (!is_safe_name(name)) {
            OLOG(OLOG_ERROR, "%s: the name \"%.*s\" cannot be restored (it could leave the destination)",
                 e.path.c_str(), static_cast<int>(name.size()), name.data());
            return fail(EINVAL);
        }
        rest.remove_prefix(cut == std::string_view::npos ? rest.size() : cut);
    }
    return 0;
}

// The stored bytes of a file stored whole: present, inside the container,
// and exactly as many as the entry holds.
int check_stored(const fs_vesk_instance *s, const Entry &e)
{
    if (check_range(s, e.store, "stored data", e.path.c_str()) != 0)
        return -1;
    if (e.store.size != e.size)
        return VESK_CORRUPT("%s: %lld bytes stored for an entry of %lld", e.path.c_str(),
                            static_cast<long long>(e.store.size), static_cast<long long>(e.size));
    return 0;
}

bool stored_whole(const Entry &e)
{
    return e.store.offset >= 0 && e.store.size >= 0;
}

// The folder that will hold `to`, created when missing.
int make_parent(const char *to)
{
    std::string folder(to);
    size_t cut = folder.find_last_of("\\/");
    if (cut == std::string::npos || cut == 0)
        return 0;
    folder.resize(cut);
    if (mkdir_p(folder.c_str()) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: mkdir_p, %s", folder.c_str(), errtext(err));
        return fail(err);
    }
    return 0;
}

// The destination under construction, in its folder (created when
// missing); null with errno when no file can be made there.
PendingPtr start_file(const char *to)
{
    if (make_parent(to) != 0)
        return nullptr;
    PendingPtr out(pending_file_create(to));
    if (!out) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: open failed, %s", to, errtext(err));
        errno = err;
    }
    return out;
}

int report(const Target &t, int status, float progress)
{
    const exportdb_data_t &r = t.record;
    return t.cbk ? t.cbk(r.instance, r.version_id, r.from, r.to, status, progress, r.user_data) : 0;
}

int restore_folder(const Target &t, bool replace)
{
    OLOG(OLOG_DEBUG, "restore directory: %s", t.to);
    orvex_lstat_t st;
    // Asked to overwrite: a file or link where the folder goes is replaced.
    if (replace && do_lstat(t.to, &st) == 0 && !S_ISDIR(st.st_mode) && do_unlink(t.to) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: delete, %s", t.to, errtext(err));
        return fail(err);
    }
    if (mkdir_p(t.to) != 0 || is_dir_exist(t.to) != 1) {
        int err = errno ? errno : ENOTDIR;
        OLOG(OLOG_ERROR, "%s: mkdir, %s", t.to, errtext(err));
        return fail(err);
    }
    return report(t, FS_VESK_STATUS_RUNNING, 100.0f) != 0 ? fail(EINTR) : 0;
}

// A link or special file becomes an empty regular file: its content cannot
// be restored safely, its place in the tree can.
int restore_as_empty(const Entry &e, const Target &t, bool replace)
{
    if (e.filetype == VESK_FILETYPE_LNK)
        OLOG(OLOG_DEBUG, "restore link: %s, value=%s", t.to, e.lnk.c_str());
    else
        OLOG(OLOG_DEBUG, "restore special: %s", t.to);
    PendingPtr out = start_file(t.to);
    if (!out)
        return -1;
    if (report(t, FS_VESK_STATUS_RUNNING, 100.0f) != 0)
        return fail(EINTR);
    return pending_file_commit(out.release(), e.mtime, 1, replace);
}

// A regular file, stored whole or deduplicated, into a pending file.
int restore_regular(fs_vesk_instance *s, const Entry &e, Target &t, bool replace)
{
    if (stored_whole(e) && check_stored(s, e) != 0)
        return -1;
    PendingPtr out = start_file(t.to);
    if (!out)
        return -1;
    t.fd = pending_file_fd(out.get());
    int rc;
    if (stored_whole(e)) {
        Progress p;
        p.cbk = t.cbk;
        p.record = &t.record;
        rc = copy_range_to_fd(s->vesk->fd, e.store.offset, e.store.size, t.fd, VESK_COMPRESS_NONE, p);
    } else {
        rc = rebuild_dedup(s, e, t);
    }
    if (rc != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: abort restore", t.to);
        return fail(err);
    }
    return pending_file_commit(out.release(), e.mtime, 1, replace);
}

// Looks the entry up, checks it and restores it to `to`. `replace`: an
// entry already at `to` is replaced. 0 or -1 with errno.
int restore_entry(fs_vesk_instance *s, int version_id, const char *from, const char *to, void *cbk,
                  void *user_data, bool replace)
{
    if (!s || !from || !to)
        return fail(EINVAL);
    Entry e;
    if (find_entry(s, from, e) != 0 || check_names(e) != 0)
        return -1;
    Target t;
    t.to = to;
    t.cbk = reinterpret_cast<fs_vesk_restore_file_progress_cbk>(cbk);
    t.record.instance = s;
    t.record.version_id = version_id;
    t.record.from = from;
    t.record.to = to;
    t.record.user_data = user_data;
    switch (e.filetype) {
    case VESK_FILETYPE_DIR:
        return restore_folder(t, replace);
    case VESK_FILETYPE_REG:
        return restore_regular(s, e, t, replace);
    case VESK_FILETYPE_LNK:
    case VESK_FILETYPE_BLK:
    case VESK_FILETYPE_CHR:
    case VESK_FILETYPE_FIFO:
    case VESK_FILETYPE_SOCK:
        return restore_as_empty(e, t, replace);
    default:
        return VESK_CORRUPT("%s: unknown entry kind %d", e.path.c_str(), e.filetype);
    }
}

// The result of a failed restore as fs_vesk_restore_file reports it.
int result_of(int err)
{
    if (err == ENOENT)
        return FS_VESK_ERR_NOT_FOUND;
    if (err == ENOSPC || err == EFBIG || err == EDQUOT)
        return FS_VESK_ERR_DISK_FULL;
    return FS_VESK_ERR_FAILURE;
}

int restore_file(fs_vesk_instance *s, int version_id, const char *path, const char *dstpath, int overwrite,
                 fs_vesk_restore_file_progress_cbk cbk, void *user_data)
{
    if (!s || !path || !dstpath || !cbk)
        return FS_VESK_ERR_FAILURE;
    OLOG(OLOG_DEBUG, "restore file: overwrite=%d", overwrite);
    if (overwrite != 0 && overwrite != 1) {
        OLOG(OLOG_ERROR, "unexpected overwrite value: %d", overwrite);
        errno = EINVAL;
        return FS_VESK_ERR_FAILURE;
    }
    auto skip_or_stop = [&] {
        if (cbk(s, version_id, path, dstpath, FS_VESK_STATUS_FAILED, 0.0f, user_data) != 0)
            return FS_VESK_ERR_FAILURE;
        OLOG(OLOG_ERROR, "progress_cbk error");
        return FS_VESK_OK;
    };
    // Looked at without following a link: a link is an entry of its own.
    orvex_lstat_t st;
    if (do_lstat(dstpath, &st) != 0) {
        if (errno != ENOENT) {
            OLOG(OLOG_ERROR, "file is not accessible, %s", errtext(errno));
            return skip_or_stop();
        }
    } else if (overwrite == 0) {
        return skip_or_stop();
    } else if (S_ISDIR(st.st_mode)) {
        OLOG(OLOG_ERROR, "%s: is a directory", dstpath);
        return FS_VESK_ERR_FAILURE;
    }
    OLOG(OLOG_DEBUG, "extracting %s", path);
    if (restore_entry(s, version_id, path, dstpath, reinterpret_cast<void *>(cbk), user_data, overwrite == 1) == 0) {
        cbk(s, version_id, path, dstpath, FS_VESK_STATUS_DONE, 0.0f, user_data);
        return FS_VESK_OK;
    }
    int err = errno;
    cbk(s, version_id, path, dstpath, FS_VESK_STATUS_FAILED, 0.0f, user_data);
    errno = err;
    return result_of(err);
}

int verify_file(fs_vesk_instance *s, int version_id, const char *path, fs_vesk_restore_file_progress_cbk cbk,
                void *user_data)
{
    if (!s || !path)
        return FS_VESK_ERR_FAILURE;
    Entry e;
    if (find_entry(s, path, e) != 0)
        return errno == ENOENT ? FS_VESK_ERR_NOT_FOUND : FS_VESK_ERR_FAILURE;
    if (check_names(e) != 0)
        return FS_VESK_ERR_FAILURE;
    if (e.filetype < VESK_FILETYPE_DIR || e.filetype > VESK_FILETYPE_SOCK) {
        OLOG(OLOG_ERROR, "%s: unknown entry kind %d", e.path.c_str(), e.filetype);
        return FS_VESK_ERR_FAILURE;
    }
    if (e.filetype != VESK_FILETYPE_REG)
        return FS_VESK_OK;
    Target t;
    t.cbk = cbk;
    t.record.instance = s;
    t.record.version_id = version_id;
    t.record.from = path;
    t.record.user_data = user_data;
    int rc;
    if (stored_whole(e)) {
        Progress p;
        p.cbk = cbk;
        p.record = &t.record;
        rc = check_stored(s, e);
        if (rc == 0)
            rc = copy_range_to_fd(s->vesk->fd, e.store.offset, e.store.size, -1, VESK_COMPRESS_NONE, p);
    } else {
        rc = rebuild_dedup(s, e, t);
    }
    if (rc != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: verify failed, %s", path, errtext(err));
        errno = err;
        return FS_VESK_ERR_FAILURE;
    }
    return FS_VESK_OK;
}

} // namespace

int find_entry(fs_vesk_instance *s, const char *path, Entry &out)
{
    if (!s || !s->exportdb || !path)
        return fail(EINVAL);
    exportdb_data_t d{};
    d.callback = take_entry;
    d.instance = s;
    d.path = path;
    d.from = path;
    d.user_data = &out;
    errno = 0;
    return s->exportdb->fops->search(s->exportdb, &d);
}

} // namespace orvex::vesk

extern "C" {

int fs_vesk_restore_file(void *instance, int version_id, const char *path, const char *dstpath, int overwrite,
                         fs_vesk_restore_file_progress_cbk progress_cbk, void *user_data) noexcept
{
    return c_edge(FS_VESK_ERR_FAILURE, [&] {
        return restore_file(static_cast<fs_vesk_instance *>(instance), version_id, path, dstpath, overwrite,
                            progress_cbk, user_data);
    });
}

int restore_file_from_vesk(fs_vesk_instance_t *instance, int version_id, const char *path, const char *dstpath,
                           const char *from, const char *to, void *progress_cbk, void *user_data) noexcept
{
    (void)path;
    (void)dstpath;
    return c_edge(-1, [&] { return restore_entry(instance, version_id, from, to, progress_cbk, user_data, true); });
}

int fs_vesk_verify_file(void *instance, int version_id, const char *path, fs_vesk_restore_file_progress_cbk progress_cbk,
                        void *user_data) noexcept
{
    return c_edge(FS_VESK_ERR_FAILURE, [&] {
        return verify_file(static_cast<fs_vesk_instance *>(instance), version_id, path, progress_cbk, user_data);
    });
}

} // extern "C"
