// The shared SQLite opener: the lock file that serialises configuration of
// one database name, the pragmas, the defensive settings for untrusted
// databases, and the statement helpers.
#include "sqldb.h"

#include "file.h"
#include "zlog.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// "<temp folder>/<last component of path>.lock". Both separators count, so
// a library path with backslashes names the same lock as its native form.
std::string lock_path_for(const char *path)
{
    std::string_view p(path);
    size_t cut = p.find_last_of("/\\");
    std::string_view name = cut == std::string_view::npos ? p : p.substr(cut + 1);
    std::error_code ec;
    std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec)
        tmp = "/tmp";
    return (tmp / (std::string(name) + ".lock")).string();
}

// Exclusive lock on the lock file while the connection is configured.
// flock() locks belong to the open file, so two threads of one process
// serialise as two processes do.
class OpenLock {
public:
    explicit OpenLock(const std::string &path) noexcept
    {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) {
            OLOG(OLOG_ERROR, "%s: open lock file, %s", path.c_str(), std::strerror(errno));
            return;
        }
        int rc;
        do {
            rc = ::flock(fd_, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            OLOG(OLOG_ERROR, "%s: lock, %s", path.c_str(), std::strerror(errno));
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~OpenLock()
    {
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_UN);
            ::close(fd_);
        }
    }
    OpenLock(const OpenLock &) = delete;
    OpenLock &operator=(const OpenLock &) = delete;
    bool held() const noexcept { return fd_ >= 0; }

private:
    int fd_ = -1;
};

struct Pragma {
    const char *name;
    const char *sql;
};

bool run_pragma(sqlite3 *db, const char *path, const Pragma &p)
{
    char *msg = nullptr;
    if (sqlite3_exec(db, p.sql, nullptr, nullptr, &msg) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "%s: set sqlite3 \"%s\": %s", path, p.name, msg ? msg : sqlite3_errmsg(db));
        sqlite3_free(msg);
        return false;
    }
    return true;
}

// Untrusted databases must not be able to run code of their own through
// the schema, nor crash the reader with malformed pages.
bool harden(sqlite3 *db, const char *path)
{
    int on = 0;
    if (sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, &on) != SQLITE_OK || !on) {
        OLOG(OLOG_ERROR, "%s: set sqlite3 \"defensive\": %s", path, sqlite3_errmsg(db));
        return false;
    }
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    return run_pragma(db, path, {"trusted_schema", "PRAGMA trusted_schema=OFF;"}) &&
           run_pragma(db, path, {"cell_size_check", "PRAGMA cell_size_check=ON;"});
}

bool configure(sqlite3 *db, const char *path, int os_flags, int file_flags)
{
    const char *sync = (file_flags & FILE_FLAG_SYNC)        ? "PRAGMA synchronous=NORMAL;"
                       : (file_flags & FILE_FLAG_SYNC_FULL) ? "PRAGMA synchronous=FULL;"
                                                            : "PRAGMA synchronous=OFF;";
    const char *journal = (os_flags & OS_O_NOJOURNAL) ? "PRAGMA journal_mode=OFF;" : "PRAGMA journal_mode=WAL;";
    bool read_only = (os_flags & OS_O_ACCMODE) == OS_O_RDONLY;
    const Pragma pragmas[] = {
        {"synchronous", sync},
        {"journal_mode", read_only ? nullptr : journal}, // a reader cannot change the journal
        {"temp_store", "PRAGMA temp_store=memory;"},
        {"auto_vacuum", "PRAGMA auto_vacuum=0;"},
        {"locking_mode", "PRAGMA locking_mode=NORMAL;"},
        {"cache_size", "PRAGMA cache_size=8000;"},
        {"page_size", "PRAGMA page_size=4096;"},
        {"busy_timeout", "PRAGMA busy_timeout=10000;"},
    };
    // Defensive mode forbids turning the journal off, so the pragmas come first.
    for (const Pragma &p : pragmas)
        if (p.sql && !run_pragma(db, path, p))
            return false;
    return harden(db, path);
}

} // namespace

