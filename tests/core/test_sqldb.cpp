// The SQLite opener: access modes, pragmas, defensive settings, the lock
// file that serialises opens of one database name, statement helpers.
#include "file.h"
#include "log_capture.h"
#include "sqldb.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

using orvex::testkit::TempDir;

std::string pragma_text(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *stmt = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        out = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    return out;
}

TEST(SqlDb, OpensWithThePragmasAndDefensiveSettings)
{
    TempDir dir;
    std::string path = (dir / "a.db").string();
    sqlite3 *db = sqldb_open(path.c_str(), OS_O_RDWR | OS_O_CREAT, FILE_FLAG_SYNC);
    ASSERT_TRUE(db);
    EXPECT_EQ(pragma_text(db, "PRAGMA journal_mode;"), "wal");
    EXPECT_EQ(pragma_text(db, "PRAGMA synchronous;"), "1"); // NORMAL
    EXPECT_EQ(pragma_text(db, "PRAGMA cache_size;"), "8000");
    EXPECT_EQ(pragma_text(db, "PRAGMA busy_timeout;"), "10000");
    EXPECT_EQ(pragma_text(db, "PRAGMA temp_store;"), "2"); // memory
    EXPECT_EQ(pragma_text(db, "PRAGMA trusted_schema;"), "0");
    EXPECT_EQ(pragma_text(db, "PRAGMA cell_size_check;"), "1");
    int defensive = -1;
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, -1, &defensive);
    EXPECT_EQ(defensive, 1);
    // Defensive mode: the schema cannot be rewritten from SQL.
    EXPECT_EQ(sqldb_create_table(db, "CREATE TABLE t(a);"), 0);
    EXPECT_NE(sqlite3_exec(db, "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql='x';", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    EXPECT_EQ(sqldb_close(db, 1), 0);

    sqlite3 *nojournal = sqldb_open((dir / "b.db").string().c_str(), OS_O_RDWR | OS_O_CREAT | OS_O_NOJOURNAL,
                                    FILE_FLAG_SYNC_FULL);
    ASSERT_TRUE(nojournal);
    EXPECT_EQ(pragma_text(nojournal, "PRAGMA journal_mode;"), "off");
    EXPECT_EQ(pragma_text(nojournal, "PRAGMA synchronous;"), "2"); // FULL
    sqldb_close(nojournal, 0);
}

TEST(SqlDb, AccessModesAndBadArguments)
{
    TempDir dir;
    std::string path = (dir / "m.db").string();
    errno = 0;
    EXPECT_EQ(sqldb_open(nullptr, OS_O_RDWR, 0), nullptr);
    EXPECT_EQ(errno, EINVAL);
    errno = 0;
    EXPECT_EQ(sqldb_open(path.c_str(), OS_O_ACCMODE | OS_O_CREAT, 0), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(sqldb_open(path.c_str(), OS_O_RDWR, 0), nullptr) << "no create flag, no file";
    EXPECT_FALSE(std::filesystem::exists(path));

    sqlite3 *mem = sqldb_open(nullptr, OS_O_RDWR, FILE_FLAG_INMEMORY);
    ASSERT_TRUE(mem);
    EXPECT_EQ(sqldb_create_table(mem, "CREATE TABLE t(a);"), 0);
    sqldb_close(mem, 0);

    sqlite3 *w = sqldb_open(path.c_str(), OS_O_RDWR | OS_O_CREAT, 0);
    ASSERT_EQ(sqldb_create_table(w, "CREATE TABLE t(a); INSERT INTO t VALUES (1);"), 0);
    sqldb_close(w, 1);
    sqlite3 *r = sqldb_open(path.c_str(), OS_O_RDONLY, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(sqldb_create_table(r, "INSERT INTO t VALUES (2);"), -1) << "read-only";
    EXPECT_EQ(errno, EIO);
    sqldb_close(r, 0);
}

TEST(SqlDb, PrepareStatementsAllOrNothing)
{
    sqlite3 *db = sqldb_open(nullptr, OS_O_RDWR, FILE_FLAG_INMEMORY);
    ASSERT_EQ(sqldb_create_table(db, "CREATE TABLE t(a);"), 0);
    const char *good[] = {"SELECT a FROM t;", "INSERT INTO t VALUES (?);"};
    sqlite3_stmt **stmts = sqldb_prepare_stmts(db, good, 2);
    ASSERT_TRUE(stmts);
    sqldb_finalize_stmts(stmts, 2);
    const char *bad[] = {"SELECT a FROM t;", "SELECT nope FROM t;"};
    orvex::test::LogCapture log;
    EXPECT_EQ(sqldb_prepare_stmts(db, bad, 2), nullptr); // the first one is finalised too (ASan)
    EXPECT_NE(log.text().find("[1]: \"SELECT nope FROM t;\""), std::string::npos);
    EXPECT_EQ(sqldb_begin_transaction(db), 0);
    EXPECT_EQ(sqldb_rollback_transaction(db), 0);
    EXPECT_EQ(sqldb_commit_transaction(db), -1) << "no transaction is open";
    sqldb_close(db, 0);
}

TEST(SqlDb, OpensOfOneNameWaitForTheLockFile)
{
    TempDir dir;
    std::string name = "lock-" + std::to_string(::getpid()) + ".db";
    std::string path = (dir / name).string();
    std::filesystem::path lock = std::filesystem::temp_directory_path() / (name + ".lock");

    // Hold the lock as another opener would.
    int fd = ::open(lock.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    std::atomic<bool> opened{false};
    sqlite3 *db = nullptr;
    std::thread opener([&] {
        db = sqldb_open(path.c_str(), OS_O_RDWR | OS_O_CREAT, 0);
        opened = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(opened.load()) << "the open must wait while the lock is held";
    ::flock(fd, LOCK_UN);
    ::close(fd);
    opener.join();
    ASSERT_TRUE(opened.load());
    ASSERT_TRUE(db);
    sqldb_close(db, 0);

    // Two threads opening the same database at once both get through.
    std::filesystem::remove(lock);
    std::thread a([&] { sqldb_close(sqldb_open(path.c_str(), OS_O_RDWR, 0), 0); });
    std::thread b([&] { sqldb_close(sqldb_open(path.c_str(), OS_O_RDWR, 0), 0); });
    a.join();
    b.join();
    EXPECT_TRUE(std::filesystem::exists(lock));
    std::filesystem::remove(lock);
}

} // namespace
