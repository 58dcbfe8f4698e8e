// Chunk crypters over OpenSSL's EVP interface: AES-GCM per chunk, one cipher
// context per worker, chosen by the chunk's first IV byte.
#include "crypter.h"

#include "zlog.h"

#include <openssl/err.h>
#include <openssl/rand.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// OpenSSL keeps its own error queue; errno rarely says anything useful.
const char *ssl_error_text()
{
    unsigned long e = ERR_get_error();
    if (e == 0)
        return std::strerror(errno ? errno : EIO);
    return ERR_reason_error_string(e) ? ERR_reason_error_string(e) : "unknown OpenSSL error";
}

int unsupported_entry(EVP_CIPHER_CTX *, void *, const uint8_t *, int, const uint8_t *, int, const uint8_t *, int,
                      uint8_t *, int, const uint8_t *, int, uint8_t *)
{
    return -1;
}

template <cipher_getter_fn Cipher>
int gcm_encrypt(EVP_CIPHER_CTX *ctx, void *, const uint8_t *key, int key_len, const uint8_t *iv, int, const uint8_t *aad,
                int aad_len, uint8_t *tag, int tag_len, const uint8_t *in, int in_len, uint8_t *out)
{
    return openssl_aes_common_gcm_enc(ctx, Cipher, key, key_len, iv, CRYPTER_GCM_IV_LEN, aad, aad_len, tag, tag_len,
                                      in, in_len, out);
}

template <cipher_getter_fn Cipher>
int gcm_decrypt(EVP_CIPHER_CTX *ctx, void *, const uint8_t *key, int key_len, const uint8_t *iv, int, const uint8_t *aad,
                int aad_len, uint8_t *tag, int tag_len, const uint8_t *in, int in_len, uint8_t *out)
{
    if (openssl_aes_common_gcm_dec(ctx, Cipher, key, key_len, iv, CRYPTER_GCM_IV_LEN, aad, aad_len, tag, tag_len, in,
                                   in_len, out) != 0) {
        OLOG(OLOG_ERROR, "openssl_aes_common_gcm_dec: %s", "authentication or cipher failure");
        errno = EINVAL;
        return -1;
    }
    return 0;
}

const crypter_method_t method_none = {"none", 0, 0, nullptr, nullptr, unsupported_entry, unsupported_entry};
const crypter_method_t method_aes128 = {"aes-128",         16, 0, gcm_encrypt<EVP_aes_128_gcm>,
                                        gcm_decrypt<EVP_aes_128_gcm>, unsupported_entry, unsupported_entry};
const crypter_method_t method_aes192 = {"aes-192",         24, 0, gcm_encrypt<EVP_aes_192_gcm>,
                                        gcm_decrypt<EVP_aes_192_gcm>, unsupported_entry, unsupported_entry};
const crypter_method_t method_aes256 = {"aes-256",         32, 0, gcm_encrypt<EVP_aes_256_gcm>,
                                        gcm_decrypt<EVP_aes_256_gcm>, unsupported_entry, unsupported_entry};

int find_method(const char *name)
{
    size_t len = std::strlen(name);
    for (int i = CRYPTION_NONE; i < CRYPTION_MAX; i++) {
        const char *candidate = crypter_methods[i]->name;
        if (std::strlen(candidate) == len && std::memcmp(candidate, name, len) == 0)
            return i;
    }
    return -1;
}

void release_workers(crypter_t *cry)
{
    if (!cry->workers)
        return;
    for (int i = 0; i < cry->num_workers; i++) {
        crypter_worker_t &w = cry->workers[i];
        orvex_mutex_destroy(&w.mutex);
        EVP_CIPHER_CTX_free(w.ctx);
        std::free(w.gdata);
    }
    std::free(cry->workers);
    cry->workers = nullptr;
}

void release_key(crypter_t *cry)
{
    if (cry->key) {
        OPENSSL_cleanse(cry->key, static_cast<size_t>(cry->key_len));
        std::free(cry->key);
        cry->key = nullptr;
    }
}

