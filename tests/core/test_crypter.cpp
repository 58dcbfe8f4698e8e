// Crypters: method selection and key checks, AES-GCM round trips with
// padding, tamper detection, IVs, and concurrent use of one crypter.
#include "crypter.h"
#include "log_capture.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

using orvex::testkit::Content;
using orvex::testkit::make_bytes;

struct StrDeleter {
    void operator()(str_t *s) const { str_put(s); }
};
using StrPtr = std::unique_ptr<str_t, StrDeleter>;
struct CryDeleter {
    void operator()(crypter_t *c) const { crypter_destroy(c); }
};
using CryPtr = std::unique_ptr<crypter_t, CryDeleter>;

std::vector<uint8_t> key_of(size_t len, uint8_t seed = 1)
{
    std::vector<uint8_t> key(len);
    for (size_t i = 0; i < len; i++)
        key[i] = static_cast<uint8_t>(seed + i * 7);
    return key;
}

CryPtr ready_crypter(const char *name, const std::vector<uint8_t> &key, int workers = 2)
{
    CryPtr cry(crypter_create());
    EXPECT_EQ(crypter_set(cry.get(), name, key.data(), static_cast<int>(key.size()), false), 0);
    EXPECT_EQ(crypter_init(cry.get(), workers), 0);
    return cry;
}

struct Sealed {
    StrPtr stored;
    std::array<uint8_t, 16> iv{}, aad{}, tag{};
    uint8_t paddings = 0;
};

Sealed seal(crypter_t *cry, const std::vector<uint8_t> &plain)
{
    Sealed s;
    uint8_t *iv = get_random_iv(16);
    std::memcpy(s.iv.data(), iv, 16);
    std::free(iv);
    for (size_t i = 0; i < 16; i++)
        s.aad[i] = static_cast<uint8_t>(0xA0 + i);
    s.paddings = static_cast<uint8_t>(get_num_encrypt_paddings(static_cast<int>(plain.size())));
    StrPtr chunk(str_copy_from_data(plain.data(), static_cast<int>(plain.size())));
    s.stored.reset(do_encrypt(chunk.get(), static_cast<uint32_t>(plain.size() + s.paddings), cry, s.iv.data(),
                              s.aad.data(), s.tag.data()));
    return s;
}

StrPtr open_sealed(crypter_t *cry, Sealed &s)
{
    return StrPtr(do_decrypt(s.stored.get(), s.paddings, cry, s.iv.data(), s.aad.data(), s.tag.data()));
}

TEST(Crypter, KeyLengthMustMatchTheMethod)
{
    orvex::test::LogCapture log;
    CryPtr cry(crypter_create());
    auto key16 = key_of(16);
    errno = 0;
    EXPECT_EQ(crypter_set(cry.get(), "aes-256", key16.data(), 16, false), -1);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(cry->algo, CRYPTION_NONE);
    EXPECT_EQ(cry->key, nullptr);
    EXPECT_NE(log.text().find("incorrect key length: got 16, expected 32"), std::string::npos);
}

TEST(Crypter, MethodSelection)
{
    struct Case {
        const char *name;
        int key_len;
        bool null_key;
        int result;
        int algo;
    } cases[] = {
        {"aes-128", 16, false, 0, CRYPTION_AES_128}, {"aes-192", 24, false, 0, CRYPTION_AES_192},
        {"aes-256", 32, false, 0, CRYPTION_AES_256}, {"none", 0, true, 0, CRYPTION_NONE},
        {nullptr, 0, true, 0, CRYPTION_NONE},        {"AES-256", 32, false, -1, CRYPTION_NONE},
        {"aes256", 32, false, -1, CRYPTION_NONE},    {"aes-256", 32, true, -1, CRYPTION_NONE},
        {"aes-128", 24, false, -1, CRYPTION_NONE},
    };
    for (const auto &c : cases) {
        CryPtr cry(crypter_create());
        auto key = key_of(static_cast<size_t>(c.key_len > 0 ? c.key_len : 1));
        EXPECT_EQ(crypter_set(cry.get(), c.name, c.null_key ? nullptr : key.data(), c.key_len, true), c.result)
            << (c.name ? c.name : "(null)");
        EXPECT_EQ(cry->algo, c.algo);
        if (c.algo != CRYPTION_NONE) {
            EXPECT_EQ(cry->key_len, c.key_len);
            EXPECT_EQ(std::memcmp(cry->key, key.data(), key.size()), 0);
        }
    }
    EXPECT_EQ(crypter_set(nullptr, "aes-256", nullptr, 0, false), -1);
    CryPtr cry(crypter_create());
    EXPECT_EQ(crypter_init(cry.get(), 0), -1);
    EXPECT_EQ(errno, EINVAL);
}

