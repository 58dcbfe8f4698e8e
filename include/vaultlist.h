/* Vault list: parallel arrays of (hid, vid) pairs. Not locked. */
#ifndef ORVEX_VAULTLIST_H
#define ORVEX_VAULTLIST_H

#include <stdint.h>
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef struct vlist {
    uint64_t num_vaults;
    uint64_t count; /* free for the user */
    uint64_t *vids;
    uint32_t *hids;
} vlist_t;

/* `num_vaults` zeroed entries (0: a list without arrays); NULL with ENOMEM. */
ORVEX_COMMON_API vlist_t *vlist_get(uint64_t num_vaults) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void vlist_put(vlist_t *list) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int vlist_reset(vlist_t *list) ORVEX_NOEXCEPT;
/* Appends one pair; on failure the list keeps its previous entries. */
ORVEX_COMMON_API int vlist_add_hid_and_vid(vlist_t *list, uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;
ORVEX_COMMON_API uint32_t *vlist_get_hids(vlist_t *list) ORVEX_NOEXCEPT;
ORVEX_COMMON_API uint64_t *vlist_get_vids(vlist_t *list) ORVEX_NOEXCEPT;
/* -1 for NULL. */
ORVEX_COMMON_API int64_t vlist_get_num_vaults(vlist_t *list) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
