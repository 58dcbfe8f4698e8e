// Descriptor database kind: the header row and chunk map of one backed-up
// file. Private state first, then the slots, the operations table last.
#include "descriptor.h"

#include "compressor.h"
#include "crypter.h"
#include "hasher.h"
#include "metadata/sqldb_internal.h"
#include "restore-ctx.h"

#include <nlohmann/json.hpp>
#include <openssl/evp.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

using orvex::MutexLock;
using orvex::db::ErrnoSaver;
using orvex::db::StmtUse;
using orvex::db::stmt_of;

extern "C" const char *const descriptor_cmds[DSC_MAX] = {
    "INSERT OR IGNORE INTO mapdb(RID, FID, HID, VID, DIRTY, CID, FOS, VOS, STORE_BLOBSZ, CKS, FOS_CKS, SIG, HASH) "
    "SELECT ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?;",
    "INSERT OR REPLACE INTO header(rowid, HASH, COMPRESS, CRYPT, CHUNK, X, WINSIZE, MIN_CHUNKSIZE, MAX_CHUNKSIZE, "
    "PRIME, NUM_VAULTS, NUM_CHUNKS, NUM_DATA_CHUNKS, FILE_SIZE, VAULT_SIZE, CKSUM, ATTRIBS) "
    "SELECT 1, ?, ?, ?, ?, ?, ?,?, ?, ?, ?,?, ?, ?, ?, ?, ?;",
    "UPDATE header SET FILE_SIZE = ? WHERE ROWID=1;",
    "SELECT DISTINCT HID, VID FROM mapdb WHERE VID >= 0;",
    "SELECT FID, CID, VOS, FOS, CKS, STORE_BLOBSZ FROM mapdb WHERE HID=? AND VID=?;",
    "SELECT HID, VID, VOS, FOS, CKS FROM mapdb WHERE VID >= 0 AND FOS BETWEEN ? AND ? ORDER BY FOS ASC;",
    "SELECT HID, VID, VOS, FOS, CKS FROM mapdb WHERE VID >= 0 AND RID BETWEEN ? AND ? ORDER BY FOS ASC;",
    "SELECT HID, VID, VOS, FOS, CKS FROM mapdb WHERE HID=? AND VID=? ORDER BY FOS ASC;",
    "UPDATE mapdb SET DIRTY=1 WHERE RID = ?;",
    "SELECT RID, DIRTY FROM mapdb;",
    "DELETE FROM mapdb WHERE FOS > (? - 1);",
    "SELECT COUNT (*) FROM mapdb WHERE HID=? AND VID=? ORDER BY FOS ASC;",
    "SELECT COUNT(DISTINCT VID) FROM mapdb;",
    "SELECT HASH, COMPRESS, CRYPT, CHUNK, X, WINSIZE, MIN_CHUNKSIZE, MAX_CHUNKSIZE, PRIME, NUM_VAULTS, NUM_CHUNKS, "
    "NUM_DATA_CHUNKS,FILE_SIZE, VAULT_SIZE, CKSUM, ATTRIBS FROM header;",
    "SELECT coalesce(MAX(RID), 0), count(*) FROM mapdb;",
    "SELECT FILE_SIZE FROM header WHERE ROWID=1;",
    "SELECT max(FOS_CKS) FROM mapdb;",
    "SELECT HID, VID FROM mapdb ORDER BY FOS ASC",
    "SELECT DIRTY FROM mapdb ORDER BY FOS ASC;",
    "SELECT FOS, FOS_CKS FROM mapdb ORDER BY FOS ASC;",
    "SELECT RID, VID, HID, VOS, FOS, CKS FROM mapdb ORDER BY FOS ASC;",
    "SELECT RID, VID, HID, VOS, FOS, CKS FROM mapdb WHERE FOS BETWEEN ? AND ? ORDER BY FOS ASC;",
    "DELETE FROM mapdb WHERE FOS BETWEEN ? AND ?;",
    // The covering chunk is the one with the smallest end beyond the offset;
    // the order is spelled out rather than left to the index scan.
    "SELECT HID, VID, DIRTY, VOS, FOS, CKS FROM mapdb WHERE FOS_CKS > ? ORDER BY FOS_CKS ASC LIMIT 1;",
};