TEST(Crypter, PaddingCounts)
{
    struct Case {
        int size, paddings;
    } cases[] = {{4096, 0}, {4097, 15}, {4111, 1}, {0, 0}, {1, 15}, {16, 0}, {65535, 1}};
    for (const auto &c : cases)
        EXPECT_EQ(get_num_encrypt_paddings(c.size), c.paddings) << c.size;
}

TEST(Crypter, EverySizeRoundTripsWithPadding)
{
    for (int algo = CRYPTION_AES_128; algo < CRYPTION_MAX; algo++) {
        const char *name = crypter_methods[algo]->name;
        CryPtr cry = ready_crypter(name, key_of(static_cast<size_t>(crypter_methods[algo]->key_len)));
        for (size_t size : {size_t{4096}, size_t{4097}, size_t{1}, size_t{65536}}) {
            auto plain = make_bytes(size, size, Content::Mixed);
            Sealed s = seal(cry.get(), plain);
            ASSERT_TRUE(s.stored) << name << " " << size;
            EXPECT_EQ(static_cast<size_t>(s.stored->size), size + s.paddings);
            StrPtr back = open_sealed(cry.get(), s);
            ASSERT_TRUE(back) << name << " " << size;
            ASSERT_EQ(static_cast<size_t>(back->size), size);
            EXPECT_EQ(std::memcmp(back->buf, plain.data(), size), 0);
        }
    }
}

TEST(Crypter, DecryptedChunkIsShorterByItsPaddings)
{
    auto key = key_of(32);
    CryPtr cry = ready_crypter("aes-256", key);
    auto plain = make_bytes(1, 4091, Content::Random);
    Sealed s = seal(cry.get(), plain);
    ASSERT_EQ(s.paddings, 5);
    ASSERT_EQ(s.stored->size, 4096);
    StrPtr back = open_sealed(cry.get(), s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size, 4091);

    // Padding beyond the stored bytes is refused, not turned into a negative size.
    auto tiny = make_bytes(2, 16, Content::Random);
    Sealed t = seal(cry.get(), tiny);
    t.paddings = 17;
    errno = 0;
    EXPECT_FALSE(open_sealed(cry.get(), t));
    EXPECT_EQ(errno, EINVAL);
}

TEST(Crypter, UsesTwelveIvBytesAsPlainGcmDoes)
{
    auto key = key_of(32, 9);
    CryPtr cry = ready_crypter("aes-256", key);
    auto plain = make_bytes(3, 1000, Content::Text);
    Sealed s = seal(cry.get(), plain);
    ASSERT_TRUE(s.stored);
    EXPECT_EQ(s.iv[12], 0);
    EXPECT_EQ(s.iv[15], 1);

    // A bare GCM decryption with the first 12 IV bytes and the AAD.
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    std::vector<uint8_t> out(static_cast<size_t>(s.stored->size));
    int outl = 0, finl = 0;
    ASSERT_EQ(EVP_DecryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr), 1);
    ASSERT_EQ(EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, 12, nullptr), 1);
    ASSERT_EQ(EVP_DecryptInit_ex(ctx, nullptr, nullptr, key.data(), s.iv.data()), 1);
    ASSERT_EQ(EVP_DecryptUpdate(ctx, nullptr, &outl, s.aad.data(), 16), 1);
    ASSERT_EQ(EVP_DecryptUpdate(ctx, out.data(), &outl, s.stored->buf, s.stored->size), 1);
    ASSERT_EQ(EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, 16, s.tag.data()), 1);
    EXPECT_EQ(EVP_DecryptFinal_ex(ctx, out.data() + outl, &finl), 1);
    EVP_CIPHER_CTX_free(ctx);
    EXPECT_EQ(std::memcmp(out.data(), plain.data(), plain.size()), 0);
}

