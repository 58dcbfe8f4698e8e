// The compression table of the copy routines: plain copies with a progress
// report per 8192-byte block (the bytes move in larger pieces, inside the
// kernel where it can), and zstd streams (level 1, the library's
// recommended buffer sizes, no reports).
#include "vesk_internal.h"

#include <zstd.h>

#include <algorithm>
#include <new>
#include <unistd.h>

namespace orvex::vesk {

namespace {

constexpr int64_t kBlock = 8192;        // stored bytes per progress report
constexpr int64_t kPiece = 1 << 20;      // bytes moved per system call

struct CStreamDeleter {
    void operator()(ZSTD_CStream *z) const noexcept { ZSTD_freeCStream(z); }
};
struct DStreamDeleter {
    void operator()(ZSTD_DStream *z) const noexcept { ZSTD_freeDStream(z); }
};

// read() of up to `len` bytes, retried on EINTR.
ssize_t read_some(int fd, void *buf, size_t len)
{
    for (;;) {
        ssize_t n = ::read(fd, buf, len);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

// Moves up to `want` bytes from the position of `src_fd` to that of
// `dst_fd` (dst_fd < 0: reads them only). Inside the kernel while it can
// (`in_kernel`, cleared where the two files do not allow it), else through
// `buf`. The bytes moved, 0 at the end of the source, or -1 with errno.
ssize_t move_piece(int src_fd, int dst_fd, size_t want, std::vector<uint8_t> &buf, bool &in_kernel)
{
    if (in_kernel) {
        for (;;) {
            ssize_t n = ::copy_file_range(src_fd, nullptr, dst_fd, nullptr, want, 0);
            if (n >= 0)
                return n;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EBADF)
                return -1;
            in_kernel = false;
            break;
        }
    }
    try {
        if (buf.size() < want)
            buf.resize(want);
    } catch (const std::bad_alloc &) {
        errno = ENOMEM;
        return -1;
    }
    ssize_t n = read_some(src_fd, buf.data(), want);
    if (n <= 0)
        return n;
    if (dst_fd >= 0 && write_all(dst_fd, buf.data(), static_cast<size_t>(n)) != 0)
        return -1;
    return n;
}

// The position of `fd`, for the reported store offset.
int64_t position_of(int fd)
{
    off_t pos = ::lseek(fd, 0, SEEK_CUR);
    if (pos < 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "seek: %s", errtext(err));
        errno = err;
    }
    return pos;
}

// `size` bytes from `src_fd` through one compression stream to `dst_fd`.
// The bytes written, or -1 with errno.
int64_t zstd_encode(int src_fd, int64_t size, int dst_fd)
{
    std::unique_ptr<ZSTD_CStream, CStreamDeleter> zs(ZSTD_createCStream());
    if (!zs) {
        OLOG(OLOG_ERROR, "ZSTD_createCStream() failed");
        return fail(ENOMEM);
    }
    size_t rc = ZSTD_initCStream(zs.get(), 1);
    if (ZSTD_isError(rc)) {
        OLOG(OLOG_ERROR, "ZSTD_initCStream(): %s", ZSTD_getErrorName(rc));
        return fail(EIO);
    }
    std::vector<uint8_t> in(ZSTD_CStreamInSize()), out(ZSTD_CStreamOutSize());
    int64_t consumed = 0, written = 0;
    auto emit = [&](const ZSTD_outBuffer &o) {
        if (o.pos == 0)
            return 0;
        if (write_all(dst_fd, out.data(), o.pos) != 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "write: %s", errtext(err));
            return fail(err);
        }
        written += static_cast<int64_t>(o.pos);
        return 0;
    };
    while (consumed < size) {
        size_t want = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(in.size()), size - consumed));
        ssize_t n = read_some(src_fd, in.data(), want);
        if (n < 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "read %zu: %s", want, errtext(err));
            return fail(err);
        }
        if (n == 0) // the source is shorter than the caller said
            return VESK_CORRUPT("source ended after %lld of %lld bytes", static_cast<long long>(consumed),
                                static_cast<long long>(size));
        consumed += n;
        ZSTD_inBuffer ib{in.data(), static_cast<size_t>(n), 0};
        while (ib.pos < ib.size) {
            ZSTD_outBuffer ob{out.data(), out.size(), 0};
            rc = ZSTD_compressStream(zs.get(), &ob, &ib);
            if (ZSTD_isError(rc)) {
                OLOG(OLOG_ERROR, "ZSTD_compressStream(): %s", ZSTD_getErrorName(rc));
                return fail(EIO);
            }
            if (emit(ob) != 0)
                return -1;
        }
    }
    // The end of the frame may need more than one output buffer.
    do {
        ZSTD_outBuffer ob{out.data(), out.size(), 0};
        rc = ZSTD_endStream(zs.get(), &ob);
        if (ZSTD_isError(rc)) {
            OLOG(OLOG_ERROR, "ZSTD_endStream(): %s", ZSTD_getErrorName(rc));
            return fail(EIO);
        }
        if (emit(ob) != 0)
            return -1;
    } while (rc != 0);
    return written;
}

