/* Vault files: the deduplicated chunks of a backup, with their header, chunk
 * records, chunk and extent maps and a footer checksum.
 *
 * Layout (big-endian integers):
 *   0..127            vault header in the common 128-byte frame (header.h)
 *   128..             chunk records back to back: a 128-byte chunk header,
 *                     then a data area of vault_data_area_size(s) bytes: the
 *                     s stored bytes, two parities per 253-byte block of
 *                     them, zeros up to the next multiple of 64
 *   chunk_map_offset  num_chunks uint32 record offsets, then their parities
 *   extent_map_offset num_extents (first cid, count) uint32 pairs, parities
 *   last 8 bytes      XXH64 (seed 0) of everything between header and footer
 * The vault size, map offsets and chunk offsets are stored in 32 bits, so a
 * vault is smaller than 4 GiB; the writer refuses (EOVERFLOW) anything
 * larger instead of truncating. A vault is named by (hid, vid). */
#ifndef ORVEX_VAULTFILE_H
#define ORVEX_VAULTFILE_H

#include <stdbool.h>
#include <stdint.h>
#include "file.h"
#include "header.h"
#include "orvex_export.h"
#include "util/str.h"

ORVEX_EXTERN_C_BEGIN

#define VAULT_HDR_SIZE 128
#define VAULT_FOOTER_SIZE 8
#define VAULT_DATA_ALIGN 64
#define VAULT_HASH_ALGO_MAX 2 /* 0 sha256, 1 sha512, 2 md5 */
#define VAULT_CMP_ALGO_MAX 5

/* Length of the data area that follows a chunk header for `store_chunksize`
 * stored bytes: roundup64(s + 2*ceil(s/253)). */
ORVEX_COMMON_API uint64_t vault_data_area_size(uint32_t store_chunksize) ORVEX_NOEXCEPT;

/* A vault header, version 1.2.1, other fields zero; NULL with ENOMEM.
 * Release with free() or header_put(hdr, FMT_VAULT). */
ORVEX_COMMON_API filehdr_t *create_vault_header(uint64_t vid, uint64_t vault_size, uint64_t num_chunks,
                                                uint32_t num_extents, uint32_t min_chunksize, uint32_t max_chunksize,
                                                uint8_t cmp_algo, uint8_t hash_algo, uint64_t hash,
                                                uint64_t chunk_map_offset, uint64_t extent_map_offset,
                                                uint8_t vault_alignment) ORVEX_NOEXCEPT;
/* The "vault"/"memvault" entries of hdrops. marshal: 0, or -1 with EINVAL
 * (NULL argument, codeword capacity below 128) or EOVERFLOW (a size or
 * offset that the 32-bit fields cannot hold). unmarshal: a filehdr_t, or NULL. */
ORVEX_COMMON_API int marshal_vault_header(void *hdr, str_t *codeword, bool enable_ecc) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void *unmarshal_vault_header(str_t *codeword, int do_ecc) ORVEX_NOEXCEPT;

/* Size check (the header's vault size equals the file size) and, with
 * verify_cksum, the footer against the header hash and the content. 0, or
 * -1 with EINVAL. */
ORVEX_COMMON_API int vaultfile_verify(file_t *vault, bool verify_cksum) ORVEX_NOEXCEPT;

/* The whole data area of a chunk (vault_data_area_size(size) bytes) at
 * `offset` (= chunk header offset + 128). NULL with errno (EIO for a short
 * read, EINVAL for size 0). Release with str_put. */
ORVEX_COMMON_API str_t *read_data_and_parities_from_file(file_t *file, uint64_t offset, uint32_t size) ORVEX_NOEXCEPT;
/* The first `chunksize` bytes of a data area, each 253-byte block repaired
 * from its parities when do_ecc. `cp` must hold at least chunksize +
 * ecc_parity_len(chunksize) bytes (EINVAL otherwise). Release with str_put. */
ORVEX_COMMON_API str_t *get_data_from_data_and_parities(const str_t *cp, int chunksize, int do_ecc) ORVEX_NOEXCEPT;
/* One codeword (data and two parities) for at most 253 bytes: `codeword`
 * receives data_len + 2 bytes. 0 or -1 (EINVAL). */
ORVEX_COMMON_API int marshal_chunk(const uint8_t *data, int data_len, uint8_t *codeword) ORVEX_NOEXCEPT;

/* Path of vault (hid, vid) under `dir` (NULL: relative), caller frees.
 * Old scheme: u_HHHHHHH\0_VV\1_VV\...\6_VV\HHHHHHH_VVVVVVVVVVVVVVVV.ovt;
 * new scheme: u_HHHHHHH\vvvv/vvv/vvv/vvv\HHHHHHH_VVVVVVVVVVVVVVVV.ovt. */
ORVEX_COMMON_API char *vaultfile_get_path(const char *dir, uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;
ORVEX_COMMON_API char *vaultfile_get_path_v2(const char *dir, uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;
/* Parses "%07X_%016llX.ovt" after the last backslash (or slash). 0 or -1. */
ORVEX_COMMON_API int get_hid_and_vid_from_filename(const char *path, int *hid, int64_t *vid) ORVEX_NOEXCEPT;

/* Inspection. The maps are read from a vault opened with its content
 * checksum verified; results are malloc'ed arrays in host order (caller
 * frees), NULL with errno on failure. */
ORVEX_COMMON_API uint32_t *vaultfile_get_chunk_map(const char *path, int *num_chunks) ORVEX_NOEXCEPT;
/* Pairs (first cid, number of chunks): 2 * *num_extents values. */
ORVEX_COMMON_API uint32_t *vaultfile_get_extent_map(const char *path, int *num_extents) ORVEX_NOEXCEPT;

typedef struct vault_chunk_info {
    uint32_t cid;
    uint64_t voffset;  /* offset of the chunk header */
    uint64_t length;   /* 128 + data area */
    uint32_t chunksize;
    uint32_t store_chunksize;
} vault_chunk_info_t;

/* Walks the chunk records from offset 128. EINVAL for a vault without
 * chunks or a record that runs past the chunk map. Caller frees. */
ORVEX_COMMON_API vault_chunk_info_t *vaultfile_get_chunk_info(const char *path, int *num_chunks) ORVEX_NOEXCEPT;
/* Opens the vault (size check) and walks its chunk headers. 0 or -1. */
ORVEX_COMMON_API int vaultfile_fast_check(const char *path) ORVEX_NOEXCEPT;
/* Walks the chunk records and checks every chunk's stored bytes (repaired
 * from parities) against its signature; 0, or -1 when any chunk mismatched. */
ORVEX_COMMON_API int vaultfile_verify_chunks(const char *path) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
