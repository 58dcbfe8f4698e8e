// Open vaults: the least-recently-used cache of one context (or one worker)
// and the two ways of switching the current vault, by (hid, vid) through
// the cache and by path without it.
#include "restore_internal.h"
#include "vaultfile.h"

#include <cstdio>

using namespace orvex::restore;

namespace {

void unlink_ent(vault_cache_ent_t *ent) noexcept
{
    ent->prev->next = ent->next;
    ent->next->prev = ent->prev;
    ent->next = ent->prev = ent;
}

void link_front(vault_cache_t *cache, vault_cache_ent_t *ent) noexcept
{
    ent->next = cache->head.next;
    ent->prev = &cache->head;
    cache->head.next->prev = ent;
    cache->head.next = ent;
}

vault_cache_ent_t *find(vault_cache_t *cache, uint32_t hid, uint64_t vid) noexcept
{
    for (vault_cache_ent_t *ent = cache->head.next; ent != &cache->head; ent = ent->next)
        if (ent->hid == hid && ent->vid == vid)
            return ent;
    return nullptr;
}

// Opens `path` as a vault and positions it after the vault header.
file_t *open_vault_at_content(const char *path) noexcept
{
    file_t *vault = file_open(path, &vaultfile_operations, OS_O_RDONLY | OS_O_BINARY, 0, nullptr);
    if (!vault) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: open failed, %s", path, errtext(err));
        errno = err;
        return nullptr;
    }
    if (!vault->fops->seek || vault->fops->seek(vault, VAULT_HDR_SIZE, SEEK_SET) < 0) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: seek, %s", path, errtext(err));
        FileDeleter{}(vault);
        errno = err;
        return nullptr;
    }
    return vault;
}

} // namespace

extern "C" {

vault_cache_t *vault_cache_create(uint8_t max) noexcept
{
    auto *cache = static_cast<vault_cache_t *>(std::calloc(1, sizeof(vault_cache_t)));
    if (!cache) {
        errno = ENOMEM;
        return nullptr;
    }
    cache->max = max;
    cache->head.next = cache->head.prev = &cache->head;
    return cache;
}

void vault_cache_destroy(vault_cache_t *cache) noexcept
{
    if (!cache)
        return;
    ErrnoKeeper keep;
    vault_cache_ent_t *ent = cache->head.next;
    while (ent != &cache->head) {
        vault_cache_ent_t *next = ent->next;
        file_close(ent->vault);
        std::free(ent);
        ent = next;
    }
    std::free(cache);
}

file_t *vault_cache_lookup(vault_cache_t *cache, uint32_t hid, uint64_t vid) noexcept
{
    if (!cache)
        return nullptr;
    vault_cache_ent_t *ent = find(cache, hid, vid);
    if (!ent)
        return nullptr;
    unlink_ent(ent);
    link_front(cache, ent);
    return ent->vault;
}

void vault_cache_add(vault_cache_t *cache, uint32_t hid, uint64_t vid, file_t *vault) noexcept
{
    if (!cache || !vault)
        return;
    ErrnoKeeper keep;
    if (vault_cache_ent_t *ent = find(cache, hid, vid)) {
        unlink_ent(ent);
        link_front(cache, ent);
        if (ent->vault != vault) {
            file_close(ent->vault);
            ent->vault = vault;
        }
        return;
    }
    vault_cache_ent_t *ent;
    if (cache->max == 0) {
        // A cache that may hold nothing still takes ownership.
        file_close(vault);
        return;
    }
    if (cache->cnt >= cache->max) {
        ent = cache->head.prev;
        unlink_ent(ent);
        file_close(ent->vault);
        cache->cnt--;
    } else {
        ent = static_cast<vault_cache_ent_t *>(std::calloc(1, sizeof(vault_cache_ent_t)));
        if (!ent) {
            // Dropping the add must not leak the handle.
            file_close(vault);
            return;
        }
    }
    ent->hid = hid;
    ent->vid = vid;
    ent->vault = vault;
    link_front(cache, ent);
    cache->cnt++;
}

file_t *vault_cache_take(vault_cache_t *cache, uint32_t hid, uint64_t vid) noexcept
{
    if (!cache)
        return nullptr;
    vault_cache_ent_t *ent = find(cache, hid, vid);
    if (!ent)
        return nullptr;
    unlink_ent(ent);
    file_t *vault = ent->vault;
    std::free(ent);
    cache->cnt--;
    return vault;
}

file_t *open_next_vid(restore_ctx_t *ctx, const char *vaultdir, file_t *vault, uint32_t old_hid, uint64_t old_vid,
                      uint32_t new_hid, uint64_t new_vid, bool first_in) noexcept
{
    if (!ctx) {
        OLOG(OLOG_ERROR, "ctx is null");
        errno = EINVAL;
        return nullptr;
    }
    return switch_vault(&ctx->vault_cache, ctx->short_vaultpath, vaultdir, vault, old_hid, old_vid, new_hid, new_vid,
                        first_in);
}

file_t *open_next_vault(restore_ctx_t *ctx, const char *vault_p, file_t *vault, bool first_in) noexcept
{
    (void)ctx;
    if (!vault_p) {
        OLOG(OLOG_ERROR, "vault path is null");
        errno = EINVAL;
        return nullptr;
    }
    if (!first_in && vault && vault->path && std::strcmp(vault->path, vault_p) == 0)
        return vault;
    if (vault) {
        ErrnoKeeper keep;
        file_close(vault);
    }
    return open_vault_at_content(vault_p);
}

} // extern "C"

