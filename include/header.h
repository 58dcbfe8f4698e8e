/* Framed binary headers, the common file header and the VESK container header.
 *
 * Vault and chunk headers share one 128-byte frame, all integers big-endian:
 *   bytes 0..117    body (the format's fields from offset 0, the rest zero)
 *   bytes 118..125  XXH64 (seed 0) of bytes 0..117
 *   bytes 126..127  two Reed-Solomon parity bytes over bytes 0..125, or zero
 * A reader that finds a wrong signature repairs one damaged byte from the
 * parities before it parses the fields (when asked to, `do_ecc`).
 *
 * The VESK container header (first 128 bytes of a container) has no
 * signature and no parity. */
#ifndef ORVEX_HEADER_H
#define ORVEX_HEADER_H

#include <stdbool.h>
#include <stdint.h>
#include "orvex_export.h"
#include "util/str.h"

ORVEX_EXTERN_C_BEGIN

#define HEADER_SIZE 128
#define HEADER_BODY_SIZE 118
#define HEADER_SIG_OFFSET 118
#define HEADER_PARITY_OFFSET 126

/* Version written into every header this library creates: 1.2.1. */
#define ORVEX_APP_VER_MAJOR 1
#define ORVEX_APP_VER_MINOR 2
#define ORVEX_APP_VER_PATCH 1

typedef enum { FMT_DESCRIPTOR = 0, FMT_VAULT = 1, FMT_MEMVAULT = 2, FMT_CHUNK = 3, FMT_MAX = 4 } fmt_t;

/* Per-format marshalling. `size` is 0 for a format without a framed header
 * (the descriptor keeps its header in a database row). */
typedef struct hdrops {
    const char *name;
    int size;
    int (*marshal_header)(void *hdr, str_t *codeword, bool enable_ecc);
    void *(*unmarshal_header)(str_t *codeword, int do_ecc);
} hdrops_t;

/* Indexed by fmt_t. */
ORVEX_COMMON_API extern const hdrops_t hdrops[FMT_MAX];

/* Attributes of a source file as kept in descriptors and export databases:
 * a fixed 48-byte record copied as a blob, host byte order. Times are full
 * 64-bit seconds. */
typedef struct file_attr {
    uint32_t mode;
    uint32_t nlink;
    uint32_t uid;
    uint32_t gid;
    int64_t size;
    int64_t atime;
    int64_t mtime;
    int64_t ctime;
} file_attr_t;
#define FILE_ATTR_SIZE 48

/* Common in-memory header of descriptors and vaults. A vault uses app_ver_*,
 * hash_algo, cmp_algo, vid, filesize (the whole vault file), num_chunks,
 * min/max_chunksize, hash (content checksum), the two map offsets,
 * num_extents and vault_alignment. Map offsets are 64-bit in memory; the
 * vault format stores them in 32 bits and refuses larger values. */
typedef struct filehdr {
    uint8_t app_ver_major;
    uint8_t app_ver_minor;
    uint8_t app_ver_patch;
    uint8_t hash_algo;
    uint8_t cmp_algo;
    uint8_t cry_algo;
    uint8_t chk_algo;
    uint8_t padding;
    uint32_t hash_len;
    uint64_t filesize;
    uint64_t vaultsize;
    uint64_t cksum;
    uint64_t num_vaults;
    uint64_t num_chunks;
    uint64_t num_data_chunks;
    uint64_t signature;
    uint32_t x;
    uint32_t winsize;
    uint32_t min_chunksize;
    uint32_t max_chunksize;
    uint32_t primemod;
    uint64_t chunk_map_offset;
    uint64_t extent_map_offset;
    uint32_t num_extents;
    uint8_t vault_alignment;
    uint64_t vid;
    uint64_t hash;
    file_attr_t attr;
} filehdr_t;

/* Reads a framed header of format `fmt`: with fd >= 0, hdrops[fmt].size
 * bytes at `offset` of fd; with fd < 0, the bytes at `buf` (which must hold
 * at least that many). Returns the format's header object (filehdr_t or
 * chunk_hdr_t), released with header_put; NULL with errno on failure (EINVAL
 * for a format without a framed header, EIO for a short read). A repair
 * works on a private copy: the bytes at `buf` are left as they were. */
ORVEX_COMMON_API void *header_get(int fmt, int fd, uint64_t offset, void *buf, int do_ecc) ORVEX_NOEXCEPT;
/* Releases a header returned by header_get; NULL is ignored. */
ORVEX_COMMON_API void header_put(void *hdr, int fmt) ORVEX_NOEXCEPT;
/* The marshalled bytes of `hdr` in a new buffer of the format's size;
 * release with put_header_codeword. NULL with errno on failure. */
ORVEX_COMMON_API str_t *get_header_codeword(void *hdr, int fmt, bool enable_ecc) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void put_header_codeword(str_t *codeword) ORVEX_NOEXCEPT;

/* VESK container header. */
#define VESK_MAGIC 0x2A6F7355u
#define VESK_HDR_SIZE 128

typedef struct vesk_hdr {
    uint32_t magic;
    uint8_t app_ver_major;
    uint8_t app_ver_minor;
    uint8_t app_ver_patch;
    uint32_t timestamp; /* not stored */
    uint64_t exportdb_offset;
    uint64_t exportdb_size;
} vesk_hdr_t;

/* A header with the magic and version 1.2.1; NULL with ENOMEM. */
ORVEX_COMMON_API vesk_hdr_t *vesk_hdr_create(uint64_t exportdb_offset, uint64_t exportdb_size) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void vesk_hdr_destroy(vesk_hdr_t *hdr) ORVEX_NOEXCEPT;
/* 128 bytes: magic, version, export-database offset and size, zeros.
 * Release with str_put. NULL with EINVAL for NULL. */
ORVEX_COMMON_API str_t *vesk_hdr_marshal(const vesk_hdr_t *hdr) ORVEX_NOEXCEPT;
/* Parses the first 23 bytes of a buffer of at least 128 (EINVAL otherwise);
 * the magic is not judged here (the container kind does that). */
ORVEX_COMMON_API vesk_hdr_t *vesk_hdr_unmarshal(const str_t *codeword) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