namespace {

constexpr const char *kCreateHeader =
    "CREATE TABLE IF NOT EXISTS header(HASH            INTEGER NOT NULL,COMPRESS        INTEGER NOT NULL,CRYPT"
    "           INTEGER NOT NULL,CHUNK           INTEGER NOT NULL,X               INTEGER NOT NULL,WINSIZE"
    "         INTEGER NOT NULL,MIN_CHUNKSIZE   INTEGER NOT NULL,MAX_CHUNKSIZE   INTEGER NOT NULL,PRIME"
    "           INTEGER NOT NULL,NUM_VAULTS      INTEGER NOT NULL,NUM_CHUNKS      INTEGER NOT NULL,NUM_DATA_CHUNKS"
    " INTEGER NOT NULL,FILE_SIZE       INTEGER NOT NULL,VAULT_SIZE      INTEGER NOT NULL,CKSUM           INTEGER NOT "
    "NULL,ATTRIBS         BLOB,XATTR           TEXT);";
constexpr const char *kCreateMapdb =
    "CREATE TABLE IF NOT EXISTS mapdb(RID   INTEGER PRIMARY KEY NOT NULL,FID   INTEGER NOT NULL,HID   INTEGER NOT "
    "NULL,VID   INTEGER NOT NULL,DIRTY INTEGER NOT NULL,CID   INTEGER NOT NULL,FOS   INTEGER NOT NULL,VOS   INTEGER "
    "NOT NULL,STORE_BLOBSZ INTEGER NOT NULL,CKS   INTEGER NOT NULL,FOS_CKS INTEGER NOT NULL,SIG   INTEGER NOT "
    "NULL,HASH  TEXT);";
constexpr const char *kCreateIndexes[] = {
    "CREATE INDEX IF NOT EXISTS fos_idx ON mapdb(FOS);",
    "CREATE INDEX IF NOT EXISTS fos_asc_idx ON mapdb(FOS ASC);",
    "CREATE INDEX IF NOT EXISTS fos_cks_idx ON mapdb(FOS_CKS);",
    "CREATE INDEX IF NOT EXISTS vid_idx ON mapdb(HID, VID, FOS ASC);",
};
constexpr const char *kDropIndexes[] = {
    "DROP INDEX IF EXISTS fos_idx",
    "DROP INDEX IF EXISTS fos_asc_idx",
    "DROP INDEX IF EXISTS fos_cks_idx",
    "DROP INDEX IF EXISTS vid_idx",
};

// Largest chunk a descriptor may describe; larger values are corruption.
constexpr int64_t kMaxChunkSize = COMPRESSOR_MAX_CHUNKSIZE;

const char *path_of(const file_t *file)
{
    return file->path ? file->path : "(null)";
}

// The common shape of every failure inside a slot: one log line, EIO.
int db_fail(file_t *file, const char *step)
{
    OLOG(OLOG_ERROR, "%s: %s, %s", path_of(file), step, orvex::db::errmsg(file));
    errno = EIO;
    return -1;
}

void release(file_t *file)
{
    sqldb_finalize_stmts(file->stmts, static_cast<int>(file->num_stmts));
    file->stmts = nullptr;
    if (file->sdb) {
        sqldb_close(file->sdb, (file->flags & FILE_FLAG_CHECKPOINT) != 0);
        file->sdb = nullptr;
    }
    bitmap_destroy(file->dirtymap);
    file->dirtymap = nullptr;
    std::free(file->hdr);
    file->hdr = nullptr;
}

bool in_range(int64_t v, int64_t lo, int64_t hi)
{
    return v >= lo && v <= hi;
}

// Reads the header row into a new filehdr_t; values that no writer of this
// system produces are rejected as corruption rather than passed on.
int read_header(file_t *file)
{
    sqlite3_stmt *stmt = stmt_of(file, DSC_GET_HEADER);
    StmtUse use(stmt);
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) {
        OLOG(OLOG_ERROR, "sqlite3_step: rc=%d", rc);
        errno = EIO;
        return -1;
    }
    auto col = [stmt](int i) { return sqlite3_column_int64(stmt, i); };
    if (!in_range(col(0), HASH_MIN, HASH_MAX - 1) || !in_range(col(1), COMPRESSION_MIN, COMPRESSION_MAX - 1) ||
        !in_range(col(2), CRYPTION_NONE, CRYPTION_MAX - 1) || !in_range(col(3), 0, 255) ||
        !in_range(col(6), 0, kMaxChunkSize) || !in_range(col(7), 0, kMaxChunkSize) || col(12) < 0 || col(13) < 0) {
        OLOG(OLOG_ERROR, "%s: corrupt header row (hash %lld, compress %lld, crypt %lld, max chunk %lld, size %lld)",
             path_of(file), static_cast<long long>(col(0)), static_cast<long long>(col(1)),
             static_cast<long long>(col(2)), static_cast<long long>(col(7)), static_cast<long long>(col(12)));
        errno = EIO;
        return -1;
    }
    auto *hdr = static_cast<filehdr_t *>(std::calloc(1, sizeof(filehdr_t)));
    if (!hdr) {
        errno = ENOMEM;
        return -1;
    }
    hdr->hash_algo = static_cast<uint8_t>(col(0));
    hdr->cmp_algo = static_cast<uint8_t>(col(1));
    hdr->cry_algo = static_cast<uint8_t>(col(2));
    hdr->chk_algo = static_cast<uint8_t>(col(3));
    hdr->x = static_cast<uint32_t>(col(4));
    hdr->winsize = static_cast<uint32_t>(col(5));
    hdr->min_chunksize = static_cast<uint32_t>(col(6));
    hdr->max_chunksize = static_cast<uint32_t>(col(7));
    hdr->primemod = static_cast<uint32_t>(col(8));
    hdr->num_vaults = static_cast<uint64_t>(col(9));
    hdr->num_chunks = static_cast<uint64_t>(col(10));
    hdr->num_data_chunks = static_cast<uint64_t>(col(11));
    hdr->filesize = static_cast<uint64_t>(col(12));
    hdr->vaultsize = static_cast<uint64_t>(col(13));
    hdr->cksum = static_cast<uint64_t>(col(14));
    if (sqlite3_column_type(stmt, 15) == SQLITE_BLOB) {
        if (sqlite3_column_bytes(stmt, 15) == FILE_ATTR_SIZE)
            std::memcpy(&hdr->attr, sqlite3_column_blob(stmt, 15), FILE_ATTR_SIZE);
        else
            OLOG(OLOG_WARN, "%s: attribute record of %d bytes ignored", path_of(file), sqlite3_column_bytes(stmt, 15));
    }
    std::free(file->hdr);
    file->hdr = hdr;
    return 0;
}

