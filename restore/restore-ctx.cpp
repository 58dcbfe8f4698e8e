// Restore contexts: the current vault of the single-chunk reads, the cache
// of further open vaults, and the ordered list of the descriptor's vaults
// that the whole-file orders work through.
#include "descriptor_glue.h"
#include "restore_internal.h"

#include <set>
#include <utility>

using namespace orvex::restore;

namespace {

// (vid, hid) so that iteration runs in ascending vid.
using VaultSet = std::set<std::pair<uint64_t, uint32_t>>;

VaultSet *vault_set(restore_ctx_t *ctx)
{
    return static_cast<VaultSet *>(ctx->vaultlist);
}

int fill_vaultlist(restore_ctx_t *ctx, file_t *descriptor)
{
    auto set = std::make_unique<VaultSet>();
    int rc = dsc_iter_vaults(descriptor, [&](int64_t hid, int64_t vid) {
        if (hid < 0 || vid < 0 || hid > UINT32_MAX) {
            OLOG(OLOG_ERROR, "unexpected hid and vid: (hid,vid)=(%d,%lld)", static_cast<int>(hid),
                 static_cast<long long>(vid));
            errno = EIO;
            return -1;
        }
        set->emplace(static_cast<uint64_t>(vid), static_cast<uint32_t>(hid));
        return 0;
    });
    if (rc != 0) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: descriptor.iter_vaults, %s", descriptor->path ? descriptor->path : "", errtext(err));
        OLOG(OLOG_ERROR, "update_viddb_from_descriptor: %s", errtext(err));
        return fail_errno(err);
    }
    ctx->vaultlist = set.release();
    return 0;
}

} // namespace

namespace orvex::restore {

int vaultlist_delete(restore_ctx_t *ctx, uint32_t hid, uint64_t vid) noexcept
{
    if (!ctx || !ctx->vaultlist)
        return fail_errno(EINVAL);
    vault_set(ctx)->erase({vid, hid});
    return 0;
}

int vaultlist_iter(restore_ctx_t *ctx, int (*fn)(uint32_t, uint64_t, void *), void *arg) noexcept
{
    if (!ctx || !ctx->vaultlist || !fn)
        return fail_errno(EINVAL);
    for (const auto &[vid, hid] : *vault_set(ctx))
        if (fn(hid, vid, arg) != 0)
            return -1;
    return 0;
}

} // namespace orvex::restore

extern "C" {

const char *const scheme2str[RESTORE_BY_MAX] = {"file-offset", "vault-id", "partial", "read-chunk"};

restore_ctx_t *restore_ctx_create(file_t *descriptor, const char *tempdir, int scheme, crypter_t *cry,
                                  counter_t *counter, bool short_vaultpath) noexcept
{
    (void)tempdir;
    (void)counter;
    if (scheme < 0 || scheme >= RESTORE_BY_MAX) {
        OLOG(OLOG_ERROR, "not supported scheme: %d", scheme);
        errno = EINVAL;
        return nullptr;
    }
    auto *ctx = static_cast<restore_ctx_t *>(std::calloc(1, sizeof(restore_ctx_t)));
    if (!ctx) {
        OLOG(OLOG_ERROR, "restore_ctx_get: %s", errtext(ENOMEM));
        errno = ENOMEM;
        return nullptr;
    }
    ctx->firstvault = 1;
    ctx->now_hid = -1;
    ctx->now_vid = -1;
    ctx->cry = cry;
    // Reads by (hid, vid) of a read-chunk context use the instance's path
    // scheme as well, so the vaults they name are the ones on disk.
    ctx->short_vaultpath = short_vaultpath;
    if (scheme == RESTORE_BY_READCHUNK)
        return ctx;

    auto fail = [&](int err) -> restore_ctx_t * {
        OLOG(OLOG_ERROR, "ctx_from_descriptor: %s", errtext(err));
        restore_ctx_destroy(ctx);
        errno = err;
        return nullptr;
    };
    if (!descriptor) {
        OLOG(OLOG_ERROR, "descriptor is null");
        return fail(EINVAL);
    }
    auto *hdr = static_cast<const filehdr_t *>(descriptor->hdr);
    if (!hdr) {
        OLOG(OLOG_ERROR, "%s: descriptor has no header", descriptor->path ? descriptor->path : "");
        return fail(EINVAL);
    }
    if (hdr->cry_algo != 0 && (!cry || hdr->cry_algo != static_cast<uint8_t>(cry->algo))) {
        OLOG(OLOG_ERROR, "incorrect decryption settings (got: %u, expect: %u)", cry ? static_cast<unsigned>(cry->algo) : 0u,
             static_cast<unsigned>(hdr->cry_algo));
        return fail(EINVAL);
    }
    ctx->num_vaults = hdr->num_vaults;
    ctx->short_vaultpath = short_vaultpath;
    if (scheme == RESTORE_BY_PARTIAL)
        return ctx;
    try {
        if (fill_vaultlist(ctx, descriptor) != 0)
            return fail(errno);
    } catch (...) {
        return fail(ENOMEM);
    }
    return ctx;
}

void restore_ctx_destroy(restore_ctx_t *ctx) noexcept
{
    if (!ctx)
        return;
    ErrnoKeeper keep;
    delete vault_set(ctx);
    file_close(ctx->viddb);
    if (ctx->vault_cache) {
        if (ctx->vault)
            vault_cache_add(ctx->vault_cache, static_cast<uint32_t>(ctx->now_hid), static_cast<uint64_t>(ctx->now_vid),
                            ctx->vault);
        vault_cache_destroy(ctx->vault_cache);
    } else {
        file_close(ctx->vault);
    }
    std::free(ctx);
}

} // extern "C"
