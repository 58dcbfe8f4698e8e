// Partial range reads: an arbitrary byte range of a file rebuilt from its
// descriptor's chunk rows and a local sparse file that holds what was
// changed locally (dirty rows) and what lies beyond the chunk table.
//
// Every piece lands at its own place in the buffer (file offset minus the
// range's start), so a range with holes between rows reads back zeros there
// instead of shifting later bytes.
#include "compressor.h"
#include "descriptor_glue.h"
#include "restore_internal.h"

#include <unistd.h>

using namespace orvex::restore;

namespace {

constexpr int64_t kExtraReadBuffer = 1048576;

// What one range read carries besides the descriptor command record.
struct PartialState {
    int64_t end = 0;       // last file offset wanted + 1 (bounded by the buffer)
    int64_t delivered = 0; // highest buffer position written + 1
};

// Fills `len` bytes at `dst` from the sparse file at `offset`; a missing
// sparse file or a short read (a hole at its end) gives zeros.
int read_sparse(int sfd, uint8_t *dst, int64_t len, int64_t offset)
{
    int64_t done = 0;
    if (sfd >= 0) {
        while (done < len) {
            ssize_t n = ::pread(sfd, dst + done, static_cast<size_t>(len - done), static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                int err = errno;
                OLOG(OLOG_ERROR, "prestore: pread, %s", errtext(err));
                return fail_errno(err);
            }
            if (n == 0)
                break;
            done += n;
        }
    }
    if (done < len)
        std::memset(dst + done, 0, static_cast<size_t>(len - done));
    return 0;
}

int read_row(descriptor_data_t *data, sqlite3_stmt *stmt)
{
    auto *in = static_cast<readin_t *>(data->in);
    auto *out = static_cast<readout_t *>(data->out);
    auto *instance = static_cast<instance_t *>(data->instance);
    auto *ctx = static_cast<restore_ctx_t *>(data->ctx);
    auto *st = static_cast<PartialState *>(data->user_data);
    const int64_t rid = sqlite3_column_int64(stmt, 0);
    const int64_t vid = sqlite3_column_int64(stmt, 1);
    const int64_t hid = sqlite3_column_int64(stmt, 2);
    const int64_t vos = sqlite3_column_int64(stmt, 3);
    const int64_t fos = sqlite3_column_int64(stmt, 4);
    const int64_t cks = sqlite3_column_int64(stmt, 5);

    if (static_cast<int64_t>(data->copied) >= in->size)
        return 0;
    out->readoffset = in->offset;
    OLOG(OLOG_DEBUG, "read chunk: voffset=%lld, chunksize=%lld", static_cast<long long>(vos),
         static_cast<long long>(cks));
    if (cks < 0 || cks > COMPRESSOR_MAX_CHUNKSIZE || fos < 0) {
        OLOG(OLOG_ERROR, "unexpected chunksize=%lld", static_cast<long long>(cks));
        return fail_errno(EIO);
    }
    if (fos + cks <= in->offset) {
        OLOG(OLOG_DEBUG, "skippable chunk: reader offset=%lld, chunk (offset, size)=(%lld, %u)",
             static_cast<long long>(in->offset), static_cast<long long>(fos), static_cast<unsigned>(cks));
        return 0;
    }
    if (fos >= st->end) {
        OLOG(OLOG_DEBUG, "chunk out of required range: reader offset=%lld, size=%lld, chunk (offset, size)=(%lld, %u)",
             static_cast<long long>(in->offset), static_cast<long long>(in->size), static_cast<long long>(fos),
             static_cast<unsigned>(cks));
        return 0;
    }
    const int64_t pstart = std::max(fos, in->offset);
    const int64_t pend = std::min(fos + cks, st->end);
    const int64_t pos = pstart - in->offset;
    const int64_t len = pend - pstart;
    if (len <= 0 || pos < 0 || pos + len > out->readsize) {
        OLOG(OLOG_ERROR, "piece [%lld,%lld) does not fit the buffer of %lld bytes", static_cast<long long>(pstart),
             static_cast<long long>(pend), static_cast<long long>(out->readsize));
        return fail_errno(EINVAL);
    }
    uint8_t *dst = out->readbuf + pos;

    if (dsc_is_dirty(instance->descriptor, rid)) {
        OLOG(OLOG_DEBUG, "read dirty chunk: (foffset, chunksize)=(%lld, %d)", static_cast<long long>(fos),
             static_cast<int>(cks));
        if (read_sparse(in->sfd, dst, len, pstart) != 0)
            return -1;
    } else if (vid < 0) {
        // A row in no vault reads as zeros, as in a whole-file restore (the
        // buffer was cleared for the range).
        OLOG(OLOG_DEBUG, "chunk in no vault: (foffset, chunksize)=(%lld, %d)", static_cast<long long>(fos),
             static_cast<int>(cks));
    } else {
        OLOG(OLOG_DEBUG, "read non-dirty chunk: (hid, vid, voffset, foffset, chunksize)=(%d, %lld, %d, %lld, %d)",
             static_cast<int>(hid), static_cast<long long>(vid), static_cast<int>(vos), static_cast<long long>(fos),
             static_cast<int>(cks));
        if (hid < 0 || vid < 0 || hid > UINT32_MAX) {
            OLOG(OLOG_ERROR, "prestore: unexpected hid or vid, (hid,vid)=(%d,%lld)", static_cast<int>(hid),
                 static_cast<long long>(vid));
            return fail_errno(EIO);
        }
        ctx->vault = open_next_vid(ctx, data->vaultdir, ctx->vault, static_cast<uint32_t>(ctx->now_hid),
                                   static_cast<uint64_t>(ctx->now_vid), static_cast<uint32_t>(hid),
                                   static_cast<uint64_t>(vid), ctx->firstvault != 0);
        if (!ctx->vault) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: open_next_vault: %s", "read_partial_chunk", errtext(err));
            ctx->firstvault = 1;
            ctx->now_hid = ctx->now_vid = -1;
            return fail_errno(err);
        }
        ctx->firstvault = 0;
        ctx->now_hid = static_cast<int32_t>(hid);
        ctx->now_vid = vid;
        // The whole chunk is decoded (verified, decrypted, decompressed);
        // a chunk wanted whole goes straight into the caller's buffer.
        chunkbase_t e{};
        e.hid = static_cast<int32_t>(hid);
        e.vid = vid;
        e.voffset = vos;
        e.foffset = fos;
        e.chunksize = static_cast<int32_t>(cks);
        if (cks == 0)
            return 0;
        if (pstart == fos && len == cks) {
            if (fetch_chunk(ctx->vault, nullptr, 0, &e, data->do_ecc, instance->cry, nullptr, dst,
                            static_cast<uint64_t>(len), nullptr) != 0) {
                OLOG(OLOG_ERROR, "%s: %s", "read_partial_chunk_from_vault", errtext(errno));
                return -1;
            }
        } else {
            uint8_t *whole = nullptr;
            if (fetch_chunk(ctx->vault, nullptr, 0, &e, data->do_ecc, instance->cry, nullptr, nullptr, 0, &whole) !=
                0) {
                OLOG(OLOG_ERROR, "%s: %s", "read_partial_chunk_from_vault", errtext(errno));
                return -1;
            }
            std::memcpy(dst, whole + (pstart - fos), static_cast<size_t>(len));
            std::free(whole);
        }
    }
    data->copied = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(data->copied) + len, in->size));
    st->delivered = std::max(st->delivered, pos + len);
    OLOG(OLOG_DEBUG, "data_read: %ld\n", static_cast<long>(len));
    return 0;
}

} // namespace

