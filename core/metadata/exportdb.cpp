// Export database kind: the catalogue of a VESK container. Private state
// first, then the slots, the operations table last.
//
// The database comes from a container and is untrusted: before the
// temporary all_files table is built from it, the parent links are checked
// so that no recursive query can loop (a row that is its own ancestor, or
// a directory number used by two rows, fails the open).
#include "exportdb.h"

#include "sqldb_internal.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

using orvex::MutexLock;
using orvex::db::bind_text_or_null;
using orvex::db::ErrnoSaver;
using orvex::db::stmt_of;
using orvex::db::StmtUse;

extern "C" const char *const exportdb_cmds[EXPORTDB_MAX] = {
    "INSERT OR IGNORE INTO data_files(ino, parent_ino, title, attr, xattr, filetype, mtime, size,store_offset, "
    "store_size, sparse_offset, sparse_size,descriptor_offset, descriptor_size,descriptor_shm_offset, "
    "descriptor_shm_size,descriptor_wal_offset, descriptor_wal_size, lnk) SELECT ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, ?, ?, ?, ?, ?, ?;",
    "INSERT OR IGNORE INTO hashdb_files(ino, parent_ino, title, filetype, size, store_offset, store_size) SELECT ?, "
    "?, ?, ?, ?, ?, ?;",
    "INSERT INTO vaults(hid, vid, offset, size, refcount) SELECT ?, ?, ?, ?, ? ON CONFLICT(hid, vid) DO UPDATE SET "
    "refcount = refcount + 1;",
    "UPDATE vaults SET offset=?, size=? WHERE hid=? AND vid=?;",
    "SELECT hid, vid, offset, size, refcount FROM vaults ORDER BY vid ASC;",
    "SELECT ino, filetype, size, store_offset, store_size, filetype, attr FROM data_files;",
    "SELECT ino, filetype, size, store_offset, store_size, filetype FROM hashdb_files;",
    "WITH RECURSIVE path(level, title, parent_ino) AS (SELECT 0, title, parent_ino FROM data_files WHERE ino = ? "
    "UNION ALL SELECT path.level+1, data_files.title, data_files.parent_ino FROM data_files JOIN path ON "
    "data_files.ino = path.parent_ino ), path_from_root AS (SELECT title FROM path ORDER BY level DESC) SELECT "
    "group_concat(title, '\\'), count(*) FROM path_from_root;",
    "WITH RECURSIVE path(level, title, parent_ino) AS (SELECT 0, title, parent_ino FROM hashdb_files WHERE ino = ? "
    "UNION ALL SELECT path.level+1, hashdb_files.title, hashdb_files.parent_ino FROM hashdb_files JOIN path ON "
    "hashdb_files.ino = path.parent_ino ), path_from_root AS (SELECT title FROM path ORDER BY level DESC) SELECT "
    "group_concat(title, '\\'), count(*) FROM path_from_root;",
    "SELECT path, size, mtime, filetype FROM all_files WHERE parent_ino=? ORDER BY filetype ASC , path ASC;",
    "SELECT ino, size, filetype FROM all_files WHERE path=?;",
    "WITH RECURSIVE path(ino, parent_path, path, mtime, size, filetype) AS ( SELECT ino, ?, '', mtime, size, "
    "filetype FROM data_files WHERE ino=? UNION SELECT data_files.ino, CASE parentpath.path WHEN '' THEN ? ELSE "
    "parentpath.path END, parentpath.path || '\\' || data_files.title, data_files.mtime, data_files.size, "
    "data_files.filetype FROM data_files, path as parentpath WHERE data_files.parent_ino = parentpath.ino ) SELECT "
    "sum(size) FROM path where path != '';",
    "WITH RECURSIVE path(ino, parent_path, path, filetype) AS ( SELECT ino, title, '', filetype FROM data_files "
    "WHERE ino=? UNION SELECT data_files.ino, CASE parentpath.path WHEN '' THEN ? ELSE parentpath.path END, "
    "parentpath.path || '\\' || data_files.title, data_files.filetype FROM data_files, path as parentpath WHERE "
    "data_files.parent_ino = parentpath.ino ) SELECT count(*) FROM path where path != '';",
    "WITH RECURSIVE path(ino, parent_path, path, mtime, size, filetype) AS ( SELECT ino, ?, '', mtime, size, "
    "filetype FROM data_files WHERE ino=? UNION SELECT data_files.ino, CASE parentpath.path WHEN '' THEN ? ELSE "
    "parentpath.path END, parentpath.path || '\\' || data_files.title, data_files.mtime, data_files.size, "
    "data_files.filetype FROM data_files, path as parentpath WHERE data_files.parent_ino = parentpath.ino ) SELECT "
    "count(*) FROM path where path != '' AND filetype = 0;",
    "WITH RECURSIVE path(ino, parent_path, path, mtime, size, filetype) AS ( SELECT ino, ?, '', mtime, size, "
    "filetype FROM data_files WHERE ino=? UNION SELECT data_files.ino, CASE parentpath.path WHEN '' THEN ? ELSE "
    "parentpath.path END, parentpath.path || '\\' || data_files.title, data_files.mtime, data_files.size, "
    "data_files.filetype FROM data_files, path as parentpath WHERE data_files.parent_ino = parentpath.ino ) SELECT "
    "count(*) FROM path where path != '' AND filetype != 0;",
    "SELECT offset FROM vaults WHERE hid = ? AND vid = ?;",
    "SELECT ino from all_files WHERE path=?;",
    "SELECT path, size, store_offset, store_size, descriptor_offset, descriptor_size, descriptor_shm_offset, "
    "descriptor_shm_size, descriptor_wal_offset, descriptor_wal_size, sparse_offset, sparse_size, mtime, filetype, "
    "lnk FROM all_files WHERE path=? ORDER BY filetype ASC;",
};

