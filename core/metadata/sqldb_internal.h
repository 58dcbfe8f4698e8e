// Pieces shared by the database kinds: statement guards, column readers
// with bounds, and the command-table plumbing.
#pragma once

#include "file.h"
#include "sqldb.h"
#include "zlog.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace orvex::db {

// Resets a prepared statement and clears its bindings when the scope ends,
// so the next user finds it fresh whatever path this one left by.
class StmtUse {
public:
    explicit StmtUse(sqlite3_stmt *stmt) noexcept : stmt_(stmt) {}
    ~StmtUse()
    {
        if (stmt_) {
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
        }
    }
    StmtUse(const StmtUse &) = delete;
    StmtUse &operator=(const StmtUse &) = delete;
    sqlite3_stmt *get() const noexcept { return stmt_; }

private:
    sqlite3_stmt *stmt_;
};

// Keeps errno across the clean-up that follows a failure.
class ErrnoSaver {
public:
    ErrnoSaver() noexcept : saved_(errno) {}
    ~ErrnoSaver() { errno = saved_; }
    ErrnoSaver(const ErrnoSaver &) = delete;
    ErrnoSaver &operator=(const ErrnoSaver &) = delete;

private:
    int saved_;
};

inline const char *errmsg(const file_t *file)
{
    return file && file->sdb ? sqlite3_errmsg(file->sdb) : "no database";
}

// The statement of command `cmd`, or NULL (EINVAL) when the object has none.
inline sqlite3_stmt *stmt_of(const file_t *file, int cmd)
{
    if (!file || !file->stmts || cmd < 0 || static_cast<uint32_t>(cmd) >= file->num_stmts) {
        errno = EINVAL;
        return nullptr;
    }
    return file->stmts[cmd];
}

// Text of a column with its byte length; NULL text reads as "".
inline const char *column_text(sqlite3_stmt *stmt, int col, int *len)
{
    const unsigned char *t = sqlite3_column_text(stmt, col);
    *len = t ? sqlite3_column_bytes(stmt, col) : 0;
    return t ? reinterpret_cast<const char *>(t) : "";
}

inline int bind_text_or_null(sqlite3_stmt *stmt, int idx, const char *text)
{
    return text ? sqlite3_bind_text(stmt, idx, text, -1, SQLITE_TRANSIENT) : sqlite3_bind_null(stmt, idx);
}

} // namespace orvex::db