int64_t maxrid_locked(file_t *file)
{
    sqlite3_stmt *stmt = stmt_of(file, DSC_GET_MAPDB_MAXRID);
    StmtUse use(stmt);
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        errno = ENODATA;
        return -1;
    }
    if (rc != SQLITE_ROW) {
        OLOG(OLOG_ERROR, "%s: get_mapdb_maxrid: %s", path_of(file), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    int64_t max = sqlite3_column_int64(stmt, 0);
    int64_t count = sqlite3_column_int64(stmt, 1);
    if (max != 0)
        return max;
    errno = count > 0 ? 0 : ENODATA;
    return 0;
}

int create_indexes(file_t *file)
{
    for (const char *sql : kCreateIndexes) {
        if (sqldb_create_table(file->sdb, sql) != 0) {
            OLOG(OLOG_WARN, "%s: create_indices, errno=%d", path_of(file), EIO);
            for (const char *drop : kDropIndexes)
                sqldb_create_table(file->sdb, drop);
            errno = EIO;
            return -1;
        }
    }
    return 0;
}

// Steps `stmt` and hands every row to `cb` until it returns non-zero.
// 0 at the end of the rows; -1 with EINTR on a stop, EIO on an SQLite error.
int walk_rows(file_t *file, sqlite3_stmt *stmt, file_row_callback_t cb, void *data)
{
    for (;;) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            return 0;
        if (rc != SQLITE_ROW) {
            OLOG(OLOG_ERROR, "sqlite3_step: rc=%d", rc);
            return db_fail(file, "walk rows");
        }
        if (cb && cb(file, stmt, data) != 0) {
            errno = EINTR;
            return -1;
        }
    }
}

int bind_hid_vid(sqlite3_stmt *stmt, int64_t hid, int64_t vid)
{
    return (sqlite3_bind_int64(stmt, 1, hid) == SQLITE_OK && sqlite3_bind_int64(stmt, 2, vid) == SQLITE_OK) ? 0 : -1;
}

