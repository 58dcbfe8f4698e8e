/* Restore engine internals that cross library boundaries: the restore
 * context with its cache of open vaults, the chunk fetch, the single-chunk
 * calls, the partial-range records, and the records of a restore instance
 * and its workers.
 *
 * Every restored byte passes through the chunk fetch: read the chunk header,
 * read the stored bytes, check them against the header's XXH64 signature,
 * repair them from their Reed-Solomon parities when they do not match,
 * decrypt, decompress.
 *
 * Results: 0 or a count on success; -1 or NULL with errno on failure
 * (EINVAL bad arguments or corrupt chunk, EIO short reads and descriptor
 * failures, EOVERFLOW a chunk that does not fit the caller's buffer).
 *
 * Threads: a restore context, its current vault and its cache serve one
 * thread at a time. Decryption through one crypter is safe from any number
 * of threads. get_chunk_from_disk may run on many threads at once as long as
 * each reads its own open file. */
#ifndef ORVEX_RESTORE_CTX_H
#define ORVEX_RESTORE_CTX_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include "bucket.h"
#include "chunk.h"
#include "counter.h"
#include "crypter.h"
#include "file.h"
#include "orvex_export.h"
#include "thpool.h"
#include "vaultlist.h"

ORVEX_EXTERN_C_BEGIN

/* Work orders; scheme2str holds their exact names. */
typedef enum {
    RESTORE_BY_FOFFSET = 0,   /* "file-offset": one contiguous range of chunk records per thread */
    RESTORE_BY_VID = 1,       /* "vault-id": one vault per thread, from the instance's vault list */
    RESTORE_BY_PARTIAL = 2,   /* "partial": byte ranges on demand */
    RESTORE_BY_READCHUNK = 3, /* "read-chunk": single chunks on demand */
    RESTORE_BY_MAX = 4
} restore_scheme_t;

ORVEX_RESTORE_API extern const char *const scheme2str[RESTORE_BY_MAX];

/* Capacity of the cache of open vaults of one context (or one worker). */
#define RESTORE_VAULT_CACHE_SIZE 16

/* Least-recently-used cache of open vaults: a circular doubly linked list
 * behind the sentinel `head`, most recently used first. A listed vault is
 * owned by the cache. Not locked. */
typedef struct vault_cache_ent {
    struct vault_cache_ent *next;
    struct vault_cache_ent *prev;
    uint32_t hid;
    uint64_t vid;
    file_t *vault;
} vault_cache_ent_t;

typedef struct vault_cache {
    uint8_t max;
    uint8_t cnt;
    vault_cache_ent_t head;
} vault_cache_t;

/* Restore context: one per instance (or per partial reader). */
typedef struct restore_ctx {
    bool short_vaultpath;  /* vault paths in the short form */
    uint64_t num_vaults;   /* vaults the descriptor references */
    crypter_t *cry;        /* not owned */
    file_t *viddb;         /* unused: the vault list is kept in `vaultlist` */
    int64_t chk_imin;      /* first and last chunk index of the descriptor */
    int64_t chk_imax;
    int64_t pfoffsets[2];  /* reserved */
    file_t *vault;         /* vault open for single-chunk reads */
    int32_t firstvault;    /* 1 until the first vault was opened */
    int32_t now_hid;       /* pair of `vault`, -1 when unknown */
    int64_t now_vid;
    vault_cache_t *vault_cache; /* owned, created on first use */
    void *vaultlist;       /* the descriptor's vaults, ordered by vid (private), owned */
} restore_ctx_t;

/* Partial-read request: `size` bytes from file offset `offset` of a file of
 * `filesize` bytes whose first `mapdb_filesize` bytes the descriptor's chunk
 * table covers; the rest and every dirty chunk come from the sparse file
 * `sfd` (-1: none, read as zeros). With `do_write` the sparse tail is only
 * counted, not read. */
typedef struct readin {
    int64_t offset;
    int64_t size;
    int64_t filesize;
    int64_t mapdb_filesize;
    int sfd;
    int do_write;
} readin_t;

/* Partial-read result: `readsize` is the buffer's capacity on entry and the
 * bytes delivered on return; `readbuf[0]` is file offset `readoffset`. */
typedef struct readout {
    uint8_t *readbuf;
    int64_t readoffset;
    int64_t readsize;
} readout_t;

struct instance;