extern "C" {

int callback_read_chunk(file_t *descriptor, sqlite3_stmt *stmt, void *datap) noexcept
{
    (void)descriptor;
    if (!stmt || !datap)
        return fail_errno(EINVAL);
    auto *data = static_cast<descriptor_data_t *>(datap);
    if (!data->in || !data->out || !data->ctx || !data->instance || !data->user_data)
        return fail_errno(EINVAL);
    try {
        return read_row(data, stmt);
    } catch (...) {
        return fail_errno(ENOMEM);
    }
}

int64_t readbuf_get_required_size(readin_t *in, uint32_t max_chunksize) noexcept
{
    if (!in || in->size < 0) {
        errno = EINVAL;
        return -1;
    }
    int64_t size = in->size + 2 * static_cast<int64_t>(max_chunksize);
    if (in->do_write == 0)
        size += kExtraReadBuffer;
    if (in->filesize > 0 && size > in->filesize)
        size = std::max(in->filesize, in->size);
    return size;
}

readout_t *restore_from_descriptor_and_sparse(instance_t *instance, readin_t *in, readout_t *out) noexcept
{
    if (!instance || !in) {
        errno = EINVAL;
        return nullptr;
    }
    if (instance->scheme != RESTORE_BY_PARTIAL || !instance->descriptor || !instance->ctx) {
        OLOG(OLOG_ERROR, "no file registered in the partial order");
        errno = EINVAL;
        return nullptr;
    }
    if (in->offset < 0 || in->size < 0 || in->mapdb_filesize < 0 || (out && (!out->readbuf || out->readsize < 0))) {
        OLOG(OLOG_ERROR, "unexpected range: offset=%lld,size=%lld", static_cast<long long>(in->offset),
             static_cast<long long>(in->size));
        errno = EINVAL;
        return nullptr;
    }
    auto *hdr = static_cast<const filehdr_t *>(instance->descriptor->hdr);
    const int64_t max_chunksize = std::max<uint32_t>(hdr ? hdr->max_chunksize : 0, instance->max_chunksize);

    MallocPtr<readout_t> own_out;
    MallocPtr<uint8_t> own_buf;
    if (!out) {
        own_out.reset(static_cast<readout_t *>(std::calloc(1, sizeof(readout_t))));
        if (!own_out) {
            OLOG(OLOG_ERROR, "calloc: %s", errtext(ENOMEM));
            errno = ENOMEM;
            return nullptr;
        }
        int64_t need = readbuf_get_required_size(in, static_cast<uint32_t>(max_chunksize));
        own_buf.reset(static_cast<uint8_t *>(std::malloc(static_cast<size_t>(std::max<int64_t>(need, 1)))));
        if (!own_buf) {
            OLOG(OLOG_ERROR, "readbuf_get: %s", errtext(ENOMEM));
            errno = ENOMEM;
            return nullptr;
        }
        out = own_out.get();
        out->readbuf = own_buf.get();
        out->readsize = need;
    }

    PartialState st;
    // Never past the caller's buffer, never past the file.
    st.end = in->offset + std::min(in->size, out->readsize);
    if (in->filesize > 0)
        st.end = std::min(st.end, std::max(in->filesize, in->mapdb_filesize));
    st.end = std::max(st.end, in->offset);

    const int64_t lbound = std::max<int64_t>(0, in->offset - max_chunksize);
    const int64_t ubound = std::min(st.end, in->mapdb_filesize) - 1;
    OLOG(OLOG_DEBUG, "%s: offset=%jd,size=%zu,lbound=%lld,ubound=%lld", "get_FOS_fetching_range",
         static_cast<intmax_t>(in->offset), static_cast<size_t>(in->size), static_cast<long long>(lbound),
         static_cast<long long>(ubound));
    // Zeros where no row delivers anything.
    if (st.end > in->offset)
        std::memset(out->readbuf, 0, static_cast<size_t>(st.end - in->offset));

    if (ubound >= lbound) {
        descriptor_data_t data{};
        data.cmd = DSC_READ_RANGED_CHUNKS;
        data.lbound = lbound;
        data.ubound = ubound;
        data.callback = callback_read_chunk;
        data.do_ecc = instance->do_ecc;
        data.vaultdir = instance->vaultdir_path;
        data.in = in;
        data.out = out;
        data.ctx = instance->ctx;
        data.instance = instance;
        data.user_data = &st;
        errno = 0;
        int64_t got = instance->descriptor->fops->read_ranged_chunks
                          ? instance->descriptor->fops->read_ranged_chunks(instance->descriptor, &data)
                          : -1;
        if (got < 0) {
            int err = errno ? errno : EIO;
            OLOG(OLOG_ERROR, "%s: read chunks recorded in mapdb, %s",
                 instance->descriptor->path ? instance->descriptor->path : "", errtext(err));
            errno = err;
            return nullptr;
        }
        OLOG(OLOG_DEBUG, "read %lldbytes from descriptor (vaults + sparse)", static_cast<long long>(data.copied));
    }
    // Everything the chunk table covers is accounted for, holes included.
    st.delivered = std::max(st.delivered, std::min(st.end, std::max(in->mapdb_filesize, in->offset)) - in->offset);

    int64_t sparse_bytes = 0;
    if (st.end > in->mapdb_filesize) {
        const int64_t from = std::max(in->offset, in->mapdb_filesize);
        const int64_t len = st.end - from;
        if (in->do_write == 0) {
            OLOG(OLOG_DEBUG, "sparse_readoffset=%jd,sparse_readsize=%zd", static_cast<intmax_t>(from),
                 static_cast<ssize_t>(len));
            if (read_sparse(in->sfd, out->readbuf + (from - in->offset), len, from) != 0) {
                OLOG(OLOG_ERROR, "%s: read data from sparse file, %s",
                     instance->descriptor->path ? instance->descriptor->path : "", errtext(errno));
                return nullptr;
            }
        }
        sparse_bytes = len;
        st.delivered = st.end - in->offset;
    }
    OLOG(OLOG_DEBUG, "read %lld bytes from sparse", static_cast<long long>(sparse_bytes));
    out->readoffset = in->offset;
    out->readsize = st.delivered;
    own_buf.release();
    own_out.release();
    return out;
}

} // extern "C"
