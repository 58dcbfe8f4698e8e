// Buckets and the bucket pool: chunk buffers with their chunk and extent
// maps, preallocated and handed out under a mutex.
#include "bucket.h"

#include "ecc.h"
#include "zlog.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <endian.h>

namespace {

const char *errtext()
{
    return std::strerror(errno);
}

void free_maps(bucketcnt_t *cnt)
{
    str_put(cnt->chunk_map);
    str_put(cnt->extent_map);
    cnt->chunk_map = cnt->extent_map = nullptr;
}

bool ensure_maps(bucketcnt_t *cnt)
{
    if (!cnt->chunk_map)
        cnt->chunk_map = str_get(0);
    if (!cnt->extent_map)
        cnt->extent_map = str_get(0);
    return cnt->chunk_map && cnt->extent_map;
}

void clear_contents(bucketcnt_t *cnt)
{
    cnt->buf_use = 0;
    cnt->vid = 0;
    cnt->num_chunks = 0;
    cnt->num_extents = 0;
}

// Grows buf to exactly `need` bytes (never shrinks).
bool grow_buf(bucketcnt_t *cnt, int64_t need)
{
    if (need <= cnt->total)
        return true;
    if (need > INT_MAX) {
        errno = EOVERFLOW;
        return false;
    }
    auto *grown = static_cast<uint8_t *>(std::realloc(cnt->buf, static_cast<size_t>(need)));
    if (!grown) {
        errno = ENOMEM;
        return false;
    }
    cnt->buf = grown;
    cnt->total = static_cast<int>(need);
    return true;
}

bool pool_owns(const bucketpool_t *pool, const bucketcnt_t *cnt, int *index)
{
    for (int i = 0; i < pool->num_buckets; i++) {
        if (pool->buckets[i] == cnt) {
            *index = i;
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" {

bucketcnt_t *bucketcnt_get(int size, int limit) noexcept
{
    auto *cnt = static_cast<bucketcnt_t *>(std::calloc(1, sizeof(bucketcnt_t)));
    if (!cnt) {
        errno = ENOMEM;
        return nullptr;
    }
    if (size > 0) {
        cnt->buf = static_cast<uint8_t *>(std::malloc(static_cast<size_t>(size)));
        if (!cnt->buf) {
            std::free(cnt);
            errno = ENOMEM;
            return nullptr;
        }
        cnt->capacity = cnt->total = size;
    }
    cnt->limit = limit;
    if (!ensure_maps(cnt)) {
        bucketcnt_put(cnt);
        errno = ENOMEM;
        return nullptr;
    }
    return cnt;
}

void bucketcnt_put(bucketcnt_t *cnt) noexcept
{
    if (!cnt)
        return;
    free_maps(cnt);
    std::free(cnt->buf);
    std::free(cnt);
}

bucket_t *bucket_get(int size, int limit) noexcept
{
    auto *bucket = static_cast<bucket_t *>(std::calloc(1, sizeof(bucket_t)));
    if (!bucket) {
        errno = ENOMEM;
        return nullptr;
    }
    bucket->cnt = bucketcnt_get(size, limit);
    if (!bucket->cnt) {
        std::free(bucket);
        return nullptr;
    }
    orvex_mutex_init(&bucket->mutex);
    return bucket;
}

void bucket_put(bucket_t *bucket) noexcept
{
    if (!bucket)
        return;
    bucketcnt_put(bucket->cnt);
    orvex_mutex_destroy(&bucket->mutex);
    std::free(bucket);
}

int bucket_reset(bucket_t *bucket) noexcept
{
    if (!bucket || !bucket->cnt) {
        errno = EINVAL;
        return -1;
    }
    bucket->cnt->total = 0;
    clear_contents(bucket->cnt);
    return 0;
}

bucket_t *buckets_get(uint32_t n) noexcept
{
    if (n == 0)
        return nullptr;
    auto *buckets = static_cast<bucket_t *>(std::calloc(n, sizeof(bucket_t)));
    if (!buckets) {
        errno = ENOMEM;
        return nullptr;
    }
    for (uint32_t i = 0; i < n; i++)
        orvex_mutex_init(&buckets[i].mutex);
    return buckets;
}

void buckets_put(bucket_t *buckets, uint32_t n) noexcept
{
    if (!buckets)
        return;
    for (uint32_t i = 0; i < n; i++) {
        bucketcnt_put(buckets[i].cnt);
        orvex_mutex_destroy(&buckets[i].mutex);
    }
    std::free(buckets);
}

void buckets_reset(bucket_t *buckets, uint32_t n) noexcept
{
    if (!buckets)
        return;
    for (uint32_t i = 0; i < n; i++)
        if (buckets[i].cnt)
            bucket_reset(&buckets[i]);
}

int is_bucket_full(bucketcnt_t *cnt, const char *func) noexcept
{
    if (!cnt) {
        OLOG(OLOG_ERROR, "bucket is null called by \"%s\"", func ? func : "");
        errno = EINVAL;
        return -1;
    }
    if (cnt->buf_use > cnt->total) {
        OLOG(OLOG_ERROR, "bucket overflow called by \"%s\"", func ? func : "");
        errno = EOVERFLOW;
        return -1;
    }
    return int64_t{cnt->total} < int64_t{cnt->buf_use} + cnt->limit ? 1 : 0;
}

int bucket_copy_chunk_in(bucket_t *bucket, uint8_t *buf, uint32_t size, bool do_map) noexcept
{
    if (!bucket || !bucket->cnt || !bucket->cnt->buf) {
        OLOG(OLOG_ERROR, "bucket is null");
        errno = EINVAL;
        return -1;
    }
    bucketcnt_t *cnt = bucket->cnt;
    // The copy never grows the buffer, so it must never run past it either.
    if (int64_t{cnt->buf_use} + size > cnt->total) {
        OLOG(OLOG_ERROR, "bucket overflow: %d + %u > %d", cnt->buf_use, size, cnt->total);
        errno = ENOSPC;
        return -1;
    }
    if (do_map) {
        if (!cnt->chunk_map) {
            OLOG(OLOG_ERROR, "chunk_map is null");
            errno = EINVAL;
            return -1;
        }
        if (str_add_u32(cnt->chunk_map, htobe32(static_cast<uint32_t>(cnt->buf_use))) != 0) {
            OLOG(OLOG_ERROR, "add chunk offset to chunk map");
            return -1;
        }
    }
    if (buf && size > 0)
        std::memcpy(cnt->buf + cnt->buf_use, buf, size);
    cnt->buf_use += static_cast<int>(size);
    cnt->num_chunks++;
    return 0;
}

int bucket_copy_hash_in(bucketcnt_t *cnt, uint64_t hash) noexcept
{
    if (!cnt) {
        OLOG(OLOG_ERROR, "bucket is null");
        errno = EINVAL;
        return -1;
    }
    int64_t need = int64_t{cnt->buf_use} + static_cast<int64_t>(sizeof(hash));
    if (need > cnt->total) {
        int before = cnt->total;
        if (!grow_buf(cnt, need)) {
            OLOG(OLOG_ERROR, "realloc: %s", errtext());
            return -1;
        }
        OLOG(OLOG_DEBUG, "realloc bucket: %u -> %zu", static_cast<unsigned>(before), static_cast<size_t>(need));
    }
    std::memcpy(cnt->buf + cnt->buf_use, &hash, sizeof(hash));
    cnt->buf_use += static_cast<int>(sizeof(hash));
    return 0;
}

int bucket_copy_map_in(bucketcnt_t *cnt, int map_type) noexcept
{
    if (!cnt || !cnt->buf) {
        OLOG(OLOG_ERROR, "bucket is null");
        errno = EINVAL;
        return -1;
    }
    if (!cnt->chunk_map || !cnt->extent_map) {
        OLOG(OLOG_ERROR, "chunk map or extent map is null");
        errno = EINVAL;
        return -1;
    }
    if (map_type != BUCKET_CHUNK_MAP && map_type != BUCKET_EXTENT_MAP) {
        OLOG(OLOG_ERROR, "unexpected map type");
        errno = EINVAL;
        return -1;
    }
    const str_t *map = map_type == BUCKET_CHUNK_MAP ? cnt->chunk_map : cnt->extent_map;
    if (map->used == 0)
        return 0;
    int encoded_len = map->used + ecc_parity_len(map->used);
    str_t *encoded = str_get(encoded_len);
    if (!encoded) {
        OLOG(OLOG_ERROR, "str_get: size=%d,%s", encoded_len, errtext());
        return -1;
    }
    if (add_ecc_parities(map, encoded) != 0 || encoded->used != encoded_len) {
        OLOG(OLOG_ERROR, "encode data: %s", errtext());
        str_put(encoded);
        return -1;
    }
    int64_t need = int64_t{cnt->buf_use} + encoded_len;
    if (need > cnt->total) {
        unsigned before_use = static_cast<unsigned>(cnt->buf_use), before_total = static_cast<unsigned>(cnt->total);
        if (!grow_buf(cnt, need)) {
            OLOG(OLOG_ERROR, "realloc: %s", errtext());
            str_put(encoded);
            return -1;
        }
        OLOG(OLOG_DEBUG, "realloc bucket (%p): %u (%u) -> %zu", static_cast<void *>(cnt->buf), before_use, before_total,
             static_cast<size_t>(need));
    }
    std::memcpy(cnt->buf + cnt->buf_use, encoded->buf, static_cast<size_t>(encoded_len));
    cnt->buf_use += encoded_len;
    str_put(encoded);
    return 0;
}

int bucket_copy_extent_info_in(bucket_t *bucket, int start_cid, int num_chunks) noexcept
{
    if (!bucket || !bucket->cnt || !bucket->cnt->extent_map) {
        OLOG(OLOG_ERROR, "bucket is null");
        errno = EINVAL;
        return -1;
    }
    str_t *map = bucket->cnt->extent_map;
    if (str_add_u32(map, htobe32(static_cast<uint32_t>(start_cid))) != 0 ||
        str_add_u32(map, htobe32(static_cast<uint32_t>(num_chunks))) != 0) {
        OLOG(OLOG_ERROR, "add extent to extent map");
        return -1;
    }
    bucket->cnt->num_extents++;
    return 0;
}

bucketpool_t *bucketpool_create(int num_buckets, int bucket_size) noexcept
{
    if (num_buckets <= 0) {
        errno = EINVAL;
        return nullptr;
    }
    auto *pool = static_cast<bucketpool_t *>(std::calloc(1, sizeof(bucketpool_t)));
    if (!pool) {
        errno = ENOMEM;
        return nullptr;
    }
    orvex_mutex_init(&pool->mutex);
    pool->bucket_size = bucket_size;
    pool->status = static_cast<uint8_t *>(std::calloc(static_cast<size_t>(num_buckets), 1));
    pool->buckets = static_cast<bucketcnt_t **>(std::calloc(static_cast<size_t>(num_buckets), sizeof(bucketcnt_t *)));
    if (!pool->status || !pool->buckets) {
        bucketpool_destroy(pool);
        errno = ENOMEM;
        return nullptr;
    }
    pool->num_buckets = num_buckets;
    for (int i = 0; i < num_buckets; i++) {
        pool->buckets[i] = bucketcnt_get(bucket_size, 0);
        if (!pool->buckets[i]) {
            bucketpool_destroy(pool);
            errno = ENOMEM;
            return nullptr;
        }
    }
    OLOG(OLOG_DEBUG, "memory usage of bucket-pool=%llu bytes",
         static_cast<unsigned long long>(num_buckets) * static_cast<unsigned long long>(bucket_size > 0 ? bucket_size : 0));
    return pool;
}

void bucketpool_destroy(bucketpool_t *pool) noexcept
{
    if (!pool)
        return;
    if (pool->buckets)
        for (int i = 0; i < pool->num_buckets; i++)
            bucketcnt_put(pool->buckets[i]);
    std::free(pool->buckets);
    std::free(pool->status);
    orvex_mutex_destroy(&pool->mutex);
    std::free(pool);
}

bucketcnt_t *get_bucket_from_pool(bucketpool_t *pool, uint32_t bucket_size, uint32_t limit) noexcept
{
    if (!pool || bucket_size > INT_MAX || limit > INT_MAX) {
        errno = EINVAL;
        return nullptr;
    }
    bucketcnt_t *cnt = nullptr;
    int index = -1;
    {
        orvex::MutexLock lock(&pool->mutex);
        for (int i = 0; i < pool->num_buckets; i++) {
            if (pool->status[i] == 0 && pool->buckets[i]->total >= static_cast<int>(bucket_size)) {
                pool->status[i] = 1;
                cnt = pool->buckets[i];
                index = i;
                break;
            }
        }
    }
    if (!cnt) {
        cnt = bucketcnt_get(static_cast<int>(bucket_size), static_cast<int>(limit));
        if (!cnt)
            return nullptr;
    }
    clear_contents(cnt);
    cnt->limit = static_cast<int>(limit);
    if (!ensure_maps(cnt)) {
        if (index >= 0)
            put_bucket_into_pool(pool, cnt);
        else
            bucketcnt_put(cnt);
        errno = ENOMEM;
        return nullptr;
    }
    return cnt;
}

void put_bucket_into_pool(bucketpool_t *pool, bucketcnt_t *cnt) noexcept
{
    if (!cnt)
        return;
    if (!pool) {
        bucketcnt_put(cnt);
        return;
    }
    bool pooled;
    {
        orvex::MutexLock lock(&pool->mutex);
        int index = -1;
        pooled = pool_owns(pool, cnt, &index);
        if (pooled) {
            clear_contents(cnt);
            cnt->limit = 0;
            free_maps(cnt);
            pool->status[index] = 0;
        }
    }
    if (!pooled)
        bucketcnt_put(cnt);
}

} // extern "C"