namespace {

constexpr const char *kTables[] = {
    "CREATE TABLE IF NOT EXISTS data_files(ino                   INTEGET NOT NULL,parent_ino            INTEGER NOT "
    "NULL,title                 TEXT,attr                  BLOB NOT NULL,xattr                 BLOB,filetype        "
    "      INTEGER NOT NULL,mtime                 INTEGER NOT NULL,size                  INTEGER NOT "
    "NULL,store_offset          INTEGER NOT NULL,store_size            INTEGER NOT NULL,sparse_offset         INTEGER "
    "NOT NULL,sparse_size           INTEGER NOT NULL,descriptor_offset     INTEGER NOT NULL,descriptor_size       "
    "INTEGER NOT NULL,descriptor_shm_offset INTEGER NOT NULL,descriptor_shm_size   INTEGER NOT "
    "NULL,descriptor_wal_offset INTEGER NOT NULL,descriptor_wal_size   INTEGER NOT NULL,lnk                   "
    "TEXT,PRIMARY KEY (ino, title, filetype));",
    "CREATE TABLE IF NOT EXISTS hashdb_files(ino            INTEGET NOT NULL,parent_ino     INTEGER NOT NULL,title   "
    "       TEXT,filetype       INTEGER NOT NULL,size           INTEGER NOT NULL,store_offset   INTEGER NOT "
    "NULL,store_size     INTEGER NOT NULL,PRIMARY KEY (ino));",
    "CREATE TABLE IF NOT EXISTS vaults(hid      INTEGER NOT NULL,vid      INTEGER NOT NULL,offset   INTEGER NOT "
    "NULL,size     INTEGER NOT NULL,refcount INTEGER NOT NULL,PRIMARY KEY (hid, vid));",
    "CREATE TEMPORARY TABLE IF NOT EXISTS all_files AS WITH RECURSIVE path(ino, parent_ino, path, mtime, filetype, "
    "lnk,size, store_offset, store_size,descriptor_offset, descriptor_size,descriptor_shm_offset, "
    "descriptor_shm_size,descriptor_wal_offset, descriptor_wal_size,sparse_offset, sparse_size) AS (SELECT ino, "
    "parent_ino, '', mtime, filetype, lnk,size, store_offset, store_size,descriptor_offset, "
    "descriptor_size,descriptor_shm_offset, descriptor_shm_size,descriptor_wal_offset, "
    "descriptor_wal_size,sparse_offset, sparse_size FROM data_files WHERE parent_ino=0 UNION SELECT data_files.ino, "
    "data_files.parent_ino, parentpath.path || '\\' || data_files.title,data_files.mtime, data_files.filetype, "
    "data_files.lnk,data_files.size, data_files.store_offset, data_files.store_size,data_files.descriptor_offset, "
    "data_files.descriptor_size,data_files.descriptor_shm_offset, "
    "data_files.descriptor_shm_size,data_files.descriptor_wal_offset, "
    "data_files.descriptor_wal_size,data_files.sparse_offset, data_files.sparse_size FROM data_files, path as "
    "parentpath WHERE data_files.parent_ino = parentpath.ino)SELECT ino, parent_ino, path, mtime, size, filetype, "
    "lnk,size, store_offset, store_size,descriptor_offset, descriptor_size,descriptor_shm_offset, "
    "descriptor_shm_size,descriptor_wal_offset, descriptor_wal_size,sparse_offset, sparse_size FROM path;",
};
constexpr const char *kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS vaults_idx ON vaults(hid, vid);",
    "CREATE INDEX IF NOT EXISTS hashdb_idx ON hashdb_files(ino);",
    "CREATE INDEX IF NOT EXISTS data_idx ON data_files(ino, title, filetype);",
    "CREATE INDEX IF NOT EXISTS all_idx ON all_files(path);",
};
constexpr const char *kDropIndexes[] = {
    "DROP INDEX IF EXISTS hashdb_idx",
    "DROP INDEX IF EXISTS data_idx",
    "DROP INDEX IF EXISTS all_idx",
    "DROP INDEX IF EXISTS vaults_idx",
};

