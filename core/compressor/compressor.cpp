// Chunk compressors: the method table, the selectable compressor object and
// the framing of one chunk. The restore side only decompresses; the backup
// side (here: the test kit) compresses through the same table.
#include "compressor.h"

#include "zlog.h"

#include <bzlib.h>
#include <lz4.h>
#include <lz4hc.h>
#include <zstd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kBzip2BlockSize = 5; // x 100 kB
constexpr int kBzip2WorkFactor = 30;
constexpr int kLz4HcLevel = 9;
constexpr int kLz4McLevel = 8;
constexpr int kZstdLevel = 1;

// Real codecs may expand incompressible input a little; every method but
// "none" gets the same generous bound computed from the largest chunk.
uint32_t codec_bound(uint32_t max_chunksize)
{
    uint64_t bound = uint64_t{max_chunksize} + max_chunksize / 6 + 16384;
    return bound > INT_MAX ? 0 : static_cast<uint32_t>(bound);
}

uint32_t none_bound(uint32_t max_chunksize)
{
    return max_chunksize > INT_MAX ? 0 : max_chunksize;
}

int none_compress(const uint8_t *, uint8_t *, int, int, void *)
{
    return 0; // storing uncompressed is do_compress's fallback, not a method of its own
}

int none_decompress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    if (src_size != dst_capacity)
        return 0;
    if (src_size > 0)
        std::memcpy(dst, src, static_cast<size_t>(src_size));
    return src_size;
}

int lz4_compress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    return LZ4_compress_default(reinterpret_cast<const char *>(src), reinterpret_cast<char *>(dst), src_size,
                                dst_capacity);
}

int lz4_hc_compress_level(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, int level)
{
    return LZ4_compress_HC(reinterpret_cast<const char *>(src), reinterpret_cast<char *>(dst), src_size, dst_capacity,
                           level);
}

int lz4_hc_compress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    return lz4_hc_compress_level(src, dst, src_size, dst_capacity, kLz4HcLevel);
}

int lz4_mc_compress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    return lz4_hc_compress_level(src, dst, src_size, dst_capacity, kLz4McLevel);
}

int lz4_decompress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    return LZ4_decompress_safe(reinterpret_cast<const char *>(src), reinterpret_cast<char *>(dst), src_size,
                               dst_capacity);
}

int bzip2_compress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    auto dst_len = static_cast<unsigned int>(dst_capacity);
    int ret = BZ2_bzBuffToBuffCompress(reinterpret_cast<char *>(dst), &dst_len,
                                       const_cast<char *>(reinterpret_cast<const char *>(src)),
                                       static_cast<unsigned int>(src_size), kBzip2BlockSize, 0, kBzip2WorkFactor);
    if (ret != BZ_OK) {
        OLOG(OLOG_ERROR, "compress chunk (ret=%d)", ret);
        return 0;
    }
    return static_cast<int>(dst_len);
}

int bzip2_decompress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    auto dst_len = static_cast<unsigned int>(dst_capacity);
    int ret = BZ2_bzBuffToBuffDecompress(reinterpret_cast<char *>(dst), &dst_len,
                                         const_cast<char *>(reinterpret_cast<const char *>(src)),
                                         static_cast<unsigned int>(src_size), 0, 0);
    if (ret != BZ_OK) {
        OLOG(OLOG_ERROR, "decompress chunk (ret=%d)", ret);
        return -1;
    }
    return static_cast<int>(dst_len);
}

int zstd_compress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    size_t n = ZSTD_compress(dst, static_cast<size_t>(dst_capacity), src, static_cast<size_t>(src_size), kZstdLevel);
    return ZSTD_isError(n) ? -static_cast<int>(0 - n) : static_cast<int>(n);
}

int zstd_decompress(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *)
{
    // One context per thread, kept: creating one for every chunk costs
    // several microseconds, a good part of decoding a chunk of 64 KiB.
    thread_local std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx *)> ctx(ZSTD_createDCtx(), ZSTD_freeDCtx);
    if (!ctx) {
        OLOG(OLOG_ERROR, "decompress chunk: no memory for a zstd context");
        return -1;
    }
    size_t n = ZSTD_decompressDCtx(ctx.get(), dst, static_cast<size_t>(dst_capacity), src,
                                   static_cast<size_t>(src_size));
    return ZSTD_isError(n) ? -static_cast<int>(0 - n) : static_cast<int>(n);
}

const compressor_method_t method_none = {"none", none_compress, none_decompress, none_bound};
const compressor_method_t method_lz4 = {"lz4", lz4_compress, lz4_decompress, codec_bound};
const compressor_method_t method_bzip2 = {"bzip2", bzip2_compress, bzip2_decompress, codec_bound};
const compressor_method_t method_lz4_hc = {"lz4-hc", lz4_hc_compress, lz4_decompress, codec_bound};
const compressor_method_t method_lz4_mc = {"lz4-mc", lz4_mc_compress, lz4_decompress, codec_bound};
const compressor_method_t method_zstd = {"zstd", zstd_compress, zstd_decompress, codec_bound};

// Index of the first method whose name is exactly `name`, or -1.
int find_method(const char *name)
{
    size_t len = std::strlen(name);
    for (int i = COMPRESSION_MIN; i < COMPRESSION_MAX; i++) {
        const char *candidate = compressor_methods[i]->name;
        if (std::strlen(candidate) == len && std::memcmp(candidate, name, len) == 0)
            return i;
    }
    return -1;
}