int setdirty_locked(file_t *file, int64_t rid)
{
    sqlite3_stmt *stmt = stmt_of(file, DSC_SETDIRTY);
    StmtUse use(stmt);
    if (sqlite3_bind_int64(stmt, 1, rid) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_to_setdirty_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    if (sqlite3_step(stmt) != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "sqlite3_step: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return 0;
}

int update_filesize_locked(file_t *file, uint64_t size)
{
    sqlite3_stmt *stmt = stmt_of(file, DSC_UPDATE_FILESIZE);
    StmtUse use(stmt);
    if (size > static_cast<uint64_t>(INT64_MAX) || sqlite3_bind_int64(stmt, 1, static_cast<int64_t>(size)) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_to_update_filesize_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return db_fail(file, "update_filesize");
    return 0;
}

// Base64 text of the chunk hash column.
std::string base64_of(const uint8_t *data, int len)
{
    std::string out(static_cast<size_t>(4 * ((len + 2) / 3)) + 1, '\0');
    int n = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(out.data()), data, len);
    out.resize(n < 0 ? 0 : static_cast<size_t>(n));
    return out;
}

int insert_mapdb(file_t *file, const descriptor_data_t *d)
{
    if (d->chunksize < 0 || d->chunksize > kMaxChunkSize || d->foffset < 0 || d->hash_len < 0 ||
        d->foffset > INT64_MAX - d->chunksize) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = stmt_of(file, DSC_INSERT_MAPDB);
    StmtUse use(stmt);
    std::string hash;
    if (d->hash) {
        hash = base64_of(d->hash, d->hash_len);
        if (hash.empty() && d->hash_len > 0) {
            OLOG(OLOG_ERROR, "encode_to_base64 failed");
            errno = EIO;
            return -1;
        }
    }
    int64_t values[] = {file->num_blobs, 0,         d->hid,          d->vid,       d->dirty,
                        d->cid,          d->foffset, d->voffset,      d->store_blobsize, d->chunksize,
                        d->foffset + d->chunksize, static_cast<int64_t>(d->sig)};
    bool ok = true;
    for (int i = 0; i < 12 && ok; i++)
        ok = sqlite3_bind_int64(stmt, i + 1, values[i]) == SQLITE_OK;
    ok = ok && (d->hash ? sqlite3_bind_text(stmt, 13, hash.c_str(), -1, SQLITE_TRANSIENT)
                        : sqlite3_bind_null(stmt, 13)) == SQLITE_OK;
    if (!ok) {
        OLOG(OLOG_ERROR, "%s: %s", path_of(file), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "sqlite3_step: rc=%d", rc);
        errno = EIO;
        return -1;
    }
    file->num_blobs++;
    if (d->vid >= 0)
        file->num_data_blobs++;
    return 0;
}

int insert_header(file_t *file, const descriptor_data_t *d)
{
    const filehdr_t *h = d->hdr;
    if (!h) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = stmt_of(file, DSC_INSERT_HEADER);
    StmtUse use(stmt);
    int64_t values[] = {h->hash_algo,
                        h->cmp_algo,
                        h->cry_algo,
                        h->chk_algo,
                        h->x,
                        h->winsize,
                        h->min_chunksize,
                        h->max_chunksize,
                        h->primemod,
                        static_cast<int64_t>(h->num_vaults),
                        static_cast<int64_t>(h->num_chunks),
                        static_cast<int64_t>(h->num_data_chunks),
                        static_cast<int64_t>(h->filesize),
                        static_cast<int64_t>(h->vaultsize),
                        static_cast<int64_t>(h->cksum)};
    bool ok = true;
    for (int i = 0; i < 15 && ok; i++)
        ok = sqlite3_bind_int64(stmt, i + 1, values[i]) == SQLITE_OK;
    ok = ok && sqlite3_bind_blob(stmt, 16, &h->attr, FILE_ATTR_SIZE, SQLITE_TRANSIENT) == SQLITE_OK;
    if (!ok) {
        OLOG(OLOG_ERROR, "%s: %s", path_of(file), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) {
        OLOG(OLOG_ERROR, "sqlite3_step: rc=%d", rc);
        errno = EIO;
        return -1;
    }
    return 0;
}

// ---- slots ----

int descriptor_open(file_t *file, int os_flags, int file_flags, void *)
{
    if (!file->path) {
        OLOG(OLOG_ERROR, "path is null");
        errno = EINVAL;
        return -1;
    }
    bool existed = do_lstat(file->path, &file->st) == 0;
    if (!existed) {
        std::memset(&file->st, 0, sizeof(file->st));
        if ((os_flags & OS_O_ACCMODE) == OS_O_RDONLY) {
            OLOG(OLOG_ERROR, "%s: %s", file->path, std::strerror(errno));
            return -1;
        }
    }
    file->num_stmts = DSC_MAX;
    file->sdb = sqldb_open(file->path, os_flags, file_flags);
    if (!file->sdb) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: sqldb_open, %s", file->path, std::strerror(errno));
        errno = EIO;
        return -1;
    }
    const char *tables[] = {kCreateHeader, kCreateMapdb};
    for (int i = 0; i < 2; i++) {
        if (sqldb_create_table(file->sdb, tables[i]) != 0) {
            OLOG(OLOG_ERROR, "sqldb_create_table: %d", i);
            release(file);
            errno = EIO;
            return -1;
        }
    }
    file->stmts = sqldb_prepare_stmts(file->sdb, descriptor_cmds, DSC_MAX);
    if (!file->stmts) {
        release(file);
        errno = EIO;
        return -1;
    }
    if (!existed)
        return 0; // a new, empty descriptor for a writer

    if (read_header(file) != 0) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: read_header_from_file, errno=%d", file->path, errno);
        release(file);
        return -1;
    }
    int64_t max = maxrid_locked(file);
    if (max < 0 && errno != ENODATA) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: get_mapdb_maxrid, errno=%d", file->path, errno);
        release(file);
        return -1;
    }
    if (max > 0)
        file->num_blobs = max + 1;
    else
        file->num_blobs = (max == 0 && errno == 0) ? 1 : 0;
    OLOG(OLOG_DEBUG, "%s: number of chunks in mapdb=%lld", file->path, static_cast<long long>(file->num_blobs));

    if (create_indexes(file) != 0) {
        release(file);
        errno = EIO;
        return -1;
    }
    if (file_flags & FILE_FLAG_DIRTYMAP) {
        OLOG(OLOG_DEBUG, "%s: create dirtymap, number of bits=%lld", file->path,
             static_cast<long long>(file->num_blobs));
        file->dirtymap = bitmap_create(static_cast<uint64_t>(file->num_blobs), BITMAP_SIMPLE);
        if (!file->dirtymap) {
            ErrnoSaver keep;
            OLOG(OLOG_ERROR, "%s: bitmap_create, number of bits=%lld, errno=%d", file->path,
                 static_cast<long long>(file->num_blobs), errno);
            release(file);
            return -1;
        }
        OLOG(OLOG_DEBUG, "%s: dump descriptor to dirtymap", file->path);
        if (file->num_blobs > 0 && descriptor2dirtymap(file, file->dirtymap) != 0) {
            ErrnoSaver keep;
            OLOG(OLOG_ERROR, "%s: descriptor2dirtymap, errno=%d", file->path, errno);
            release(file);
            return -1;
        }
    }
    return 0;
}

