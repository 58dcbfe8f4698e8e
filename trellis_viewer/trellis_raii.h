// Owners of the handles the library works with, so every exit path releases
// them. Internal to libtrellis-vesk.
#pragma once

#include <sqlite3.h>

#include <cstdio>
#include <utility>

namespace orvex::trellis {

// An open SQLite connection; closed (forcibly, after finalising nothing else
// is left) when the owner goes away.
class Db {
public:
    Db() = default;
    explicit Db(sqlite3 *db) : db_(db) {}
    ~Db() { reset(); }
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;
    Db(Db &&o) noexcept : db_(std::exchange(o.db_, nullptr)) {}
    Db &operator=(Db &&o) noexcept
    {
        if (this != &o) {
            reset();
            db_ = std::exchange(o.db_, nullptr);
        }
        return *this;
    }
    sqlite3 *get() const { return db_; }
    sqlite3 **out() { reset(); return &db_; }
    sqlite3 *release() { return std::exchange(db_, nullptr); }
    void reset()
    {
        if (db_)
            sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    explicit operator bool() const { return db_ != nullptr; }

private:
    sqlite3 *db_ = nullptr;
};

// A prepared statement, finalised when the owner goes away.
class Stmt {
public:
    Stmt() = default;
    ~Stmt() { reset(); }
    Stmt(const Stmt &) = delete;
    Stmt &operator=(const Stmt &) = delete;
    Stmt(Stmt &&o) noexcept : st_(std::exchange(o.st_, nullptr)) {}
    Stmt &operator=(Stmt &&o) noexcept
    {
        if (this != &o) {
            reset();
            st_ = std::exchange(o.st_, nullptr);
        }
        return *this;
    }
    // SQLITE_OK or the prepare error.
    int prepare(sqlite3 *db, const char *sql)
    {
        reset();
        return sqlite3_prepare_v2(db, sql, -1, &st_, nullptr);
    }
    sqlite3_stmt *get() const { return st_; }
    // The finalise result, so callers can report a failing finalise.
    int finalize() { return sqlite3_finalize(std::exchange(st_, nullptr)); }
    void reset()
    {
        if (st_)
            sqlite3_finalize(st_);
        st_ = nullptr;
    }
    explicit operator bool() const { return st_ != nullptr; }

private:
    sqlite3_stmt *st_ = nullptr;
};

// A C stream, closed when the owner goes away.
class File {
public:
    File() = default;
    explicit File(FILE *f) : f_(f) {}
    ~File() { reset(); }
    File(const File &) = delete;
    File &operator=(const File &) = delete;
    FILE *get() const { return f_; }
    // The fclose result (a failing close of a written file is a failed write).
    int close() { return f_ ? std::fclose(std::exchange(f_, nullptr)) : 0; }
    void reset()
    {
        if (f_)
            std::fclose(f_);
        f_ = nullptr;
    }
    explicit operator bool() const { return f_ != nullptr; }

private:
    FILE *f_ = nullptr;
};

} // namespace orvex::trellis
