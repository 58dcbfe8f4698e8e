/* File objects: one uniform record, file_t, driven by a table of operations
 * per on-disk kind (container, vault, vault directory, descriptor, export
 * database, vault-id database, plain file).
 *
 * file_open and file_close are the only generic entry points; everything
 * else is done through the kind's slots (file->fops->read(...)). A caller
 * only calls slots its kind fills; every slot may be NULL. Database kinds
 * receive their arguments through one command record per kind, passed as
 * `void *data`.
 *
 * Threads: a file_t is not locked except for `cksum` and the prepared
 * statements of database kinds (guarded by `mutex`). Several threads may read
 * one vault through separate file_t objects; one file_t with an fd must not be
 * shared by threads that seek. */
#ifndef ORVEX_FILE_H
#define ORVEX_FILE_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <sys/types.h>
#include "bitmap.h"
#include "chunk.h"
#include "header.h"
#include "orvex_export.h"
#include "util/syscall.h"
#include "util/thread.h"

#if defined(_MSC_VER)
#include <BaseTsd.h>
typedef SSIZE_T ssize_t;
#endif

ORVEX_EXTERN_C_BEGIN

struct sqlite3;
struct sqlite3_stmt;

/* os_flags: the runtime library's open flags, as the callers pass them on
 * every platform. The kinds translate them to the native flags. */
#define OS_O_RDONLY 0x0000
#define OS_O_WRONLY 0x0001
#define OS_O_RDWR 0x0002
#define OS_O_ACCMODE 0x0003 /* mode 3 is rejected with EINVAL by every kind */
#define OS_O_NOJOURNAL 0x0080 /* databases: open without a journal */
#define OS_O_CREAT 0x0100
#define OS_O_TRUNC 0x0200
#define OS_O_BINARY 0x8000

/* file_flags bits. */
#define FILE_FLAG_INMEMORY 0x04       /* database: an in-memory database instead of the path */
#define FILE_FLAG_VERIFY_CKSUM 0x08   /* vault: verify the content checksum when opening */
#define FILE_FLAG_REMOVE 0x10         /* remove the path (a directory recursively) on close */
#define FILE_FLAG_SYNC 0x20           /* vault: flush before closing; database: synchronous=NORMAL */
#define FILE_FLAG_SYNC_FULL 0x40      /* database: synchronous=FULL (neither: OFF) */
#define FILE_FLAG_CHECKPOINT 0x200    /* database: WAL checkpoint before closing */
#define FILE_FLAG_DIRTYMAP 0x800      /* descriptor: build the dirty map when opening */

typedef struct file file_t;

/* Row callback of the database kinds: (file, statement, command record). */
typedef int (*file_row_callback_t)(file_t *file, struct sqlite3_stmt *stmt, void *data);

typedef struct file {
    int flags;      /* file_flags given to file_open */
    char *path;     /* private copy; NULL when file_open got NULL */
    void *hdr;      /* kind header installed by open (filehdr_t, vesk_hdr_t), released by close */
    uint64_t size;  /* header's file size when the kind installed a filehdr_t, else st.st_size */
    int64_t num_blobs;      /* descriptor: number of chunk rows (next row id) */
    int64_t num_data_blobs; /* chunks stored in a vault (writers) */
    uint64_t cksum;         /* sum of update_cksum values, under mutex */
    struct {
        int64_t start;
        int64_t stop;
    } perf;                 /* statistics only */
    orvex_mutex_t mutex;    /* guards cksum and the prepared statements */
    orvex_mutex_t writebatch_mutex; /* reserved for writers */
    orvex_lstat_t st;       /* filled by open from the path */
    const struct file_operations *fops;
    /* Kind part. Plain kinds use fd (-1 when closed) and map; database kinds
     * sdb, stmts (one per command), num_stmts and, for the descriptor,
     * dirtymap. Kept side by side rather than overlaid so that a kind can
     * never misread another kind's field. */
    int fd;
    void *map;
    struct sqlite3 *sdb;
    struct sqlite3_stmt **stmts;
    uint32_t num_stmts;
    bitmap_t *dirtymap;
} file_t;

