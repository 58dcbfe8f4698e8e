// The test kit's chunk codec: every compression method with every
// encryption method makes stored bytes the library decodes back.
#include "compressor.h"
#include "crypter.h"
#include "testkit/chunk_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace orvex::testkit;

TEST(ChunkCodec, EveryMethodPairRoundTrips)
{
    auto text = make_bytes(21, 65536, Content::Text);
    auto noise = make_bytes(22, 5000, Content::Random);
    for (int cmp = COMPRESSION_NONE; cmp < COMPRESSION_MAX; cmp++) {
        for (int cry = CRYPTION_NONE; cry < CRYPTION_MAX; cry++) {
            CodecOptions opt;
            opt.cmp_algo = cmp;
            opt.cry_algo = cry;
            opt.key = make_key(cry, 5);
            ChunkCodec codec(opt);
            StoredChunk a = codec.encode(text);
            EXPECT_EQ(a.cmp_algo, cmp) << cmp << "/" << cry;
            EXPECT_EQ(a.cry_algo, cry);
            if (cry != CRYPTION_NONE) {
                EXPECT_EQ(a.stored.size() % 16, 0u);
                EXPECT_EQ(a.iv[15], 1);
            }
            EXPECT_EQ(codec.decode(a, 65536), text) << cmp << "/" << cry;

            StoredChunk b = codec.encode(noise);
            EXPECT_EQ(b.cmp_algo, COMPRESSION_NONE) << "incompressible chunks are stored as they are";
            EXPECT_EQ(b.num_paddings, cry != CRYPTION_NONE ? 8 : 0);
            EXPECT_EQ(codec.decode(b, 5000), noise);
        }
    }
}

TEST(ChunkCodec, ReproducibleFromTheSeed)
{
    CodecOptions opt;
    opt.cmp_algo = COMPRESSION_ZSTD;
    opt.cry_algo = CRYPTION_AES_256;
    opt.key = make_key(CRYPTION_AES_256, 1);
    auto plain = make_bytes(3, 10000, Content::Mixed);
    ChunkCodec one(opt), two(opt);
    StoredChunk a = one.encode(plain), b = two.encode(plain);
    EXPECT_EQ(a.stored, b.stored);
    EXPECT_EQ(a.tag, b.tag);
    StoredChunk c = one.encode(plain);
    EXPECT_NE(c.iv, a.iv) << "each chunk gets its own IV";
    EXPECT_THROW(ChunkCodec({COMPRESSION_MAX, 0, {}, 65536, 1}), std::runtime_error);
    CodecOptions wrong_key = opt;
    wrong_key.key.resize(16);
    EXPECT_THROW(ChunkCodec{wrong_key}, std::runtime_error);
}

} // namespace