TEST(Crypter, TamperingIsDetected)
{
    auto key = key_of(32);
    CryPtr cry = ready_crypter("aes-256", key);
    auto plain = make_bytes(4, 8192, Content::Mixed);
    enum What { Tag, Aad, Data, Key };
    for (What what : {Tag, Aad, Data, Key}) {
        Sealed s = seal(cry.get(), plain);
        ASSERT_TRUE(s.stored);
        CryPtr other;
        crypter_t *use = cry.get();
        switch (what) {
        case Tag: s.tag[3] ^= 1; break;
        case Aad: s.aad[15] ^= 0x80; break;
        case Data: s.stored->buf[5000] ^= 0x10; break;
        case Key:
            other = ready_crypter("aes-256", key_of(32, 2));
            use = other.get();
            break;
        }
        auto stored_before = std::vector<uint8_t>(s.stored->buf, s.stored->buf + s.stored->size);
        orvex::test::LogCapture log;
        EXPECT_FALSE(open_sealed(use, s)) << what;
        EXPECT_EQ(std::memcmp(stored_before.data(), s.stored->buf, stored_before.size()), 0);
        EXPECT_NE(log.text().find("EVP_DecryptFinal_ex"), std::string::npos) << what;
    }
}

TEST(Crypter, RandomIvs)
{
    uint8_t *a = get_random_iv(16), *b = get_random_iv(16);
    ASSERT_TRUE(a && b);
    EXPECT_NE(std::memcmp(a, b, 12), 0) << "two IVs must differ";
    const uint8_t tail[4] = {0, 0, 0, 1};
    EXPECT_EQ(std::memcmp(a + 12, tail, 4), 0);
    std::free(a);
    std::free(b);
    uint8_t *small = get_random_iv(8);
    ASSERT_TRUE(small);
    EXPECT_EQ(std::memcmp(small + 4, tail, 4), 0) << "the counter sits in the last word whatever the size";
    std::free(small);
    for (int bad : {15, 0, -4}) {
        errno = 0;
        EXPECT_EQ(get_random_iv(bad), nullptr) << bad;
        EXPECT_EQ(errno, EINVAL);
    }
}

TEST(Crypter, ThreadsShareOneCrypter)
{
    auto key = key_of(16);
    CryPtr cry = ready_crypter("aes-128", key, 3);
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; t++) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 40; i++) {
                auto plain = make_bytes(static_cast<uint64_t>(t * 100 + i), 3000 + static_cast<size_t>(i));
                Sealed s = seal(cry.get(), plain);
                StrPtr back = s.stored ? open_sealed(cry.get(), s) : nullptr;
                if (!back || std::memcmp(back->buf, plain.data(), plain.size()) != 0)
                    failures[static_cast<size_t>(t)]++;
            }
        });
    }
    for (auto &th : threads)
        th.join();
    for (int f : failures)
        EXPECT_EQ(f, 0);
}

TEST(Crypter, CleanThenSetAgain)
{
    CryPtr cry = ready_crypter("aes-256", key_of(32));
    EXPECT_EQ(crypter_clean(cry.get()), 0);
    EXPECT_EQ(cry->workers, nullptr);
    EXPECT_EQ(cry->key, nullptr);
    auto key = key_of(24);
    ASSERT_EQ(crypter_set(cry.get(), "aes-192", key.data(), 24, false), 0);
    ASSERT_EQ(crypter_init(cry.get(), 1), 0);
    auto plain = make_bytes(8, 64, Content::Text);
    Sealed s = seal(cry.get(), plain);
    ASSERT_TRUE(s.stored);
    EXPECT_TRUE(open_sealed(cry.get(), s));

    CryPtr bare(crypter_create());
    StrPtr chunk(str_copy_from_data(plain.data(), 64));
    uint8_t iv[16] = {}, aad[16] = {}, tag[16] = {};
    errno = 0;
    EXPECT_EQ(do_encrypt(chunk.get(), 64, bare.get(), iv, aad, tag), nullptr) << "no workers";
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(do_decrypt(chunk.get(), 0, bare.get(), iv, aad, tag), nullptr);
    crypter_destroy(nullptr);
}

} // namespace
