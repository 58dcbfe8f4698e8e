/* Chunk compressors: the method table (numbers 0-5 travel in chunk headers),
 * a selectable compressor object, and the calls that compress one chunk and
 * decompress one stored chunk. The table is constant; a compressor_t is
 * read-only after selection and may be shared by threads. */
#ifndef ORVEX_COMPRESSOR_H
#define ORVEX_COMPRESSOR_H

#include <stdint.h>
#include "orvex_export.h"
#include "util/str.h"

ORVEX_EXTERN_C_BEGIN

enum COMPRESSION_TYPE {
    COMPRESSION_NONE = 0,
    COMPRESSION_MIN = 0,
    COMPRESSION_LZ4 = 1,
    COMPRESSION_BZIP2 = 2,
    COMPRESSION_LZ4_HC = 3,
    COMPRESSION_LZ4_MC = 4,
    COMPRESSION_ZSTD = 5,
    COMPRESSION_MAX = 6
};

/* Largest chunk (before compression) that do_decompress will allocate for;
 * a chunk header that claims more is corrupt. */
#define COMPRESSOR_MAX_CHUNKSIZE (64u * 1024u * 1024u)

/* Method entry: (source, destination, input size, maximum output size, priv)
 * -> bytes produced; decompress entries return a negative value on failure. */
typedef int (*compressor_fn)(const uint8_t *src, uint8_t *dst, int src_size, int dst_capacity, void *priv);
typedef uint32_t (*compress_bound_fn)(uint32_t max_chunksize);

typedef struct compressor_method {
    const char *name;
    compressor_fn compressor;
    compressor_fn decompress;
    compress_bound_fn compress_bound;
} compressor_method_t;

/* Six pointers in method order 0-5. */
ORVEX_COMMON_API extern const compressor_method_t *const compressor_methods[COMPRESSION_MAX];

typedef struct compressor {
    const char *name; /* not owned */
    int algo;
    int padding;
    compressor_fn compressor;
    compressor_fn decompress;
    compress_bound_fn compress_bound;
} compressor_t;

/* A compressor set to method `algo`; NULL with EINVAL for a number outside
 * 0-5, ENOMEM when allocation fails. Free with compressor_destroy. */
ORVEX_COMMON_API compressor_t *compressor_create(int algo) ORVEX_NOEXCEPT;
/* Selects a method by exact, case-sensitive name; NULL selects "none".
 * Returns the method number, or -1 with EINVAL (cmp unchanged). */
ORVEX_COMMON_API int compressor_set(compressor_t *cmp, const char *name) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void compressor_destroy(compressor_t *cmp) ORVEX_NOEXCEPT;

/* Compresses `uncmp_chunk` (its `size` bytes) with the output bound taken
 * from `max_chunksize`. *cmp_algo receives the method the returned bytes
 * really use: when compression does not make the chunk smaller, the input's
 * buffer is moved into the result (uncmp_chunk->buf becomes NULL) and
 * *cmp_algo is 0. NULL on failure (EINVAL for bad arguments). */
ORVEX_COMMON_API str_t *do_compress(str_t *uncmp_chunk, compressor_t *cmp, uint32_t max_chunksize, int *cmp_algo,
                                    void *priv) ORVEX_NOEXCEPT;
/* Decompresses the `size` stored bytes of `cmp_chunk` with method `algo`
 * into a new buffer of exactly `uncmp_chunksize` bytes. The input is never
 * changed. NULL on failure: EINVAL for an unknown method or a size above
 * COMPRESSOR_MAX_CHUNKSIZE, EIO for corrupt input or input that does not
 * expand to exactly `uncmp_chunksize` bytes. */
ORVEX_COMMON_API str_t *do_decompress(str_t *cmp_chunk, uint32_t uncmp_chunksize, uint8_t algo,
                                      void *priv) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