int generic_copy(int src_fd, int64_t size, int dst_fd, const Progress &progress, int64_t *store_offset,
                 int64_t *store_size)
{
    if (store_size)
        *store_size = 0;
    if (size < 0)
        return fail(EINVAL);
    int64_t at = position_of(dst_fd);
    if (at < 0)
        return -1;
    if (store_offset)
        *store_offset = at;
    if (plain_copy(src_fd, size, dst_fd, progress) != 0)
        return -1;
    if (store_size)
        *store_size = size;
    return 0;
}

Progress progress_of(void *cbk, int offset, int size, void *pdata)
{
    Progress p;
    p.cbk = reinterpret_cast<fs_vesk_restore_file_progress_cbk>(cbk);
    p.record = static_cast<const exportdb_data_t *>(pdata);
    p.offset = offset;
    p.size = size;
    return p;
}

} // namespace

const char *errtext(int err) noexcept
{
    static thread_local char buf[128];
    auto r = strerror_r(err, buf, sizeof buf);
    if constexpr (std::is_same_v<decltype(r), char *>)
        return r;
    else
        return buf;
}

Fd::~Fd()
{
    int saved = errno;
    close();
    errno = saved;
}

int Fd::close() noexcept
{
    int rc = 0;
    if (fd_ >= 0)
        rc = ::close(fd_);
    fd_ = -1;
    return rc;
}

int Progress::report(double done, double total) const
{
    if (!cbk)
        return 0;
    float percent = total > 0 ? static_cast<float>(done / total * 100.0) : 100.0f;
    float mapped = percent * static_cast<float>(size) / 100.0f + static_cast<float>(offset);
    const exportdb_data_t *r = record;
    return cbk(r ? r->instance : nullptr, r ? r->version_id : 0, r ? r->from : nullptr, r ? r->to : nullptr,
               FS_VESK_STATUS_RUNNING, mapped, r ? r->user_data : nullptr);
}

int write_all(int fd, const void *data, size_t len, int64_t offset) noexcept
{
    const auto *p = static_cast<const uint8_t *>(data);
    size_t done = 0;
    while (done < len) {
        ssize_t n = offset >= 0 ? ::pwrite(fd, p + done, len - done, static_cast<off_t>(offset + done))
                                : ::write(fd, p + done, len - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            return fail(ENOSPC); // no progress: the medium took nothing more
        done += static_cast<size_t>(n);
    }
    return 0;
}

int plain_copy(int src_fd, int64_t size, int dst_fd, const Progress &progress) noexcept
{
    if (size < 0)
        return fail(EINVAL);
    std::vector<uint8_t> buf;
    bool in_kernel = dst_fd >= 0;
    int64_t copied = 0;
    while (copied < size) {
        size_t want = static_cast<size_t>(std::min<int64_t>(kPiece, size - copied));
        ssize_t n = move_piece(src_fd, dst_fd, want, buf, in_kernel);
        if (n < 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "copy %zu bytes: %s", want, errtext(err));
            return fail(err);
        }
        // A source that ends early would leave a short file reported whole.
        if (n == 0)
            return VESK_CORRUPT("source ended after %lld of %lld bytes", static_cast<long long>(copied),
                                static_cast<long long>(size));
        // One report for every 8192-byte block the piece completed.
        const int64_t before = copied;
        copied += n;
        for (int64_t end = (before / kBlock + 1) * kBlock;; end += kBlock) {
            int64_t at = std::min(end, size);
            if (at > copied)
                break;
            if (progress.report(static_cast<double>(at), static_cast<double>(size)) != 0)
                return fail(EINTR);
            if (at == size)
                break;
        }
    }
    return 0;
}

