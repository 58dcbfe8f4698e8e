// Chunk header framing, range checks and the chunk records and pool.
#include "chunk.h"
#include "header.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <xxhash.h>

namespace {

uint8_t *filled16(uint8_t v)
{
    auto *p = static_cast<uint8_t *>(std::malloc(16));
    std::memset(p, v, 16);
    return p;
}

str_t *marshal(chunk_hdr_t *hdr)
{
    return get_header_codeword(hdr, FMT_CHUNK, true);
}

TEST(ChunkHeader, RoundTripKeepsOnDiskOrderIvTagAad)
{
    chunk_hdr_t *hdr = chunk_hdr_create(42, 65536, 30000, 7, 5, 3, 1, filled16(0x11), filled16(0x22), filled16(0x33),
                                        0xDEADBEEFCAFEF00Dull);
    str_t *cw = marshal(hdr);
    ASSERT_NE(cw, nullptr);
    const uint8_t *b = cw->buf;
    EXPECT_EQ(b[3], 42);
    EXPECT_EQ(b[12], 7);
    EXPECT_EQ(b[13], 5);
    EXPECT_EQ(b[14], 3);
    EXPECT_EQ(b[15], 1);
    EXPECT_EQ(b[24], 0x11); // iv
    EXPECT_EQ(b[40], 0x33); // tag
    EXPECT_EQ(b[56], 0x22); // aad
    for (int i = 72; i < 118; ++i)
        ASSERT_EQ(b[i], 0);

    auto *back = static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, -1, 0, cw->buf, 1));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->cid, 42u);
    EXPECT_EQ(back->chunksize, 65536u);
    EXPECT_EQ(back->store_chunksize, 30000u);
    EXPECT_EQ(back->sig, 0xDEADBEEFCAFEF00Dull);
    EXPECT_EQ(back->iv[0], 0x11);
    EXPECT_EQ(back->aad[15], 0x22);
    EXPECT_EQ(back->tag[8], 0x33);
    header_put(back, FMT_CHUNK);
    put_header_codeword(cw);
    chunk_hdr_destroy(hdr);
}

TEST(ChunkHeader, NullBuffersBecomeZeros)
{
    chunk_hdr_t *hdr = chunk_hdr_create(1, 10, 10, 0, 0, 0, 1, nullptr, nullptr, nullptr, 9);
    str_t *cw = marshal(hdr);
    ASSERT_NE(cw, nullptr);
    for (int i = 24; i < 72; ++i)
        ASSERT_EQ(cw->buf[i], 0);
    chunk_hdr_t *back = unmarshal_chunk_header(cw, 1);
    ASSERT_NE(back, nullptr);
    const uint8_t zeros[16] = {};
    ASSERT_NE(back->iv, nullptr);
    EXPECT_EQ(0, std::memcmp(back->iv, zeros, 16));
    EXPECT_EQ(0, std::memcmp(back->aad, zeros, 16));
    EXPECT_EQ(0, std::memcmp(back->tag, zeros, 16));
    chunk_hdr_destroy(back);
    chunk_hdr_destroy(hdr);
    put_header_codeword(cw);
}

// Values outside the method tables are refused even under a valid signature.
TEST(ChunkHeader, OutOfRangeFieldsAreRejected)
{
    struct Case {
        uint8_t paddings, cmp, cry;
        bool ok;
    };
    for (Case c : {Case{15, 5, 3, true}, Case{16, 0, 0, false}, Case{0, 6, 0, false}, Case{0, 0, 4, false}}) {
        chunk_hdr_t *hdr = chunk_hdr_create(1, 10, 10, c.paddings, c.cmp, c.cry, 1, nullptr, nullptr, nullptr, 1);
        str_t *cw = marshal(hdr);
        errno = 0;
        chunk_hdr_t *back = unmarshal_chunk_header(cw, 1);
        EXPECT_EQ(back != nullptr, c.ok) << int(c.paddings) << "/" << int(c.cmp) << "/" << int(c.cry);
        if (!c.ok) {
            EXPECT_EQ(errno, EINVAL);
        }
        chunk_hdr_destroy(back);
        chunk_hdr_destroy(hdr);
        put_header_codeword(cw);
    }
}

