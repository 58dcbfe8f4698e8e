/* The SQLite opener and statement helpers shared by every database kind
 * (descriptor, export database, vault-id database).
 *
 * Databases read from a backup folder or a container are untrusted input:
 * every connection is opened with SQLite's defensive settings (defensive
 * mode, untrusted schema, cell size checks). */
#ifndef ORVEX_SQLDB_H
#define ORVEX_SQLDB_H

#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

struct sqlite3;
struct sqlite3_stmt;

/* Opens `path` (or an in-memory database with file flag 0x04) and
 * configures it: synchronous by file flags 0x20/0x40, journal WAL (or OFF
 * with os_flags 0x80), temp_store memory, auto_vacuum 0, locking NORMAL,
 * cache_size 8000, page_size 4096, busy_timeout 10000. Configuration runs
 * under an exclusive lock on "<temp folder>/<file name>.lock", so concurrent
 * opens of one database name proceed one after the other across threads
 * and processes. Access mode 0 opens read-only, 1 and 2 read-write, 3 fails
 * (EINVAL); os_flags 0x100 creates. NULL with errno on failure. */
ORVEX_COMMON_API struct sqlite3 *sqldb_open(const char *path, int os_flags, int file_flags) ORVEX_NOEXCEPT;
/* Optional full WAL checkpoint, then close. 0 or -1; NULL is ignored. */
ORVEX_COMMON_API int sqldb_close(struct sqlite3 *db, int do_checkpoint) ORVEX_NOEXCEPT;
/* Full WAL checkpoint. 0 or -1 (EIO). */
ORVEX_COMMON_API int sqldb_sync(struct sqlite3 *db) ORVEX_NOEXCEPT;
/* Executes `sql`. 0 or -1 (EIO). */
ORVEX_COMMON_API int sqldb_create_table(struct sqlite3 *db, const char *sql) ORVEX_NOEXCEPT;
/* NULL (EIO) when the statement does not compile. */
ORVEX_COMMON_API struct sqlite3_stmt *sqldb_prepare_stmt(struct sqlite3 *db, const char *sql) ORVEX_NOEXCEPT;
/* `max_cmds` statements in a new array (release with sqldb_finalize_stmts);
 * NULL when any fails, with nothing left allocated. */
ORVEX_COMMON_API struct sqlite3_stmt **sqldb_prepare_stmts(struct sqlite3 *db, const char *const *cmds,
                                                          int max_cmds) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void sqldb_finalize_stmts(struct sqlite3_stmt **stmts, int n) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int sqldb_begin_transaction(struct sqlite3 *db) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int sqldb_commit_transaction(struct sqlite3 *db) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int sqldb_rollback_transaction(struct sqlite3 *db) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
