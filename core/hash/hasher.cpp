// Chunk hashers: long hashes by OpenSSL digests, short hashes by XXH64, and
// the constant hashes of all-zero chunks.
#include "hasher.h"

#include "zlog.h"

#include <openssl/evp.h>
#include <xxhash.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Digest of each chunk's data, stored as 32-bit words with their bytes
// reversed (d0 d1 d2 d3 -> d3 d2 d1 d0).
int digest_chunks(const EVP_MD *md, int len1, chunk_t *chunks, int count)
{
    for (int i = 0; i < count; i++) {
        chunk_t &c = chunks[i];
        if (!c.data || (!c.data->buf && c.data->size > 0) || c.data->size < 0 || !c.hash) {
            errno = EINVAL;
            return -1;
        }
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int dlen = 0;
        static const unsigned char empty = 0;
        if (EVP_Digest(c.data->buf ? c.data->buf : &empty, static_cast<size_t>(c.data->size), digest, &dlen, md,
                       nullptr) != 1 ||
            static_cast<int>(dlen) != len1) {
            errno = EIO;
            return -1;
        }
        for (int w = 0; w < len1; w += 4)
            for (int b = 0; b < 4; b++)
                c.hash[w + b] = digest[w + 3 - b];
    }
    return 0;
}

int sha256_fn(chunk_t *chunks, int count, void *)
{
    return digest_chunks(EVP_sha256(), 32, chunks, count);
}

int sha512_fn(chunk_t *chunks, int count, void *)
{
    return digest_chunks(EVP_sha512(), 64, chunks, count);
}

int md5_fn(chunk_t *chunks, int count, void *)
{
    return digest_chunks(EVP_md5(), 16, chunks, count);
}

const hasher_method_t method_sha256 = {"sha256", HASH_SHA256, 32, 8, 40, sha256_fn, nullptr, nullptr, nullptr};
const hasher_method_t method_sha512 = {"sha512", HASH_SHA512, 64, 8, 72, sha512_fn, nullptr, nullptr, nullptr};
const hasher_method_t method_md5 = {"md5", HASH_MD5, 16, 8, 24, md5_fn, nullptr, nullptr, nullptr};

void select_method(hasher_t *h, const hasher_method_t *m)
{
    h->name = m->name;
    h->algo = m->algo;
    h->len1 = m->len1;
    h->len2 = m->len2;
    h->len = m->len;
    h->hash_fn = m->ssl_hash_fn;
    h->get_isal_method = nullptr;
    h->put_isal_method = nullptr;
}

uint64_t short_hash_adapter(const void *data, size_t len)
{
    return __builtin_bswap64(XXH64(data, len, 0));
}

// The long hash lands in hash[0 .. len1-1]; make sure the buffer exists and
// is large enough for the whole record.
bool ensure_hash_buffer(const hasher_t *h, chunk_t &c)
{
    if (c.hash)
        return c.hash_len >= h->len1;
    int len = c.hash_len > 0 ? c.hash_len : h->len;
    if (len < h->len1)
        return false;
    c.hash = static_cast<uint8_t *>(std::calloc(static_cast<size_t>(len), 1));
    return c.hash != nullptr;
}

} // namespace

