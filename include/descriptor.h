/* Descriptor database (".ovd"): the header row of a backed-up file and its
 * chunk map, one mapdb row per chunk with its place in the file (FOS, CKS)
 * and in a vault (HID, VID, VOS). Rows with VID < 0 are in no vault and
 * every vault-oriented query skips them. The kind is descriptor_operations
 * (file.h); its `hdr` is a filehdr_t (header.h). Arguments travel in a
 * descriptor_data_t passed as `void *data`.
 *
 * Every slot but `search` holds the object's mutex while it uses a
 * statement; several restore workers call `search` concurrently only with
 * different commands. SQLite failures set errno EIO. */
#ifndef ORVEX_DESCRIPTOR_H
#define ORVEX_DESCRIPTOR_H

#include <stddef.h>
#include <stdint.h>
#include "bitmap.h"
#include "file.h"
#include "header.h"
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef enum {
    DSC_INSERT_MAPDB = 0,
    DSC_INSERT_HEADER = 1,
    DSC_UPDATE_FILESIZE = 2,
    DSC_ITER_ALL_VAULTS = 3,
    DSC_ITER_CHUNKS_BY_VID = 4,
    DSC_RESTORE_BY_PARTIAL = 5,
    DSC_RESTORE_BY_FOFFSET = 6,
    DSC_RESTORE_BY_VID = 7,
    DSC_SETDIRTY = 8,
    DSC_GETDIRTY = 9,
    DSC_FTRUNCATE = 10,
    DSC_COUNT_CHUNKS = 11,
    DSC_COUNT_VAULTS = 12,
    DSC_GET_HEADER = 13,
    DSC_GET_MAPDB_MAXRID = 14,
    DSC_GET_HEADER_FILESIZE = 15,
    DSC_GET_MAPDB_FILESIZE = 16,
    DSC_GET_FRAG_RATIO = 17,
    DSC_GET_MAPDB_DIRTY = 18,
    DSC_GET_MAPDB_FOS_AND_FOS_CKS = 19,
    DSC_GET_MAPDB_ALL_CHUNKS = 20,
    DSC_READ_RANGED_CHUNKS = 21,
    DSC_DELETE_CHUNKS = 22,
    DSC_GETCHUNK = 23,
    DSC_MAX = 24
} descriptor_cmd_t;

/* Statements by command, verbatim. */
ORVEX_COMMON_API extern const char *const descriptor_cmds[DSC_MAX];

/* Column list of a chunk row as the restore queries return it. */
typedef struct descriptor_data {
    int cmd; /* descriptor_cmd_t */
    int hid;
    int64_t vid;
    int cid;
    int64_t voffset; /* 64-bit: vault offsets are never truncated */
    uint64_t sig;
    int dirty;
    file_row_callback_t callback;
    file_t *viddb;
    file_t *vaultdb;
    int scheme;   /* restore_scheme_t */
    void *worker; /* restore_worker_t of the restore engine */
    int do_ecc;
    int64_t lbound;
    int64_t ubound;
    void *in;
    void *out;
    void *ctx;
    const char *vaultdir;
    size_t copied;
    void *instance;
    int version_id;
    file_t *restore;
    const char *path;
    const char *dstpath;
    const char *from;
    const char *to;
    uint64_t vesk_offset; /* offset inside the VESK container */
    uint64_t num_chunks_restored;
    void *progress_cbk;
    int progress_offset;
    int progress_size;
    void *user_data;
    file_t *report;
    file_t *tempdb;
    file_t *keepdb;
    filehdr_t *hdr;
    int store_blobsize;
    int chunksize;
    int64_t foffset;
    uint8_t *hash;
    int hash_len;
    bitmap_t *dirtymap;
} descriptor_data_t;

/* Marks bit RID of `bitmap` for every row with DIRTY != 0 (EINVAL for a
 * negative RID or one beyond the bitmap). 0 or -1. */
ORVEX_COMMON_API int descriptor2dirtymap(file_t *descriptor, bitmap_t *bitmap) ORVEX_NOEXCEPT;
/* Sets DIRTY=1 for every RID whose bit is set. 0 or -1. */
ORVEX_COMMON_API int dirtymap2descriptor(file_t *descriptor, bitmap_t *bitmap) ORVEX_NOEXCEPT;
/* Prints the chunk rows of the descriptor at `path` to standard output. */
ORVEX_COMMON_API int descriptor_get_chunk_info(const char *path) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
