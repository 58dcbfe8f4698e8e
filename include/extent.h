/* Extent-info pairs (the record itself is declared with the chunk records). */
#ifndef ORVEX_EXTENT_H
#define ORVEX_EXTENT_H

#include <stdint.h>
#include "chunk.h"
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

/* A pair whose key is a copy of `key_len` bytes of `key` and whose value is
 * NULL; NULL for a NULL key or on allocation failure. */
ORVEX_COMMON_API extent_info_t *get_extent_info(uint8_t *key, int key_len) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void put_extent_info(extent_info_t *info) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
