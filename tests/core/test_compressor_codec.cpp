// The test kit's chunk codec: every compression method with every
// encryption method makes stored bytes the library decodes back.
#include "chunk.h"
#include "compressor.h"
#include "crypter.h"
#include "file.h"
#include "header.h"
#include "testkit/chunk_codec.h"
#include "vaultfile.h"

#include <gtest/gtest.h>

#include <cstring>

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

// Chunks encoded by the codec, stored in a vault by the vault writer, come
// back through the reader's steps: chunk header, data area, parities,
// decryption, decompression.
TEST(ChunkCodec, VaultWriterStoresEncodedChunksReadersDecode)
{
    TempDir dir;
    CodecOptions opt;
    opt.cmp_algo = COMPRESSION_LZ4_HC;
    opt.cry_algo = CRYPTION_AES_128;
    opt.key = make_key(CRYPTION_AES_128, 3);
    auto codec = std::make_shared<ChunkCodec>(opt);
    VaultWriter vault(2, 77, make_chunk_encoder(codec));
    std::vector<std::vector<uint8_t>> plain = {make_bytes(1, 65536, Content::Text), make_bytes(2, 777, Content::Random),
                                               make_bytes(3, 4096, Content::Mixed)};
    for (const auto &p : plain)
        vault.add_chunk(p);
    auto path = dir / "v.ovt";
    vault.write(path);

    file_t *f = file_open(path.string().c_str(), &vaultfile_operations, OS_O_BINARY, 0, nullptr);
    ASSERT_TRUE(f);
    for (size_t i = 0; i < plain.size(); i++) {
        const VaultChunkRef &ref = vault.chunks()[i];
        auto *hdr = static_cast<chunk_hdr_t *>(header_get(FMT_CHUNK, f->fd, ref.voffset, nullptr, 1));
        ASSERT_TRUE(hdr) << i;
        EXPECT_EQ(hdr->chunksize, plain[i].size());
        EXPECT_EQ(hdr->cry_algo, CRYPTION_AES_128);
        str_t *area = read_data_and_parities_from_file(f, ref.voffset + CHUNK_HDR_SIZE, hdr->store_chunksize);
        ASSERT_TRUE(area);
        str_t *data = get_data_from_data_and_parities(area, static_cast<int>(hdr->store_chunksize), 1);
        ASSERT_TRUE(data);
        StoredChunk stored;
        stored.stored.assign(data->buf, data->buf + hdr->store_chunksize);
        stored.cmp_algo = hdr->cmp_algo;
        stored.cry_algo = hdr->cry_algo;
        stored.num_paddings = hdr->num_paddings;
        std::memcpy(stored.iv.data(), hdr->iv, 16);
        std::memcpy(stored.aad.data(), hdr->aad, 16);
        std::memcpy(stored.tag.data(), hdr->tag, 16);
        EXPECT_EQ(codec->decode(stored, hdr->chunksize), plain[i]) << i;
        str_put(data);
        str_put(area);
        chunk_hdr_destroy(hdr);
    }
    file_close(f);
}

} // namespace
