// Compressors: method table and name matching, the store-uncompressed rule,
// round trips of every method, and corrupt or mis-sized stored chunks.
#include "compressor.h"
#include "log_capture.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using orvex::testkit::Content;
using orvex::testkit::make_bytes;

struct StrDeleter {
    void operator()(str_t *s) const { str_put(s); }
};
using StrPtr = std::unique_ptr<str_t, StrDeleter>;
struct CmpDeleter {
    void operator()(compressor_t *c) const { compressor_destroy(c); }
};
using CmpPtr = std::unique_ptr<compressor_t, CmpDeleter>;

StrPtr make_str(const std::vector<uint8_t> &bytes)
{
    return StrPtr(str_copy_from_data(bytes.data(), static_cast<int>(bytes.size())));
}

std::vector<uint8_t> bytes_of(const str_t *s)
{
    return std::vector<uint8_t>(s->buf, s->buf + s->size);
}

// Compresses `plain` with `algo` and returns the stored bytes and the method
// they really use.
std::pair<StrPtr, int> compress(int algo, const std::vector<uint8_t> &plain)
{
    CmpPtr cmp(compressor_create(algo));
    EXPECT_TRUE(cmp);
    StrPtr in = make_str(plain);
    int used = -1;
    StrPtr out(do_compress(in.get(), cmp.get(), 65536, &used, nullptr));
    return {std::move(out), used};
}

TEST(Compressor, NamesMatchExactlyAndInOrder)
{
    struct Case {
        const char *name;
        int expected;
    } cases[] = {
        {nullptr, COMPRESSION_NONE}, {"none", 0}, {"lz4", 1},   {"bzip2", 2}, {"lz4-hc", 3}, {"lz4-mc", 4},
        {"zstd", 5},                 {"LZ4", -1}, {"Zstd", -1}, {"lz4hc", -1}, {"lz4-", -1}, {"zstd ", -1},
        {"", -1},
    };
    for (const auto &c : cases) {
        CmpPtr cmp(compressor_create(COMPRESSION_ZSTD));
        ASSERT_TRUE(cmp);
        errno = 0;
        EXPECT_EQ(compressor_set(cmp.get(), c.name), c.expected) << (c.name ? c.name : "(null)");
        if (c.expected < 0) {
            EXPECT_EQ(errno, EINVAL);
            EXPECT_EQ(cmp->algo, COMPRESSION_ZSTD) << "an unknown name leaves the compressor alone";
            EXPECT_STREQ(cmp->name, "zstd");
        } else {
            EXPECT_EQ(cmp->algo, c.expected);
            EXPECT_EQ(cmp->name, compressor_methods[c.expected]->name);
        }
    }
    EXPECT_EQ(compressor_set(nullptr, "zstd"), -1);
}