crypter_worker_t &worker_for(crypter_t *cry, const uint8_t *iv)
{
    return cry->workers[iv[0] % static_cast<unsigned>(cry->num_workers)];
}

// A buffer of `size` bytes; do_encrypt and do_decrypt overwrite all of it.
str_t *output_buffer(int size)
{
    str_t *out = str_get(size);
    if (!out)
        OLOG(OLOG_ERROR, "str_get: size=%d, errno=%d", size, errno);
    return out;
}

bool usable(const crypter_t *cry)
{
    return cry->num_workers > 0 && cry->workers && cry->algo > CRYPTION_NONE && cry->algo < CRYPTION_MAX &&
           cry->key && cry->encrypter && cry->decrypter;
}

} // namespace

extern "C" {

const crypter_method_t *const crypter_methods[CRYPTION_MAX] = {
    &method_none, &method_aes128, &method_aes192, &method_aes256,
};

crypter_t *crypter_create(void) noexcept
{
    auto *cry = static_cast<crypter_t *>(std::calloc(1, sizeof(crypter_t)));
    if (!cry) {
        errno = ENOMEM;
        return nullptr;
    }
    cry->name = method_none.name;
    return cry;
}

int crypter_set(crypter_t *cry, const char *name, const void *key, int key_len, bool) noexcept
{
    if (!cry) {
        errno = EINVAL;
        return -1;
    }
    if (!name)
        return 0;
    int algo = find_method(name);
    if (algo < 0) {
        OLOG(OLOG_ERROR, "%s: illegal encryption method", name);
        errno = EINVAL;
        return -1;
    }
    if (algo == CRYPTION_NONE)
        return 0;
    const crypter_method_t *m = crypter_methods[algo];
    if (!key) {
        OLOG(OLOG_ERROR, "encryption key is null");
        errno = EINVAL;
        return -1;
    }
    if (key_len != m->key_len) {
        OLOG(OLOG_ERROR, "incorrect key length: got %zu, expected %u", static_cast<size_t>(key_len),
             static_cast<unsigned>(m->key_len));
        errno = EINVAL;
        return -1;
    }
    auto *copy = static_cast<uint8_t *>(std::malloc(static_cast<size_t>(key_len)));
    release_key(cry);
    cry->algo = algo;
    cry->name = m->name;
    cry->key_len = key_len;
    if (!copy) {
        errno = ENOMEM;
        return -1;
    }
    std::memcpy(copy, key, static_cast<size_t>(key_len));
    cry->key = copy;
    OLOG(OLOG_INFO, "use OpenSSL for encryption and decryption");
    cry->encrypter = m->openssl_encrypter;
    cry->decrypter = m->openssl_decrypter;
    return 0;
}

int crypter_init(crypter_t *cry, int num_workers) noexcept
{
    if (!cry || num_workers <= 0) {
        errno = EINVAL;
        return -1;
    }
    release_workers(cry);
    auto *workers = static_cast<crypter_worker_t *>(std::calloc(static_cast<size_t>(num_workers),
                                                                 sizeof(crypter_worker_t)));
    if (!workers) {
        errno = ENOMEM;
        return -1;
    }
    for (int i = 0; i < num_workers; i++) {
        workers[i].ctx = EVP_CIPHER_CTX_new();
        if (!workers[i].ctx) {
            OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_new: %s", ssl_error_text());
            cry->workers = workers;
            cry->num_workers = i; // only these have a mutex to destroy
            release_workers(cry);
            cry->num_workers = 0;
            errno = ENOMEM;
            return -1;
        }
        orvex_mutex_init(&workers[i].mutex);
    }
    cry->workers = workers;
    cry->num_workers = num_workers;
    return 0;
}

int crypter_clean(crypter_t *cry) noexcept
{
    if (!cry) {
        errno = EINVAL;
        return -1;
    }
    release_workers(cry);
    release_key(cry);
    return 0;
}

void crypter_destroy(crypter_t *cry) noexcept
{
    if (!cry)
        return;
    release_workers(cry);
    release_key(cry);
    std::free(cry);
}

str_t *do_encrypt(str_t *chunk, uint32_t enc_chunksize, crypter_t *cry, uint8_t *iv, uint8_t *aad,
                  uint8_t *tag) noexcept
{
    if (!cry || cry->num_workers <= 0) {
        OLOG(OLOG_ERROR, "num_workers is 0");
        errno = EINVAL;
        return nullptr;
    }
    if (!chunk || chunk->size < 0) {
        OLOG(OLOG_ERROR, "chunk is null");
        errno = EINVAL;
        return nullptr;
    }
    if (!usable(cry) || !iv || !aad || !tag || enc_chunksize > INT_MAX ||
        enc_chunksize < static_cast<uint32_t>(chunk->size)) {
        OLOG(OLOG_ERROR, "do_encrypt: invalid crypter, parameters or size %u", enc_chunksize);
        errno = EINVAL;
        return nullptr;
    }
    int enc_size = static_cast<int>(enc_chunksize);
    if (enc_size > chunk->size) {
        auto *grown = static_cast<uint8_t *>(std::realloc(chunk->buf, static_cast<size_t>(enc_size)));
        if (!grown) {
            OLOG(OLOG_ERROR, "realloc: %s", std::strerror(ENOMEM));
            errno = ENOMEM;
            return nullptr;
        }
        std::memset(grown + chunk->size, 0, static_cast<size_t>(enc_size - chunk->size));
        chunk->buf = grown;
        chunk->size = enc_size;
    }
    str_t *out = output_buffer(enc_size);
    if (!out)
        return nullptr;
    crypter_worker_t &w = worker_for(cry, iv);
    int rc;
    {
        orvex::MutexLock lock(&w.mutex);
        rc = cry->encrypter(w.ctx, w.gdata, cry->key, cry->key_len, iv, CRYPTER_IV_LEN, aad, CRYPTER_AAD_LEN, tag,
                            CRYPTER_TAG_LEN, chunk->buf, chunk->size, out->buf);
    }
    if (rc != 0) {
        str_put(out);
        errno = EIO;
        return nullptr;
    }
    return out;
}

str_t *do_decrypt(str_t *unproc_chunk, uint8_t num_paddings, crypter_t *cry, uint8_t *iv, uint8_t *aad,
                  uint8_t *tag) noexcept
{
    if (!unproc_chunk || unproc_chunk->size < 0 || (!unproc_chunk->buf && unproc_chunk->size > 0)) {
        OLOG(OLOG_ERROR, "unproc chunk is null");
        errno = EINVAL;
        return nullptr;
    }
    if (!cry || !usable(cry) || !iv || !aad || !tag) {
        OLOG(OLOG_ERROR, "do_decrypt: crypter not initialised or parameters missing");
        errno = EINVAL;
        return nullptr;
    }
    // Padding beyond the data would give a negative size to whoever reads on.
    if (num_paddings > unproc_chunk->size) {
        OLOG(OLOG_ERROR, "do_decrypt: %u paddings in a chunk of %d bytes", num_paddings, unproc_chunk->size);
        errno = EINVAL;
        return nullptr;
    }
    str_t *out = output_buffer(unproc_chunk->size);
    if (!out)
        return nullptr;
    static uint8_t empty = 0;
    crypter_worker_t &w = worker_for(cry, iv);
    int rc;
    {
        orvex::MutexLock lock(&w.mutex);
        rc = cry->decrypter(w.ctx, w.gdata, cry->key, cry->key_len, iv, CRYPTER_IV_LEN, aad, CRYPTER_AAD_LEN, tag,
                            CRYPTER_TAG_LEN, unproc_chunk->buf ? unproc_chunk->buf : &empty, unproc_chunk->size,
                            out->buf ? out->buf : &empty);
    }
    if (rc != 0) {
        str_put(out);
        errno = EINVAL;
        return nullptr;
    }
    out->size -= num_paddings;
    return out;
}

int get_num_encrypt_paddings(int chunksize) noexcept
{
    int rem = chunksize % 16;
    return rem == 0 ? 0 : 16 - rem;
}

uint8_t *get_random_iv(int iv_size) noexcept
{
    if (iv_size <= 0 || iv_size % 4 != 0) {
        OLOG(OLOG_ERROR, "incorrect iv size");
        errno = EINVAL;
        return nullptr;
    }
    auto *iv = static_cast<uint8_t *>(std::malloc(static_cast<size_t>(iv_size)));
    if (!iv) {
        errno = ENOMEM;
        return nullptr;
    }
    // An IV must never repeat under one key: the system's random source,
    // never a time-seeded generator.
    if (iv_size > 4 && RAND_bytes(iv, iv_size - 4) != 1) {
        OLOG(OLOG_ERROR, "RAND_bytes: %s", ssl_error_text());
        std::free(iv);
        errno = EIO;
        return nullptr;
    }
    static const uint8_t counter_one[4] = {0, 0, 0, 1};
    std::memcpy(iv + iv_size - 4, counter_one, 4);
    return iv;
}

int openssl_aes_common_gcm_enc(EVP_CIPHER_CTX *ctx, cipher_getter_fn cipher, const uint8_t *key, int, const uint8_t *iv,
                               int iv_len, const uint8_t *aad, int aad_len, uint8_t *tag, int tag_len,
                               const uint8_t *in, int len, uint8_t *out) noexcept
{
    int outl = 0;
    if (EVP_EncryptInit_ex(ctx, cipher(), nullptr, nullptr, nullptr) != 1) {
        OLOG(OLOG_ERROR, "EVP_aes_gcm: %s", ssl_error_text());
        return -1;
    }
    if (EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, iv_len, nullptr) != 1) {
        OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_ctrl - IV length init: %s", ssl_error_text());
        return -1;
    }
    if (EVP_EncryptInit_ex(ctx, nullptr, nullptr, key, iv) != 1) {
        OLOG(OLOG_ERROR, "EVP_EncryptInit_ex - init: %s", ssl_error_text());
        return -1;
    }
    if (aad_len > 0 && EVP_EncryptUpdate(ctx, nullptr, &outl, aad, aad_len) != 1) {
        OLOG(OLOG_ERROR, "EVP_EncryptUpdate - aad insert: %s", ssl_error_text());
        return -1;
    }
    if (len > 0 && EVP_EncryptUpdate(ctx, out, &outl, in, len) != 1) {
        OLOG(OLOG_ERROR, "EVP_EncryptUpdate - EVP_aes_cbc: %s", ssl_error_text());
        return -1;
    }
    int finl = 0;
    if (EVP_EncryptFinal_ex(ctx, out + (len > 0 ? outl : 0), &finl) != 1) {
        OLOG(OLOG_ERROR, "EVP_EncryptFinal_ex - EVP_aes_cbc: %s", ssl_error_text());
        return -1;
    }
    if (EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_GET_TAG, tag_len, tag) != 1) {
        OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_ctrl - tag: %s", ssl_error_text());
        return -1;
    }
    return 0;
}

