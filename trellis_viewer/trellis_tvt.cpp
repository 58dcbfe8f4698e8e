// The tvt chunk reader: header, optional AES-256 decryption (ECB for the
// encryption header, CBC for the content) and optional zlib inflation.
#include "trellis_tvt.h"
#include "trellis_common.h"
#include "trellis_raii.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <zlib.h>

#include <climits>
#include <cstddef>
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

// The content of a transformed chunk: `data` holds its `size` stored bytes.
// The content length in `buf`, or a tvt_result.
int decode_transformed(bool encrypted, bool compressed, const unsigned char *data, size_t size,
                       const unsigned char key[32], char *buf, int buffer_size)
{
    const unsigned char *content = data + kTvtSkipped;
    size_t content_len = size > static_cast<size_t>(kTvtSkipped) ? size - kTvtSkipped : 0;
    std::unique_ptr<unsigned char[]> plain;
    if (encrypted) {
        // The encryption header under the vault key: its magic tells a wrong key.
        if (size < static_cast<size_t>(kTvtSkipped + kTvtEncryptHeader))
            return TVT_KEY;
        unsigned char hdr_raw[kTvtEncryptHeader];
        if (!aes256_decrypt(EVP_aes_256_ecb(), key, nullptr, data + kTvtSkipped, kTvtEncryptHeader, hdr_raw))
            return TVT_HEADER;
        struct Wipe {
            unsigned char *p;
            ~Wipe() { OPENSSL_cleanse(p, kTvtEncryptHeader); }
        } wipe{hdr_raw};
        if (std::memcmp(hdr_raw, kTvtEncryptMagic, sizeof kTvtEncryptMagic) != 0)
            return TVT_KEY;
        const unsigned char *ckey = hdr_raw + 8;
        const unsigned char *salt = hdr_raw + 40;
        const unsigned char *cipher = data + kTvtSkipped + kTvtEncryptHeader;
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

bool all_zero(const unsigned char *p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

// Checks the content (and, failing that, the stored bytes) against the
// header's digest field. 0 with `how`, or TVT_DIGEST.
int check_digest(const unsigned char field[32], const void *content, size_t len, const unsigned char *stored,
                 size_t stored_len, TvtDigest &how)
{
    if (all_zero(field, 32)) {
        how = TvtDigest::None;
        return 0;
    }
    unsigned char d[SHA256_DIGEST_LENGTH];
    SHA256(static_cast<const unsigned char *>(content), len, d);
    if (CRYPTO_memcmp(d, field, sizeof d) == 0) {
        how = TvtDigest::Content;
        return 0;
    }
    if (stored != content || stored_len != len) {
        SHA256(stored, stored_len, d);
        if (CRYPTO_memcmp(d, field, sizeof d) == 0) {
            how = TvtDigest::Stored;
            return 0;
        }
    }
    return TVT_DIGEST;
}

} // namespace

const char *tvt_result_text(int result)
{
    switch (result) {
    case TVT_HEADER:
        return "unreadable header or damaged compressed content";
    case TVT_SIZE:
        return "chunk size out of range";
    case TVT_SHORT:
        return "chunk data cut short";
    case TVT_KEY:
        return "wrong magic or wrong key";
    case TVT_OPEN:
        return "vault not openable";
    case TVT_DIGEST:
        return "content does not match its digest";
    default:
        return "unreadable chunk";
    }
}

int tvt_read_chunk_from(FILE *f, const unsigned char key[32], long long offset, char *buf, int buffer_size,
                        TvtDigest *digest)
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
    const unsigned char *field = raw + offsetof(TRELLIS_TVT_HEADER, sha256);
    if (chunk_size <= 0 || buffer_size <= 0 || chunk_size > buffer_size)
        return TVT_SIZE;
    const size_t size = static_cast<size_t>(chunk_size);
    TvtDigest how = TvtDigest::None;

    if (!encrypted && !compressed) {
        if (std::fread(buf, 1, size, f) != size)
            return TVT_SHORT;
        const auto *stored = reinterpret_cast<const unsigned char *>(buf);
        if (check_digest(field, buf, size, stored, size, how) != 0)
            return TVT_DIGEST;
        if (digest)
            *digest = how;
        return static_cast<int>(size);
    }

    std::unique_ptr<unsigned char[]> data(new (std::nothrow) unsigned char[size]);
    if (!data)
        return TVT_HEADER;
    if (std::fread(data.get(), 1, size, f) != size)
        return TVT_SHORT;
    const int n = decode_transformed(encrypted, compressed, data.get(), size, key, buf, buffer_size);
    if (n < 0)
        return n;
    if (check_digest(field, buf, static_cast<size_t>(n), data.get(), size, how) != 0)
        return TVT_DIGEST;
    if (digest)
        *digest = how;
    return n;
}

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" TRELLIS_VESK_API int tvt_read_chunk(char *tvt_path, char *key, long long offset, char *buf,
                                              int buffer_size) noexcept
{
    if (!tvt_path || !key || !buf)
        return TVT_HEADER;
    try {
        File f(fopen_backup_file(tvt_path));
        if (!f)
            return TVT_OPEN;
        return tvt_read_chunk_from(f.get(), reinterpret_cast<const unsigned char *>(key), offset, buf,
                                   buffer_size);
    } catch (...) {
        return TVT_HEADER;
    }
}