extern "C" {

const hasher_method_t *const hasher_methods[HASH_MAX] = {&method_sha256, &method_sha512, &method_md5};

// SHA-256 (word-swapped) and byte-reversed XXH64 of chunksize zero bytes.
const hashcache_t hashcache[HASHCACHE_ENTRIES] = {
    {4096, 32, 0xdbbbd8326f9b86acULL,
     {0xb2, 0xac, 0x7f, 0xad, 0xe9, 0xc6, 0x6f, 0x58,
      0xd7, 0x04, 0xc0, 0x66, 0x02, 0x6b, 0xd1, 0xd1,
      0xff, 0x05, 0x58, 0x4f, 0x7a, 0x7c, 0xb4, 0x7c,
      0x8b, 0xbd, 0xda, 0x85, 0xa7, 0x2c, 0x89, 0x48}},
    {8192, 32, 0xb48fa4053507b502ULL,
     {0xc3, 0xcb, 0x1d, 0x9f, 0x60, 0x0d, 0x35, 0x5c,
      0xe0, 0x8b, 0xf9, 0x27, 0x3b, 0xb4, 0xc8, 0xf5,
      0xb7, 0x52, 0xca, 0x42, 0xc0, 0x59, 0x44, 0x60,
      0xaa, 0xe3, 0x2b, 0xc4, 0x47, 0x3d, 0x91, 0x88}},
    {16384, 32, 0xec452c3366dc4e59ULL,
     {0x9a, 0xb5, 0xe7, 0x4f, 0x66, 0x3b, 0xde, 0xf6,
      0x8c, 0x78, 0x67, 0x5b, 0x92, 0x98, 0xf9, 0xc2,
      0xfa, 0x7e, 0x82, 0xab, 0x34, 0x67, 0xa4, 0xe3,
      0xe3, 0xb4, 0x3b, 0x2b, 0xfe, 0x5b, 0x8e, 0xbc}},
    {32768, 32, 0xf93dc4f50e7819eaULL,
     {0x47, 0x20, 0x50, 0xc3, 0x46, 0x1b, 0xed, 0x3a,
      0x6c, 0x72, 0xcd, 0x42, 0x63, 0x7b, 0x72, 0xad,
      0x4a, 0x82, 0xf2, 0xff, 0xd7, 0xed, 0x8c, 0xd6,
      0x7c, 0x3c, 0xb7, 0xff, 0x79, 0x04, 0x89, 0xbd}},
    {65536, 32, 0xa41557f1a9dd8359ULL,
     {0x60, 0x25, 0x2f, 0xde, 0x79, 0xaf, 0xa0, 0x64,
      0xb9, 0xc2, 0x47, 0x77, 0x0b, 0xdc, 0x05, 0x75,
      0xde, 0xf0, 0x3d, 0x9f, 0xac, 0x9e, 0x48, 0x4f,
      0xae, 0x23, 0x1c, 0x73, 0x31, 0xcc, 0xa9, 0x9c}},
    {131072, 32, 0x7350957a38cc2ee1ULL,
     {0x9b, 0x23, 0x43, 0xfa, 0x7c, 0xb9, 0xe7, 0xce,
      0x7c, 0x00, 0x2f, 0xa6, 0x56, 0x87, 0x84, 0xc6,
      0x9f, 0xe1, 0x39, 0x0a, 0xe7, 0xdd, 0xf3, 0x74,
      0xf9, 0xb3, 0x6d, 0x48, 0x71, 0xe4, 0xf8, 0x8d}},
};

hasher_t *hasher_create(enum HASH_TYPE algo) noexcept
{
    if (static_cast<int>(algo) < HASH_MIN || algo >= HASH_MAX) {
        errno = EINVAL;
        return nullptr;
    }
    auto *h = static_cast<hasher_t *>(std::calloc(1, sizeof(hasher_t)));
    if (!h) {
        OLOG(OLOG_ERROR, "calloc: %s", std::strerror(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    select_method(h, hasher_methods[algo]);
    return h;
}

void hasher_destroy(hasher_t *hasher) noexcept
{
    std::free(hasher);
}

int hasher_set(hasher_t *hasher, const char *want_algo) noexcept
{
    if (!hasher) {
        OLOG(OLOG_ERROR, "hasher is null");
        errno = EINVAL;
        return -1;
    }
    if (want_algo) {
        size_t len = std::strlen(want_algo);
        for (const hasher_method_t *m : hasher_methods) {
            if (std::strlen(m->name) == len && std::memcmp(m->name, want_algo, len) == 0) {
                select_method(hasher, m);
                hasher->cache = nullptr;
                return 0;
            }
        }
    }
    OLOG(OLOG_ERROR, "invalid hasher option");
    errno = EINVAL;
    return -1;
}

int hasher_prepare(hasher_t *hasher, uint32_t max_chunksize) noexcept
{
    if (!hasher) {
        OLOG(OLOG_ERROR, "hasher is null");
        errno = EINVAL;
        return -1;
    }
    hasher->cache = nullptr;
    if (hasher->algo == HASH_SHA256)
        for (const hashcache_t &entry : hashcache)
            if (static_cast<uint32_t>(entry.chunksize) == max_chunksize)
                hasher->cache = &entry;
    hasher->has_zeros_chunk = hasher->cache != nullptr;
    return 0;
}

int hasher_get_long_hashes(hasher_t *hasher, int num_chunks, chunk_t *chunks, void *isalp) noexcept
{
    if (!hasher || !chunks || num_chunks < 0 || !hasher->hash_fn) {
        errno = EINVAL;
        return -1;
    }
    for (int i = 0; i < num_chunks; i++) {
        if (!ensure_hash_buffer(hasher, chunks[i])) {
            errno = EINVAL;
            return -1;
        }
    }
    if (hasher->cache) {
        for (int i = 0; i < num_chunks; i++) {
            chunk_t &c = chunks[i];
            if (c.base.special & 1u) {
                std::memcpy(c.hash, hasher->cache->long_hash, static_cast<size_t>(hasher->cache->long_hash_len));
                c.base.special |= 2u;
            }
        }
    }
    if (hasher->hash_fn(chunks, num_chunks, isalp) != 0) {
        OLOG(OLOG_ERROR, "hash_fn: %s", std::strerror(errno));
        return -1;
    }
    return 0;
}

int hasher_get_full_hashes(hasher_t *hasher, uint32_t num_chunks, chunk_t *chunks, void *isalp) noexcept
{
    if (num_chunks > static_cast<uint32_t>(INT32_MAX)) {
        errno = EINVAL;
        return -1;
    }
    if (hasher_get_long_hashes(hasher, static_cast<int>(num_chunks), chunks, isalp) != 0) {
        OLOG(OLOG_ERROR, "hasher_get_long_hashes: %s", std::strerror(errno));
        return -1;
    }
    for (uint32_t i = 0; i < num_chunks; i++) {
        chunk_t &c = chunks[i];
        uint8_t *long_hash = c.hash;
        c.hash = nullptr; // the setter allocates the record's hash afresh
        if (chunk_set_short_hash(&c, 0, short_hash_adapter) != 0) {
            OLOG(OLOG_ERROR, "hasher_get_short_hashes: %s", std::strerror(errno));
            if (!c.hash)
                c.hash = long_hash;
            else
                std::free(long_hash);
            return -1;
        }
        std::memcpy(c.hash, long_hash, static_cast<size_t>(hasher->len1));
        std::free(long_hash);
    }
    return 0;
}

int hasher_get_full_hash(hasher_t *hasher, chunk_t *chunk, void *isalp) noexcept
{
    return hasher_get_full_hashes(hasher, 1, chunk, isalp);
}

uint64_t hasher_get_short_hash(uint8_t *buf, uint32_t size) noexcept
{
    static const uint8_t empty = 0;
    return __builtin_bswap64(XXH64(buf ? buf : &empty, size, 0));
}

} // extern "C"