int openssl_aes_common_gcm_dec(EVP_CIPHER_CTX *ctx, cipher_getter_fn cipher, const uint8_t *key, int, const uint8_t *iv,
                               int iv_len, const uint8_t *aad, int aad_len, uint8_t *tag, int tag_len,
                               const uint8_t *in, int len, uint8_t *out) noexcept
{
    int outl = 0;
    if (EVP_DecryptInit_ex(ctx, cipher(), nullptr, nullptr, nullptr) != 1) {
        OLOG(OLOG_ERROR, "EVP_DecryptInit_ex - EVP_aes_gcm: %s", ssl_error_text());
        return -1;
    }
    if (EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, tag_len, tag) != 1) {
        OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_ctrl - set tag: %s", ssl_error_text());
        return -1;
    }
    if (EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_IVLEN, iv_len, nullptr) != 1) {
        OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_ctrl - IV length init: %s", ssl_error_text());
        return -1;
    }
    if (EVP_DecryptInit_ex(ctx, nullptr, nullptr, key, iv) != 1) {
        OLOG(OLOG_ERROR, "EVP_DecryptInit_ex - key init: %s", ssl_error_text());
        return -1;
    }
    if (aad_len > 0 && EVP_DecryptUpdate(ctx, nullptr, &outl, aad, aad_len) != 1) {
        OLOG(OLOG_ERROR, "EVP_DecryptUpdate - aad data setup: %s", ssl_error_text());
        return -1;
    }
    outl = 0;
    if (len > 0 && EVP_DecryptUpdate(ctx, out, &outl, in, len) != 1) {
        OLOG(OLOG_ERROR, "EVP_DecryptUpdate: %s", ssl_error_text());
        return -1;
    }
    if (EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_SET_TAG, tag_len, tag) != 1) {
        OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_ctrl - set tag: %s", ssl_error_text());
        return -1;
    }
    int finl = 0;
    if (EVP_DecryptFinal_ex(ctx, out + outl, &finl) != 1) {
        OLOG(OLOG_ERROR, "EVP_DecryptFinal_ex: %s", ssl_error_text());
        return -1;
    }
    return 0;
}

