// Reed-Solomon code: field, encoder, syndromes and the single-error decoder.
#include "ecc.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using orvex::testkit::Rng;

std::vector<uint8_t> encoded(const std::vector<uint8_t> &data)
{
    std::vector<uint8_t> cw(data.size() + NPAR);
    EXPECT_EQ(generate_codeword(data.data(), static_cast<int>(data.size()), cw.data()), 0);
    return cw;
}

std::vector<uint8_t> random_bytes(Rng &rng, size_t n)
{
    std::vector<uint8_t> v(n);
    for (auto &b : v)
        b = static_cast<uint8_t>(rng.next());
    return v;
}

int correct(std::vector<uint8_t> &cw)
{
    int syn[NPAR];
    decode_data(cw.data(), static_cast<int>(cw.size()), syn);
    return correct_errors_erasures(cw.data(), static_cast<int>(cw.size()), 0, nullptr, syn);
}

TEST(Ecc, FieldAndGeneratorPolynomials)
{
    for (int a = 1; a < 256; ++a)
        ASSERT_EQ(gmult(a, ginv(a)), 1) << a;
    EXPECT_EQ(gmult(0, 77), 0);
    EXPECT_EQ(gmult(128, 2), 0x1D); // antilog[8] of the 0x11D field

    int g2[3], g4[5];
    ASSERT_EQ(compute_genpoly(2, g2), 0);
    ASSERT_EQ(compute_genpoly(4, g4), 0);
    EXPECT_EQ(std::vector<int>(g2, g2 + 3), std::vector<int>(genpoly_2_parity, genpoly_2_parity + 3));
    EXPECT_EQ(std::vector<int>(g4, g4 + 5), (std::vector<int>{116, 231, 216, 30, 1}));
    EXPECT_EQ(std::vector<int>(genpoly_4_parity, genpoly_4_parity + 5), (std::vector<int>{116, 231, 216, 30, 1}));
}

TEST(Ecc, EncodedBlocksHaveZeroSyndromesAndStayUnchanged)
{
    Rng rng(11);
    for (int len : {1, 2, 17, 126, 252, 253}) {
        auto data = random_bytes(rng, static_cast<size_t>(len));
        auto cw = encoded(data);
        ASSERT_TRUE(std::equal(data.begin(), data.end(), cw.begin()));
        int syn[NPAR];
        decode_data(cw.data(), static_cast<int>(cw.size()), syn);
        EXPECT_EQ(check_syndrome(syn), 0) << len;
        auto before = cw;
        EXPECT_EQ(correct_errors_erasures(cw.data(), static_cast<int>(cw.size()), 0, nullptr, syn), -1);
        EXPECT_EQ(cw, before);
    }
}

TEST(Ecc, EverySingleByteErrorOfAFullCodewordIsRepaired)
{
    Rng rng(12);
    auto good = encoded(random_bytes(rng, ECC_BLOCK_SIZE));
    ASSERT_EQ(good.size(), 255u);
    for (size_t pos = 0; pos < good.size(); ++pos) {
        for (uint8_t flip : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}, static_cast<uint8_t>(rng.range(1, 255))}) {
            auto cw = good;
            cw[pos] ^= flip;
            ASSERT_EQ(correct(cw), 0) << "pos " << pos;
            ASSERT_EQ(cw, good) << "pos " << pos;
        }
    }
}

TEST(Ecc, SingleErrorsInShortenedCodewordsAreRepaired)
{
    Rng rng(13);
    for (int len : {1, 5, 100}) {
        auto good = encoded(random_bytes(rng, static_cast<size_t>(len)));
        for (size_t pos = 0; pos < good.size(); ++pos) {
            auto cw = good;
            cw[pos] ^= 0x5A;
            ASSERT_EQ(correct(cw), 0) << len << "/" << pos;
            ASSERT_EQ(cw, good);
        }
    }
}

// Two errors exceed what two parities can repair: the decoder must either
// give up without touching anything, or change exactly one byte (the data
// then stays wrong and only a signature check catches it).
TEST(Ecc, TwoErrorsAreNeverSilentlyMadeGood)
{
    Rng rng(14);
    auto good = encoded(random_bytes(rng, ECC_BLOCK_SIZE));
    int gave_up = 0, changed_one = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        size_t a = rng.range(0, good.size() - 1), b = rng.range(0, good.size() - 1);
        if (a == b)
            continue;
        auto cw = good;
        cw[a] ^= static_cast<uint8_t>(rng.range(1, 255));
        cw[b] ^= static_cast<uint8_t>(rng.range(1, 255));
        auto damaged = cw;
        int rc = correct(cw);
        size_t diff = 0;
        for (size_t i = 0; i < cw.size(); ++i)
            diff += cw[i] != damaged[i];
        if (rc == -1) {
            ASSERT_EQ(diff, 0u);
            ++gave_up;
        } else {
            ASSERT_EQ(diff, 1u);
            ASSERT_NE(cw, good);
            ++changed_one;
        }
    }
    EXPECT_GT(gave_up, 0);
    EXPECT_GT(changed_one, 0);
}

TEST(Ecc, ProtectedBufferLayout)
{
    struct Case {
        int n;
        int parity;
    };
    Rng rng(15);
    for (Case c : {Case{1, 2}, Case{253, 2}, Case{254, 4}, Case{506, 4}, Case{507, 6}}) {
        auto data = random_bytes(rng, static_cast<size_t>(c.n));
        EXPECT_EQ(ecc_parity_len(c.n), c.parity);
        str_t *src = str_copy_from_data(data.data(), c.n);
        str_t *dst = str_get(0);
        ASSERT_EQ(add_ecc_parities(src, dst), 0);
        ASSERT_EQ(dst->used, c.n + c.parity);
        EXPECT_EQ(0, std::memcmp(dst->buf, data.data(), data.size()));
        // Parities of block i sit at n + 2i and match that block's codeword.
        for (int off = 0, i = 0; off < c.n; off += ECC_BLOCK_SIZE, ++i) {
            int len = std::min(ECC_BLOCK_SIZE, c.n - off);
            std::vector<uint8_t> block(data.begin() + off, data.begin() + off + len);
            auto cw = encoded(block);
            EXPECT_EQ(dst->buf[c.n + 2 * i], cw[len]);
            EXPECT_EQ(dst->buf[c.n + 2 * i + 1], cw[len + 1]);
        }
        str_put(src);
        str_put(dst);
    }
}

TEST(Ecc, BadArgumentsFail)
{
    uint8_t cw[4] = {};
    int poly[ECC_MAXDEG] = {};
    int syn[NPAR] = {1, 2};
    EXPECT_EQ(generate_codeword(nullptr, 2, cw), -1);
    EXPECT_EQ(add_ecc_parities(nullptr, nullptr), -1);
    EXPECT_EQ(correct_errors_erasures(cw, 4, 1, nullptr, syn), -1);
    EXPECT_EQ(add_polys(nullptr, poly), -1);
    EXPECT_EQ(scale_poly(3, nullptr), -1);
    EXPECT_EQ(mul_z_poly(nullptr), -1);
    EXPECT_EQ(mult_polys(nullptr, poly, poly), -1);
    EXPECT_EQ(compute_genpoly(2, nullptr), -1);
}

} // namespace