int64_t zstd_decode(int src_fd, int64_t in_limit, int dst_fd, int64_t out_limit) noexcept
{
    std::unique_ptr<ZSTD_DStream, DStreamDeleter> zs(ZSTD_createDStream());
    if (!zs) {
        OLOG(OLOG_ERROR, "ZSTD_createDStream() failed");
        return fail(ENOMEM);
    }
    size_t hint = ZSTD_initDStream(zs.get());
    if (ZSTD_isError(hint)) {
        OLOG(OLOG_ERROR, "ZSTD_initDStream(): %s", ZSTD_getErrorName(hint));
        return fail(EIO);
    }
    std::vector<uint8_t> in, out;
    try {
        in.resize(ZSTD_DStreamInSize());
        out.resize(ZSTD_DStreamOutSize());
    } catch (...) {
        return fail(ENOMEM);
    }
    int64_t consumed = 0, produced = 0;
    // Read as much as the stream asks for next, so that reading stops at the
    // end of the frame; never past the range the caller gave.
    while (hint != 0) {
        size_t want = static_cast<size_t>(std::min<int64_t>(
            static_cast<int64_t>(std::min(hint, in.size())), in_limit - consumed));
        ssize_t n = want == 0 ? 0 : read_some(src_fd, in.data(), want);
        if (n < 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "read %zu: %s", want, errtext(err));
            return fail(err);
        }
        if (n == 0)
            return VESK_CORRUPT("zstd stream cut short after %lld bytes", static_cast<long long>(consumed));
        consumed += n;
        ZSTD_inBuffer ib{in.data(), static_cast<size_t>(n), 0};
        bool flushing = false;
        while (ib.pos < ib.size || flushing) {
            ZSTD_outBuffer ob{out.data(), out.size(), 0};
            hint = ZSTD_decompressStream(zs.get(), &ob, &ib);
            if (ZSTD_isError(hint)) {
                OLOG(OLOG_ERROR, "ZSTD_decompressStream(): %s", ZSTD_getErrorName(hint));
                return fail(EIO);
            }
            if (static_cast<int64_t>(ob.pos) > out_limit - produced)
                return VESK_CORRUPT("zstd stream holds more than %lld bytes", static_cast<long long>(out_limit));
            if (dst_fd >= 0 && write_all(dst_fd, out.data(), ob.pos) != 0) {
                int err = errno;
                OLOG(OLOG_ERROR, "write: %s", errtext(err));
                return fail(err);
            }
            produced += static_cast<int64_t>(ob.pos);
            if (hint == 0)
                break;
            flushing = ob.pos == ob.size;
        }
    }
    return produced;
}

} // namespace orvex::vesk

using namespace orvex::vesk;

extern "C" {

int compress_to_dst_none(int src_fd, int64_t size, int dst_fd, void *progress_cbk, int progress_offset,
                         int progress_size, void *pdata, int64_t *store_offset, int64_t *store_size) noexcept
{
    return c_edge(-1, [&] {
        return generic_copy(src_fd, size, dst_fd, progress_of(progress_cbk, progress_offset, progress_size, pdata),
                            store_offset, store_size);
    });
}

int decompress_to_dst_none(int src_fd, int64_t size, int dst_fd, void *progress_cbk, int progress_offset,
                           int progress_size, void *pdata, int64_t *store_offset, int64_t *store_size) noexcept
{
    return compress_to_dst_none(src_fd, size, dst_fd, progress_cbk, progress_offset, progress_size, pdata,
                                store_offset, store_size);
}

int compress_to_dst_zstd(int src_fd, int64_t size, int dst_fd, void *progress_cbk, int progress_offset,
                         int progress_size, void *pdata, int64_t *store_offset, int64_t *store_size) noexcept
{
    (void)progress_cbk;
    (void)progress_offset;
    (void)progress_size;
    (void)pdata;
    return c_edge(-1, [&] {
        if (size < 0)
            return fail(EINVAL);
        int64_t at = position_of(dst_fd);
        if (at < 0)
            return -1;
        int64_t written = zstd_encode(src_fd, size, dst_fd);
        if (written < 0)
            return -1;
        if (store_offset)
            *store_offset = at;
        if (store_size)
            *store_size = written;
        return 0;
    });
}

int decompress_to_dst_zstd(int src_fd, int64_t size, int dst_fd, void *progress_cbk, int progress_offset,
                           int progress_size, void *pdata, int64_t *store_offset, int64_t *store_size) noexcept
{
    (void)progress_cbk;
    (void)progress_offset;
    (void)progress_size;
    (void)pdata;
    (void)store_offset;
    (void)store_size;
    if (size < 0)
        return fail(EINVAL);
    if (dst_fd < 0)
        return fail(EBADF);
    return zstd_decode(src_fd, size, dst_fd, INT64_MAX) < 0 ? -1 : 0;
}

} // extern "C"

namespace orvex::vesk {

const vesk_compression_t vesk_compressions[VESK_COMPRESS_MAX] = {
    {"none", compress_to_dst_none, decompress_to_dst_none},
    {"zstd", compress_to_dst_zstd, decompress_to_dst_zstd},
};

} // namespace orvex::vesk