namespace {

int cbc_run(bool encrypt, EVP_CIPHER_CTX *ctx, cipher_getter_fn getter, const uint8_t *key, const uint8_t *iv,
            const uint8_t *in, int len, uint8_t *out)
{
    const EVP_CIPHER *cipher = getter ? getter() : nullptr;
    if (!cipher) {
        OLOG(OLOG_ERROR, "cipher is null: %s", ssl_error_text());
        return -1;
    }
    const char *what = encrypt ? "EVP_EncryptInit_ex" : "EVP_DecryptInit_ex";
    int ok = encrypt ? EVP_EncryptInit_ex(ctx, cipher, nullptr, key, iv) : EVP_DecryptInit_ex(ctx, cipher, nullptr, key, iv);
    if (ok != 1) {
        OLOG(OLOG_ERROR, "%s: %s", what, ssl_error_text());
        return -1;
    }
    if (EVP_CIPHER_CTX_set_padding(ctx, 0) != 1) {
        OLOG(OLOG_ERROR, "EVP_CIPHER_CTX_set_padding: %s", ssl_error_text());
        return -1;
    }
    int outl = 0;
    ok = encrypt ? EVP_EncryptUpdate(ctx, out, &outl, in, len) : EVP_DecryptUpdate(ctx, out, &outl, in, len);
    if (ok != 1) {
        OLOG(OLOG_ERROR, "%s: %s", encrypt ? "EVP_EncryptUpdate" : "EVP_DecryptUpdate", ssl_error_text());
        return -1;
    }
    int finl = 0;
    ok = encrypt ? EVP_EncryptFinal_ex(ctx, out + outl, &finl) : EVP_DecryptFinal_ex(ctx, out + outl, &finl);
    if (ok != 1) {
        OLOG(OLOG_ERROR, "%s: %s", encrypt ? "EVP_EncryptFinal_ex" : "EVP_DecryptFinal_ex", ssl_error_text());
        return -1;
    }
    return outl + finl;
}

} // namespace

int openssl_aes_common_cbc_enc(EVP_CIPHER_CTX *ctx, void *, cipher_getter_fn cipher, const uint8_t *key, int,
                               const uint8_t *iv, int, const uint8_t *, int, uint8_t *, int, const uint8_t *in, int len,
                               uint8_t *out) noexcept
{
    if (!ctx || !key || !in || !out || len < 0) {
        errno = EINVAL;
        return -1;
    }
    return cbc_run(true, ctx, cipher, key, iv, in, len, out);
}

int openssl_aes_common_cbc_dec(EVP_CIPHER_CTX *ctx, void *, cipher_getter_fn cipher, const uint8_t *key, int,
                               const uint8_t *iv, int, const uint8_t *, int, uint8_t *, int, const uint8_t *in, int len,
                               uint8_t *out) noexcept
{
    if (!ctx || !key || !in || !out || len < 0) {
        errno = EINVAL;
        return -1;
    }
    return cbc_run(false, ctx, cipher, key, iv, in, len, out);
}

} // extern "C"