int descriptor_close(file_t *file)
{
    release(file);
    return 0;
}

int descriptor_insert(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    if (!file || !d || !file->stmts) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    switch (d->cmd) {
    case DSC_INSERT_MAPDB:
        try {
            return insert_mapdb(file, d);
        } catch (const std::bad_alloc &) {
            errno = ENOMEM;
            return -1;
        }
    case DSC_INSERT_HEADER:
        return insert_header(file, d);
    default:
        errno = EINVAL;
        return -1;
    }
}

int64_t descriptor_count(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    if (!file || !d || (d->cmd != DSC_COUNT_CHUNKS && d->cmd != DSC_COUNT_VAULTS) || !stmt_of(file, d->cmd)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, d->cmd);
    StmtUse use(stmt);
    if (d->cmd == DSC_COUNT_CHUNKS && bind_hid_vid(stmt, d->hid, d->vid) != 0) {
        OLOG(OLOG_ERROR, "bind_hid_and_vid_to_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    if (sqlite3_step(stmt) != SQLITE_ROW)
        return db_fail(file, "count");
    return sqlite3_column_int64(stmt, 0);
}

int descriptor_search(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    sqlite3_stmt *stmt = d ? stmt_of(file, d->cmd) : nullptr;
    if (!stmt) {
        errno = EINVAL;
        return -1;
    }
    auto *worker = static_cast<restore_worker_t *>(d->worker);
    StmtUse use(stmt);
    bool bound = true;
    if (d->scheme == RESTORE_BY_FOFFSET && worker && d->cmd == DSC_RESTORE_BY_FOFFSET) {
        OLOG(OLOG_DEBUG, "chunks: [%llu,%llu]", static_cast<unsigned long long>(worker->cstart),
             static_cast<unsigned long long>(worker->cend));
        bound = bind_hid_vid(stmt, worker->cstart, worker->cend) == 0;
    } else if (d->scheme == RESTORE_BY_VID && d->cmd == DSC_RESTORE_BY_VID) {
        int64_t hid = worker ? worker->hid : d->hid, vid = worker ? worker->vid : d->vid;
        OLOG(OLOG_DEBUG, "(hid,vid)=(%d,%lld)", static_cast<int>(hid), static_cast<long long>(vid));
        bound = bind_hid_vid(stmt, hid, vid) == 0;
    } else if (sqlite3_bind_parameter_count(stmt) == 2) {
        bound = bind_hid_vid(stmt, d->lbound, d->ubound) == 0;
    }
    if (!bound) {
        OLOG(OLOG_ERROR, "%s: %s", path_of(file), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    if (walk_rows(file, stmt, d->callback, d) != 0)
        return -1;
    if (worker)
        worker->restore_lastchunk = true;
    if (d->callback && d->callback(file, stmt, d) != 0) {
        errno = EINTR;
        return -1;
    }
    return 0;
}

int descriptor_commit(file_t *file)
{
    MutexLock lock(&file->mutex);
    if (sqldb_begin_transaction(file->sdb) != 0)
        return db_fail(file, "begin transaction");
    if (update_filesize_locked(file, file->size) != 0) {
        ErrnoSaver keep;
        OLOG(OLOG_ERROR, "%s: sync filesize to descriptor, errno=%d", path_of(file), errno);
        sqldb_rollback_transaction(file->sdb);
        return -1;
    }
    if (file->dirtymap && file->dirtymap->ptr) {
        for (uint64_t rid = 0; rid < file->dirtymap->num_bits; rid++) {
            if (read_bit(file->dirtymap, rid) == OCCUPIED_BIT && setdirty_locked(file, static_cast<int64_t>(rid)) != 0) {
                ErrnoSaver keep;
                OLOG(OLOG_ERROR, "%s: sync dirtymap to descriptor, errno=%d", path_of(file), errno);
                sqldb_rollback_transaction(file->sdb);
                return -1;
            }
        }
    }
    if (sqldb_commit_transaction(file->sdb) != 0) {
        sqldb_rollback_transaction(file->sdb);
        return db_fail(file, "commit");
    }
    if (sqlite3_wal_checkpoint_v2(file->sdb, nullptr, SQLITE_CHECKPOINT_FULL, nullptr, nullptr) != SQLITE_OK)
        return db_fail(file, "sqlite3_wal_checkpoint_v2");
    return 0;
}

int descriptor_ftruncate64(file_t *file, uint64_t size)
{
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, DSC_FTRUNCATE);
    if (!stmt)
        return -1;
    StmtUse use(stmt);
    if (size > static_cast<uint64_t>(INT64_MAX) || sqlite3_bind_int64(stmt, 1, static_cast<int64_t>(size)) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_to_ftruncate_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return db_fail(file, "ftruncate");
    return 0;
}

char *descriptor_print_hdr(file_t *file)
{
    const auto *h = static_cast<const filehdr_t *>(file ? file->hdr : nullptr);
    if (!h) {
        errno = EINVAL;
        return nullptr;
    }
    try {
        nlohmann::ordered_json j;
        j["checksum"] = h->cksum;
        j["size"] = h->filesize;
        j["vault size"] = h->vaultsize;
        j["number of chunks"] = h->num_chunks;
        j["chunker"] = {{"algorithm", h->chk_algo},       {"minimum chunksize", h->min_chunksize},
                        {"maximum chunksize", h->max_chunksize}, {"prime", h->primemod},
                        {"x", h->x},                       {"window size", h->winsize}};
        const char *cry = h->cry_algo < CRYPTION_MAX ? crypter_methods[h->cry_algo]->name : "unknown";
        j["crypter"] = {{"algorithm", cry}};
        std::string text = j.dump(4);
        char *out = strdup(text.c_str());
        if (!out)
            errno = ENOMEM;
        return out;
    } catch (const std::exception &e) {
        OLOG(OLOG_ERROR, "parson_serialize_to_string_pretty: %s", e.what());
        errno = ENOMEM;
        return nullptr;
    }
}

void descriptor_update_cksum(file_t *file, uint64_t hash)
{
    MutexLock lock(&file->mutex);
    file->cksum += hash;
    if (file->hdr)
        static_cast<filehdr_t *>(file->hdr)->cksum += hash;
}

int descriptor_iter_chunks(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    if (!d || !stmt_of(file, DSC_ITER_CHUNKS_BY_VID)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, DSC_ITER_CHUNKS_BY_VID);
    StmtUse use(stmt);
    if (bind_hid_vid(stmt, d->hid, d->vid) != 0) {
        OLOG(OLOG_ERROR, "%s: bind_hid_and_vid_to_stmt, %s", path_of(file), orvex::db::errmsg(file));
        errno = EIO;
        return -1;
    }
    return walk_rows(file, stmt, d->callback, d);
}

int descriptor_iter_vaults(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    if (!d || !stmt_of(file, DSC_ITER_ALL_VAULTS)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, DSC_ITER_ALL_VAULTS));
    return walk_rows(file, use.get(), d->callback, d);
}

int64_t descriptor_get_mapdb_maxrid(file_t *file)
{
    if (!stmt_of(file, DSC_GET_MAPDB_MAXRID))
        return -1;
    MutexLock lock(&file->mutex);
    return maxrid_locked(file);
}

chunkbase_t *descriptor_getchunk(file_t *file, int64_t fos)
{
    if (!stmt_of(file, DSC_GETCHUNK))
        return nullptr;
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, DSC_GETCHUNK);
    StmtUse use(stmt);
    if (sqlite3_bind_int64(stmt, 1, fos) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "bind_to_getchunk_stmt: %s", orvex::db::errmsg(file));
        errno = EIO;
        return nullptr;
    }
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        errno = ENODATA;
        return nullptr;
    }
    if (rc != SQLITE_ROW) {
        db_fail(file, "getchunk");
        return nullptr;
    }
    int64_t hid = sqlite3_column_int64(stmt, 0), vos = sqlite3_column_int64(stmt, 3),
            foffset = sqlite3_column_int64(stmt, 4), cks = sqlite3_column_int64(stmt, 5);
    if (!in_range(hid, INT32_MIN, INT32_MAX) || vos < 0 || foffset < 0 || !in_range(cks, 1, kMaxChunkSize)) {
        OLOG(OLOG_ERROR, "%s: corrupt chunk row at offset %lld (hid %lld, vos %lld, fos %lld, cks %lld)",
             path_of(file), static_cast<long long>(fos), static_cast<long long>(hid), static_cast<long long>(vos),
             static_cast<long long>(foffset), static_cast<long long>(cks));
        errno = EIO;
        return nullptr;
    }
    auto *base = static_cast<chunkbase_t *>(std::calloc(1, sizeof(chunkbase_t)));
    if (!base) {
        errno = ENOMEM;
        return nullptr;
    }
    base->hid = static_cast<int32_t>(hid);
    base->vid = sqlite3_column_int64(stmt, 1);
    base->dirty = sqlite3_column_int(stmt, 2);
    base->voffset = vos;
    base->foffset = foffset;
    base->chunksize = static_cast<int32_t>(cks);
    return base;
}