const char *path_of(const file_t *file)
{
    return file->path ? file->path : ":memory:";
}

int fail_eio(file_t *file, const char *step)
{
    OLOG(OLOG_ERROR, "%s: %s, %s", path_of(file), step, orvex::db::errmsg(file));
    errno = EIO;
    return -1;
}

void drop_indexes(sqlite3 *db)
{
    for (const char *sql : kDropIndexes)
        sqldb_create_table(db, sql);
}

// Checks the parent links of `table` (data_files or hashdb_files): a number
// that some row names as its parent must belong to exactly one row, and
// following parents from any row must reach parent 0. Either fault would make
// the recursive path queries loop or explode.
int check_parent_links_inner(file_t *file, const char *table)
{
    std::string sql = std::string("SELECT ino, parent_ino FROM ") + table + ";";
    sqlite3_stmt *stmt = sqldb_prepare_stmt(file->sdb, sql.c_str());
    if (!stmt)
        return -1;
    std::unordered_map<int64_t, std::vector<int64_t>> parents_of; // ino -> parents of its rows
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        parents_of[sqlite3_column_int64(stmt, 0)].push_back(sqlite3_column_int64(stmt, 1));
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        return fail_eio(file, "read parent links");
    // Parent 0 means "no parent": an entry numbered 0 would make the root
    // a child of its own child.
    if (parents_of.count(0)) {
        OLOG(OLOG_ERROR, "%s: %s: an entry is numbered 0", path_of(file), table);
        errno = EIO;
        return -1;
    }

    // 0 = not yet known, 1 = on the current walk, 2 = reaches the root.
    std::unordered_map<int64_t, int> state;
    for (const auto &[ino, parents] : parents_of) {
        for (int64_t start : parents) {
            std::vector<int64_t> walk;
            int64_t p = start;
            while (p != 0 && state[p] != 2) {
                auto it = parents_of.find(p);
                if (it == parents_of.end())
                    break; // an orphan: never listed, never loops
                if (it->second.size() != 1 || state[p] == 1) {
                    OLOG(OLOG_ERROR, "%s: %s: entry %lld %s", path_of(file), table, static_cast<long long>(p),
                         state[p] == 1 ? "is its own ancestor" : "is a parent held by more than one row");
                    errno = EIO;
                    return -1;
                }
                state[p] = 1;
                walk.push_back(p);
                p = it->second.front();
            }
            for (int64_t w : walk)
                state[w] = 2;
        }
        (void)ino;
    }
    return 0;
}

// No exception leaves a slot: allocation failures become ENOMEM.
template <typename Fn>
auto no_throw(Fn &&fn) -> decltype(fn())
{
    try {
        return fn();
    } catch (const std::bad_alloc &) {
        OLOG(OLOG_ERROR, "out of memory");
        errno = ENOMEM;
        return static_cast<decltype(fn())>(-1);
    }
}

