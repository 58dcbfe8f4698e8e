// Vault-id database kind: the restore engine's temporary list of vaults.
#include "viddb.h"

#include "sqldb_internal.h"

#include <cstring>

using orvex::MutexLock;
using orvex::db::ErrnoSaver;
using orvex::db::stmt_of;
using orvex::db::StmtUse;

extern "C" const char *const viddb_cmds[VIDDB_MAX] = {
    "INSERT OR IGNORE INTO items(hid, vid, size, refcount) SELECT ?, ?, ?, ?;",
    "SELECT hid, vid FROM items WHERE vid >= ? ORDER BY vid LIMIT ?;",
    "DELETE FROM items WHERE hid=? AND vid=?;",
    "SELECT count(*) FROM items WHERE vid >= 0;",
    "SELECT COALESCE(sum(size), 0) FROM items WHERE vid >= 0;",
    "SELECT hid, vid FROM items WHERE hid=? AND vid=?;",
    "UPDATE items SET refcount=refcount+1 WHERE hid = ? AND vid = ?;",
    "UPDATE items SET refcount=refcount-1 WHERE hid = ? AND vid = ?;",
    "UPDATE items SET refcount=? WHERE hid = ? AND vid = ?;",
    "SELECT hid, vid FROM items WHERE refcount = 0 AND hid = 0 AND vid >= 0;",
};

namespace {

constexpr const char *kCreateItems = "CREATE TABLE IF NOT EXISTS items(hid      INTEGER NOT NULL,vid      INTEGER NOT "
                                     "NULL,size     INTEGER NOT NULL,refcount INTEGER NOT NULL,PRIMARY KEY (hid, vid));";
constexpr const char *kCreateIndex = "CREATE INDEX IF NOT EXISTS index_0 ON items(hid,vid);";

const char *path_of(const file_t *file)
{
    return file->path ? file->path : ":memory:";
}

void release(file_t *file)
{
    sqldb_finalize_stmts(file->stmts, static_cast<int>(file->num_stmts));
    file->stmts = nullptr;
    if (file->sdb) {
        sqldb_close(file->sdb, (file->flags & FILE_FLAG_CHECKPOINT) != 0);
        file->sdb = nullptr;
    }
}

bool bind_pair(sqlite3_stmt *stmt, int64_t a, int64_t b, int first = 1)
{
    return sqlite3_bind_int64(stmt, first, a) == SQLITE_OK && sqlite3_bind_int64(stmt, first + 1, b) == SQLITE_OK;
}

// Runs a statement that changes rows, with (hid, vid) bound.
int change_by_vault(file_t *file, int cmd, const viddb_data_t *d)
{
    if (!d || !stmt_of(file, cmd)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, cmd));
    if (!bind_pair(use.get(), d->hid, d->vid)) {
        OLOG(OLOG_ERROR, "bind_hid_and_vid_stmt: msg=%s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "sqlite3_step: rc=%d,msg=%s", rc, orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return 0;
}

int64_t single_value(file_t *file, int cmd)
{
    if (!stmt_of(file, cmd))
        return -1;
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, cmd));
    if (sqlite3_step(use.get()) != SQLITE_ROW) {
        OLOG(OLOG_ERROR, "%s: sqlite3_step: %s", path_of(file), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return sqlite3_column_int64(use.get(), 0);
}

// ---- slots ----

int viddb_open(file_t *file, int os_flags, int file_flags, void *)
{
    if (!file->path && !(file_flags & FILE_FLAG_INMEMORY)) {
        OLOG(OLOG_ERROR, "path is null");
        errno = EINVAL;
        return -1;
    }
    if (file->path)
        do_lstat(file->path, &file->st);
    file->num_stmts = VIDDB_MAX;
    file->sdb = sqldb_open(file->path, os_flags, file_flags);
    if (!file->sdb) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: sqldb_open, %s", path_of(file), std::strerror(errno));
        return -1;
    }
    if (sqldb_create_table(file->sdb, kCreateItems) != 0) {
        OLOG(OLOG_ERROR, "sqldb_create_table: %d", 0);
        OLOG(OLOG_ERROR, "%s: create_tables, %s", path_of(file), sqlite3_errmsg(file->sdb));
        release(file);
        errno = EIO;
        return -1;
    }
    if (sqldb_create_table(file->sdb, kCreateIndex) != 0) {
        OLOG(OLOG_ERROR, "%s: create_indices, %s", path_of(file), sqlite3_errmsg(file->sdb));
        release(file);
        errno = EIO;
        return -1;
    }
    file->stmts = sqldb_prepare_stmts(file->sdb, viddb_cmds, VIDDB_MAX);
    if (!file->stmts) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: sqldb_prepare_stmts, %s", path_of(file), std::strerror(errno));
        release(file);
        return -1;
    }
    return 0;
}

int viddb_close(file_t *file)
{
    release(file);
    return 0;
}