int descriptor_setdirty(file_t *file, int64_t rid)
{
    if (!stmt_of(file, DSC_SETDIRTY))
        return -1;
    MutexLock lock(&file->mutex);
    return setdirty_locked(file, rid);
}

int descriptor_getdirty(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    if (!d || !stmt_of(file, DSC_GETDIRTY)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, DSC_GETDIRTY));
    return walk_rows(file, use.get(), d->callback, d);
}

int descriptor_update_filesize(file_t *file, uint64_t size)
{
    if (!stmt_of(file, DSC_UPDATE_FILESIZE))
        return -1;
    MutexLock lock(&file->mutex);
    return update_filesize_locked(file, size);
}

int64_t descriptor_read_ranged_chunks(file_t *file, void *data)
{
    auto *d = static_cast<descriptor_data_t *>(data);
    if (!d || !d->callback || !stmt_of(file, DSC_READ_RANGED_CHUNKS)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    sqlite3_stmt *stmt = stmt_of(file, DSC_READ_RANGED_CHUNKS);
    StmtUse use(stmt);
    if (bind_hid_vid(stmt, d->lbound, d->ubound) != 0)
        return db_fail(file, "bind range");
    for (;;) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            return static_cast<int64_t>(d->copied);
        if (rc != SQLITE_ROW)
            return db_fail(file, "read_ranged_chunks");
        if (d->callback(file, stmt, d) < 0)
            return -1;
    }
}