int check_parent_links(file_t *file, const char *table)
{
    return no_throw([&] { return check_parent_links_inner(file, table); });
}

int create_schema(file_t *file)
{
    for (int i = 0; i < 4; i++) {
        OLOG(OLOG_DEBUG, "create table: %s", kTables[i]);
        if (i == 3 && (check_parent_links(file, "data_files") != 0 || check_parent_links(file, "hashdb_files") != 0))
            return -1;
        if (sqldb_create_table(file->sdb, kTables[i]) != 0) {
            OLOG(OLOG_ERROR, "sqldb_create_table: %d", i);
            errno = EIO;
            return -1;
        }
    }
    for (const char *sql : kIndexes) {
        if (sqldb_create_table(file->sdb, sql) != 0) {
            OLOG(OLOG_WARN, "%s: create_indices, %s", path_of(file), sqlite3_errmsg(file->sdb));
            drop_indexes(file->sdb);
            break;
        }
    }
    return 0;
}

void release(file_t *file)
{
    sqldb_finalize_stmts(file->stmts, static_cast<int>(file->num_stmts));
    file->stmts = nullptr;
    if (file->sdb) {
        drop_indexes(file->sdb);
        sqldb_close(file->sdb, (file->flags & FILE_FLAG_CHECKPOINT) != 0);
        file->sdb = nullptr;
    }
}

// The root is named by a lone backslash; in the database its path is "".
const char *db_path(const char *path)
{
    return (path && std::strcmp(path, "\\") == 0) ? "" : path;
}

int step_done(file_t *file, sqlite3_stmt *stmt)
{
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "sqlite3_step: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return 0;
}

bool bind_all(sqlite3_stmt *stmt, std::initializer_list<int64_t> values, int first = 1)
{
    int i = first;
    for (int64_t v : values)
        if (sqlite3_bind_int64(stmt, i++, v) != SQLITE_OK)
            return false;
    return true;
}

