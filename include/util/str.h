/* Growable byte buffer used by every marshaller and codec.
 * Invariant: size >= used >= pos. Writers append at `used`; readers consume
 * from `pos`. Multi-byte values are copied in host order; callers byte-swap
 * to write big-endian. */
#ifndef ORVEX_UTIL_STR_H
#define ORVEX_UTIL_STR_H

#include <stdint.h>
#include <stdio.h>
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef struct str {
    uint8_t *buf; /* owned unless made by str_from_data */
    int size;     /* capacity */
    int used;     /* bytes written; the write cursor */
    int pos;      /* read cursor */
    int padding;
} str_t;

/* A new buffer with capacity `size` (may be 0), or NULL with errno ENOMEM. */
ORVEX_COMMON_API str_t *str_get(int size) ORVEX_NOEXCEPT;
/* Frees the buffer and the record; NULL is ignored. */
ORVEX_COMMON_API void str_put(str_t *s) ORVEX_NOEXCEPT;
/* Frees the buffer and zeroes the four counters; the record stays. */
ORVEX_COMMON_API void str_reset(str_t *s) ORVEX_NOEXCEPT;
/* Wraps `buf` without copying (size = used = `size`). The record's str_put
 * frees `buf`: hand over ownership, or clear s->buf before releasing. */
ORVEX_COMMON_API str_t *str_from_data(void *buf, int size) ORVEX_NOEXCEPT;
/* A private copy of `size` bytes of `buf` (size = used = `size`). */
ORVEX_COMMON_API str_t *str_copy_from_data(const void *buf, int size) ORVEX_NOEXCEPT;

/* Append; grow to the smallest power of two that holds the data. 0 or -1. */
ORVEX_COMMON_API int str_add_data(str_t *s, const void *data, int len) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_add_u8(str_t *s, uint8_t value) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_add_u16(str_t *s, uint16_t value) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_add_u32(str_t *s, uint32_t value) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_add_u64(str_t *s, uint64_t value) ORVEX_NOEXCEPT;

/* Read from `pos`; the byte count on success, 0 (pos unchanged) when fewer
 * than the requested bytes remain before `used`. */
ORVEX_COMMON_API int str_get_data(str_t *s, void *data, int len) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_get_u8(str_t *s, uint8_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_get_u32(str_t *s, uint32_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_get_u64(str_t *s, uint64_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_get_be32toh(str_t *s, uint32_t *out) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int str_get_be64toh(str_t *s, uint64_t *out) ORVEX_NOEXCEPT;

/* Sets `used` to `offset` when offset <= size (0), else -1. */
ORVEX_COMMON_API int str_jump(str_t *s, int offset) ORVEX_NOEXCEPT;
/* Reads exactly s->size bytes from `fp` into the buffer (used = size). 0 or -1. */
ORVEX_COMMON_API int read_str(FILE *fp, str_t *s) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
