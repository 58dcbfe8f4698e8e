// Single-chunk calls: one chunk from a vault named by path or by (hid, vid),
// from a caller's open container, or from a caller's buffer. The context
// keeps the current vault (and, by (hid, vid), a cache of more) open
// between calls.
#include "restore_internal.h"

using namespace orvex::restore;

namespace {

// The common step: the chunk whose header is at `voffset` of `file`, copied
// to `outbuf` when it fits (EOVERFLOW otherwise, nothing written).
int read_into(file_t *file, crypter_t *cry, int64_t voffset, void *outbuf, uint32_t outbufsize)
{
    chunkbase_t e{};
    e.voffset = voffset;
    e.chunksize = 0;
    if (fetch_chunk(file, nullptr, 0, &e, 1, cry, nullptr, static_cast<uint8_t *>(outbuf), outbufsize, nullptr) !=
        0) {
        int err = errno;
        if (err != EOVERFLOW)
            OLOG(OLOG_ERROR, "get_chunk_from_disk: %s", errtext(err));
        return fail_errno(err);
    }
    return e.chunksize;
}

} // namespace

extern "C" {

int do_restore_chunk_from_vault(restore_ctx_t *ctx, crypter_t *cry, const char *vault, uint32_t voffset, void *outbuf,
                                uint32_t outbufsize) noexcept
{
    if (!ctx) {
        OLOG(OLOG_ERROR, "ctx is null");
        return fail_errno(EINVAL);
    }
    if (!vault) {
        OLOG(OLOG_ERROR, "vault is null");
        return fail_errno(EINVAL);
    }
    if (!outbuf) {
        OLOG(OLOG_ERROR, "outbuf is null");
        return fail_errno(EINVAL);
    }
    // A vault opened by (hid, vid) may also sit in the cache: park it there
    // instead of letting the switch by path close it under the cache.
    if (ctx->vault && ctx->now_vid != -1) {
        if (ctx->vault_cache)
            vault_cache_add(ctx->vault_cache, static_cast<uint32_t>(ctx->now_hid),
                            static_cast<uint64_t>(ctx->now_vid), ctx->vault);
        else
            FileDeleter{}(ctx->vault);
        ctx->vault = nullptr;
        ctx->firstvault = 1;
    }
    ctx->vault = open_next_vault(ctx, vault, ctx->vault, ctx->firstvault != 0);
    if (!ctx->vault) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: open_next_vault, %s", vault, errtext(err));
        ctx->firstvault = 1;
        ctx->now_hid = -1;
        ctx->now_vid = -1;
        return fail_errno(err);
    }
    ctx->firstvault = 0;
    ctx->now_hid = -1;
    ctx->now_vid = -1;
    return read_into(ctx->vault, cry, voffset, outbuf, outbufsize);
}

int do_restore_chunk_from_vid(restore_ctx_t *ctx, crypter_t *cry, const char *vaultdir, uint32_t hid, uint64_t vid,
                              uint32_t voffset, void *buf, uint32_t bufsize) noexcept
{
    if (!ctx) {
        OLOG(OLOG_ERROR, "ctx is null");
        return fail_errno(EINVAL);
    }
    if (!vaultdir) {
        OLOG(OLOG_ERROR, "vaultdir is null");
        return fail_errno(EINVAL);
    }
    if (!buf) {
        OLOG(OLOG_ERROR, "outbuf is null");
        return fail_errno(EINVAL);
    }
    // A vault opened by path has no (hid, vid) to be cached under.
    if (ctx->vault && ctx->now_vid == -1) {
        FileDeleter{}(ctx->vault);
        ctx->vault = nullptr;
        ctx->firstvault = 1;
    }
    ctx->vault = open_next_vid(ctx, vaultdir, ctx->vault, static_cast<uint32_t>(ctx->now_hid),
                               static_cast<uint64_t>(ctx->now_vid), hid, vid, ctx->firstvault != 0);
    if (!ctx->vault) {
        int err = errno;
        OLOG(OLOG_ERROR, "(vaultdir,hid,vid)=(%s,%d,%lld): open_next_vid, %s", vaultdir, static_cast<int>(hid),
             static_cast<long long>(vid), errtext(err));
        ctx->firstvault = 1;
        ctx->now_hid = -1;
        ctx->now_vid = -1;
        return fail_errno(err);
    }
    ctx->now_hid = static_cast<int32_t>(hid);
    ctx->now_vid = static_cast<int64_t>(vid);
    ctx->firstvault = 0;
    return read_into(ctx->vault, cry, voffset, buf, bufsize);
}

int do_restore_chunk_from_open_file(restore_ctx_t *ctx, crypter_t *cry, file_t *file, uint64_t offset, void *outbuf,
                                    uint32_t outbufsize) noexcept
{
    if (!ctx) {
        OLOG(OLOG_ERROR, "ctx is null");
        return fail_errno(EINVAL);
    }
    if (!file) {
        OLOG(OLOG_ERROR, "file is null");
        return fail_errno(EINVAL);
    }
    if (!outbuf) {
        OLOG(OLOG_ERROR, "outbuf is null");
        return fail_errno(EINVAL);
    }
    // The locator is 64-bit, so a container offset beyond 2 GiB is read
    // where it is; only an offset no file can have is refused.
    if (offset > static_cast<uint64_t>(INT64_MAX)) {
        OLOG(OLOG_ERROR, "offset %llu cannot be expressed", static_cast<unsigned long long>(offset));
        return fail_errno(EOVERFLOW);
    }
    return read_into(file, cry, static_cast<int64_t>(offset), outbuf, outbufsize);
}

int do_restore_chunk_from_buffer(restore_ctx_t *ctx, crypter_t *cry, void *inbuf, uint32_t inbufsize, void *outbuf,
                                 uint32_t outbufsize) noexcept
{
    if (!ctx) {
        OLOG(OLOG_ERROR, "ctx is null");
        return fail_errno(EINVAL);
    }
    if (!inbuf || !outbuf) {
        OLOG(OLOG_ERROR, "inbuf or outbuf is null");
        return fail_errno(EINVAL);
    }
    chunkbase_t e{};
    e.chunksize = static_cast<int32_t>(outbufsize > INT32_MAX ? INT32_MAX : outbufsize);
    if (fetch_chunk(nullptr, static_cast<const uint8_t *>(inbuf), inbufsize, &e, 1, cry, nullptr,
                    static_cast<uint8_t *>(outbuf), outbufsize, nullptr) != 0) {
        int err = errno;
        if (err != EOVERFLOW)
            OLOG(OLOG_ERROR, "get_chunk_from_buffer: %s", errtext(err));
        return fail_errno(err);
    }
    return e.chunksize;
}

} // extern "C"
