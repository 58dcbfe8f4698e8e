// Extent-info pairs: a copied key and a value filled by the caller.
#include "extent.h"

#include "zlog.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern "C" {

extent_info_t *get_extent_info(uint8_t *key, int key_len) noexcept
{
    if (!key || key_len < 0) {
        errno = EINVAL;
        return nullptr;
    }
    auto *info = static_cast<extent_info_t *>(std::calloc(1, sizeof(extent_info_t)));
    if (!info) {
        errno = ENOMEM;
        return nullptr;
    }
    info->key = str_copy_from_data(key, key_len);
    if (!info->key) {
        OLOG(OLOG_ERROR, "str_get: size=%d,%s", key_len, std::strerror(ENOMEM));
        std::free(info);
        errno = ENOMEM;
        return nullptr;
    }
    return info;
}

void put_extent_info(extent_info_t *info) noexcept
{
    if (!info)
        return;
    str_put(info->key);
    str_put(info->val);
    std::free(info);
}

} // extern "C"
