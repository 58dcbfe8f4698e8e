// Working chunk records: arrays, accessors and setters.
#include "chunk.h"

#include "common/format_internal.h"
#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

void release_contents(chunk_t *c)
{
    std::free(c->hash);
    str_put(c->data);
    std::free(c->iv);
    std::free(c->aad);
    std::free(c->tag);
    if (c->extent_info) {
        str_put(c->extent_info->key);
        str_put(c->extent_info->val);
        std::free(c->extent_info);
    }
}

void init_record(chunk_t *c, int hash_len1, int hash_len2)
{
    std::memset(c, 0, sizeof *c);
    c->hash_len1 = hash_len1;
    c->hash_len2 = hash_len2;
    c->hash_len = hash_len1 + hash_len2;
}

} // namespace

extern "C" chunk_t *chunks_get(uint32_t num_chunks, uint32_t hash_len1, uint32_t hash_len2) noexcept
{
    if (num_chunks == 0) {
        OLOG(OLOG_ERROR, "number of chunks is zero");
        errno = EINVAL;
        return nullptr;
    }
    if (hash_len1 > INT16_MAX || hash_len2 > INT16_MAX) {
        OLOG(OLOG_ERROR, "invalid hash lengths: %u, %u", hash_len1, hash_len2);
        errno = EINVAL;
        return nullptr;
    }
    auto *chunks = static_cast<chunk_t *>(std::calloc(num_chunks, sizeof(chunk_t)));
    if (!chunks) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    for (uint32_t i = 0; i < num_chunks; ++i)
        init_record(&chunks[i], static_cast<int>(hash_len1), static_cast<int>(hash_len2));
    return chunks;
}

extern "C" void chunks_reset(chunk_t *chunks, uint32_t num_chunks) noexcept
{
    if (!chunks)
        return;
    for (uint32_t i = 0; i < num_chunks; ++i) {
        release_contents(&chunks[i]);
        init_record(&chunks[i], chunks[i].hash_len1, chunks[i].hash_len2);
    }
}

extern "C" void chunks_put(chunk_t *chunks, uint32_t num_chunks) noexcept
{
    if (!chunks)
        return;
    for (uint32_t i = 0; i < num_chunks; ++i)
        release_contents(&chunks[i]);
    std::free(chunks);
}

extern "C" int32_t chunk_get_hid(const chunk_t *c) noexcept { return c->base.hid; }
extern "C" int64_t chunk_get_vid(const chunk_t *c) noexcept { return c->base.vid; }
extern "C" int32_t chunk_get_cid(const chunk_t *c) noexcept { return c->base.cid; }
extern "C" int64_t chunk_get_voffset(const chunk_t *c) noexcept { return c->base.voffset; }
extern "C" int64_t chunk_get_foffset(const chunk_t *c) noexcept { return c->base.foffset; }
extern "C" int32_t chunk_get_chunksize(const chunk_t *c) noexcept { return c->base.chunksize; }
extern "C" uint64_t chunk_get_sig(const chunk_t *c) noexcept { return c->base.sig; }
extern "C" uint8_t *chunk_get_hash(const chunk_t *c) noexcept { return c->hash; }
extern "C" int chunk_get_hash_len(const chunk_t *c) noexcept { return c->hash_len; }

extern "C" void chunk_set_hid(chunk_t *c, int32_t hid) noexcept { c->base.hid = hid; }
extern "C" void chunk_set_vid(chunk_t *c, int64_t vid) noexcept { c->base.vid = vid; }
extern "C" void chunk_set_cid(chunk_t *c, int32_t cid) noexcept { c->base.cid = cid; }
extern "C" void chunk_set_voffset(chunk_t *c, int64_t voffset) noexcept { c->base.voffset = voffset; }
extern "C" void chunk_set_foffset(chunk_t *c, int64_t foffset) noexcept { c->base.foffset = foffset; }
extern "C" void chunk_set_chunksize(chunk_t *c, int32_t chunksize) noexcept { c->base.chunksize = chunksize; }
extern "C" void chunk_set_indedupable(chunk_t *c, bool indedupable) noexcept { c->base.indedupable = indedupable; }

extern "C" int chunk_set_status(chunk_t *c, int status) noexcept
{
    if (!c || status < NEW_HASH || status > NEW_HASH_IN_IMHASHDB_NOT_INTO_HASHDB) {
        errno = EINVAL;
        return -1;
    }
    c->status = status;
    return 0;
}

extern "C" int chunk_set_data(chunk_t *c, const uint8_t *data) noexcept
{
    if (!c || !data || c->base.chunksize <= 0) {
        OLOG(OLOG_ERROR, "chunksize is zero");
        errno = EINVAL;
        return -1;
    }
    str_t *copy = str_copy_from_data(data, c->base.chunksize);
    if (!copy) {
        OLOG(OLOG_ERROR, "str_copy_from_data: size=%d,%s", c->base.chunksize, strerror(errno));
        return -1;
    }
    str_put(c->data);
    c->data = copy;
    return 0;
}

extern "C" int chunk_set_short_hash(chunk_t *c, uint64_t fast_short_hash, chunk_hash_func_t hash_func) noexcept
{
    if (!c || c->hash_len <= 0 || c->hash_len2 > static_cast<int>(sizeof(uint64_t))) {
        errno = EINVAL;
        return -1;
    }
    const bool use_given = (c->base.special & 1u) && fast_short_hash != 0;
    if (!use_given && (!hash_func || !c->data || !c->data->buf || c->base.chunksize <= 0 ||
                       c->base.chunksize > c->data->used)) {
        errno = EINVAL;
        return -1;
    }
    auto *hash = static_cast<uint8_t *>(std::calloc(1, static_cast<size_t>(c->hash_len)));
    if (!hash) {
        OLOG(OLOG_ERROR, "calloc: %s", strerror(ENOMEM));
        errno = ENOMEM;
        return -1;
    }
    c->base.sig = use_given ? fast_short_hash : hash_func(c->data->buf, static_cast<size_t>(c->base.chunksize));
    std::memcpy(hash + c->hash_len1, &c->base.sig, static_cast<size_t>(c->hash_len2));
    std::free(c->hash);
    c->hash = hash;
    return 0;
}
