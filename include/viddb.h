/* Vault-id database: the restore engine's temporary working list of vaults
 * (items: hid, vid, size, refcount). The kind is viddb_operations (file.h);
 * arguments travel in a viddb_data_t. Every statement slot except
 * iter_zero_refcount_vaults holds the object's mutex. */
#ifndef ORVEX_VIDDB_H
#define ORVEX_VIDDB_H

#include <stdint.h>
#include "file.h"
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef enum {
    VIDDB_INSERT = 0,
    VIDDB_ITER = 1,
    VIDDB_DELETE = 2,
    VIDDB_COUNT = 3,
    VIDDB_QUERY = 4,
    VIDDB_SEARCH = 5,
    VIDDB_UPREFCOUNT = 6,
    VIDDB_DOWNREFCOUNT = 7,
    VIDDB_SETINO = 8,
    VIDDB_ITER_ZERO_REFCOUNT_VAULTS = 9,
    VIDDB_MAX = 10
} viddb_cmd_t;

ORVEX_COMMON_API extern const char *const viddb_cmds[VIDDB_MAX];

typedef struct viddb_data {
    int timestamp;
    int32_t hid;
    int64_t vid;
    int64_t filesize;
    int64_t refcount;
    int64_t count;
    int64_t rid_offset; /* iter: first vid */
    int64_t rid_length; /* iter: at most this many rows */
    const char *vaultdir;
    void *statis;
    void *list;
    void *report;
    void *instance;
    file_row_callback_t callback;
} viddb_data_t;

ORVEX_EXTERN_C_END

#endif
