// Hashers: method table, word-swapped long hashes, byte-reversed short
// hashes, and the constant hashes of all-zero chunks.
#include "hasher.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <xxhash.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// The digest of `data` with each 32-bit word's bytes reversed.
std::vector<uint8_t> word_swapped_digest(const EVP_MD *md, const std::vector<uint8_t> &data)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_Digest(data.data(), data.size(), digest, &len, md, nullptr);
    std::vector<uint8_t> out(len);
    for (unsigned w = 0; w < len; w += 4)
        for (unsigned b = 0; b < 4; b++)
            out[w + b] = digest[w + 3 - b];
    return out;
}

TEST(Hasher, ZeroChunkTableHoldsTheDigestsOfZeroChunks)
{
    const int sizes[] = {4096, 8192, 16384, 32768, 65536, 131072};
    for (int i = 0; i < HASHCACHE_ENTRIES; i++) {
        const hashcache_t &e = hashcache[i];
        ASSERT_EQ(e.chunksize, sizes[i]);
        EXPECT_EQ(e.long_hash_len, 32);
        std::vector<uint8_t> zeros(static_cast<size_t>(e.chunksize), 0);
        auto expected = word_swapped_digest(EVP_sha256(), zeros);
        EXPECT_EQ(std::vector<uint8_t>(e.long_hash, e.long_hash + 32), expected) << e.chunksize;
        EXPECT_EQ(e.short_hash, __builtin_bswap64(XXH64(zeros.data(), zeros.size(), 0))) << e.chunksize;
    }
    // Known value: SHA-256 of 4096 zero bytes begins ad 7f ac b2.
    EXPECT_EQ(hashcache[0].long_hash[0], 0xb2);
    EXPECT_EQ(hashcache[0].long_hash[3], 0xad);
}

TEST(Hasher, MethodTableAndNames)
{
    struct Case {
        const char *name;
        int algo, len1, len;
    } cases[] = {{"sha256", HASH_SHA256, 32, 40}, {"sha512", HASH_SHA512, 64, 72}, {"md5", HASH_MD5, 16, 24}};
    for (const auto &c : cases) {
        hasher_t *h = hasher_create(HASH_MD5);
        ASSERT_TRUE(h);
        ASSERT_EQ(hasher_set(h, c.name), 0) << c.name;
        EXPECT_EQ(h->algo, c.algo);
        EXPECT_EQ(h->len1, c.len1);
        EXPECT_EQ(h->len2, 8);
        EXPECT_EQ(h->len, c.len);
        hasher_destroy(h);
    }
    hasher_t *h = hasher_create(HASH_SHA256);
    for (const char *bad : {"SHA256", "sha-256", "sha25", "", static_cast<const char *>(nullptr)}) {
        errno = 0;
        EXPECT_EQ(hasher_set(h, bad), -1);
        EXPECT_EQ(errno, EINVAL);
    }
    EXPECT_EQ(h->algo, HASH_SHA256);
    hasher_destroy(h);
    EXPECT_EQ(hasher_create(HASH_MAX), nullptr);
    EXPECT_EQ(hasher_set(nullptr, "md5"), -1);
}

TEST(Hasher, PrepareFindsTheZeroEntryOnlyForSha256AndKnownSizes)
{
    hasher_t *h = hasher_create(HASH_SHA256);
    ASSERT_EQ(hasher_prepare(h, 65536), 0);
    ASSERT_TRUE(h->cache);
    EXPECT_EQ(h->cache->chunksize, 65536);
    ASSERT_EQ(hasher_prepare(h, 12288), 0);
    EXPECT_EQ(h->cache, nullptr);
    ASSERT_EQ(hasher_set(h, "sha512"), 0);
    ASSERT_EQ(hasher_prepare(h, 4096), 0);
    EXPECT_EQ(h->cache, nullptr);
    hasher_destroy(h);
    EXPECT_EQ(hasher_prepare(nullptr, 4096), -1);
}

TEST(Hasher, LongAndShortHashesOfChunks)
{
    hasher_t *h = hasher_create(HASH_SHA256);
    ASSERT_EQ(hasher_prepare(h, 4096), 0);
    chunk_t *chunks = chunks_get(2, 32, 8);
    ASSERT_TRUE(chunks);
    std::vector<uint8_t> zeros(4096, 0), text(3000);
    for (size_t i = 0; i < text.size(); i++)
        text[i] = static_cast<uint8_t>('a' + i % 26);
    chunks[0].base.chunksize = 4096;
    ASSERT_EQ(chunk_set_data(&chunks[0], zeros.data()), 0);
    chunks[0].base.special = 1; // an all-zero chunk
    chunks[1].base.chunksize = 3000;
    ASSERT_EQ(chunk_set_data(&chunks[1], text.data()), 0);

    ASSERT_EQ(hasher_get_full_hashes(h, 2, chunks, nullptr), 0);
    EXPECT_EQ(std::memcmp(chunks[0].hash, hashcache[0].long_hash, 32), 0);
    EXPECT_TRUE(chunks[0].base.special & 2u);
    EXPECT_EQ(std::vector<uint8_t>(chunks[1].hash, chunks[1].hash + 32), word_swapped_digest(EVP_sha256(), text));

    uint64_t short_hash = hasher_get_short_hash(text.data(), 3000);
    EXPECT_EQ(short_hash, __builtin_bswap64(XXH64(text.data(), 3000, 0)));
    EXPECT_EQ(chunks[1].base.sig, short_hash);
    EXPECT_EQ(std::memcmp(chunks[1].hash + 32, &short_hash, 8), 0);
    EXPECT_EQ(chunks[0].base.sig, hashcache[0].short_hash);

    chunks_put(chunks, 2);
    EXPECT_EQ(hasher_get_long_hashes(h, 1, nullptr, nullptr), -1);
    hasher_destroy(h);
}

TEST(Hasher, OtherDigests)
{
    std::vector<uint8_t> data(1000, 0x42);
    for (auto [algo, md] : {std::pair{HASH_SHA512, EVP_sha512()}, std::pair{HASH_MD5, EVP_md5()}}) {
        hasher_t *h = hasher_create(algo);
        chunk_t *c = chunks_get(1, static_cast<uint32_t>(h->len1), 8);
        c->base.chunksize = 1000;
        ASSERT_EQ(chunk_set_data(c, data.data()), 0);
        ASSERT_EQ(hasher_get_long_hashes(h, 1, c, nullptr), 0);
        EXPECT_EQ(std::vector<uint8_t>(c->hash, c->hash + h->len1), word_swapped_digest(md, data)) << algo;
        chunks_put(c, 1);
        hasher_destroy(h);
    }
}

} // namespace
