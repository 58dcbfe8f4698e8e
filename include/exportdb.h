/* Export database: the catalogue of a VESK container. It lists every
 * exported file and directory (data_files) with the byte ranges of its
 * stored data, sparse map and descriptor, and every vault (vaults) with its
 * byte range in the container. The kind is exportdb_operations (file.h);
 * arguments travel in an exportdb_data_t passed as `void *data`.
 *
 * Paths inside the database are joined with backslashes; the root directory
 * is the single data_files row with parent_ino 0 and its path is the empty
 * string (callers name it with a lone backslash). insert, update and getpath
 * hold the object's mutex; list, search, query, count and iter are called
 * from one thread per object. Database failures set errno EIO. */
#ifndef ORVEX_EXPORTDB_H
#define ORVEX_EXPORTDB_H

#include <stdint.h>
#include "file.h"
#include "header.h"
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef enum {
    VESK_FILETYPE_DIR = 0,
    VESK_FILETYPE_REG = 1,
    VESK_FILETYPE_LNK = 2,
    VESK_FILETYPE_BLK = 3,
    VESK_FILETYPE_CHR = 4,
    VESK_FILETYPE_FIFO = 5,
    VESK_FILETYPE_SOCK = 6
} vesk_filetype_t;

#define FS_VESK_FILE 0
#define FS_VESK_DIR 1
#define FS_VESK_NAME_MAX 255

/* One listed entry; valid only during the callback. */
typedef struct fs_vesk_item {
    char name[FS_VESK_NAME_MAX + 1];
    int64_t size;
    int32_t mtime;
    char type; /* FS_VESK_FILE or FS_VESK_DIR */
} fs_vesk_item;

typedef struct fs_vesk_stat {
    int32_t folder_count;
    int32_t file_count;
    int64_t total_size;
    int64_t ino;
    char type;
} fs_vesk_stat;

/* Called once per entry and once more with a NULL item after the last one;
 * a non-zero result stops the listing. */
typedef int (*fs_vesk_list_folder_callback)(void *instance, int version_id, const char *path, fs_vesk_item *item,
                                            void *user_data);

typedef enum {
    EXPORTDB_INSERT_DATA_FILES = 0,
    EXPORTDB_INSERT_HASHDB_FILES = 1,
    EXPORTDB_INSERT_VAULTS = 2,
    EXPORTDB_UPDATE_VAULTS = 3,
    EXPORTDB_ITER_VAULTS = 4,
    EXPORTDB_ITER_DATA_FILES = 5,
    EXPORTDB_ITER_HASHDB_FILES = 6,
    EXPORTDB_GETPATH_DATA = 7,
    EXPORTDB_GETPATH_HASHDB = 8,
    EXPORTDB_LIST = 9,
    EXPORTDB_STAT = 10,
    EXPORTDB_COUNT_SIZE = 11,
    EXPORTDB_COUNT_INOS = 12,
    EXPORTDB_COUNT_FOLDERS = 13,
    EXPORTDB_COUNT_FILES = 14,
    EXPORTDB_QUERY_VAULT_OFFSET = 15,
    EXPORTDB_QUERY_INO = 16,
    EXPORTDB_SEARCH = 17,
    EXPORTDB_MAX = 18
} exportdb_cmd_t;

/* Statements by command. */
ORVEX_COMMON_API extern const char *const exportdb_cmds[EXPORTDB_MAX];

typedef struct exportdb_data {
    int32_t cmd; /* exportdb_cmd_t */
    int32_t timestamp;
    int64_t num_vaults;
    int32_t hid;
    int64_t vid;
    int64_t refcount;
    int64_t offset;
    const char *uuid;
    const char *title;
    const char *path;
    const char *dstpath;
    const char *from;
    const char *to;
    const char *dir;
    int64_t parent_ino;
    int64_t ino;
    int filetype;
    int mtime;
    file_attr_t *attr; /* 48-byte record */
    const char *lnk;
    int64_t size;
    int64_t descriptor_offset;
    int64_t descriptor_size;
    int64_t descriptor_shm_offset;
    int64_t descriptor_shm_size;
    int64_t descriptor_wal_offset;
    int64_t descriptor_wal_size;
    int64_t sparse_offset;
    int64_t store_offset;
    int64_t sparse_size;
    int64_t store_size;
    file_t *vesk;
    int version_id;
    void *instance;
    void *user_data;
    fs_vesk_stat *result;
    file_row_callback_t callback;
    fs_vesk_list_folder_callback list_folder_callback;
    void *progress_cbk;
    int progress_offset;
    int progress_size;
} exportdb_data_t;

/* Callback of the search slot: receives a record filled from the entry's
 * row (strings valid only during the call). */
typedef int (*exportdb_search_callback_t)(file_t *file, struct sqlite3_stmt *stmt, void *data);

ORVEX_EXTERN_C_END

#endif