int64_t descriptor_get_mapdb_filesize(file_t *file)
{
    if (!stmt_of(file, DSC_GET_MAPDB_FILESIZE))
        return -1;
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, DSC_GET_MAPDB_FILESIZE));
    if (sqlite3_step(use.get()) != SQLITE_ROW)
        return db_fail(file, "get_mapdb_filesize");
    int64_t size = sqlite3_column_int64(use.get(), 0); // NULL (empty map) reads as 0
    return size < 0 ? 0 : size;
}

int descriptor_get_frag_ratio(file_t *file, uint64_t *num_chunks, uint64_t *num_trans, double *ratio)
{
    if (!num_chunks || !num_trans || !ratio || !stmt_of(file, DSC_GET_FRAG_RATIO)) {
        errno = EINVAL;
        return -1;
    }
    MutexLock lock(&file->mutex);
    StmtUse use(stmt_of(file, DSC_GET_FRAG_RATIO));
    uint64_t chunks = 0, trans = 0;
    int64_t prev_hid = 0, prev_vid = 0;
    for (;;) {
        int rc = sqlite3_step(use.get());
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            return db_fail(file, "get_frag_ratio");
        int64_t hid = sqlite3_column_int64(use.get(), 0), vid = sqlite3_column_int64(use.get(), 1);
        if (chunks > 0 && (hid != prev_hid || vid != prev_vid))
            trans++;
        prev_hid = hid;
        prev_vid = vid;
        chunks++;
    }
    *num_chunks = chunks;
    *num_trans = trans;
    *ratio = chunks ? 100.0 * static_cast<double>(trans) / static_cast<double>(chunks) : 0.0;
    return 0;
}

int print_row(void *, int argc, char **argv, char **)
{
    if (argc < 6)
        return 0;
    std::printf("[%8s, %3s, %15s, %10s, %10s, %15s]\n", argv[0] ? argv[0] : "", argv[1] ? argv[1] : "",
                argv[2] ? argv[2] : "", argv[3] ? argv[3] : "", argv[4] ? argv[4] : "", argv[5] ? argv[5] : "");
    return 0;
}

} // namespace

