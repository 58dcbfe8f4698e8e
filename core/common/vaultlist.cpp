// Vault list: parallel arrays of (hid, vid).
#include "vaultlist.h"

#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern "C" {

vlist_t *vlist_get(uint64_t num_vaults) noexcept
{
    auto *list = static_cast<vlist_t *>(std::calloc(1, sizeof(vlist_t)));
    if (!list) {
        errno = ENOMEM;
        return nullptr;
    }
    if (num_vaults == 0)
        return list;
    list->vids = static_cast<uint64_t *>(std::calloc(num_vaults, sizeof(uint64_t)));
    list->hids = static_cast<uint32_t *>(std::calloc(num_vaults, sizeof(uint32_t)));
    if (!list->vids || !list->hids) {
        vlist_put(list);
        errno = ENOMEM;
        return nullptr;
    }
    list->num_vaults = num_vaults;
    return list;
}

void vlist_put(vlist_t *list) noexcept
{
    if (!list)
        return;
    std::free(list->vids);
    std::free(list->hids);
    std::free(list);
}

int vlist_reset(vlist_t *list) noexcept
{
    if (!list) {
        errno = EINVAL;
        return -1;
    }
    std::free(list->vids);
    std::free(list->hids);
    list->vids = nullptr;
    list->hids = nullptr;
    list->num_vaults = 0;
    return 0;
}

int vlist_add_hid_and_vid(vlist_t *list, uint32_t hid, uint64_t vid) noexcept
{
    if (!list) {
        errno = EINVAL;
        return -1;
    }
    uint64_t n = list->num_vaults + 1;
    // Grow one array at a time; whichever grew keeps the old entries, so a
    // failure leaves the list as it was.
    auto *vids = static_cast<uint64_t *>(std::realloc(list->vids, n * sizeof(uint64_t)));
    if (!vids) {
        OLOG(OLOG_ERROR, "realloc: %s", std::strerror(ENOMEM));
        errno = ENOMEM;
        return -1;
    }
    list->vids = vids;
    auto *hids = static_cast<uint32_t *>(std::realloc(list->hids, n * sizeof(uint32_t)));
    if (!hids) {
        OLOG(OLOG_ERROR, "realloc: %s", std::strerror(ENOMEM));
        errno = ENOMEM;
        return -1;
    }
    list->hids = hids;
    list->vids[list->num_vaults] = vid;
    list->hids[list->num_vaults] = hid;
    list->num_vaults = n;
    return 0;
}

uint32_t *vlist_get_hids(vlist_t *list) noexcept
{
    return list ? list->hids : nullptr;
}

uint64_t *vlist_get_vids(vlist_t *list) noexcept
{
    return list ? list->vids : nullptr;
}

int64_t vlist_get_num_vaults(vlist_t *list) noexcept
{
    return list ? static_cast<int64_t>(list->num_vaults) : -1;
}

} // extern "C"
