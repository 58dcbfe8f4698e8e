/* Chunk header and chunk records.
 *
 * Every chunk stored in a vault is preceded by a 128-byte chunk header in the
 * common framed-header layout (header.h): what was stored, how it was
 * transformed and which XXH64 signature the stored bytes must have.
 *
 * In memory there are three records:
 *  - chunk_hdr_t: the decoded chunk header;
 *  - chunkbase_t: the chunk locator that ties a place in a restored file to a
 *    place in a vault (filled from descriptor rows, used by the chunk fetch);
 *  - chunk_t: the working record of the chunk pipeline, lent out in arrays by
 *    a chunkpool_t.
 *
 * Offsets are 64-bit in memory even where an on-disk field is narrower. */
#ifndef ORVEX_CHUNK_H
#define ORVEX_CHUNK_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include "orvex_export.h"
#include "util/str.h"
#include "util/thread.h"

ORVEX_EXTERN_C_BEGIN

#define CHUNK_HDR_SIZE 128
#define CHUNK_IV_LEN 16
#define CHUNK_AAD_LEN 16
#define CHUNK_TAG_LEN 16
/* Largest values a chunk header may carry; anything above is rejected. */
#define CHUNK_MAX_CMP_ALGO 5
#define CHUNK_MAX_CRY_ALGO 3
#define CHUNK_MAX_PADDINGS 15

typedef struct chunk_hdr {
    uint32_t cid;             /* chunk id within its vault */
    uint32_t chunksize;       /* plain size, before compression and encryption */
    uint32_t store_chunksize; /* bytes stored after compression, encryption, padding */
    uint8_t num_paddings;     /* encryption padding bytes, 0..15 */
    uint8_t cmp_algo;         /* compressor id, 0..5 */
    uint8_t cry_algo;         /* crypter id, 0..3 */
    uint8_t ecc;              /* non-zero: the stored bytes carry Reed-Solomon parities */
    uint64_t sig;             /* XXH64 (seed 0) of the store_chunksize stored bytes */
    uint8_t *iv;              /* CHUNK_IV_LEN bytes, owned (malloc) */
    uint8_t *aad;             /* CHUNK_AAD_LEN bytes, owned (malloc) */
    uint8_t *tag;             /* CHUNK_TAG_LEN bytes, owned (malloc) */
} chunk_hdr_t;

/* Chunk locator. `voffset` is the absolute offset of the chunk header in the
 * vault file (or the container); it is 64-bit here so that no offset is ever
 * truncated on its way from a descriptor row to the chunk fetch. */
typedef struct chunkbase {
    uint64_t sig;           /* chunk signature */
    int64_t voffset;        /* offset of the chunk header in the vault */
    int64_t vid;            /* vault id; negative: the chunk is in no vault */
    int32_t hid;            /* vault group id */
    int32_t cid;            /* chunk id within the vault */
    int32_t chunksize;      /* plain size */
    int32_t dirty;          /* 0 or 1 */
    uint32_t tid;           /* worker id */
    uint32_t boffset;       /* offset inside a bucket */
    uint32_t special;       /* bit 0: a precomputed short hash is supplied */
    int32_t proc_chunksize; /* processed size */
    int64_t rid;            /* descriptor row id */
    int64_t foffset;        /* offset of the chunk in the restored file */
    bool indedupable;
} chunkbase_t;

typedef enum {
    CHUNK_STATUS_UNKNOWN = 0,
    NEW_HASH = 1,
    HIT_HASH = 2,
    HASH_COLLISION = 3,
    NEW_HASH_IN_IMHASHDB = 4,
    HIT_HASH_IN_IMHASHDB = 5,
    NEW_HASH_IN_IMHASHDB_NOT_INTO_HASHDB = 6,
    CHUNK_STATUS_MAX = 7
} chunk_status_t;

/* A key/value pair of owned buffers (either may be NULL). Released by
 * chunks_reset/chunks_put with the chunk that holds it. */
typedef struct extent_info {
    str_t *key;
    str_t *val;
} extent_info_t;

typedef struct chunk {
    int hash_len1;     /* length of the long hash */
    int hash_len2;     /* length of the short hash */
    uint8_t *hash;     /* long hash followed by the short hash (hash_len bytes), owned */
    chunkbase_t base;
    str_t *data;       /* owned */
    int status;        /* chunk_status_t */
    int cmp_algo;
    int cry_algo;
    int ecc;
    int num_paddings;
    uint8_t *iv;       /* owned */
    uint8_t *aad;      /* owned */
    uint8_t *tag;      /* owned */
    extent_info_t *extent_info; /* owned */
    int hash_len;      /* hash_len1 + hash_len2 */
} chunk_t;

/* A fixed set of chunk arrays lent to workers. `status[g]` is 1 while group
 * g is lent out; only `status` is guarded by `mutex`. */
typedef struct chunkpool {
    uint32_t num_groups;
    uint32_t num_chunks; /* chunks per group */
    uint32_t hash_len1;
    uint32_t hash_len2;
    uint8_t *status;
    chunk_t **chunks;    /* one array of num_chunks records per group */
    orvex_mutex_t mutex;
} chunkpool_t;

/* The chunk header. chunk_hdr_create takes ownership of iv, aad and tag
 * (malloc'ed, 16 bytes each, or NULL for zeros), also when it fails; NULL
 * with ENOMEM on failure. chunk_hdr_destroy frees the header and the three
 * buffers; NULL is ignored. */