extern "C" {

int descriptor2dirtymap(file_t *descriptor, bitmap_t *bitmap) noexcept
{
    if (!descriptor || !bitmap || !descriptor->sdb) {
        errno = EINVAL;
        return -1;
    }
    sqlite3_stmt *stmt = sqldb_prepare_stmt(descriptor->sdb, "SELECT RID, DIRTY FROM mapdb WHERE DIRTY != 0;");
    if (!stmt)
        return -1;
    int result = 0;
    for (;;) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW) {
            result = db_fail(descriptor, "descriptor2dirtymap");
            break;
        }
        int64_t rid = sqlite3_column_int64(stmt, 0);
        OLOG(OLOG_DEBUG, "dirty chunk: rid=%lld", static_cast<long long>(rid));
        if (rid < 0) {
            OLOG(OLOG_ERROR, "invalid rid: rid=%lld", static_cast<long long>(rid));
            errno = EINVAL;
            result = -1;
            break;
        }
        if (mark_bit(bitmap, static_cast<uint64_t>(rid), BITMAP_SIMPLE) != 0) {
            OLOG(OLOG_ERROR, "mark_bit: rid=%lld", static_cast<long long>(rid));
            errno = EINVAL;
            result = -1;
            break;
        }
    }
    ErrnoSaver keep;
    sqlite3_finalize(stmt);
    return result;
}

int dirtymap2descriptor(file_t *descriptor, bitmap_t *bitmap) noexcept
{
    if (!descriptor || !bitmap || !stmt_of(descriptor, DSC_SETDIRTY)) {
        errno = EINVAL;
        return -1;
    }
    OLOG(OLOG_DEBUG, "update chunks' dirty field, number of bits to be updated=%lld",
         static_cast<long long>(bitmap->num_bits));
    for (uint64_t rid = 0; rid < bitmap->num_bits; rid++) {
        if (read_bit(bitmap, rid) != OCCUPIED_BIT)
            continue;
        if (descriptor_setdirty(descriptor, static_cast<int64_t>(rid)) != 0) {
            OLOG(OLOG_ERROR, "update chunks to dirty: rid=%lld", static_cast<long long>(rid));
            return -1;
        }
    }
    return 0;
}

int descriptor_get_chunk_info(const char *path) noexcept
{
    file_t *file = file_open(path, &descriptor_operations, OS_O_RDWR, 0, nullptr);
    if (!file)
        return -1;
    std::printf("[%8s, %3s, %15s, %10s, %10s, %15s]\n", "cid", "hid", "vid", "voffset", "csize", "foffset");
    char *msg = nullptr;
    int result = 0;
    if (sqlite3_exec(file->sdb, "SELECT CID, HID, VID, VOS, CKS, FOS FROM mapdb;", print_row, nullptr, &msg) !=
        SQLITE_OK) {
        OLOG(OLOG_ERROR, "sqlite3_exec: %s", msg ? msg : "");
        sqlite3_free(msg);
        errno = EIO;
        result = -1;
    }
    std::fflush(stdout);
    ErrnoSaver keep;
    file_close(file);
    return result;
}

const struct file_operations descriptor_operations = {
    .open = descriptor_open,
    .close = descriptor_close,
    .insert = descriptor_insert,
    .count = descriptor_count,
    .iter = nullptr,
    ._delete = nullptr,
    .search = descriptor_search,
    .update = nullptr,
    .query = nullptr,
    .reset = nullptr,
    .read = nullptr,
    .seek = nullptr,
    .write = nullptr,
    ._commit = descriptor_commit,
    .ftruncate64 = descriptor_ftruncate64,
    .fallocate = nullptr,
    .findmax = nullptr,
    .print_hdr = descriptor_print_hdr,
    .update_cksum = descriptor_update_cksum,
    .iter_zero_refcount_vaults = nullptr,
    .iter_chunks = descriptor_iter_chunks,
    .iter_vaults = descriptor_iter_vaults,
    .get_mapdb_maxrid = descriptor_get_mapdb_maxrid,
    .getchunk = descriptor_getchunk,
    .setdirty = descriptor_setdirty,
    .getdirty = descriptor_getdirty,
    .update_filesize = descriptor_update_filesize,
    .read_ranged_chunks = descriptor_read_ranged_chunks,
    .get_mapdb_filesize = descriptor_get_mapdb_filesize,
    .get_frag_ratio = descriptor_get_frag_ratio,
    .list = nullptr,
    .getpath = nullptr,
    .uprefcount = nullptr,
    .downrefcount = nullptr,
    .setino = nullptr,
};

} // extern "C"