int insert_data_file(file_t *file, const exportdb_data_t *d)
{
    sqlite3_stmt *stmt = stmt_of(file, EXPORTDB_INSERT_DATA_FILES);
    StmtUse use(stmt);
    file_attr_t zero{};
    bool ok = bind_all(stmt, {d->ino, d->parent_ino}) && bind_text_or_null(stmt, 3, d->title) == SQLITE_OK &&
              sqlite3_bind_blob(stmt, 4, d->attr ? d->attr : &zero, FILE_ATTR_SIZE, SQLITE_TRANSIENT) == SQLITE_OK &&
              sqlite3_bind_null(stmt, 5) == SQLITE_OK &&
              bind_all(stmt,
                       {d->filetype, d->mtime, d->size, d->store_offset, d->store_size, d->sparse_offset,
                        d->sparse_size, d->descriptor_offset, d->descriptor_size, d->descriptor_shm_offset,
                        d->descriptor_shm_size, d->descriptor_wal_offset, d->descriptor_wal_size},
                       6) &&
              bind_text_or_null(stmt, 19, d->lnk) == SQLITE_OK;
    if (!ok) {
        OLOG(OLOG_ERROR, "bind_to_insert_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return step_done(file, stmt);
}

int insert_hashdb_file(file_t *file, const exportdb_data_t *d)
{
    sqlite3_stmt *stmt = stmt_of(file, EXPORTDB_INSERT_HASHDB_FILES);
    StmtUse use(stmt);
    bool ok = bind_all(stmt, {d->ino, d->parent_ino}) && bind_text_or_null(stmt, 3, d->title) == SQLITE_OK &&
              bind_all(stmt, {d->filetype, d->size, d->store_offset, d->store_size}, 4);
    if (!ok) {
        OLOG(OLOG_ERROR, "bind_to_insert_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return step_done(file, stmt);
}

int insert_vault(file_t *file, const exportdb_data_t *d)
{
    sqlite3_stmt *stmt = stmt_of(file, EXPORTDB_INSERT_VAULTS);
    StmtUse use(stmt);
    if (!bind_all(stmt, {d->hid, d->vid, d->offset, d->size, d->refcount})) {
        OLOG(OLOG_ERROR, "bind_to_insert_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return step_done(file, stmt);
}

// ---- slots ----

int exportdb_open(file_t *file, int os_flags, int file_flags, void *)
{
    if (!file->path && !(file_flags & FILE_FLAG_INMEMORY)) {
        OLOG(OLOG_ERROR, "path is null");
        errno = EINVAL;
        return -1;
    }
    if (file->path)
        do_lstat(file->path, &file->st);
    file->num_stmts = EXPORTDB_MAX;
    file->sdb = sqldb_open(file->path, os_flags, file_flags);
    if (!file->sdb) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: sqldb_open, %s", path_of(file), std::strerror(errno));
        return -1;
    }
    if (create_schema(file) != 0) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: create_tables, %s", path_of(file), std::strerror(errno));
        release(file);
        return -1;
    }
    file->stmts = sqldb_prepare_stmts(file->sdb, exportdb_cmds, EXPORTDB_MAX);
    if (!file->stmts) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: sqldb_prepare_stmts, %s", path_of(file), std::strerror(errno));
        release(file);
        return -1;
    }
    return 0;
}

int exportdb_close(file_t *file)
{
    release(file);
    return 0;
}

int exportdb_insert(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || !file->stmts) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    switch (d->cmd) {
    case EXPORTDB_INSERT_DATA_FILES:
        return insert_data_file(file, d);
    case EXPORTDB_INSERT_HASHDB_FILES:
        return insert_hashdb_file(file, d);
    case EXPORTDB_INSERT_VAULTS:
        return insert_vault(file, d);
    default:
        errno = EINVAL;
        return -1;
    }
}

int exportdb_update(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || d->cmd != EXPORTDB_UPDATE_VAULTS || !stmt_of(file, d->cmd)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, EXPORTDB_UPDATE_VAULTS);
    StmtUse use(stmt);
    if (!bind_all(stmt, {d->offset, d->size, d->hid, d->vid})) {
        OLOG(OLOG_ERROR, "bind_to_update_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return step_done(file, stmt);
}

int exportdb_iter(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || !d->callback ||
        (d->cmd != EXPORTDB_ITER_VAULTS && d->cmd != EXPORTDB_ITER_DATA_FILES && d->cmd != EXPORTDB_ITER_HASHDB_FILES) ||
        !stmt_of(file, d->cmd)) {
        errno = EINVAL;
        return -1;
    }
    StmtUse use(stmt_of(file, d->cmd));
    for (;;) {
        int rc = sqlite3_step(use.get());
        if (rc == SQLITE_DONE)
            return 0;
        if (rc != SQLITE_ROW) {
            OLOG(OLOG_ERROR, "sqlite3_step: rc=%d, %s", rc, orvex::db::errmsg(file));
            errno = EIO;
            return -1;
        }
        if (d->callback(file, use.get(), d) != 0) {
            errno = EINTR;
            return -1;
        }
    }
}

int exportdb_list_inner(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || !d->list_folder_callback || !stmt_of(file, EXPORTDB_LIST)) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = stmt_of(file, EXPORTDB_LIST);
    StmtUse use(stmt);
    if (sqlite3_bind_int64(stmt, 1, d->parent_ino) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_parent_ino_to_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    for (;;) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            return fail_eio(file, "list");
        int len = 0;
        const char *path = orvex::db::column_text(stmt, 0, &len);
        const char *name = nullptr;
        for (int i = len - 1; i >= 0 && !name; i--)
            if (path[i] == '\\')
                name = path + i + 1;
        if (!name) {
            OLOG(OLOG_ERROR, "%s: strrchr, %s", path, std::strerror(EIO));
            errno = EIO;
            return -1;
        }
        size_t name_len = static_cast<size_t>(path + len - name);
        if (name_len > FS_VESK_NAME_MAX || std::memchr(name, '\0', name_len)) {
            OLOG(OLOG_ERROR, "%s: name of %zu bytes does not fit a listing entry", path, name_len);
            errno = ENAMETOOLONG;
            return -1;
        }
        auto *item = static_cast<fs_vesk_item *>(std::calloc(1, sizeof(fs_vesk_item)));
        if (!item) {
            errno = ENOMEM;
            return -1;
        }
        std::memcpy(item->name, name, name_len);
        item->size = sqlite3_column_int64(stmt, 1);
        item->mtime = static_cast<int32_t>(sqlite3_column_int64(stmt, 2));
        item->type = sqlite3_column_int64(stmt, 3) == VESK_FILETYPE_DIR ? FS_VESK_DIR : FS_VESK_FILE;
        std::string path_copy(path, static_cast<size_t>(len));
        int stop = d->list_folder_callback(d->instance, d->version_id, path_copy.c_str(), item, d->user_data);
        std::free(item);
        if (stop != 0) {
            errno = EINTR;
            return -1;
        }
    }
    if (d->list_folder_callback(d->instance, d->version_id, nullptr, nullptr, d->user_data) != 0) {
        errno = EINTR;
        return -1;
    }
    return 0;
}

int exportdb_list(file_t *file, void *data)
{
    return no_throw([&] { return exportdb_list_inner(file, data); });
}

char *exportdb_getpath(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || (d->cmd != EXPORTDB_GETPATH_DATA && d->cmd != EXPORTDB_GETPATH_HASHDB) || !stmt_of(file, d->cmd)) {
        errno = EINVAL;
        return nullptr;
    }
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, d->cmd);
    StmtUse use(stmt);
    if (sqlite3_bind_int64(stmt, 1, d->ino) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_ino_to_stmt: cmd=%d, %s", d->cmd, orvex::db::errmsg(file));
        errno = EIO;
        return nullptr;
    }
    // The aggregate always yields a row; the count says whether the entry
    // exists, so an unknown number is never mistaken for the root.
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW && sqlite3_column_int64(stmt, 1) == 0) {
        errno = 0;
        return nullptr;
    }
    if (rc != SQLITE_ROW) {
        fail_eio(file, "getpath");
        return nullptr;
    }
    char *out;
    if (sqlite3_column_type(stmt, 0) == SQLITE_NULL) {
        out = strdup("\\");
    } else {
        const char *joined = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        out = d->dir ? prepend_s(d->dir, joined) : strdup(joined);
    }
    if (!out)
        errno = ENOMEM;
    return out;
}

