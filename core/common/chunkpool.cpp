// Chunk pool: a fixed set of chunk arrays lent to workers under a mutex.
#include "chunk.h"

#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern "C" chunkpool_t *chunkpool_create(uint32_t num_groups, uint32_t num_chunks, uint32_t hash_len1,
                                         uint32_t hash_len2) noexcept
{
    if (num_groups == 0) {
        OLOG(OLOG_ERROR, "number of groups is zero");
        errno = EINVAL;
        return nullptr;
    }
    if (num_chunks == 0) {
        OLOG(OLOG_ERROR, "number of chunks per group is zero");
        errno = EINVAL;
        return nullptr;
    }
    auto *pool = static_cast<chunkpool_t *>(std::calloc(1, sizeof(chunkpool_t)));
    if (!pool) {
        errno = ENOMEM;
        return nullptr;
    }
    pool->num_groups = num_groups;
    pool->num_chunks = num_chunks;
    pool->hash_len1 = hash_len1;
    pool->hash_len2 = hash_len2;
    pool->status = static_cast<uint8_t *>(std::calloc(num_groups, 1));
    pool->chunks = static_cast<chunk_t **>(std::calloc(num_groups, sizeof(chunk_t *)));
    bool ok = pool->status && pool->chunks;
    for (uint32_t g = 0; ok && g < num_groups; ++g) {
        pool->chunks[g] = chunks_get(num_chunks, hash_len1, hash_len2);
        ok = pool->chunks[g] != nullptr;
    }
    if (!ok || orvex_mutex_init(&pool->mutex) != 0) {
        if (pool->chunks)
            for (uint32_t g = 0; g < num_groups; ++g)
                chunks_put(pool->chunks[g], num_chunks);
        std::free(pool->chunks);
        std::free(pool->status);
        std::free(pool);
        errno = ENOMEM;
        return nullptr;
    }
    OLOG(OLOG_DEBUG, "%s:(groups,chunks,hash_len)=(%u,%u,%u)", __func__, num_groups, num_chunks,
         hash_len1 + hash_len2);
    OLOG(OLOG_DEBUG, "memory usage of chunk-pool=%llu bytes",
         static_cast<unsigned long long>(num_groups) * num_chunks * sizeof(chunk_t));
    return pool;
}

extern "C" void chunkpool_destroy(chunkpool_t *pool) noexcept
{
    if (!pool)
        return;
    for (uint32_t g = 0; g < pool->num_groups; ++g)
        chunks_put(pool->chunks[g], pool->num_chunks);
    orvex_mutex_destroy(&pool->mutex);
    std::free(pool->chunks);
    std::free(pool->status);
    std::free(pool);
}

extern "C" chunk_t *chunkpool_get_chunks(chunkpool_t *pool) noexcept
{
    if (!pool) {
        errno = EINVAL;
        return nullptr;
    }
    {
        orvex::MutexLock lock(&pool->mutex);
        for (uint32_t g = 0; g < pool->num_groups; ++g) {
            if (pool->status[g] == 0) {
                pool->status[g] = 1;
                return pool->chunks[g];
            }
        }
    }
    return chunks_get(pool->num_chunks, pool->hash_len1, pool->hash_len2);
}

extern "C" void chunkpool_put_chunks(chunkpool_t *pool, chunk_t *chunks) noexcept
{
    if (!pool || !chunks)
        return;
    {
        orvex::MutexLock lock(&pool->mutex);
        for (uint32_t g = 0; g < pool->num_groups; ++g) {
            if (pool->chunks[g] == chunks) {
                chunks_reset(chunks, pool->num_chunks);
                pool->status[g] = 0;
                return;
            }
        }
    }
    chunks_put(chunks, pool->num_chunks);
}
