// The tvt chunk reader: header, optional AES-256 decryption (ECB for the
// encryption header, CBC for the content) and optional zlib inflation.
#include "trellis_tvt.h"
#include "trellis_common.h"
#include "trellis_raii.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace orvex::trellis {

namespace {

int64_t le64(const void *p)
{
    const auto *b = static_cast<const unsigned char *>(p);
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | b[i];
    return static_cast<int64_t>(v);
}

struct CipherCtx {
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    ~CipherCtx() { EVP_CIPHER_CTX_free(ctx); }
};

// `len` bytes (a multiple of 16) decrypted without padding handling.
bool aes256_decrypt(const EVP_CIPHER *cipher, const unsigned char *key, const unsigned char *iv,
                    const unsigned char *in, int len, unsigned char *out)
{
    CipherCtx c;
    int n1 = 0, n2 = 0;
    return c.ctx && EVP_DecryptInit_ex(c.ctx, cipher, nullptr, key, iv) == 1 &&
           EVP_CIPHER_CTX_set_padding(c.ctx, 0) == 1 && EVP_DecryptUpdate(c.ctx, out, &n1, in, len) == 1 &&
           EVP_DecryptFinal_ex(c.ctx, out + n1, &n2) == 1 && n1 + n2 == len;
}

// Inflates `in` into `out` (at most `cap` bytes) until the stream ends or
// the input is used up. The output length, or TVT_HEADER on a zlib error or
// output that would not fit.
int inflate_into(const unsigned char *in, size_t in_len, char *out, int cap)
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return TVT_HEADER;
    struct End {
        z_stream *z;
        ~End() { inflateEnd(z); }
    } end{&zs};
    size_t fed = 0;
    size_t total = 0;
    const size_t room = static_cast<size_t>(cap);
    for (;;) {
        // Input in pieces of at most 16 KiB, as the writer's stream was cut.
        if (zs.avail_in == 0) {
            if (fed == in_len)
                break;
            size_t piece = std::min<size_t>(16384, in_len - fed);
            zs.next_in = const_cast<unsigned char *>(in + fed);
            zs.avail_in = static_cast<uInt>(piece);
            fed += piece;
        }
        unsigned char probe;
        bool probing = total == room;
        zs.next_out = probing ? &probe : reinterpret_cast<unsigned char *>(out) + total;
        zs.avail_out = probing ? 1u : static_cast<uInt>(std::min<size_t>(room - total, 1u << 30));
        uInt before = zs.avail_out;
        int rc = inflate(&zs, Z_NO_FLUSH);
        size_t produced = before - zs.avail_out;
        if (rc == Z_STREAM_ERROR || rc == Z_DATA_ERROR || rc == Z_MEM_ERROR || rc == Z_NEED_DICT)
            return TVT_HEADER;
        if (probing && produced > 0)
            return TVT_HEADER; // more output than the buffer holds
        total += probing ? 0 : produced;
        if (rc == Z_STREAM_END)
            break;
        if (rc == Z_BUF_ERROR && zs.avail_in != 0)
            return TVT_HEADER;
        if (rc == Z_BUF_ERROR && zs.avail_in == 0 && fed == in_len)
            break;
    }
    return static_cast<int>(total);
}

} // namespace

int tvt_read_chunk_from(FILE *f, const unsigned char key[32], long long offset, char *buf, int buffer_size)
{
    if (!f || !key || !buf || offset < 0)
        return TVT_HEADER;
    if (fseeko(f, static_cast<off_t>(offset), SEEK_SET) != 0)
        return TVT_HEADER;
    unsigned char raw[sizeof(TRELLIS_TVT_HEADER)];
    if (std::fread(raw, 1, sizeof raw, f) != sizeof raw)
        return TVT_HEADER;
    if (std::memcmp(raw, kTvtMagic, sizeof kTvtMagic) != 0)
        return TVT_KEY;
    const bool encrypted = raw[8] != 0;
    const bool compressed = raw[9] != 0;
    const int64_t chunk_size = le64(raw + 16);
    if (chunk_size <= 0 || buffer_size <= 0 || chunk_size > buffer_size)
        return TVT_SIZE;
    const size_t size = static_cast<size_t>(chunk_size);

    if (!encrypted && !compressed) {
        if (std::fread(buf, 1, size, f) != size)
            return TVT_SHORT;
        return static_cast<int>(size);
    }

    std::unique_ptr<unsigned char[]> data(new (std::nothrow) unsigned char[size]);
    if (!data)
        return TVT_HEADER;
    if (std::fread(data.get(), 1, size, f) != size)
        return TVT_SHORT;

    const unsigned char *content = data.get() + kTvtSkipped;
    size_t content_len = size > static_cast<size_t>(kTvtSkipped) ? size - kTvtSkipped : 0;
    std::unique_ptr<unsigned char[]> plain;
    if (encrypted) {
        // The encryption header under the vault key: its magic tells a wrong key.
        if (size < static_cast<size_t>(kTvtSkipped + kTvtEncryptHeader))
            return TVT_KEY;
        unsigned char hdr_raw[kTvtEncryptHeader];
        if (!aes256_decrypt(EVP_aes_256_ecb(), key, nullptr, data.get() + kTvtSkipped, kTvtEncryptHeader, hdr_raw))
            return TVT_HEADER;
        if (std::memcmp(hdr_raw, kTvtEncryptMagic, sizeof kTvtEncryptMagic) != 0)
            return TVT_KEY;
        const unsigned char *ckey = hdr_raw + 8;
        const unsigned char *salt = hdr_raw + 40;
        const unsigned char *cipher = data.get() + kTvtSkipped + kTvtEncryptHeader;
        const size_t cipher_len = size - kTvtSkipped - kTvtEncryptHeader;
        // CBC needs whole blocks, and the padding needs at least one.
        if (cipher_len == 0 || cipher_len % 16 != 0)
            return TVT_KEY;
        unsigned char *out;
        if (compressed) {
            plain.reset(new (std::nothrow) unsigned char[cipher_len]);
            if (!plain)
                return TVT_HEADER;
            out = plain.get();
        } else {
            out = reinterpret_cast<unsigned char *>(buf); // cipher_len < chunk_size <= buffer_size
        }
        if (!aes256_decrypt(EVP_aes_256_cbc(), ckey, salt, cipher, static_cast<int>(cipher_len), out))
            return TVT_HEADER;
        OPENSSL_cleanse(hdr_raw, sizeof hdr_raw);
        // The padding length must be 1..16 and within the plain text;
        // anything else is a damaged chunk or the wrong content key, never a
        // length to subtract blindly.
        const unsigned pad = out[cipher_len - 1];
        if (pad < 1 || pad > 16 || pad > cipher_len)
            return TVT_KEY;
        content_len = cipher_len - pad;
        if (!compressed)
            return static_cast<int>(content_len);
        content = plain.get();
    } else if (size < static_cast<size_t>(kTvtSkipped)) {
        return TVT_HEADER; // a compressed chunk too short for its leading bytes
    }
    return inflate_into(content, content_len, buf, buffer_size);
}

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" TRELLIS_VESK_API int tvt_read_chunk(char *tvt_path, char *key, long long offset, char *buf,
                                              int buffer_size) noexcept
{
    if (!tvt_path || !key || !buf)
        return TVT_HEADER;
    try {
        File f(trellis_fopen(tvt_path, "rb"));
        if (!f)
            return TVT_OPEN;
        return tvt_read_chunk_from(f.get(), reinterpret_cast<const unsigned char *>(key), offset, buf,
                                   buffer_size);
    } catch (...) {
        return TVT_HEADER;
    }
}