/* One restorer thread of the pipeline. Each worker owns its descriptor
 * handle, output handle, open vaults and current bucket. */
typedef struct restore_worker {
    struct instance *instance;
    file_t *descriptor;   /* this worker's own handle on the descriptor */
    file_t *file;         /* this worker's own handle on the output file */
    int32_t tid;          /* worker number, 0 .. n-1 */
    int32_t hid;          /* vault of the vault order */
    int64_t vid;
    int64_t cstart;       /* record range of the file-offset order */
    int64_t cend;
    int64_t clen;
    bucket_t wbucket;     /* bucket being filled (cnt NULL when none) */
    uint8_t **buf;        /* num_buf buffer slots */
    uint64_t num_buf;
    uint64_t restore_foffset; /* file offset of the first byte in wbucket */
    uint32_t restore_hid;     /* vault the worker has open */
    uint64_t restore_vid;
    file_t *restore_vault;
    chunkbase_t restore_e;    /* last chunk copied into wbucket */
    bool restore_firsttime;   /* no vault opened yet */
    bool restore_lastchunk;   /* set by the descriptor search after its last row */
    vault_cache_t *vault_cache; /* this worker's own cache of open vaults, owned */
} restore_worker_t;

/* Restore instance. Callers of the single-chunk calls use `ctx` and `cry`;
 * everything else belongs to the restore_* calls. */
typedef struct instance {
    char *vaultdir_path;     /* owned */
    counter_t *counter;      /* owned */
    crypter_t *cry;          /* owned */
    uint32_t max_bucketsize; /* bytes per bucket */
    int fail;                /* set to 1 by any failing thread (atomic access) */
    char *tempdir_path;      /* owned */
    file_t *file;            /* output file */
    file_t *descriptor;
    vlist_t vlist;           /* vaults given by the caller for the vault order */
    thpool_ *restorers;
    thpool_ *savers;
    void *saver_sems;        /* counting semaphore of queued buckets (private) */
    int num_threads;
    int num_working_threads;
    int scheme;              /* restore_scheme_t */
    int do_ecc;
    int check_integrity;
    int readonly;
    int overwrite;
    restore_worker_t *workers; /* num_threads records */
    restore_ctx_t *ctx;
    uint32_t max_chunksize;
    bucketpool_t *bucketpool;
    bool short_vaultpath;
    uint8_t *pbuf;
    uint64_t poffset;
    uint64_t plen;
    char *file_path;         /* output path of the registered file, owned */
    uint64_t expect_cksum;   /* the descriptor header's checksum as registered */
} instance_t;

/* ---- Chunk fetch ---------------------------------------------------------
 * get_chunk_from_disk: one chunk from an open vault or container `file`,
 * its header at e->voffset. e->chunksize is the expected plain size; 0 or
 * less takes the header's value and writes it back. Returns a malloc'ed
 * buffer of e->chunksize bytes (caller frees), NULL on failure. `arc` is
 * ignored. `sig` (may be NULL) receives the XXH64 of the stored bytes when
 * they were checked. get_chunk_from_buffer: the same for a chunk whose
 * header starts at `buffer`, which holds `bufsize` bytes (reads never pass
 * them). */
ORVEX_RESTORE_API uint8_t *get_chunk_from_disk(void *arc, file_t *file, chunkbase_t *e, int do_ecc, crypter_t *cry,
                                               uint64_t *sig) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API uint8_t *get_chunk_from_buffer(void *buffer, uint64_t bufsize, chunkbase_t *e, int do_ecc,
                                                 crypter_t *cry, uint64_t *sig) ORVEX_NOEXCEPT;

/* Vault switching. open_next_vid returns the vault (new_hid, new_vid) under
 * `vaultdir`, positioned after its header, keeping the outgoing `vault`
 * (old_hid, old_vid) in the context's cache; NULL on failure, after which
 * the caller must treat its current vault as gone. open_next_vault does the
 * same by path, without the cache (the outgoing vault is closed). */
ORVEX_RESTORE_API file_t *open_next_vid(restore_ctx_t *ctx, const char *vaultdir, file_t *vault, uint32_t old_hid,
                                        uint64_t old_vid, uint32_t new_hid, uint64_t new_vid,
                                        bool first_in) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API file_t *open_next_vault(restore_ctx_t *ctx, const char *vault_p, file_t *vault,
                                          bool first_in) ORVEX_NOEXCEPT;