int viddb_insert(file_t *file, void *data)
{
    auto *d = static_cast<viddb_data_t *>(data);
    if (!d || !stmt_of(file, VIDDB_INSERT)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, VIDDB_INSERT));
    if (!bind_pair(use.get(), d->hid, d->vid) || !bind_pair(use.get(), d->filesize, d->refcount, 3)) {
        OLOG(OLOG_ERROR, "bind_to_insert_stmt: rc=%d", sqlite3_errcode(file->sdb));
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "%s: sqlite3_step: %s (%d)", path_of(file), orvex::db::errmsg(file), rc);
        errno = EIO;
        return -1;
    }
    return 0;
}

int viddb_iter(file_t *file, void *data)
{
    auto *d = static_cast<viddb_data_t *>(data);
    if (!d || !d->callback || !stmt_of(file, VIDDB_ITER)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, VIDDB_ITER));
    if (!bind_pair(use.get(), d->rid_offset, d->rid_length)) {
        errno = EIO;
        return -1;
    }
    for (;;) {
        int rc = sqlite3_step(use.get());
        if (rc == SQLITE_DONE)
            return 0;
        if (rc != SQLITE_ROW) {
            OLOG(OLOG_ERROR, "%s: sqlite3_step: %s (%d)", path_of(file), orvex::db::errmsg(file), rc);
            errno = EIO;
            return -1;
        }
        if (d->callback(file, use.get(), d) != 0) {
            errno = EINTR;
            return -1;
        }
    }
}

int viddb_delete(file_t *file, void *data)
{
    return change_by_vault(file, VIDDB_DELETE, static_cast<viddb_data_t *>(data));
}

int64_t viddb_count(file_t *file, void *)
{
    return single_value(file, VIDDB_COUNT);
}

int64_t viddb_query(file_t *file, void *)
{
    return single_value(file, VIDDB_QUERY);
}

int viddb_search(file_t *file, void *data)
{
    auto *d = static_cast<viddb_data_t *>(data);
    if (!d || !stmt_of(file, VIDDB_SEARCH)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, VIDDB_SEARCH));
    if (!bind_pair(use.get(), d->hid, d->vid)) {
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(use.get());
    if (rc == SQLITE_ROW)
        return 1;
    if (rc == SQLITE_DONE)
        return 0;
    errno = EIO;
    return -1;
}

int viddb_commit(file_t *file)
{
    MutexLock lock(&file->mutex);
    return sqldb_sync(file->sdb);
}

int viddb_uprefcount(file_t *file, void *data)
{
    return change_by_vault(file, VIDDB_UPREFCOUNT, static_cast<viddb_data_t *>(data));
}

int viddb_downrefcount(file_t *file, void *data)
{
    return change_by_vault(file, VIDDB_DOWNREFCOUNT, static_cast<viddb_data_t *>(data));
}

int viddb_setino(file_t *file, int64_t ino)
{
    if (!stmt_of(file, VIDDB_SETINO))
        return -1;
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, VIDDB_SETINO));
    if (sqlite3_bind_int64(use.get(), 1, ino) != SQLITE_OK || !bind_pair(use.get(), -1, -1, 2)) {
        errno = EIO;
        return -1;
    }
    if (sqlite3_step(use.get()) != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "sqlite3_step: rc=%d,msg=%s", sqlite3_errcode(file->sdb), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return 0;
}

// Each vault nobody refers to goes to the callback with its row; a 0 result
// deletes it. SQLite allows deleting the row a scan stands on.
int viddb_iter_zero_refcount_vaults(file_t *file, void *data)
{
    auto *d = static_cast<viddb_data_t *>(data);
    if (!d || !d->callback || !stmt_of(file, VIDDB_ITER_ZERO_REFCOUNT_VAULTS)) {
        errno = EINVAL;
        return -1;
    }
    StmtUse use(stmt_of(file, VIDDB_ITER_ZERO_REFCOUNT_VAULTS));
    for (;;) {
        int rc = sqlite3_step(use.get());
        if (rc == SQLITE_DONE)
            return 0;
        if (rc != SQLITE_ROW) {
            OLOG(OLOG_ERROR, "%s: sqlite3_step: %s (%d)", path_of(file), orvex::db::errmsg(file), rc);
            errno = EIO;
            return -1;
        }
        viddb_data_t row = *d;
        row.hid = static_cast<int32_t>(sqlite3_column_int64(use.get(), 0));
        row.vid = sqlite3_column_int64(use.get(), 1);
        if (d->callback(file, use.get(), &row) != 0)
            continue;
        if (viddb_delete(file, &row) != 0)
            return -1;
    }
}

} // namespace

extern "C" const struct file_operations viddb_operations = {
    .open = viddb_open,
    .close = viddb_close,
    .insert = viddb_insert,
    .count = viddb_count,
    .iter = viddb_iter,
    ._delete = viddb_delete,
    .search = viddb_search,
    .update = nullptr,
    .query = viddb_query,
    .reset = nullptr,
    .read = nullptr,
    .seek = nullptr,
    .write = nullptr,
    ._commit = viddb_commit,
    .ftruncate64 = nullptr,
    .fallocate = nullptr,
    .findmax = nullptr,
    .print_hdr = nullptr,
    .update_cksum = nullptr,
    .iter_zero_refcount_vaults = viddb_iter_zero_refcount_vaults,
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
    .uprefcount = viddb_uprefcount,
    .downrefcount = viddb_downrefcount,
    .setino = viddb_setino,
};
