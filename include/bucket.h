/* Buckets: growable byte buffers that collect chunks together with their
 * chunk map (big-endian 32-bit offsets) and extent map, and a pool of
 * preallocated buckets handed out under a mutex. A handed-out bucket belongs
 * to one thread until it is put back; the bucket calls never take
 * bucket_t.mutex, which is for its users. */
#ifndef ORVEX_BUCKET_H
#define ORVEX_BUCKET_H

#include <stdbool.h>
#include <stdint.h>
#include "orvex_export.h"
#include "util/str.h"
#include "util/thread.h"

ORVEX_EXTERN_C_BEGIN

enum bucket_map_type { BUCKET_CHUNK_MAP = 0, BUCKET_EXTENT_MAP = 1 };

typedef struct bucketcnt {
    uint8_t *buf;      /* owned */
    str_t *chunk_map;  /* owned */
    str_t *extent_map; /* owned */
    int num_chunks;
    int num_extents;
    int capacity; /* size asked for at creation */
    int total;    /* bytes allocated in buf */
    int buf_use;  /* bytes filled */
    int limit;    /* head-room that must stay free */
    uint64_t vid; /* vault the contents belong to */
} bucketcnt_t;

typedef struct bucket {
    bucketcnt_t *cnt; /* owned */
    orvex_mutex_t mutex;
} bucket_t;

typedef struct bucketpool {
    int num_buckets;
    int bucket_size;
    uint8_t *status;       /* per bucket: 1 handed out, 0 free */
    bucketcnt_t **buckets; /* owned */
    orvex_mutex_t mutex;   /* guards status */
} bucketpool_t;

/* Contents with a buffer of `size` bytes (none for size <= 0) and empty maps. */
ORVEX_COMMON_API bucketcnt_t *bucketcnt_get(int size, int limit) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void bucketcnt_put(bucketcnt_t *cnt) ORVEX_NOEXCEPT;
ORVEX_COMMON_API bucket_t *bucket_get(int size, int limit) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void bucket_put(bucket_t *bucket) ORVEX_NOEXCEPT;
/* Zeroes total, buf_use, vid and the counts; EINVAL without contents. */
ORVEX_COMMON_API int bucket_reset(bucket_t *bucket) ORVEX_NOEXCEPT;
/* n buckets without contents (NULL for n = 0). */
ORVEX_COMMON_API bucket_t *buckets_get(uint32_t n) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void buckets_put(bucket_t *buckets, uint32_t n) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void buckets_reset(bucket_t *buckets, uint32_t n) ORVEX_NOEXCEPT;

/* 1 when fewer than `limit` bytes remain, 0 otherwise, -1 for NULL contents
 * or an overflowed bucket; `func` names the caller in the log. */
ORVEX_COMMON_API int is_bucket_full(bucketcnt_t *cnt, const char *func) ORVEX_NOEXCEPT;
/* Appends `size` bytes of `buf` (NULL only reserves the space), first
 * recording the offset in the chunk map when do_map is set. Does not grow
 * the buffer: -1 with ENOSPC when the chunk does not fit. */
ORVEX_COMMON_API int bucket_copy_chunk_in(bucket_t *bucket, uint8_t *buf, uint32_t size, bool do_map) ORVEX_NOEXCEPT;
/* Appends the 8 bytes of `hash` in memory order, growing the buffer. */
ORVEX_COMMON_API int bucket_copy_hash_in(bucketcnt_t *cnt, uint64_t hash) ORVEX_NOEXCEPT;
/* Appends the chunk map (0) or extent map (1) with two Reed-Solomon parity
 * bytes per block of up to 253 bytes, growing the buffer as needed. */
ORVEX_COMMON_API int bucket_copy_map_in(bucketcnt_t *cnt, int map_type) ORVEX_NOEXCEPT;
/* Appends one extent (start_cid, num_chunks as big-endian 32-bit values). */
ORVEX_COMMON_API int bucket_copy_extent_info_in(bucket_t *bucket, int start_cid, int num_chunks) ORVEX_NOEXCEPT;

/* NULL with EINVAL for 0 buckets. Thread-safe get/put. */
ORVEX_COMMON_API bucketpool_t *bucketpool_create(int num_buckets, int bucket_size) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void bucketpool_destroy(bucketpool_t *pool) ORVEX_NOEXCEPT;
/* A free pool bucket of at least bucket_size bytes, or fresh contents from
 * outside the pool when none qualifies; reset with the given limit. */
ORVEX_COMMON_API bucketcnt_t *get_bucket_from_pool(bucketpool_t *pool, uint32_t bucket_size,
                                                   uint32_t limit) ORVEX_NOEXCEPT;
/* Returns a pool bucket; contents from outside the pool are freed. */
ORVEX_COMMON_API void put_bucket_into_pool(bucketpool_t *pool, bucketcnt_t *cnt) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