ORVEX_COMMON_API chunk_hdr_t *chunk_hdr_create(uint32_t cid, uint32_t chunksize, uint32_t store_chunksize,
                                               uint8_t num_paddings, uint8_t cmp_algo, uint8_t cry_algo, uint8_t ecc,
                                               uint8_t *iv, uint8_t *aad, uint8_t *tag, uint64_t sig) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_hdr_destroy(chunk_hdr_t *hdr) ORVEX_NOEXCEPT;

/* Writes `hdr` (a chunk_hdr_t) as a 128-byte framed header into `codeword`
 * (capacity >= 128; used becomes 128): fields, XXH64 signature at 118 and,
 * with enable_ecc, two parity bytes at 126. 0, or -1 with EINVAL. On disk
 * the buffers come in the order iv, tag, aad; NULL buffers are written as
 * zeros. */
ORVEX_COMMON_API int marshal_chunk_header(void *hdr, str_t *codeword, bool enable_ecc) ORVEX_NOEXCEPT;
/* Parses a 128-byte framed chunk header. With do_ecc, a signature mismatch
 * triggers a one-byte repair from the parities before the fields are read.
 * NULL (EINVAL) when cmp_algo > 5, cry_algo > 3 or num_paddings > 15, or
 * when `codeword` holds fewer than 128 bytes. Release with chunk_hdr_destroy. */
ORVEX_COMMON_API chunk_hdr_t *unmarshal_chunk_header(str_t *codeword, int do_ecc) ORVEX_NOEXCEPT;

/* Arrays of working records. chunks_get: `num_chunks` zeroed records with the
 * hash lengths set; NULL with EINVAL for 0. chunks_reset frees everything a
 * record owns and zeroes it (hash lengths kept). chunks_put frees all and the
 * array; NULL is ignored. */
ORVEX_COMMON_API chunk_t *chunks_get(uint32_t num_chunks, uint32_t hash_len1, uint32_t hash_len2) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunks_reset(chunk_t *chunks, uint32_t num_chunks) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunks_put(chunk_t *chunks, uint32_t num_chunks) ORVEX_NOEXCEPT;

/* Field accessors; the chunk must not be NULL. */
ORVEX_COMMON_API int32_t chunk_get_hid(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int64_t chunk_get_vid(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int32_t chunk_get_cid(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int64_t chunk_get_voffset(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int64_t chunk_get_foffset(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int32_t chunk_get_chunksize(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API uint64_t chunk_get_sig(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API uint8_t *chunk_get_hash(const chunk_t *chunk) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int chunk_get_hash_len(const chunk_t *chunk) ORVEX_NOEXCEPT;

ORVEX_COMMON_API void chunk_set_hid(chunk_t *chunk, int32_t hid) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_set_vid(chunk_t *chunk, int64_t vid) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_set_cid(chunk_t *chunk, int32_t cid) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_set_voffset(chunk_t *chunk, int64_t voffset) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_set_foffset(chunk_t *chunk, int64_t foffset) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_set_chunksize(chunk_t *chunk, int32_t chunksize) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunk_set_indedupable(chunk_t *chunk, bool indedupable) ORVEX_NOEXCEPT;
/* Accepts NEW_HASH..NEW_HASH_IN_IMHASHDB_NOT_INTO_HASHDB (1..6); else -1, EINVAL. */
ORVEX_COMMON_API int chunk_set_status(chunk_t *chunk, int status) ORVEX_NOEXCEPT;
/* Copies base.chunksize bytes of `data` into a new buffer (the old one is
 * freed). -1 with EINVAL when chunksize is not positive or data is NULL. */
ORVEX_COMMON_API int chunk_set_data(chunk_t *chunk, const uint8_t *data) ORVEX_NOEXCEPT;

/* 64-bit hash of `len` bytes, used for short hashes and signatures. */
typedef uint64_t (*chunk_hash_func_t)(const void *data, size_t len);
/* Allocates `hash` (hash_len bytes, zeroed) and sets base.sig to
 * `fast_short_hash` when bit 0 of base.special is set and the value is
 * non-zero, else to hash_func(data, chunksize); then copies hash_len2 bytes
 * of sig after the first hash_len1 bytes of `hash`. 0 or -1 (EINVAL/ENOMEM). */
ORVEX_COMMON_API int chunk_set_short_hash(chunk_t *chunk, uint64_t fast_short_hash,
                                          chunk_hash_func_t hash_func) ORVEX_NOEXCEPT;

/* Chunk pool. Both counts must be non-zero (NULL, EINVAL). get_chunks lends
 * the first free group, or a fresh chunks_get array when all are lent (NULL
 * only on allocation failure). put_chunks resets a pooled array and frees its
 * group; any other array is released with chunks_put. Thread-safe. */
ORVEX_COMMON_API chunkpool_t *chunkpool_create(uint32_t num_groups, uint32_t num_chunks, uint32_t hash_len1,
                                               uint32_t hash_len2) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunkpool_destroy(chunkpool_t *pool) ORVEX_NOEXCEPT;
ORVEX_COMMON_API chunk_t *chunkpool_get_chunks(chunkpool_t *pool) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void chunkpool_put_chunks(chunkpool_t *pool, chunk_t *chunks) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