extern "C" {

sqlite3 *sqldb_open(const char *path, int os_flags, int file_flags) noexcept
{
    bool in_memory = (file_flags & FILE_FLAG_INMEMORY) != 0;
    if (!path && !in_memory) {
        OLOG(OLOG_ERROR, "path is null");
        errno = EINVAL;
        return nullptr;
    }
    int mode = os_flags & OS_O_ACCMODE;
    if (mode == OS_O_ACCMODE) {
        OLOG(OLOG_ERROR, "%s: os_flags is not assigned", path ? path : ":memory:");
        errno = EINVAL;
        return nullptr;
    }
    int flags = mode == OS_O_RDONLY ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (os_flags & OS_O_CREAT)
        flags |= SQLITE_OPEN_CREATE;
    flags |= SQLITE_OPEN_NOMUTEX; // each object serialises its own statements

    sqlite3 *db = nullptr;
    if (in_memory) {
        if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            OLOG(OLOG_ERROR, "sqlite3_open for in-memory database: %s", db ? sqlite3_errmsg(db) : "out of memory");
            sqlite3_close_v2(db);
            errno = EIO;
            return nullptr;
        }
        if (!configure(db, ":memory:", os_flags, file_flags)) {
            sqlite3_close_v2(db);
            errno = EIO;
            return nullptr;
        }
        return db;
    }

    char native[ORVEX_MAX_PATH + 1];
    if (path_to_native(path, native, sizeof(native)) != 0) {
        OLOG(OLOG_ERROR, "%s: path_to_native, %s", path, std::strerror(errno));
        return nullptr;
    }
    OpenLock lock(lock_path_for(path));
    if (!lock.held()) {
        errno = EIO;
        return nullptr;
    }
    int rc = sqlite3_open_v2(native, &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        OLOG(OLOG_ERROR, "%s: sqlite3_open_v2, rc=%d", path, rc);
        sqlite3_close_v2(db);
        errno = rc == SQLITE_CANTOPEN ? ENOENT : EIO;
        return nullptr;
    }
    if (!configure(db, path, os_flags, file_flags)) {
        sqlite3_close_v2(db);
        errno = EIO;
        return nullptr;
    }
    return db;
}

int sqldb_close(sqlite3 *db, int do_checkpoint) noexcept
{
    if (!db)
        return 0;
    int result = 0;
    if (do_checkpoint) {
        int rc = sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_FULL, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            OLOG(OLOG_ERROR, "sqlite3_wal_checkpoint_v2: rc=%d", rc);
            result = -1;
        }
    }
    int rc = sqlite3_close_v2(db);
    if (rc != SQLITE_OK) {
        OLOG(OLOG_ERROR, "sqlite3_close_v2: rc=%d", rc);
        result = -1;
    }
    if (result != 0)
        errno = EIO;
    return result;
}

int sqldb_sync(sqlite3 *db) noexcept
{
    if (!db) {
        errno = EINVAL;
        return -1;
    }
    int rc = sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_FULL, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        OLOG(OLOG_ERROR, "sqlite3_wal_checkpoint_v2: rc=%d", rc);
        errno = EIO;
        return -1;
    }
    return 0;
}

int sqldb_create_table(sqlite3 *db, const char *sql) noexcept
{
    if (!db || !sql) {
        errno = EINVAL;
        return -1;
    }
    char *msg = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
        OLOG(OLOG_ERROR, "sqlite3_exec: %s", msg ? msg : sqlite3_errmsg(db));
        sqlite3_free(msg);
        errno = EIO;
        return -1;
    }
    return 0;
}

sqlite3_stmt *sqldb_prepare_stmt(sqlite3 *db, const char *sql) noexcept
{
    if (!db || !sql) {
        errno = EINVAL;
        return nullptr;
    }
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        OLOG(OLOG_ERROR, "sqlite3_prepare_v2: cmd=%s, rc=%d, msg=%s", sql, rc, sqlite3_errmsg(db));
        errno = EIO;
        return nullptr;
    }
    return stmt;
}

sqlite3_stmt **sqldb_prepare_stmts(sqlite3 *db, const char *const *cmds, int max_cmds) noexcept
{
    if (!db || !cmds || max_cmds <= 0) {
        errno = EINVAL;
        return nullptr;
    }
    auto **stmts = static_cast<sqlite3_stmt **>(std::calloc(static_cast<size_t>(max_cmds), sizeof(sqlite3_stmt *)));
    if (!stmts) {
        errno = ENOMEM;
        return nullptr;
    }
    for (int i = 0; i < max_cmds; i++) {
        if (sqlite3_prepare_v2(db, cmds[i], -1, &stmts[i], nullptr) != SQLITE_OK) {
            OLOG(OLOG_ERROR, "[%d]: \"%s\": %s", i, cmds[i], sqlite3_errmsg(db));
            sqldb_finalize_stmts(stmts, max_cmds);
            errno = EIO;
            return nullptr;
        }
    }
    return stmts;
}

void sqldb_finalize_stmts(sqlite3_stmt **stmts, int n) noexcept
{
    if (!stmts)
        return;
    for (int i = 0; i < n; i++)
        sqlite3_finalize(stmts[i]);
    std::free(stmts);
}

int sqldb_begin_transaction(sqlite3 *db) noexcept
{
    return sqldb_create_table(db, "BEGIN TRANSACTION;");
}

int sqldb_commit_transaction(sqlite3 *db) noexcept
{
    return sqldb_create_table(db, "COMMIT;");
}

int sqldb_rollback_transaction(sqlite3 *db) noexcept
{
    return sqldb_create_table(db, "ROLLBACK;");
}

} // extern "C"
