/* The tvt vault format: chunk records that this library reads itself (the
 * ovt vaults go through the restore engine). tvt_read_chunk (trellis_vesk.h)
 * is the exported entry.
 *
 * A record is a 56-byte little-endian header followed by `chunk_size` bytes
 * of chunk data. Chunk data of a transformed chunk (encrypted and/or
 * compressed) starts with 16 bytes this reader skips; an encrypted chunk then
 * holds a 64-byte encryption header under AES-256-ECB with the vault key, and
 * the cipher text under AES-256-CBC with the content key and salt of that
 * header, padded with 1 to 16 bytes whose value is their count. A compressed
 * content is a zlib stream.
 *
 * The header's `sha256` field is the chunk's only protection (AES-CBC
 * authenticates nothing). The reader accepts a chunk whose decoded content
 * has that SHA-256 digest; failing that, one whose stored chunk data has it;
 * an all-zero field means the chunk carries no digest and is read unchecked.
 * Anything else is a damaged chunk (TVT_DIGEST). */
#ifndef TRELLIS_TVT_H
#define TRELLIS_TVT_H

#include <stdint.h>
#include <stdio.h>
#include "trellis_vesk.h"

ORVEX_EXTERN_C_BEGIN

#pragma pack(push, 1)
typedef struct trellis_tvt_header {
    unsigned char magic[8]; /* 1B BB B3 FD A5 13 59 67 */
    unsigned char encrypt;  /* non-zero: chunk data encrypted */
    unsigned char compress; /* non-zero: content is a zlib stream */
    unsigned char reserved[6];
    int64_t chunk_size;     /* little-endian; chunk data bytes that follow */
    unsigned char sha256[32]; /* SHA-256 of the content (or of the chunk data); zero: none */
} TRELLIS_TVT_HEADER;

typedef struct h_ec_v1_encrypt_header {
    unsigned char magic[8]; /* 4B CA 94 72 5E 83 1C 31 */
    unsigned char ckey[32]; /* AES-256 content key */
    unsigned char salt[16]; /* IV of the cipher text */
    int64_t file_size;      /* little-endian; not used by the reader */
} HEC_V1_ENCRYPT_HEADER;
#pragma pack(pop)

#define TVT_SKIPPED_BYTES 16        /* leading chunk data bytes of a transformed chunk */
#define TVT_ENCRYPT_HEADER_BYTES 64 /* encryption header bytes after the skipped ones */
#define TVT_RESTORE_BUFFER_SIZE 62914560 /* 60 MiB: every chunk must fit */

/* Results of the reader. */
enum tvt_result {
    TVT_HEADER = -1, /* header not readable, memory, or decompression failure */
    TVT_SIZE = -2,   /* chunk_size not positive or beyond the buffer */
    TVT_SHORT = -3,  /* chunk data shorter than chunk_size */
    TVT_KEY = -4,    /* wrong magic or wrong key (also: padding out of range) */
    TVT_OPEN = -5,   /* vault file not openable (or not a regular file) */
    TVT_DIGEST = -6  /* content matches neither reading of its digest */
};

ORVEX_EXTERN_C_END

#ifdef __cplusplus
namespace orvex::trellis {

static_assert(sizeof(TRELLIS_TVT_HEADER) == 56, "tvt header is 56 bytes");
static_assert(sizeof(HEC_V1_ENCRYPT_HEADER) == 64, "encryption header is 64 bytes");

inline constexpr unsigned char kTvtMagic[8] = {0x1B, 0xBB, 0xB3, 0xFD, 0xA5, 0x13, 0x59, 0x67};
inline constexpr unsigned char kTvtEncryptMagic[8] = {0x4B, 0xCA, 0x94, 0x72, 0x5E, 0x83, 0x1C, 0x31};
inline constexpr int kTvtSkipped = TVT_SKIPPED_BYTES;
inline constexpr int kTvtEncryptHeader = TVT_ENCRYPT_HEADER_BYTES;
inline constexpr int kRestoreBufferSize = TVT_RESTORE_BUFFER_SIZE;

// How a chunk that was read was checked against its digest field.
enum class TvtDigest {
    Content, // SHA-256 of the decoded content
    Stored,  // SHA-256 of the stored chunk data
    None,    // all-zero field: no digest, read unchecked
};

// The reader on an already open vault stream (the restore keeps the last
// tvt vault open between chunks). The content length or a tvt_result;
// `digest` (may be null) tells how a chunk that was read was checked.
int tvt_read_chunk_from(FILE *f, const unsigned char key[32], long long offset, char *buf, int buffer_size,
                        TvtDigest *digest = nullptr);

// A short text for a tvt_result, for messages.
const char *tvt_result_text(int result);

} // namespace orvex::trellis
#endif

#endif