namespace orvex::restore {

file_t *switch_vault(vault_cache_t **cache, bool short_vaultpath, const char *vaultdir, file_t *vault,
                     uint32_t old_hid, uint64_t old_vid, uint32_t new_hid, uint64_t new_vid, bool first_in) noexcept
{
    if (!first_in && vault && new_hid == old_hid && new_vid == old_vid)
        return vault;
    // On failure the outgoing vault is no longer the caller's either: it is
    // parked in the cache (or closed), so nothing leaks and nothing dangles.
    auto give_up = [&](int err) -> file_t * {
        if (vault) {
            ErrnoKeeper keep;
            if (*cache)
                vault_cache_add(*cache, old_hid, old_vid, vault);
            else
                file_close(vault);
        }
        errno = err;
        return nullptr;
    };
    if (!vaultdir) {
        OLOG(OLOG_ERROR, "vaultdir is null");
        return give_up(EINVAL);
    }

    MallocPtr<char> path(short_vaultpath ? vaultfile_get_path_v2(vaultdir, new_hid, new_vid)
                                         : vaultfile_get_path(vaultdir, new_hid, new_vid));
    if (!path) {
        int err = errno ? errno : ENOMEM;
        OLOG(OLOG_DEBUG, "vaultfile_get_path: (hid,vid)=(%u,%llu), %s", new_hid,
             static_cast<unsigned long long>(new_vid), errtext(err));
        return give_up(err);
    }
    if (!*cache) {
        *cache = vault_cache_create(RESTORE_VAULT_CACHE_SIZE);
        if (!*cache) {
            OLOG(OLOG_ERROR, "vault_cache_create: %s", errtext(ENOMEM));
            return give_up(ENOMEM);
        }
    }
    file_t *hit = vault_cache_lookup(*cache, new_hid, new_vid);
    // The outgoing vault is parked, not closed: a reader that comes back to
    // it soon finds it open. A hit sits at the front, so parking can never
    // evict the vault being handed out.
    if (vault && vault != hit) {
        if (hit && ((old_hid == new_hid && old_vid == new_vid) || (*cache)->max < 2)) {
            // Parking would replace or evict the very vault handed out.
            ErrnoKeeper keep;
            file_close(vault);
        } else {
            vault_cache_add(*cache, old_hid, old_vid, vault);
        }
    }
    if (hit)
        return hit;
    return open_vault_at_content(path.get());
}

} // namespace orvex::restore
