/* Chunk crypters: AES in Galois/Counter Mode under a job key. A crypter owns
 * a small set of cipher contexts ("workers"), each behind its own mutex; a
 * chunk uses worker iv[0] % num_workers, so any number of threads may encrypt
 * and decrypt through one crypter after crypter_init. Per-chunk parameters:
 * IV, AAD and tag of 16 bytes each; GCM uses the first 12 bytes of the IV. */
#ifndef ORVEX_CRYPTER_H
#define ORVEX_CRYPTER_H

#include <stdbool.h>
#include <stdint.h>
#include <openssl/evp.h>
#include "orvex_export.h"
#include "util/str.h"
#include "util/thread.h"

ORVEX_EXTERN_C_BEGIN

enum CRYPTION_TYPE {
    CRYPTION_NONE = 0,
    CRYPTION_AES_128 = 1,
    CRYPTION_AES_192 = 2,
    CRYPTION_AES_256 = 3,
    CRYPTION_MAX = 4
};

#define CRYPTER_IV_LEN 16
#define CRYPTER_AAD_LEN 16
#define CRYPTER_TAG_LEN 16
/* Bytes of the IV that GCM uses; the last four of a generated IV are 00 00 00 01. */
#define CRYPTER_GCM_IV_LEN (CRYPTER_IV_LEN - 4)

/* Cipher entry: (ctx, gdata, key, key_len, iv, iv_len, aad, aad_len, tag,
 * tag_len, in, in_len, out) -> 0 or -1. */
typedef int (*crypter_fn)(EVP_CIPHER_CTX *ctx, void *gdata, const uint8_t *key, int key_len, const uint8_t *iv,
                          int iv_len, const uint8_t *aad, int aad_len, uint8_t *tag, int tag_len, const uint8_t *in,
                          int in_len, uint8_t *out);
typedef const EVP_CIPHER *(*cipher_getter_fn)(void);

typedef struct crypter_method {
    const char *name;
    int key_len;
    int padding;
    crypter_fn openssl_encrypter;
    crypter_fn openssl_decrypter;
    /* Hooks of an accelerated library this system does not carry: always -1. */
    crypter_fn isal_encrypter;
    crypter_fn isal_decrypter;
} crypter_method_t;

ORVEX_COMMON_API extern const crypter_method_t *const crypter_methods[CRYPTION_MAX];

typedef struct crypter_worker {
    EVP_CIPHER_CTX *ctx; /* owned */
    void *key_data;      /* always NULL */
    void *gdata;         /* owned; NULL in this build */
    orvex_mutex_t mutex; /* serialises use of ctx */
} crypter_worker_t;

typedef struct crypter {
    const char *name; /* not owned */
    int algo;
    int key_len;
    uint8_t *key; /* owned copy */
    int padding;
    int num_workers;
    crypter_worker_t *workers; /* owned */
    crypter_fn encrypter;
    crypter_fn decrypter;
} crypter_t;

/* A zeroed crypter (method "none"); NULL with ENOMEM. */
ORVEX_COMMON_API crypter_t *crypter_create(void) ORVEX_NOEXCEPT;
/* Selects a method by exact name and copies the key. A NULL name, or "none",
 * changes nothing and returns 0. -1 with EINVAL for an unknown name, a NULL
 * key, or a key length other than the method's. `disable_isal` has no effect. */
ORVEX_COMMON_API int crypter_set(crypter_t *cry, const char *name, const void *key, int key_len,
                                 bool disable_isal) ORVEX_NOEXCEPT;
/* Creates `num_workers` cipher contexts. 0, or -1 (EINVAL for 0 workers). */
ORVEX_COMMON_API int crypter_init(crypter_t *cry, int num_workers) ORVEX_NOEXCEPT;
/* Releases contexts and key; the record may be set and initialised again. */
ORVEX_COMMON_API int crypter_clean(crypter_t *cry) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void crypter_destroy(crypter_t *cry) ORVEX_NOEXCEPT;

/* Pads `chunk` with zero bytes to `enc_chunksize` (it grows in place) and
 * returns a new buffer with its encryption; the tag goes to `tag`. NULL on
 * failure. */
ORVEX_COMMON_API str_t *do_encrypt(str_t *chunk, uint32_t enc_chunksize, crypter_t *cry, uint8_t *iv, uint8_t *aad,
                                   uint8_t *tag) ORVEX_NOEXCEPT;
/* Decrypts and authenticates `unproc_chunk`; the result is `num_paddings`
 * bytes shorter than the input. NULL on failure (the input is untouched):
 * EINVAL for bad arguments or a failed authentication (wrong key, changed
 * tag, AAD or byte). */
ORVEX_COMMON_API str_t *do_decrypt(str_t *unproc_chunk, uint8_t num_paddings, crypter_t *cry, uint8_t *iv,
                                   uint8_t *aad, uint8_t *tag) ORVEX_NOEXCEPT;
/* Bytes that bring `chunksize` to the next multiple of 16 (0..15). */
ORVEX_COMMON_API int get_num_encrypt_paddings(int chunksize) ORVEX_NOEXCEPT;
/* A new IV (free with free()) of `iv_size` bytes, a positive multiple of 4:
 * random bytes from the system's source, the last four 00 00 00 01. NULL with
 * EINVAL for another size, EIO when the random source fails. */
ORVEX_COMMON_API uint8_t *get_random_iv(int iv_size) ORVEX_NOEXCEPT;

/* Building blocks. GCM: 0 or -1. CBC (padding off): bytes produced or -1. */
ORVEX_COMMON_API int openssl_aes_common_gcm_enc(EVP_CIPHER_CTX *ctx, cipher_getter_fn cipher, const uint8_t *key,
                                                int key_len, const uint8_t *iv, int iv_len, const uint8_t *aad,
                                                int aad_len, uint8_t *tag, int tag_len, const uint8_t *in, int len,
                                                uint8_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int openssl_aes_common_gcm_dec(EVP_CIPHER_CTX *ctx, cipher_getter_fn cipher, const uint8_t *key,
                                                int key_len, const uint8_t *iv, int iv_len, const uint8_t *aad,
                                                int aad_len, uint8_t *tag, int tag_len, const uint8_t *in, int len,
                                                uint8_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int openssl_aes_common_cbc_enc(EVP_CIPHER_CTX *ctx, void *gdata, cipher_getter_fn cipher,
                                                const uint8_t *key, int key_len, const uint8_t *iv, int iv_len,
                                                const uint8_t *aad, int aad_len, uint8_t *tag, int tag_len,
                                                const uint8_t *in, int len, uint8_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int openssl_aes_common_cbc_dec(EVP_CIPHER_CTX *ctx, void *gdata, cipher_getter_fn cipher,
                                                const uint8_t *key, int key_len, const uint8_t *iv, int iv_len,
                                                const uint8_t *aad, int aad_len, uint8_t *tag, int tag_len,
                                                const uint8_t *in, int len, uint8_t *out) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
