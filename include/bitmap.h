/* Bitmap: one bit per chunk record (the descriptor's dirty map), optionally
 * with a 32-bit counter per bit. Bit i is bit (i mod 8) of byte i / 8, least
 * significant bit first. Not locked: one owner at a time. */
#ifndef ORVEX_BITMAP_H
#define ORVEX_BITMAP_H

#include <stdint.h>
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef enum { BITMAP_SIMPLE = 0, BITMAP_REFCOUNT = 1 } bitmap_type_t;

/* Results of read_bit. */
typedef enum { NO_BIT = 1, EMPTY_BIT = 2, OCCUPIED_BIT = 3 } dirtybit_type_t;

typedef struct bitmap {
    uint64_t num_used_bits; /* bits asked for */
    uint64_t num_bits;      /* capacity, a multiple of 8 */
    uint64_t num_bytes;
    uint32_t *refcount; /* one per capacity bit, refcount mode only */
    uint8_t *ptr;       /* the bits */
} bitmap_t;

/* Capacity is num_bits rounded up to whole bytes; 0 bits gives a record
 * without buffers. NULL on allocation failure (ENOMEM). */
ORVEX_COMMON_API bitmap_t *bitmap_create(uint64_t num_bits, uint8_t mode) ORVEX_NOEXCEPT;
/* A record with a larger capacity that takes over bm's bits; bm is freed on
 * success and kept on failure. Fails (NULL) when new_num_bits does not
 * exceed the capacity or is 0 (EINVAL). */
ORVEX_COMMON_API bitmap_t *bitmap_recreate(bitmap_t *bm, uint64_t new_num_bits, uint8_t mode) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void bitmap_destroy(bitmap_t *bm) ORVEX_NOEXCEPT;
/* 0, or -1 with EINVAL for a NULL bitmap, one without bits, or an index
 * beyond its capacity. */
ORVEX_COMMON_API int mark_bit(bitmap_t *bm, uint64_t ith, uint8_t mode) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int unmark_bit(bitmap_t *bm, uint64_t ith, uint8_t mode) ORVEX_NOEXCEPT;
/* NO_BIT, EMPTY_BIT or OCCUPIED_BIT; -1 for a NULL bitmap or one without bits. */
ORVEX_COMMON_API int read_bit(bitmap_t *bm, uint64_t ith) ORVEX_NOEXCEPT;
/* Every byte as eight "1 "/"0 " entries (bit 0 first) and a line feed. */
ORVEX_COMMON_API int bitmap_print(bitmap_t *bm) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