ORVEX_RESTORE_API vault_cache_t *vault_cache_create(uint8_t max) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void vault_cache_destroy(vault_cache_t *cache) ORVEX_NOEXCEPT;
/* The listed vault (moved to the front), or NULL. */
ORVEX_RESTORE_API file_t *vault_cache_lookup(vault_cache_t *cache, uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;
/* Lists `vault` (ownership passes to the cache); the least recently used
 * vault is closed when the cache is full. */
ORVEX_RESTORE_API void vault_cache_add(vault_cache_t *cache, uint32_t hid, uint64_t vid, file_t *vault) ORVEX_NOEXCEPT;
/* Removes (hid, vid) from the cache without closing it and returns it. */
ORVEX_RESTORE_API file_t *vault_cache_take(vault_cache_t *cache, uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;

/* Contexts. `descriptor` is needed by every order but "read-chunk". */
ORVEX_RESTORE_API restore_ctx_t *restore_ctx_create(file_t *descriptor, const char *tempdir, int scheme,
                                                    crypter_t *cry, counter_t *counter,
                                                    bool short_vaultpath) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_ctx_destroy(restore_ctx_t *ctx) ORVEX_NOEXCEPT;

/* ---- Single-chunk calls ---------------------------------------------------
 * Each returns the chunk's plain size (bytes written to the output buffer)
 * or -1 with errno. A chunk larger than the buffer fails with EOVERFLOW and
 * writes nothing. */
ORVEX_RESTORE_API int do_restore_chunk_from_vault(restore_ctx_t *ctx, crypter_t *cry, const char *vault,
                                                  uint32_t voffset, void *outbuf, uint32_t outbufsize) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int do_restore_chunk_from_vid(restore_ctx_t *ctx, crypter_t *cry, const char *vaultdir,
                                                uint32_t hid, uint64_t vid, uint32_t voffset, void *buf,
                                                uint32_t bufsize) ORVEX_NOEXCEPT;
/* `file` is the caller's open container or vault; it is not closed. */
ORVEX_RESTORE_API int do_restore_chunk_from_open_file(restore_ctx_t *ctx, crypter_t *cry, file_t *file,
                                                      uint64_t offset, void *outbuf,
                                                      uint32_t outbufsize) ORVEX_NOEXCEPT;
/* `outbufsize` is the exact plain size expected (0 accepts the header's);
 * a different size fails with "mismatched chunksize". Reads never pass
 * `inbufsize` bytes of `inbuf`. */
ORVEX_RESTORE_API int do_restore_chunk_from_buffer(restore_ctx_t *ctx, crypter_t *cry, void *inbuf,
                                                   uint32_t inbufsize, void *outbuf,
                                                   uint32_t outbufsize) ORVEX_NOEXCEPT;

/* ---- Partial range reads --------------------------------------------------
 * Bytes [in->offset, in->offset + in->size) of the registered file of a
 * "partial" instance. With `out` NULL a readout_t and a buffer of
 * readbuf_get_required_size bytes are allocated (free readbuf, then out).
 * Returns `out` with readsize = the bytes delivered, or NULL. */
ORVEX_RESTORE_API readout_t *restore_from_descriptor_and_sparse(instance_t *instance, readin_t *in,
                                                                readout_t *out) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int callback_read_chunk(file_t *descriptor, struct sqlite3_stmt *stmt, void *datap) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int64_t readbuf_get_required_size(readin_t *in, uint32_t max_chunksize) ORVEX_NOEXCEPT;

/* ---- Pipeline pieces (used by the restore_* calls, exported for tests) ---- */
ORVEX_RESTORE_API restore_worker_t *restore_worker_create(int num_workers) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_worker_reset(restore_worker_t *workers, int num_workers,
                                           bucketpool_t *pool) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_worker_destroy(restore_worker_t *workers, int num_workers) ORVEX_NOEXCEPT;
/* File-offset order: `len` chunk records from `offset` split into one
 * contiguous range per working thread, the remainder to the last. */
ORVEX_RESTORE_API int set_chunks_for_each_thread(restore_worker_t *workers, int num_threads, uint64_t offset,
                                                 uint64_t len, instance_t *instance) ORVEX_NOEXCEPT;
/* Vault order: gives each working thread one vault from the end of `list`
 * (which shrinks); returns the number of workers given a vault. */
ORVEX_RESTORE_API int set_vids_for_each_thread(instance_t *instance, vlist_t *list, uint64_t current) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