int exportdb_search(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || !d->from || !d->callback || !stmt_of(file, EXPORTDB_SEARCH)) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = stmt_of(file, EXPORTDB_SEARCH);
    StmtUse use(stmt);
    if (sqlite3_bind_text(stmt, 1, db_path(d->from), -1, SQLITE_TRANSIENT) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_path_to_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        errno = ENOENT;
        return -1;
    }
    if (rc != SQLITE_ROW)
        return fail_eio(file, "search");
    exportdb_data_t found{};
    found.cmd = EXPORTDB_SEARCH;
    found.path = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
    found.size = sqlite3_column_int64(stmt, 1);
    found.store_offset = sqlite3_column_int64(stmt, 2);
    found.store_size = sqlite3_column_int64(stmt, 3);
    found.descriptor_offset = sqlite3_column_int64(stmt, 4);
    found.descriptor_size = sqlite3_column_int64(stmt, 5);
    found.descriptor_shm_offset = sqlite3_column_int64(stmt, 6);
    found.descriptor_shm_size = sqlite3_column_int64(stmt, 7);
    found.descriptor_wal_offset = sqlite3_column_int64(stmt, 8);
    found.descriptor_wal_size = sqlite3_column_int64(stmt, 9);
    found.sparse_offset = sqlite3_column_int64(stmt, 10);
    found.sparse_size = sqlite3_column_int64(stmt, 11);
    found.mtime = static_cast<int>(sqlite3_column_int64(stmt, 12));
    found.filetype = static_cast<int>(sqlite3_column_int64(stmt, 13));
    found.lnk = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 14));
    found.from = d->from;
    found.to = d->to;
    found.dstpath = d->dstpath;
    found.vesk = d->vesk;
    found.version_id = d->version_id;
    found.instance = d->instance;
    found.user_data = d->user_data;
    found.progress_cbk = d->progress_cbk;
    found.progress_offset = d->progress_offset;
    found.progress_size = d->progress_size;
    if (d->callback(file, stmt, &found) != 0) {
        if (errno == 0)
            errno = EIO;
        return -1;
    }
    return 0;
}

