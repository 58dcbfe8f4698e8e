/* Chunk hashers: a long hash (a digest stored as 32-bit words, each
 * byte-reversed) and a short hash (XXH64, seed 0, byte-reversed) per chunk,
 * and a constant cache of the hashes of all-zero chunks. Hashers are
 * read-only while hashing. */
#ifndef ORVEX_HASHER_H
#define ORVEX_HASHER_H

#include <stdint.h>
#include "chunk.h"
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

enum HASH_TYPE { HASH_SHA256 = 0, HASH_MIN = 0, HASH_SHA512 = 1, HASH_MD5 = 2, HASH_MAX = 3 };

/* Long hash of `count` chunks into each chunk's `hash`; 0 or -1. */
typedef int (*hasher_hash_fn)(chunk_t *chunks, int count, void *priv);

typedef struct hasher_method {
    const char *name;
    int algo;
    int len1; /* long hash bytes */
    int len2; /* short hash bytes */
    int len;  /* len1 + len2 */
    hasher_hash_fn ssl_hash_fn;
    void *isal_hash_fn;    /* accelerated-library hooks: NULL */
    void *get_isal_method;
    void *put_isal_method;
} hasher_method_t;

ORVEX_COMMON_API extern const hasher_method_t *const hasher_methods[HASH_MAX];

#define HASHCACHE_ENTRIES 6
#define HASHCACHE_LONG_HASH_LEN 32

/* Hashes of a chunk of `chunksize` zero bytes (SHA-256 only). */
typedef struct hashcache {
    int chunksize;
    int long_hash_len;
    uint64_t short_hash;
    uint8_t long_hash[HASHCACHE_LONG_HASH_LEN];
} hashcache_t;

/* Entries for 4096, 8192, 16384, 32768, 65536 and 131072 bytes. */
ORVEX_COMMON_API extern const hashcache_t hashcache[HASHCACHE_ENTRIES];

typedef struct hasher {
    const char *name;
    int algo;
    int len1;
    int len2;
    int len;
    int has_zeros_chunk;
    int padding;
    const hashcache_t *cache; /* zero-chunk entry, or NULL */
    hasher_hash_fn hash_fn;
    void *get_isal_method;
    void *put_isal_method;
} hasher_t;

/* NULL with EINVAL for a method outside the table, ENOMEM on allocation. */
ORVEX_COMMON_API hasher_t *hasher_create(enum HASH_TYPE algo) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void hasher_destroy(hasher_t *hasher) ORVEX_NOEXCEPT;
/* Selects a method by exact name; 0 or -1. */
ORVEX_COMMON_API int hasher_set(hasher_t *hasher, const char *want_algo) ORVEX_NOEXCEPT;
/* Picks the zero-chunk entry for `max_chunksize` (SHA-256 only; NULL for
 * sizes without an entry). 0 or -1. */
ORVEX_COMMON_API int hasher_prepare(hasher_t *hasher, uint32_t max_chunksize) ORVEX_NOEXCEPT;
/* Each chunk's `hash` must hold at least len1 bytes (it is allocated,
 * zeroed, with hash_len bytes when NULL). Chunks with bit 0 of
 * base.special set first get the cached long hash and bit 1. 0 or -1. */
ORVEX_COMMON_API int hasher_get_long_hashes(hasher_t *hasher, int num_chunks, chunk_t *chunks,
                                            void *isalp) ORVEX_NOEXCEPT;
/* Long hashes, then the short hash of each chunk after its long hash. */
ORVEX_COMMON_API int hasher_get_full_hashes(hasher_t *hasher, uint32_t num_chunks, chunk_t *chunks,
                                            void *isalp) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int hasher_get_full_hash(hasher_t *hasher, chunk_t *chunk, void *isalp) ORVEX_NOEXCEPT;
/* XXH64 (seed 0) of the bytes, byte-reversed as a 64-bit value. */
ORVEX_COMMON_API uint64_t hasher_get_short_hash(uint8_t *buf, uint32_t size) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