struct file_operations {
    int (*open)(file_t *file, int os_flags, int file_flags, void *priv);
    int (*close)(file_t *file);
    int (*insert)(file_t *file, void *data);
    int64_t (*count)(file_t *file, void *data);
    int (*iter)(file_t *file, void *data);
    int (*_delete)(file_t *file, void *data);
    int (*search)(file_t *file, void *data);
    int (*update)(file_t *file, void *data);
    int64_t (*query)(file_t *file, void *data);
    int (*reset)(file_t *file);
    /* size*nmemb bytes; the bytes transferred, or -1. */
    ssize_t (*read)(file_t *file, void *ptr, size_t size, size_t nmemb);
    /* New position, or negative. */
    int64_t (*seek)(file_t *file, int64_t offset, int whence);
    ssize_t (*write)(file_t *file, const void *ptr, size_t size, size_t nmemb);
    int (*_commit)(file_t *file);
    int (*ftruncate64)(file_t *file, uint64_t size);
    int (*fallocate)(file_t *file, uint64_t size);
    int64_t (*findmax)(file_t *file, void *data);
    /* Header as pretty-printed JSON; the caller frees it. */
    char *(*print_hdr)(file_t *file);
    /* Adds `hash` to cksum under the mutex. */
    void (*update_cksum)(file_t *file, uint64_t hash);
    int (*iter_zero_refcount_vaults)(file_t *file, void *data);

    /* Kind extensions (each kind fills only its own). */
    /* descriptor */
    int (*iter_chunks)(file_t *file, void *data);
    int (*iter_vaults)(file_t *file, void *data);
    int64_t (*get_mapdb_maxrid)(file_t *file);
    /* The chunk covering file offset `fos` in a new chunkbase_t (caller
     * frees); NULL with ENODATA when none, EIO on database failure. */
    chunkbase_t *(*getchunk)(file_t *file, int64_t fos);
    int (*setdirty)(file_t *file, int64_t rid);
    int (*getdirty)(file_t *file, void *data);
    int (*update_filesize)(file_t *file, uint64_t size);
    int64_t (*read_ranged_chunks)(file_t *file, void *data);
    int64_t (*get_mapdb_filesize)(file_t *file);
    int (*get_frag_ratio)(file_t *file, uint64_t *num_chunks, uint64_t *num_trans, double *ratio);
    /* export database */
    int (*list)(file_t *file, void *data);
    /* A new string (caller frees); NULL with errno 0 when the entry has no row. */
    char *(*getpath)(file_t *file, void *data);
    /* vault-id database */
    int (*uprefcount)(file_t *file, void *data);
    int (*downrefcount)(file_t *file, void *data);
    int (*setino)(file_t *file, int64_t ino);
};

/* Kinds. */
ORVEX_COMMON_API extern const struct file_operations rawfile_operations;   /* plain file */
ORVEX_COMMON_API extern const struct file_operations vesk_operations;      /* VESK container */
ORVEX_COMMON_API extern const struct file_operations vaultfile_operations; /* vault file */
ORVEX_COMMON_API extern const struct file_operations vaultdir_operations;  /* vault directory */
ORVEX_COMMON_API extern const struct file_operations descriptor_operations; /* descriptor database */
ORVEX_COMMON_API extern const struct file_operations exportdb_operations;  /* export database */
ORVEX_COMMON_API extern const struct file_operations viddb_operations;     /* vault-id database */

/* Opens `path` (may be NULL for kinds that allow it) as the kind `fops`.
 * NULL with errno on failure (EINVAL for a NULL fops or access mode 3;
 * otherwise as the kind's open left it); nothing stays allocated. */
ORVEX_COMMON_API file_t *file_open(const char *path, const struct file_operations *fops, int os_flags, int file_flags,
                                   void *priv) ORVEX_NOEXCEPT;
/* Calls the kind's close, then, with FILE_FLAG_REMOVE, removes the path (a
 * directory recursively, never following links) even if close failed;
 * failures are logged only. NULL is ignored. Returns close's result (0
 * without a close slot). */
ORVEX_COMMON_API int file_close(file_t *file) ORVEX_NOEXCEPT;

/* 1 regular file, 0 something else, -1 on failure (errno). */
ORVEX_COMMON_API int is_file_regular(const char *path) ORVEX_NOEXCEPT;
/* 1 directory, 0 something else, -1 on failure (errno). */
ORVEX_COMMON_API int is_dir_exist(const char *path) ORVEX_NOEXCEPT;
/* 1 exists, 0 missing (ENOENT), -1 for NULL or another error. */
ORVEX_COMMON_API int is_file_exist(const char *path) ORVEX_NOEXCEPT;

/* 0 when `path` is a regular file that opens as a descriptor (filetype 0)
 * or as a vault (filetype 1); -1 otherwise (EINVAL for another filetype). */
ORVEX_COMMON_API int orvex_format_checker(const char *path, int filetype) ORVEX_NOEXCEPT;
/* Header of a ".ovd" descriptor or ".ovt" vault as JSON text (caller frees);
 * for a vault the content checksum is also checked and the result logged.
 * NULL for any other extension or on failure. */
ORVEX_COMMON_API char *orvex_header_dump(const char *path) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