int64_t exportdb_query(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || (d->cmd != EXPORTDB_QUERY_VAULT_OFFSET && d->cmd != EXPORTDB_QUERY_INO) || !stmt_of(file, d->cmd)) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = stmt_of(file, d->cmd);
    StmtUse use(stmt);
    bool ok = d->cmd == EXPORTDB_QUERY_VAULT_OFFSET
                  ? bind_all(stmt, {d->hid, d->vid})
                  : (d->path && sqlite3_bind_text(stmt, 1, db_path(d->path), -1, SQLITE_TRANSIENT) == SQLITE_OK);
    if (!ok) {
        OLOG(OLOG_ERROR, "bind_to_query_stmt: %s", orvex::db::errmsg(file));
        errno = d->path || d->cmd == EXPORTDB_QUERY_VAULT_OFFSET ? EIO : EINVAL;
        return -1;
    }
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        errno = ENODATA;
        return 0;
    }
    if (rc != SQLITE_ROW)
        return fail_eio(file, "query");
    errno = 0;
    return sqlite3_column_int64(stmt, 0);
}

int64_t exportdb_count(file_t *file, void *data)
{
    auto *d = static_cast<exportdb_data_t *>(data);
    if (!d || !d->result || d->cmd < EXPORTDB_STAT || d->cmd > EXPORTDB_COUNT_FILES || !stmt_of(file, d->cmd) ||
        !d->path) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = stmt_of(file, d->cmd);
    StmtUse use(stmt);
    const char *path = db_path(d->path);
    bool ok;
    switch (d->cmd) {
    case EXPORTDB_STAT:
        ok = sqlite3_bind_text(stmt, 1, path, -1, SQLITE_TRANSIENT) == SQLITE_OK;
        break;
    case EXPORTDB_COUNT_INOS:
        ok = sqlite3_bind_int64(stmt, 1, d->ino) == SQLITE_OK &&
             sqlite3_bind_text(stmt, 2, path, -1, SQLITE_TRANSIENT) == SQLITE_OK;
        break;
    default:
        ok = sqlite3_bind_text(stmt, 1, path, -1, SQLITE_TRANSIENT) == SQLITE_OK &&
             sqlite3_bind_int64(stmt, 2, d->ino) == SQLITE_OK &&
             sqlite3_bind_text(stmt, 3, path, -1, SQLITE_TRANSIENT) == SQLITE_OK;
        break;
    }
    if (!ok) {
        OLOG(OLOG_ERROR, "bind_ino_to_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        errno = ENODATA;
        return -1;
    }
    if (rc != SQLITE_ROW)
        return fail_eio(file, "count");
    fs_vesk_stat *r = d->result;
    int64_t value = sqlite3_column_int64(stmt, 0);
    switch (d->cmd) {
    case EXPORTDB_STAT: {
        bool dir = sqlite3_column_int64(stmt, 2) == VESK_FILETYPE_DIR;
        r->ino = value;
        r->folder_count = dir ? 1 : 0;
        r->file_count = dir ? 0 : 1;
        r->total_size = dir ? 0 : sqlite3_column_int64(stmt, 1);
        r->type = dir ? FS_VESK_DIR : FS_VESK_FILE;
        break;
    }
    case EXPORTDB_COUNT_SIZE:
        r->total_size = value;
        break;
    case EXPORTDB_COUNT_INOS:
    case EXPORTDB_COUNT_FILES:
        r->file_count = static_cast<int32_t>(value);
        break;
    case EXPORTDB_COUNT_FOLDERS:
        r->folder_count = static_cast<int32_t>(value);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

extern "C" const struct file_operations exportdb_operations = {
    .open = exportdb_open,
    .close = exportdb_close,
    .insert = exportdb_insert,
    .count = exportdb_count,
    .iter = exportdb_iter,
    ._delete = nullptr,
    .search = exportdb_search,
    .update = exportdb_update,
    .query = exportdb_query,
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
    .list = exportdb_list,
    .getpath = exportdb_getpath,
    .uprefcount = nullptr,
    .downrefcount = nullptr,
    .setino = nullptr,
};