TEST(ChunkHeader, OneDamagedByteRepairedTwoNeverTrustedBlindly)
{
    chunk_hdr_t *hdr = chunk_hdr_create(3, 1000, 900, 0, 1, 0, 1, nullptr, nullptr, nullptr, 77);
    str_t *cw = marshal(hdr);
    uint8_t good[128];
    std::memcpy(good, cw->buf, 128);
    for (int pos = 0; pos < 128; ++pos) {
        uint8_t copy[128];
        std::memcpy(copy, good, 128);
        copy[pos] ^= 0x40;
        auto *back = static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, -1, 0, copy, 1));
        ASSERT_NE(back, nullptr) << pos;
        EXPECT_EQ(back->store_chunksize, 900u);
        EXPECT_EQ(back->sig, 77u);
        header_put(back, FMT_CHUNK);
    }
    // Two damaged bytes: the fields are still parsed; the damaged cry_algo
    // byte makes the range check reject the header.
    uint8_t copy[128];
    std::memcpy(copy, good, 128);
    copy[14] = 9;
    copy[100] ^= 1;
    EXPECT_EQ(header_get(FMT_CHUNK, -1, 0, copy, 1), nullptr);
    chunk_hdr_destroy(hdr);
    put_header_codeword(cw);
}

TEST(ChunkRecords, ArraysSettersAndShortHash)
{
    EXPECT_EQ(chunks_get(0, 32, 8), nullptr);
    chunk_t *c = chunks_get(2, 32, 8);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c[1].hash_len, 40);
    chunk_set_vid(&c[0], 0x123456789ll);
    chunk_set_voffset(&c[0], 5ll << 32); // offsets beyond 4 GiB are kept whole
    chunk_set_chunksize(&c[0], 0);
    const uint8_t data[5] = {1, 2, 3, 4, 5};
    EXPECT_EQ(chunk_set_data(&c[0], data), -1);
    chunk_set_chunksize(&c[0], 5);
    ASSERT_EQ(chunk_set_data(&c[0], data), 0);
    EXPECT_EQ(chunk_get_vid(&c[0]), 0x123456789ll);
    EXPECT_EQ(chunk_get_voffset(&c[0]), 5ll << 32);
    EXPECT_EQ(chunk_set_status(&c[0], 0), -1);
    EXPECT_EQ(chunk_set_status(&c[0], 7), -1);
    EXPECT_EQ(chunk_set_status(&c[0], HIT_HASH), 0);

    auto xxh = [](const void *p, size_t n) -> uint64_t { return XXH64(p, n, 0); };
    ASSERT_EQ(chunk_set_short_hash(&c[0], 0, xxh), 0);
    EXPECT_EQ(chunk_get_sig(&c[0]), XXH64(data, 5, 0));
    uint64_t tail;
    std::memcpy(&tail, chunk_get_hash(&c[0]) + 32, 8);
    EXPECT_EQ(tail, XXH64(data, 5, 0));
    c[1].base.special = 1;
    ASSERT_EQ(chunk_set_short_hash(&c[1], 0xABCDull, xxh), 0);
    EXPECT_EQ(chunk_get_sig(&c[1]), 0xABCDull);

    chunks_reset(c, 2);
    EXPECT_EQ(c[0].data, nullptr);
    EXPECT_EQ(c[0].hash_len1, 32);
    chunks_put(c, 2);
}

TEST(ChunkPool, LendsGroupsAndFreesForeignArrays)
{
    EXPECT_EQ(chunkpool_create(0, 4, 32, 8), nullptr);
    EXPECT_EQ(chunkpool_create(2, 0, 32, 8), nullptr);
    chunkpool_t *pool = chunkpool_create(2, 4, 32, 8);
    ASSERT_NE(pool, nullptr);
    chunk_t *a = chunkpool_get_chunks(pool);
    chunk_t *b = chunkpool_get_chunks(pool);
    chunk_t *extra = chunkpool_get_chunks(pool); // all lent: a fresh array
    ASSERT_TRUE(a && b && extra);
    EXPECT_NE(a, b);
    EXPECT_NE(extra, a);
    EXPECT_NE(extra, b);
    a[0].base.chunksize = 3;
    const uint8_t d[3] = {1, 2, 3};
    chunk_set_data(&a[0], d);
    chunkpool_put_chunks(pool, a);     // reset and pooled again
    chunkpool_put_chunks(pool, extra); // not the pool's: freed (ASan would flag a leak)
    EXPECT_EQ(chunkpool_get_chunks(pool), a);
    EXPECT_EQ(a[0].data, nullptr);
    chunkpool_put_chunks(pool, a);
    chunkpool_put_chunks(pool, b);
    chunkpool_destroy(pool);
}

} // namespace