void select_method(compressor_t *cmp, int algo)
{
    const compressor_method_t *m = compressor_methods[algo];
    cmp->name = m->name;
    cmp->algo = algo;
    cmp->compressor = m->compressor;
    cmp->decompress = m->decompress;
    cmp->compress_bound = m->compress_bound;
}

} // namespace

extern "C" {

const compressor_method_t *const compressor_methods[COMPRESSION_MAX] = {
    &method_none, &method_lz4, &method_bzip2, &method_lz4_hc, &method_lz4_mc, &method_zstd,
};

compressor_t *compressor_create(int algo) noexcept
{
    if (algo < COMPRESSION_MIN || algo >= COMPRESSION_MAX) {
        OLOG(OLOG_ERROR, "%d: illegal compression method", algo);
        errno = EINVAL;
        return nullptr;
    }
    auto *cmp = static_cast<compressor_t *>(std::calloc(1, sizeof(compressor_t)));
    if (!cmp) {
        errno = ENOMEM;
        return nullptr;
    }
    int found = find_method(compressor_methods[algo]->name);
    if (found < 0) {
        OLOG(OLOG_ERROR, "%s: illegal compression method", compressor_methods[algo]->name);
        std::free(cmp);
        errno = EINVAL;
        return nullptr;
    }
    select_method(cmp, found);
    return cmp;
}

int compressor_set(compressor_t *cmp, const char *name) noexcept
{
    if (!cmp) {
        errno = EINVAL;
        return -1;
    }
    int found = name ? find_method(name) : COMPRESSION_NONE;
    if (found < 0) {
        OLOG(OLOG_ERROR, "%s: illegal compression method", name);
        errno = EINVAL;
        return -1;
    }
    select_method(cmp, found);
    return found;
}

void compressor_destroy(compressor_t *cmp) noexcept
{
    std::free(cmp);
}

str_t *do_compress(str_t *uncmp_chunk, compressor_t *cmp, uint32_t max_chunksize, int *cmp_algo, void *priv) noexcept
{
    if (!uncmp_chunk || !uncmp_chunk->buf || !cmp || !cmp_algo || uncmp_chunk->size < 0) {
        errno = EINVAL;
        return nullptr;
    }
    *cmp_algo = cmp->algo;
    uint32_t bound = cmp->compress_bound(max_chunksize);
    if (bound == 0) {
        OLOG(OLOG_ERROR, "compress_bound: unexpected bound value");
        errno = EINVAL;
        return nullptr;
    }
    str_t *out = str_get(static_cast<int>(bound));
    if (!out) {
        OLOG(OLOG_ERROR, "str_get: size=%d, errno=%d", static_cast<int>(bound), errno);
        return nullptr;
    }
    out->size = cmp->compressor(uncmp_chunk->buf, out->buf, uncmp_chunk->size, static_cast<int>(bound), priv);
    if (out->size <= 0) {
        OLOG(OLOG_ERROR, "compress: errno=%d", errno);
        str_put(out);
        if (errno == 0)
            errno = EIO;
        return nullptr;
    }
    if (out->size < uncmp_chunk->size)
        return out;

    // Not smaller: store the input's own bytes and say so in *cmp_algo.
    std::free(out->buf);
    out->buf = uncmp_chunk->buf;
    out->size = uncmp_chunk->size;
    uncmp_chunk->buf = nullptr;
    *cmp_algo = COMPRESSION_NONE;
    return out;
}

str_t *do_decompress(str_t *cmp_chunk, uint32_t uncmp_chunksize, uint8_t algo, void *) noexcept
{
    if (!cmp_chunk || (!cmp_chunk->buf && cmp_chunk->size != 0) || cmp_chunk->size < 0 ||
        algo >= COMPRESSION_MAX) {
        OLOG(OLOG_ERROR, "do_decompress: invalid chunk or method %u", algo);
        errno = EINVAL;
        return nullptr;
    }
    if (uncmp_chunksize > COMPRESSOR_MAX_CHUNKSIZE) {
        OLOG(OLOG_ERROR, "do_decompress: chunk size %u exceeds the maximum %u", uncmp_chunksize,
             COMPRESSOR_MAX_CHUNKSIZE);
        errno = EINVAL;
        return nullptr;
    }
    str_t *out = str_get(static_cast<int>(uncmp_chunksize));
    if (!out) {
        OLOG(OLOG_ERROR, "str_get: size=%d, errno=%d", static_cast<int>(uncmp_chunksize), errno);
        return nullptr;
    }
    static const uint8_t empty = 0;
    const uint8_t *src = cmp_chunk->buf ? cmp_chunk->buf : &empty;
    uint8_t *dst = out->buf ? out->buf : const_cast<uint8_t *>(&empty);
    int got = compressor_methods[algo]->decompress(src, dst, cmp_chunk->size, static_cast<int>(uncmp_chunksize),
                                                   nullptr);
    // A short result would hand back a chunk with a zero-filled tail as if it
    // were good data; anything but the exact size is corruption.
    if (got < 0 || static_cast<uint32_t>(got) != uncmp_chunksize) {
        OLOG(OLOG_ERROR, "%s: read: %d, expect: %u, errno=%d", "do_decompress", got, uncmp_chunksize, errno);
        str_put(out);
        errno = EIO;
        return nullptr;
    }
    return out;
}

} // extern "C"