TEST(Compressor, UnknownNameIsLoggedAndNumbersOutsideTheTableAreRefused)
{
    orvex::test::LogCapture log;
    CmpPtr cmp(compressor_create(COMPRESSION_LZ4));
    ASSERT_TRUE(cmp);
    EXPECT_EQ(compressor_set(cmp.get(), "LZ4"), -1);
    errno = 0;
    EXPECT_EQ(compressor_create(COMPRESSION_MAX), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(compressor_create(-1), nullptr);
    EXPECT_NE(log.text().find("LZ4: illegal compression method"), std::string::npos);
}

TEST(Compressor, OutputBoundComesFromTheMaximumChunkSize)
{
    for (int algo = COMPRESSION_LZ4; algo < COMPRESSION_MAX; algo++)
        EXPECT_EQ(compressor_methods[algo]->compress_bound(65536), 92842u) << algo;
    EXPECT_EQ(compressor_methods[COMPRESSION_NONE]->compress_bound(65536), 65536u);
}

TEST(Compressor, EveryMethodRoundTripsCompressibleChunks)
{
    auto plain = make_bytes(7, 65536, Content::Text);
    for (int algo = COMPRESSION_LZ4; algo < COMPRESSION_MAX; algo++) {
        auto [stored, used] = compress(algo, plain);
        ASSERT_TRUE(stored) << algo;
        EXPECT_EQ(used, algo);
        EXPECT_LT(stored->size, 65536);
        StrPtr back(do_decompress(stored.get(), 65536, static_cast<uint8_t>(used), nullptr));
        ASSERT_TRUE(back) << algo;
        EXPECT_EQ(back->size, 65536);
        EXPECT_EQ(bytes_of(back.get()), plain) << algo;
    }
}

TEST(Compressor, IncompressibleChunkIsStoredAsItsOwnBytes)
{
    auto plain = make_bytes(11, 4096, Content::Random);
    CmpPtr cmp(compressor_create(COMPRESSION_LZ4));
    StrPtr in = make_str(plain);
    uint8_t *input_buffer = in->buf;
    int used = -1;
    StrPtr out(do_compress(in.get(), cmp.get(), 65536, &used, nullptr));
    ASSERT_TRUE(out);
    EXPECT_EQ(used, COMPRESSION_NONE);
    EXPECT_EQ(out->size, 4096);
    EXPECT_EQ(out->buf, input_buffer) << "the input's buffer moves into the result";
    EXPECT_EQ(in->buf, nullptr);
    EXPECT_EQ(bytes_of(out.get()), plain);

    StrPtr back(do_decompress(out.get(), 4096, COMPRESSION_NONE, nullptr));
    ASSERT_TRUE(back);
    EXPECT_EQ(bytes_of(back.get()), plain);
}

TEST(Compressor, NoneMethodNeverCompressesAndBadArgumentsFail)
{
    auto plain = make_bytes(3, 1024, Content::Text);
    auto [stored, used] = compress(COMPRESSION_NONE, plain);
    EXPECT_FALSE(stored);

    CmpPtr cmp(compressor_create(COMPRESSION_ZSTD));
    int algo = 0;
    errno = 0;
    EXPECT_EQ(do_compress(nullptr, cmp.get(), 65536, &algo, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
    str_t empty{};
    EXPECT_EQ(do_compress(&empty, cmp.get(), 65536, &algo, nullptr), nullptr);
}

TEST(Compressor, CorruptOrMisSizedStoredChunksFail)
{
    auto plain = make_bytes(5, 65536, Content::Text);
    for (int algo : {COMPRESSION_LZ4, COMPRESSION_BZIP2, COMPRESSION_ZSTD}) {
        auto [stored, used] = compress(algo, plain);
        ASSERT_TRUE(stored);
        ASSERT_EQ(used, algo);

        // Damage the middle of the stored bytes.
        auto corrupt = bytes_of(stored.get());
        for (size_t i = corrupt.size() / 3; i < corrupt.size() / 3 + 16; i++)
            corrupt[i] ^= 0x5A;
        corrupt.resize(corrupt.size() - 7);
        StrPtr bad = make_str(corrupt);
        {
            orvex::test::LogCapture log;
            errno = 0;
            EXPECT_EQ(do_decompress(bad.get(), 65536, static_cast<uint8_t>(algo), nullptr), nullptr) << algo;
            EXPECT_NE(errno, 0);
            EXPECT_NE(log.text().find("expect: 65536"), std::string::npos) << algo;
        }
        EXPECT_EQ(bytes_of(bad.get()), corrupt) << "the input is never changed";

        // Intact bytes that expand to less than the recorded size are not a
        // chunk with a zero tail: they fail too.
        errno = 0;
        EXPECT_EQ(do_decompress(stored.get(), 65536 + 100, static_cast<uint8_t>(algo), nullptr), nullptr) << algo;
        EXPECT_EQ(errno, EIO);
    }
}

TEST(Compressor, StoredSizeMustMatchForUncompressedChunks)
{
    auto plain = make_bytes(9, 100, Content::Random);
    StrPtr in = make_str(plain);
    EXPECT_EQ(do_decompress(in.get(), 120, COMPRESSION_NONE, nullptr), nullptr);
    EXPECT_EQ(errno, EIO);
    errno = 0;
    EXPECT_EQ(do_decompress(in.get(), 100, COMPRESSION_MAX, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(do_decompress(in.get(), COMPRESSOR_MAX_CHUNKSIZE + 1, COMPRESSION_LZ4, nullptr), nullptr);
    EXPECT_EQ(errno, EINVAL);
}

} // namespace
