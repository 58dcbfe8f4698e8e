// The job information file: job id and signature in either text form, the
// base64 decoder of the signature, and the password check against it.
#include "trellis_common.h"

#include <openssl/evp.h>
#include <openssl/sha.h>

#include <cstring>
#include <memory>

namespace orvex::trellis {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char kPad = '=';

int b64_value(char c)
{
    const char *p = c ? std::strchr(kAlphabet, c) : nullptr;
    return p ? static_cast<int>(p - kAlphabet) : -1;
}

// One group of up to four characters; appends 0 to 3 bytes to `out`.
// Padding in the first two places ends the group with no output; a
// character outside the alphabet ends it where it stands.
void decode_group(const char *g, size_t n, unsigned char out[3], size_t &produced)
{
    produced = 0;
    int v[4] = {-1, -1, -1, -1};
    for (size_t i = 0; i < n && i < 4; ++i)
        v[i] = (g[i] == kPad) ? -2 : b64_value(g[i]);
    if (v[0] < 0 || v[1] < 0)
        return;
    out[produced++] = static_cast<unsigned char>((v[0] << 2) | (v[1] >> 4));
    if (v[2] < 0)
        return;
    out[produced++] = static_cast<unsigned char>(((v[1] & 0x0f) << 4) | (v[2] >> 2));
    if (v[3] < 0)
        return;
    out[produced++] = static_cast<unsigned char>(((v[2] & 0x03) << 6) | v[3]);
}

} // namespace

int get_job_id(const std::string &text, std::string &job_id)
{
    std::string value;
    static const std::string kv = "job id: ";
    static const std::string js = "\"job_id\": \"";
    size_t at = text.find(kv);
    if (at != std::string::npos) {
        size_t start = at + kv.size();
        size_t end = text.find('\n', start);
        value = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    } else if ((at = text.find(js)) != std::string::npos) {
        size_t start = at + js.size();
        size_t end = text.find('"', start);
        if (end == std::string::npos)
            return -1;
        value = text.substr(start, end - start);
    } else {
        return -1;
    }
    if (value.size() != kJobIdLen)
        return -1;
    job_id = value;
    return 0;
}

int get_signature(const std::string &text, std::string &signature)
{
    signature.clear();
    static const std::string js = "\"signature\": ";
    static const std::string kv = "signature: ";
    size_t at = text.find(js);
    size_t start, end;
    if (at != std::string::npos) {
        start = at + js.size();
        if (start >= text.size() || text[start] != '"')
            return 0; // not a string: the folder has no signature
        ++start;
        end = text.find('"', start);
    } else if ((at = text.find(kv)) != std::string::npos) {
        start = at + kv.size();
        end = text.find('\n', start);
    } else {
        return 0;
    }
    if (end == std::string::npos)
        return -1;
    signature = text.substr(start, std::min(end - start, kMaxSignature));
    return 0;
}

size_t b64_Decode_Ex(const char *src, size_t src_len, unsigned char *dst, size_t dst_size)
{
    if (dst_size == 0)
        return 0;
    size_t used = 0;
    const size_t room = dst_size - 1;
    for (size_t i = 0; i < src_len && used < room; i += 4) {
        unsigned char bytes[3];
        size_t produced = 0;
        decode_group(src + i, std::min<size_t>(4, src_len - i), bytes, produced);
        for (size_t k = 0; k < produced && used < room; ++k)
            dst[used++] = bytes[k];
    }
    dst[used] = '\0';
    return used;
}

int check_password(const std::string &job_id, const std::string &signature, const std::string &password)
{
    std::vector<unsigned char> decoded(4096);
    size_t n = b64_Decode_Ex(signature.data(), signature.size(), decoded.data(), decoded.size());
    if (n <= 16)
        return -1;
    const unsigned char *iv = decoded.data();
    const unsigned char *cipher = decoded.data() + 16;
    // Whole blocks only; a trailing partial block cannot hold the job id.
    int cipher_len = static_cast<int>((n - 16) / 16 * 16);
    if (static_cast<size_t>(cipher_len) < kJobIdLen)
        return -1;

    unsigned char key[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(password.data()), password.size(), key);

    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    if (!ctx)
        return -1;
    std::vector<unsigned char> plain(static_cast<size_t>(cipher_len) + 32);
    int out_len = 0;
    int ok = EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_cbc(), nullptr, key, iv) == 1 &&
             EVP_CIPHER_CTX_set_padding(ctx.get(), 0) == 1 &&
             EVP_DecryptUpdate(ctx.get(), plain.data(), &out_len, cipher, cipher_len) == 1;
    OPENSSL_cleanse(key, sizeof key);
    if (!ok || static_cast<size_t>(out_len) < kJobIdLen)
        return -1;
    int same = std::memcmp(plain.data(), job_id.data(), kJobIdLen) == 0;
    OPENSSL_cleanse(plain.data(), plain.size());
    return same ? 0 : -1;
}

} // namespace orvex::trellis
