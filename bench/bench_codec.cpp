// Chunk codec throughput: do_decompress (zstd, lz4) against the codec
// libraries called directly on the same buffers, and do_decrypt
// (AES-256-GCM) against a bare EVP loop on the same buffers. Ratios of the
// best of several rounds, all measured in this run.
#include "compressor.h"
#include "crypter.h"
#include "testkit/chunk_codec.h"
#include "testkit/tempdir.h"

#include <lz4.h>
#include <openssl/evp.h>
#include <zstd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace orvex::testkit;
using Clock = std::chrono::steady_clock;

constexpr size_t kChunk = 65536;
constexpr int kChunks = 256; // 16 MiB per pass
constexpr int kRounds = 7;

struct StrDel {
    void operator()(str_t *s) const { str_put(s); }
};
using Str = std::unique_ptr<str_t, StrDel>;

// Best time of kRounds passes of `pass`, in seconds. The two contenders
// alternate so that both see the same machine state.
void race(const char *name, const std::function<bool()> &ours, const std::function<bool()> &direct)
{
    double best_ours = 1e9, best_direct = 1e9;
    for (int r = 0; r < kRounds; r++) {
        for (int which = 0; which < 2; which++) {
            auto t0 = Clock::now();
            bool ok = which == 0 ? ours() : direct();
            double s = std::chrono::duration<double>(Clock::now() - t0).count();
            if (!ok) {
                std::fprintf(stderr, "%s: a pass failed\n", name);
                std::exit(1);
            }
            (which == 0 ? best_ours : best_direct) = std::min(which == 0 ? best_ours : best_direct, s);
        }
    }
    double mib = static_cast<double>(kChunk) * kChunks / (1024.0 * 1024.0);
    std::printf("%-28s ours %8.1f MiB/s   direct %8.1f MiB/s   ratio %.3f\n", name, mib / best_ours,
                mib / best_direct, best_direct / best_ours);
}

// Realistic chunks: text, mixed and partly random content.
std::vector<std::vector<uint8_t>> make_chunks()
{
    std::vector<std::vector<uint8_t>> chunks;
    for (int i = 0; i < kChunks; i++) {
        Content kind = i % 4 == 3 ? Content::Mixed : Content::Text;
        chunks.push_back(make_bytes(static_cast<uint64_t>(1000 + i), kChunk, kind));
    }
    return chunks;
}

void bench_decompress(const std::vector<std::vector<uint8_t>> &plain)
{
    std::vector<Str> zstd_chunks, lz4_chunks;
    for (const auto &p : plain) {
        std::vector<uint8_t> z(ZSTD_compressBound(p.size()));
        z.resize(ZSTD_compress(z.data(), z.size(), p.data(), p.size(), 1));
        zstd_chunks.emplace_back(str_copy_from_data(z.data(), static_cast<int>(z.size())));
        std::vector<uint8_t> l(static_cast<size_t>(LZ4_compressBound(static_cast<int>(p.size()))));
        l.resize(static_cast<size_t>(LZ4_compress_default(reinterpret_cast<const char *>(p.data()),
                                                          reinterpret_cast<char *>(l.data()),
                                                          static_cast<int>(p.size()), static_cast<int>(l.size()))));
        lz4_chunks.emplace_back(str_copy_from_data(l.data(), static_cast<int>(l.size())));
    }
    std::vector<uint8_t> out(kChunk);

    race(
        "do_decompress zstd",
        [&] {
            for (auto &c : zstd_chunks) {
                str_t *o = do_decompress(c.get(), kChunk, COMPRESSION_ZSTD, nullptr);
                if (!o)
                    return false;
                str_put(o);
            }
            return true;
        },
        [&] {
            for (auto &c : zstd_chunks)
                if (ZSTD_decompress(out.data(), kChunk, c->buf, static_cast<size_t>(c->size)) != kChunk)
                    return false;
            return true;
        });
    race(
        "do_decompress lz4",
        [&] {
            for (auto &c : lz4_chunks) {
                str_t *o = do_decompress(c.get(), kChunk, COMPRESSION_LZ4, nullptr);
                if (!o)
                    return false;
                str_put(o);
            }
            return true;
        },
        [&] {
            for (auto &c : lz4_chunks)
                if (LZ4_decompress_safe(reinterpret_cast<const char *>(c->buf), reinterpret_cast<char *>(out.data()),
                                        c->size, kChunk) != static_cast<int>(kChunk))
                    return false;
            return true;
        });
}

void bench_decrypt(const std::vector<std::vector<uint8_t>> &plain)
{
    CodecOptions opt;
    opt.cry_algo = CRYPTION_AES_256;
    opt.key = make_key(CRYPTION_AES_256, 9);
    ChunkCodec codec(opt);
    std::vector<StoredChunk> sealed;
    std::vector<Str> stored;
    for (const auto &p : plain) {
        sealed.push_back(codec.encode(p));
        stored.emplace_back(str_copy_from_data(sealed.back().stored.data(), static_cast<int>(sealed.back().stored.size())));
    }
    crypter_t *cry = crypter_create();
    crypter_set(cry, "aes-256", opt.key.data(), 32, true);
    crypter_init(cry, 2);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    std::vector<uint8_t> out(kChunk + 16);

    race(
        "do_decrypt aes-256-gcm",
        [&] {
            for (size_t i = 0; i < sealed.size(); i++) {
                StoredChunk &s = sealed[i];
                str_t *o = do_decrypt(stored[i].get(), s.num_paddings, cry, s.iv.data(), s.aad.data(), s.tag.data());
                if (!o)
                    return false;
                str_put(o);
            }
            return true;
        },
        [&] {
            for (size_t i = 0; i < sealed.size(); i++) {
                StoredChunk &s = sealed[i];
                int outl = 0, finl = 0;
                if (EVP_DecryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
                    EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, 12, nullptr) != 1 ||
                    EVP_DecryptInit_ex(ctx, nullptr, nullptr, opt.key.data(), s.iv.data()) != 1 ||
                    EVP_DecryptUpdate(ctx, nullptr, &outl, s.aad.data(), 16) != 1 ||
                    EVP_DecryptUpdate(ctx, out.data(), &outl, stored[i]->buf, stored[i]->size) != 1 ||
                    EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, 16, s.tag.data()) != 1 ||
                    EVP_DecryptFinal_ex(ctx, out.data() + outl, &finl) != 1)
                    return false;
            }
            return true;
        });
    EVP_CIPHER_CTX_free(ctx);
    crypter_destroy(cry);
}

} // namespace

int main()
{
    auto plain = make_chunks();
    std::printf("%d chunks of %zu bytes, best of %d rounds; ratio = ours / direct throughput\n", kChunks, kChunk,
                kRounds);
    bench_decompress(plain);
    bench_decrypt(plain);
    return 0;
}
